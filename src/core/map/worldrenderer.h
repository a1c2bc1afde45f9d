#pragma once

// Draws the world of a scenario into its 512 x 352 picture, one pixel a tile:
// sea, the islands layer by layer in their owners' colours, the frame of the
// selected island or city, and the ships and carts as outlined dots. The same
// picture, enlarged, is what "Karte als Bild speichern" and `marbolt-cli
// render` write to a file.

#include "core/common/result.h"
#include "core/common/world.h"
#include "core/goods/shiprecord.h"
#include "core/islands/veskobject.h"

#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QString>
#include <array>
#include <optional>
#include <vector>

class Insel;
class Inselhaus;
class PlayerArea;
class RumoSzen;

namespace World {
// Pixels a tile in a picture written to a file.
constexpr int MinScale = 1;
constexpr int MaxScale = 8;
// The sea's colour, which also lies around islands drawn on their own.
constexpr QRgb Sea = qRgb(68, 68, 255);

// The tile under a point of a map drawn over `size`, truncating toward zero.
QPoint ToWorld(QPoint pixel, QSize size);
// The pixels of a map drawn over `size` that show `tiles`, with a pixel to
// spare on each side, within the map.
QRect pixelsOf(const QRect &tiles, QSize size);
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

// The world picture of one map, kept between repaints. It remembers what it
// drew (each island's place and tiles, the frame, the ships, the colours),
// so that Update redraws only the rectangles where something changed; the
// result is always the picture that Render would draw from scratch.
class WorldPicture {
public:
    WorldPicture();

    const QImage &image() const { return image_; }
    // Draws the whole picture anew.
    void render(RumoSzen &doc, const WorldView &view);
    // Brings the picture up to date and answers the tiles that changed
    // (empty when the picture stayed as it was).
    QRegion update(RumoSzen &doc, const WorldView &view);
    // The next Update draws everything anew: for changes the picture cannot
    // see from outside, such as tiles recoloured with a city's new owner.
    void forget() { valid_ = false; }

    // The island's ground (its first layer) as the map draws it, one pixel a
    // tile over the island's width and height; transparent where no tile
    // lies. For previews and for an island that is being placed.
    static QImage groundPicture(const Insel &island, const PlayerArea &players);

private:
    // Colour slots of the island maps: 0 nothing, 1 + p the colour of player
    // p (0..15), then the three water colours.
    static constexpr int Players = 16;
    static constexpr int SeaSlot = 1 + Players;
    static constexpr int LightSlot = SeaSlot + 1;
    static constexpr int PaleSlot = LightSlot + 1;
    static constexpr int Slots = PaleSlot + 1;
    // Ship fill colours: players 0..6, then the one of every other owner.
    static constexpr int ShipColours = 8;

    struct LayerKey {
        const Inselhaus *layer;
        const uchar *tiles;
        qsizetype bytes;
        bool operator==(const LayerKey &) const = default;
    };
    // One island as drawn: its shown layers flattened into one map of colour
    // slots over the tiles they cover, and where it stood.
    struct IslandEntry {
        const Insel *island = nullptr;
        std::vector<LayerKey> layers;
        std::array<quint8, 7> cityOwners{};
        QPoint origin;
        QRect extent; // relative to the island's position
        std::vector<quint8> map;
        QRect drawn() const { return island ? extent.translated(origin) : QRect(); }
    };
    struct DrawnShip {
        int x;
        int y;
        QRgb fill;
        int pen;
        bool operator==(const DrawnShip &) const = default;
    };
    struct Sprite {
        QRgb fill;
        int pen;
        QImage image;
    };

    // Everything of the picture but the islands' maps, as it was drawn.
    struct Scene {
        bool showCities = true;
        bool showShips = true;
        std::array<QRgb, Slots> palette{};
        std::array<QRgb, ShipColours> shipColours{};
        std::optional<TileRect> frame;
        QRgb frameColour = 0;
        std::vector<DrawnShip> ships;
    };

    static Scene sceneOf(RumoSzen &doc, const WorldView &view);
    static bool sameTiles(const IslandEntry &entry, const Insel &island, bool showCities);
    static void buildIsland(IslandEntry &entry, const Insel *island, bool showCities);
    // Redraws one rectangle of the world completely.
    void redraw(const QRect &area);
    void drawShip(const DrawnShip &ship, const QRect &area);
    const Sprite &sprite(QRgb fill, int pen);

    QImage image_;
    bool valid_ = false;
    Scene scene_;
    std::vector<IslandEntry> islands_;
    std::vector<Sprite> sprites_;
};

// Redraws `bitmap` (512 x 352) completely.
void renderWorld(RumoSzen &doc, const WorldView &view, QImage &bitmap);

// The world as a picture of its own: everything the map shows with both show
// buttons down (islands, buildings in their owners' colours, ships and carts),
// without a selection frame, every tile a block of `scale` x `scale` pixels
// of its colour, so it is (512 * scale) x (352 * scale) pixels. `scale` is
// held to MinScale..MaxScale.
QImage worldImage(RumoSzen &doc, int scale);
// Writes WorldImage as a PNG file through the atomic save; on failure the
// error is the reason and the old file is as it was.
Result<void> saveWorldImage(RumoSzen &doc, int scale, const QString &path);
