// marbolt-bigworld OUTDIR [--deer N] [--chunks N] [--tile-heavy]: writes a
// synthetic scenario far larger than the game's own, for measuring how the
// editor copes with big files, then loads it with the editor's core to prove
// that it reads back as intended. The last line of the output is the path of
// the file written.

#include "bigworld.h"
#include "core/document/rumoszen.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

namespace {

int fail(const QString &message)
{
    QTextStream(stderr) << "marbolt-bigworld: " << message << Qt::endl;
    return 1;
}

// The file name tells what the world holds, so several variants can share
// one folder.
QString fileNameOf(const BigWorldPlan &plan, bool tileHeavy)
{
    QString name = tileHeavy ? QStringLiteral("tileheavy") : QStringLiteral("bigworld");
    if (plan.deer > 0)
        name += QStringLiteral("-deer%1").arg(plan.deer);
    if (plan.unknownChunks > 0)
        name += QStringLiteral("-chunks%1").arg(plan.unknownChunks);
    return name + QStringLiteral(".szs");
}

QString verify(const QString &path, const BigWorldPlan &plan)
{
    // The islands store their own ground, so no game folder is needed.
    RumoSzen doc(QString(), nullptr);
    if (!doc.Load(path))
        return QStringLiteral("the core cannot load it");
    if (!doc.notices().isEmpty())
        return QStringLiteral("unexpected notices: ") + doc.notices().join(QStringLiteral(" | "));
    int islands = 0;
    int cities = 0;
    qint64 deer = 0;
    qint64 tiles = 0;
    for (const auto &island : doc.Islands()) {
        if (!island)
            continue;
        ++islands;
        deer += qint64(island->deer().size());
        for (const CityRecord &city : island->cities())
            cities += city ? 1 : 0;
        for (const auto &layer : island->layers())
            tiles += layer->tileCount();
    }
    auto differs = [](const char *what, qint64 got, qint64 want) {
        return QStringLiteral("%1 %2 instead of %3").arg(got).arg(QLatin1String(what)).arg(want);
    };
    if (islands != plan.islands)
        return differs("islands", islands, plan.islands);
    if (cities != plan.islands)
        return differs("cities", cities, plan.islands);
    if (tiles != qint64(plan.tilesPerIsland()) * plan.islands)
        return differs("tiles", tiles, qint64(plan.tilesPerIsland()) * plan.islands);
    if (deer != plan.deer)
        return differs("deer", deer, plan.deer);
    if (qint64(doc.Ships().size()) != plan.ships)
        return differs("ships and carts", qint64(doc.Ships().size()), plan.ships);
    qint64 fillers = 0;
    for (const ScenarioChunk &chunk : doc.chunks())
        fillers += chunk.name() == kFillerChunkName ? 1 : 0;
    if (fillers != plan.unknownChunks)
        return differs("unknown chunks", fillers, plan.unknownChunks);
    return {};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes a synthetic big scenario into OUTDIR: 120 islands of 60 x 40 tiles with a\n"
        "ground and a building layer, a city each and 2000 ships; with --tile-heavy 44\n"
        "islands of 125,000 tiles each instead."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("OUTDIR"), QStringLiteral("Folder to write to."));
    const QCommandLineOption deerOption(QStringLiteral("deer"),
                                        QStringLiteral("Deer records in all (default 0)."),
                                        QStringLiteral("N"));
    const QCommandLineOption chunksOption(
        QStringLiteral("chunks"),
        QStringLiteral("Small chunks of an unknown name before TIMERS (default 0)."),
        QStringLiteral("N"));
    const QCommandLineOption tileHeavyOption(QStringLiteral("tile-heavy"),
                                             QStringLiteral("44 islands of 125,000 tiles each."));
    parser.addOptions({deerOption, chunksOption, tileHeavyOption});
    parser.process(app);
    if (parser.positionalArguments().size() != 1) {
        QTextStream(stderr) << parser.helpText();
        return 2;
    }

    const bool tileHeavy = parser.isSet(tileHeavyOption);
    BigWorldPlan plan = tileHeavy ? BigWorldPlan::TileHeavy() : BigWorldPlan();
    bool ok = true;
    auto count = [&](const QCommandLineOption &option) {
        bool isNumber = true;
        const qint64 n = parser.isSet(option) ? parser.value(option).toLongLong(&isNumber) : 0;
        ok = ok && isNumber;
        return n;
    };
    plan.deer = count(deerOption);
    plan.unknownChunks = count(chunksOption);
    if (!ok)
        return fail(QStringLiteral("--deer and --chunks take a whole number"));
    if (const QString problem = plan.problem(); !problem.isEmpty())
        return fail(QStringLiteral("the file format allows only ") + problem);

    const QDir outDir(QDir(parser.positionalArguments()[0]).absolutePath());
    if (!QDir().mkpath(outDir.path()))
        return fail(QStringLiteral("cannot create %1").arg(outDir.path()));
    const QString path = outDir.filePath(fileNameOf(plan, tileHeavy));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !WriteBigWorld(plan, file) || !file.commit())
        return fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));

    if (const QString problem = verify(path, plan); !problem.isEmpty())
        return fail(path + QStringLiteral(": ") + problem);

    QTextStream out(stdout);
    out << plan.islands << " islands of " << plan.islandWidth << " x " << plan.islandHeight
        << " tiles (" << plan.tilesPerIsland() << " tiles each), " << plan.ships << " ships, "
        << plan.deer << " deer, " << plan.unknownChunks << " unknown chunks, "
        << QFileInfo(path).size() << " bytes; it loads.\n"
        << path << Qt::endl;
    return 0;
}
