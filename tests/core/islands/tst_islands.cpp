#include "core/common/bytes.h"
#include "core/common/messages.h"
#include "core/document/rumoszen.h"
#include "support/documentio.h"
#include "support/gameinstallation.h"
#include "support/scenariobuilder.h"
#include "support/tempfiles.h"

#include "core/format/chunkfile.h"
#include "support/hostilefiles.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <limits>

using namespace scenario;

// Readable rectangles in failure messages.
static char *toString(const TileRect &r)
{
    return QTest::toString(
        QStringLiteral("(%1, %2, %3, %4)").arg(r.left).arg(r.top).arg(r.right).arg(r.bottom));
}

namespace {

int islandCount(const RumoSzen &doc)
{
    return int(std::count_if(doc.Islands().begin(), doc.Islands().end(),
                             [](const auto &island) { return island != nullptr; }));
}

QByteArray recordBytes(const Insel &island)
{
    return QByteArray(reinterpret_cast<const char *>(island.record().data()), 116);
}

// An island chunk followed by its three empty settlement chunks, as saved.
QByteArray savedIsland(const QByteArray &record, const QByteArrayList &layers = {})
{
    QByteArray b = chunk("INSEL5", record);
    for (const QByteArray &layer : layers)
        b += chunk("INSELHAUS", layer);
    return b + chunk("HIRSCH2", {}) + chunk("STADT4", {}) + chunk("KONTOR2", {});
}

QByteArray groundTemplate()
{
    return templateFile(islandRecord(placed(9, 0, 0, 16, 12)), {tile(6, 0, 0) + tile(6, 15, 11)});
}

// Island 1 at (10, 20), 20 x 15, with cities in slots 0 and 3, a ground
// layer and two building layers; island 2 has only its ground.
QByteArray cityFixture()
{
    IslandSpec one = placed(1, 10, 20, 20, 15);
    one.cityOwners = {0, 7, 7, 1, 7, 7, 7, 7};
    const QByteArray layer2 = tile(1103, 2, 3, true, 0, 0)    // x 12..15, y 23..26
                              + tile(801, 10, 2, false, 3, 1) // x 20..24, y 22..28
                              + tile(1, 25, 0, true, 0, 0)    // outside the island
                              + tile(2, 0, 10, true, 7, 7)    // hides the next tile
                              + tile(3, 0, 10, true, 0, 0)    //
                              + tile(4, 5, 12, true, 7, 7)    // over layer 3's tile
                              + tile(5, 15, 12, true, 5, 0);  // slot without city
    const QByteArray layer3 = tile(6, 5, 12, true, 3, 1) + tile(7, 18, 14, true, 0, 0);
    return ScenarioBuilder()
        .chunk("INSEL5", islandRecord(one))
        .chunk("INSELHAUS", tile(1, 0, 0, true, 0, 0))
        .chunk("INSELHAUS", layer2)
        .chunk("INSELHAUS", layer3)
        .chunk("INSEL5", islandRecord(placed(2, 100, 100, 10, 10)))
        .chunk("INSELHAUS", tile(1, 0, 0))
        .chunk("STADT4", city(1, 0, 0, "Nord") + city(1, 3, 1, "Ost"))
        .chunk("KONTOR2", tradingPost(1, 3) + tradingPost(1, 0, {1}) + tradingPost(1, 0, {2}))
        .bytes();
}

// Island 1 with cities in slots 0 and 7 owned by `owner0` and `owner7`;
// the tiles of slot 0 are drawn in `owner0`, those of slot 7 in player 5.
QByteArray ownerFixture(int owner0, int owner7)
{
    IslandSpec one = placed(1, 10, 20, 20, 15);
    one.cityOwners = {quint8(owner0), 7, 7, 7, 7, 7, 7, quint8(owner7)};
    return ScenarioBuilder()
        .chunk("PLAYER4", players({0, 1, 3, 3, 2, 3, 6}))
        .chunk("INSEL5", islandRecord(one))
        .chunk("INSELHAUS", tile(1, 0, 0, true, 0, owner0) + tile(2, 1, 0, true, 7, 5))
        .chunk("INSELHAUS", tile(1103, 2, 3, true, 0, owner0) + tile(501, 8, 2, true, 1, 1) +
                                tile(311, 5, 5, false, 7, 5))
        .chunk("STADT4", city(1, 0, owner0, "Nord") + city(1, 7, owner7, "Sieben"))
        .raw(minimalScenario())
        .bytes();
}

} // namespace

class TestIslands : public QObject {
    Q_OBJECT

private slots:
    void oldRecordIsConverted_data();
    void oldRecordIsConverted();
    void shortRecordsArePadded();
    void layerBytesBeyondTheLastTileSurvive_data();
    void layerBytesBeyondTheLastTileSurvive();
    void templateIsFound_data();
    void templateIsFound();
    void firstIslandRecordOfTemplateWins();
    void groundFromTemplateSurvivesRoundTrip();
    void templateLayersAreNeverWrittenIntoTheScenario();
    void missingTemplates_data();
    void missingTemplates();
    void referencesBeyondPayloadIgnored_data();
    void referencesBeyondPayloadIgnored();
    void movedReferenceIsSavedIntoSzene();
    void labelsAndGeometry();
    void moveIsland_data();
    void moveIsland();
    void islandAtTakesLowestNumber();
    void shipAt_data();
    void shipAt();
    void cityAt_data();
    void cityAt();
    void cityBoundsAndTradingPost();
    void setCityOwner_data();
    void setCityOwner();
    void deleteIsland();
    void exportWritesTemplateForm();
    void settlementsHangOnTheirIslands();
    void recordsWithoutIslandAreKept();
    void foreignDeerRecordsDropped_data();
    void foreignDeerRecordsDropped();
    void referenceSettlementsSurvive_data();
    void referenceSettlementsSurvive();
    void settlementChunksStayWithinTheLimit_data();
    void settlementChunksStayWithinTheLimit();
    void islandsShareTemplateLayers();
    void farReferencesStayOutsideTheWorld_data();
    void farReferencesStayOutsideTheWorld();
    void refusedTemplateFiles_data();
    void refusedTemplateFiles();
};

void TestIslands::oldRecordIsConverted_data()
{
    QTest::addColumn<QByteArray>("old");
    QTest::addColumn<int>("usedEntries");

    QByteArray old = oldIslandRecord(placed(1, 30, 40, 12, 9));
    QVERIFY(old[48] && old[56] && (old[3] & 0xF8));
    QTest::newRow("both entries used") << old << 2;
    QTest::newRow("longer payload") << old + "tail" << 2;
    old[56] = old[57] = 0;
    QTest::newRow("second entry unused") << old << 1;
    old[48] = old[49] = 0;
    QTest::newRow("no entry used") << old << 0;
}

