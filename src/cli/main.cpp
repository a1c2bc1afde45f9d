// marbolt-cli: the scenario editor's load and save pipeline on the command
// line, for people who work with many scenarios.

#include "cli/checkcommands.h"
#include "cli/scenariojson.h"
#include "core/campaign/gametextcodec.h"
#include "core/common/language.h"
#include "core/common/messages.h"
#include "core/document/rumoszen.h"
#include "core/game/gamepath.h"
#include "core/map/worldrenderer.h"
#include "marbolt_version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonDocument>
#include <QTextStream>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

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
    "  check IN [--json]       Report what the records of IN show to be inconsistent, one\n"
    "                          finding a line.\n"
    "  diff A B [--json]       Print what differs between two scenarios, one change a line.\n"
    "  render IN OUT.png [--scale N]\n"
    "                          Write the world of IN as the editor's map shows it (without a\n"
    "                          selection) as a PNG picture, N pixels a tile (1 to 8, default\n"
    "                          1): 512*N x 352*N pixels. Exit status 2 when IN cannot be read.\n"
    "  import-island FILE TEMPLATE X Y [-o OUT]\n"
    "                          Insert the island of the template file TEMPLATE (*.scp) into\n"
    "                          FILE with its top-left corner at world tile X, Y (from 0), as\n"
    "                          an island of its own under the lowest free number. A place\n"
    "                          outside the world or on another island is refused.\n"
    "  delete-island FILE N [-o OUT]\n"
    "                          Delete island number N of FILE, also one the game builds from\n"
    "                          a template reference. An island with cities is refused.\n"
    "                          Both save to OUT, or to FILE itself without -o; a refused\n"
    "                          command writes nothing.\n"
    "\n"
    "Errors go to stderr, one a line: the program's sentence, the file and the reason.\n"
    "Exit status of check and diff, as with diff(1): 0 nothing found (information only)\n"
    "or the same, 1 warnings or errors found or the scenarios differ, 2 trouble: wrong\n"
    "usage, a file that cannot be read, or standard output that cannot be written.\n"
    "Exit status of the other commands: 0 on success, 1 on failure (also when standard\n"
    "output cannot be written), 2 on wrong usage.";

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

// Wrong usage: one line saying what is wrong, one pointing to the help.
int wrongUsage(const QString &problem)
{
    err() << "marbolt-cli: " << problem << "\nTry 'marbolt-cli --help' for more information."
          << Qt::endl;
    return 2;
}

// A failure: the program's sentence, then the file it concerns and, when
// known, the reason (the system's or the program's), on one line.
int failure(const QString &sentence, const QString &file, const QString &reason = QString())
{
    err() << sentence;
    if (!file.isEmpty())
        err() << ' ' << file;
    if (!reason.isEmpty())
        err() << ": " << reason;
    err() << Qt::endl;
    return 1;
}

// Loads a scenario as the editor does; load notices go to stderr.
bool load(RumoSzen &doc, const QString &path)
{
    const auto loaded = doc.Load(path);
    for (const QString &notice : doc.notices())
        err() << notice << '\n';
    err().flush();
    if (!loaded)
        failure(msg::readScenarioFailed(), path, loaded.error());
    return loaded.ok();
}

int resave(const QString &in, const QString &target)
{
    RumoSzen doc;
    if (!load(doc, in))
        return 1;
    if (const Result<void> saved = doc.Save(target); !saved)
        return failure(msg::saveFailed(), target, saved.error());
    return 0;
}

// Island numbers are one byte in the file.
std::optional<int> islandNumber(const QString &text)
{
    if (text.isEmpty() || text.size() > 3)
        return std::nullopt;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    const int number = text.toInt();
    return number <= 255 ? std::optional<int>(number) : std::nullopt;
}

int exportIsland(const QString &in, int number, const QString &target)
{
    RumoSzen doc;
    if (!load(doc, in))
        return 1;
    const Insel *island = doc.island(number);
    if (!island)
        return failure(msg::noSuchIsland(QString::number(number)), in);
    if (const Result<void> exported = doc.exportIsland(*island, target); !exported)
        return failure(msg::saveFailed(), target, exported.error());
    return 0;
}

// Saves the edited scenario to `target` through the atomic save.
int saveTo(RumoSzen &doc, const QString &target)
{
    if (const Result<void> saved = doc.Save(target); !saved)
        return failure(msg::saveFailed(), target, saved.error());
    return 0;
}

