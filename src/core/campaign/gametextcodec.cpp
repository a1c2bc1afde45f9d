#include "core/campaign/gametextcodec.h"

#include "core/common/ansitext.h"
#include "core/common/messages.h"
#include "core/common/wholefile.h"
#include "core/format/atomicfile.h"
#include "core/game/gamepath.h"

#include <QFile>

namespace {

const QByteArray kCampaignMarker = QByteArrayLiteral("[KAMPAGNE]");
const QByteArray kEndMarker = QByteArrayLiteral("[END]");

// Reads and decodes the whole file and splits it into lines. The text ends at
// the first zero byte; the game ignores whatever follows it. The error names
// the file and the reason ("not found" for a missing file).
Result<QList<QByteArray>> readLines(const QString &path)
{
    Result<QByteArray> read = readWholeFile(path, GameTextCodec::MaxFileSize);
    if (!read)
        return Failure{read.error()};
    QByteArray &data = *read;
    GameTextCodec::code(data.data(), data.size());
    const qsizetype zero = data.indexOf('\0');
    if (zero >= 0)
        data.truncate(zero);
    return GameTextCodec::splitLines(data);
}

// One entry of the list as one line of the file. A line break or zero byte
// inside an entry would split the section or cut the file short when the game
// reads it, so those characters become "?" like any other character the file
// cannot hold.
QByteArray entryLine(const QString &entry)
{
    QByteArray line = ansi::fromUnicode(entry);
    for (char &c : line) {
        if (c == '\r' || c == '\n' || c == '\0')
            c = '?';
    }
    return line;
}

// The first line of the campaign section, or -1 when no line opens one. Load
// and store both find the section here, so that a store replaces the section
// a load reads: the game opens it only at a line that is exactly the marker.
qsizetype campaignSectionStart(const QList<QByteArray> &lines)
{
    const qsizetype marker = lines.indexOf(kCampaignMarker);
    return marker < 0 ? -1 : marker + 1;
}

} // namespace

QString GameTextCodec::textFilePath(const QString &gamePath)
{
    return resolveGameFile(gamePath, QStringLiteral("Text.cod"));
}

void GameTextCodec::code(char *data, qsizetype size)
{
    for (qsizetype i = 0; i < size; ++i)
        data[i] = char(uchar(0u - uchar(data[i])));
}

QList<QByteArray> GameTextCodec::splitLines(QByteArrayView text)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.append(text.sliced(start, i - start).toByteArray());
            ++i;
            if (c == '\r' && i < text.size() && text[i] == '\n')
                ++i;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < text.size())
        lines.append(text.sliced(start).toByteArray());
    return lines;
}

Result<QStringList> GameTextCodec::loadCampaignList(const QString &gamePath)
{
    const Result<QList<QByteArray>> read = readLines(textFilePath(gamePath));
    if (!read)
        return Failure{read.error()};
    const QList<QByteArray> &lines = *read;

    QStringList list;
    const qsizetype begin = campaignSectionStart(lines);
    if (begin < 0)
        return list;
    for (qsizetype i = begin; i < lines.size() && lines[i] != kEndMarker; ++i)
        list.append(ansi::toUnicode(lines[i]));
    return list;
}

Result<void> GameTextCodec::storeCampaignList(const QString &gamePath, const QStringList &list)
{
    const QString path = textFilePath(gamePath);
    const Result<QList<QByteArray>> read = readLines(path);
    if (!read)
        return Failure{read.error()};
    const QList<QByteArray> &lines = *read;

    const qsizetype begin = campaignSectionStart(lines);
    // Without a closing marker there is no telling where the section ends;
    // replacing up to the end of the file would throw away the texts after it.
    const qsizetype end = begin < 0 ? -1 : lines.indexOf(kEndMarker, begin);
    if (end < 0)
        return Failure{msg::noCampaignSection(path)};

    QList<QByteArray> result = lines.first(begin);
    for (const QString &entry : list)
        result.append(entryLine(entry));
    result.append(lines.sliced(end));

    QByteArray content;
    for (const QByteArray &line : std::as_const(result)) {
        content.append(line);
        content.append("\r\n", 2);
    }
    code(content.data(), content.size());

    // Through a new file that replaces the old one; where the game's folder
    // takes no new file but the file itself is writable, in place.
    if (const Result<void> written = rewriteFile(path, content); !written)
        return Failure{msg::cannotWrite(path, written.error())};
    return {};
}
