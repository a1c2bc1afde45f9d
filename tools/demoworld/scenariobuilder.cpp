#include "scenariobuilder.h"

#include "core/common/ansitext.h"
#include "core/common/bytes.h"
#include "core/common/world.h"
#include "core/format/chunkfile.h"
#include "core/format/chunknames.h"
#include "core/goods/goodstable.h"
#include "core/goods/shiptypetable.h"
#include "demorecords.h"

#include <QBuffer>
#include <algorithm>
#include <cmath>

namespace {

// Islands keep this many tiles from the world's edge and from each other.
constexpr int kWorldMargin = 6;
constexpr int kIslandGap = 4;
constexpr int kCartType = 6;

// Goods of everyday use that every trading post keeps: food, tools, wood, bricks.
constexpr int kStaples[] = {14, 22, 23, 24};

int gapBetween(int aLeft, int aTop, int aRight, int aBottom, int bLeft, int bTop, int bRight,
               int bBottom)
{
    const int gx = std::max(aLeft - bRight, bLeft - aRight);
    const int gy = std::max(aTop - bBottom, bTop - aBottom);
    return std::max(gx, gy);
}

} // namespace

struct ScenarioBuilder::Island {
    int number = 0;
    bool reference = false;
    bool native = false;
    IslandForm form = IslandForm::OwnGround;
    TemplateId id;
    std::unique_ptr<IslandShape> shape;
    std::unique_ptr<BuildingLayer> buildings;
    int x = 0;
    int y = 0;
    std::array<quint8, 8> owners{7, 7, 7, 7, 7, 7, 7, 7};
    int cities = 0;
    std::vector<QPoint> centres;
    QByteArray cityRecords;
    QByteArray tradingPosts;
    QByteArray deer;
    // Road tiles in world coordinates, by owning player.
    std::vector<std::pair<int, QPoint>> roads;

    int right() const { return x + shape->width(); }
    int bottom() const { return y + shape->height(); }
};

ScenarioBuilder::ScenarioBuilder(quint64 seed) : rng_(seed)
{
    for (int m = 0; m < MissionRecord::Count; ++m)
        missions().mission(m).setNumber(-1);
    settings().setMaxShips(33);
}

ScenarioBuilder::~ScenarioBuilder() = default;

bool ScenarioBuilder::findPlace(int width, int height, int &x, int &y)
{
    // Of many random places, the one farthest from the islands so far keeps
    // the world evenly spread.
    int best = -1000;
    for (int attempt = 0; attempt < 150; ++attempt) {
        const int cx = rng_.between(kWorldMargin, World::Width - kWorldMargin - width);
        const int cy = rng_.between(kWorldMargin, World::Height - kWorldMargin - height);
        int clearance = 1000;
        for (const auto &other : islands_) {
            clearance = std::min(clearance, gapBetween(cx, cy, cx + width, cy + height, other->x,
                                                       other->y, other->right(), other->bottom()));
        }
        if (clearance > best) {
            best = clearance;
            x = cx;
            y = cy;
        }
    }
    if (best < kIslandGap) {
        error_ = QStringLiteral("no room for an island of %1 x %2 tiles").arg(width).arg(height);
        return false;
    }
    return true;
}

int ScenarioBuilder::addReference(const TemplateId &id)
{
    auto island = std::make_unique<Island>();
    island->number = int(islands_.size());
    island->reference = true;
    island->native = id.native;
    island->id = id;
    island->shape = std::make_unique<IslandShape>(TemplateShape(id));
    if (!findPlace(island->shape->width(), island->shape->height(), island->x, island->y))
        return -1;
    islands_.push_back(std::move(island));
    return islands_.back()->number;
}

int ScenarioBuilder::addIsland(IslandForm form, int climate, int sizeClass, int templateNumber)
{
    auto island = std::make_unique<Island>();
    island->number = int(islands_.size());
    island->form = form;
    island->id = TemplateId{climate, sizeClass, false, templateNumber};
    // An island with its own ground was shaped in the scenario editor; one
    // that takes its ground from the template has the template's shape.
    island->shape = std::make_unique<IslandShape>(
        form == IslandForm::TemplateGround
            ? TemplateShape(island->id)
            : ShapeOfClass(sizeClass, MixSeed(rng_.next(), quint64(island->number))));
    island->buildings = std::make_unique<BuildingLayer>(*island->shape);
    if (!findPlace(island->shape->width(), island->shape->height(), island->x, island->y))
        return -1;
    islands_.push_back(std::move(island));
    return islands_.back()->number;
}

