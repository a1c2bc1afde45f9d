#include "core/check/scenariocheck.h"

#include "core/common/checkmessages.h"
#include "core/common/world.h"
#include "core/document/rumoszen.h"
#include "core/format/chunknames.h"

#include <QJsonObject>
#include <algorithm>
#include <map>

namespace {

using Kind = ObjectRef::Kind;
using Severity = Finding::Severity;

// Chunks read as a list of fixed-size records; a remainder is no record.
int recordSizeOf(QByteArrayView name)
{
    if (name == ChunkNames::Cities)
        return CityRecord::Size;
    if (name == ChunkNames::TradingPosts)
        return TradingPostRecord::Size;
    if (name == ChunkNames::Deer)
        return DeerRecord::Size;
    if (name == ChunkNames::Ships)
        return ShipRecord::Size;
    return 0;
}

// Chunks copied into a record area of fixed size.
int areaSizeOf(QByteArrayView name)
{
    if (name == ChunkNames::Players)
        return PlayerArea::Size;
    if (name == ChunkNames::Settings)
        return ScenarioSettings::Size;
    if (name == ChunkNames::Island)
        return IslandRecord::Size;
    return 0;
}

// Player slots whose player takes no part ("Spielt nicht mit").
bool notPlaying(RumoSzen &doc, int slot)
{
    return doc.players().player(slot).kind() == PlayerKind::Code(0);
}

class Checker {
public:
    explicit Checker(RumoSzen &doc) : doc_(doc) {}

    QList<Finding> run()
    {
        indexRecords();
        checkFileEnd();
        checkChunkLengths();
        checkIslands();
        checkSettlements();
        checkShips();
        checkMissions();
        checkUnreadChunks();
        return findings_;
    }

private:
    void add(Severity severity, ObjectRef object, const QString &message)
    {
        findings_.append(Finding{severity, std::move(object), message});
    }
    static ObjectRef chunkObject(QByteArrayView name)
    {
        return ObjectRef::forChunk(QString::fromLatin1(name));
    }
    ObjectRef cityObject(const CityRecord &city) const
    {
        const auto it = recordIndex_.find(city.data());
        return ObjectRef::forCity(city.islandNumber(), city.slot(),
                                  it == recordIndex_.end() ? -1 : it->second);
    }

    // The chunks the load's walk decoded: up to the settings chunk.
    size_t decodedEnd() const
    {
        const auto settings = doc_.settingsChunkIndex();
        return settings ? *settings + 1 : doc_.chunks().size();
    }

    // Cities and trading posts are named by their place among the file's
    // records of their kind.
    void indexRecords()
    {
        int cities = 0;
        int posts = 0;
        const ChunkList &chunks = doc_.chunks();
        for (size_t i = 0; i < decodedEnd(); ++i) {
            const ScenarioChunk &chunk = chunks[i];
            const QByteArrayView name = chunk.nameView();
            const int size = name == ChunkNames::Cities         ? CityRecord::Size
                             : name == ChunkNames::TradingPosts ? TradingPostRecord::Size
                                                                : 0;
            if (size == 0)
                continue;
            int &counter = size == CityRecord::Size ? cities : posts;
            for (qint32 r = 0; r < chunk.length() / size; ++r)
                recordIndex_[chunk.payload() + qsizetype(size) * r] = counter++;
        }
    }

    void checkFileEnd()
    {
        const ChunkList &chunks = doc_.chunks();
        if (chunks.zeroFilledBytes() > 0 && !chunks.empty()) {
            const QByteArrayView last = chunks[chunks.size() - 1].nameView();
            add(Severity::Error, chunkObject(last),
                msg::chunkZeroFilled(QString::fromLatin1(last), chunks.zeroFilledBytes()));
        }
        if (chunks.unreadBytes() > 0) {
            qsizetype read = 0;
            for (const ScenarioChunk &chunk : chunks)
                read += chunk.blockSize();
            add(Severity::Error, ObjectRef{},
                chunks.endsAtMalformedHeader() ? msg::malformedHeader(read, chunks.unreadBytes())
                                               : msg::unreadTail(chunks.unreadBytes()));
        }
    }

    void checkChunkLengths()
    {
        const ChunkList &chunks = doc_.chunks();
        for (size_t i = 0; i < decodedEnd(); ++i) {
            const ScenarioChunk &chunk = chunks[i];
            const QByteArrayView name = chunk.nameView();
            const QString text = QString::fromLatin1(name);
            const qint32 length = chunk.length();
            if (const int size = recordSizeOf(name); size > 0 && length % size != 0) {
                add(Severity::Error, chunkObject(name),
                    msg::recordCutShort(text, length, size, length % size));
            } else if (const int area = areaSizeOf(name); area > 0) {
                // An empty chunk is skipped by the load; only the players'
                // area is then written as it was created, all zero.
                if (length > area)
                    add(Severity::Error, chunkObject(name), msg::areaCut(text, length, area));
                else if (length < area && (length > 0 || name == ChunkNames::Players))
                    add(Severity::Warning, chunkObject(name),
                        msg::areaZeroFilled(text, length, area));
            } else if (name == ChunkNames::Missions && length > 0) {
                if (length > MissionArea::Size) {
                    add(Severity::Error, chunkObject(name),
                        msg::areaCut(text, length, MissionArea::Size));
                } else if (length % MissionRecord::Size != 0) {
                    const int whole = (length / MissionRecord::Size + 1) * MissionRecord::Size;
                    add(Severity::Warning, chunkObject(name),
                        msg::areaZeroFilled(text, length, whole));
                }
            } else if (name == ChunkNames::Campaign && length != 4) {
                add(Severity::Error, chunkObject(name),
                    length < 4 ? msg::campaignChunkShort(length) : msg::areaCut(text, length, 4));
            }
        }
    }

