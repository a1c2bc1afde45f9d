#pragma once

// Draws the world of a scenario into its 512 x 352 picture, one pixel a tile:
// sea, the islands layer by layer in their owners' colours, the frame of the
// selected island or city, and the ships and carts as outlined dots.

#include "core/goods/shiprecord.h"
#include "core/islands/veskobject.h"

#include <QImage>
#include <QPoint>
#include <optional>

class Insel;
class PlayerArea;
class RumoSzen;

namespace World {
constexpr int Width = 512;
constexpr int Height = 352;

// The tile under a point of a map drawn over `size`, truncating toward zero.
QPoint ToWorld(QPoint pixel, QSize size);
} // namespace World

struct WorldView {
    bool showCities = true;
    bool showShips = true;
    // What the object tree has selected; a city frame wins over an island.
    const Insel *selectedIsland = nullptr;
    std::optional<TileRect> cityFrame;
    ShipRecord selectedShip;
};

// The colour of a tile: water pieces in their water colours, everything else
// in the colour of the tile's player (brown when it has none).
QRgb TileColour(quint16 building, int player, const PlayerArea &players);

// Redraws `bitmap` (512 x 352) completely.
void RenderWorld(RumoSzen &doc, const WorldView &view, QImage &bitmap);
