#include "cli/scenariojson.h"

#include "core/document/rumoszen.h"
#include "core/goods/goodstable.h"
#include "core/goods/shiptypetable.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace {

// Amounts are stored in 1/32 t; a multiple of 1/32 is exact in a double and
// in its JSON text (86 3/32 t is 86.09375), so nothing of the stored value
// is lost and whole tons stay integers.
double tons(quint32 amount)
{
    return amount / 32.0;
}

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
        stock[GoodsTable::StockName(g)] = tons(p.slot(g).amount());
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
                                 {"tons", tons(slot.amount())},
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
                                  {"tons", tons(m.storeAmount(k))}});
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

// The JSON text of one value, as it stands after its key.
QByteArray valueText(const QJsonValue &value)
{
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

// Writes the JSON text piece by piece, in the form QJsonDocument gives with
// QJsonDocument::Indented (keys in order, four spaces a level), so that the
// output stays the same while a file of a million chunks never has a
// million JSON objects in memory at once.
class JsonWriter {
public:
    explicit JsonWriter(QTextStream &out) : out_(out) {}

    void beginObject() { out_ << "{\n"; }
    void endObject() { out_ << "}\n"; }
    // One key of the outer object with a value made whole.
    void member(const char *key, const QJsonValue &value)
    {
        next();
        out_ << "    \"" << key << "\": ";
        if (value.isObject() || value.isArray()) {
            const QByteArray text =
                value.isObject() ? QJsonDocument(value.toObject()).toJson(QJsonDocument::Indented)
                                 : QJsonDocument(value.toArray()).toJson(QJsonDocument::Indented);
            out_ << indented(text.chopped(1), 1).mid(4);
        } else {
            out_ << valueText(value);
        }
    }
    // A key of the outer object whose array is written element by element.
    void beginArray(const char *key)
    {
        next();
        out_ << "    \"" << key << "\": [\n";
        firstElement_ = true;
    }
    void element(const QJsonObject &object)
    {
        elementText(indented(QJsonDocument(object).toJson(QJsonDocument::Indented).chopped(1), 2));
    }
    void element(const QJsonValue &value) { elementText("        " + valueText(value)); }
    // An element already in its final form.
    void elementText(const QByteArray &text)
    {
        if (!firstElement_)
            out_ << ",\n";
        firstElement_ = false;
        out_ << text;
    }
    void endArray()
    {
        if (!firstElement_)
            out_ << '\n';
        out_ << "    ]";
    }
    void finish() { out_ << '\n'; }

private:
    void next()
    {
        if (!firstMember_)
            out_ << ",\n";
        firstMember_ = false;
    }
    static QByteArray indented(const QByteArray &text, int levels)
    {
        const QByteArray pad(4 * levels, ' ');
        QByteArray result = pad + text;
        result.replace("\n", "\n" + pad);
        return result;
    }

    QTextStream &out_;
    bool firstMember_ = true;
    bool firstElement_ = true;
};

} // namespace

void WriteScenarioJson(RumoSzen &doc, QTextStream &out)
{
    JsonWriter json(out);
    json.beginObject();
    json.member("campaignNumber", doc.CampaignNumber());
    json.beginArray("chunks");
    for (const ScenarioChunk &c : doc.chunks()) {
        // By hand: the one list as long as the file has chunks.
        json.elementText("        {\n            \"length\": " + QByteArray::number(c.length()) +
                         ",\n            \"name\": " +
                         valueText(QString::fromLatin1(c.nameView())) + "\n        }");
    }
    json.endArray();
    json.member("file", doc.FilePath());
    json.beginArray("islands");
    for (const auto &island : doc.Islands()) {
        if (island)
            json.element(islandJson(doc, *island));
    }
    json.endArray();
    json.beginArray("missions");
    for (int m = 0; m < MissionRecord::Count; ++m)
        json.element(missionJson(doc.missions().mission(m), m));
    json.endArray();
    json.beginArray("notices");
    for (const QString &notice : doc.notices())
        json.element(QJsonValue(notice));
    json.endArray();
    json.beginArray("players");
    for (int slot = 0; slot < PlayerRecord::Count; ++slot)
        json.element(playerJson(doc.players().player(slot), slot));
    json.endArray();
    json.member("scenarioName", doc.scenarioName());
    json.member("settings", settingsJson(doc.settings()));
    json.beginArray("ships");
    for (const ShipRecord &ship : doc.Ships())
        json.element(shipJson(ship));
    json.endArray();
    json.beginArray("unplacedSettlements");
    for (const UnplacedSettlements &u : doc.unplacedSettlements())
        json.element(unplacedJson(u));
    json.endArray();
    json.finish();
    json.endObject();
}
