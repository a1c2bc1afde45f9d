// The map's questions to the document: what lies at a tile, which island
// holds a city, and the rectangle a city's buildings span.

#include "core/document/rumoszen.h"
#include "core/islands/footprinttable.h"

#include <cmath>

Insel *RumoSzen::island(int number) const
{
    return number >= 0 && size_t(number) < islands_.size() ? islands_[size_t(number)].get()
                                                           : nullptr;
}

Insel *RumoSzen::IslandAt(int x, int y) const
{
    for (const auto &island : islands_) {
        if (island && island->hitTest(x, y))
            return island.get();
    }
    return nullptr;
}

ShipRecord RumoSzen::ShipAt(int x, int y) const
{
    double best = 1000.0;
    ShipRecord candidate;
    for (const ShipRecord &ship : ships_) {
        const double dx = double(x) - ship.x();
        const double dy = double(y) - ship.y();
        const double distance = std::sqrt(dx * dx + dy * dy);
        if (distance < best) {
            best = distance;
            candidate = ship;
        }
    }
    return best < 6.0 ? candidate : ShipRecord();
}

CityRecord RumoSzen::CityAt(int x, int y) const
{
    for (const auto &island : islands_) {
        if (!island)
            continue;
        const TileRect b = *island->GetBounds();
        // Here both edges of the island count.
        if (x < b.left || x > b.right || y < b.top || y > b.bottom)
            continue;
        const auto &layers = island->layers();
        for (size_t l = 1; l < layers.size(); ++l) {
            const Inselhaus &layer = *layers[l];
            int slot = TileRecord::NoCity;
            bool found = false;
            for (int t = 0; t < layer.tileCount() && !found; ++t) {
                const TileRecord tile = layer.tile(t);
                const Footprint f = footprintOf(tile.building());
                const int left = island->x() + tile.column();
                const int top = island->y() + tile.row();
                if (left <= x && x <= left + f.first && top <= y && y <= top + f.second) {
                    found = true;
                    slot = tile.citySlot();
                }
            }
            if (found && slot < TileRecord::NoCity) {
                const CityRecord city = island->cityInSlot(slot);
                if (city)
                    return city;
                break; // this island yields nothing; try the next island
            }
        }
    }
    return CityRecord();
}

std::optional<TileRect> RumoSzen::CityBounds(const Insel &island, int slot) const
{
    if (island.layers().size() < 2)
        return std::nullopt;
    TileRect r{1000, 1000, 0, 0};
    const Inselhaus &layer = *island.layers()[1];
    for (int t = 0; t < layer.tileCount(); ++t) {
        const TileRecord tile = layer.tile(t);
        if (tile.citySlot() != slot)
            continue;
        const int col = island.x() + tile.column();
        const int row = island.y() + tile.row();
        r.left = std::min(r.left, col);
        r.top = std::min(r.top, row);
        r.right = std::max(r.right, col);
        r.bottom = std::max(r.bottom, row);
    }
    return r;
}

Insel *RumoSzen::islandOf(const CityRecord &city) const
{
    return city ? island(city.islandNumber()) : nullptr;
}

TradingPostRecord RumoSzen::tradingPostOf(const CityRecord &city) const
{
    const Insel *owner = islandOf(city);
    if (!owner)
        return TradingPostRecord();
    for (const TradingPostRecord &post : owner->tradingPosts()) {
        if (post.citySlot() == city.slot())
            return post;
    }
    return TradingPostRecord();
}
