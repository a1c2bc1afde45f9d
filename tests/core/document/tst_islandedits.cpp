#include "core/common/messages.h"
#include "core/document/rumoszen.h"
#include "support/documentio.h"
#include "support/gameinstallation.h"
#include "support/scenariobuilder.h"
#include "support/tempfiles.h"

#include <QTemporaryDir>
#include <QtTest>
#include <limits>

using namespace scenario;

namespace {

QByteArray recordBytes(const Insel &island)
{
    return QByteArray(reinterpret_cast<const char *>(island.record().data()), 116);
}

QByteArray layerBytes(const Inselhaus &layer)
{
    return QByteArray(reinterpret_cast<const char *>(layer.tiles()), layer.byteSize());
}

// What inserting makes of a template's record: number and place set, the
// city owners 7, the own-ground flag `ownGround`.
QByteArray placedRecord(QByteArray record, int number, int x, int y, int ownGround)
{
    record = record.leftJustified(116, '\0', true);
    record[0] = char(number);
    record[4] = char(x & 0xFF);
    record[5] = char(x >> 8);
    record[6] = char(y & 0xFF);
    record[7] = char(y >> 8);
    for (int slot = 12; slot < 20; ++slot)
        record[slot] = 7;
    record[101] = char(ownGround);
    return record;
}

QByteArray savedIsland(const QByteArray &record, const QByteArrayList &layers = {})
{
    QByteArray b = chunk("INSEL5", record);
    for (const QByteArray &layer : layers)
        b += chunk("INSELHAUS", layer);
    return b + chunk("HIRSCH2", {}) + chunk("STADT4", {}) + chunk("KONTOR2", {});
}

std::unique_ptr<Insel> islandFromBytes(const QByteArray &bytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("vorlage.scp"));
    testfiles::write(path, bytes);
    QString why;
    std::unique_ptr<Insel> island = Insel::fromTemplateFile(path, &why);
    if (!island)
        qWarning() << why;
    return island;
}

const QByteArray kGround = tile(6, 0, 0) + tile(6, 5, 3);
const QByteArray kHouses = tile(1501, 2, 1, true, 0, 1);

} // namespace

class TestIslandEdits : public QObject {
    Q_OBJECT

private slots:
    void refusedTemplates_data();
    void refusedTemplates();
    void insertedIslandIsOfItsOwn_data();
    void insertedIslandIsOfItsOwn();
    void placingFollowsTheMoveRule_data();
    void placingFollowsTheMoveRule();
    void freeIslandNumber_data();
    void freeIslandNumber();
    void deleteReferenceIslands_data();
    void deleteReferenceIslands();
    void exportDeleteInsertRoundTrip_data();
    void exportDeleteInsertRoundTrip();
    void groundCopyHasOnlyTheGround_data();
    void groundCopyHasOnlyTheGround();
};

void TestIslandEdits::refusedTemplates_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("asFolder");
    QTest::addColumn<QString>("message"); // "<path>" stands for the file

    const QString path = QStringLiteral("<path>");
    const QByteArray record = islandRecord(placed(9, 0, 0, 6, 4));
    const QByteArray whole = templateFile(record, {kGround});
    QTest::newRow("missing") << QByteArray() << false << msg::fileNotFound(path);
    QTest::newRow("a folder") << QByteArray() << true << msg::notARegularFile(path);
    QTest::newRow("header cut short")
        << whole + QByteArray("INSELHAUS") << false << msg::templateCutShort(path);
    QTest::newRow("payload cut short") << whole.chopped(1) << false << msg::templateCutShort(path);
    QTest::newRow("no island record") << chunk("INSELHAUS", kGround) + chunk("INSEL6", record)
                                      << false << msg::templateWithoutIsland(path);
    QTest::newRow("no area") << templateFile(islandRecord(placed(9, 0, 0, 0, 4)), {kGround})
                             << false << msg::templateWithoutArea(path);
    QTest::newRow("layer longer than a scenario chunk")
        << templateFile(record, {kGround, QByteArray(1000008, '\1')}) << false
        << msg::templateLayerTooLong(path);
}

