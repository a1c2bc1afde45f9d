// A save keeps every record the load read: saving a loaded scenario without
// an edit and loading what was saved gives the same islands, cities, trading
// posts, deer, ships and carts, record for record, also where the map cannot
// show them (a missing template, a number used twice, a settlement of no
// island). Held over every demo scenario with and without the game
// installation, and over one small file per way a record can miss its place.

#include "core/document/rumoszen.h"
#include "core/game/gamepath.h"
#include "support/documentio.h"
#include "support/documentrecords.h"
#include "support/gameinstallation.h"
#include "support/scenariobuilder.h"
#include "support/tempfiles.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace scenario;

namespace {

qsizetype unplacedRecords(const RumoSzen &doc)
{
    qsizetype count = 0;
    for (const UnplacedSettlements &u : doc.unplacedSettlements())
        count += qsizetype(u.cities.size() + u.tradingPosts.size() + u.deer.size());
    return count;
}

QByteArray tiles(int count, int building)
{
    QByteArray layer;
    for (int i = 0; i < count; ++i)
        layer += tile(building + i, i, i / 2);
    return layer;
}

} // namespace

class TestSaveKeepsRecords : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void reloadHoldsTheRecordsOfTheLoad_data();
    void reloadHoldsTheRecordsOfTheLoad();
    void savingWithoutTheGameWritesTheFileAsRead_data();
    void savingWithoutTheGameWritesTheFileAsRead();

private:
    QTemporaryDir demo_;
    QTemporaryDir emptyPrefix_;
    QString demoGame_;
    QStringList demoScenarios_;
    // Holds the template "nord\lit.scp"; "nord\mit.scp" is a folder, which
    // the template reader refuses; every other template is missing.
    TempGameInstallation game_;
};

void TestSaveKeepsRecords::initTestCase()
{
    QProcess generator;
    generator.start(QStringLiteral(MARBOLT_DEMO_BIN), {demo_.path()});
    QVERIFY(generator.waitForFinished(60000));
    QCOMPARE(generator.exitCode(), 0);
    demoGame_ = findGamePath(QDir(demo_.path()).filePath(QStringLiteral("wine")));
    QVERIFY(!demoGame_.isEmpty());
    // A Wine prefix without the game: no templates at all.
    QVERIFY(emptyPrefix_.isValid());
    QVERIFY(findGamePath(emptyPrefix_.path()).isEmpty());
    const QDir folder(QDir(demo_.path()).filePath(QStringLiteral("Szenarien")));
    for (const QString &name : folder.entryList(QDir::Files, QDir::Name))
        demoScenarios_ << folder.filePath(name);
    QVERIFY(demoScenarios_.size() >= 5);

    IslandSpec lit = placed(0, 0, 0, 12, 10);
    game_.addFile(QStringLiteral("nord\\lit.scp"),
                  templateFile(islandRecord(lit), {tiles(6, 1201), tiles(2, 501)}));
    QVERIFY(QDir().mkpath(game_.gameFolder() + QStringLiteral("/nord/mit.scp")));
}