int importIsland(const QString &file, const QString &templatePath, int x, int y,
                 const QString &target)
{
    RumoSzen doc;
    if (!load(doc, file))
        return 1;
    QString why;
    std::unique_ptr<Insel> island = Insel::fromTemplateFile(templatePath, &why);
    if (!island) {
        err() << why << Qt::endl;
        return 1;
    }
    if (!doc.freeIslandNumber())
        return failure(msg::noFreeIslandNumber(), file);
    why = doc.whyNotPlace(*island, x, y);
    if (!why.isEmpty()) {
        err() << why << Qt::endl;
        return 1;
    }
    if (!doc.insertIsland(std::move(island), x, y))
        return failure(msg::unexpectedError(QString()), file);
    return saveTo(doc, target);
}

int deleteIsland(const QString &file, int number, const QString &target)
{
    RumoSzen doc;
    if (!load(doc, file))
        return 1;
    Insel *island = doc.island(number);
    if (!island)
        return failure(msg::noSuchIsland(QString::number(number)), file);
    if (!doc.canDeleteIsland(*island)) {
        // The cities read for the island, else the slots its record gives
        // an owner.
        QStringList cities;
        for (const CityRecord &city : island->cities()) {
            if (city)
                cities << city.name();
        }
        for (int slot = 0; cities.isEmpty() && slot < IslandRecord::NoOwner; ++slot) {
            if (island->record().cityOwner(slot) < IslandRecord::NoOwner)
                cities << msg::citySlot(slot);
        }
        err() << msg::islandHasCities(number, cities) << Qt::endl;
        return 1;
    }
    if (!doc.deleteIsland(*island))
        return failure(msg::unexpectedError(QString()), file);
    return saveTo(doc, target);
}

// A tile position as given on the command line: decimal digits only.
std::optional<int> tilePosition(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    const bool digits =
        std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    return ok && digits ? std::optional<int>(value) : std::nullopt;
}

int dump(const QString &in)
{
    RumoSzen doc;
    if (!load(doc, in))
        return 1;
    writeScenarioJson(doc, out());
    return 0;
}

// The pixels a tile of `render`: a whole number from 1 to 8.
std::optional<int> scaleOf(const QString &text)
{
    const int digit = text.size() == 1 ? text[0].unicode() - u'0' : -1;
    if (digit < World::MinScale || digit > World::MaxScale)
        return std::nullopt;
    return digit;
}

// An unreadable scenario is wrong input here, as for diff: exit status 2.
int render(const QString &in, const QString &target, int scale)
{
    RumoSzen doc;
    if (!load(doc, in))
        return 2;
    if (const Result<void> saved = saveWorldImage(doc, scale, target); !saved)
        return failure(msg::saveFailed(), target, saved.error());
    return 0;
}