void TestIslandEdits::refusedTemplates()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, asFolder);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("vorlage.scp"));
    if (asFolder)
        QVERIFY(QDir().mkdir(path));
    else if (!bytes.isEmpty())
        testfiles::write(path, bytes);
    QString why;
    QCOMPARE(Insel::fromTemplateFile(path, &why), nullptr);
    QCOMPARE(why, message.replace(QStringLiteral("<path>"), path));
}

void TestIslandEdits::insertedIslandIsOfItsOwn_data()
{
    QTest::addColumn<QByteArray>("recordChunk");
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<int>("ownGround"); // as the inserted record has it
    QTest::addColumn<bool>("withIslands");

    IslandSpec island = placed(9, 0, 0, 6, 4);
    island.cityOwners = {1, 2, 7, 7, 7, 7, 7, 0};
    island.ownGround = 0;
    const QByteArray ground0 = islandRecord(island);
    island.ownGround = 3;
    const QByteArray ground3 = islandRecord(island);
    QTest::newRow("INSEL5, ground flag 0") << QByteArray("INSEL5") << ground0 << 1 << true;
    QTest::newRow("INSEL5, ground flag 3 kept") << QByteArray("INSEL5") << ground3 << 3 << true;
    QTest::newRow("INSEL4") << QByteArray("INSEL4") << ground0 << 1 << true;
    QTest::newRow("INSEL3 of 80 bytes") << QByteArray("INSEL3") << ground0.left(80) << 1 << true;
    QTest::newRow("scenario without island chunks")
        << QByteArray("INSEL5") << ground0 << 1 << false;
}

// The template's first island record with number, place, owners and ground
// flag set and all its layers, saved at its number's place among the islands;
// one step that undo takes back completely.
void TestIslandEdits::insertedIslandIsOfItsOwn()
{
    QFETCH(QByteArray, recordChunk);
    QFETCH(QByteArray, record);
    QFETCH(int, ownGround);
    QFETCH(bool, withIslands);
    const QByteArray zero = islandRecord(placed(0, 10, 10, 5, 5));
    const QByteArray three = islandRecord(placed(3, 200, 10, 5, 5));
    const QByteArray file = withIslands
                                ? chunk("INSEL5", zero) + chunk("INSEL5", three) + minimalScenario()
                                : chunk("CUSTOM", pattern(8)) + minimalScenario();
    RumoSzen doc(QString(), nullptr);
    QVERIFY(load(doc, file));
    const QByteArray before = saved(doc);

    std::unique_ptr<Insel> island = islandFromBytes(
        templateFile(record, {kGround, kHouses}, recordChunk) + chunk("INSEL5", three));
    QVERIFY(island);
    Insel *inserted = doc.insertIsland(std::move(island), 50, 300);
    const int number = withIslands ? 1 : 0;
    QVERIFY(inserted);
    QCOMPARE(doc.island(number), inserted);
    QCOMPARE(doc.undoStack()->count(), 1);
    QCOMPARE(doc.undoStack()->text(0), QStringLiteral("Insel %1 einfügen").arg(number));
    QVERIFY(doc.isModified());
    QVERIFY(!inserted->hasSettlements());

    const QByteArray expectedRecord = placedRecord(record, number, 50, 300, ownGround);
    const QByteArray islandChunks = savedIsland(expectedRecord, {kGround, kHouses});
    const QByteArray after =
        withIslands ? savedIsland(zero) + islandChunks + savedIsland(three) + minimalScenario()
                    : chunk("CUSTOM", pattern(8)) + islandChunks + minimalScenario();
    QCOMPARE(saved(doc), after);

    doc.undoStack()->undo();
    QCOMPARE(doc.island(number), nullptr);
    QCOMPARE(saved(doc), before);
    QVERIFY(!doc.isModified());
    doc.undoStack()->redo();
    QCOMPARE(saved(doc), after);

    RumoSzen again(QString(), nullptr);
    QVERIFY(load(again, after));
    QCOMPARE(recordBytes(*again.island(number)), expectedRecord);
    QCOMPARE(again.island(number)->layers().size(), size_t(2));
    QCOMPARE(layerBytes(*again.island(number)->layers()[1]), kHouses);
    QCOMPARE(saved(again), after);
}

