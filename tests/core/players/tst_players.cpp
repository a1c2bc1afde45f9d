#include "core/common/bytes.h"
#include "core/players/missionrecord.h"
#include "core/players/playerrecord.h"
#include "support/scenariobuilder.h"

#include <QtTest>
#include <functional>

using namespace scenario;

namespace {

// Sets one field through the record's setter and returns which bytes changed.
QList<int> changedBytes(int size, const std::function<void(uchar *)> &set)
{
    QByteArray before = pattern(size, 7);
    QByteArray after = before;
    set(reinterpret_cast<uchar *>(after.data()));
    QList<int> changed;
    for (int i = 0; i < size; ++i) {
        if (before[i] != after[i])
            changed << i;
    }
    return changed;
}

QList<int> range(int from, int count)
{
    QList<int> r;
    for (int i = 0; i < count; ++i)
        r << from + i;
    return r;
}

} // namespace

class TestPlayers : public QObject {
    Q_OBJECT

private slots:
    void playerFieldsSitAtTheirOffsets();
    void missionFieldsSitAtTheirOffsets();
    void colourToSlot();
    void kindAndMonopolyTables();
    void textFieldsStayInsideTheirFields();
    void missionTextCountsOnlyWhenNotBlank();
};

void TestPlayers::playerFieldsSitAtTheirOffsets()
{
    auto p = [](auto set) {
        return changedBytes(PlayerRecord::Size, [&](uchar *d) { set(PlayerRecord(d)); });
    };
    QCOMPARE(p([](PlayerRecord r) { r.setMoney(-0x01020305); }), range(0, 4));
    QCOMPARE(p([](PlayerRecord r) { r.setKind(0xEE); }), range(4, 1));
    QCOMPARE(p([](PlayerRecord r) { r.setColour(0xEE); }), range(7, 1));
    QCOMPARE(p([](PlayerRecord r) { r.setMission(0xEE); }), range(12, 1));
    QCOMPARE(p([](PlayerRecord r) { r.setCounter(PlayerRecord::ShipsLost, 0xEEEE); }),
             range(24, 2));
    QCOMPARE(p([](PlayerRecord r) { r.setCounter(PlayerRecord::ShipsSunk, 0xEEEE); }),
             range(26, 2));
    QCOMPARE(p([](PlayerRecord r) { r.setMoods(0xEEEEEEEE); }), range(28, 4));
    QCOMPARE(p([](PlayerRecord r) { r.setLevelMaxHuman(0xEE); }), range(37, 1));
    QCOMPARE(p([](PlayerRecord r) { r.setUnlockedBuildings(0xEEEEEEEE); }), range(52, 4));
    QCOMPARE(p([](PlayerRecord r) { r.setCounter(PlayerRecord::MonumentsBuilt, 0xEEEE); }),
             range(58, 2));
    QCOMPARE(p([](PlayerRecord r) { r.setName(QString(70, QLatin1Char('x'))); }), range(960, 64));
}

void TestPlayers::missionFieldsSitAtTheirOffsets()
{
    auto m = [](auto set) {
        return changedBytes(MissionRecord::Size, [&](uchar *d) { set(MissionRecord(d)); });
    };
    QCOMPARE(m([](MissionRecord r) { r.setMonopoly(2, 0xEE); }), range(34, 1));
    QCOMPARE(m([](MissionRecord r) { r.setSupportedPlayer(0xEE); }), range(36, 1));
    QCOMPARE(m([](MissionRecord r) { r.setDefeatFlag(5, 0xEE); }), range(49, 1));
    QCOMPARE(m([](MissionRecord r) { r.setTradeBalance(-0x11111112); }), range(84, 4));
    QCOMPARE(m([](MissionRecord r) { r.setSettlementsToKeep(-0x1112); }), range(92, 2));
    QCOMPARE(m([](MissionRecord r) { r.setStoreGoods(2, 0xEE); }), range(2156, 1));
    QCOMPARE(m([](MissionRecord r) { r.setStoreAmount(2, 0xEEEE); }), range(2158, 2));
    QCOMPARE(m([](MissionRecord r) { r.cityGoal(3).setGroupCount(0xEEEEEEEE); }), range(2192, 4));
    QCOMPARE(m([](MissionRecord r) { r.keepInhabitantsGoal().setGroup(-0x11111112); }),
             range(2212, 4));
    QCOMPARE(m([](MissionRecord r) { r.reachInhabitantsGoal().setInhabitants(-0x11111112); }),
             range(2232, 4));
}