void TestIslands::oldRecordIsConverted()
{
    QFETCH(QByteArray, old);
    QFETCH(int, usedEntries);
    RumoSzen doc(QString(), nullptr);
    QVERIFY(load(doc, chunk("INSEL_MAXFUN", old) + minimalScenario()));
    const Insel *island = doc.island(1);
    QVERIFY(island);
    QCOMPARE(island->x(), 30);
    QCOMPARE(island->y(), 40);

    const QByteArray expected = convertedOldRecord(old);
    QCOMPARE(expected[23], char(usedEntries));
    QCOMPARE(expected[3], char(old[3] & 0x07));
    QCOMPARE(expected.mid(112), QByteArray(4, '\0'));
    QCOMPARE(recordBytes(*island), expected);

    // Untouched, the island goes back in the layout it came in; once moved
    // (or otherwise edited) it is written in the current layout.
    const QByteArray settlements =
        chunk("HIRSCH2", {}) + chunk("STADT4", {}) + chunk("KONTOR2", {});
    QCOMPARE(scenario::saved(doc), chunk("INSEL_MAXFUN", old) + settlements + minimalScenario());
    doc.MoveIsland(*doc.island(1), 5, 0);
    doc.MoveIsland(*doc.island(1), -5, 0);
    QCOMPARE(scenario::saved(doc), chunk("INSEL_MAXFUN", old) + settlements + minimalScenario());
    doc.MoveIsland(*doc.island(1), 2, 1);
    QByteArray moved = expected;
    le::setU16(reinterpret_cast<uchar *>(moved.data()), 4, 32);
    le::setU16(reinterpret_cast<uchar *>(moved.data()), 6, 41);
    QCOMPARE(scenario::saved(doc), savedIsland(moved) + minimalScenario());
}

void TestIslands::layerBytesBeyondTheLastTileSurvive_data()
{
    QTest::addColumn<QByteArrayList>("layers");
    QTest::addColumn<QList<int>>("tiles");
    QTest::newRow("ground of one byte") << QByteArrayList{"x", tile(1, 0, 0)} << QList<int>{0, 1};
    QTest::newRow("seven bytes") << QByteArrayList{tile(1, 0, 0), tile(2, 1, 0).left(7)}
                                 << QList<int>{1, 0};
    QTest::newRow("a tile and three bytes")
        << QByteArrayList{tile(1, 0, 0) + "abc", tile(2, 1, 1)} << QList<int>{1, 1};
}

// A layer whose length is no multiple of a tile keeps its last bytes: saved
// and loaded again, the island has the same layers and the same bytes.
void TestIslands::layerBytesBeyondTheLastTileSurvive()
{
    QFETCH(QByteArrayList, layers);
    QFETCH(QList<int>, tiles);
    const QByteArray record = islandRecord(placed(1, 10, 10, 8, 8));
    QByteArray file = chunk("INSEL5", record);
    for (const QByteArray &layer : layers)
        file += chunk("INSELHAUS", layer);
    file += minimalScenario();
    RumoSzen doc(QString(), nullptr);
    QVERIFY(load(doc, file));
    QCOMPARE(int(doc.island(1)->layers().size()), int(layers.size()));
    for (int l = 0; l < layers.size(); ++l)
        QCOMPARE(doc.island(1)->layers()[size_t(l)]->tileCount(), tiles[l]);
    const QByteArray saved = scenario::saved(doc);
    QCOMPARE(saved, savedIsland(record, layers) + minimalScenario());
    RumoSzen again(QString(), nullptr);
    QVERIFY(load(again, saved));
    QCOMPARE(scenario::saved(again), saved);
}

void TestIslands::shortRecordsArePadded()
{
    // 102 bytes keep the own-ground flag at 101.
    const QByteArray record = islandRecord(placed(1, 10, 10, 8, 8)).left(102);
    RumoSzen doc(QString(), nullptr);
    QVERIFY(load(doc, chunk("INSEL5", record) + minimalScenario()));
    QCOMPARE(doc.notices(), QStringList());
    QCOMPARE(scenario::saved(doc), savedIsland(record + QByteArray(14, '\0')) + minimalScenario());

    TempGameInstallation game;
    const QByteArray shortTemplate = islandRecord(placed(9, 0, 0, 16, 12)).left(60);
    game.addFile("nord/lit.scp", templateFile(shortTemplate, {tile(1, 0, 0)}, "INSEL4"));
    ReferenceSpec ref;
    ref.number = 2;
    ref.x = 50;
    ref.y = 70;
    RumoSzen fromTemplate(game.gameFolder(), nullptr);
    QVERIFY(load(fromTemplate, chunk("SZENE", szene({islandReference(ref)})) + minimalScenario()));
    QVERIFY(fromTemplate.island(2));
    QByteArray expected = shortTemplate + QByteArray(56, '\0');
    expected[0] = 2;
    le::setU16(reinterpret_cast<uchar *>(expected.data()), 4, 50);
    le::setU16(reinterpret_cast<uchar *>(expected.data()), 6, 70);
    QCOMPARE(recordBytes(*fromTemplate.island(2)), expected);
}

void TestIslands::templateIsFound_data()
{
    QTest::addColumn<int>("climate");
    QTest::addColumn<int>("sizeClass");
    QTest::addColumn<bool>("native");
    QTest::addColumn<int>("templateNumber");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("onDisk");

    QTest::newRow("no number") << 0 << 0 << false << 65535 << "nord\\lit.scp"
                               << "NORD/Lit.SCP";
    QTest::newRow("two digits, native") << 1 << 2 << true << 7 << "suednat\\med07.scp"
                                        << "SuedNat/MED07.scp";
    QTest::newRow("three digits") << 2 << 4 << false << 123 << "noklima\\lar123.scp"
                                  << "noklima/lar123.scp";
    QTest::newRow("number 0") << 1 << 3 << false << 0 << "sued\\big00.scp"
                              << "sued/big00.scp";
    QTest::newRow("mit") << 0 << 1 << false << 65534 << "nord\\mit65534.scp"
                         << "nord/mit65534.scp";
}

void TestIslands::templateIsFound()
{
    QFETCH(int, climate);
    QFETCH(int, sizeClass);
    QFETCH(bool, native);
    QFETCH(int, templateNumber);
    QFETCH(QString, fileName);
    QFETCH(QString, onDisk);
    QCOMPARE(Insel::templateFile(climate, sizeClass, native, templateNumber), fileName);

    TempGameInstallation game;
    const QByteArray record = islandRecord(placed(9, 0, 0, 16, 12));
    const QByteArray ground = tile(6, 0, 0) + tile(6, 15, 11);
    game.addFile(onDisk, templateFile(record, {ground}));
    ReferenceSpec ref{climate, sizeClass, native, 2, templateNumber, 50, 60};
    RumoSzen doc(game.gameFolder(), nullptr);
    QVERIFY(load(doc, chunk("SZENE", szene({islandReference(ref)})) + minimalScenario()));
    QCOMPARE(doc.notices(), native ? QStringList{msg::nativeFlag()} : QStringList());

    const Insel *island = doc.island(2);
    QVERIFY(island);
    QVERIFY(!island->fromChunk());
    QCOMPARE(island->native(), native);
    QCOMPARE(*island->GetBounds(), TileRect({50, 60, 66, 72}));
    QCOMPARE(island->layers().size(), size_t(1));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(island->layers()[0]->tiles()), 16), ground);
    QByteArray expected = record;
    expected[0] = 2;
    expected[100] = char(climate);
    le::setU16(reinterpret_cast<uchar *>(expected.data()), 4, 50);
    le::setU16(reinterpret_cast<uchar *>(expected.data()), 6, 60);
    QCOMPARE(recordBytes(*island), expected);
}

