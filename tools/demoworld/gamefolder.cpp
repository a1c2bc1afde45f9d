#include "gamefolder.h"

#include "core/campaign/gametextcodec.h"
#include "core/common/ansitext.h"
#include "core/format/chunkfile.h"
#include "core/format/chunknames.h"
#include "core/goods/goodstable.h"
#include "core/goods/shiptypetable.h"
#include "core/islands/insel.h"
#include "core/players/playerrecord.h"
#include "demorecords.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>

namespace {

// The game folder as the registry names it, and where Wine keeps drive C.
const QString kWindowsGameFolder = QStringLiteral("C:\\Programme\\Brim");
const QString kGameFolderInPrefix = QStringLiteral("drive_c/Programme/Brim");

// Template numbers of the installation; 65535 is the file without a number.
// The native variants have a few of them.
constexpr int kNumbers[] = {65535, 0, 1, 2, 7};
constexpr int kNativeNumbers[] = {65535, 1, 7};

// The folders are spelled in other letter case than the program asks for
// ("nord", "sued", "nordnat"), as an installer on Windows may leave them,
// and the southern templates are in capitals.
QString folderOnDisk(int climate, bool native)
{
    if (native)
        return climate == 0 ? QStringLiteral("NordNat") : QStringLiteral("suednat");
    static const QString names[] = {QStringLiteral("Nord"), QStringLiteral("SUED"),
                                    QStringLiteral("noklima")};
    return names[climate];
}

QString fileOnDisk(const TemplateId &id)
{
    const QString relative = Insel::templateFile(id.climate, id.sizeClass, id.native, id.number);
    QString file = relative.section(QLatin1Char('\\'), -1);
    if (id.climate == 1 && !id.native)
        file = file.toUpper();
    return folderOnDisk(id.climate, id.native) + QLatin1Char('/') + file;
}

quint64 templateSeed(const TemplateId &id)
{
    quint64 seed = MixSeed(0x5C9, quint64(id.climate));
    seed = MixSeed(seed, quint64(id.sizeClass));
    seed = MixSeed(seed, id.native ? 1 : 0);
    return MixSeed(seed, quint64(id.number));
}

bool writeFile(const QString &path, const QByteArray &bytes, QString &error)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

// A template file: the island record without owner and position, then its
// ground layer.
QByteArray templateBytes(const TemplateId &id)
{
    const IslandShape shape = TemplateShape(id);
    demo::IslandFields f;
    f.width = shape.width();
    f.height = shape.height();
    f.templateNumber = id.number;
    f.sizeClass = id.sizeClass;
    f.climate = id.climate;
    const QByteArray ground = shape.groundLayer();

    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    ChunkWriter writer(buffer);
    const QByteArray record = demo::IslandRecordBytes(f);
    writer.WriteChunkHeader(ChunkNames::Island, qint32(record.size()));
    writer.writeBytes(record.constData(), record.size());
    writer.WriteChunkHeader(ChunkNames::IslandLayer, qint32(ground.size()));
    writer.writeBytes(ground.constData(), ground.size());
    return out;
}

// Five lines per campaign: title, scope, description, difficulty and the
// stem of its scenario files.
const QStringList &campaignLines()
{
    static const QStringList lines = {
        QStringLiteral("Die Entdeckung der Inselwelt"),
        QStringLiteral("Drei Szenarien für den Einstieg"),
        QStringLiteral("Segeln Sie mit Ihrer ersten Flotte in unbekannte Gewässer und gründen "
                       "Sie eine Siedlung."),
        QStringLiteral("Schwierigkeit: leicht"),
        QStringLiteral("kamp00"),
        QStringLiteral("Das Rumo-Abenteuer"),
        QStringLiteral("Vier Szenarien im Süden"),
        QStringLiteral("Handel, Diplomatie und Kampf: Behaupten Sie sich gegen die Piraten der "
                       "Südsee."),
        QStringLiteral("Schwierigkeit: mittel"),
        QStringLiteral("kamp01"),
        QStringLiteral("Der Handelskrieg"),
        QStringLiteral("Zwei Szenarien gegen drei Gegner"),
        QStringLiteral("Ein Monopol auf Tabak und Gewürze entscheidet über Reichtum oder "
                       "Untergang."),
        QStringLiteral("Schwierigkeit: schwer"),
        QStringLiteral("kamp02"),
        QStringLiteral("Die Gunst der Königin"),
        QStringLiteral("Fünf Szenarien für Kenner"),
        QStringLiteral("Errichten Sie eine Kathedrale, bevor Ihre Nachbarn es tun, und gewinnen "
                       "Sie die Gunst der Krone."),
        QStringLiteral("Schwierigkeit: sehr schwer"),
        QStringLiteral("kamp03"),
    };
    return lines;
}

// The game's text file with a few sections around the campaign list,
// encoded as the game stores it.
QByteArray textFileBytes()
{
    QStringList lines = {
        QStringLiteral("; Brim - Texte"),
        QStringLiteral("[TEXTE]"),
        QStringLiteral("Willkommen auf den Inseln von Brim!"),
        QStringLiteral("Das Spiel wurde gespeichert."),
        QStringLiteral("Nicht genügend Baumaterial."),
        QStringLiteral("Ihre Schatzkammer ist leer."),
        QStringLiteral("Ein Sturm zieht auf – bringen Sie Ihre Schiffe in den Hafen."),
        QStringLiteral("Die Steuern bringen 120 € Gewinn."),
        QStringLiteral("[END]"),
        QStringLiteral("[WAREN]"),
    };
    for (int i = GoodsTable::FirstGoods; i <= GoodsTable::LastGoods; ++i)
        lines << GoodsTable::listName(i);
    lines << QStringLiteral("[END]") << QStringLiteral("[KAMPAGNE]") << campaignLines()
          << QStringLiteral("[END]") << QStringLiteral("[SCHIFFE]");
    for (int t = 0; t < ShipTypeTable::Count; ++t)
        lines << ShipTypeTable::Row(t).name;
    lines << QStringLiteral("[END]") << QStringLiteral("[SPIELER]");
    for (int c = 0; c < PlayerColour::Count; ++c)
        lines << PlayerColour::Name(c);
    lines << QStringLiteral("[END]");

    QByteArray text;
    for (const QString &line : lines)
        text += ansi::fromUnicode(line) + "\r\n";
    GameTextCodec::code(text.data(), text.size());
    return text;
}

QByteArray registryBytes()
{
    // Wine doubles every backslash in key names and string values.
    QString folder = kWindowsGameFolder;
    folder.replace(QLatin1String("\\"), QLatin1String("\\\\"));
    return "WINE REGISTRY Version 2\n"
           ";; All keys relative to \\\\Machine\n"
           "\n"
           "#arch=win32\n"
           "\n"
           "[Software\\\\Classes\\\\.szs] 1700000000\n"
           "#time=1d9c3a1b2c3d4e5\n"
           "@=\"Brim.Szenario\"\n"
           "\n"
           "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\Brim.EXE] "
           "1700000000\n"
           "#time=1d9c3a1b2c3d4e5\n"
           "@=\"" +
           folder.toLatin1() + "\\\\Brim.exe\"\n\"Path\"=\"" + folder.toLatin1() + "\"\n\n";
}

} // namespace

