#include "core/check/scenariocheck.h"
#include "core/check/scenariodiff.h"
#include "core/common/checkmessages.h"
#include "core/document/rumoszen.h"
#include "support/documentio.h"
#include "support/gameinstallation.h"
#include "support/scenariobuilder.h"

#include <QtTest>

using namespace scenario;
using Kind = ObjectRef::Kind;
using Severity = Finding::Severity;

namespace {

// A folder without templates: island references find none.
const QString kNoGame = QStringLiteral("/nonexistent/brim");

// Seven players of the given kinds; the kind byte sits at offset 4.
QByteArray playersOfKinds(const std::array<int, 7> &kinds)
{
    QByteArray area = players();
    for (int slot = 0; slot < 7; ++slot)
        area[slot * 1072 + 4] = char(kinds[size_t(slot)]);
    return area;
}

QByteArray int16(int v)
{
    QByteArray b(2, '\0');
    qToLittleEndian(qint16(v), b.data());
    return b;
}

// A scenario without anything to report: islands apart inside the world,
// cities whose owners agree with their island's entries, ships inside the
// world of playing owners, missions with texts, every chunk whole.
QByteArray cleanScenario()
{
    IslandSpec one = placed(1, 10, 10, 20, 15);
    one.cityOwners = {0, 1, 7, 7, 7, 7, 7, 7};
    return ScenarioBuilder()
        .chunk("INSEL5", islandRecord(one))
        .chunk("INSELHAUS", tile(1, 0, 0) + tile(1103, 2, 3, true, 0, 0))
        .chunk("HIRSCH2", deer(1))
        .chunk("STADT4", city(1, 0, 0, "Ahlstadt") + city(1, 1, 1, "Borkum"))
        .chunk("KONTOR2", tradingPost(1, 0))
        .chunk("INSEL5", islandRecord(placed(2, 30, 10, 8, 6)))
        .chunk("INSEL5", islandRecord(placed(3, 492, 337, 20, 15))) // touches the corner
        .chunk("PLAYER4", playersOfKinds({0, 12, 12, 10, 14, 11, 13}))
        .chunk("AUFTRAG4", mission(0, "Baue eine Stadt.") + mission(1, "Handle."))
        .chunk("SHIP4", ship("Seeadler", 511, 351) + ship("Karre", 20, 25, 37, 5, 1))
        .chunk("TIMERS", settings())
        .bytes();
}

struct Expected {
    Severity severity;
    Kind kind;
    int id;
    QString message;
};

} // namespace

class TestCheck : public QObject {
    Q_OBJECT

private slots:
    void cleanScenarioHasNoFindings();
    void everyFindingOnce();
    void fileEndsAndAreas_data();
    void fileEndsAndAreas();
    void namesWithMarkersStayAsWritten_data();
    void namesWithMarkersStayAsWritten();
    void jsonNamesSeverityKindAndObject();
    void diffNamesEachEdit_data();
    void diffNamesEachEdit();
    void diffReportsEveryChangedByte_data();
    void diffReportsEveryChangedByte();
};

void TestCheck::cleanScenarioHasNoFindings()
{
    RumoSzen doc(kNoGame, nullptr);
    QVERIFY(load(doc, cleanScenario()));
    const QList<Finding> findings = ScenarioCheck::Run(doc);
    for (const Finding &f : findings)
        qWarning() << f.line();
    QVERIFY(findings.isEmpty());
}