void TestIslandEdits::placingFollowsTheMoveRule_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QString>("why");

    const QString free;
    auto outside = [](int x, int y) { return msg::placeOutsideWorld(x, y, 6, 4); };
    constexpr int max = std::numeric_limits<int>::max();
    QTest::newRow("top left corner") << 0 << 0 << free;
    QTest::newRow("bottom right corner") << 506 << 348 << free;
    QTest::newRow("one beyond the right") << 507 << 0 << outside(507, 0);
    QTest::newRow("one beyond the bottom") << 0 << 349 << outside(0, 349);
    QTest::newRow("left of the world") << -1 << 0 << outside(-1, 0);
    QTest::newRow("far away") << max << max << outside(max, max);
    QTest::newRow("touching the island's left") << 94 << 100 << free;
    QTest::newRow("on the island's left edge") << 95 << 100 << msg::placeOverlaps(95, 100, 0);
    QTest::newRow("on its bottom right corner") << 119 << 114 << msg::placeOverlaps(119, 114, 0);
    QTest::newRow("touching the island's right") << 120 << 100 << free;
}

void TestIslandEdits::placingFollowsTheMoveRule()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QString, why);
    RumoSzen doc(QString(), nullptr);
    QVERIFY(load(doc, chunk("INSEL5", islandRecord(placed(0, 100, 100, 20, 15))) +
                          chunk("INSEL5", islandRecord(placed(5, 400, 300, 6, 4))) +
                          minimalScenario()));
    const QByteArray before = saved(doc);
    std::unique_ptr<Insel> island =
        islandFromBytes(templateFile(islandRecord(placed(9, 0, 0, 6, 4)), {kGround}));
    QVERIFY(island);
    QCOMPARE(doc.whyNotPlace(*island, x, y), why);
    QCOMPARE(doc.canPlaceIsland(*island, x, y), why.isEmpty());

    // Island 5 has the same size: dragging it there is allowed alike.
    Insel &five = *doc.island(5);
    QCOMPARE(doc.MoveIsland(five, x - 400, y - 300), why.isEmpty());
    doc.MoveIsland(five, 400 - x, 300 - y);

    const Insel *inserted = doc.insertIsland(std::move(island), x, y);
    QCOMPARE(inserted != nullptr, why.isEmpty());
    if (inserted) {
        QCOMPARE(inserted->x(), x);
        QCOMPARE(inserted->y(), y);
    } else {
        QCOMPARE(doc.undoStack()->count(), 0);
        QCOMPARE(saved(doc), before);
    }
}

void TestIslandEdits::freeIslandNumber_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("deleted");  // an island deleted first; -1: none
    QTest::addColumn<int>("expected"); // -1: none

    auto islands = [](std::initializer_list<int> numbers) {
        QByteArray b;
        for (int n : numbers)
            b += chunk("INSEL5", islandRecord(placed(n, 2 * n, 0, 1, 1)));
        return b;
    };
    QByteArray all;
    for (int n = 0; n < 256; ++n)
        all += chunk("INSEL5", islandRecord(placed(n, n % 256, n / 256, 1, 1)));
    QTest::newRow("no island") << minimalScenario() << -1 << 0;
    QTest::newRow("a gap") << islands({0, 1, 3}) + minimalScenario() << -1 << 2;
    QTest::newRow("a deleted island's number") << islands({0, 1}) + minimalScenario() << 0 << 0;
    QTest::newRow("a number another island held too")
        << islands({0, 1}) + chunk("INSEL5", islandRecord(placed(0, 50, 50, 1, 1))) +
               minimalScenario()
        << 0 << 2;
    QTest::newRow("a city without its island")
        << islands({1}) + chunk("STADT4", city(0, 0, 0, "Waise")) + minimalScenario() << -1 << 2;
    QTest::newRow("a trading post without its island")
        << chunk("KONTOR2", tradingPost(0, 0)) + minimalScenario() << -1 << 1;
    QTest::newRow("a reference without its template")
        << chunk("SZENE", szene({islandReference({0, 0, false, 0, 65535, 0, 0})})) +
               minimalScenario()
        << -1 << 1;
    QTest::newRow("all 256 used") << all + minimalScenario() << -1 << -1;
}

