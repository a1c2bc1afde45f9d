#include "cli/scenariojson.h"

#include "core/document/rumoszen.h"
#include "core/goods/goodstable.h"
#include "core/goods/shiptypetable.h"

#include <QJsonArray>

namespace {

QJsonValue orNull(const QString &text)
{
    return text.isEmpty() ? QJsonValue() : QJsonValue(text);
}

QJsonObject settingsJson(ScenarioSettings s)
{
    return {
        {"tutorFlag", s.tutorFlag()},         {"computerLevel", s.computerLevel()},
        {"missionNumber", s.missionNumber()}, {"switches", qint64(s.switches())},
        {"gameId", qint64(s.gameId())},       {"missionSubNumber", qint64(s.missionSubNumber())},
        {"maxShips", qint64(s.maxShips())}};
}

QJsonObject cityJson(const CityRecord &c)
{
    return {
        {"slot", c.slot()}, {"name", c.name()}, {"owner", c.owner()}, {"buildStop", c.buildStop()}};
}

QJsonObject tradingPostJson(const TradingPostRecord &p)
{
    QJsonObject stock;
    for (int g = GoodsTable::FirstGoods; g <= GoodsTable::LastGoods; ++g)
        stock[GoodsTable::StockName(g)] = qint64(p.slot(g).amount() >> 5);
    return {{"citySlot", p.citySlot()}, {"stock", stock}};
}

// Settlements of an island number the map cannot show, kept as read.
QJsonObject unplacedJson(const UnplacedSettlements &u)
{
    QJsonArray cities;
    for (const CityRecord &c : u.cities)
        cities.append(cityJson(c));
    QJsonArray posts;
    for (const TradingPostRecord &p : u.tradingPosts)
        posts.append(tradingPostJson(p));
    return {{"island", u.island},
            {"cities", cities},
            {"tradingPosts", posts},
            {"deer", int(u.deer.size())}};
}

QJsonObject islandJson(const RumoSzen &doc, const Insel &island)
{
    const IslandRecord r = island.record();
    QJsonArray owners;
    for (int s = 0; s < IslandRecord::CitySlots; ++s)
        owners.append(r.cityOwner(s));
    QJsonArray layers;
    for (const auto &layer : island.layers())
        layers.append(layer->tileCount());
    QJsonArray cities;
    for (const CityRecord &c : island.cities()) {
        if (!c)
            continue;
        QJsonObject city = cityJson(c);
        if (const auto b = doc.CityBounds(island, c.slot()))
            city["bounds"] = QJsonArray{b->left, b->top, b->right, b->bottom};
        cities.append(city);
    }
    QJsonArray posts;
    for (const TradingPostRecord &p : island.tradingPosts())
        posts.append(tradingPostJson(p));
    return {{"number", island.number()},
            {"source", island.fromChunk() ? "chunk" : "reference"},
            {"x", island.x()},
            {"y", island.y()},
            {"width", island.width()},
            {"height", island.height()},
            {"climate", island.climate()},
            {"sizeClass", island.sizeClass()},
            {"templateNumber", island.templateNumber()},
            {"native", island.native()},
            {"ownGround", r.ownGround()},
            {"label", IslandLabel(island)},
            {"layers", layers},
            {"cityOwners", owners},
            {"cities", cities},
            {"tradingPosts", posts},
            {"deer", int(island.deer().size())}};
}

QJsonObject shipJson(const ShipRecord &ship)
{
    const auto type = ShipTypeTable::IndexOfFigure(ship.figure());
    QJsonArray cargo;
    for (int k = 0; k < ShipRecord::CargoSlots; ++k) {
        const CargoSlot slot = ship.cargo(k);
        const int index = GoodsTable::IndexOfIdentifier(slot.goods());
        cargo.append(QJsonObject{{"goods", slot.goods()},
                                 {"goodsName", orNull(GoodsTable::StockName(index))},
                                 {"tons", slot.amount() >> 5},
                                 {"flags", slot.amountWord() >> 14}});
    }
    QJsonObject json{{"name", ship.name()},
                     {"type", type ? QJsonValue(ShipTypeTable::Row(*type).name) : QJsonValue()},
                     {"figure", ship.figure()},
                     {"kind", ship.kind()},
                     {"cart", ship.isCart()},
                     {"owner", ship.owner()},
                     {"x", ship.x()},
                     {"y", ship.y()},
                     {"energy", ship.energy()},
                     {"guns", ship.guns()},
                     {"cargo", cargo}};
    if (type)
        json["energyPercent"] = ship.energy() * 100 / ShipTypeTable::Row(*type).fullEnergy;
    return json;
}

QJsonObject playerJson(PlayerRecord p, int slot)
{
    const auto kind = PlayerKind::ItemOf(p.kind());
    QJsonObject counters;
    const std::pair<const char *, PlayerRecord::Counter> names[] = {
        {"monumentsReceived", PlayerRecord::MonumentsReceived},
        {"monumentsBuilt", PlayerRecord::MonumentsBuilt},
        {"archesReceived", PlayerRecord::ArchesReceived},
        {"archesBuilt", PlayerRecord::ArchesBuilt},
        {"soldiersDefeated", PlayerRecord::SoldiersDefeated},
        {"soldiersLost", PlayerRecord::SoldiersLost},
        {"shipsSunk", PlayerRecord::ShipsSunk},
        {"shipsLost", PlayerRecord::ShipsLost},
        {"humanInhabitantsMax", PlayerRecord::HumanInhabitantsMax},
        {"ownInhabitantsMin", PlayerRecord::OwnInhabitantsMin}};
    for (const auto &[name, counter] : names)
        counters[name] = p.counter(counter);
    return {{"slot", slot},
            {"name", p.name()},
            {"kind", p.kind()},
            {"kindName", kind ? QJsonValue(PlayerKind::Name(*kind)) : QJsonValue()},
            {"colour", p.colour()},
            {"colourName", orNull(PlayerColour::Name(p.colour()))},
            {"money", p.money()},
            {"mission", p.mission()},
            {"castleBuilt", p.castleBuilt()},
            {"cathedralBuilt", p.cathedralBuilt()},
            {"counters", counters},
            {"moods", qint64(p.moods())},
            {"levelMin", p.levelMin()},
            {"levelMaxHuman", p.levelMaxHuman()},
            {"unlockedBuildings", qint64(p.unlockedBuildings())}};
}

QJsonObject goalJson(CityGoal g)
{
    return {{"inhabitants", g.inhabitants()},
            {"group", g.group()},
            {"groupCount", qint64(g.groupCount())}};
}

QJsonObject missionJson(MissionRecord m, int index)
{
    QJsonArray defeat;
    for (int s = 0; s < MissionRecord::DefeatSlots; ++s)
        defeat.append(m.defeatFlag(s));
    QJsonArray cityGoals;
    for (int i = 1; i <= 3; ++i)
        cityGoals.append(goalJson(m.cityGoal(i)));
    QJsonArray stores;
    for (int k = 1; k <= 2; ++k) {
        stores.append(QJsonObject{{"goods", m.storeGoods(k)},
                                  {"goodsName", orNull(GoodsTable::ListName(m.storeGoods(k)))},
                                  {"tons", m.storeAmount(k) >> 5}});
    }
    return {{"index", index},
            {"number", m.number()},
            {"text", m.text()},
            {"goals", qint64(m.goals())},
            {"supportGoals", qint64(m.supportGoals())},
            {"monopolies", QJsonArray{m.monopoly(1), m.monopoly(2)}},
            {"supportedPlayer", m.supportedPlayer()},
            {"defeatFlags", defeat},
            {"population", m.population()},
            {"money", m.money()},
            {"balance", m.balance()},
            {"tradeBalance", m.tradeBalance()},
            {"settlementsToKeep", m.settlementsToKeep()},
            {"stores", stores},
            {"cityGoals", cityGoals},
            {"keepInhabitants", goalJson(m.keepInhabitantsGoal())},
            {"reachInhabitants", goalJson(m.reachInhabitantsGoal())}};
}

} // namespace