// One scenario holding one instance of every kind of finding: each is found
// once, about the right object, and nothing else is found.
void TestCheck::everyFindingOnce()
{
    IslandSpec one = placed(1, 10, 10, 20, 15);
    one.cityOwners = {0, 7, 2, 0, 7, 7, 7, 7};
    QByteArray campaign(2, '\0');
    const QByteArray file =
        ScenarioBuilder()
            .chunk("INSELHAUS", tile(1, 0, 0)) // before any island
            .chunk("SZENE_KAMPAGNE", campaign)
            .chunk("INSEL5", islandRecord(one))
            .chunk("STADT4", city(1, 0, 0, "Hafen") + city(8, 0, 0, "Geisterstadt") +
                                 city(1, 1, 9, "Niemandsstadt") + city(1, 2, 2, "Leerstadt") +
                                 city(1, 3, 1, "Zwist") + city(1, 9, 0, "Zuviel") +
                                 QByteArray(10, 'x'))
            .chunk("KONTOR2", tradingPost(7, 0))
            .chunk("STADT4", city(9, 0, 0, "Vorlagenstadt")      // its template is missing
                                 + city(1, 0, 0, "Doppelhafen")) // Hafen's slot
            .chunk("HIRSCH2", deer(6) + deer(6))
            .chunk("HIRSCH2", deer(1) + deer(2) + deer(1) + deer(2))    // counted together
            .chunk("INSEL5", islandRecord(placed(2, 25, 20, 20, 15)))   // overlaps island 1
            .chunk("INSEL5", islandRecord(placed(3, 500, 100, 20, 15))) // leaves the world
            .chunk("INSEL5", islandRecord(placed(4, 100, 100, 10, 10)))
            .chunk("INSEL5", islandRecord(placed(4, 200, 200, 10, 10))) // number 4 again
            .chunk("SZENE", szene({islandReference({0, 0, false, 9, 65535, 300, 300})}))
            .chunk("PLAYER4", playersOfKinds({0, 0, 10, 0, 0, 0, 0}))
            .chunk("AUFTRAG4", mission(0, "Eins") + mission(1, " \r\n") + mission(2, "Drei"))
            .chunk("SHIP4", ship("Irrfahrer", 600, 10) + ship("Fremder", 10, 10, 21, 1, 8) +
                                ship("Geist", 20, 20, 37, 5, 2))
            .chunk("WETTER", "abc")
            .chunk("CUSTOM", "xy") // carried unread like any other name the load does not know
            .chunk("TIMERS", settings().left(600))
            .chunk("WETTER", "defg")
            .chunk("PLAYER4", players())
            .rawHeader("NACHSPANN", 100)
            .raw(QByteArray(40, 'n'))
            .bytes();
    RumoSzen doc(kNoGame, nullptr);
    QVERIFY(load(doc, file));

    const QString cart = msg::vehicle(true, 2, QStringLiteral("Geist"));
    const QList<Expected> expected = {
        {Severity::Error, Kind::Chunk, -1, msg::chunkZeroFilled("NACHSPANN", 60)},
        {Severity::Error, Kind::Chunk, -1, msg::campaignChunkShort(2)},
        {Severity::Error, Kind::Chunk, -1, msg::recordCutShort("STADT4", 6 * 168 + 10, 168, 10)},
        {Severity::Warning, Kind::Chunk, -1, msg::areaZeroFilled("TIMERS", 600, 664)},
        {Severity::Warning, Kind::Island, 4, msg::islandNumberTwice(4, 100, 100)},
        {Severity::Warning, Kind::Island, 9, msg::referenceWithoutTemplate(9)},
        {Severity::Warning, Kind::Chunk, -1, msg::layersWithoutIsland(1)},
        {Severity::Error, Kind::Island, 1, msg::islandsOverlap(1, 2)},
        {Severity::Error, Kind::Island, 3, msg::islandOutsideWorld(3, 500, 100, 520, 115)},
        {Severity::Warning, Kind::City, 1,
         msg::cityWithoutIsland("Geisterstadt", msg::unplacedIsland(8, false))},
        {Severity::Warning, Kind::City, 6,
         msg::cityWithoutIsland("Vorlagenstadt", msg::unplacedIsland(9, true))},
        {Severity::Warning, Kind::City, 5, msg::cityOutsideSlots("Zuviel", 1, 9)},
        {Severity::Warning, Kind::City, 7, msg::cityInTakenSlot("Doppelhafen", 1, 0)},
        {Severity::Warning, Kind::TradingPost, 0,
         msg::tradingPostWithoutIsland(msg::unplacedIsland(7, false))},
        {Severity::Warning, Kind::Deer, 6,
         msg::deerWithoutIsland(2, msg::unplacedIsland(6, false))},
        {Severity::Error, Kind::Deer, 2, msg::deerOfOtherIsland(2, 1, 2)},
        {Severity::Error, Kind::City, 2, msg::cityOwnerNoSlot("Niemandsstadt", 1, 9)},
        {Severity::Warning, Kind::City, 3, msg::cityOwnerNotPlaying("Leerstadt", 1, 2)},
        {Severity::Warning, Kind::City, 4, msg::cityOwnerDisagrees("Zwist", 1, 1, 0)},
        {Severity::Error, Kind::Ship, 0,
         msg::shipOutsideWorld(msg::vehicle(false, 0, "Irrfahrer"), 600, 10)},
        {Severity::Error, Kind::Ship, 1,
         msg::shipOwnerNoSlot(msg::vehicle(false, 1, "Fremder"), 8)},
        {Severity::Warning, Kind::Ship, 2, msg::shipOwnerNotPlaying(cart, 2)},
        {Severity::Error, Kind::Mission, 2, msg::missionTextLost(2, 1)},
        {Severity::Information, Kind::Chunk, -1, msg::unknownChunk("WETTER", 2, 7)},
        {Severity::Information, Kind::Chunk, -1, msg::unknownChunk("CUSTOM", 1, 2)},
        {Severity::Information, Kind::Chunk, -1, msg::chunkAfterSettings("PLAYER4", 1)},
        {Severity::Information, Kind::Chunk, -1, msg::unknownChunk("NACHSPANN", 1, 100)},
    };
    const QList<Finding> findings = ScenarioCheck::Run(doc);
    for (const Expected &e : expected) {
        int found = 0;
        for (const Finding &f : findings) {
            if (f.message != e.message)
                continue;
            ++found;
            QCOMPARE(int(f.severity), int(e.severity));
            QCOMPARE(int(f.object.kind), int(e.kind));
            QCOMPARE(f.object.record, e.id);
        }
        if (found != 1)
            qWarning() << "expected once:" << e.message;
        QCOMPARE(found, 1);
    }
    if (findings.size() != expected.size()) {
        for (const Finding &f : findings)
            qWarning() << f.line();
    }
    QCOMPARE(findings.size(), expected.size());
    // A settlement finding names its island and city slot, for the editor.
    for (const Finding &f : findings) {
        if (f.message == msg::cityOwnerDisagrees("Zwist", 1, 1, 0)) {
            QCOMPARE(f.object.island, 1);
            QCOMPARE(f.object.slot, 3);
        }
    }
}