void TestSaveKeepsRecords::reloadHoldsTheRecordsOfTheLoad_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("gamePath");
    // What the first load must hold, so that each case tests what it names.
    QTest::addColumn<int>("unplaced");
    QTest::addColumn<int>("displaced");

    for (const QString &path : std::as_const(demoScenarios_)) {
        const QByteArray file = testfiles::read(path);
        const QByteArray name = QFileInfo(path).fileName().toUtf8();
        QTest::newRow(name + " with the game") << file << demoGame_ << -1 << 0;
        QTest::newRow(name + " without the game")
            << file << findGamePath(emptyPrefix_.path()) << -1 << 0;
    }

    const QString game = game_.gameFolder();
    const QByteArray timers = chunk("TIMERS", settings());
    const QByteArray own1 = chunk("INSEL5", islandRecord(placed(1, 10, 10, 20, 15))) +
                            chunk("INSELHAUS", tiles(4, 1201)) + chunk("INSELHAUS", tiles(2, 501));
    // The settlements of island 2, which each case below fails to show.
    const QByteArray of2 = chunk("HIRSCH2", deerRun(2, 3)) +
                           chunk("STADT4", city(2, 1, 0, "Zweistadt") + city(2, 0, 1, "Nulldorf")) +
                           chunk("KONTOR2", tradingPost(2, 1) + tradingPost(2, 0));
    auto referenceTo2 = [](int climate, int size) {
        ReferenceSpec r;
        r.climate = climate;
        r.sizeClass = size;
        r.number = 2;
        r.x = 100;
        r.y = 100;
        return chunk("SZENE", szene({islandReference(r)}));
    };

    QTest::newRow("no island of the number") << QByteArray(own1 + of2 + timers) << game << 7 << 0;
    QTest::newRow("settlements before the island section")
        << QByteArray(of2 + own1 + timers) << game << 7 << 0;
    QTest::newRow("template missing")
        << QByteArray(referenceTo2(0, 2) + own1 + of2 + timers) << game << 7 << 0;
    QTest::newRow("template refused")
        << QByteArray(referenceTo2(0, 1) + own1 + of2 + timers) << game << 7 << 0;
    QTest::newRow("climate out of range")
        << QByteArray(referenceTo2(3, 0) + own1 + of2 + timers) << game << 7 << 0;
    QTest::newRow("size class out of range")
        << QByteArray(of2 + referenceTo2(0, 5) + own1 + timers) << game << 7 << 0;
    QTest::newRow("no game installation")
        << QByteArray(referenceTo2(0, 0) + own1 + of2 + timers) << QString() << 7 << 0;
    QTest::newRow("template read")
        << QByteArray(referenceTo2(0, 0) + own1 + of2 + timers) << game << 0 << 0;
    QTest::newRow("city in slot 9")
        << QByteArray(own1 + chunk("STADT4", city(1, 9, 0, "Neunstadt") + city(1, 2, 0, "Zwei")) +
                      timers)
        << game << 1 << 0;
    QTest::newRow("two cities in one slot")
        << QByteArray(own1 + chunk("STADT4", city(1, 2, 0, "Erste") + city(1, 2, 0, "Zweite")) +
                      timers)
        << game << 1 << 0;
    QTest::newRow("deer of another island stay rejected")
        << QByteArray(own1 + chunk("HIRSCH2", deer(1) + deer(2) + deer(1)) + timers) << game << 0
        << 0;

    const QByteArray own2 = chunk("INSEL5", islandRecord(placed(2, 100, 100, 12, 10))) +
                            chunk("INSELHAUS", tiles(5, 1201));
    const QByteArray other2 = chunk("INSEL5", islandRecord(placed(2, 200, 150, 30, 20))) +
                              chunk("INSELHAUS", tiles(3, 1301)) +
                              chunk("INSELHAUS", tiles(1, 501));
    QTest::newRow("own island number taken twice")
        << QByteArray(own1 + own2 + of2 + other2 + timers) << game << 0 << 1;
    QTest::newRow("own island number taken three times")
        << QByteArray(own2 + other2 + own1 + own2 + of2 + timers) << game << 0 << 2;
    QTest::newRow("reference after an own island of its number")
        << QByteArray(own2 + of2 + referenceTo2(0, 0) + timers) << game << 0 << 1;
    QTest::newRow("reference before an own island of its number")
        << QByteArray(referenceTo2(0, 0) + of2 + own2 + timers) << game << 0 << 1;
    QTest::newRow("reference between own islands")
        << QByteArray(own1 + referenceTo2(0, 0) + of2 + own2 + timers) << game << 0 << 1;

    IslandSpec groundFromTemplate = placed(3, 300, 200, 12, 10);
    groundFromTemplate.ownGround = 0;
    groundFromTemplate.sizeClass = 2; // no such template
    const QByteArray buildingsOnly = chunk("INSEL5", islandRecord(groundFromTemplate)) +
                                     chunk("INSELHAUS", {}) + chunk("INSELHAUS", tiles(3, 501)) +
                                     chunk("INSELHAUS", tiles(2, 601));
    QTest::newRow("own ground from a template not read")
        << QByteArray(own1 + buildingsOnly + timers) << game << 0 << 0;
    QTest::newRow("own ground without the game")
        << QByteArray(own1 + buildingsOnly + timers) << QString() << 0 << 0;
    QTest::newRow("layer before any island")
        << QByteArray(chunk("INSELHAUS", tiles(2, 1201)) + own1 + timers) << game << 0 << 0;
    QTest::newRow("layer after a reference")
        << QByteArray(own1 + referenceTo2(0, 0) + chunk("INSELHAUS", tiles(2, 1401)) + of2 + timers)
        << game << 0 << 0;
    QTest::newRow("layer after a reference, empty island chunk before it")
        << QByteArray(referenceTo2(0, 0) + chunk("INSEL5", {}) +
                      chunk("INSELHAUS", tiles(2, 1401)) + own1 + timers)
        << game << 0 << 0;
    QTest::newRow("layer after a reference not read")
        << QByteArray(own1 + referenceTo2(0, 2) + chunk("INSELHAUS", tiles(2, 1401)) + timers)
        << game << 0 << 0;
}

void TestSaveKeepsRecords::reloadHoldsTheRecordsOfTheLoad()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, gamePath);
    QFETCH(int, unplaced);
    QFETCH(int, displaced);

    RumoSzen first(gamePath, nullptr);
    QVERIFY(load(first, file));
    if (unplaced >= 0)
        QCOMPARE(unplacedRecords(first), qsizetype(unplaced));
    QCOMPARE(int(first.displacedIslands().size()), displaced);
    const QByteArray save = saved(first);

    RumoSzen second(gamePath, nullptr);
    QVERIFY(load(second, save));
    QCOMPARE(recordsDiffer(first, second), QString());
    // What a save wrote, a save writes again.
    QCOMPARE(saved(second), save);
}

// Without the game's templates the islands built from them cannot be shown,
// yet their cities, trading posts and deer go back where they stood: the
// demo scenarios, which a save with the game writes back unchanged, come out
// byte for byte.
void TestSaveKeepsRecords::savingWithoutTheGameWritesTheFileAsRead_data()
{
    QTest::addColumn<QString>("path");
    // The deer that only the scenario holds for islands of the templates.
    QTest::addColumn<int>("unplaced");
    for (const QString &path : std::as_const(demoScenarios_)) {
        const QString name = QFileInfo(path).fileName();
        const bool mainDemo =
            name == QLatin1String("Inselreich.szs") || name == QLatin1String("Spielstand 1.gam");
        QTest::newRow(name.toUtf8()) << path << (mainDemo ? 3 : 0);
    }
}

void TestSaveKeepsRecords::savingWithoutTheGameWritesTheFileAsRead()
{
    QFETCH(QString, path);
    QFETCH(int, unplaced);
    const QByteArray file = testfiles::read(path);
    RumoSzen withGame(demoGame_, nullptr);
    QVERIFY(load(withGame, file));
    QCOMPARE(saved(withGame), file);

    RumoSzen withoutGame(findGamePath(emptyPrefix_.path()), nullptr);
    QVERIFY(load(withoutGame, file));
    QCOMPARE(unplacedRecords(withoutGame), qsizetype(unplaced));
    QCOMPARE(saved(withoutGame), file);
}

QTEST_GUILESS_MAIN(TestSaveKeepsRecords)
#include "tst_savekeepsrecords.moc"