void TestIslandEdits::freeIslandNumber()
{
    QFETCH(QByteArray, file);
    QFETCH(int, deleted);
    QFETCH(int, expected);
    RumoSzen doc(QString(), nullptr);
    QVERIFY(load(doc, file));
    if (deleted >= 0)
        QVERIFY(doc.deleteIsland(*doc.island(deleted)));
    QCOMPARE(doc.freeIslandNumber().value_or(-1), expected);
    std::unique_ptr<Insel> island =
        islandFromBytes(templateFile(islandRecord(placed(9, 0, 0, 2, 2)), {kGround}));
    const Insel *inserted = doc.insertIsland(std::move(island), 500, 340);
    QCOMPARE(inserted ? inserted->number() : -1, expected);
    QCOMPARE(doc.undoStack()->count(), (deleted >= 0) + (expected >= 0));
}

void TestIslandEdits::deleteReferenceIslands_data()
{
    QTest::addColumn<QList<int>>("deleted"); // island numbers, in order
    QTest::addColumn<bool>("moveNine");
    QTest::newRow("first") << QList<int>{2} << false;
    QTest::newRow("middle") << QList<int>{5} << false;
    QTest::newRow("last") << QList<int>{9} << false;
    QTest::newRow("two, later one first") << QList<int>{5, 2} << false;
    QTest::newRow("after moving another") << QList<int>{5} << true;
    QTest::newRow("the moved one") << QList<int>{9} << true;
}

// Each deleted reference leaves the SZENE payload with its 16 bytes; the
// count drops, the rest keeps its order and bytes. Undo restores the bytes.
void TestIslandEdits::deleteReferenceIslands()
{
    QFETCH(QList<int>, deleted);
    QFETCH(bool, moveNine);
    TempGameInstallation game;
    game.addFile("nord/lit.scp", templateFile(islandRecord(placed(9, 0, 0, 16, 12)), {kGround}));
    QList<ReferenceSpec> refs;
    for (int n : {2, 5, 7, 9})
        refs.append(ReferenceSpec{0, 0, false, n, 65535, 20 * n, 100});
    auto szeneOf = [&refs](const QList<int> &without) {
        QByteArrayList entries;
        for (const ReferenceSpec &r : refs) {
            if (!without.contains(r.number))
                entries << islandReference(r);
        }
        return chunk("SZENE", szene(entries));
    };
    const QByteArray own = chunk("INSEL5", islandRecord(placed(1, 10, 10, 5, 5)));
    const QByteArray settlements = chunk("STADT4", city(7, 0, 3, "Siebenburg"));
    RumoSzen doc(game.gameFolder(), nullptr);
    QVERIFY(load(doc, own + szeneOf({}) + settlements + minimalScenario()));
    const QByteArray before = saved(doc);

    // A reference island with a city stays.
    QVERIFY(!doc.canDeleteIsland(*doc.island(7)));
    QVERIFY(!doc.deleteIsland(*doc.island(7)));
    if (moveNine) {
        doc.MoveIsland(*doc.island(9), 3, 4);
        doc.recordIslandMove(*doc.island(9), 3, 4);
        refs[3].x += 3;
        refs[3].y += 4;
    }
    for (int n : deleted) {
        QVERIFY(doc.canDeleteIsland(*doc.island(n)));
        QVERIFY(doc.deleteIsland(*doc.island(n)));
    }
    const QByteArray after = saved(doc);
    const QByteArray savedSettlements =
        chunk("HIRSCH2", {}) + chunk("STADT4", city(7, 0, 3, "Siebenburg")) + chunk("KONTOR2", {});
    // Island 7's settlements go with the islands, where the first island
    // chunk stood.
    QCOMPARE(after, savedIsland(islandRecord(placed(1, 10, 10, 5, 5))) + savedSettlements +
                        szeneOf(deleted) + minimalScenario());

    RumoSzen again(game.gameFolder(), nullptr);
    QVERIFY(load(again, after));
    for (int n : {1, 2, 5, 7, 9}) {
        if (deleted.contains(n)) {
            QCOMPARE(again.island(n), nullptr);
            continue;
        }
        QVERIFY(again.island(n));
        QCOMPARE(recordBytes(*again.island(n)), recordBytes(*doc.island(n)));
        QCOMPARE(again.island(n)->layers().size(), doc.island(n)->layers().size());
    }
    QCOMPARE(again.island(7)->cityInSlot(0).name(), QStringLiteral("Siebenburg"));
    QCOMPARE(saved(again), after);

    while (doc.undoStack()->canUndo())
        doc.undoStack()->undo();
    QCOMPARE(saved(doc), before);
}

