#include "core/campaign/gametextcodec.h"
#include "core/common/messages.h"
#include "core/common/wholefile.h"
#include "core/game/gamepath.h"
#include "support/gameinstallation.h"
#include "support/hostilefiles.h"
#include "support/tempfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

class TestGamePath : public QObject {
    Q_OBJECT

private slots:
    void readsRegistryVariants_data();
    void readsRegistryVariants();
    void decodesNonAsciiFolders_data();
    void decodesNonAsciiFolders();
    void prefersPlainKeyOver32BitView();
    void followsDosDevices();
    void noRegistryFileFindsNothing();
    void resolvesComponentsIgnoringCase_data();
    void resolvesComponentsIgnoringCase();
    void emptyBaseGivesWindowsForm();
    void refusesPathsLeavingTheDrive_data();
    void refusesPathsLeavingTheDrive();
    void refusedRegistryFiles_data();
    void refusedRegistryFiles();
    void refusedTextFiles_data();
    void refusedTextFiles();
    void wholeFileReadsUpToItsLimit();
};

static const QByteArray kKey =
    "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\Brim.EXE] 1700000000\n";

void TestGamePath::readsRegistryVariants_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("found");
    const QByteArray path = "\"Path\"=\"C:\\\\Games\\\\Brim\"\n";

    QTest::newRow("plain") << kKey + path << true;
    QTest::newRow("key and value name in other case")
        << "[SOFTWARE\\\\microsoft\\\\windows\\\\currentversion\\\\app paths\\\\brim.exe]\n"
           "\"PATH\"=\"C:\\\\Games\\\\Brim\"\n"_qba
        << true;
    QTest::newRow("folder in other case") << kKey + "\"Path\"=\"c:\\\\GAMES\\\\brim\\\\\"\n"
                                          << true;
    QTest::newRow("crlf and expandable string")
        << kKey.chopped(1) + "\r\n\"Path\"=str(2):\"C:\\\\Games\\\\Brim\"\r\n"
        << true;
    QTest::newRow("escaped quotes in earlier value")
        << kKey + "\"Note\"=\"say \\\"[x]\\\" \\\\\"\n\"Path\"=\"C:/Games/Brim\"\n"
        << true;
    QTest::newRow("32-bit view")
        << "[Software\\\\Wow6432Node\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App "
           "Paths\\\\Brim.EXE]\n"_qba +
               path
        << true;
    QTest::newRow("no key") << QByteArray() << false;
    QTest::newRow("key without Path") << kKey + "@=\"C:\\\\Games\\\\Brim\\\\Brim.exe\"\n" << false;
    QTest::newRow("Path in the next section") << kKey + "[Software\\\\Other]\n" + path << false;
    QTest::newRow("subkey of the game's key")
        << kKey.left(kKey.indexOf(']')) + "\\\\Sub]\n" + path << false;
    QTest::newRow("binary Path") << kKey + "\"Path\"=hex(2):43,00,3a,00\n" << false;
    QTest::newRow("folder missing") << kKey + "\"Path\"=\"C:\\\\Games\\\\Brim2\"\n" << false;
    QTest::newRow("drive without device") << kKey + "\"Path\"=\"D:\\\\Games\\\\Brim\"\n" << false;
    QTest::newRow("unix path") << kKey + "\"Path\"=\"\\\\\\\\?\\\\unix\\\\tmp\"\n" << false;
    QTest::newRow("no drive") << kKey + "\"Path\"=\"\\\\Games\\\\Brim\"\n" << false;
    QTest::newRow("unterminated") << kKey + "\"Path\"=\"C:\\\\Games\\\\Brim\n" << false;
}

void TestGamePath::readsRegistryVariants()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, found);
    TempGameInstallation game;
    game.writeRegistry(body);
    QCOMPARE(findGamePath(game.prefix()), found ? game.gameFolder() : QString());
}

void TestGamePath::decodesNonAsciiFolders_data()
{
    QTest::addColumn<QByteArray>("value");
    // "Ä" before a hex digit takes four digits, "ö" before "l" only two; the
    // clef is a surrogate pair.
    QTest::newRow("escapes") << "C:\\\\\\x00c4b\\\\Zw\\xf6lf \\xd834\\xdd1e"_qba;
    QTest::newRow("raw utf-8") << "C:\\\\Äb\\\\Zwölf 𝄞"_qba;
}

