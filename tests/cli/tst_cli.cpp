#include "core/campaign/gametextcodec.h"
#include "core/common/bytes.h"
#include "core/common/checkmessages.h"
#include "core/common/language.h"
#include "core/common/messages.h"
#include "core/document/rumoszen.h"
#include "core/map/worldrenderer.h"
#include "marbolt_version.h"
#include "support/documentio.h"
#include "support/gameinstallation.h"
#include "support/hostilefiles.h"
#include "support/scenariobuilder.h"
#include "support/tempfiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace scenario;

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

// Runs marbolt-cli with the temporary game installation as its Wine prefix;
// standard output goes to `stdoutFile` when one is named. A `lang` given
// is the desktop's only language setting.
Run cli(const TempGameInstallation &game, const QStringList &args,
        const QString &stdoutFile = QString(), const QString &lang = QString())
{
    QProcess process;
    if (!stdoutFile.isEmpty())
        process.setStandardOutputFile(stdoutFile);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("WINEPREFIX"), game.prefix());
    if (!lang.isEmpty()) {
        for (const char *variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            env.remove(QString::fromLatin1(variable));
        env.insert(QStringLiteral("LANG"), lang);
    }
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(MARBOLT_CLI_BIN), args);
    process.waitForFinished(30000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), QString::fromUtf8(process.readAllStandardError())};
}

// Every key of a JSON value with its path, array elements under "[]".
void collectKeys(const QJsonValue &value, const QString &path, QSet<QString> &keys)
{
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            keys.insert(path + QLatin1Char('/') + it.key());
            collectKeys(it.value(), path + QLatin1Char('/') + it.key(), keys);
        }
    } else if (value.isArray()) {
        for (const QJsonValue &element : value.toArray())
            collectKeys(element, path + QStringLiteral("[]"), keys);
    }
}

QByteArray encoded(QByteArray text)
{
    GameTextCodec::code(text.data(), text.size());
    return text;
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT

private slots:
    void init();
    void resaveWritesWhatTheEditorWrites();
    void resaveFailures();
    void exportIsland();
    void importAndDeleteIsland_data();
    void importAndDeleteIsland();
    void dumpDescribesTheScenario();
    void campaigns();
    void wrongUsageExitsTwo_data();
    void wrongUsageExitsTwo();
    void failedWriteToStandardOutputFails();
    void checkAndDiffExitCodes();
    void renderDrawsTheMapWithoutSelection_data();
    void renderDrawsTheMapWithoutSelection();
    void renderFailures();
    void exitCodesFollowDiff_data();
    void exitCodesFollowDiff();
    void nonRegularPathRefused_data();
    void nonRegularPathRefused();
    void dumpStreams();
    void sentencesFollowTheDesktopLanguage_data();
    void sentencesFollowTheDesktopLanguage();

private:
    std::unique_ptr<TempGameInstallation> game_;
    std::unique_ptr<QTemporaryDir> dir_;
    RichScenario rich_;
    QString in_;
};

void TestCli::init()
{
    game_ = std::make_unique<TempGameInstallation>();
    dir_ = std::make_unique<QTemporaryDir>();
    rich_ = richScenario();
    rich_.install(*game_);
    in_ = dir_->filePath(QStringLiteral("rich.gam"));
    testfiles::write(in_, rich_.file);
}

void TestCli::resaveWritesWhatTheEditorWrites()
{
    const QString out = dir_->filePath(QStringLiteral("copy.szs"));
    const Run run = cli(*game_, {QStringLiteral("resave"), in_, out});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QString());
    QCOMPARE(testfiles::read(out), rich_.saved);
}

void TestCli::resaveFailures()
{
    // A file without TIMERS fails to load; nothing is created.
    const QString broken = dir_->filePath(QStringLiteral("broken.szs"));
    testfiles::write(broken, chunk("CUSTOM", "x"));
    const QString out = dir_->filePath(QStringLiteral("out.szs"));
    Run run = cli(*game_, {QStringLiteral("resave"), broken, out});
    QCOMPARE(run.exitCode, 1);
    // Every error is one line: the sentence, the file, the reason.
    const auto line = [](const QString &sentence, const QString &file, const QString &reason) {
        return sentence + QLatin1Char(' ') + file + QStringLiteral(": ") + reason +
               QLatin1Char('\n');
    };
    QCOMPARE(run.err, line(msg::readScenarioFailed(), broken, msg::noScenarioSettings()));
    QVERIFY(!QFileInfo::exists(out));
    const QString missing = dir_->filePath(QStringLiteral("fehlt.szs"));
    const QString noSuchFile = QString::fromLocal8Bit(std::strerror(ENOENT));
    run = cli(*game_, {QStringLiteral("dump"), missing});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err, line(msg::readScenarioFailed(), missing, noSuchFile));
    QCOMPARE(run.out, QByteArray());

    // A target folder that does not exist cannot take the save, and a
    // read-only target is not replaced; the message says why.
    const QString noFolder = dir_->filePath(QStringLiteral("no/x.szs"));
    run = cli(*game_, {QStringLiteral("resave"), in_, noFolder});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err, line(msg::saveFailed(), noFolder, noSuchFile));
    const QString readOnly = dir_->filePath(QStringLiteral("schreibgeschuetzt.szs"));
    testfiles::write(readOnly, "alt");
    QVERIFY(QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                                QFileDevice::ReadOther));
    run = cli(*game_, {QStringLiteral("resave"), in_, readOnly});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err, line(msg::saveFailed(), readOnly, msg::targetReadOnly()));
    QCOMPARE(testfiles::read(readOnly), QByteArray("alt"));

    // Load notices arrive on stderr, one a line, and the save goes on.
    const QString foreignDeer = dir_->filePath(QStringLiteral("deer.szs"));
    testfiles::write(foreignDeer, chunk("INSEL5", islandRecord({})) +
                                      chunk("HIRSCH2", deer(1) + deer(2) + deer(3)) +
                                      minimalScenario());
    run = cli(*game_, {QStringLiteral("resave"), foreignDeer, out});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QString(msg::invalidIslandNumber() + QLatin1Char('\n')).repeated(2));

    QCOMPARE(cli(*game_, {QStringLiteral("resave"), in_}).exitCode, 2);
}