bool ScenarioBuilder::addCity(int number, int player, CityStyle style, const QString &name)
{
    Island &island = *islands_[size_t(number)];
    const QPoint site = CitySite(*island.shape, island.centres);
    if (island.reference || site.x() < 0) {
        error_ = QStringLiteral("no room for the city %1").arg(name);
        return false;
    }
    const int slot = island.cities++;
    const CityResult city =
        BuildCity(*island.buildings, *island.shape, site, slot, player, style, rng_.next());
    island.centres.push_back(site);
    island.owners[size_t(slot)] = quint8(player);
    island.cityRecords += demo::CityBytes(number, slot, player, name);
    for (const QPoint &road : city.roads)
        island.roads.emplace_back(player, road + QPoint(island.x, island.y));
    ++cities_;

    if (city.hasTradingPost) {
        std::vector<std::pair<int, quint32>> stock;
        const int plenty = style == CityStyle::Capital ? 120 : style == CityStyle::Town ? 60 : 25;
        for (int goods = GoodsTable::FirstGoods; goods <= GoodsTable::LastGoods; ++goods) {
            const bool staple =
                std::find(std::begin(kStaples), std::end(kStaples), goods) != std::end(kStaples);
            if (!staple && !rng_.chance(55))
                continue;
            // Whole tons and a fraction, as the game leaves them.
            stock.emplace_back(goods, quint32(rng_.between(3, plenty) * 32 + rng_.below(32)));
        }
        island.tradingPosts += demo::TradingPostBytes(number, slot, stock);
        ++tradingPosts_;
    }
    return true;
}

void ScenarioBuilder::addDeer(int number, int herds)
{
    Island &island = *islands_[size_t(number)];
    for (int attempt = 0; attempt < 400 && herds > 0; ++attempt) {
        const int c = rng_.below(island.shape->width());
        const int r = rng_.below(island.shape->height());
        if (island.shape->at(c, r) == Terrain::Forest) {
            island.deer += demo::DeerBytes(number, c, r);
            --herds;
        }
    }
}

bool ScenarioBuilder::atSea(int x, int y) const
{
    if (x < 8 || y < 8 || x >= World::Width - 8 || y >= World::Height - 8)
        return false;
    for (const auto &island : islands_) {
        if (x >= island->x - 2 && x < island->right() + 2 && y >= island->y - 2 &&
            y < island->bottom() + 2)
            return false;
    }
    for (const QPoint &other : shipSpots_) {
        if (std::abs(other.x() - x) < 12 && std::abs(other.y() - y) < 12)
            return false;
    }
    return true;
}

namespace {

std::vector<demo::CargoFields> cargoFor(int typeIndex, SeededRandom &rng)
{
    const ShipType &type = ShipTypeTable::Row(typeIndex);
    std::vector<demo::CargoFields> cargo;
    const int loaded = typeIndex == kCartType ? type.cargoSlots : rng.between(1, type.cargoSlots);
    for (int k = 0; k < loaded; ++k) {
        demo::CargoFields slot;
        const int index = rng.between(GoodsTable::FirstGoods, GoodsTable::LastGoods);
        slot.goods = GoodsTable::Identifier(index);
        const int tons = typeIndex == kCartType ? rng.between(2, 12) : rng.between(5, 120);
        slot.amount = quint16(std::min(tons * 32 + rng.below(32), 0x3FFF));
        // The two flag bits above the amount, as the game sets them now and then.
        if (rng.chance(30))
            slot.flags = rng.chance(50) ? 0x4000 : 0xC000;
        cargo.push_back(slot);
    }
    return cargo;
}

int gunsFor(int typeIndex, SeededRandom &rng)
{
    static constexpr int kGuns[][2] = {{0, 2}, {2, 4}, {8, 12}, {16, 24}, {0, 0}, {14, 20}, {0, 0}};
    return rng.between(kGuns[typeIndex][0], kGuns[typeIndex][1]);
}

} // namespace

bool ScenarioBuilder::addShip(int typeIndex, int player, const QString &name)
{
    const Island *home = nullptr;
    for (const auto &island : islands_) {
        if (!home && std::find(island->owners.begin(), island->owners.end(), quint8(player)) !=
                         island->owners.end())
            home = island.get();
    }
    QPoint spot(-1, -1);
    for (int attempt = 0; attempt < 2000 && spot.x() < 0; ++attempt) {
        int x = rng_.between(8, World::Width - 9);
        int y = rng_.between(8, World::Height - 9);
        if (home && attempt < 1500) {
            // Off the home island's coast, up to 24 tiles out.
            x = rng_.between(home->x - 24, home->right() + 24);
            y = rng_.between(home->y - 24, home->bottom() + 24);
        }
        if (atSea(x, y))
            spot = QPoint(x, y);
    }
    if (spot.x() < 0) {
        error_ = QStringLiteral("no sea left for the ship %1").arg(name);
        return false;
    }
    shipSpots_.push_back(spot);
    const int guns = gunsFor(typeIndex, rng_);
    ships_.push_back(demo::ShipBytes(name, typeIndex, player, spot.x(), spot.y(),
                                     rng_.between(55, 100), guns, cargoFor(typeIndex, rng_)));
    return true;
}