int campaigns()
{
    // Without a game folder there is no Text.cod to name.
    if (GamePath().isEmpty())
        return failure(msg::gameNotFound(), winePrefix(), gamePathMessage());
    const Result<QStringList> list = GameTextCodec::loadCampaignList(GamePath());
    if (!list) {
        err() << list.error() << Qt::endl;
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
    return 0;
}

// import-island and delete-island: their arguments checked, then the edit.
int editIsland(const QStringList &args, const std::optional<QString> &output)
{
    const qsizetype given = args.size() - 1;
    if (output && output->isEmpty())
        return wrongUsage(QStringLiteral("-o needs a file name"));
    const QString file = args.value(1);
    const QString target = output.value_or(file);
    if (args[0] == u"import-island") {
        if (given != 4)
            return wrongUsage(
                QStringLiteral("usage: marbolt-cli import-island FILE TEMPLATE X Y [-o OUT]"));
        const std::optional<int> x = tilePosition(args[3]);
        const std::optional<int> y = tilePosition(args[4]);
        if (!x || !y)
            return wrongUsage(QStringLiteral("X and Y must be tile numbers from 0, not '%1' '%2'")
                                  .arg(args[3], args[4]));
        return importIsland(file, args[2], *x, *y, target);
    }
    if (given != 2)
        return wrongUsage(QStringLiteral("usage: marbolt-cli delete-island FILE N [-o OUT]"));
    const std::optional<int> number = islandNumber(args[2]);
    if (!number)
        return wrongUsage(
            QStringLiteral("the island number must be a number from 0 to 255, not '%1'")
                .arg(args[2]));
    return deleteIsland(file, *number, target);
}

// The command and its arguments, as given after the options; `scale` and
// `output` are the values of --scale and -o when they were given.
int run(const QStringList &args, bool json, const std::optional<QString> &scale,
        const std::optional<QString> &output)
{
    const QString command = args.value(0);
    const qsizetype given = args.size() - 1;
    if (command.isEmpty())
        return wrongUsage(QStringLiteral("no command given"));
    if (scale && command != u"render")
        return wrongUsage(QStringLiteral("--scale belongs to render"));
    if (command == u"import-island" || command == u"delete-island") {
        if (json)
            return wrongUsage(QStringLiteral("--json belongs to check and diff"));
        return editIsland(args, output);
    }
    if (output)
        return wrongUsage(QStringLiteral("-o belongs to import-island and delete-island"));
    if (command == u"check")
        return given == 1 ? runCheck(args[1], json, out(), err())
                          : wrongUsage(QStringLiteral("usage: marbolt-cli check IN [--json]"));
    if (command == u"diff")
        return given == 2 ? runDiff(args[1], args[2], json, out(), err())
                          : wrongUsage(QStringLiteral("usage: marbolt-cli diff A B [--json]"));
    if (json)
        return wrongUsage(QStringLiteral("--json belongs to check and diff"));
    if (command == u"render") {
        const QString usage = QStringLiteral("usage: marbolt-cli render IN OUT.png [--scale N]");
        if (given != 2)
            return wrongUsage(usage);
        const std::optional<int> n = scale ? scaleOf(*scale) : 1;
        if (!n)
            return wrongUsage(
                QStringLiteral("the scale must be a number from 1 to 8, not '%1' (%2)")
                    .arg(*scale, usage));
        return render(args[1], args[2], *n);
    }
    if (command == u"resave")
        return given == 2 ? resave(args[1], args[2])
                          : wrongUsage(QStringLiteral("usage: marbolt-cli resave IN OUT"));
    if (command == u"export-island") {
        if (given != 3)
            return wrongUsage(QStringLiteral("usage: marbolt-cli export-island IN N OUT"));
        const std::optional<int> number = islandNumber(args[2]);
        if (!number)
            return wrongUsage(
                QStringLiteral("the island number must be a number from 0 to 255, not '%1'")
                    .arg(args[2]));
        return exportIsland(args[1], *number, args[3]);
    }
    if (command == u"dump")
        return given == 1 ? dump(args[1])
                          : wrongUsage(QStringLiteral("usage: marbolt-cli dump IN"));
    if (command == u"campaigns")
        return given == 0 ? campaigns()
                          : wrongUsage(QStringLiteral("usage: marbolt-cli campaigns"));
    return wrongUsage(QStringLiteral("unknown command '%1'").arg(command));
}

// What went to standard output must have arrived: a full disk turns success
// into `failed`.
int finishOutput(int status, int failed = 1)
{
    out().flush();
    QString reason;
    if (out().status() != QTextStream::Ok)
        reason = out().device()->errorString();
    else if (std::fflush(stdout) != 0 || std::ferror(stdout))
        reason = QString::fromLocal8Bit(std::strerror(errno));
    if (reason.isNull())
        return status;
    err() << "marbolt-cli: cannot write to standard output: " << reason << Qt::endl;
    return failed;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("marbolt-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MARBOLT_VERSION));
    // Its sentences speak the desktop's language: English under an English
    // one, German otherwise, as the editor does. The help, the usage errors
    // and the campaign list's headings are English in every language.
    language::applyToCommandLine(language::Choice::System);

    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(kDescription));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("command"),
        QStringLiteral("resave, export-island, import-island, delete-island, dump, campaigns, "
                       "check, diff or render"));
    parser.addPositionalArgument(QStringLiteral("arguments"),
                                 QStringLiteral("The command's arguments."),
                                 QStringLiteral("[...]"));
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("check, diff: print a JSON array for tools."));
    parser.addOption(json);
    const QCommandLineOption scale(QStringLiteral("scale"),
                                   QStringLiteral("render: pixels a tile, 1 to 8 (default 1)."),
                                   QStringLiteral("N"));
    parser.addOption(scale);
    const QCommandLineOption output(
        QStringLiteral("o"),
        QStringLiteral("import-island, delete-island: save to OUT instead of FILE."),
        QStringLiteral("OUT"));
    parser.addOption(output);
    // Parsed by hand rather than with process(), so that wrong usage gets
    // the same short answer and exit status everywhere, and help and
    // version go through the checked standard output.
    if (!parser.parse(app.arguments()))
        return wrongUsage(parser.errorText());
    if (parser.isSet(help)) {
        out() << parser.helpText();
        return finishOutput(0);
    }
    if (parser.isSet(version)) {
        out() << "marbolt-cli " << MARBOLT_VERSION << '\n';
        return finishOutput(0);
    }
    const QStringList args = parser.positionalArguments();
    // check and diff tell trouble from findings, as diff(1) does.
    const bool comparing = args.value(0) == u"check" || args.value(0) == u"diff";
    const auto valueOf = [&parser](const QCommandLineOption &option) {
        return parser.isSet(option) ? std::optional(parser.value(option)) : std::nullopt;
    };
    return finishOutput(run(args, parser.isSet(json), valueOf(scale), valueOf(output)),
                        comparing ? ExitTrouble : 1);
}