void TestCli::exportIsland()
{
    const QString out = dir_->filePath(QStringLiteral("insel")); // no extension is added
    Run run = cli(*game_, {QStringLiteral("export-island"), in_, QStringLiteral("1"), out});
    QCOMPARE(run.exitCode, 0);
    const QByteArray file = testfiles::read(out);
    QVERIFY(file.startsWith(header("INSEL5", 116)));
    QCOMPARE(file.mid(20 + 12, 8), QByteArray(8, '\7')); // no city owners in a template

    run = cli(*game_, {QStringLiteral("export-island"), in_, QStringLiteral("42"), out + "2"});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err,
             msg::noSuchIsland(QStringLiteral("42")) + QLatin1Char(' ') + in_ + QLatin1Char('\n'));
    QVERIFY(!QFileInfo::exists(out + "2"));
    // Numbers from 0 to 255 are island numbers, whether or not one exists.
    const QList<std::pair<QString, QString>> numbers{{"0", "0"}, {"255", "255"}, {"007", "7"}};
    for (const auto &[given, number] : numbers) {
        run = cli(*game_, {QStringLiteral("export-island"), in_, given, out + "3"});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, msg::noSuchIsland(number) + QLatin1Char(' ') + in_ + QLatin1Char('\n'));
    }

    // A folder in the target's place is not replaced.
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("ordner.scp")));
    run = cli(*game_, {QStringLiteral("export-island"), in_, QStringLiteral("1"),
                       dir_->filePath(QStringLiteral("ordner.scp"))});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err, msg::saveFailed() + QLatin1Char(' ') +
                          dir_->filePath(QStringLiteral("ordner.scp")) + QStringLiteral(": ") +
                          msg::targetNotRegularFile() + QLatin1Char('\n'));
    QVERIFY(QFileInfo(dir_->filePath(QStringLiteral("ordner.scp"))).isDir());
}

void TestCli::importAndDeleteIsland_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("err");     // placeholders @IN, @TEMPLATE, @BROKEN
    QTest::addColumn<QString>("written"); // "@IN", "@OUT" or empty
    QTest::addColumn<QString>("diff");    // what diff says of the written file

    const QString none;
    QTest::newRow("import to OUT")
        << QStringList{"import-island", "@IN", "@TEMPLATE", "400", "300", "-o", "@OUT"} << 0 << none
        << "@OUT" << msg::diffAdded(QStringLiteral("Insel 0"));
    QTest::newRow("import into the file itself")
        << QStringList{"import-island", "@IN", "@TEMPLATE", "0", "346"} << 0 << none << "@IN"
        << msg::diffAdded(QStringLiteral("Insel 0"));
    QTest::newRow("import onto island 3")
        << QStringList{"import-island", "@IN", "@TEMPLATE", "305", "205", "-o", "@OUT"} << 1
        << msg::placeOverlaps(305, 205, 3) << none << none;
    QTest::newRow("import leaving the world")
        << QStringList{"import-island", "@IN", "@TEMPLATE", "0", "349"} << 1
        << msg::placeOutsideWorld(0, 349, 6, 4) << none << none;
    QTest::newRow("import of a template cut short")
        << QStringList{"import-island", "@IN", "@BROKEN", "400", "300", "-o", "@OUT"} << 1
        << msg::templateCutShort(QStringLiteral("@BROKEN")) << none << none;
    QTest::newRow("delete a reference island to OUT")
        << QStringList{"delete-island", "@IN", "4", "-o", "@OUT"} << 0 << none << "@OUT"
        << msg::diffRemoved(QStringLiteral("Insel 4"));
    QTest::newRow("delete in the file itself")
        << QStringList{"-o", "@IN", "delete-island", "@IN", "2"} << 0 << none << "@IN"
        << msg::diffRemoved(QStringLiteral("Insel 2"));
    QTest::newRow("delete an island with cities")
        << QStringList{"delete-island", "@IN", "1", "-o", "@OUT"} << 1
        << msg::islandHasCities(1, {QStringLiteral("Ahlstadt"), QStringLiteral("Borkum")}) << none
        << none;
    QTest::newRow("delete a missing island")
        << QStringList{"delete-island", "@IN", "42"} << 1
        << msg::noSuchIsland(QStringLiteral("42")) + QStringLiteral(" @IN") << none << none;
}

