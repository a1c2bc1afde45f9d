#include "bigworld.h"

#include "core/common/world.h"
#include "core/document/scenariosettings.h"
#include "core/format/chunkfile.h"
#include "core/format/chunknames.h"
#include "core/format/scenariochunk.h"
#include "core/goods/goodstable.h"
#include "core/goods/shiprecord.h"
#include "core/goods/shiptypetable.h"
#include "core/islands/deerrecord.h"
#include "core/islands/islandrecord.h"
#include "core/islands/tilerecord.h"
#include "core/players/missionrecord.h"
#include "core/players/playerrecord.h"
#include "demorecords.h"

#include <QPoint>
#include <array>
#include <cmath>
#include <random>
#include <vector>

namespace {

// Ships keep their whole dot (12 tiles across) inside the world.
constexpr int kShipMargin = 6;
constexpr int kShipTypes = 6;
constexpr int kCartType = 6;

// Ground and building identifiers: open sea, the pale water of the coast,
// plain land (drawn brown, it has no owner), houses with a 2 x 2 footprint
// and roads of one tile.
constexpr quint16 kSea = 1201;
constexpr quint16 kCoast = 1202;
constexpr quint16 kLand = 1;
constexpr quint16 kFirstHouse = 501;
constexpr int kHouseKinds = 26; // 501..526, all 2 x 2
constexpr quint16 kRoad = 700;

// Land lies inside this part of the ellipse that fills the island's
// rectangle; the ring outside it is coast, the corners are sea.
constexpr double kLandRadius = 0.8;

enum Kind { NotPlaying, Human, Computer, Trader, Natives, Pirates };

// Where on the ellipse a tile lies: below 1 inside it.
double ellipseDistance(int column, int row, int width, int height)
{
    const double dx = (column + 0.5 - width / 2.0) / (width / 2.0);
    const double dy = (row + 0.5 - height / 2.0) / (height / 2.0);
    return dx * dx + dy * dy;
}

bool isLand(int column, int row, int width, int height)
{
    return ellipseDistance(column, row, width, height) <= kLandRadius;
}

QByteArray groundLayer(int width, int height)
{
    QByteArray out;
    out.reserve(qsizetype(width) * height * TileRecord::Size);
    for (int r = 0; r < height; ++r) {
        for (int c = 0; c < width; ++c) {
            const double d = ellipseDistance(c, r, width, height);
            const quint16 id = d <= kLandRadius ? kLand : d <= 1.0 ? kCoast : kSea;
            out += demo::TileBytes(id, c, r, true, demo::NoCity, demo::Unowned);
        }
    }
    return out;
}

// Houses on a three-tile grid with roads between them, all of the island's
// one city. The full layer gives every tile a record, as a densely built
// island in the game has.
QByteArray buildingLayer(const BigWorldPlan &plan, int owner)
{
    const int width = plan.islandWidth;
    const int height = plan.islandHeight;
    QByteArray out;
    for (int r = 0; r < height; ++r) {
        for (int c = 0; c < width; ++c) {
            if (!plan.fullBuildingLayer && !isLand(c, r, width, height))
                continue;
            quint16 id = 0;
            if (c % 3 == 0 && r % 3 == 0)
                id = quint16(kFirstHouse + (c / 3 + r / 3) % kHouseKinds);
            else if (c % 3 == 2 || r % 3 == 2 || plan.fullBuildingLayer)
                id = kRoad;
            if (id != 0)
                out += demo::TileBytes(id, c, r, true, 0, owner);
        }
    }
    return out;
}

// Islands on an even grid over the whole world. More islands than the world
// has room for overlap their neighbours; loading and saving do not care, and
// the map draws them one over the other.
std::vector<QPoint> islandPlaces(const BigWorldPlan &plan)
{
    const double aspect = double(World::Width) / World::Height;
    const int columns = std::max(1, int(std::ceil(std::sqrt(plan.islands * aspect))));
    const int rows = (plan.islands + columns - 1) / columns;
    const int pitchX = (World::Width - plan.islandWidth) / std::max(columns - 1, 1);
    const int pitchY = (World::Height - plan.islandHeight) / std::max(rows - 1, 1);
    std::vector<QPoint> places;
    for (int i = 0; i < plan.islands; ++i)
        places.emplace_back(i % columns * pitchX, i / columns * pitchY);
    return places;
}

QByteArray playerArea()
{
    static constexpr std::array<Kind, PlayerRecord::Count> kinds{
        Human, Computer, Computer, Computer, Pirates, Natives, Trader};
    QByteArray out(PlayerArea::Size, '\0');
    const PlayerArea players(reinterpret_cast<uchar *>(out.data()));
    for (int p = 0; p < PlayerRecord::Count; ++p) {
        PlayerRecord r = players.player(p);
        r.setName(QStringLiteral("Spieler %1").arg(p + 1));
        r.setKind(PlayerKind::Code(kinds[size_t(p)]));
        r.setColour(quint8(p));
        r.setMoney(50000 + 10000 * p);
        r.setMission(0);
        r.setLevelMin(32);
        r.setLevelMaxHuman(96);
        r.setUnlockedBuildings(0x00FFFFFF);
    }
    return out;
}

// Two missions: the written part of the mission area.
QByteArray missionArea()
{
    QByteArray out(MissionArea::Size, '\0');
    const MissionArea missions(reinterpret_cast<uchar *>(out.data()));
    for (int m = 0; m < MissionRecord::Count; ++m)
        missions.mission(m).setNumber(-1);
    for (int m = 0; m < 2; ++m) {
        MissionRecord r = missions.mission(m);
        r.setNumber(m);
        r.setText(QStringLiteral("Baue die größte Flotte der Inselwelt (Auftrag %1).").arg(m + 1));
        r.setGoals(MissionRecord::Money);
    }
    return out.left(qsizetype(missions.usedCount()) * MissionRecord::Size);
}

QByteArray settingsRecord()
{
    QByteArray out(ScenarioSettings::Size, '\0');
    ScenarioSettings settings(reinterpret_cast<uchar *>(out.data()));
    settings.setMaxShips(33);
    settings.setGameId(0xB16B00B5);
    return out;
}

QByteArray shipRecords(int count, std::mt19937 &rng)
{
    auto between = [&rng](int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(rng);
    };
    QByteArray out;
    out.reserve(qsizetype(count) * ShipRecord::Size);
    for (int i = 0; i < count; ++i) {
        // Every tenth one is a cart; carts stand on land in the game, but
        // the editor draws and stores them like ships.
        const int type = i % 10 == 9 ? kCartType : i % kShipTypes;
        std::vector<demo::CargoFields> cargo;
        for (int k = 0; k < 2; ++k) {
            demo::CargoFields slot;
            slot.goods =
                GoodsTable::Identifier(between(GoodsTable::FirstGoods, GoodsTable::LastGoods));
            slot.amount = quint16(between(1, 100) * 32);
            cargo.push_back(slot);
        }
        out += demo::ShipBytes(QStringLiteral("Schiff %1").arg(i + 1), type, i % 7,
                               between(kShipMargin, World::Width - 1 - kShipMargin),
                               between(kShipMargin, World::Height - 1 - kShipMargin),
                               between(50, 100), type == kCartType ? 0 : between(0, 20), cargo);
    }
    return out;
}

} // namespace