IslandShape TemplateShape(const TemplateId &id)
{
    return ShapeOfClass(id.sizeClass, templateSeed(id));
}

bool HasTemplate(const TemplateId &id)
{
    if (id.climate < 0 || id.climate >= Insel::Climates || id.sizeClass < 0 ||
        id.sizeClass >= Insel::SizeClasses)
        return false;
    if (id.native) {
        return id.climate < 2 && std::find(std::begin(kNativeNumbers), std::end(kNativeNumbers),
                                           id.number) != std::end(kNativeNumbers);
    }
    return std::find(std::begin(kNumbers), std::end(kNumbers), id.number) != std::end(kNumbers);
}

bool WriteGameInstallation(const QString &prefix, GameFolderInfo &info, QString &error)
{
    info.gameFolder = prefix + QLatin1Char('/') + kGameFolderInPrefix;
    if (!writeFile(prefix + QStringLiteral("/system.reg"), registryBytes(), error))
        return false;

    info.templates = 0;
    for (int climate = 0; climate < Insel::Climates; ++climate) {
        for (int native = 0; native <= 1; ++native) {
            for (int size = 0; size < Insel::SizeClasses; ++size) {
                for (int number : kNumbers) {
                    const TemplateId id{climate, size, native != 0, number};
                    if (!HasTemplate(id))
                        continue;
                    if (!writeFile(info.gameFolder + QLatin1Char('/') + fileOnDisk(id),
                                   templateBytes(id), error))
                        return false;
                    ++info.templates;
                }
            }
        }
    }

    info.campaigns = int(campaignLines().size() / 5);
    return writeFile(info.gameFolder + QStringLiteral("/Text.cod"), textFileBytes(), error);
}