// Both edits save through the atomic save, to OUT or to the file itself; a
// refused edit writes nothing; diff names the island added or removed.
void TestCli::importAndDeleteIsland()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, err);
    QFETCH(QString, written);
    QFETCH(QString, diff);
    const QString out = dir_->filePath(QStringLiteral("neu.szs"));
    const QString templatePath = dir_->filePath(QStringLiteral("vorlage.scp"));
    const QString broken = dir_->filePath(QStringLiteral("kaputt.scp"));
    const QByteArray stock = templateFile(islandRecord(placed(9, 0, 0, 6, 4)), {tile(6, 0, 0)});
    testfiles::write(templatePath, stock);
    testfiles::write(broken, stock.chopped(1));
    for (QString *text : {&err, &written}) {
        text->replace(QStringLiteral("@TEMPLATE"), templatePath);
        text->replace(QStringLiteral("@BROKEN"), broken);
        text->replace(QStringLiteral("@OUT"), out);
        text->replace(QStringLiteral("@IN"), in_);
    }
    args.replaceInStrings(QStringLiteral("@TEMPLATE"), templatePath);
    args.replaceInStrings(QStringLiteral("@BROKEN"), broken);
    args.replaceInStrings(QStringLiteral("@OUT"), out);
    args.replaceInStrings(QStringLiteral("@IN"), in_);

    const Run run = cli(*game_, args);
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.err, err.isEmpty() ? err : err + QLatin1Char('\n'));
    QCOMPARE(QFileInfo::exists(out), written == out);
    QCOMPARE(testfiles::read(in_) == rich_.file, written != in_);
    if (written.isEmpty())
        return;
    const QString original = dir_->filePath(QStringLiteral("original.gam"));
    testfiles::write(original, rich_.file);
    const Run compared = cli(*game_, {QStringLiteral("diff"), original, written});
    QCOMPARE(compared.exitCode, 1);
    // The island comes first; a deleted reference also changes the SZENE bytes.
    QCOMPARE(QString::fromUtf8(compared.out).section(QLatin1Char('\n'), 0, 0), diff);
}

void TestCli::dumpDescribesTheScenario()
{
    const Run run = cli(*game_, {QStringLiteral("dump"), in_});
    QCOMPARE(run.exitCode, 0);
    const QJsonObject doc = QJsonDocument::fromJson(run.out).object();
    QCOMPARE(doc["scenarioName"].toString(), QStringLiteral("Brimtest"));
    QCOMPARE(doc["campaignNumber"].toInt(), 5);
    QCOMPARE(doc["settings"]["maxShips"].toInt(), 40);
    QCOMPARE(doc["chunks"][0]["name"].toString(), QStringLiteral("NAME"));

    const QJsonArray islands = doc["islands"].toArray();
    QCOMPARE(islands.size(), 4);
    const QJsonObject one = islands[0].toObject();
    QCOMPARE(one["label"].toString(), QStringLiteral("Insel 1: 20x15 N"));
    QCOMPARE(one["cities"][1]["name"].toString(), QStringLiteral("Borkum"));
    const QByteArray post = tradingPost(1, 0, {32, 64});
    const auto ore = le::u32(reinterpret_cast<const uchar *>(post.constData()), 4 + 20 * 2 + 12);
    // Exact to the stored 1/32 t (slot 2 holds a patterned amount).
    QVERIFY(ore % 32 != 0);
    QCOMPARE(one["tradingPosts"][0]["stock"]["Erz"].toDouble(), ore / 32.0);
    QCOMPARE(one["deer"].toInt(), 2);
    QCOMPARE(islands[3]["source"].toString(), QStringLiteral("reference"));

    const QJsonArray ships = doc["ships"].toArray();
    QCOMPARE(ships[0]["type"].toString(), QStringLiteral("Kl. Handelsschiff"));
    QCOMPARE(ships[0]["cargo"][0]["tons"].toInt(), 10);
    QCOMPARE(ships[0]["cargo"][0]["flags"].toInt(), 1);
    QCOMPARE(ships[1]["cart"].toBool(), true);
    QCOMPARE(doc["players"][5]["colourName"].toString(), QStringLiteral("Eingeborene"));
    QCOMPARE(doc["missions"][1]["text"].toString(), QStringLiteral("Handle mit Tabak."));
}

