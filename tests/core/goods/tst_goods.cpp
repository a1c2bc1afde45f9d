#include "core/common/bytes.h"
#include "core/document/rumoszen.h"
#include "core/goods/goodstable.h"
#include "core/goods/shiptypetable.h"
#include "support/documentio.h"
#include "support/scenariobuilder.h"

#include <QtTest>

using namespace scenario;

namespace {

constexpr int kShipSize = 436;
constexpr int kCargo = 372;
constexpr int kPostSize = 1004;

// Amount words with both flag bits set, so emptying must keep them.
const QList<std::pair<quint16, quint16>> kCargo8 = {{2401, 0xC000 | 320}, {1505, 0x4000 | 64},
                                                    {9901, 0x8000 | 32},  {501, 16352},
                                                    {2001, 0xC000 | 33},  {513, 1},
                                                    {521, 0x8000},        {9916, 0xFFFF}};

QByteArray fleet()
{
    return ship("Anna", 10, 10, 21, 1, 2, 1600, 4, kCargo8)     // ship of player 2
           + ship("Karl", 20, 10, 37, 5, 2, 448, 0, kCargo8)    // cart of player 2
           + ship("Berta", 30, 10, 23, 1, 1, 2560, 8, kCargo8); // ship of player 1
}

quint16 word(const QByteArray &b, int offset)
{
    return le::u16(reinterpret_cast<const uchar *>(b.constData()), offset);
}

} // namespace

class TestGoods : public QObject {
    Q_OBJECT

private slots:
    void goodsIdentifiers_data();
    void goodsIdentifiers();
    void shipTypes();
    void emptyingShipsAndCarts();
    void emptyingTradingPosts();
    void cargoAndNameFields();
};

void TestGoods::goodsIdentifiers_data()
{
    QTest::addColumn<int>("identifier");
    QTest::addColumn<int>("index");
    QTest::newRow("empty") << 0 << 1;
    QTest::newRow("ore") << 2401 << 2;
    QTest::newRow("bricks") << 513 << 24;
    QTest::newRow("first further kind") << 9901 << 25;
    QTest::newRow("last further kind") << 9916 << 40;
    QTest::newRow("unknown") << 9999 << 1;
    QTest::newRow("just past the further kinds") << 9917 << 1;
}

void TestGoods::goodsIdentifiers()
{
    QFETCH(int, identifier);
    QFETCH(int, index);
    QCOMPARE(GoodsTable::indexOfIdentifier(quint16(identifier)), index);
    if (index > 1)
        QCOMPARE(GoodsTable::Identifier(index), quint16(identifier));
}

void TestGoods::shipTypes()
{
    QCOMPARE(GoodsTable::stockName(24), QStringLiteral("Ziegel"));
    QCOMPARE(GoodsTable::listName(24), QStringLiteral("Steine"));
    QCOMPARE(GoodsTable::listName(1), QString());
    QCOMPARE(ShipTypeTable::indexOfFigure(37), std::optional<int>(6));
    QCOMPARE(ShipTypeTable::Row(6).kind, quint8(5));
    QCOMPARE(ShipTypeTable::Row(3).fullEnergy, quint16(3840));
    QCOMPARE(ShipTypeTable::Row(4).cargoSlots, 7);
    QCOMPARE(ShipTypeTable::indexOfFigure(22), std::nullopt);
}

// Ships of a player lose goods and amounts, carts only their amounts; the
// flag bits of every amount word and every other vehicle stay.
void TestGoods::emptyingShipsAndCarts()
{
    const QByteArray file = chunk("SHIP4", fleet()) + minimalScenario();
    RumoSzen doc(QString(), nullptr);
    QVERIFY(load(doc, file));
    doc.emptyShipsOf(2);
    doc.emptyCartsOf(2);
    const QByteArray out = saved(doc);
    const QByteArray before = fleet();
    const QByteArray after = out.mid(20, 3 * kShipSize);
    QCOMPARE(after.size(), before.size());

    for (int k = 0; k < 8; ++k) {
        const int slot = kCargo + 8 * k;
        const quint16 flags = word(before, slot + 2) & 0xC000;
        QCOMPARE(word(after, slot), quint16(0));                                 // ship: goods gone
        QCOMPARE(word(after, slot + 2), flags);                                  // amount gone
        QCOMPARE(word(after, kShipSize + slot), word(before, kShipSize + slot)); // cart keeps goods
        QCOMPARE(word(after, kShipSize + slot + 2), flags);
    }
    // Everything else of the first two records, and the third record whole.
    QByteArray masked = after;
    for (int r = 0; r < 2; ++r)
        masked.replace(r * kShipSize + kCargo, 64, before.mid(r * kShipSize + kCargo, 64));
    QCOMPARE(masked, before);
}

// A post is emptied when the city of its slot belongs to the player: all 50
// slots lose amount and the two words before it, nothing else.
void TestGoods::emptyingTradingPosts()
{
    IslandSpec island;
    island.cityOwners = {3, 1, 7, 7, 7, 7, 7, 7};
    const QByteArray posts = tradingPost(1, 0, {32, 64, 96}) + tradingPost(1, 1, {32}) +
                             tradingPost(1, 5, {32}); // slot 5 has no city
    const QByteArray file = ScenarioBuilder()
                                .chunk("INSEL5", islandRecord(island))
                                .chunk("INSELHAUS", tile(1, 0, 0))
                                .chunk("STADT4", city(1, 0, 3, "Drei") + city(1, 1, 1, "Eins"))
                                .chunk("KONTOR2", posts)
                                .raw(minimalScenario())
                                .bytes();
    RumoSzen doc(QString(), nullptr);
    QVERIFY(load(doc, file));
    doc.emptyTradingPostsOf(3);
    const QByteArray out = saved(doc);
    const qsizetype at = out.indexOf("KONTOR2") + 20;
    const QByteArray after = out.mid(at, 3 * kPostSize);

    QByteArray expected = posts;
    for (int slot = 0; slot < 50; ++slot) {
        const int base = 4 + 20 * slot;
        expected.replace(base + 6, 4, QByteArray(4, '\0'));
        expected.replace(base + 12, 4, QByteArray(4, '\0'));
    }
    expected.replace(kPostSize, 2 * kPostSize, posts.mid(kPostSize));
    QCOMPARE(after, expected);
}

void TestGoods::cargoAndNameFields()
{
    QByteArray bytes = ship("Anna", 1, 1, 21, 1, 0, 0, 0, kCargo8);
    ShipRecord record(reinterpret_cast<uchar *>(bytes.data()));
    record.cargo(0).setAmount(511 * 32);
    QCOMPARE(word(bytes, kCargo + 2), quint16(0xC000 | 16352));
    QCOMPARE(record.cargo(7).amount(), quint16(0x3FFF));

    const QByteArray tail = bytes.mid(24);
    record.setName(QStringLiteral("Ein Name mit dreißig Zeichen!!"));
    QCOMPARE(record.name(), QStringLiteral("Ein Name mit dreißig Ze"));
    QCOMPARE(bytes.at(23), '\0');
    QCOMPARE(bytes.mid(24), tail);
    QCOMPARE(quint8(bytes.at(17)), quint8(0xDF)); // "ß" in Windows-1252
}

QTEST_GUILESS_MAIN(TestGoods)
#include "tst_goods.moc"
