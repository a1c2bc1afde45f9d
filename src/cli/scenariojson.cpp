#include "cli/scenariojson.h"

#include "core/document/rumoszen.h"
#include "core/fields/cityfields.h"
#include "core/fields/islandfields.h"
#include "core/fields/missionfields.h"
#include "core/fields/playerfields.h"
#include "core/fields/settingsfields.h"
#include "core/fields/shipfields.h"
#include "core/fields/tradingpostfields.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace {

using RecordFields::addJson;
using RecordFields::toJson;

QJsonObject cityJson(const CityRecord &c)
{
    return toJson(RecordFields::city(), c);
}

QJsonObject tradingPostJson(const TradingPostRecord &p)
{
    return toJson(RecordFields::tradingPost(), p);
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
    QJsonObject json = toJson(RecordFields::placedIsland(), island);
    addJson(RecordFields::islandRecord(), island.record(), json);
    json["cities"] = cities;
    json["tradingPosts"] = posts;
    return json;
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

void writeScenarioJson(RumoSzen &doc, QTextStream &out)
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
    for (int m = 0; m < MissionRecord::Count; ++m) {
        QJsonObject mission = toJson(RecordFields::mission(), doc.missions().mission(m));
        mission["index"] = m;
        json.element(mission);
    }
    json.endArray();
    json.beginArray("notices");
    for (const QString &notice : doc.notices())
        json.element(QJsonValue(notice));
    json.endArray();
    json.beginArray("players");
    for (int slot = 0; slot < PlayerRecord::Count; ++slot) {
        QJsonObject player = toJson(RecordFields::player(), doc.players().player(slot));
        player["slot"] = slot;
        json.element(player);
    }
    json.endArray();
    json.member("scenarioName", doc.scenarioName());
    json.member("settings", toJson(RecordFields::settings(), doc.settings()));
    json.beginArray("ships");
    for (const ShipRecord &ship : doc.Ships())
        json.element(toJson(RecordFields::ship(), ship));
    json.endArray();
    json.beginArray("unplacedSettlements");
    for (const UnplacedSettlements &u : doc.unplacedSettlements())
        json.element(unplacedJson(u));
    json.endArray();
    json.finish();
    json.endObject();
}