    void checkIslands()
    {
        const RumoSzen::LoadReport &report = doc_.loadReport();
        for (const auto &island : doc_.displacedIslands()) {
            const int number = island->number();
            add(Severity::Warning, ObjectRef::forIsland(number),
                msg::islandNumberTwice(number, island->x(), island->y()));
        }
        for (int number : report.referencesWithoutTemplate)
            add(Severity::Warning, ObjectRef::forIsland(number),
                msg::referenceWithoutTemplate(number));
        if (report.layersWithoutIsland > 0)
            add(Severity::Warning, chunkObject(ChunkNames::IslandLayer),
                msg::layersWithoutIsland(report.layersWithoutIsland));

        const auto &islands = doc_.Islands();
        for (size_t i = 0; i < islands.size(); ++i) {
            const Insel *island = islands[i].get();
            if (!island)
                continue;
            const TileRect b = *island->GetBounds();
            const ObjectRef object = ObjectRef::forIsland(island->number());
            if (b.left < 0 || b.top < 0 || b.right > World::Width || b.bottom > World::Height)
                add(Severity::Error, object,
                    msg::islandOutsideWorld(island->number(), b.left, b.top, b.right, b.bottom));
            for (size_t j = i + 1; j < islands.size(); ++j) {
                if (islands[j] && islands[j]->GetBounds()->overlaps(b))
                    add(Severity::Error, object,
                        msg::islandsOverlap(island->number(), islands[j]->number()));
            }
        }
    }

    void checkSettlements()
    {
        // Settlements the map cannot show are kept; the check says why they
        // are not shown.
        const RumoSzen::LoadReport &report = doc_.loadReport();
        for (const UnplacedSettlements &unplaced : doc_.unplacedSettlements()) {
            const int number = unplaced.island;
            const bool hasIsland = doc_.island(number) != nullptr;
            const QString where = msg::unplacedIsland(
                number, std::count(report.referencesWithoutTemplate.begin(),
                                   report.referencesWithoutTemplate.end(), number) > 0);
            for (const CityRecord &city : unplaced.cities) {
                QString message = msg::cityWithoutIsland(city.name(), where);
                if (hasIsland && city.slot() >= IslandRecord::CitySlots)
                    message = msg::cityOutsideSlots(city.name(), number, city.slot());
                else if (hasIsland)
                    message = msg::cityInTakenSlot(city.name(), number, city.slot());
                add(Severity::Warning, cityObject(city), message);
            }
            for (const TradingPostRecord &post : unplaced.tradingPosts) {
                const auto it = recordIndex_.find(post.data());
                add(Severity::Warning,
                    ObjectRef::forTradingPost(number, post.citySlot(),
                                              it == recordIndex_.end() ? -1 : it->second),
                    msg::tradingPostWithoutIsland(where));
            }
            if (!unplaced.deer.empty())
                add(Severity::Warning, ObjectRef::forDeer(number, number),
                    msg::deerWithoutIsland(qsizetype(unplaced.deer.size()), where));
        }
        // Rejected deer are counted per island named, however the records
        // alternate, so a chunk of a million records gives few findings.
        using DeerKey = std::pair<int, int>;
        std::map<DeerKey, qsizetype> deerCounts;
        std::vector<DeerKey> deerOrder;
        for (const auto &deer : report.rejectedDeer) {
            const DeerKey key{deer.chunkIsland, deer.namedIsland};
            auto [it, added] = deerCounts.try_emplace(key, 0);
            it->second += deer.count;
            if (added)
                deerOrder.push_back(key);
        }
        for (const DeerKey &key : deerOrder) {
            const auto [chunkIsland, named] = key;
            add(Severity::Error, ObjectRef::forDeer(chunkIsland, named),
                msg::deerOfOtherIsland(deerCounts[key], chunkIsland, named));
        }

        for (const auto &island : doc_.Islands()) {
            if (!island)
                continue;
            for (const CityRecord &city : island->cities()) {
                if (!city)
                    continue;
                const int owner = city.owner();
                if (owner >= PlayerRecord::Count) {
                    add(Severity::Error, cityObject(city),
                        msg::cityOwnerNoSlot(city.name(), island->number(), owner));
                    continue;
                }
                if (notPlaying(doc_, owner))
                    add(Severity::Warning, cityObject(city),
                        msg::cityOwnerNotPlaying(city.name(), island->number(), owner));
                // An island built from a template carries the template's
                // record, which names no owners; only a stored island's
                // record is the scenario's own.
                const int entry = island->record().cityOwner(city.slot());
                if (island->fromChunk() && entry != owner)
                    add(Severity::Warning, cityObject(city),
                        msg::cityOwnerDisagrees(city.name(), island->number(), owner, entry));
            }
        }
    }