void TestCli::campaigns()
{
    // A prefix without a registry has no game: the message names the prefix
    // and the registry file it lacks.
    QProcess noGame;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QString empty = dir_->filePath(QStringLiteral("leer"));
    env.insert(QStringLiteral("WINEPREFIX"), empty);
    noGame.setProcessEnvironment(env);
    noGame.start(QStringLiteral(MARBOLT_CLI_BIN), {QStringLiteral("campaigns")});
    QVERIFY(noGame.waitForFinished(30000));
    QCOMPARE(noGame.exitCode(), 1);
    QCOMPARE(QString::fromUtf8(noGame.readAllStandardError()),
             msg::gameNotFound() + QLatin1Char(' ') + empty + QStringLiteral(": ") +
                 msg::fileNotFound(empty + QStringLiteral("/system.reg")) + QLatin1Char('\n'));

    Run run = cli(*game_, {QStringLiteral("campaigns")});
    QCOMPARE(run.exitCode, 1); // no Text.cod yet
    QVERIFY(run.err.contains(QStringLiteral("nicht gefunden")));

    game_->addFile(QStringLiteral("Text.cod"),
                   encoded("[TEXTE]\r\nHallo\r\n[KAMPAGNE]\r\na\r\nb\r\nc\r\nd\r\ne\r\n"
                           "\xc4rger\r\n[END]\r\n"));
    run = cli(*game_, {QStringLiteral("campaigns")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(QString::fromUtf8(run.out),
             QStringLiteral("Campaign 0\n  1. a\n  2. b\n  3. c\n  4. d\n  5. e\n"
                            "  (no entry) Ärger\n"));
}

void TestCli::wrongUsageExitsTwo_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("nothing") << QStringList();
    QTest::newRow("unknown long option") << QStringList{"--frobnicate", "dump", "IN"};
    QTest::newRow("unknown short option") << QStringList{"dump", "-x", "IN"};
    QTest::newRow("unknown command") << QStringList{"explode", "IN"};
    QTest::newRow("resave without target") << QStringList{"resave", "IN"};
    QTest::newRow("dump of two files") << QStringList{"dump", "IN", "IN"};
    QTest::newRow("campaigns with an argument") << QStringList{"campaigns", "IN"};
    QTest::newRow("export without target") << QStringList{"export-island", "IN", "1"};
    QTest::newRow("check of two files") << QStringList{"check", "IN", "IN"};
    QTest::newRow("diff of one file") << QStringList{"diff", "IN", "--json"};
    QTest::newRow("json for dump") << QStringList{"dump", "IN", "--json"};
    for (const char *number : {"abc", "256", "1000", "1.5", "+1", " 1", "0x1", ""})
        QTest::newRow(qPrintable(QStringLiteral("island number '%1'").arg(number)))
            << QStringList{"export-island", "IN", number, "OUT"};
    QTest::newRow("negative island number") << QStringList{"export-island", "IN", "-1", "OUT"};
    QTest::newRow("render without target") << QStringList{"render", "IN"};
    QTest::newRow("render of two files") << QStringList{"render", "IN", "IN", "OUT"};
    QTest::newRow("scale without number") << QStringList{"render", "IN", "OUT", "--scale"};
    for (const char *scale : {"0", "9", "10", "-1", "abc", "1.5", "+2", " 2", "02", ""})
        QTest::newRow(qPrintable(QStringLiteral("scale '%1'").arg(scale)))
            << QStringList{"render", "IN", "OUT", "--scale", scale};
    QTest::newRow("scale for dump") << QStringList{"dump", "IN", "--scale", "2"};
    QTest::newRow("json for render") << QStringList{"render", "IN", "OUT", "--json"};
    QTest::newRow("import without Y") << QStringList{"import-island", "IN", "IN", "1", "-o", "OUT"};
    QTest::newRow("import at a position no number")
        << QStringList{"import-island", "IN", "IN", "1", "zwei", "-o", "OUT"};
    QTest::newRow("delete of island 256") << QStringList{"delete-island", "IN", "256", "-o", "OUT"};
    QTest::newRow("delete with the number first")
        << QStringList{"delete-island", "1", "IN", "-o", "OUT"};
    QTest::newRow("-o with an empty name") << QStringList{"delete-island", "IN", "2", "-o", ""};
    QTest::newRow("-o without a name") << QStringList{"delete-island", "IN", "2", "-o"};
    QTest::newRow("-o for resave") << QStringList{"resave", "IN", "OUT", "-o", "OUT"};
    QTest::newRow("json for delete")
        << QStringList{"delete-island", "IN", "2", "--json", "-o", "OUT"};
}

void TestCli::wrongUsageExitsTwo()
{
    QFETCH(QStringList, args);
    // IN is a scenario that loads and OUT a free name: only the usage is wrong.
    const QString out = dir_->filePath(QStringLiteral("out.scp"));
    args.replaceInStrings(QStringLiteral("IN"), in_);
    args.replaceInStrings(QStringLiteral("OUT"), out);
    const Run run = cli(*game_, args);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.out, QByteArray());
    const QStringList lines = run.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines[0].startsWith(QStringLiteral("marbolt-cli: ")));
    QVERIFY(lines[1].startsWith(QStringLiteral("Try ")) &&
            lines[1].contains(QStringLiteral("--help")));
    QVERIFY(!QFileInfo::exists(out));
}

void TestCli::failedWriteToStandardOutputFails()
{
    if (!QFileInfo::exists(QStringLiteral("/dev/full")))
        QSKIP("no /dev/full on this system");
    const QString diskFull = QString::fromLocal8Bit(std::strerror(ENOSPC));
    for (const QStringList &args :
         {QStringList{QStringLiteral("dump"), in_}, QStringList{QStringLiteral("--help")},
          QStringList{QStringLiteral("--version")}}) {
        const Run run = cli(*game_, args, QStringLiteral("/dev/full"));
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, QStringLiteral("marbolt-cli: cannot write to standard output: ") +
                              diskFull + QLatin1Char('\n'));
    }
    // The same output where it fits.
    const Run run = cli(*game_, {QStringLiteral("--version")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QByteArray("marbolt-cli " MARBOLT_VERSION "\n"));
}

