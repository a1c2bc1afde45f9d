// Writes the starting corpus of the fuzz target: scenario files made by the
// test builder, from the smallest valid file to one with every chunk kind,
// and scenarios that bring island templates of their own (fuzzinput.h).

#include "fuzzinput.h"
#include "support/scenariobuilder.h"

#include <QDir>
#include <QFile>
#include <cstdio>

using namespace scenario;

namespace {

// A template part of a fuzz input: separator, selector, template file.
QByteArray templatePart(int climate, int size, bool native, int numberIndex, const QByteArray &file)
{
    return fuzzinput::Separator.toByteArray() +
           fuzzinput::selectorOf(climate, size, native, numberIndex) + file;
}

// The game's text file with a campaign section, coded as the game stores it.
QByteArray textFilePart()
{
    QByteArray text = "Brim\r\n[KAMPAGNE]\r\nRumo Abenteuer\r\nInseln im Nebel\r\n[END]\r\n"
                      "[TEXTE]\r\nWillkommen\r\n";
    for (char &c : text)
        c = char(uchar(0u - uchar(c)));
    return fuzzinput::Separator.toByteArray() + fuzzinput::TextFileSelector + text;
}

// A Wine registry naming the game folder, after the file name to look up.
QByteArray registryPart()
{
    return fuzzinput::Separator.toByteArray() + fuzzinput::RegistrySelector +
           "NORD\\lit.SCP\n"
           "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win64\n\n"
           "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\Brim.EXE] "
           "1700000000\n#time=1d9c3a1b2c3d4e5\n@=\"C:\\\\Games\\\\Brim\\\\Brim.exe\"\n"
           "\"Path\"=\"C:\\\\games\\\\brim\"\n\n";
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds DIR\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(dir.path());

    IslandSpec own;
    own.number = 1;
    own.x = 20;
    own.y = 30;
    own.width = 12;
    own.height = 10;
    own.cityOwners = {0, 7, 7, 7, 7, 7, 7, 7};
    IslandSpec fromTemplate = own;
    fromTemplate.number = 2;
    fromTemplate.x = 60;
    fromTemplate.ownGround = 0;
    const QByteArray houses = tile(501, 2, 2, true, 0, 0) + tile(1110, 5, 3, false, 0, 0);
    ReferenceSpec reference;
    reference.number = 3;
    reference.x = 200;
    reference.y = 100;
    ReferenceSpec native = reference;
    native.number = 4;
    native.native = true;
    native.climate = 1;
    native.sizeClass = 2;
    native.templateNumber = 1;
    native.y = 200;

    // The rich scenario with the two templates it needs, carried in the
    // input: "sued\med07.scp" and "nord\mit.scp".
    const RichScenario rich = richScenario();
    QByteArray richWithTemplates = rich.file;
    for (const auto &[path, bytes] : rich.templates) {
        const bool south = path.startsWith(QLatin1String("sued"));
        richWithTemplates +=
            south ? templatePart(1, 2, false, 2, bytes) : templatePart(0, 1, false, 0, bytes);
    }

    // Templates of other shapes: an older record chunk, two records, a
    // building layer after the ground, a payload cut short.
    IslandSpec shape;
    shape.number = 0;
    shape.width = 14;
    shape.height = 9;
    const QByteArray ground = tile(1, 0, 0) + tile(2, 13, 8) + tile(501, 4, 4, false, 0, 1);
    const QByteArray templated =
        ScenarioBuilder()
            .chunk("SZENE", szene({islandReference(reference), islandReference(native)}))
            .chunk("INSEL5", islandRecord(fromTemplate))
            .chunk("INSELHAUS", {})
            .chunk("INSELHAUS", houses)
            .chunk("STADT4", city(2, 0, 0, "Nebel"))
            .chunk("TIMERS", settings())
            .bytes() +
        templatePart(0, 0, false, 0,
                     templateFile(islandRecord(shape), {ground, houses}, "INSEL4")) +
        templatePart(1, 2, true, 1,
                     templateFile(islandRecord(shape), {ground}, "INSEL3") +
                         chunk("INSEL5", islandRecord(own))) +
        templatePart(0, 0, false, 1, templateFile(islandRecord(shape), {ground}).chopped(5));

    const QList<std::pair<const char *, QByteArray>> seeds = {
        {"minimal", minimalScenario()},
        {"text-file", minimalScenario() + textFilePart()},
        {"registry", minimalScenario() + registryPart()},
        {"rich", rich.file},
        {"rich-templates", richWithTemplates},
        {"templated", templated},
        {"islands", ScenarioBuilder()
                        .chunk("SZENE", szene({islandReference(reference)}))
                        .chunk("INSEL5", islandRecord(own))
                        .chunk("INSELHAUS", tile(1, 0, 0) + tile(1201, 1, 0))
                        .chunk("INSELHAUS", houses)
                        .chunk("HIRSCH2", deer(1) + deer(1))
                        .chunk("STADT4", city(1, 0, 0, "Hafen"))
                        .chunk("KONTOR2", tradingPost(1, 0, {32, 64}))
                        .chunk("INSEL_MAXFUN", oldIslandRecord(fromTemplate))
                        .chunk("INSELHAUS", {})
                        .chunk("INSELHAUS", houses)
                        .chunk("PLAYER4", players())
                        .chunk("SHIP4", ship("Anna", 40, 40) + ship("Karl", 90, 60, 37, 5, 1))
                        .chunk("AUFTRAG4", mission(0, "Baue eine Stadt."))
                        .chunk("TIMERS", settings())
                        .bytes()},
    };
    for (const auto &[name, bytes] : seeds) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return 1;
    }
    return 0;
}