    void checkShips()
    {
        const auto &ships = doc_.Ships();
        for (size_t i = 0; i < ships.size(); ++i) {
            const ShipRecord &ship = ships[i];
            const ObjectRef object = ObjectRef::forShip(int(i));
            const QString vehicle = msg::vehicle(ship.isCart(), int(i), ship.name());
            if (ship.owner() >= PlayerRecord::Count)
                add(Severity::Error, object, msg::shipOwnerNoSlot(vehicle, ship.owner()));
            else if (notPlaying(doc_, ship.owner()))
                add(Severity::Warning, object, msg::shipOwnerNotPlaying(vehicle, ship.owner()));
            if (ship.x() >= World::Width || ship.y() >= World::Height)
                add(Severity::Error, object, msg::shipOutsideWorld(vehicle, ship.x(), ship.y()));
        }
    }

    void checkMissions()
    {
        const MissionArea missions = doc_.missions();
        const int empty = missions.usedCount();
        for (int m : missions.unsavedTexts())
            add(Severity::Error, ObjectRef::forMission(m), msg::missionTextLost(m, empty));
    }

    // Each name once, however often it occurs.
    void checkUnreadChunks()
    {
        struct Seen {
            int count = 0;
            qint64 bytes = 0;
        };
        std::map<QByteArray, Seen> unknown;
        std::map<QByteArray, int> afterSettings;
        std::vector<QByteArray> order;
        const ChunkList &chunks = doc_.chunks();
        const size_t end = decodedEnd();
        for (size_t i = 0; i < chunks.size(); ++i) {
            const QByteArrayView name = chunks[i].nameView();
            if (!ChunkNames::isDecoded(name)) {
                Seen &seen = unknown[name.toByteArray()];
                if (seen.count++ == 0)
                    order.push_back(name.toByteArray());
                seen.bytes += chunks[i].length();
            } else if (i >= end) {
                if (afterSettings[name.toByteArray()]++ == 0)
                    order.push_back(name.toByteArray());
            }
        }
        for (const QByteArray &name : order) {
            const QString text = QString::fromLatin1(name);
            if (const auto it = unknown.find(name); it != unknown.end())
                add(Severity::Information, chunkObject(name),
                    msg::unknownChunk(text, it->second.count, it->second.bytes));
            else
                add(Severity::Information, chunkObject(name),
                    msg::chunkAfterSettings(text, afterSettings[name]));
        }
    }

    RumoSzen &doc_;
    QList<Finding> findings_;
    std::map<const uchar *, int> recordIndex_;
};

QString kindKey(Kind kind)
{
    switch (kind) {
    case Kind::File:
        return QStringLiteral("file");
    case Kind::Chunk:
        return QStringLiteral("chunk");
    case Kind::Settings:
        return QStringLiteral("settings");
    case Kind::Island:
        return QStringLiteral("island");
    case Kind::City:
        return QStringLiteral("city");
    case Kind::TradingPost:
        return QStringLiteral("tradingPost");
    case Kind::Deer:
        return QStringLiteral("deer");
    case Kind::Ship:
        return QStringLiteral("ship");
    case Kind::Player:
        return QStringLiteral("player");
    case Kind::Mission:
        return QStringLiteral("mission");
    }
    return {};
}

QString severityKey(Severity severity)
{
    switch (severity) {
    case Severity::Error:
        return QStringLiteral("error");
    case Severity::Warning:
        return QStringLiteral("warning");
    case Severity::Information:
        return QStringLiteral("information");
    }
    return {};
}

} // namespace

QString Finding::severityName() const
{
    switch (severity) {
    case Severity::Error:
        return msg::severityError();
    case Severity::Warning:
        return msg::severityWarning();
    case Severity::Information:
        return msg::severityInformation();
    }
    return {};
}

QString Finding::line() const
{
    return severityName() + QStringLiteral(": ") + message;
}

QList<Finding> ScenarioCheck::Run(RumoSzen &doc)
{
    return Checker(doc).run();
}

QJsonArray ScenarioCheck::toJson(const QList<Finding> &findings)
{
    QJsonArray array;
    for (const Finding &f : findings) {
        QJsonObject json{{"severity", severityKey(f.severity)},
                         {"kind", kindKey(f.object.kind)},
                         {"message", f.message}};
        if (f.object.kind == Kind::Chunk)
            json["object"] = f.object.chunk;
        else if (f.object.record >= 0)
            json["object"] = f.object.record;
        else
            json["object"] = QJsonValue();
        if (f.object.kind == Kind::City || f.object.kind == Kind::TradingPost ||
            f.object.kind == Kind::Deer) {
            json["island"] = f.object.island;
            if (f.object.slot >= 0)
                json["slot"] = f.object.slot;
        }
        array.append(json);
    }
    return array;
}
