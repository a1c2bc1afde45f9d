#include "settlement.h"

#include "core/islands/footprinttable.h"
#include "demorecords.h"

#include <algorithm>
#include <cmath>

namespace {

// Building identifiers the demo cities are made of, with their footprints
// from the game's table.
constexpr quint16 kCastle = 315;     // 5x5
constexpr quint16 kCathedral = 1110; // 6x6
constexpr quint16 kChurch = 1108;    // 4x4
constexpr quint16 kMarket = 313;     // 3x3
constexpr quint16 kChapel = 1103;    // 3x3
constexpr quint16 kSchool = 1106;    // 3x3
constexpr quint16 kTavern = 1107;    // 3x3
constexpr quint16 kBathhouse = 2111; // 3x3
constexpr quint16 kRoad = 701;       // 1x1
constexpr quint16 kTradingPost = 1104;
constexpr quint16 kWarehouses[] = {811, 817, 821};                   // 2x2
constexpr quint16 kFarmhouses[] = {801, 805, 809, 813, 823, 807};    // 4x6, 3x4, 3x2
constexpr quint16 kWorkshops[] = {303, 803, 2401, 2403, 2405, 2407}; // 3x1, 1x2, 2x1
constexpr quint16 kFirstField = 1501;                                // 1501..1519, 2x2
constexpr quint16 kFirstHut = 2231;                                  // 2231..2239, 2x2
constexpr quint16 kTotem = 2301;                                     // 1x1
constexpr int kBlock = 5; // a road every fifth tile, two houses between

int distance(QPoint a, QPoint b)
{
    const int dx = a.x() - b.x();
    const int dy = a.y() - b.y();
    return int(std::sqrt(double(dx * dx + dy * dy)));
}

// Houses are 2x2 identifiers 501..659; 527 is a 3x3 building. Richer houses
// (higher identifiers) stand nearer the middle.
quint16 houseFor(int ring, SeededRandom &rng)
{
    for (;;) {
        const int id = ring <= 5 ? rng.between(600, 659) : rng.between(501, 599);
        if (id != 527)
            return quint16(id);
    }
}

// Tries the building at the free spot nearest to `centre`, at most `radius` away.
bool placeNear(BuildingLayer &layer, quint16 id, QPoint centre, int radius, int slot, int player)
{
    const Footprint f = footprintOf(id);
    for (int d = 0; d <= radius; ++d) {
        for (int dr = -d; dr <= d; ++dr) {
            for (int dc = -d; dc <= d; ++dc) {
                if (std::max(std::abs(dc), std::abs(dr)) != d)
                    continue;
                const int c = centre.x() + dc - f.first / 2;
                const int r = centre.y() + dr - f.second / 2;
                if (layer.place(id, c, r, true, slot, player))
                    return true;
            }
        }
    }
    return false;
}

// The trading post stands on the beach nearest to the middle of town, with
// two warehouses beside it and a road up to the town.
void placeHarbour(BuildingLayer &layer, const IslandShape &shape, QPoint centre, int radius,
                  int citySlot, int player, CityResult &result)
{
    std::vector<std::pair<int, QPoint>> beaches;
    for (int r = 0; r < shape.height(); ++r) {
        for (int c = 0; c < shape.width(); ++c) {
            if (shape.at(c, r) == Terrain::Beach)
                beaches.emplace_back(distance(centre, {c, r}), QPoint(c, r));
        }
    }
    std::stable_sort(beaches.begin(), beaches.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    QPoint shore;
    for (size_t i = 0; i < beaches.size() && !result.hasTradingPost; ++i) {
        shore = beaches[i].second;
        for (int dr = -1; dr <= 0 && !result.hasTradingPost; ++dr) {
            for (int dc = -1; dc <= 0 && !result.hasTradingPost; ++dc) {
                result.hasTradingPost =
                    layer.place(kTradingPost, shore.x() + dc, shore.y() + dr, true, citySlot,
                                player, BuildingLayer::Ground::Shore);
            }
        }
    }
    if (!result.hasTradingPost)
        return;
    int stores = 0;
    for (int d = 2; d <= 5 && stores < 2; ++d) {
        for (int dr = -d; dr <= d && stores < 2; ++dr) {
            for (int dc = -d; dc <= d && stores < 2; ++dc) {
                if (std::max(std::abs(dc), std::abs(dr)) == d &&
                    layer.place(kWarehouses[stores], shore.x() + dc, shore.y() + dr, true, citySlot,
                                player, BuildingLayer::Ground::Shore))
                    ++stores;
            }
        }
    }
    QPoint p = shore;
    while (p != centre) {
        const int dx = centre.x() - p.x();
        const int dy = centre.y() - p.y();
        p += std::abs(dx) >= std::abs(dy) ? QPoint(dx > 0 ? 1 : -1, 0) : QPoint(0, dy > 0 ? 1 : -1);
        if (distance(p, centre) <= radius / 2)
            break;
        if (layer.place(kRoad, p.x(), p.y(), true, citySlot, player, BuildingLayer::Ground::Shore))
            result.roads.push_back(p);
    }
}

} // namespace

BuildingLayer::BuildingLayer(const IslandShape &shape)
    : shape_(shape), used_(size_t(shape.width() * shape.height()), false)
{
}

bool BuildingLayer::place(quint16 building, int column, int row, bool alongColumns, int citySlot,
                          int player, Ground ground)
{
    const Footprint f = footprintOf(building);
    const int w = alongColumns ? f.first : f.second;
    const int h = alongColumns ? f.second : f.first;
    for (int r = row; r < row + h; ++r) {
        for (int c = column; c < column + w; ++c) {
            if (!shape_.isLand(c, r) || used_[size_t(r * shape_.width() + c)])
                return false;
            const Terrain t = shape_.at(c, r);
            if (t == Terrain::Rock || (t == Terrain::Beach && ground == Ground::Inland))
                return false;
        }
    }
    for (int r = row; r < row + h; ++r) {
        for (int c = column; c < column + w; ++c)
            used_[size_t(r * shape_.width() + c)] = true;
    }
    tiles_ += demo::TileBytes(building, column, row, alongColumns, citySlot, player);
    return true;
}

QPoint CitySite(const IslandShape &shape, const std::vector<QPoint> &otherCentres)
{
    const QPoint middle(shape.width() / 2, shape.height() / 2);
    QPoint best(-1, -1);
    int bestScore = -1000000;
    for (int r = 0; r < shape.height(); ++r) {
        for (int c = 0; c < shape.width(); ++c) {
            const int depth = shape.depth(c, r);
            if (depth < 3 || shape.at(c, r) == Terrain::Rock)
                continue;
            int apart = 40;
            for (const QPoint &o : otherCentres)
                apart = std::min(apart, distance(o, QPoint(c, r)));
            if (!otherCentres.empty() && apart < 14)
                continue;
            // Mountains leave no room for houses.
            int rock = 0;
            for (int dr = -8; dr <= 8; ++dr) {
                for (int dc = -8; dc <= 8; ++dc)
                    rock += shape.at(c + dc, r + dr) == Terrain::Rock ? 1 : 0;
            }
            const int score =
                std::min(depth, 9) * 8 + apart * 2 - distance(middle, {c, r}) / 3 - rock * 2;
            if (score > bestScore) {
                bestScore = score;
                best = QPoint(c, r);
            }
        }
    }
    return best;
}

CityResult BuildCity(BuildingLayer &layer, const IslandShape &shape, QPoint centre, int citySlot,
                     int player, CityStyle style, quint64 seed)
{
    SeededRandom rng(seed);
    CityResult result;

    if (style == CityStyle::Natives) {
        // Huts around a totem, a tile of space between neighbours.
        layer.place(kTotem, centre.x(), centre.y(), true, citySlot, player);
        for (int dr = -6; dr <= 6; dr += 3) {
            for (int dc = -6; dc <= 6; dc += 3) {
                if ((dc != 0 || dr != 0) && rng.chance(65))
                    layer.place(quint16(kFirstHut + rng.below(9)), centre.x() + dc, centre.y() + dr,
                                true, citySlot, player);
            }
        }
        return result;
    }

    const int radius = style == CityStyle::Capital ? 14 : style == CityStyle::Town ? 10 : 6;
    std::vector<quint16> core;
    if (style == CityStyle::Capital)
        core = {kCastle, kCathedral, kMarket, kChurch, kSchool, kBathhouse, kTavern};
    else if (style == CityStyle::Town)
        core = {kChurch, kMarket, kTavern};
    else
        core = {kChapel};
    for (quint16 id : core)
        placeNear(layer, id, centre, radius / 2 + 2, citySlot, player);
    placeHarbour(layer, shape, centre, radius, citySlot, player, result);

    // Streets every fifth tile; the blocks between them take four houses.
    for (int dr = -radius; dr <= radius; ++dr) {
        for (int dc = -radius; dc <= radius; ++dc) {
            if (dc * dc + dr * dr > radius * radius)
                continue;
            if (dc % kBlock != 0 && dr % kBlock != 0)
                continue;
            const QPoint p = centre + QPoint(dc, dr);
            if (layer.place(kRoad, p.x(), p.y(), true, citySlot, player))
                result.roads.push_back(p);
        }
    }
    for (int dr = -radius; dr <= radius; ++dr) {
        for (int dc = -radius; dc <= radius; ++dc) {
            const int mc = ((dc % kBlock) + kBlock) % kBlock;
            const int mr = ((dr % kBlock) + kBlock) % kBlock;
            if ((mc != 1 && mc != 3) || (mr != 1 && mr != 3))
                continue;
            const int ring = int(std::sqrt(double((dc + 1) * (dc + 1) + (dr + 1) * (dr + 1))));
            if (ring > radius || !rng.chance(90))
                continue;
            layer.place(houseFor(ring, rng), centre.x() + dc, centre.y() + dr, true, citySlot,
                        player);
        }
    }

    // Farms with their fields, and small workshops, around the town.
    const int farms = style == CityStyle::Capital ? 10 : style == CityStyle::Town ? 6 : 3;
    int placedFarms = 0;
    for (int attempt = 0; attempt < 200 && placedFarms < farms; ++attempt) {
        const int dc = rng.between(-radius - 10, radius + 10);
        const int dr = rng.between(-radius - 10, radius + 10);
        const int d = int(std::sqrt(double(dc * dc + dr * dr)));
        if (d <= radius + 1 || d > radius + 10)
            continue;
        const quint16 id = kFarmhouses[rng.below(int(std::size(kFarmhouses)))];
        const bool along = rng.chance(50);
        const int c = centre.x() + dc;
        const int r = centre.y() + dr;
        if (!layer.place(id, c, r, along, citySlot, player))
            continue;
        ++placedFarms;
        const Footprint f = footprintOf(id);
        const int w = along ? f.first : f.second;
        const int h = along ? f.second : f.first;
        const QPoint fieldSpots[] = {{c - 2, r},     {c + w, r},     {c - 2, r + 2}, {c + w, r + 2},
                                     {c, r - 2},     {c + 2, r - 2}, {c, r + h},     {c + 2, r + h},
                                     {c - 2, r + 4}, {c + w, r + 4}};
        const quint16 field = quint16(kFirstField + rng.below(19));
        for (const QPoint &spot : fieldSpots) {
            if (rng.chance(70))
                layer.place(field, spot.x(), spot.y(), true, citySlot, player);
        }
    }
    for (int attempt = 0; attempt < farms * 2; ++attempt) {
        const int dc = rng.between(-radius - 4, radius + 4);
        const int dr = rng.between(-radius - 4, radius + 4);
        layer.place(kWorkshops[rng.below(int(std::size(kWorkshops)))], centre.x() + dc,
                    centre.y() + dr, rng.chance(50), citySlot, player);
    }

    return result;
}