// check: 0 when clean or information only, 2 when the file cannot be read;
// diff: 0 when the same, 1 when different, 2 when a file cannot be read;
// --json gives an array of objects for tools. Wrong usage of both is in
// wrongUsageExitsTwo, the whole convention in exitCodesFollowDiff.
void TestCli::checkAndDiffExitCodes()
{
    const QString clean = dir_->filePath(QStringLiteral("clean.szs"));
    testfiles::write(clean, minimalScenario());
    Run run = cli(*game_, {QStringLiteral("check"), clean});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QByteArray());
    run = cli(*game_, {QStringLiteral("check"), clean, QStringLiteral("--json")});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(QJsonDocument::fromJson(run.out).isArray());
    QVERIFY(QJsonDocument::fromJson(run.out).array().isEmpty());

    // The rich scenario carries chunks the program does not know: information
    // only, nothing to act on.
    run = cli(*game_, {QStringLiteral("check"), in_});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.startsWith("Information: "));
    run = cli(*game_, {QStringLiteral("check"), QStringLiteral("--json"), in_});
    QCOMPARE(run.exitCode, 0);
    const QJsonArray findings = QJsonDocument::fromJson(run.out).array();
    QVERIFY(!findings.isEmpty());
    for (const QJsonValue &f : findings) {
        QCOMPARE(f["severity"].toString(), QStringLiteral("information"));
        QCOMPARE(f["kind"].toString(), QStringLiteral("chunk"));
        QVERIFY(f["object"].isString());
        QVERIFY(!f["message"].toString().isEmpty());
    }
    // An unreadable file is trouble, told on stderr.
    const QString broken = dir_->filePath(QStringLiteral("broken.szs"));
    testfiles::write(broken, chunk("CUSTOM", "x"));
    run = cli(*game_, {QStringLiteral("check"), broken});
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.out, QByteArray());
    QCOMPARE(run.err, msg::readScenarioFailed() + QLatin1Char(' ') + broken + QStringLiteral(": ") +
                          msg::noScenarioSettings() + QLatin1Char('\n'));

    run = cli(*game_, {QStringLiteral("diff"), in_, in_});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QByteArray());
    run = cli(*game_, {QStringLiteral("diff"), clean, in_, QStringLiteral("--json")});
    QCOMPARE(run.exitCode, 1);
    const QJsonArray lines = QJsonDocument::fromJson(run.out).array();
    QVERIFY(!lines.isEmpty());
    QVERIFY(!lines[0]["text"].toString().isEmpty());
    run = cli(*game_, {QStringLiteral("diff"), clean, in_});
    QCOMPARE(run.out.count('\n'), lines.size());
    QCOMPARE(cli(*game_, {QStringLiteral("diff"), clean, broken}).exitCode, 2);
}

void TestCli::renderDrawsTheMapWithoutSelection_data()
{
    QTest::addColumn<QStringList>("scaleArgs");
    QTest::addColumn<int>("scale");
    QTest::newRow("default") << QStringList() << 1;
    QTest::newRow("1") << QStringList{"--scale", "1"} << 1;
    QTest::newRow("3") << QStringList{"--scale=3"} << 3;
    QTest::newRow("8, before the command") << QStringList{"--scale", "8"} << 8;
}

// The picture is the map's picture with nothing selected, each tile a sharp
// block of scale x scale pixels.
void TestCli::renderDrawsTheMapWithoutSelection()
{
    QFETCH(QStringList, scaleArgs);
    QFETCH(int, scale);
    // Island 1 (10, 20) with unowned ground, a pale water piece and a 6 x 6
    // building of player 1 (blue) at (20, 25); island 2 (100, 100); a red
    // ship at (60, 60) and a yellow cart at (150, 150).
    IslandSpec one = placed(1, 10, 20, 20, 15);
    one.cityOwners = {1, 7, 7, 7, 7, 7, 7, 7};
    const QByteArray world =
        ScenarioBuilder()
            .chunk("INSEL5", islandRecord(one))
            .chunk("INSELHAUS", tile(1, 0, 0) + tile(1202, 1, 0))
            .chunk("INSELHAUS", tile(1110, 10, 5, true, 0, 1))
            .chunk("STADT4", city(1, 0, 1, "Nordhafen"))
            .chunk("INSEL5", islandRecord(placed(2, 100, 100, 10, 10)))
            .chunk("INSELHAUS", tile(1, 0, 0))
            .chunk("PLAYER4", players())
            .chunk("SHIP4", ship("Anna", 60, 60, 21, 1, 0) + ship("Karl", 150, 150, 37, 5, 2))
            .raw(minimalScenario())
            .bytes();
    const QString in = dir_->filePath(QStringLiteral("welt.szs"));
    testfiles::write(in, world);
    const QString out = dir_->filePath(QStringLiteral("welt.png"));
    const QStringList args = scale == 8
                                 ? scaleArgs + QStringList{QStringLiteral("render"), in, out}
                                 : QStringList{QStringLiteral("render"), in, out} + scaleArgs;
    const Run run = cli(*game_, args);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.out, QByteArray());
    QImage picture(out, "PNG");
    QCOMPARE(picture.size(), QSize(512 * scale, 352 * scale));
    picture = picture.convertToFormat(QImage::Format_RGB32);

    // The map as the editor shows it, with island 2 selected and without.
    RumoSzen doc;
    QVERIFY(load(doc, world));
    QImage selected;
    WorldView view;
    view.selectedIsland = doc.island(2);
    renderWorld(doc, view, selected);
    QImage screen;
    renderWorld(doc, WorldView(), screen);

    const auto at = [&](int column, int row) {
        // Every pixel of the tile's block has the tile's colour.
        const QRgb colour = picture.pixel(column * scale, row * scale);
        for (int y = 0; y < scale; ++y) {
            for (int x = 0; x < scale; ++x) {
                if (picture.pixel(column * scale + x, row * scale + y) != colour)
                    return QRgb(0);
            }
        }
        return colour;
    };
    QCOMPARE(at(0, 0), qRgb(68, 68, 255));     // sea
    QCOMPARE(at(10, 20), qRgb(137, 99, 64));   // unowned ground
    QCOMPARE(at(11, 20), qRgb(204, 204, 255)); // pale water
    QCOMPARE(at(25, 30), qRgb(0, 0, 255));     // the building of player 1
    QCOMPARE(at(60, 60), qRgb(255, 0, 0));     // the red ship's dot ...
    QCOMPARE(at(54, 60), qRgb(0, 255, 255));   // ... in its opposite colour
    QCOMPARE(at(150, 150), qRgb(255, 255, 0)); // the yellow cart
    QCOMPARE(at(511, 351), qRgb(68, 68, 255)); // the far corner
    QCOMPARE(selected.pixel(100, 105), qRgb(255, 255, 255));
    QCOMPARE(at(100, 105), qRgb(68, 68, 255)); // no frame
    // And so on every tile.
    for (int row = 0; row < World::Height; ++row) {
        for (int column = 0; column < World::Width; ++column) {
            if (at(column, row) != screen.pixel(column, row))
                QFAIL(qPrintable(QStringLiteral("tile %1, %2").arg(column).arg(row)));
        }
    }
}