void TestPlayers::colourToSlot()
{
    QByteArray area = players({3, 0, 2, 3, 0, 5, 0});
    const PlayerArea players(reinterpret_cast<uchar *>(area.data()));
    QCOMPARE(players.slotOfColour(0), std::optional<int>(1));
    QCOMPARE(players.slotOfColour(0, 1), std::optional<int>(4));
    QCOMPARE(players.slotOfColour(6), std::nullopt);
    QCOMPARE(players.colourOf(7), std::nullopt);
    QCOMPARE(players.mapColourOf(5), QColor(0, 128, 0));
    QCOMPARE(players.mapColourOf(7), QColor(137, 99, 64));
    players.player(2).setColour(9); // no such colour code: drawn as unowned
    QCOMPARE(players.mapColourOf(2), QColor(137, 99, 64));
    QCOMPARE(PlayerColour::Name(9), QString());
}

void TestPlayers::kindAndMonopolyTables()
{
    QCOMPARE(PlayerKind::Code(0), quint8(10));
    QCOMPARE(PlayerKind::ItemOf(14), std::optional<int>(5));
    QCOMPARE(PlayerKind::ItemOf(1), std::nullopt);
    QCOMPARE(PlayerKind::Name(3), QStringLiteral("Händler"));
    QCOMPARE(MonopolyGoods::ItemOf(49), std::optional<int>(3));
    QCOMPARE(MonopolyGoods::Name(3), QStringLiteral("Baumwolle"));
    QCOMPARE(MonopolyGoods::ItemOf(4), std::nullopt);
    QCOMPARE(PopulationLevel::groupName(5), QStringLiteral("Aristokraten"));
}

// Names are read up to their zero byte but never past their field, and
// writing one never touches the bytes after it.
void TestPlayers::textFieldsStayInsideTheirFields()
{
    QByteArray bytes = pattern(PlayerRecord::Size, 3);
    PlayerRecord player(reinterpret_cast<uchar *>(bytes.data()));
    bytes.replace(960, 64, QByteArray(64, 'A')); // no terminator at all
    QCOMPARE(player.name().size(), 64);
    player.setName(QString(80, QLatin1Char('B')));
    QCOMPARE(player.name(), QString(63, QLatin1Char('B')));
    QCOMPARE(bytes.at(1023), '\0');
    QCOMPARE(bytes.mid(1024), pattern(PlayerRecord::Size, 3).mid(1024));

    QByteArray m = pattern(MissionRecord::Size, 4);
    MissionRecord mission(reinterpret_cast<uchar *>(m.data()));
    mission.setText(QString(3000, QLatin1Char('T')));
    QCOMPARE(mission.text().size(), 2047);
    QCOMPARE(m.at(2151), '\0');
    QCOMPARE(m.mid(2152), pattern(MissionRecord::Size, 4).mid(2152));
}

void TestPlayers::missionTextCountsOnlyWhenNotBlank()
{
    QByteArray area = mission(0, "Erster Auftrag") + mission(1, " \r\n\t ") +
                      mission(2, "Dritter Auftrag") + mission(3, "Vierter");
    const MissionArea missions(reinterpret_cast<uchar *>(area.data()));
    QVERIFY(!missions.mission(1).hasText());
    QCOMPARE(missions.usedCount(), 1);
    missions.mission(1).setText(QStringLiteral("  x  "));
    QCOMPARE(missions.usedCount(), 4);
}

QTEST_GUILESS_MAIN(TestPlayers)
#include "tst_players.moc"