void TestIslands::firstIslandRecordOfTemplateWins()
{
    TempGameInstallation game;
    const QByteArray l1 = tile(1, 0, 0);
    const QByteArray l2 = tile(1501, 3, 3, true, 7, 7);
    game.addFile("nord/lit.scp", ScenarioBuilder()
                                     .chunk("INSEL4", islandRecord(placed(9, 0, 0, 16, 12)))
                                     .chunk("INSELHAUS", l1)
                                     .chunk("LEER", {})
                                     .chunk("INSEL5", islandRecord(placed(9, 0, 0, 30, 30)))
                                     .chunk("INSELHAUS", l2)
                                     .chunk("INSEL3", islandRecord(placed(9, 0, 0, 40, 40)))
                                     .bytes());
    RumoSzen doc(game.gameFolder(), nullptr);
    QVERIFY(load(doc, chunk("SZENE", szene({islandReference({})})) + minimalScenario()));
    const Insel *island = doc.island(1);
    QVERIFY(island);
    QCOMPARE(island->width(), 16);
    QCOMPARE(island->layers().size(), size_t(2));
    QCOMPARE(island->layers()[1]->tileCount(), 1);
    QCOMPARE(island->layers()[1]->tile(0).building(), quint16(1501));
}

void TestIslands::groundFromTemplateSurvivesRoundTrip()
{
    TempGameInstallation game;
    game.addFile("sued/mit05.scp", groundTemplate());
    IslandSpec s = placed(1, 10, 10, 16, 12);
    s.ownGround = 0;
    s.climate = 1;
    s.sizeClass = 1;
    s.templateNumber = 5;
    const QByteArray houses = tile(1501, 3, 3, true, 7, 7);
    const QByteArray saved = savedIsland(islandRecord(s), {{}, houses}) + minimalScenario();

    const QByteArray withoutEmptyGround =
        chunk("INSEL5", islandRecord(s)) + chunk("INSELHAUS", houses) + minimalScenario();
    for (const QByteArray &file : {withoutEmptyGround, saved}) {
        RumoSzen doc(game.gameFolder(), nullptr);
        QVERIFY(load(doc, file));
        QCOMPARE(doc.notices(), QStringList());
        const Insel *island = doc.island(1);
        QCOMPARE(island->layers().size(), size_t(2));
        QCOMPARE(island->layers()[0]->tileCount(), 2);
        QCOMPARE(island->layers()[1]->tile(0).building(), quint16(1501));
        QCOMPARE(scenario::saved(doc), saved);
    }
}

// A template with more than a ground layer: none of its layers may end up in
// the scenario, or they would pile up with every save.
void TestIslands::templateLayersAreNeverWrittenIntoTheScenario()
{
    TempGameInstallation game;
    game.addFile("nord/lit.scp", templateFile(islandRecord(placed(9, 0, 0, 16, 12)),
                                              {tile(6, 0, 0), tile(1501, 1, 1)}));
    IslandSpec s = placed(1, 10, 10, 16, 12);
    s.ownGround = 0;
    const QByteArray houses = tile(501, 3, 3, true, 7, 7);
    const QByteArray saved = savedIsland(islandRecord(s), {{}, houses}) + minimalScenario();

    RumoSzen doc(game.gameFolder(), nullptr);
    QVERIFY(load(doc, saved));
    QCOMPARE(doc.island(1)->layers().size(), size_t(3));
    QCOMPARE(scenario::saved(doc), saved);
}

void TestIslands::missingTemplates_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("notices");
    QTest::addColumn<QByteArray>("saved");
    QTest::addColumn<int>("islands");

    auto refFile = [](int climate, int sizeClass, bool native, int number) {
        return chunk("SZENE", szene({islandReference({climate, sizeClass, native, 1, number})}));
    };
    QTest::newRow("reference climate 3") << refFile(3, 0, false, 65535) << QStringList{"klimanr: 3"}
                                         << refFile(3, 0, false, 65535) << 0;
    QTest::newRow("reference size class 5")
        << refFile(0, 5, false, 65535) << QStringList{"sizenr: 5"} << refFile(0, 5, false, 65535)
        << 0;
    QTest::newRow("native reference, file missing")
        << refFile(1, 2, true, 7)
        << QStringList{"nativflg!", msg::templateMissing("<game>/suednat/med07.scp")}
        << refFile(1, 2, true, 7) << 0;
    QTest::newRow("template without island record")
        << refFile(0, 0, false, 65535) << QStringList{msg::templateMissing("<game>/nord/lit.scp")}
        << refFile(0, 0, false, 65535) << 0;

    const QByteArray houses = tile(1501, 3, 3);
    IslandSpec s = placed(1, 10, 10, 16, 12);
    s.ownGround = 0;
    s.sizeClass = 1;
    s.templateNumber = 3;
    QTest::newRow("own ground 0, template missing")
        << chunk("INSEL5", islandRecord(s)) + chunk("INSELHAUS", houses)
        << QStringList{msg::groundTemplateMissing("<game>/nord/mit03.scp")}
        << savedIsland(islandRecord(s), {{}, houses}) << 1;
    s.climate = 3;
    QTest::newRow("own ground 0, climate 3")
        << chunk("INSEL5", islandRecord(s)) + chunk("INSELHAUS", houses)
        << QStringList{"klimanr: 3"} << savedIsland(islandRecord(s), {{}, houses}) << 1;
}

void TestIslands::missingTemplates()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, notices);
    QFETCH(QByteArray, saved);
    QFETCH(int, islands);
    TempGameInstallation game;
    game.addFile("nord/lit.scp", chunk("INSELHAUS", tile(1, 0, 0)));
    notices.replaceInStrings(QStringLiteral("<game>"), game.gameFolder());

    RumoSzen doc(game.gameFolder(), nullptr);
    QVERIFY(load(doc, file + minimalScenario()));
    QCOMPARE(doc.notices(), notices);
    QCOMPARE(islandCount(doc), islands);
    QCOMPARE(scenario::saved(doc), saved + minimalScenario());
}

void TestIslands::referencesBeyondPayloadIgnored_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<int>("islands");

    const QByteArray r1 = islandReference({0, 0, false, 1, 65535, 0, 0});
    const QByteArray r2 = islandReference({0, 0, false, 2, 65535, 100, 0});
    QTest::newRow("count above the references") << szene({r1}, 3, {}) << 1;
    QTest::newRow("second reference cut short") << szene({r1, r2.left(15)}, 2, {}) << 1;
    QTest::newRow("count 0") << szene({r1, r2}, 0) << 0;
    QTest::newRow("both") << szene({r1, r2}) << 2;
    QTest::newRow("payload without count") << pattern(103) << 0;
}

void TestIslands::referencesBeyondPayloadIgnored()
{
    QFETCH(QByteArray, payload);
    QFETCH(int, islands);
    TempGameInstallation game;
    game.addFile("nord/lit.scp", groundTemplate());
    RumoSzen doc(game.gameFolder(), nullptr);
    QVERIFY(load(doc, chunk("SZENE", payload) + minimalScenario()));
    QCOMPARE(islandCount(doc), islands);
    QCOMPARE(scenario::saved(doc), chunk("SZENE", payload) + minimalScenario());
}