void TestGamePath::decodesNonAsciiFolders()
{
    QFETCH(QByteArray, value);
    TempGameInstallation game;
    const QString folder = game.prefix() + QStringLiteral("/drive_c/Äb/Zwölf 𝄞");
    QVERIFY(QDir().mkpath(folder));
    game.writeRegistry(kKey + "\"Path\"=\"" + value + "\"\n");
    QCOMPARE(findGamePath(game.prefix()), folder);
}

void TestGamePath::prefersPlainKeyOver32BitView()
{
    TempGameInstallation game;
    QVERIFY(QDir().mkpath(game.prefix() + "/drive_c/Other"));
    const QByteArray wow = "[Software\\\\Wow6432Node\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\"
                           "App Paths\\\\Brim.EXE]\n\"Path\"=\"C:\\\\Other\"\n";
    game.writeRegistry(wow + kKey + "\"Path\"=\"C:\\\\Games\\\\Brim\"\n");
    QCOMPARE(findGamePath(game.prefix()), game.gameFolder());

    // A plain key naming a removed folder does not hide the 32-bit one.
    game.writeRegistry(wow + kKey + "\"Path\"=\"C:\\\\Gone\"\n");
    QCOMPARE(findGamePath(game.prefix()), game.prefix() + "/drive_c/Other");
}

void TestGamePath::followsDosDevices()
{
    TempGameInstallation game;
    const QString disk = game.prefix() + "/../disk";
    QVERIFY(QDir().mkpath(disk + "/Games/Brim"));
    QVERIFY(QDir().mkpath(game.prefix() + "/dosdevices"));
    const QString diskFolder = QDir(disk).canonicalPath() + "/Games/Brim";

    // The device entry wins over drive_c, which holds the folder as well.
    QVERIFY(QFile::link("../../disk", game.prefix() + "/dosdevices/c:"));
    QCOMPARE(findGamePath(game.prefix()), diskFolder);

    QVERIFY(QFile::link("../../disk", game.prefix() + "/dosdevices/e:"));
    game.writeRegistry(kKey + "\"Path\"=\"E:\\\\games\\\\BRIM\"\n");
    QCOMPARE(findGamePath(game.prefix()), diskFolder);
}

void TestGamePath::noRegistryFileFindsNothing()
{
    TempGameInstallation game;
    QVERIFY(QFile::remove(game.prefix() + "/system.reg"));
    QCOMPARE(findGamePath(game.prefix()), QString());
    QCOMPARE(findGamePath(QString()), QString());
}

void TestGamePath::resolvesComponentsIgnoringCase_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<QString>("expected");
    QTest::newRow("as spelled") << "Szenes/Inseln/Huegel05.scp"
                                << "Szenes/Inseln/Huegel05.scp";
    QTest::newRow("mixed case, both separators") << "szenes\\INSELN/huegel05.SCP"
                                                 << "Szenes/Inseln/Huegel05.scp";
    QTest::newRow("empty components") << "\\\\SZENES//inseln\\"
                                      << "Szenes/Inseln";
    QTest::newRow("hidden entry") << ".Verlauf"
                                  << ".verlauf";
    QTest::newRow("missing component") << "szenes\\Fehlt\\huegel05.scp"
                                       << "Szenes/Fehlt/huegel05.scp";
    QTest::newRow("missing file") << "SZENES/inseln/Nord01.SCP"
                                  << "Szenes/Inseln/Nord01.SCP";
}

void TestGamePath::resolvesComponentsIgnoringCase()
{
    QFETCH(QString, relative);
    QFETCH(QString, expected);
    TempGameInstallation game;
    game.addFile("Szenes/Inseln/Huegel05.scp", "x");
    game.addFile(".verlauf", "x");
    QCOMPARE(resolveGameFile(game.gameFolder(), relative), game.gameFolder() + '/' + expected);
}

void TestGamePath::emptyBaseGivesWindowsForm()
{
    QCOMPARE(resolveGameFile(QString(), "Szenes\\inseln/X.scp"), "\\Szenes\\inseln/X.scp");
}

