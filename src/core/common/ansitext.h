#pragma once

// The game stores its texts in Windows-1252. This is the one place where they
// are converted, both ways. The five bytes that Windows-1252 leaves undefined
// map to the C1 control characters of the same value (as Windows itself does),
// so every byte string survives a round trip; characters that Windows-1252
// cannot hold become "?".

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace ansi {

QString toUnicode(QByteArrayView bytes);
QByteArray fromUnicode(const QString &text);

// Reads a zero-terminated text from a fixed field of `fieldSize` bytes: up to
// the first zero byte, never past the field.
QString readField(const uchar *field, int fieldSize);

// Writes at most `maxChars` characters of `text` into the field, zero-padding
// the rest of it. Bytes of the field from `maxChars` on become zero.
void writeField(uchar *field, int fieldSize, int maxChars, const QString &text);

} // namespace ansi