// How the reading ends and how long the record areas are: each case gives
// exactly its one finding.
void TestCheck::fileEndsAndAreas_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("message");

    const QByteArray timers = chunk("TIMERS", settings());
    QTest::newRow("header cut short") << timers + QByteArray(7, 'x') << msg::unreadTail(7);
    QTest::newRow("malformed header")
        << timers + header("X", -5) + QByteArray(30, 'y') << msg::malformedHeader(684, 50);
    QTest::newRow("players short") << chunk("PLAYER4", players().left(1000)) + timers
                                   << msg::areaZeroFilled("PLAYER4", 1000, 7504);
    QTest::newRow("players empty")
        << chunk("PLAYER4", {}) + timers << msg::areaZeroFilled("PLAYER4", 0, 7504);
    QTest::newRow("players long") << chunk("PLAYER4", players() + "zz") + timers
                                  << msg::areaCut("PLAYER4", 7506, 7504);
    QTest::newRow("settings long")
        << chunk("TIMERS", settings() + "zz") << msg::areaCut("TIMERS", 666, 664);
    QTest::newRow("mission cut") << chunk("AUFTRAG4",
                                          mission(0, "Eins") + mission(1, "Zwei").left(100)) +
                                        timers
                                 << msg::areaZeroFilled("AUFTRAG4", 2344, 4488);
    QTest::newRow("island record short") << chunk("INSEL5", islandRecord({}).left(100)) + timers
                                         << msg::areaZeroFilled("INSEL5", 100, 116);
    QTest::newRow("ships cut") << chunk("SHIP4", ship("A", 1, 1) + int16(7)) + timers
                               << msg::recordCutShort("SHIP4", 438, 436, 2);
    QTest::newRow("campaign long")
        << chunk("SZENE_KAMPAGNE", "12345") + timers << msg::areaCut("SZENE_KAMPAGNE", 5, 4);
}