// ".." is read as Windows reads it, below the drive's root: a path that
// climbs above it would leave the prefix's drive and is refused.
void TestGamePath::refusesPathsLeavingTheDrive_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("found");

    QTest::newRow("above the root") << "C:\\\\..\\\\Outside"_qba << false;
    QTest::newRow("above the root after a folder")
        << "C:\\\\Games\\\\..\\\\..\\\\Outside"_qba << false;
    QTest::newRow("forward slashes") << "C:/../Outside"_qba << false;
    QTest::newRow("through a device") << "E:\\\\..\\\\Outside"_qba << false;
    QTest::newRow("staying inside the drive")
        << "C:\\\\Games\\\\.\\\\..\\\\Games\\\\Brim"_qba << true;
}

void TestGamePath::refusesPathsLeavingTheDrive()
{
    QFETCH(QByteArray, value);
    QFETCH(bool, found);
    TempGameInstallation game;
    // Both lie beside drive_c, reachable only by climbing out of it.
    QVERIFY(QDir().mkpath(game.prefix() + "/Outside"));
    QVERIFY(QDir().mkpath(game.prefix() + "/dosdevices"));
    QVERIFY(QFile::link("../drive_c", game.prefix() + "/dosdevices/e:"));
    game.writeRegistry(kKey + "\"Path\"=\"" + value + "\"\n");

    QString message = QStringLiteral("vorher");
    QCOMPARE(findGamePath(game.prefix(), &message), found ? game.gameFolder() : QString());
    QString windowsPath = QString::fromLatin1(value).replace(QStringLiteral("\\\\"), "\\");
    QCOMPARE(message, found ? QString() : msg::gameFolderOutsideDrive(windowsPath));
}

// What stands at system.reg may be anything: only a regular file of sane
// size is read, and the lookup says which file and why.
void TestGamePath::refusedRegistryFiles_data()
{
    QTest::addColumn<QString>("kind");
    for (const QString &kind : hostile::kinds())
        QTest::newRow(qPrintable(kind)) << kind;
}

void TestGamePath::refusedRegistryFiles()
{
    QFETCH(QString, kind);
    TempGameInstallation game;
    const QString path = game.prefix() + QStringLiteral("/system.reg");
    QVERIFY(QFile::remove(path));
    hostile::make(kind, path, MaxRegistryFileSize);
    if (QTest::currentTestFailed())
        return;
    QString message;
    QCOMPARE(findGamePath(game.prefix(), &message), QString());
    QCOMPARE(message, hostile::refusal(kind, path, MaxRegistryFileSize));
}

// The same for the game's text file, whose campaign list the campaign editor
// loads and stores; a store refused this way changes nothing.
void TestGamePath::refusedTextFiles_data()
{
    refusedRegistryFiles_data();
}

void TestGamePath::refusedTextFiles()
{
    QFETCH(QString, kind);
    QTemporaryDir game;
    const QString path = game.filePath(QStringLiteral("Text.cod"));
    hostile::make(kind, path, GameTextCodec::MaxFileSize);
    if (QTest::currentTestFailed())
        return;
    const QFileInfo before(path);
    const QString expected = hostile::refusal(kind, path, GameTextCodec::MaxFileSize);

    const Result<QStringList> loaded = GameTextCodec::loadCampaignList(game.path());
    QVERIFY(!loaded);
    QCOMPARE(loaded.error(), expected);
    const Result<void> stored = GameTextCodec::storeCampaignList(game.path(), {"neu.szs"});
    QVERIFY(!stored);
    QCOMPARE(stored.error(), expected);
    const QFileInfo after(path);
    QCOMPARE(after.exists(), before.exists());
    QCOMPARE(after.size(), before.size());
    QCOMPARE(after.isSymLink(), before.isSymLink());
}

void TestGamePath::wholeFileReadsUpToItsLimit()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("zehn"));
    testfiles::write(path, "0123456789");
    const Result<QByteArray> whole = readWholeFile(path, 10);
    QCOMPARE(whole.valueOr("refused"), QByteArray("0123456789"));
    QVERIFY(whole.error().isEmpty());
    const Result<QByteArray> tooLarge = readWholeFile(path, 9);
    QVERIFY(!tooLarge);
    QCOMPARE(tooLarge.error(), msg::fileTooLarge(path, 9));
    testfiles::write(path, {});
    QCOMPARE(readWholeFile(path, 0).valueOr("refused"), QByteArray());
}

QTEST_GUILESS_MAIN(TestGamePath)
#include "tst_gamepath.moc"