QJsonObject ScenarioToJson(RumoSzen &doc)
{
    QJsonArray chunks;
    for (const ScenarioChunk &c : doc.chunks()) {
        chunks.append(QJsonObject{{"name", QString::fromLatin1(c.name())}, {"length", c.length()}});
    }
    QJsonArray islands;
    for (const auto &island : doc.Islands()) {
        if (island)
            islands.append(islandJson(doc, *island));
    }
    QJsonArray unplaced;
    for (const UnplacedSettlements &u : doc.unplacedSettlements())
        unplaced.append(unplacedJson(u));
    QJsonArray ships;
    for (const ShipRecord &ship : doc.Ships())
        ships.append(shipJson(ship));
    QJsonArray players;
    for (int slot = 0; slot < PlayerRecord::Count; ++slot)
        players.append(playerJson(doc.players().player(slot), slot));
    QJsonArray missions;
    for (int m = 0; m < MissionRecord::Count; ++m)
        missions.append(missionJson(doc.missions().mission(m), m));
    return {{"file", doc.FilePath()},
            {"notices", QJsonArray::fromStringList(doc.notices())},
            {"chunks", chunks},
            {"settings", settingsJson(doc.settings())},
            {"campaignNumber", doc.CampaignNumber()},
            {"scenarioName", doc.scenarioName()},
            {"islands", islands},
            {"unplacedSettlements", unplaced},
            {"ships", ships},
            {"players", players},
            {"missions", missions}};
}
