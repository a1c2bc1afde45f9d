// The edits the players page offers per player slot, and a city's change of
// owner with the recolouring of its buildings.

#include "core/document/rumoszen.h"

bool RumoSzen::SetCityOwner(CityRecord city, int slot)
{
    const auto owner = slot >= 0 && slot < PlayerRecord::Count ? std::optional(slot) : std::nullopt;
    Insel *home = islandOf(city);
    if (!owner || !home)
        return false;
    home->record().setCityOwner(city.slot(), quint8(*owner));
    city.setOwner(quint8(*owner));
    // Tiles of slot 7 belong to no city, so a city can only recolour 0..6.
    if (city.slot() >= TileRecord::NoCity)
        return true;
    // Each layer copies its tiles before the first change, so islands that
    // share a template's layers keep their colours.
    for (const auto &layer : home->layers())
        layer->recolourCity(city.slot(), *owner);
    return true;
}

void RumoSzen::emptyShipsOf(int player)
{
    for (const ShipRecord &ship : ships_) {
        if (ship.owner() != player || ship.isCart())
            continue;
        for (int k = 0; k < ShipRecord::CargoSlots; ++k) {
            ship.cargo(k).setGoods(0);
            ship.cargo(k).setAmount(0);
        }
    }
}

void RumoSzen::emptyCartsOf(int player)
{
    for (const ShipRecord &ship : ships_) {
        if (ship.owner() != player || !ship.isCart())
            continue;
        for (int k = 0; k < ShipRecord::CargoSlots; ++k)
            ship.cargo(k).setAmount(0);
    }
}

void RumoSzen::emptyTradingPostsOf(int player)
{
    for (const auto &island : islands_) {
        if (!island)
            continue;
        for (TradingPostRecord &post : island->tradingPosts()) {
            const CityRecord city = island->cityInSlot(post.citySlot());
            if (city && city.owner() == player)
                post.clear();
        }
    }
}