void TestIslandEdits::exportDeleteInsertRoundTrip_data()
{
    QTest::addColumn<QByteArray>("subject"); // island 1's chunks or SZENE
    QTest::addColumn<int>("ownGround");      // of the island inserted again

    IslandSpec own = placed(1, 60, 70, 6, 4);
    own.cityOwners[7] = 2; // slot 7 holds no city
    const QByteArray ownGround = chunk("INSEL5", islandRecord(own)) + chunk("INSELHAUS", kGround) +
                                 chunk("INSELHAUS", kHouses);
    own.ownGround = 0;
    const QByteArray templateGround =
        chunk("INSEL5", islandRecord(own)) + chunk("INSELHAUS", {}) + chunk("INSELHAUS", kHouses);
    own.ownGround = 1;
    const QByteArray oldLayout = chunk("INSEL_MAXFUN", oldIslandRecord(own)) +
                                 chunk("INSELHAUS", kGround) + chunk("INSELHAUS", kHouses);
    const QByteArray reference =
        chunk("SZENE", szene({islandReference({0, 0, false, 1, 65535, 60, 70})}));
    QTest::newRow("own ground") << ownGround << 1;
    QTest::newRow("ground from its template") << templateGround << 1;
    QTest::newRow("older layout") << oldLayout << 1;
    QTest::newRow("built from a reference") << reference << 5;
}

// Exported, deleted and inserted at the same place, an island comes back
// with its record and ground; only the owners (cleared by the export) and
// the own-ground flag (set by the insertion) may differ.
void TestIslandEdits::exportDeleteInsertRoundTrip()
{
    QFETCH(QByteArray, subject);
    QFETCH(int, ownGround);
    TempGameInstallation game;
    IslandSpec stock = placed(4, 0, 0, 6, 4);
    stock.ownGround = 5;
    game.addFile("nord/lit.scp", templateFile(islandRecord(stock), {kGround, kHouses}));
    RumoSzen doc(game.gameFolder(), nullptr);
    QVERIFY(load(doc, chunk("INSEL5", islandRecord(placed(0, 10, 10, 5, 5))) + subject +
                          chunk("INSEL5", islandRecord(placed(2, 200, 10, 5, 5))) +
                          minimalScenario()));
    const Insel &original = *doc.island(1);
    QByteArray expected = recordBytes(original);
    for (int slot = 12; slot < 20; ++slot)
        expected[slot] = 7;
    expected[101] = char(ownGround);
    const QByteArray ground = layerBytes(*original.layers()[0]);
    const int x = original.x();
    const int y = original.y();

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("insel1.scp"));
    QVERIFY(doc.exportIsland(original, path));
    QVERIFY(doc.deleteIsland(*doc.island(1)));
    QString why;
    std::unique_ptr<Insel> island = Insel::fromTemplateFile(path, &why);
    QVERIFY2(island, qPrintable(why));
    const Insel *back = doc.insertIsland(std::move(island), x, y);
    QVERIFY(back);
    QCOMPARE(back->number(), 1);
    QCOMPARE(recordBytes(*back), expected);
    QCOMPARE(back->layers().size(), size_t(1));
    QCOMPARE(layerBytes(*back->layers()[0]), ground);

    RumoSzen again(game.gameFolder(), nullptr);
    QVERIFY(load(again, saved(doc)));
    QCOMPARE(recordBytes(*again.island(1)), expected);
    QCOMPARE(layerBytes(*again.island(1)->layers()[0]), ground);
}

