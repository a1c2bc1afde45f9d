#pragma once

// The game's text file "Text.cod": every byte is the two's-complement negation
// of the text byte. The campaign list is the lines of its "[KAMPAGNE]" section.
// Lines are kept as bytes, so everything outside the section is written back
// exactly as it was read (apart from line breaks, which become CR LF).

#include "core/common/result.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class GameTextCodec {
public:
    // The game's text file is well below a megabyte; the limit keeps a path
    // that names something else (a huge file) from filling the memory, as the
    // whole file is held and rewritten at once.
    static constexpr qint64 MaxFileSize = 16 * 1024 * 1024;

    // Path of "Text.cod" in the game folder (matched case-insensitively).
    static QString textFilePath(const QString &gamePath);

    // Encodes and decodes in place: the same operation both ways.
    static void code(char *data, qsizetype size);

    // Splits decoded text into lines at CR, LF or CR LF; text after the last
    // break is a line only when it is not empty.
    static QList<QByteArray> splitLines(QByteArrayView text);

    // The campaign list of the game's text file; the error is the text to
    // show, naming the file.
    static Result<QStringList> loadCampaignList(const QString &gamePath);

    // Replaces the campaign section of the game's text file by `list`. On
    // failure the file is left as it was and the error is the text to show.
    static Result<void> storeCampaignList(const QString &gamePath, const QStringList &list);
};