void TestIslands::movedReferenceIsSavedIntoSzene()
{
    TempGameInstallation game;
    game.addFile("nord/lit.scp", groundTemplate());
    const QByteArray other = islandReference({0, 0, false, 1, 65535, 0, 0});
    ReferenceSpec ref{0, 0, false, 2, 65535, 200, 100};
    RumoSzen doc(game.gameFolder(), nullptr);
    QVERIFY(load(doc, chunk("SZENE", szene({other, islandReference(ref)})) + minimalScenario()));
    QVERIFY(doc.MoveIsland(*doc.island(2), 5, -3));
    ref.x = 205;
    ref.y = 97;
    QCOMPARE(scenario::saved(doc),
             chunk("SZENE", szene({other, islandReference(ref)})) + minimalScenario());
    QCOMPARE(doc.island(2)->record().x(), quint16(205));
    QCOMPARE(doc.island(2)->record().y(), quint16(97));
}

void TestIslands::labelsAndGeometry()
{
    IslandSpec twelve = placed(12, 100, 100, 7, 6);
    twelve.climate = 2;
    RumoSzen doc(QString(), nullptr);
    QVERIFY(load(doc, chunk("INSEL5", islandRecord(placed(3, 10, 20, 40, 35))) +
                          chunk("INSEL5", islandRecord(twelve)) + minimalScenario()));
    Insel &three = *doc.island(3);
    QCOMPARE(IslandLabel(three), QStringLiteral("Insel 3: 40x35 N"));
    QCOMPARE(IslandLabel(*doc.island(12)), QStringLiteral("Insel 12: 7x6 S"));
    QCOMPARE(three.GetName(), QStringLiteral("Insel 3"));

    QCOMPARE(*three.GetBounds(), TileRect({10, 20, 50, 55}));
    QVERIFY(three.hitTest(49, 54));
    QVERIFY(three.hitTest(10, 20));
    QVERIFY(!three.hitTest(50, 20));
    QVERIFY(!three.hitTest(9, 54));
    QCOMPARE(three.center(), QPoint(30, 37));
    QCOMPARE(three.distance(33, 41), 5.0);

    // Halving truncates toward zero: left -7 and right 0 give -3.
    doc.MoveIsland(*doc.island(12), -107, 0);
    QCOMPARE(doc.island(12)->center().x(), -3);
}

void TestIslands::moveIsland_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QTest::addColumn<bool>("valid");

    QTest::newRow("at the right edge") << 1 << 0 << 0 << true;
    QTest::newRow("over the right edge") << 1 << 1 << 0 << false;
    QTest::newRow("over the top edge") << 1 << 0 << -1 << false;
    QTest::newRow("over the left edge") << 4 << -1 << 0 << false;
    QTest::newRow("at the bottom edge") << 4 << 0 << 0 << true;
    QTest::newRow("over the bottom edge") << 4 << 0 << 1 << false;
    QTest::newRow("touching on the left") << 3 << -10 << 0 << true;
    QTest::newRow("one tile of overlap") << 3 << -11 << 0 << false;
    QTest::newRow("touching from below") << 3 << -30 << 20 << true;
    QTest::newRow("overlapping from below") << 3 << -30 << 19 << false;
}

void TestIslands::moveIsland()
{
    QFETCH(int, number);
    QFETCH(int, dx);
    QFETCH(int, dy);
    QFETCH(bool, valid);
    RumoSzen doc(QString(), nullptr);
    QVERIFY(load(doc, chunk("INSEL5", islandRecord(placed(1, 472, 0, 40, 10))) +
                          chunk("INSEL5", islandRecord(placed(2, 100, 100, 20, 20))) +
                          chunk("INSEL5", islandRecord(placed(3, 130, 100, 10, 10))) +
                          chunk("INSEL5", islandRecord(placed(4, 0, 340, 10, 12))) +
                          minimalScenario()));
    Insel &island = *doc.island(number);
    const TileRect before = *island.GetBounds();
    QCOMPARE(doc.MoveIsland(island, dx, dy), valid);
    QCOMPARE(doc.moveValid(), valid);
    QCOMPARE(island.x(), before.left + dx); // moved even when refused
    QCOMPARE(island.y(), before.top + dy);
}

void TestIslands::islandAtTakesLowestNumber()
{
    RumoSzen doc(QString(), nullptr);
    QVERIFY(load(doc, chunk("INSEL5", islandRecord(placed(5, 5, 5, 10, 10))) +
                          chunk("INSEL5", islandRecord(placed(2, 0, 0, 10, 10))) +
                          minimalScenario()));
    QCOMPARE(doc.IslandAt(7, 7), doc.island(2));
    QCOMPARE(doc.IslandAt(12, 12), doc.island(5));
    QCOMPARE(doc.IslandAt(15, 15), nullptr);
}

void TestIslands::shipAt_data()
{
    QTest::addColumn<QList<QPoint>>("ships");
    QTest::addColumn<int>("found");

    QTest::newRow("6 tiles right") << QList<QPoint>{{106, 100}} << -1;
    QTest::newRow("4 right and 4 down") << QList<QPoint>{{104, 104}} << 0;
    QTest::newRow("nearest wins") << QList<QPoint>{{105, 100}, {102, 101}} << 1;
    QTest::newRow("tie keeps the earlier") << QList<QPoint>{{103, 100}, {97, 100}} << 0;
}

void TestIslands::shipAt()
{
    QFETCH(QList<QPoint>, ships);
    QFETCH(int, found);
    QByteArray payload;
    for (const QPoint &p : ships)
        payload += ship("Schiff", p.x(), p.y());
    RumoSzen doc(QString(), nullptr);
    QVERIFY(load(doc, chunk("SHIP4", payload) + minimalScenario()));
    const ShipRecord hit = doc.ShipAt(100, 100);
    QCOMPARE(hit.data(), found < 0 ? nullptr : doc.Ships()[size_t(found)].data());
}

void TestIslands::cityAt_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("slot");

    QTest::newRow("right and bottom edge of a building") << QPoint(15, 26) << 0;
    QTest::newRow("beside the building") << QPoint(16, 23) << -1;
    QTest::newRow("first extent along the columns") << QPoint(24, 28) << 3;
    QTest::newRow("tile outside the island") << QPoint(35, 20) << -1;
    QTest::newRow("hidden behind slot 7 in the same layer") << QPoint(10, 30) << -1;
    QTest::newRow("slot 7 tile, city in the next layer") << QPoint(15, 32) << 3;
    QTest::newRow("slot without a city") << QPoint(25, 32) << -1;
    QTest::newRow("ground layer not searched") << QPoint(10, 20) << -1;
    QTest::newRow("bottom edge of the island counts") << QPoint(29, 35) << 0;
}

void TestIslands::cityAt()
{
    QFETCH(QPoint, point);
    QFETCH(int, slot);
    RumoSzen doc(QString(), nullptr);
    QVERIFY(load(doc, cityFixture() + minimalScenario()));
    const CityRecord city = doc.CityAt(point.x(), point.y());
    QCOMPARE(city.data(), slot < 0 ? nullptr : doc.island(1)->cityInSlot(slot).data());
}