void TestIslandEdits::groundCopyHasOnlyTheGround_data()
{
    QTest::addColumn<int>("source");
    QTest::newRow("own ground, cities and deer") << 1;
    QTest::newRow("ground from its template") << 2;
    QTest::newRow("built from a reference, with a city") << 3;
}

// A duplicate is an island of its own with the source's record (no owners,
// own ground) and its ground alone; the source stays as it was.
void TestIslandEdits::groundCopyHasOnlyTheGround()
{
    QFETCH(int, source);
    TempGameInstallation game;
    const QByteArray stockGround = tile(7, 0, 0) + tile(7, 5, 3);
    game.addFile("nord/lit.scp",
                 templateFile(islandRecord(placed(4, 0, 0, 6, 4)), {stockGround, kHouses}));
    IslandSpec one = placed(1, 10, 10, 6, 4);
    one.cityOwners[0] = 2;
    IslandSpec two = placed(2, 100, 10, 6, 4);
    two.ownGround = 0;
    const QByteArray file =
        ScenarioBuilder()
            .chunk("INSEL5", islandRecord(one))
            .chunk("INSELHAUS", kGround)
            .chunk("INSELHAUS", kHouses)
            .chunk("INSEL5", islandRecord(two))
            .chunk("INSELHAUS", {})
            .chunk("INSELHAUS", kHouses)
            .chunk("HIRSCH2", deer(1))
            .chunk("STADT4", city(1, 0, 2, "Eins") + city(3, 1, 0, "Drei"))
            .chunk("KONTOR2", tradingPost(1, 0))
            .chunk("SZENE", szene({islandReference({0, 0, false, 3, 65535, 200, 10})}))
            .raw(minimalScenario())
            .bytes();
    RumoSzen doc(game.gameFolder(), nullptr);
    QVERIFY(load(doc, file));
    const QByteArray before = saved(doc);
    const Insel &from = *doc.island(source);
    const QByteArray ground = layerBytes(*from.layers()[0]);

    std::unique_ptr<Insel> copy = from.groundCopy();
    QVERIFY(!copy->hasSettlements());
    QVERIFY(copy->canDelete());
    QVERIFY(!copy->referenceEntry());
    const Insel *placedCopy = doc.insertIsland(std::move(copy), 300, 300);
    QVERIFY(placedCopy);
    QCOMPARE(placedCopy->number(), 0);
    QByteArray expected = recordBytes(from);
    for (int slot = 12; slot < 20; ++slot)
        expected[slot] = 7;
    expected[0] = 0;
    expected[4] = char(300 & 0xFF);
    expected[5] = char(300 >> 8);
    expected[6] = char(300 & 0xFF);
    expected[7] = char(300 >> 8);
    expected[101] = char(1);

    RumoSzen again(game.gameFolder(), nullptr);
    QVERIFY(load(again, saved(doc)));
    const Insel &dup = *again.island(0);
    QCOMPARE(recordBytes(dup), expected);
    QCOMPARE(dup.layers().size(), size_t(1));
    QCOMPARE(layerBytes(*dup.layers()[0]), ground);
    QVERIFY(!dup.hasSettlements());
    QCOMPARE(again.island(source)->layers().size(), from.layers().size());
    QCOMPARE(again.island(source)->hasSettlements(), from.hasSettlements());
    doc.undoStack()->undo();
    QCOMPARE(saved(doc), before);

    // A template's ground too long for a scenario chunk is not inserted.
    game.addFile("nord/mit.scp",
                 templateFile(islandRecord(placed(4, 0, 0, 6, 4)), {QByteArray(1000008, '\1')}));
    RumoSzen huge(game.gameFolder(), nullptr);
    QVERIFY(load(huge, chunk("SZENE", szene({islandReference({0, 1, false, 3, 65535, 0, 0})})) +
                           minimalScenario()));
    QCOMPARE(huge.insertIsland(huge.island(3)->groundCopy(), 300, 300), nullptr);
    QCOMPARE(huge.undoStack()->count(), 0);
}

QTEST_GUILESS_MAIN(TestIslandEdits)
#include "tst_islandedits.moc"
