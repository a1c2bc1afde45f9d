// Writes the starting corpus of the fuzz target: scenario files made by the
// test builder, from the smallest valid file to one with every chunk kind.

#include "support/scenariobuilder.h"

#include <QDir>
#include <QFile>
#include <cstdio>

using namespace scenario;

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

    const QList<std::pair<const char *, QByteArray>> seeds = {
        {"minimal", minimalScenario()},
        {"rich", richScenario().file},
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