BigWorldPlan BigWorldPlan::TileHeavy()
{
    BigWorldPlan plan;
    plan.islands = 44;
    plan.islandWidth = 250;
    plan.islandHeight = 250;
    plan.fullBuildingLayer = true;
    return plan;
}

int BigWorldPlan::tilesPerIsland() const
{
    int buildings = 0;
    for (int r = 0; r < islandHeight; ++r) {
        for (int c = 0; c < islandWidth; ++c) {
            if (fullBuildingLayer || (isLand(c, r, islandWidth, islandHeight) &&
                                      ((c % 3 == 0 && r % 3 == 0) || c % 3 == 2 || r % 3 == 2)))
                ++buildings;
        }
    }
    return islandWidth * islandHeight + buildings;
}

QString BigWorldPlan::problem() const
{
    // Island numbers are one byte, sizes too, and no chunk may exceed the
    // length ceiling of the file format.
    constexpr qint64 deerPerChunk = ScenarioChunk::MaxLength / DeerRecord::Size;
    constexpr int maxShips = ScenarioChunk::MaxLength / ShipRecord::Size;
    if (islands < 1 || islands > 256)
        return QStringLiteral("between 1 and 256 islands");
    if (islandWidth < 1 || islandWidth > 255 || islandHeight < 1 || islandHeight > 255)
        return QStringLiteral("island sizes of 1 to 255 tiles");
    if (islandWidth > World::Width || islandHeight > World::Height)
        return QStringLiteral("islands that fit into the world");
    if (qint64(islandWidth) * islandHeight * TileRecord::Size > ScenarioChunk::MaxLength)
        return QStringLiteral("tile layers of at most 1,000,000 bytes");
    if (ships < 0 || ships > maxShips)
        return QStringLiteral("at most %1 ships").arg(maxShips);
    if (deer < 0 || (deer + islands - 1) / islands > deerPerChunk)
        return QStringLiteral("at most %1 deer per island").arg(deerPerChunk);
    if (unknownChunks < 0)
        return QStringLiteral("a count of unknown chunks of 0 or more");
    return {};
}

