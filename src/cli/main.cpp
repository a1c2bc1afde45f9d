// marbolt-cli: the scenario editor's load and save pipeline on the command
// line, for people who work with many scenarios.

#include "cli/scenariojson.h"
#include "core/campaign/gametextcodec.h"
#include "core/common/messages.h"
#include "core/document/rumoszen.h"
#include "core/game/gamepath.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonDocument>
#include <QTextStream>

namespace {

const char kDescription[] =
    "Inspects and rewrites scenario files of the game Brim (*.szs, *.szm, *.mfs, *.mfm, *.gam)\n"
    "exactly as Tobrel's Brim Marbolt reads and writes them. Island templates and the campaign\n"
    "list come from the game installation named in the Wine registry ($WINEPREFIX, default\n"
    "~/.wine).\n"
    "\n"
    "Commands:\n"
    "  resave IN OUT           Load IN and save it to OUT as the editor saves a scenario in\n"
    "                          which nothing was edited. Load notices go to stderr.\n"
    "  export-island IN N OUT  Write island number N of IN to OUT as an island template file,\n"
    "                          exactly as the editor's island export does (OUT is used as given).\n"
    "  dump IN                 Print the decoded scenario as JSON (keys: see README.md).\n"
    "  campaigns               Print the campaign list of the installed game's Text.cod.\n"
    "\n"
    "Exit status: 0 on success, 1 on failure, 2 on wrong usage.";

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

int usage(const QCommandLineParser &parser)
{
    err() << parser.helpText() << Qt::flush;
    return 2;
}

// Loads a scenario as the editor does; load notices go to stderr.
bool load(RumoSzen &doc, const QString &path)
{
    const bool ok = doc.Load(path);
    for (const QString &notice : doc.notices())
        err() << notice << '\n';
    if (!ok)
        err() << msg::readScenarioFailed() << '\n';
    err().flush();
    return ok;
}

int resave(const QString &in, const QString &target)
{
    RumoSzen doc;
    if (!load(doc, in))
        return 1;
    if (!doc.Save(target)) {
        err() << msg::saveFailed(doc.lastError()) << Qt::endl;
        return 1;
    }
    return 0;
}

int exportIsland(const QString &in, const QString &numberText, const QString &target)
{
    bool isNumber = false;
    const int number = numberText.toInt(&isNumber);
    RumoSzen doc;
    if (!load(doc, in))
        return 1;
    const Insel *island = isNumber ? doc.island(number) : nullptr;
    if (!island) {
        err() << msg::noSuchIsland(numberText) << Qt::endl;
        return 1;
    }
    if (!doc.ExportIsland(*island, target)) {
        err() << msg::saveFailed(doc.lastError()) << Qt::endl;
        return 1;
    }
    return 0;
}

int dump(const QString &in)
{
    RumoSzen doc;
    if (!load(doc, in))
        return 1;
    out() << QJsonDocument(ScenarioToJson(doc)).toJson(QJsonDocument::Indented) << Qt::flush;
    return 0;
}

int campaigns()
{
    QString message;
    const auto list = GameTextCodec::LoadCampaignList(GamePath(), &message);
    if (!list) {
        err() << message << Qt::endl;
        return 1;
    }
    // Five lines make one entry; lines after the last whole entry are listed
    // on their own, as the game keeps them.
    const qsizetype entries = list->size() / 5;
    for (qsizetype n = 0; n < entries; ++n) {
        out() << "Campaign " << n << '\n';
        for (int line = 0; line < 5; ++line)
            out() << "  " << line + 1 << ". " << list->at(5 * n + line) << '\n';
    }
    for (qsizetype i = entries * 5; i < list->size(); ++i)
        out() << "  (no entry) " << list->at(i) << '\n';
    out().flush();
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("marbolt-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(kDescription));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("resave, export-island, dump or campaigns"));
    parser.addPositionalArgument(QStringLiteral("arguments"),
                                 QStringLiteral("The command's arguments."),
                                 QStringLiteral("[...]"));
    parser.process(app);

    const QStringList args = parser.positionalArguments();
    const QString command = args.value(0);
    if (command == QLatin1String("resave") && args.size() == 3)
        return resave(args[1], args[2]);
    if (command == QLatin1String("export-island") && args.size() == 4)
        return exportIsland(args[1], args[2], args[3]);
    if (command == QLatin1String("dump") && args.size() == 2)
        return dump(args[1]);
    if (command == QLatin1String("campaigns") && args.size() == 1)
        return campaigns();
    return usage(parser);
}