void TestCheck::fileEndsAndAreas()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, message);
    RumoSzen doc(kNoGame, nullptr);
    QVERIFY(load(doc, file));
    const QList<Finding> findings = ScenarioCheck::Run(doc);
    QCOMPARE(findings.size(), 1);
    QCOMPARE(findings[0].message, message);
}

// Names come from the file: a "%2" in a name is text, not a place for the
// numbers that follow it in the finding.
void TestCheck::namesWithMarkersStayAsWritten_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("shown");

    const QByteArray timers = chunk("TIMERS", settings());
    QTest::newRow("city outside the slots")
        << chunk("INSEL5", islandRecord(placed(1, 10, 10, 20, 15))) +
               chunk("STADT4", city(1, 9, 0, "Burg %2 %3")) + timers
        << QStringLiteral("„Burg %2 %3“ auf Insel 1 steht im Stadtplatz 9");
    QTest::newRow("ship outside the world")
        << chunk("SHIP4", ship("Kogge %1 %4", 600, 10)) + timers
        << QStringLiteral("„Kogge %1 %4“ steht auf Feld 600, 10 außerhalb der Welt");
    QTest::newRow("unknown chunk")
        << chunk("X%2", "ab") + timers << QStringLiteral("„X%2“ (2 Bytes)");
    IslandSpec one = placed(1, 10, 10, 20, 15);
    one.cityOwners = {0, 7, 7, 7, 7, 7, 7, 7};
    QTest::newRow("second city in a taken slot")
        << chunk("INSEL5", islandRecord(one)) +
               chunk("STADT4", city(1, 0, 0, "Hafen") + city(1, 0, 0, "Burg %2 %3")) + timers
        << QStringLiteral("„Burg %2 %3“ auf Insel 1 steht im Stadtplatz 0");
}

void TestCheck::namesWithMarkersStayAsWritten()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, shown);
    RumoSzen doc(kNoGame, nullptr);
    QVERIFY(load(doc, file));
    QStringList lines;
    for (const Finding &f : ScenarioCheck::Run(doc))
        lines << f.message;
    QVERIFY2(lines.join(QLatin1Char('\n')).contains(shown), qPrintable(lines.join(" | ")));
}

void TestCheck::jsonNamesSeverityKindAndObject()
{
    const QByteArray file = ScenarioBuilder()
                                .chunk("INSEL5", islandRecord(placed(1, 10, 10, 20, 15)))
                                .chunk("STADT4", city(5, 2, 0, "Fern"))
                                .chunk("WETTER", "abc")
                                .chunk("TIMERS", settings())
                                .bytes();
    RumoSzen doc(kNoGame, nullptr);
    QVERIFY(load(doc, file));
    const QJsonArray json = ScenarioCheck::toJson(ScenarioCheck::Run(doc));
    QCOMPARE(json.size(), 2);
    const QJsonObject city = json[0].toObject();
    QCOMPARE(city["severity"].toString(), QStringLiteral("warning"));
    QCOMPARE(city["kind"].toString(), QStringLiteral("city"));
    QCOMPARE(city["object"].toInt(), 0);
    QCOMPARE(city["island"].toInt(), 5);
    QCOMPARE(city["slot"].toInt(), 2);
    QCOMPARE(city["message"].toString(),
             msg::cityWithoutIsland("Fern", msg::unplacedIsland(5, false)));
    const QJsonObject chunk = json[1].toObject();
    QCOMPARE(chunk["severity"].toString(), QStringLiteral("information"));
    QCOMPARE(chunk["kind"].toString(), QStringLiteral("chunk"));
    QCOMPARE(chunk["object"].toString(), QStringLiteral("WETTER"));
}