bool WriteBigWorld(const BigWorldPlan &plan, QIODevice &out)
{
    ChunkWriter writer(out);
    auto chunk = [&writer](QByteArrayView name, const QByteArray &payload) {
        writer.WriteChunkHeader(name, qint32(payload.size()));
        writer.writeBytes(payload.constData(), payload.size());
    };
    std::mt19937 rng(0xB16);

    chunk(ChunkNames::Szene, demo::SzenePayload({}));

    const QByteArray ground = groundLayer(plan.islandWidth, plan.islandHeight);
    const std::vector<QPoint> places = islandPlaces(plan);
    for (int i = 0; i < plan.islands; ++i) {
        // Players 0 to 3 settle the islands in turn; the natives every fifth.
        const int owner = i % 5 == 4 ? 5 : i % 4;
        demo::IslandFields f;
        f.number = i;
        f.width = plan.islandWidth;
        f.height = plan.islandHeight;
        f.x = places[size_t(i)].x();
        f.y = places[size_t(i)].y();
        f.sizeClass = 4;
        f.climate = i % 3;
        f.ownGround = true;
        f.cityOwners[0] = quint8(owner);
        chunk(ChunkNames::Island, demo::IslandRecordBytes(f));
        chunk(ChunkNames::IslandLayer, ground);
        chunk(ChunkNames::IslandLayer, buildingLayer(plan, owner));

        const qint64 herds = plan.deer / plan.islands + (i < plan.deer % plan.islands ? 1 : 0);
        QByteArray deer;
        deer.reserve(qsizetype(herds) * DeerRecord::Size);
        for (qint64 h = 0; h < herds; ++h) {
            deer += demo::DeerBytes(i, int(h % plan.islandWidth),
                                    int(h / plan.islandWidth % plan.islandHeight));
        }
        chunk(ChunkNames::Deer, deer);
        chunk(ChunkNames::Cities,
              demo::CityBytes(i, 0, owner, QStringLiteral("Stadt %1").arg(i + 1)));
        std::vector<std::pair<int, quint32>> stock;
        for (int goods = GoodsTable::FirstGoods; goods <= GoodsTable::LastGoods; goods += 3)
            stock.emplace_back(goods, quint32((goods + i % 40) * 32));
        chunk(ChunkNames::TradingPosts,
              owner == 5 ? QByteArray() : demo::TradingPostBytes(i, 0, stock));
    }

    chunk(ChunkNames::Players, playerArea());
    chunk(ChunkNames::Missions, missionArea());
    chunk(ChunkNames::Ships, shipRecords(plan.ships, rng));

    QByteArray filler(kFillerPayloadSize, '\0');
    for (qint64 n = 0; n < plan.unknownChunks && writer.ok(); ++n) {
        for (int b = 0; b < kFillerPayloadSize; ++b)
            filler[b] = char((n >> (8 * (b % 8))) & 0xFF);
        chunk(kFillerChunkName, filler);
    }

    chunk(ChunkNames::Settings, settingsRecord());
    return writer.ok();
}
