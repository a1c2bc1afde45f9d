#include "core/game/gamepath.h"

#include "core/common/messages.h"
#include "core/common/wholefile.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#ifdef Q_OS_WIN
#include <QSettings>
#else
#include <QStringView>
#include <optional>
#endif

namespace {

// Lists the entries of `folder` and returns the first whose name equals
// `name` ignoring letter case; empty when there is none.
QString entryIgnoringCase(const QString &folder, const QString &name)
{
    const QStringList entries = QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {};
}

QString joined(const QString &folder, const QString &name)
{
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

#ifndef Q_OS_WIN

// The game's key below HKEY_LOCAL_MACHINE, and where a 32-bit installer puts
// it in a 64-bit prefix.
constexpr QStringView kAppPathsKey =
    u"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Brim.EXE";
constexpr QStringView kAppPathsKey32 =
    u"Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Brim.EXE";

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// Reads text in Wine's registry escaping from `line` at `pos` up to the
// first unescaped `end` and leaves `pos` just past it. Wine writes "\\", "\"",
// "\[", "\]", C escapes, octal for other control characters, and "\x" with one
// to four hex digits for each UTF-16 unit above 127 (surrogate pairs come as
// two escapes). Nothing when the text is not terminated.
std::optional<QString> readEscaped(QStringView line, qsizetype &pos, QChar end)
{
    QString out;
    while (pos < line.size()) {
        QChar c = line[pos++];
        if (c == end)
            return out;
        if (c != u'\\') {
            out += c;
            continue;
        }
        if (pos == line.size())
            break;
        c = line[pos++];
        switch (c.unicode()) {
        case u'a':
            out += QChar(0x07);
            break;
        case u'b':
            out += QChar(0x08);
            break;
        case u'e':
            out += QChar(0x1b);
            break;
        case u'f':
            out += QChar(0x0c);
            break;
        case u'n':
            out += QChar(0x0a);
            break;
        case u'r':
            out += QChar(0x0d);
            break;
        case u't':
            out += QChar(0x09);
            break;
        case u'v':
            out += QChar(0x0b);
            break;
        case u'x': {
            int digits = 0;
            char16_t unit = 0;
            while (digits < 4 && pos < line.size() && hexValue(line[pos]) >= 0) {
                unit = char16_t(unit * 16 + hexValue(line[pos++]));
                ++digits;
            }
            out += digits ? QChar(unit) : QChar(u'x');
            break;
        }
        default:
            if (c >= u'0' && c <= u'7') {
                char16_t unit = c.unicode() - u'0';
                for (int i = 1;
                     i < 3 && pos < line.size() && line[pos] >= u'0' && line[pos] <= u'7'; ++i)
                    unit = char16_t(unit * 8 + (line[pos++].unicode() - u'0'));
                out += QChar(unit);
            } else {
                out += c;
            }
        }
    }
    return std::nullopt;
}

// The key name of a section line "[Software\\...] 1700000000".
QString sectionKey(QStringView line)
{
    qsizetype pos = 1;
    return readEscaped(line, pos, u']').value_or(QString());
}

// The text of the string value named "Path" on a value line, nothing when the
// line holds another value or another type. Plain strings ("Path"="...") and
// expandable ones ("Path"=str(2):"...") both count.
std::optional<QString> pathValue(QStringView line)
{
    if (!line.startsWith(u'"'))
        return std::nullopt; // "@=" is the default value, the rest are no values
    qsizetype pos = 1;
    const std::optional<QString> name = readEscaped(line, pos, u'"');
    if (!name || name->compare(u"Path", Qt::CaseInsensitive) != 0)
        return std::nullopt;
    QStringView data = line.sliced(pos);
    if (!data.startsWith(u'='))
        return std::nullopt;
    data = data.sliced(1);
    if (data.startsWith(u"str(2):"))
        data = data.sliced(7);
    if (!data.startsWith(u'"'))
        return std::nullopt;
    pos = 1;
    return readEscaped(data, pos, u'"');
}

struct AppPaths {
    QString plain;
    QString wow32;
};

// Reads the "Path" values of the game's keys from the text of a Wine registry
// file. A section runs from its "[...]" line up to the next one.
AppPaths readAppPaths(const QString &text)
{
    AppPaths found;
    QString *current = nullptr;
    for (QStringView line : QStringView(text).tokenize(u'\n')) {
        line = line.trimmed();
        if (line.startsWith(u'[')) {
            const QString key = sectionKey(line);
            if (key.compare(kAppPathsKey, Qt::CaseInsensitive) == 0)
                current = &found.plain;
            else if (key.compare(kAppPathsKey32, Qt::CaseInsensitive) == 0)
                current = &found.wow32;
            else
                current = nullptr;
        } else if (current && current->isEmpty()) {
            if (const std::optional<QString> path = pathValue(line))
                *current = *path;
        }
    }
    return found;
}

// The components of a Windows path below its drive with "." and ".." taken
// out, as Windows reads them; nothing when ".." climbs above the drive's root.
// Resolving ".." on disk instead would leave the drive through it.
std::optional<QStringList> componentsBelowDrive(QStringView belowDrive)
{
    QStringList parts;
    for (QStringView part : belowDrive.tokenize(u'\\', Qt::SkipEmptyParts)) {
        for (QStringView piece : part.tokenize(u'/', Qt::SkipEmptyParts)) {
            if (piece == u".")
                continue;
            if (piece == u"..") {
                if (parts.isEmpty())
                    return std::nullopt;
                parts.removeLast();
                continue;
            }
            parts.append(piece.toString());
        }
    }
    return parts;
}

// Maps a Windows folder "X:\..." to the folder inside the Wine prefix; empty
// unless it exists. A drive is found through the prefix's "dosdevices/x:"
// entry (normally a link), C: also without one through "drive_c". Paths without
// a drive letter, such as "\\?\unix\..." or UNC paths, name nothing inside
// the prefix, and neither does a path whose ".." climbs out of its drive.
QString folderInPrefix(const QString &prefix, const QString &windowsPath, QString *message)
{
    if (windowsPath.size() < 2 || windowsPath[1] != u':')
        return {};
    const QChar drive = windowsPath[0].toLower();
    if (drive < u'a' || drive > u'z')
        return {};
    QString root;
    const QFileInfo device(prefix + QStringLiteral("/dosdevices/") + drive + u':');
    if (device.exists())
        root = device.canonicalFilePath();
    else if (drive == u'c')
        root = prefix + QStringLiteral("/drive_c");
    else
        return {};
    const std::optional<QStringList> parts =
        componentsBelowDrive(QStringView(windowsPath).sliced(2));
    if (!parts) {
        if (message)
            *message = msg::gameFolderOutsideDrive(windowsPath);
        return {};
    }
    const QString folder = resolveGameFile(root, parts->join(u'/'));
    return QFileInfo(folder).isDir() ? folder : QString();
}

#endif

} // namespace

namespace {

struct Lookup {
    QString path;
    QString message;
};

const Lookup &gameLookup()
{
    static const Lookup lookup = [] {
        Lookup found;
        found.path = findGamePath(winePrefix(), &found.message);
        return found;
    }();
    return lookup;
}

} // namespace

QString winePrefix()
{
#ifdef Q_OS_WIN
    return {};
#else
    const QString prefix = qEnvironmentVariable("WINEPREFIX");
    return prefix.isEmpty() ? QDir::homePath() + QStringLiteral("/.wine") : prefix;
#endif
}

namespace {

QString &chosenFolder()
{
    static QString folder;
    return folder;
}

} // namespace

void setChosenGameFolder(const QString &folder)
{
    chosenFolder() = folder.isEmpty() ? QString() : QDir::cleanPath(folder);
}

QString chosenGameFolder()
{
    return chosenFolder();
}

QString GamePath()
{
    const QString &chosen = chosenFolder();
    if (!chosen.isEmpty() && QFileInfo(chosen).isDir())
        return chosen;
    return gameLookup().path;
}

QString gamePathMessage()
{
    const QString &chosen = chosenFolder();
    if (!chosen.isEmpty() && QFileInfo(chosen).isDir())
        return QString();
    return gameLookup().message;
}

#ifdef Q_OS_WIN

QString findGamePath(const QString &, QString *)
{
    // A 64-bit editor sees the 64-bit view first; a 32-bit installer writes
    // to the 32-bit one.
    const QString key = QStringLiteral(
        "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Brim.EXE");
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::Registry32Format}) {
        const QString folder = QSettings(key, format).value(QStringLiteral("Path")).toString();
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            return QDir::cleanPath(QDir::fromNativeSeparators(folder));
    }
    return {};
}