void TestIslands::cityBoundsAndTradingPost()
{
    RumoSzen doc(QString(), nullptr);
    QVERIFY(load(doc, cityFixture() + minimalScenario()));
    const Insel &one = *doc.island(1);
    // Only the second layer counts, tiles outside the island included.
    QCOMPARE(*doc.CityBounds(one, 0), TileRect({10, 20, 35, 30}));
    QCOMPARE(*doc.CityBounds(one, 3), TileRect({20, 22, 20, 22}));
    QCOMPARE(*doc.CityBounds(one, 4), TileRect({1000, 1000, 0, 0}));
    QVERIFY(!doc.CityBounds(*doc.island(2), 0));

    const auto &posts = one.tradingPosts();
    QCOMPARE(posts.size(), size_t(3));
    QCOMPARE(doc.tradingPostOf(one.cityInSlot(0)), posts[1]);
    QCOMPARE(doc.tradingPostOf(one.cityInSlot(3)), posts[0]);
    QVERIFY(doc.tradingPostOf(CityRecord()).isNull());
}

void TestIslands::setCityOwner_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("player");
    QTest::addColumn<int>("owner");

    // The document takes a player slot; which slot a colour stands for is
    // the city editor's lookup.
    QTest::newRow("player 2") << 0 << 2 << 2;
    QTest::newRow("player 4 is a slot like any other") << 0 << 4 << 4;
    QTest::newRow("last player") << 0 << 6 << 6;
    QTest::newRow("slot 7 is no player") << 0 << 7 << -1;
    QTest::newRow("negative slot") << 0 << -1 << -1;
    QTest::newRow("city slot 7 recolours no tile") << 7 << 3 << 3;
}

void TestIslands::setCityOwner()
{
    QFETCH(int, slot);
    QFETCH(int, player);
    QFETCH(int, owner);
    RumoSzen doc(QString(), nullptr);
    QVERIFY(load(doc, ownerFixture(0, 0)));
    QCOMPARE(doc.SetCityOwner(doc.island(1)->cityInSlot(slot), player), owner >= 0);
    // The layers view their chunks until they are recoloured; the layer
    // chunks themselves keep the bytes as read (the city records are edited
    // in their chunk).
    auto layerChunks = [](const RumoSzen &d) {
        QByteArray held;
        for (const ScenarioChunk &c : d.chunks()) {
            if (c.nameView() == "INSELHAUS")
                held += QByteArray(reinterpret_cast<const char *>(c.block()), c.blockSize());
        }
        return held;
    };
    RumoSzen pristine(QString(), nullptr);
    QVERIFY(load(pristine, ownerFixture(0, 0)));
    QCOMPARE(layerChunks(doc), layerChunks(pristine));
    const int owner0 = slot == 0 && owner >= 0 ? owner : 0;
    const int owner7 = slot == 7 && owner >= 0 ? owner : 0;
    RumoSzen expected(QString(), nullptr);
    QVERIFY(load(expected, ownerFixture(owner0, owner7)));
    QCOMPARE(scenario::saved(doc), scenario::saved(expected));
}

void TestIslands::deleteIsland()
{
    TempGameInstallation game;
    game.addFile("nord/lit.scp", groundTemplate());
    ScenarioBuilder file;
    QByteArray saved;
    for (int n = 1; n <= 6; ++n) {
        IslandSpec s = placed(n, 20 * n, 10, 5, 5);
        if (n == 3)
            s.cityOwners[3] = 2;
        if (n == 4)
            s.cityOwners[7] = 2; // slot 7 does not count
        file.chunk("INSEL5", islandRecord(s));
        if (n != 4)
            saved += savedIsland(islandRecord(s));
    }
    const QByteArray szenePayload = szene({islandReference({0, 0, false, 7, 65535, 200, 0})});
    file.chunk("HIRSCH2", deer(4)).chunk("KONTOR2", tradingPost(4, 0));
    file.chunk("SZENE", szenePayload).raw(minimalScenario());

    RumoSzen doc(game.gameFolder(), nullptr);
    QVERIFY(load(doc, file.bytes()));
    QVERIFY(!doc.canDeleteIsland(*doc.island(3)));
    QVERIFY(!doc.deleteIsland(*doc.island(3)));
    // An island built from a reference and without cities may go as well
    // (tst_islandedits follows its entry out of the SZENE payload).
    QVERIFY(doc.canDeleteIsland(*doc.island(7)));
    QVERIFY(doc.canDeleteIsland(*doc.island(4)));
    QVERIFY(doc.deleteIsland(*doc.island(4)));

    QCOMPARE(doc.Islands().size(), size_t(8));
    QCOMPARE(doc.island(4), nullptr);
    QCOMPARE(doc.island(5)->number(), 5);
    QCOMPARE(doc.island(6)->number(), 6);
    QCOMPARE(scenario::saved(doc), saved + chunk("SZENE", szenePayload) + minimalScenario());
}

void TestIslands::exportWritesTemplateForm()
{
    TempGameInstallation game;
    game.addFile("nord/lit.scp", groundTemplate());
    IslandSpec fromTemplate = placed(1, 10, 10, 16, 12);
    fromTemplate.ownGround = 0;
    fromTemplate.cityOwners = {1, 7, 7, 7, 7, 7, 7, 0};
    IslandSpec own = placed(2, 100, 10, 8, 8);
    const QByteArray ground = tile(8, 0, 0) + tile(8, 7, 7);
    const QByteArray houses = tile(1501, 3, 3, true, 0, 1);
    const QByteArray file = ScenarioBuilder()
                                .chunk("INSEL5", islandRecord(fromTemplate))
                                .chunk("INSELHAUS", houses)
                                .chunk("INSEL5", islandRecord(own))
                                .chunk("INSELHAUS", ground)
                                .chunk("INSELHAUS", houses)
                                .raw(minimalScenario())
                                .bytes();
    RumoSzen doc(game.gameFolder(), nullptr);
    QVERIFY(load(doc, file));
    const QByteArray before = scenario::saved(doc);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("insel.scp"));
    QVERIFY(doc.exportIsland(*doc.island(1), path));
    fromTemplate.cityOwners.fill(7);
    QCOMPARE(testfiles::read(path),
             templateFile(islandRecord(fromTemplate), {tile(6, 0, 0) + tile(6, 15, 11)}));
    QVERIFY(doc.exportIsland(*doc.island(2), path));
    QCOMPARE(testfiles::read(path), templateFile(islandRecord(own), {ground}));
    QCOMPARE(scenario::saved(doc), before);
    QVERIFY(!doc.isModified());
}