bool ScenarioBuilder::addCart(int player, const QString &name)
{
    std::vector<QPoint> roads;
    for (const auto &island : islands_) {
        for (const auto &[owner, road] : island->roads) {
            if (owner == player)
                roads.push_back(road);
        }
    }
    if (roads.empty()) {
        error_ = QStringLiteral("no road for the cart %1").arg(name);
        return false;
    }
    const QPoint spot = roads[size_t(rng_.below(int(roads.size())))];
    ships_.push_back(demo::ShipBytes(name, kCartType, player, spot.x(), spot.y(),
                                     rng_.between(70, 100), 0, cargoFor(kCartType, rng_)));
    return true;
}

void ScenarioBuilder::addExtraChunk(const QByteArray &name, const QByteArray &payload,
                                    bool afterSettings)
{
    extras_.push_back({name, payload, afterSettings});
}

int ScenarioBuilder::referenceCount() const
{
    return int(std::count_if(islands_.begin(), islands_.end(),
                             [](const auto &island) { return island->reference; }));
}

bool ScenarioBuilder::hasNativeReference() const
{
    return std::any_of(islands_.begin(), islands_.end(),
                       [](const auto &island) { return island->reference && island->native; });
}

QByteArray ScenarioBuilder::fileBytes() const
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    ChunkWriter writer(buffer);
    auto chunk = [&writer](QByteArrayView name, const QByteArray &payload) {
        writer.WriteChunkHeader(name, qint32(payload.size()));
        writer.writeBytes(payload.constData(), payload.size());
    };
    auto area = [](const auto &bytes, qsizetype size) {
        return QByteArray(reinterpret_cast<const char *>(bytes.data()), size);
    };

    // The game writes the campaign number first, then the islands it builds
    // from its templates, then the islands of the scenario's own.
    if (campaign_ >= 0) {
        QByteArray number(4, '\0');
        le::setI32(reinterpret_cast<uchar *>(number.data()), 0, campaign_);
        chunk(ChunkNames::Campaign, number);
    }
    std::vector<QByteArray> references;
    for (const auto &island : islands_) {
        if (island->reference) {
            references.push_back(demo::ReferenceBytes(island->id.climate, island->id.sizeClass,
                                                      island->native, island->number,
                                                      island->id.number, island->x, island->y));
        }
    }
    chunk(ChunkNames::Szene, demo::SzenePayload(references));

    for (const auto &island : islands_) {
        if (island->reference) {
            // The template gives the island; its settlements are the scenario's.
            if (!island->deer.isEmpty() || !island->cityRecords.isEmpty() ||
                !island->tradingPosts.isEmpty()) {
                chunk(ChunkNames::Deer, island->deer);
                chunk(ChunkNames::Cities, island->cityRecords);
                chunk(ChunkNames::TradingPosts, island->tradingPosts);
            }
            continue;
        }
        demo::IslandFields f;
        f.number = island->number;
        f.width = island->shape->width();
        f.height = island->shape->height();
        f.x = island->x;
        f.y = island->y;
        f.templateNumber = island->id.number;
        f.sizeClass = island->id.sizeClass;
        f.climate = island->id.climate;
        f.ownGround = island->form != IslandForm::TemplateGround;
        f.cityOwners = island->owners;
        if (island->form == IslandForm::OldLayout)
            chunk(ChunkNames::OldIsland, demo::OldIslandRecordBytes(f));
        else
            chunk(ChunkNames::Island, demo::IslandRecordBytes(f));
        // Without its own ground the first layer is empty: the template has it.
        chunk(ChunkNames::IslandLayer, f.ownGround ? island->shape->groundLayer() : QByteArray());
        if (!island->buildings->isEmpty())
            chunk(ChunkNames::IslandLayer, island->buildings->payload());
        chunk(ChunkNames::Deer, island->deer);
        chunk(ChunkNames::Cities, island->cityRecords);
        chunk(ChunkNames::TradingPosts, island->tradingPosts);
    }

    chunk(ChunkNames::Players, area(players_, PlayerArea::Size));
    MissionArea missions(const_cast<uchar *>(missions_.data()));
    chunk(ChunkNames::Missions,
          area(missions_, qsizetype(missions.usedCount()) * MissionRecord::Size));
    QByteArray ships;
    for (const QByteArray &ship : ships_)
        ships += ship;
    chunk(ChunkNames::Ships, ships);
    for (const Extra &extra : extras_) {
        if (!extra.afterSettings)
            chunk(extra.name, extra.payload);
    }
    if (!savegameName_.isEmpty())
        chunk(ChunkNames::SavegameName, ansi::fromUnicode(savegameName_));
    chunk(ChunkNames::Settings, area(settings_, ScenarioSettings::Size));
    for (const Extra &extra : extras_) {
        if (extra.afterSettings)
            chunk(extra.name, extra.payload);
    }
    return out;
}
