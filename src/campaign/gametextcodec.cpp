#include "campaign/gametextcodec.h"

#include "app/gamepath.h"
#include "common/ansitext.h"
#include "common/messages.h"
#include "common/wholefile.h"

#include <QFile>
#include <QSaveFile>

namespace {

const QByteArray kCampaignMarker = QByteArrayLiteral("[KAMPAGNE]");
const QByteArray kEndMarker = QByteArrayLiteral("[END]");

// Reads and decodes the whole file and splits it into lines. The text ends at
// the first zero byte; the game ignores whatever follows it. On failure `why`
// names the file and the reason ("not found" for a missing file).
bool readLines(const QString &path, QList<QByteArray> *lines, QString *why)
{
    std::optional<QByteArray> read = ReadWholeFile(path, GameTextCodec::MaxFileSize, why);
    if (!read)
        return false;
    QByteArray &data = *read;
    GameTextCodec::Code(data.data(), data.size());
    const qsizetype zero = data.indexOf('\0');
    if (zero >= 0)
        data.truncate(zero);
    *lines = GameTextCodec::SplitLines(data);
    return true;
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

// Replaces the file's content in one atomic step: QSaveFile writes a temporary
// file next to it and renames it over the original only when everything was
// written, keeping the original's permissions and following a symlink to its
// target. Any failure leaves the original as it was.
bool writeAtomically(const QString &path, const QByteArray &content)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // A short write (disk full, size limit) is reported only by flush(): the
    // buffered write() accepts everything and commit() would rename a
    // truncated file over the original. Without commit() the destructor
    // throws the temporary file away.
    if (file.write(content) != content.size() || !file.flush())
        return false;
    return file.commit();
}

} // namespace

QString GameTextCodec::TextFilePath(const QString &gamePath)
{
    return ResolveGameFile(gamePath, QStringLiteral("Text.cod"));
}

void GameTextCodec::Code(char *data, qsizetype size)
{
    for (qsizetype i = 0; i < size; ++i)
        data[i] = char(uchar(0u - uchar(data[i])));
}

QList<QByteArray> GameTextCodec::SplitLines(QByteArrayView text)
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

std::optional<QStringList> GameTextCodec::LoadCampaignList(const QString &gamePath,
                                                           QString *message)
{
    const QString path = TextFilePath(gamePath);
    QList<QByteArray> lines;
    if (!readLines(path, &lines, message))
        return std::nullopt;

    // The game only opens the section at a line that is exactly the marker.
    QStringList list;
    const qsizetype begin = lines.indexOf(kCampaignMarker);
    if (begin < 0)
        return list;
    for (qsizetype i = begin + 1; i < lines.size() && lines[i] != kEndMarker; ++i)
        list.append(ansi::toUnicode(lines[i]));
    return list;
}

bool GameTextCodec::StoreCampaignList(const QString &gamePath, const QStringList &list,
                                      QString *message)
{
    const QString path = TextFilePath(gamePath);
    auto fail = [message](const QString &text) {
        if (message)
            *message = text;
        return false;
    };

    QList<QByteArray> lines;
    QString why;
    if (!readLines(path, &lines, &why))
        return fail(why);

    qsizetype begin = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].compare(kCampaignMarker, Qt::CaseInsensitive) == 0) {
            begin = i + 1;
            break;
        }
    }
    // Without a closing marker there is no telling where the section ends;
    // replacing up to the end of the file would throw away the texts after it.
    const qsizetype end = begin < 0 ? -1 : lines.indexOf(kEndMarker, begin);
    if (end < 0)
        return fail(msg::noCampaignSection(path));

    QList<QByteArray> result = lines.first(begin);
    for (const QString &entry : list)
        result.append(entryLine(entry));
    result.append(lines.sliced(end));

    QByteArray content;
    for (const QByteArray &line : std::as_const(result)) {
        content.append(line);
        content.append("\r\n", 2);
    }
    Code(content.data(), content.size());

    if (!writeAtomically(path, content))
        return fail(msg::cannotWrite(path));
    return true;
}