void TestIslands::settlementsHangOnTheirIslands()
{
    TempGameInstallation game;
    const RichScenario rich = richScenario();
    rich.install(game);
    RumoSzen doc(game.gameFolder(), nullptr);
    QVERIFY(load(doc, rich.file));
    QCOMPARE(doc.island(0), nullptr);

    const Insel &one = *doc.island(1);
    QCOMPARE(one.cities().size(), size_t(4));
    QVERIFY(!one.cities()[1] && !one.cities()[2]);
    QCOMPARE(one.cityInSlot(0).name(), QStringLiteral("Ahlstadt"));
    QCOMPARE(one.cityInSlot(3).name(), QStringLiteral("Borkum"));
    QVERIFY(one.cityInSlot(3).buildStop());
    QCOMPARE(one.deer().size(), size_t(2));
    QCOMPARE(one.tradingPosts().size(), size_t(2));
    QCOMPARE(one.tradingPosts()[0].slot(1).amount(), 64u);

    QCOMPARE(doc.island(3)->layers().size(), size_t(2));
    const Insel &four = *doc.island(4);
    QVERIFY(!four.fromChunk());
    QCOMPARE(*four.GetBounds(), TileRect({200, 100, 216, 116}));
    QVERIFY(four.cities().empty());
}

void TestIslands::recordsWithoutIslandAreKept()
{
    const QByteArray record = islandRecord(placed(1, 10, 10, 8, 8));
    const QByteArray file = ScenarioBuilder()
                                .chunk("INSELHAUS", tile(1, 0, 0))
                                .chunk("INSEL5", record)
                                .chunk("STADT4", city(9, 0, 0, "Nirgends") + city(1, 8, 0, "Acht") +
                                                     city(1, 1, 0, "Eins"))
                                .chunk("KONTOR2", tradingPost(9, 0) + tradingPost(1, 1))
                                .raw(minimalScenario())
                                .bytes();
    RumoSzen doc(QString(), nullptr);
    QVERIFY(load(doc, file));
    QVERIFY(doc.island(1)->layers().empty());
    QCOMPARE(doc.island(1)->cities().size(), size_t(2));
    // The map shows none of the others, yet the save keeps them: the layer
    // where it stood, the city of slot 8 after its island, the settlements of
    // island 9 at that number's place.
    QCOMPARE(doc.unplacedSettlements().size(), size_t(2));
    QCOMPARE(scenario::saved(doc),
             chunk("INSELHAUS", tile(1, 0, 0)) + chunk("INSEL5", record) + chunk("HIRSCH2", {}) +
                 chunk("STADT4", city(1, 1, 0, "Eins")) + chunk("KONTOR2", tradingPost(1, 1)) +
                 chunk("HIRSCH2", {}) + chunk("STADT4", city(1, 8, 0, "Acht")) +
                 chunk("KONTOR2", {}) + chunk("HIRSCH2", {}) +
                 chunk("STADT4", city(9, 0, 0, "Nirgends")) + chunk("KONTOR2", tradingPost(9, 0)) +
                 minimalScenario());
}

void TestIslands::foreignDeerRecordsDropped_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<int>("dropped");
    QTest::addColumn<QByteArray>("kept");
    // Deer of island 9, which has no island: kept, and written after the
    // last island.
    QTest::addColumn<QByteArray>("unplaced");

    QTest::newRow("second record of island 2")
        << deer(1) + deer(2) + pattern(5) << 1 << deer(1) << QByteArray();
    QTest::newRow("first byte names no island")
        << deer(9) + deer(1) << 1 << QByteArray() << deer(9);
    QTest::newRow("foreign records between own ones")
        << deerRun(1, 2) + deer(2) + deerRun(1, 1, 2) + deer(3) + deer(2) + deerRun(1, 3, 3) << 3
        << deerRun(1, 6) << QByteArray();
}

void TestIslands::foreignDeerRecordsDropped()
{
    QFETCH(QByteArray, payload);
    QFETCH(int, dropped);
    QFETCH(QByteArray, kept);
    QFETCH(QByteArray, unplaced);
    const QByteArray one = islandRecord(placed(1, 10, 10, 8, 8));
    const QByteArray two = islandRecord(placed(2, 30, 10, 8, 8));
    RumoSzen doc(QString(), nullptr);
    QVERIFY(load(doc, chunk("INSEL5", one) + chunk("INSEL5", two) + chunk("HIRSCH2", payload) +
                          minimalScenario()));
    QCOMPARE(doc.notices(), QStringList(dropped, msg::invalidIslandNumber()));
    QCOMPARE(scenario::saved(doc),
             chunk("INSEL5", one) + chunk("HIRSCH2", kept) + chunk("STADT4", {}) +
                 chunk("KONTOR2", {}) + savedIsland(two) +
                 (unplaced.isEmpty()
                      ? QByteArray()
                      : chunk("HIRSCH2", unplaced) + chunk("STADT4", {}) + chunk("KONTOR2", {})) +
                 minimalScenario());
}

// Cities, trading posts and deer of islands built from references exist only
// in the scenario: they are written at the island's place in the island
// section, without its record and layers, and load back onto it.
void TestIslands::referenceSettlementsSurvive_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("saved");

    const QByteArray szenePayload =
        chunk("SZENE", szene({islandReference({0, 0, false, 2, 65535, 200, 100}),
                              islandReference({0, 0, false, 5, 65535, 300, 200})}));
    const QByteArray record1 = islandRecord(placed(1, 10, 10, 8, 8));
    const QByteArray record3 = islandRecord(placed(3, 60, 10, 8, 8));
    const QByteArray ground = tile(1, 0, 0);
    const QByteArray deer2 = deer(2) + deer(2);
    const QByteArray city2 = city(2, 1, 0, "Vorlagenstadt");
    const QByteArray post2 = tradingPost(2, 1, {96});
    auto settlements = [](const QByteArray &d, const QByteArray &c, const QByteArray &k) {
        return chunk("HIRSCH2", d) + chunk("STADT4", c) + chunk("KONTOR2", k);
    };

    QTest::newRow("among island chunks")
        << ScenarioBuilder()
               .raw(szenePayload)
               .chunk("INSEL5", record1)
               .chunk("INSELHAUS", ground)
               .chunk("INSEL5", record3)
               .chunk("INSELHAUS", ground)
               .chunk("HIRSCH2", deer2)
               .chunk("STADT4", city2 + city(1, 0, 1, "Eigen"))
               .chunk("KONTOR2", post2 + tradingPost(1, 0))
               .raw(minimalScenario())
               .bytes()
        << ScenarioBuilder()
               .raw(szenePayload)
               .chunk("INSEL5", record1)
               .chunk("INSELHAUS", ground)
               .raw(settlements({}, city(1, 0, 1, "Eigen"), tradingPost(1, 0)))
               .raw(settlements(deer2, city2, post2))
               .chunk("INSEL5", record3)
               .chunk("INSELHAUS", ground)
               .raw(settlements({}, {}, {}))
               .raw(minimalScenario())
               .bytes();
    QTest::newRow("no island chunk: at the first settlement chunk")
        << ScenarioBuilder()
               .chunk("NAME", "Nur Vorlagen")
               .raw(szenePayload)
               .chunk("CUSTOM", pattern(4))
               .chunk("KONTOR2", post2)
               .chunk("STADT4", city2)
               .raw(minimalScenario())
               .bytes()
        << ScenarioBuilder()
               .chunk("NAME", "Nur Vorlagen")
               .raw(szenePayload)
               .chunk("CUSTOM", pattern(4))
               .raw(settlements({}, city2, post2))
               .raw(minimalScenario())
               .bytes();
    // The island section comes before the SZENE chunk here, so the saved
    // settlements name an island that the next load reads only later.
    QTest::newRow("references after the island section")
        << chunk("INSEL5", record1) + chunk("INSELHAUS", ground) + szenePayload +
               settlements(deer2, city2, post2) + minimalScenario()
        << chunk("INSEL5", record1) + chunk("INSELHAUS", ground) + settlements({}, {}, {}) +
               settlements(deer2, city2, post2) + szenePayload + minimalScenario();
    QTest::newRow("settlement chunk before the first island chunk")
        << szenePayload + chunk("HIRSCH2", deer2) + chunk("INSEL5", record1) +
               chunk("INSELHAUS", ground) + minimalScenario()
        << szenePayload + chunk("INSEL5", record1) + chunk("INSELHAUS", ground) +
               settlements({}, {}, {}) + settlements(deer2, {}, {}) + minimalScenario();
}

