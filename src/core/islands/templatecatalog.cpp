#include "core/islands/templatecatalog.h"

#include "core/game/gamepath.h"
#include "core/islands/insel.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <tuple>

namespace {

// The folder and the stem of a size class, as Insel::templateFile spells
// them ("nordnat", "med"): the names live there only.
QString folderName(int climate, bool native)
{
    return Insel::templateFile(climate, 0, native, IslandRecord::NoTemplateNumber)
        .section(QLatin1Char('\\'), 0, 0);
}

QString sizeStem(int sizeClass)
{
    return Insel::templateFile(0, sizeClass, false, IslandRecord::NoTemplateNumber)
        .section(QLatin1Char('\\'), 1)
        .section(QLatin1Char('.'), 0, 0);
}

} // namespace

std::vector<TemplateFileEntry> listTemplateFiles(const QString &gameFolder)
{
    std::vector<TemplateFileEntry> entries;
    if (gameFolder.isEmpty())
        return entries;
    QStringList stems;
    for (int s = 0; s < Insel::SizeClasses; ++s)
        stems << QRegularExpression::escape(sizeStem(s));
    // The number as "%2.2d" writes it: two digits at least.
    const QRegularExpression pattern(
        QStringLiteral("^(%1)(\\d{2,5})?\\.scp$").arg(stems.join(QLatin1Char('|'))),
        QRegularExpression::CaseInsensitiveOption);

    for (int climate = 0; climate < Insel::Climates; ++climate) {
        for (const bool native : {false, true}) {
            const QString folder = resolveGameFile(gameFolder, folderName(climate, native));
            if (!QFileInfo(folder).isDir())
                continue;
            const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::Readable);
            for (const QFileInfo &file : files) {
                const QRegularExpressionMatch match = pattern.match(file.fileName());
                if (!match.hasMatch())
                    continue;
                int number = IslandRecord::NoTemplateNumber;
                if (match.capturedLength(2) > 0) {
                    // 65535 stands for the file without a number.
                    number = match.captured(2).toInt();
                    if (number >= IslandRecord::NoTemplateNumber)
                        continue;
                }
                TemplateFileEntry entry;
                entry.path = file.filePath();
                entry.fileName = file.fileName();
                entry.climate = climate;
                entry.native = native;
                entry.sizeClass = int(stems.indexOf(match.captured(1).toLower()));
                entry.number = number;
                entries.push_back(entry);
            }
        }
    }
    // The file without a number sorts first: it is the size class's plain one.
    auto key = [](const TemplateFileEntry &e) {
        return std::make_tuple(e.climate, e.native, e.sizeClass,
                               e.number == IslandRecord::NoTemplateNumber ? -1 : e.number,
                               e.fileName);
    };
    std::sort(
        entries.begin(), entries.end(),
        [&](const TemplateFileEntry &a, const TemplateFileEntry &b) { return key(a) < key(b); });
    return entries;
}