// A scenario that cannot be read is wrong input (2), a picture that cannot
// be written a failure (1); neither leaves a file, and an old picture stays.
void TestCli::renderFailures()
{
    const QString broken = dir_->filePath(QStringLiteral("broken.szs"));
    testfiles::write(broken, chunk("CUSTOM", "x"));
    const QString out = dir_->filePath(QStringLiteral("karte.png"));
    Run run = cli(*game_, {QStringLiteral("render"), broken, out});
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.err, msg::readScenarioFailed() + QLatin1Char(' ') + broken + QStringLiteral(": ") +
                          msg::noScenarioSettings() + QLatin1Char('\n'));
    QVERIFY(!QFileInfo::exists(out));
    run = cli(*game_, {QStringLiteral("render"), dir_->filePath(QStringLiteral("fehlt.szs")), out});
    QCOMPARE(run.exitCode, 2);
    QVERIFY(!QFileInfo::exists(out));

    const QString noFolder = dir_->filePath(QStringLiteral("no/karte.png"));
    run = cli(*game_, {QStringLiteral("render"), in_, noFolder});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err, msg::saveFailed() + QLatin1Char(' ') + noFolder + QStringLiteral(": ") +
                          QString::fromLocal8Bit(std::strerror(ENOENT)) + QLatin1Char('\n'));
    testfiles::write(out, "alt");
    QVERIFY(QFile::setPermissions(out, QFileDevice::ReadOwner));
    run = cli(*game_,
              {QStringLiteral("render"), in_, out, QStringLiteral("--scale"), QStringLiteral("2")});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err, msg::saveFailed() + QLatin1Char(' ') + out + QStringLiteral(": ") +
                          msg::targetReadOnly() + QLatin1Char('\n'));
    QCOMPARE(testfiles::read(out), QByteArray("alt"));
}

// check and diff follow diff's convention: 0 nothing found (information
// only) or the same, 1 warnings or errors or differences, 2 trouble: wrong
// usage, a file that cannot be read, output that cannot be written. The help
// says so.
void TestCli::exitCodesFollowDiff_data()
{
    QTest::addColumn<QStringList>("args"); // CLEAN, RICH, WARN, BROKEN, FIFO, DIR stand for files
    QTest::addColumn<QString>("stdoutFile");
    QTest::addColumn<int>("exitCode");

    QTest::newRow("check: nothing") << QStringList{"check", "CLEAN"} << QString() << 0;
    QTest::newRow("check: information only") << QStringList{"check", "RICH"} << QString() << 0;
    QTest::newRow("check: information only, json")
        << QStringList{"check", "--json", "RICH"} << QString() << 0;
    QTest::newRow("check: an error") << QStringList{"check", "WARN"} << QString() << 1;
    QTest::newRow("check: unreadable") << QStringList{"check", "BROKEN"} << QString() << 2;
    QTest::newRow("check: a FIFO") << QStringList{"check", "FIFO"} << QString() << 2;
    QTest::newRow("check: a folder") << QStringList{"check", "DIR"} << QString() << 2;
    QTest::newRow("check: wrong usage") << QStringList{"check"} << QString() << 2;
    QTest::newRow("diff: the same") << QStringList{"diff", "RICH", "RICH"} << QString() << 0;
    QTest::newRow("diff: different") << QStringList{"diff", "CLEAN", "RICH"} << QString() << 1;
    QTest::newRow("diff: unreadable") << QStringList{"diff", "CLEAN", "BROKEN"} << QString() << 2;
    QTest::newRow("diff: a FIFO") << QStringList{"diff", "FIFO", "CLEAN"} << QString() << 2;
    QTest::newRow("diff: wrong usage") << QStringList{"diff", "CLEAN"} << QString() << 2;
    if (QFileInfo::exists(QStringLiteral("/dev/full"))) {
        QTest::newRow("check: output lost")
            << QStringList{"check", "RICH"} << QStringLiteral("/dev/full") << 2;
        QTest::newRow("diff: output lost")
            << QStringList{"diff", "CLEAN", "RICH"} << QStringLiteral("/dev/full") << 2;
    }
}