// Each edit of the clean scenario gives its one line; the scenario compared
// with itself gives none.
void TestCheck::diffNamesEachEdit_data()
{
    QTest::addColumn<QByteArray>("base");
    QTest::addColumn<QByteArray>("edited");
    QTest::addColumn<QStringList>("lines");

    const QByteArray clean = cleanScenario();
    auto replaced = [&](const QByteArray &from, const QByteArray &to) {
        QByteArray b = clean;
        const qsizetype at = b.indexOf(from);
        Q_ASSERT(at >= 0 && b.indexOf(from, at + 1) < 0);
        return b.replace(at, from.size(), to);
    };
    QTest::newRow("same") << clean << clean << QStringList();
    QTest::newRow("settings field")
        << clean << replaced(chunk("TIMERS", settings()), chunk("TIMERS", settings(40)))
        << QStringList{
               msg::diffChanged(msg::diffSettings(), "Maximale Anzahl Schiffe", "33", "40")};
    const QByteArray two = chunk("INSEL5", islandRecord(placed(2, 30, 10, 8, 6)));
    QTest::newRow("island moved")
        << clean << replaced(two, chunk("INSEL5", islandRecord(placed(2, 31, 12, 8, 6))))
        << QStringList{msg::diffMoved(msg::diffIsland(2), 30, 10, 31, 12)};
    QTest::newRow("island removed")
        << clean << replaced(two, {}) << QStringList{msg::diffRemoved(msg::diffIsland(2))};
    QTest::newRow("island added")
        << clean << replaced(two, two + chunk("INSEL5", islandRecord(placed(5, 60, 60, 8, 6))))
        << QStringList{msg::diffAdded(msg::diffIsland(5))};
    // Players are counted from 1, as the pages' tabs "Spieler 1" to "Spieler 7".
    IslandSpec one = placed(1, 10, 10, 20, 15);
    one.cityOwners = {0, 1, 7, 7, 7, 7, 7, 7};
    IslandSpec given = one;
    given.cityOwners = {0, 2, 1, 7, 7, 7, 7, 7};
    QTest::newRow("city owners of the island record")
        << clean << replaced(islandRecord(one), islandRecord(given))
        << QStringList{msg::diffChanged(msg::diffIsland(1), msg::diffCityOwner(1), "Spieler 2",
                                        "Spieler 3"),
                       msg::diffChanged(msg::diffIsland(1), msg::diffCityOwner(2), "keine Stadt",
                                        "Spieler 2")};
    QTest::newRow("city owner") << clean
                                << replaced(city(1, 1, 1, "Borkum"), city(1, 1, 2, "Borkum"))
                                << QStringList{msg::diffChanged(msg::diffCity("Borkum", 1),
                                                                "Besitzer", "Spieler 2",
                                                                "Spieler 3")};
    // Names are shown as written, "%2" and all.
    const QByteArray markedCity = replaced(city(1, 1, 1, "Borkum"), city(1, 1, 1, "Bork %2"));
    QTest::newRow("city with a marker in its name")
        << markedCity << replaced(city(1, 1, 1, "Borkum"), city(1, 1, 2, "Bork %2"))
        << QStringList{
               QStringLiteral("Stadt „Bork %2“ auf Insel 1: Besitzer Spieler 2 → Spieler 3")};
    QTest::newRow("chunk with a marker in its name")
        << clean + chunk("X%2", "ab") << clean + chunk("X%2", "abc")
        << QStringList{QStringLiteral("Block „X%2“: 2 → 3 Bytes")};
    QTest::newRow("ship field") << clean
                                << replaced(ship("Seeadler", 511, 351),
                                            ship("Seeadler", 511, 351, 21, 1, 0, 1600, 9))
                                << QStringList{msg::diffChanged(msg::diffShip(false, 0, "Seeadler"),
                                                                "Kanonen", "4", "9")};
    // A renamed ship is the same ship: its new name and its new cargo.
    QTest::newRow("ship renamed and loaded")
        << clean
        << replaced(ship("Seeadler", 511, 351),
                    ship("Falke", 511, 351, 21, 1, 0, 1600, 4, {{2401, 0x4000 | 323}}))
        << QStringList{msg::diffChanged(msg::diffShip(false, 0, "Seeadler"), "Name", "„Seeadler“",
                                        "„Falke“"),
                       msg::diffChanged(msg::diffShip(false, 0, "Seeadler"), msg::diffCargo(0),
                                        "keine", "10 3/32 t Erz (0x1)")};
    QTest::newRow("player field") << clean
                                  << replaced(playersOfKinds({0, 12, 12, 10, 14, 11, 13}),
                                              playersOfKinds({0, 12, 12, 12, 14, 11, 13}))
                                  << QStringList{msg::diffChanged(msg::diffPlayer(3), "Art",
                                                                  "Spielt nicht mit", "Computer")};
    QTest::newRow("mission text") << clean
                                  << replaced(mission(1, "Handle."),
                                              mission(1, "Handle mit Tabak."))
                                  << QStringList{msg::diffChanged(msg::diffMission(1),
                                                                  "Auftragstext", "„Handle.“",
                                                                  "„Handle mit Tabak.“")};
    // A long text is shown around its first difference, wherever that is.
    const QByteArray text = "Gruende drei Staedte auf der Insel im Norden und handle mit Tabak.";
    QByteArray later = text;
    later.replace("Tabak", "Wein");
    QTest::newRow("mission text differing late")
        << replaced(mission(1, "Handle."), mission(1, text))
        << replaced(mission(1, "Handle."), mission(1, later))
        << QStringList{msg::diffChanged(msg::diffMission(1), "Auftragstext",
                                        "…rden und handle mit Tabak.“",
                                        "…rden und handle mit Wein.“")};
    // Tiles are summed up per island and layer.
    QTest::newRow("tiles") << clean
                           << replaced(tile(1103, 2, 3, true, 0, 0), tile(1104, 2, 3, true, 0, 0))
                           << QStringList{msg::diffTilesChanged(msg::diffIsland(1), 1,
                                                                QStringLiteral("Bodenebene"))};
    // A byte that no field names is named by its chunk and its offset there.
    QByteArray borkum = city(1, 1, 1, "Borkum");
    QByteArray marked = borkum;
    marked[100] = char(marked[100] ^ 0x10);
    QTest::newRow("byte of no field")
        << clean << replaced(borkum, marked)
        << QStringList{msg::diffChanged(
               msg::diffChunk("STADT4"), msg::diffBytes(268, 1),
               QStringLiteral("%1").arg(uchar(borkum[100]), 2, 16, QLatin1Char('0')),
               QStringLiteral("%1").arg(uchar(marked[100]), 2, 16, QLatin1Char('0')))};
    const QByteArray timers = chunk("TIMERS", settings());
    QTest::newRow("unknown chunk size") << replaced(timers, chunk("WETTER", "abc") + timers)
                                        << replaced(timers, chunk("WETTER", "abcd") + timers)
                                        << QStringList{msg::diffChunkChanged("WETTER", 3, 4)};
    QTest::newRow("unknown chunk added")
        << clean << replaced(timers, chunk("WETTER", "abcd") + timers)
        << QStringList{msg::diffAdded(msg::diffChunk("WETTER"))};
}