void TestIslands::referenceSettlementsSurvive()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, saved);
    TempGameInstallation game;
    game.addFile("nord/lit.scp", groundTemplate());
    RumoSzen doc(game.gameFolder(), nullptr);
    QVERIFY(load(doc, file));
    QVERIFY(!doc.island(2)->fromChunk());
    QCOMPARE(scenario::saved(doc), saved);

    RumoSzen again(game.gameFolder(), nullptr);
    QVERIFY(load(again, saved));
    QCOMPARE(doc.notices(), QStringList());
    for (int number : {2, 5}) {
        const Insel &before = *doc.island(number);
        const Insel &after = *again.island(number);
        QCOMPARE(after.cities().size(), before.cities().size());
        for (size_t slot = 0; slot < before.cities().size(); ++slot)
            QCOMPARE(bool(after.cities()[slot]), bool(before.cities()[slot]));
        QCOMPARE(after.tradingPosts().size(), before.tradingPosts().size());
        QCOMPARE(after.deer().size(), before.deer().size());
    }
    QCOMPARE(scenario::saved(again), saved);
}

// Deer and trading posts of one island, however many chunks they came from,
// are written in as few chunks of whole records as a reader accepts
// (1,000,000 bytes: 125,000 deer, 996 trading posts).
void TestIslands::settlementChunksStayWithinTheLimit_data()
{
    QTest::addColumn<bool>("fromReference");
    QTest::addColumn<QList<int>>("deerIn");
    QTest::addColumn<QList<int>>("postsIn");
    QTest::addColumn<QList<int>>("deerOut");
    QTest::addColumn<QList<int>>("postsOut");

    QTest::newRow("125,000 deer from two chunks")
        << false << QList<int>{100000, 25000} << QList<int>{} << QList<int>{125000}
        << QList<int>{0};
    QTest::newRow("125,001 deer") << false << QList<int>{100000, 25001} << QList<int>{}
                                  << QList<int>{125000, 1} << QList<int>{0};
    QTest::newRow("996 trading posts")
        << false << QList<int>{} << QList<int>{500, 496} << QList<int>{0} << QList<int>{996};
    QTest::newRow("997 trading posts")
        << false << QList<int>{} << QList<int>{900, 97} << QList<int>{0} << QList<int>{996, 1};
    QTest::newRow("island from a reference, 1,993 trading posts and deer")
        << true << QList<int>{125000, 3} << QList<int>{900, 900, 193} << QList<int>{125000, 3}
        << QList<int>{996, 996, 1};
}

void TestIslands::settlementChunksStayWithinTheLimit()
{
    QFETCH(bool, fromReference);
    QFETCH(QList<int>, deerIn);
    QFETCH(QList<int>, postsIn);
    QFETCH(QList<int>, deerOut);
    QFETCH(QList<int>, postsOut);
    TempGameInstallation game;
    game.addFile("nord/lit.scp", groundTemplate());

    // Every record differs from the others, so the order is checked too.
    auto deerFrom = [](int first, int count) { return deerRun(1, count, first); };
    auto postsFrom = [](int first, int count) {
        QByteArray b;
        for (int i = first; i < first + count; ++i)
            b += tradingPost(1, 0, {quint32(i)});
        return b;
    };
    auto chunksOf = [](const QByteArray &name, const QList<int> &counts, auto records) {
        QByteArray b;
        int first = 0;
        for (int count : counts) {
            b += chunk(name, records(first, count));
            first += count;
        }
        return b;
    };
    const QByteArray island = fromReference
                                  ? chunk("SZENE", szene({islandReference({})}))
                                  : chunk("INSEL5", islandRecord(placed(1, 10, 10, 8, 8)));
    const QByteArray file = island + chunksOf("HIRSCH2", deerIn, deerFrom) +
                            chunksOf("KONTOR2", postsIn, postsFrom) + minimalScenario();
    const QByteArray saved = island + chunksOf("HIRSCH2", deerOut, deerFrom) + chunk("STADT4", {}) +
                             chunksOf("KONTOR2", postsOut, postsFrom) + minimalScenario();

    RumoSzen doc(game.gameFolder(), nullptr);
    QVERIFY(load(doc, file));
    const QByteArray written = scenario::saved(doc);
    QCOMPARE(written.size(), saved.size());
    QVERIFY(written == saved); // a million bytes are no readable failure message

    RumoSzen again(game.gameFolder(), nullptr);
    QVERIFY(load(again, written));
    QCOMPARE(again.island(1)->deer().size(), doc.island(1)->deer().size());
    QCOMPARE(again.island(1)->tradingPosts().size(), doc.island(1)->tradingPosts().size());
}

