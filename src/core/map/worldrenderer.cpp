#include "core/map/worldrenderer.h"

#include "core/document/rumoszen.h"
#include "core/islands/footprinttable.h"

#include <QPainter>
#include <array>

namespace {

constexpr QRgb kSea = qRgb(68, 68, 255);
constexpr QRgb kLightWater = qRgb(136, 136, 255);
constexpr QRgb kPaleWater = qRgb(204, 204, 255);

// The map colour of every player index a tile can hold (0..15), looked up
// once per picture.
struct PlayerColours {
    explicit PlayerColours(const PlayerArea &players)
    {
        for (int p = 0; p < 16; ++p)
            rgb[p] = players.mapColourOf(p).rgb();
    }
    QRgb rgb[16];
};

QRgb tileColour(quint16 building, int player, const PlayerColours &colours)
{
    if (building == 1201)
        return kSea;
    if (building == 1204 || building == 1209)
        return kLightWater;
    if (building == 1206)
        return colours.rgb[player & 15];
    if (building == 1202 || building == 1203 || building == 1205 || building == 1207 ||
        building == 1208)
        return kPaleWater;
    if ((building >= 1210 && building <= 1213) || (building >= 1238 && building <= 1299) ||
        (building >= 901 && building <= 905))
        return kSea;
    return colours.rgb[player & 15];
}

// Footprints of the identifiers that have one of their own, looked up once.
Footprint footprint(quint16 building)
{
    static const auto table = [] {
        std::array<Footprint, 2500> t;
        for (size_t id = 0; id < t.size(); ++id)
            t[id] = FootprintOf(quint16(id));
        return t;
    }();
    return building < table.size() ? table[building] : FootprintOf(building);
}

// Fills a block of tiles, dropping what lies outside the world.
void fillBlock(QImage &bitmap, int left, int top, int width, int height, QRgb colour)
{
    const int x0 = std::max(left, 0);
    const int x1 = std::min(left + width, World::Width);
    const int y0 = std::max(top, 0);
    const int y1 = std::min(top + height, World::Height);
    for (int y = y0; y < y1; ++y) {
        auto *line = reinterpret_cast<QRgb *>(bitmap.scanLine(y));
        std::fill(line + x0, line + std::max(x0, x1), colour);
    }
}

void paintLayer(QImage &bitmap, const Insel &island, const Inselhaus &layer,
                const PlayerColours &colours)
{
    for (int t = 0; t < layer.tileCount(); ++t) {
        const TileRecord tile = layer.tile(t);
        const Footprint f = footprint(tile.building());
        const int columns = tile.orientation() ? f.first : f.second;
        const int rows = tile.orientation() ? f.second : f.first;
        fillBlock(bitmap, island.x() + tile.column(), island.y() + tile.row(), columns, rows,
                  tileColour(tile.building(), tile.player(), colours));
    }
}

// A one-pixel frame along the inside of the rectangle: left and top edges
// included, right and bottom excluded.
void frame(QImage &bitmap, const TileRect &r, QRgb colour)
{
    if (r.right <= r.left || r.bottom <= r.top)
        return;
    fillBlock(bitmap, r.left, r.top, r.right - r.left, 1, colour);
    fillBlock(bitmap, r.left, r.bottom - 1, r.right - r.left, 1, colour);
    fillBlock(bitmap, r.left, r.top, 1, r.bottom - r.top, colour);
    fillBlock(bitmap, r.right - 1, r.top, 1, r.bottom - r.top, colour);
}

} // namespace

QPoint World::ToWorld(QPoint pixel, QSize size)
{
    if (size.width() <= 0 || size.height() <= 0)
        return {};
    return {pixel.x() * Width / size.width(), pixel.y() * Height / size.height()};
}

QRgb TileColour(quint16 building, int player, const PlayerArea &players)
{
    return tileColour(building, player, PlayerColours(players));
}

void RenderWorld(RumoSzen &doc, const WorldView &view, QImage &bitmap)
{
    if (bitmap.size() != QSize(World::Width, World::Height) ||
        bitmap.format() != QImage::Format_RGB32)
        bitmap = QImage(World::Width, World::Height, QImage::Format_RGB32);
    bitmap.fill(kSea);
    const PlayerArea players = doc.players();
    const PlayerColours colours(players);

    for (const auto &island : doc.Islands()) {
        if (!island)
            continue;
        const auto &layers = island->layers();
        for (size_t l = 0; l < layers.size() && (l == 0 || view.showCities); ++l)
            paintLayer(bitmap, *island, *layers[l], colours);
    }

    if (view.cityFrame)
        frame(bitmap, *view.cityFrame, qRgb(255, 255, 255));
    else if (view.selectedIsland)
        frame(bitmap, *view.selectedIsland->GetBounds(),
              doc.MoveValid() ? qRgb(255, 255, 255) : qRgb(255, 0, 0));

    if (!view.showShips || doc.Ships().empty())
        return;
    QPainter painter(&bitmap);
    for (const ShipRecord &ship : doc.Ships()) {
        const QColor fill = players.mapColourOf(ship.owner());
        const QColor outline(255 - fill.red(), 255 - fill.green(), 255 - fill.blue());
        painter.setPen(QPen(outline, ship == view.selectedShip ? 2 : 1));
        painter.setBrush(fill);
        painter.drawEllipse(QRect(ship.x() - 6, ship.y() - 6, 12, 12));
    }
}