#else

QString findGamePath(const QString &winePrefix, QString *message)
{
    if (winePrefix.isEmpty())
        return {};
    const Result<QByteArray> registry =
        readWholeFile(winePrefix + QStringLiteral("/system.reg"), MaxRegistryFileSize);
    if (!registry) {
        if (message)
            *message = registry.error();
        return {};
    }
    const AppPaths paths = readAppPaths(QString::fromUtf8(*registry));
    for (const QString &windowsPath : {paths.plain, paths.wow32}) {
        QString folder = folderInPrefix(winePrefix, windowsPath, message);
        if (!folder.isEmpty()) {
            if (message)
                message->clear();
            return folder;
        }
    }
    return {};
}

#endif

QString resolveGameFile(const QString &base, const QString &relative)
{
    if (base.isEmpty())
        return u'\\' + relative;
    const QStringList parts =
        QString(relative).replace(u'\\', u'/').split(u'/', Qt::SkipEmptyParts);
    QString path = base;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QString next = joined(path, parts[i]);
        if (!QFileInfo::exists(next)) {
            const QString onDisk = entryIgnoringCase(path, parts[i]);
            if (onDisk.isEmpty())
                return joined(path, parts.sliced(i).join(u'/'));
            next = joined(path, onDisk);
        }
        path = next;
    }
    return path;
}