// Islands built from one template share its layers; recolouring the city of
// one of them copies that island's layers first and leaves the others, and
// the template's bytes, as they were.
void TestIslands::islandsShareTemplateLayers()
{
    TempGameInstallation game;
    const QByteArray ground = tile(6, 0, 0, true, 0, 7) + tile(6, 15, 11, true, 7, 7);
    const QByteArray houses = tile(1501, 3, 3, true, 0, 7);
    const QByteArray templateBytes =
        templateFile(islandRecord(placed(9, 0, 0, 16, 12)), {ground, houses});
    game.addFile("nord/lit.scp", templateBytes);
    IslandSpec own = placed(1, 10, 10, 16, 12);
    own.ownGround = 0;
    const QByteArray shared = city(2, 0, 0, "Geteilt");
    const QByteArray file =
        ScenarioBuilder()
            .chunk("INSEL5", islandRecord(own))
            .chunk("SZENE", szene({islandReference({0, 0, false, 2, 65535, 100, 100}),
                                   islandReference({0, 0, false, 3, 65535, 200, 100})}))
            .chunk("STADT4", shared)
            .raw(minimalScenario())
            .bytes();
    RumoSzen doc(game.gameFolder(), nullptr);
    QVERIFY(load(doc, file));
    const Insel &one = *doc.island(1);
    const Insel &two = *doc.island(2);
    const Insel &three = *doc.island(3);
    for (size_t l = 0; l < 2; ++l) {
        QCOMPARE(two.layers()[l]->tiles(), one.layers()[l]->tiles());
        QCOMPARE(three.layers()[l]->tiles(), one.layers()[l]->tiles());
    }
    const QByteArray before = scenario::saved(doc);

    QVERIFY(doc.SetCityOwner(two.cityInSlot(0), 4));
    QCOMPARE(two.layers()[0]->tile(0).player(), 4);
    QCOMPARE(two.layers()[0]->tile(1).player(), 7);
    QCOMPARE(two.layers()[1]->tile(0).player(), 4);
    auto bytesOf = [](const Inselhaus &layer) {
        return QByteArray(reinterpret_cast<const char *>(layer.tiles()), layer.byteSize());
    };
    for (const Insel *untouched : {&one, &three}) {
        QCOMPARE(bytesOf(*untouched->layers()[0]), ground);
        QCOMPARE(bytesOf(*untouched->layers()[1]), houses);
    }
    QVERIFY(two.layers()[0]->tiles() != three.layers()[0]->tiles());
    QCOMPARE(three.layers()[0]->tiles(), one.layers()[0]->tiles());
    QCOMPARE(testfiles::read(game.gameFolder() + "/nord/lit.scp"), templateBytes);

    // Only the city record itself changed in the scenario.
    QByteArray expected = before;
    expected.replace(shared, city(2, 0, 4, "Geteilt"));
    QCOMPARE(scenario::saved(doc), expected);
    QTemporaryDir dir;
    const QString exported = dir.filePath(QStringLiteral("insel.scp"));
    QVERIFY(doc.exportIsland(three, exported));
    QVERIFY(testfiles::read(exported).endsWith(chunk("INSELHAUS", ground)));
    QVERIFY(doc.exportIsland(two, exported));
    QVERIFY(testfiles::read(exported).endsWith(
        chunk("INSELHAUS", tile(6, 0, 0, true, 0, 4) + tile(6, 15, 11, true, 7, 7))));

    // Many references to one template hold its tiles once.
    QByteArrayList references;
    for (int n = 1; n <= 200; ++n)
        references << islandReference({0, 0, false, n, 65535, 0, 0});
    RumoSzen many(game.gameFolder(), nullptr);
    QVERIFY(load(many, chunk("SZENE", szene(references)) + minimalScenario()));
    QCOMPARE(islandCount(many), 200);
    for (int n = 2; n <= 200; ++n)
        QCOMPARE(many.island(n)->layers()[1]->tiles(), many.island(1)->layers()[1]->tiles());
}

// A reference may place its island anywhere in 32 bits. Such an island lies
// outside the world: no point of the world finds it, its geometry stays
// ordered, and moving it there and back leaves the reference's bytes as read.
void TestIslands::farReferencesStayOutsideTheWorld_data()
{
    QTest::addColumn<qint64>("x");
    QTest::addColumn<qint64>("y");
    constexpr qint64 max = std::numeric_limits<qint32>::max();
    constexpr qint64 min = std::numeric_limits<qint32>::min();
    QTest::newRow("largest x") << max << qint64(0);
    QTest::newRow("smallest x and y") << min << min;
    QTest::newRow("just below the largest") << max - 3 << max - 3;
    QTest::newRow("largest y") << qint64(0) << max;
    QTest::newRow("just beyond the band") << qint64(Insel::FarOutside) + 1 << qint64(10);
}

void TestIslands::farReferencesStayOutsideTheWorld()
{
    QFETCH(qint64, x);
    QFETCH(qint64, y);
    TempGameInstallation game;
    game.addFile("nord/lit.scp", groundTemplate());
    const QByteArray file =
        chunk("SZENE", szene({islandReference({0, 0, false, 1, 65535, int(x), int(y)})})) +
        chunk("STADT4", city(1, 0, 0, "Fern")) + minimalScenario();
    RumoSzen doc(game.gameFolder(), nullptr);
    QVERIFY(load(doc, file));
    Insel &far = *doc.island(1);
    const TileRect b = *far.GetBounds();
    // QVERIFY2 does not take the message over, so it is freed here.
    QVERIFY2(b.left < b.right && b.top < b.bottom, QScopedArrayPointer<char>(toString(b)).data());
    const QPoint c = far.center();
    QVERIFY(b.left <= c.x() && c.x() < b.right && b.top <= c.y() && c.y() < b.bottom);
    QVERIFY(far.distance(0, 0) > 1000.0);
    for (const QPoint p : {QPoint(0, 0), QPoint(511, 0), QPoint(0, 351), QPoint(511, 351)}) {
        QVERIFY(!far.hitTest(p.x(), p.y()));
        QCOMPARE(doc.IslandAt(p.x(), p.y()), nullptr);
        QVERIFY(!doc.CityAt(p.x(), p.y()));
    }
    const QByteArray saved = scenario::saved(doc);
    QVERIFY(saved.startsWith(
        chunk("SZENE", szene({islandReference({0, 0, false, 1, 65535, int(x), int(y)})}))));

    QVERIFY(!doc.MoveIsland(far, 1, 1));
    QVERIFY(!doc.MoveIsland(far, -2, -2));
    QVERIFY(!doc.MoveIsland(far, 1, 1));
    QCOMPARE(scenario::saved(doc), saved);
}

// A template path may name anything. What is no regular file of a sane size
// is not read; the load says which file and why, once per file, and goes on
// without the island (or its ground).
void TestIslands::refusedTemplateFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("ground");
    for (const QString &kind : hostile::kinds()) {
        QTest::addRow("%s, references", qPrintable(kind)) << kind << false;
        QTest::addRow("%s, ground", qPrintable(kind)) << kind << true;
    }
}

void TestIslands::refusedTemplateFiles()
{
    QFETCH(QString, kind);
    QFETCH(bool, ground);
    TempGameInstallation game;
    const QString path = game.gameFolder() + QStringLiteral("/nord/lit.scp");
    hostile::make(kind, path, IslandTemplates::MaxFileSize);
    if (QTest::currentTestFailed())
        return;

    IslandSpec own = placed(1, 10, 10, 16, 12);
    own.ownGround = 0;
    const QByteArray houses = tile(1501, 3, 3);
    const QByteArray file =
        ground ? chunk("INSEL5", islandRecord(own)) + chunk("INSELHAUS", houses)
               : chunk("SZENE", szene({islandReference({0, 0, false, 1, 65535, 0, 0}),
                                       islandReference({0, 0, false, 2, 65535, 50, 0})}));
    RumoSzen doc(game.gameFolder(), nullptr);
    QVERIFY(load(doc, file + minimalScenario()));
    QStringList notices;
    if (kind != QLatin1String("missing"))
        notices << hostile::refusal(kind, path, IslandTemplates::MaxFileSize);
    if (ground)
        notices << msg::groundTemplateMissing(path);
    else
        notices << msg::templateMissing(path) << msg::templateMissing(path);
    QCOMPARE(doc.notices(), notices);
    QCOMPARE(islandCount(doc), ground ? 1 : 0);
    const QByteArray saved = ground ? savedIsland(islandRecord(own), {{}, houses}) : file;
    QCOMPARE(scenario::saved(doc), saved + minimalScenario());
}

QTEST_GUILESS_MAIN(TestIslands)
#include "tst_islands.moc"
