// marbolt-demo OUTDIR: writes a demo game installation (a Wine prefix with
// island templates and the game's text file) and five demo scenarios, then
// loads every scenario with the editor's core to prove that they read back
// as intended.

#include "core/campaign/gametextcodec.h"
#include "core/common/world.h"
#include "core/document/rumoszen.h"
#include "core/game/gamepath.h"
#include "gamefolder.h"
#include "marbolt_version.h"
#include "scenarios.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace {

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

int wrongUsage(const QString &problem)
{
    QTextStream(stderr) << "marbolt-demo: " << problem
                        << "\nTry 'marbolt-demo --help' for more information." << Qt::endl;
    return 2;
}

int fail(const QString &message)
{
    QTextStream(stderr) << "marbolt-demo: " << message << Qt::endl;
    return 1;
}

struct Loaded {
    int islands = 0;
    int cities = 0;
    int tradingPosts = 0;
};

Loaded count(const RumoSzen &doc)
{
    Loaded n;
    for (const auto &island : doc.Islands()) {
        if (!island)
            continue;
        ++n.islands;
        for (const CityRecord &city : island->cities())
            n.cities += city ? 1 : 0;
        n.tradingPosts += int(island->tradingPosts().size());
    }
    return n;
}

// Islands must lie inside the world and apart from each other.
QString layoutProblem(const RumoSzen &doc)
{
    std::vector<TileRect> placed;
    for (const auto &island : doc.Islands()) {
        if (!island)
            continue;
        const TileRect b = *island->GetBounds();
        if (b.left < 0 || b.top < 0 || b.right > World::Width || b.bottom > World::Height)
            return QStringLiteral("%1 lies outside the world").arg(island->GetName());
        for (const TileRect &other : placed) {
            if (b.overlaps(other))
                return QStringLiteral("%1 overlaps another island").arg(island->GetName());
        }
        placed.push_back(b);
    }
    return {};
}

// Loads a written scenario and compares it with what was meant to be in it.
QString verify(const QString &gamePath, const QString &path, const DemoScenario &s)
{
    RumoSzen doc(gamePath, nullptr);
    if (!doc.Load(path))
        return QStringLiteral("the core cannot load it");
    const QStringList expectedNotices =
        s.nativeReference ? QStringList{QStringLiteral("nativflg!")} : QStringList();
    if (doc.notices() != expectedNotices)
        return QStringLiteral("unexpected notices: ") + doc.notices().join(QStringLiteral(" | "));
    const Loaded n = count(doc);
    auto differs = [](const char *what, int got, int want) {
        return QStringLiteral("%1 %2 instead of %3").arg(got).arg(QLatin1String(what)).arg(want);
    };
    if (n.islands != s.islands)
        return differs("islands", n.islands, s.islands);
    if (n.cities != s.cities)
        return differs("cities", n.cities, s.cities);
    if (n.tradingPosts != s.tradingPosts)
        return differs("trading posts", n.tradingPosts, s.tradingPosts);
    if (int(doc.Ships().size()) != s.vehicles)
        return differs("ships and carts", int(doc.Ships().size()), s.vehicles);
    if (doc.missions().usedCount() != s.missions)
        return differs("missions", doc.missions().usedCount(), s.missions);
    if (doc.CampaignNumber() != s.campaign)
        return differs("as campaign number", doc.CampaignNumber(), s.campaign);
    if (doc.scenarioName() != s.savegameName)
        return QStringLiteral("scenario name \"%1\"").arg(doc.scenarioName());
    return layoutProblem(doc);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("marbolt-demo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MARBOLT_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes OUTDIR/wine (a Wine prefix with the demo game installation) and\n"
        "OUTDIR/Szenarien (demo scenarios of all five kinds), then checks that every\n"
        "scenario loads as intended. Other files in OUTDIR are left alone."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("OUTDIR"),
                                 QStringLiteral("The folder to write the demo world into."));
    // A mistyped option must not become the name of a folder to write into.
    const QStringList args =
        parser.parse(app.arguments()) ? parser.positionalArguments() : QStringList();
    if (!parser.errorText().isEmpty())
        return wrongUsage(parser.errorText());
    if (parser.isSet(help)) {
        out() << parser.helpText() << Qt::flush;
        return 0;
    }
    if (parser.isSet(version)) {
        out() << "marbolt-demo " << MARBOLT_VERSION << Qt::endl;
        return 0;
    }
    if (args.size() != 1)
        return wrongUsage(QStringLiteral("exactly one OUTDIR is needed"));
    if (args[0] == u"-")
        return wrongUsage(QStringLiteral("Unknown option '-'."));

    const QDir outDir{QDir(args[0]).absolutePath()};
    const QString prefix = outDir.filePath(QStringLiteral("wine"));
    const QString scenarioDir = outDir.filePath(QStringLiteral("Szenarien"));
    // Only what this program writes is replaced; the rest of OUTDIR stays.
    for (const QString &dir : {prefix, scenarioDir}) {
        if (QFileInfo::exists(dir) && !QDir(dir).removeRecursively())
            return fail(QStringLiteral("cannot remove %1").arg(dir));
    }
    if (!QDir().mkpath(scenarioDir))
        return fail(QStringLiteral("cannot create %1").arg(scenarioDir));

    GameFolderInfo game;
    QString error;
    if (!WriteGameInstallation(prefix, game, error))
        return fail(error);
    std::vector<DemoScenario> scenarios;
    if (!BuildDemoScenarios(scenarios, error))
        return fail(error);
    for (const DemoScenario &s : scenarios) {
        if (!writeFile(QDir(scenarioDir).filePath(s.fileName), s.bytes))
            return fail(QStringLiteral("cannot write %1").arg(s.fileName));
    }

    // Read everything back the way the editor does: the game folder through
    // the prefix's registry, the scenarios through the core.
    const QString gamePath = findGamePath(prefix);
    if (gamePath.isEmpty() ||
        QFileInfo(gamePath).canonicalFilePath() != QFileInfo(game.gameFolder).canonicalFilePath())
        return fail(
            QStringLiteral("the registry in %1 does not lead to the game folder").arg(prefix));
    const Result<QStringList> campaigns = GameTextCodec::loadCampaignList(gamePath);
    if (!campaigns || campaigns->size() != game.campaigns * 5)
        return fail(QStringLiteral("the campaign list of Text.cod does not read back: ") +
                    campaigns.error());
    for (const DemoScenario &s : scenarios) {
        const QString problem = verify(gamePath, QDir(scenarioDir).filePath(s.fileName), s);
        if (!problem.isEmpty())
            return fail(s.fileName + QStringLiteral(": ") + problem);
    }

    out() << "Demo world written to " << outDir.path() << "\n"
          << "  wine/ game folder " << game.gameFolder << "\n"
          << "        " << game.templates << " island templates, Text.cod with " << game.campaigns
          << " campaigns\n";
    for (const DemoScenario &s : scenarios) {
        out() << "  Szenarien/" << s.fileName << ": " << s.islands << " islands (" << s.references
              << " from templates), " << s.cities << " cities, " << s.vehicles
              << " ships and carts, " << s.missions << " missions";
        if (s.campaign >= 0)
            out() << ", campaign " << s.campaign;
        if (!s.savegameName.isEmpty())
            out() << ", savegame of \"" << s.savegameName << "\"";
        out() << "\n";
    }
    out() << "All scenarios load. Start the editor with WINEPREFIX=" << prefix << Qt::endl;
    return 0;
}