void TestCli::exitCodesFollowDiff()
{
    QFETCH(QStringList, args);
    QFETCH(QString, stdoutFile);
    QFETCH(int, exitCode);
    const QString clean = dir_->filePath(QStringLiteral("clean.szs"));
    testfiles::write(clean, minimalScenario());
    const QString warn = dir_->filePath(QStringLiteral("warn.szs"));
    testfiles::write(warn, chunk("STADT4", city(9, 0, 0, "Nirgendwo")) + minimalScenario());
    const QString broken = dir_->filePath(QStringLiteral("broken.szs"));
    testfiles::write(broken, chunk("CUSTOM", "x"));
    const QString fifo = dir_->filePath(QStringLiteral("fifo.szs"));
    hostile::make(QStringLiteral("fifo"), fifo, 0);
    const QString folder = dir_->filePath(QStringLiteral("ordner.szs"));
    hostile::make(QStringLiteral("folder"), folder, 0);
    const QList<std::pair<QString, QString>> files{{"CLEAN", clean}, {"RICH", in_},
                                                   {"WARN", warn},   {"BROKEN", broken},
                                                   {"FIFO", fifo},   {"DIR", folder}};
    for (const auto &[name, path] : files)
        args.replaceInStrings(QRegularExpression(QStringLiteral("^%1$").arg(name)), path);
    const Run run = cli(*game_, args, stdoutFile);
    QCOMPARE(run.exitCode, exitCode);
    if (exitCode == 2)
        QVERIFY(!run.err.isEmpty());

    const QString help = QString::fromUtf8(cli(*game_, {QStringLiteral("--help")}).out);
    QVERIFY(help.contains(QStringLiteral("Exit status of check and diff, as with diff(1)")));
    QVERIFY(help.contains(QStringLiteral("2 trouble")));
}

// A path that names no regular file is refused at once, naming the path: a
// FIFO does not make the tool wait, a device is not read.
void TestCli::nonRegularPathRefused_data()
{
    QTest::addColumn<QString>("kind");
    for (const char *kind : {"fifo", "device", "folder"})
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

void TestCli::nonRegularPathRefused()
{
    QFETCH(QString, kind);
    const QString path = dir_->filePath(QStringLiteral("szenario.szs"));
    hostile::make(kind, path, 0);
    for (const QString &command : {QStringLiteral("dump"), QStringLiteral("check")}) {
        const Run run = cli(*game_, {command, path});
        QCOMPARE(run.exitCode, command == u"dump" ? 1 : 2);
        QCOMPARE(run.out, QByteArray());
        QCOMPARE(run.err, msg::readScenarioFailed() + QLatin1Char(' ') + path +
                              QStringLiteral(": ") + msg::notARegularFileReason() +
                              QLatin1Char('\n'));
    }
}

// dump writes as it goes: a file of many small chunks takes less than twice
// its size in memory (plus what any run takes), not one JSON object a chunk.
void TestCli::dumpStreams()
{
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("the sanitizers' own memory hides the program's");
#endif
    ScenarioBuilder many;
    for (int i = 0; i < 300000; ++i)
        many.chunk("KLEIN", "abcd");
    const QString path = dir_->filePath(QStringLiteral("viele.szs"));
    testfiles::write(path, many.bytes() + minimalScenario());
    const qint64 size = QFileInfo(path).size();

    // Waited for by itself, so that the peak is this child's alone and not
    // that of an earlier one (a large picture, say).
    const QByteArray bin = MARBOLT_CLI_BIN;
    const QByteArray file = QFile::encodeName(path);
    const QByteArray prefix = "WINEPREFIX=" + QFile::encodeName(game_->prefix());
    const pid_t child = ::fork();
    if (child == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, STDOUT_FILENO);
        char *const argv[] = {const_cast<char *>(bin.constData()), const_cast<char *>("dump"),
                              const_cast<char *>(file.constData()), nullptr};
        char *const envp[] = {const_cast<char *>(prefix.constData()),
                              const_cast<char *>("QT_QPA_PLATFORM=offscreen"), nullptr};
        ::execve(argv[0], argv, envp);
        ::_exit(127);
    }
    QVERIFY(child > 0);
    int status = 0;
    rusage usage{};
    QCOMPARE(::wait4(child, &status, 0, &usage), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);
    const qint64 peak = qint64(usage.ru_maxrss) * 1024;
    constexpr qint64 kAnyRun = 48 * 1024 * 1024;
    QVERIFY2(peak < 2 * size + kAnyRun,
             qPrintable(QStringLiteral("%1 bytes for a file of %2").arg(peak).arg(size)));
}