void TestCheck::diffNamesEachEdit()
{
    QFETCH(QByteArray, base);
    QFETCH(QByteArray, edited);
    QFETCH(QStringList, lines);
    RumoSzen a(kNoGame, nullptr);
    RumoSzen b(kNoGame, nullptr);
    QVERIFY(load(a, base));
    QVERIFY(load(b, edited));
    QStringList found;
    for (const DiffLine &d : ScenarioDiff::Compare(a, b))
        found << d.text;
    QCOMPARE(found, lines);
}

// Changing any bit of any payload byte that a load reads gives at least one
// line: the rich scenario holds every kind of record the program reads (and
// a chunk it only carries), and each of its payload bytes is changed in
// turn, each time in another bit. Each field of each record kind is named
// by the changes of its bytes.
void TestCheck::diffReportsEveryChangedByte_data()
{
    QTest::addColumn<QByteArray>("chunkName");
    QTest::addColumn<QStringList>("fields"); // "area: field" the changes named
    QTest::addColumn<bool>("everyBit");      // else bit 0 and one more of each byte

    const QStringList island{"Position",
                             "Größe",
                             "Klima",
                             "Größenklasse",
                             "Vorlage",
                             "Eigener Boden",
                             msg::diffCityOwner(0),
                             msg::diffCityOwner(7)};
    QTest::newRow("NAME") << QByteArray("NAME") << QStringList{"settings: Szenarioname"} << false;
    QTest::newRow("carried chunk") << QByteArray("ZUFALL") << QStringList() << false;
    QStringList islandFields;
    for (const QString &f : island)
        islandFields << QStringLiteral("island: ") + f;
    QTest::newRow("INSEL5") << QByteArray("INSEL5") << islandFields << false;
    QTest::newRow("INSEL_MAXFUN") << QByteArray("INSEL_MAXFUN") << islandFields << false;
    QTest::newRow("INSELHAUS") << QByteArray("INSELHAUS")
                               << QStringList{"island: Felder der Bodenebene",
                                              "island: Felder der Gebäudeebene"}
                               << false;
    QTest::newRow("HIRSCH2") << QByteArray("HIRSCH2") << QStringList{"island: Hirsche"} << false;
    QTest::newRow("STADT4") << QByteArray("STADT4")
                            << QStringList{"city: Name", "city: Besitzer", "city: Baustopp"}
                            << false;
    QTest::newRow("KONTOR2") << QByteArray("KONTOR2")
                             << QStringList{"tradingPost: Erz", "tradingPost: Gold"} << false;
    QTest::newRow("SZENE_KAMPAGNE")
        << QByteArray("SZENE_KAMPAGNE") << QStringList{"settings: Kampagne"} << false;
    QTest::newRow("SZENE") << QByteArray("SZENE")
                           << QStringList{"island: Anzahl",       "island: Position",
                                          "island: Inselnummer",  "island: Klima",
                                          "island: Größenklasse", "island: Eingeborene",
                                          "island: Vorlage"}
                           << false;
    // Castle and cathedral read yes for any byte but 0; the builder's bytes
    // there are no single bit away from 0, so their changes are bytes of no
    // field.
    QStringList player;
    for (const char *f :
         {"Name", "Art", "Farbe", "Konto", "Auftrag", "Denkmäler erhalten", "Denkmäler gebaut",
          "Triumphbögen erhalten", "Triumphbögen gebaut", "Soldaten besiegt", "Soldaten verloren",
          "Schiffe versenkt", "Schiffe gesunken", "Stimmungsschalter", "Entwicklungsstufe A1",
          "Entwicklungsstufe A2", "Freigeschaltete Gebäude",
          "Krieg bei mehr Einwohnern des Spielers als", "Krieg bei weniger eigenen Einwohnern als"})
        player << QStringLiteral("player: ") + QString::fromUtf8(f);
    QTest::newRow("PLAYER4") << QByteArray("PLAYER4") << player << false;
    QStringList mission;
    for (const char *f : {"Nummer",
                          "Auftragstext",
                          "Zielschalter",
                          "Unterstützungsziele",
                          "Erste Stadt",
                          "Zweite Stadt",
                          "Dritte Stadt",
                          "Gesamteinwohnerzahl",
                          "Zu besiegende Spieler",
                          "Zu unterstützender Spieler",
                          "Erreiche Einwohner (Freund)",
                          "Halte Einwohner (Freund)",
                          "Halte Siedlungen",
                          "1. Lager",
                          "2. Lager",
                          "Gesamtbilanz",
                          "Handelsbilanz",
                          "1. Monopol",
                          "2. Monopol",
                          "Guthaben"})
        mission << QStringLiteral("mission: ") + QString::fromUtf8(f);
    QTest::newRow("AUFTRAG4") << QByteArray("AUFTRAG4") << mission << false;
    QStringList ship{"ship: Name",     "ship: Position", "ship: Typ",    "ship: Art",
                     "ship: Besitzer", "ship: Energie",  "ship: Kanonen"};
    for (int c = 0; c < 8; ++c)
        ship << QStringLiteral("ship: ") + msg::diffCargo(c);
    QTest::newRow("SHIP4") << QByteArray("SHIP4") << ship << false;
    QStringList settings;
    for (const char *f :
         {"Maximale Anzahl Schiffe", "Piraten erscheinen nicht wieder", "Dürren sind nicht möglich",
          "Große Erzvorkommen sind unerschöpflich", "Fliegender Händler erscheint nicht",
          "Vulkane brechen nicht aus", "Militäroptionen aus", "weitere Schalterbits", "MissNr",
          "MissSubNr", "GameId", "Tutorflg", "CompLevel"})
        settings << QStringLiteral("settings: ") + QString::fromUtf8(f);
    QTest::newRow("TIMERS") << QByteArray("TIMERS") << settings << true;
}

