#pragma once

// The game stores its texts in Windows-1252. This is the one place where they
// are converted, both ways. The five bytes that Windows-1252 leaves undefined
// map to the C1 control characters of the same value (as Windows itself does),
// so every byte string survives a round trip; characters that Windows-1252
// cannot hold become "?". The editor asks canEncode where the user types, so
// that nothing the user entered reaches that "?" unseen.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace ansi {

QString toUnicode(QByteArrayView bytes);
QByteArray fromUnicode(const QString &text);

// Whether Windows-1252 holds the character (a code point, so that a character
// beyond the 16-bit range is one character) or every character of the text.
bool canEncode(char32_t c);
bool canEncode(QStringView text);

// The text with every character that Windows-1252 cannot hold replaced: by its
// base letter where it is one with an accent that Windows-1252 lacks ("ź"
// becomes "z"), otherwise by "?". `replaced`, when given, receives each
// replaced character once, in the order of the text.
QString encodable(QStringView text, QStringList *replaced = nullptr);

// Reads a zero-terminated text from a fixed field of `fieldSize` bytes: up to
// the first zero byte, never past the field.
QString readField(const uchar *field, int fieldSize);

// Writes at most `maxChars` characters of `text` into the field, zero-padding
// the rest of it. Bytes of the field from `maxChars` on become zero. A text
// that the field holds already leaves every byte of it as it is.
void writeField(uchar *field, int fieldSize, int maxChars, const QString &text);

} // namespace ansi