void TestCli::sentencesFollowTheDesktopLanguage_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<bool>("english");
    QTest::newRow("English desktop") << QStringLiteral("en_US.UTF-8") << true;
    QTest::newRow("German desktop") << QStringLiteral("de_DE.UTF-8") << false;
    QTest::newRow("C locale") << QStringLiteral("C.UTF-8") << false;
}

// Findings, diff lines and errors speak the desktop's language, German
// where it is not English; the untranslated parts (the English notice, the
// JSON keys and machine values) stay the same in every language.
void TestCli::sentencesFollowTheDesktopLanguage()
{
    QFETCH(QString, lang);
    QFETCH(bool, english);
    // The expected sentences, made here under the same language.
    language::apply(english ? language::Choice::English : language::Choice::German);
    const auto german = qScopeGuard([] { language::apply(language::Choice::German); });

    const QString warn = dir_->filePath(QStringLiteral("warn.szs"));
    testfiles::write(warn, chunk("STADT4", city(9, 0, 0, "Nirgendwo")) +
                               chunk("SHIP4", ship("Irrfahrer", 600, 10)) + minimalScenario());
    const QString fewerShips = dir_->filePath(QStringLiteral("fewer.szs"));
    testfiles::write(fewerShips, chunk("TIMERS", settings(20)));
    const QString clean = dir_->filePath(QStringLiteral("clean.szs"));
    testfiles::write(clean, minimalScenario());
    const QString broken = dir_->filePath(QStringLiteral("broken.szs"));
    testfiles::write(broken, chunk("CUSTOM", "x"));

    const QString cityFinding =
        msg::cityWithoutIsland(QStringLiteral("Nirgendwo"), msg::unplacedIsland(9, false));
    const QString shipFinding =
        msg::shipOutsideWorld(msg::vehicle(false, 0, QStringLiteral("Irrfahrer")), 600, 10);
    const QString warning = msg::severityWarning() + QStringLiteral(": ");
    const QString error = msg::severityError() + QStringLiteral(": ");
    Run run = cli(*game_, {QStringLiteral("check"), warn}, {}, lang);
    QCOMPARE(run.exitCode, 1);
    const QString findings = QString::fromUtf8(run.out);
    QCOMPARE(findings,
             warning + cityFinding + QLatin1Char('\n') + error + shipFinding + QLatin1Char('\n'));

    run = cli(*game_, {QStringLiteral("check"), QStringLiteral("--json"), warn}, {}, lang);
    const QJsonArray json = QJsonDocument::fromJson(run.out).array();
    QCOMPARE(json.size(), 2);
    QCOMPARE(json[0]["severity"].toString(), QStringLiteral("warning"));
    QCOMPARE(json[0]["kind"].toString(), QStringLiteral("city"));
    QCOMPARE(json[0]["message"].toString(), cityFinding);

    run = cli(*game_, {QStringLiteral("diff"), clean, fewerShips}, {}, lang);
    QCOMPARE(run.exitCode, 1);
    const QString differences = QString::fromUtf8(run.out);
    QCOMPARE(differences, msg::diffChanged(msg::diffSettings(),
                                           QCoreApplication::translate("RecordFields",
                                                                       "Maximale Anzahl Schiffe"),
                                           QStringLiteral("33"), QStringLiteral("20")) +
                              QLatin1Char('\n'));

    // The notice scripts look for stays English, the reason follows.
    run = cli(*game_, {QStringLiteral("check"), broken}, {}, lang);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.err, QStringLiteral("Read scenario failed! ") + broken + QStringLiteral(": ") +
                          msg::noScenarioSettings() + QLatin1Char('\n'));
    const QString reason = msg::noScenarioSettings();

    const QString all = findings + differences + reason;
    static const QRegularExpression germanWords(
        QStringLiteral("[äöüÄÖÜß„]|\\b(Fehler|Insel|Stadt|Schiff|Block|Einstellungen|nicht|"
                       "die|der|das|und|ist|Datei|Welt)\\b"));
    if (english) {
        QVERIFY2(!germanWords.match(all).hasMatch(), qPrintable(all));
        QVERIFY(findings.startsWith(QStringLiteral("Warning: ")));
    } else {
        QVERIFY(
            findings.startsWith(QStringLiteral("Warnung: Die Stadt „Nirgendwo“ nennt Insel 9")));
        QCOMPARE(differences, QStringLiteral("Einstellungen: Maximale Anzahl Schiffe 33 → 20\n"));
    }

    // The dump's keys are the same in every language, those made of goods
    // names too.
    QSet<QString> keys;
    collectKeys(
        QJsonDocument::fromJson(cli(*game_, {QStringLiteral("dump"), in_}, {}, lang).out).object(),
        {}, keys);
    QSet<QString> germanKeys;
    collectKeys(QJsonDocument::fromJson(
                    cli(*game_, {QStringLiteral("dump"), in_}, {}, QStringLiteral("C.UTF-8")).out)
                    .object(),
                {}, germanKeys);
    QVERIFY(keys.contains(QStringLiteral("/islands[]/tradingPosts[]/stock/Erz")));
    QCOMPARE(keys, germanKeys);
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