void TestCheck::diffReportsEveryChangedByte()
{
    QFETCH(QByteArray, chunkName);
    QFETCH(QStringList, fields);
    QFETCH(bool, everyBit);
    TempGameInstallation game;
    const RichScenario rich = richScenario();
    rich.install(game);
    RumoSzen original(game.gameFolder(), nullptr);
    QVERIFY(load(original, rich.file));

    QStringList silent;
    QSet<QString> named;
    int changed = 0;
    for (qsizetype at = 0; at + 20 <= rich.file.size();) {
        const auto *header = reinterpret_cast<const uchar *>(rich.file.constData() + at);
        const qint32 length = qFromLittleEndian<qint32>(header + 16);
        const QByteArray name(reinterpret_cast<const char *>(header));
        at += 20;
        for (qsizetype i = 0; name == chunkName && i < length; ++i) {
            // Bit 0, where the flags are, and one more that moves on.
            QList<int> bits{0, int((at + i) % 7) + 1};
            if (everyBit)
                bits = {0, 1, 2, 3, 4, 5, 6, 7};
            for (const int bit : bits) {
                QByteArray edited = rich.file;
                edited[at + i] = char(edited[at + i] ^ (1 << bit));
                RumoSzen doc(game.gameFolder(), nullptr);
                QVERIFY(load(doc, edited));
                const QList<DiffLine> lines = ScenarioDiff::Compare(original, doc);
                if (lines.isEmpty())
                    silent << QStringLiteral("%1 byte %2 bit %3")
                                  .arg(QString::fromLatin1(name))
                                  .arg(i)
                                  .arg(bit);
                for (const DiffLine &d : lines)
                    named.insert(d.area + QStringLiteral(": ") + d.field);
                ++changed;
            }
        }
        at += length;
    }
    QVERIFY(changed > 0);
    QCOMPARE(silent, QStringList());
    for (const QString &f : fields)
        QVERIFY2(named.contains(f), qPrintable(f));
}

QTEST_GUILESS_MAIN(TestCheck)
#include "tst_check.moc"
