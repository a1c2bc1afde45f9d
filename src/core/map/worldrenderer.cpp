#include "core/map/worldrenderer.h"

#include "core/document/rumoszen.h"
#include "core/format/atomicfile.h"
#include "core/islands/footprinttable.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <algorithm>

namespace {

constexpr QRgb kSea = World::Sea;
constexpr QRgb kLightWater = qRgb(136, 136, 255);
constexpr QRgb kPaleWater = qRgb(204, 204, 255);
constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kRed = qRgb(255, 0, 0);
const QRect kWorld(0, 0, World::Width, World::Height);

// What a tile's colour depends on: a water colour of its own, or its player.
enum class Paint { Sea, LightWater, PaleWater, Player };

Paint paintOf(quint16 building)
{
    if (building == 1201)
        return Paint::Sea;
    if (building == 1204 || building == 1209)
        return Paint::LightWater;
    if (building == 1206)
        return Paint::Player;
    if (building == 1202 || building == 1203 || building == 1205 || building == 1207 ||
        building == 1208)
        return Paint::PaleWater;
    if ((building >= 1210 && building <= 1213) || (building >= 1238 && building <= 1299) ||
        (building >= 901 && building <= 905))
        return Paint::Sea;
    return Paint::Player;
}

// Footprints of the identifiers that have one of their own, looked up once.
Footprint footprint(quint16 building)
{
    static const auto table = [] {
        std::array<Footprint, 2500> t;
        for (size_t id = 0; id < t.size(); ++id)
            t[id] = footprintOf(quint16(id));
        return t;
    }();
    return building < table.size() ? table[building] : footprintOf(building);
}

// The block of tiles a tile covers, relative to its island.
QRect blockOf(const TileRecord &tile)
{
    const Footprint f = footprint(tile.building());
    const int columns = tile.orientation() ? f.first : f.second;
    const int rows = tile.orientation() ? f.second : f.first;
    return QRect(tile.column(), tile.row(), std::max(columns, 0), std::max(rows, 0));
}

// The four one-tile edges of a frame along the inside of `r`.
std::array<QRect, 4> frameEdges(const TileRect &r)
{
    if (r.right <= r.left || r.bottom <= r.top)
        return {};
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    return {QRect(r.left, r.top, w, 1), QRect(r.left, r.bottom - 1, w, 1),
            QRect(r.left, r.top, 1, h), QRect(r.right - 1, r.top, 1, h)};
}

// The ship dot's bounding box is 12 tiles across around the ship; the
// outline of the selected one reaches one tile further. The box taken here
// holds every pixel of either.
constexpr int kShipReach = 8;
QRect shipBox(int x, int y)
{
    return QRect(x - kShipReach, y - kShipReach, 2 * kShipReach + 1, 2 * kShipReach + 1);
}

// The picture's pixels are written straight into its lines: a QPainter
// fill per tile costs more than the tile itself.
QRgb *line(QImage &image, int y)
{
    return reinterpret_cast<QRgb *>(image.bits() + qsizetype(y) * image.bytesPerLine());
}

void fill(QImage &image, const QRect &r, QRgb colour)
{
    for (int y = r.top(); y <= r.bottom(); ++y) {
        QRgb *l = line(image, y);
        std::fill(l + r.left(), l + r.right() + 1, colour);
    }
}

} // namespace

QPoint World::ToWorld(QPoint pixel, QSize size)
{
    if (size.width() <= 0 || size.height() <= 0)
        return {};
    return {pixel.x() * Width / size.width(), pixel.y() * Height / size.height()};
}

QRect World::pixelsOf(const QRect &tiles, QSize size)
{
    const int w = size.width();
    const int h = size.height();
    const int left = tiles.left() * w / Width - 1;
    const int top = tiles.top() * h / Height - 1;
    const int right = ((tiles.right() + 1) * w + Width - 1) / Width + 1;
    const int bottom = ((tiles.bottom() + 1) * h + Height - 1) / Height + 1;
    return QRect(QPoint(left, top), QPoint(right, bottom)) & QRect(QPoint(), size);
}

QRgb TileColour(quint16 building, int player, const PlayerArea &players)
{
    switch (paintOf(building)) {
    case Paint::Sea:
        return kSea;
    case Paint::LightWater:
        return kLightWater;
    case Paint::PaleWater:
        return kPaleWater;
    case Paint::Player:
        break;
    }
    return players.mapColourOf(player & 15).rgb();
}

WorldPicture::WorldPicture() : image_(World::Width, World::Height, QImage::Format_RGB32)
{
    image_.fill(kSea);
}

WorldPicture::Scene WorldPicture::sceneOf(RumoSzen &doc, const WorldView &view)
{
    Scene scene;
    scene.showCities = view.showCities;
    scene.showShips = view.showShips;
    const PlayerArea players = doc.players();
    for (int p = 0; p < Players; ++p)
        scene.palette[1 + p] = players.mapColourOf(p).rgb();
    scene.palette[SeaSlot] = kSea;
    scene.palette[LightSlot] = kLightWater;
    scene.palette[PaleSlot] = kPaleWater;
    for (int p = 0; p < ShipColours; ++p)
        scene.shipColours[p] = players.mapColourOf(p).rgb();

    if (view.cityFrame) {
        scene.frame = view.cityFrame;
        scene.frameColour = kWhite;
    } else if (view.selectedIsland) {
        scene.frame = view.selectedIsland->GetBounds();
        scene.frameColour = doc.moveValid() ? kWhite : kRed;
    }

    if (view.showShips) {
        scene.ships.reserve(doc.Ships().size());
        for (const ShipRecord &ship : doc.Ships()) {
            scene.ships.push_back({ship.x(), ship.y(),
                                   scene.shipColours[std::min<int>(ship.owner(), ShipColours - 1)],
                                   ship == view.selectedShip ? 2 : 1});
        }
    }
    return scene;
}

// Whether the island's map still holds: the same layers over the same bytes
// and the same owner entries of its cities. A city's new owner recolours its
// tiles; a layer that took a copy of shared bytes shows it by its address,
// a new owner entry shows it here. Tiles that did not match their city's
// entry before can change without either, so whoever changes an owner calls
// Forget as well: comparing every tile at every repaint would cost more than
// the whole drag step.
bool WorldPicture::sameTiles(const IslandEntry &entry, const Insel &island, bool showCities)
{
    const auto &layers = island.layers();
    const size_t shown = showCities ? layers.size() : std::min<size_t>(layers.size(), 1);
    if (entry.layers.size() != shown)
        return false;
    for (size_t l = 0; l < shown; ++l) {
        const Inselhaus &layer = *layers[l];
        if (!(entry.layers[l] == LayerKey{&layer, layer.tiles(), layer.byteSize()}))
            return false;
    }
    const IslandRecord record = island.record();
    for (int slot = 0; slot < int(entry.cityOwners.size()); ++slot) {
        if (entry.cityOwners[slot] != record.cityOwner(slot))
            return false;
    }
    return true;
}

// Flattens the shown layers into one map of colour slots, later tiles over
// earlier ones, so that drawing the island is one pass over its pixels
// whatever its layers hold.
void WorldPicture::buildIsland(IslandEntry &entry, const Insel *island, bool showCities)
{
    entry = IslandEntry();
    entry.island = island;
    if (!island)
        return;
    entry.origin = QPoint(island->x(), island->y());
    const IslandRecord record = island->record();
    for (int slot = 0; slot < int(entry.cityOwners.size()); ++slot)
        entry.cityOwners[slot] = record.cityOwner(slot);
    const auto &layers = island->layers();
    const size_t shown = showCities ? layers.size() : std::min<size_t>(layers.size(), 1);
    QRect extent;
    for (size_t l = 0; l < shown; ++l) {
        const Inselhaus &layer = *layers[l];
        entry.layers.push_back({&layer, layer.tiles(), layer.byteSize()});
        for (int t = 0; t < layer.tileCount(); ++t)
            extent |= blockOf(layer.tile(t));
    }
    entry.extent = extent;
    if (extent.isEmpty())
        return;
    const int width = extent.width();
    entry.map.assign(size_t(width) * size_t(extent.height()), 0);
    for (size_t l = 0; l < shown; ++l) {
        const Inselhaus &layer = *layers[l];
        for (int t = 0; t < layer.tileCount(); ++t) {
            const TileRecord tile = layer.tile(t);
            const QRect block = blockOf(tile).translated(-extent.topLeft());
            if (block.isEmpty())
                continue;
            quint8 slot = 0;
            switch (paintOf(tile.building())) {
            case Paint::Sea:
                slot = SeaSlot;
                break;
            case Paint::LightWater:
                slot = LightSlot;
                break;
            case Paint::PaleWater:
                slot = PaleSlot;
                break;
            case Paint::Player:
                slot = quint8(1 + (tile.player() & 15));
                break;
            }
            for (int y = block.top(); y <= block.bottom(); ++y) {
                quint8 *row = entry.map.data() + size_t(y) * width;
                std::fill(row + block.left(), row + block.right() + 1, slot);
            }
        }
    }
}

QImage WorldPicture::groundPicture(const Insel &island, const PlayerArea &players)
{
    QImage picture(std::max(island.width(), 1), std::max(island.height(), 1),
                   QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    std::array<QRgb, Slots> palette{};
    for (int p = 0; p < Players; ++p)
        palette[1 + p] = players.mapColourOf(p).rgb();
    palette[SeaSlot] = kSea;
    palette[LightSlot] = kLightWater;
    palette[PaleSlot] = kPaleWater;
    IslandEntry entry;
    buildIsland(entry, &island, false);
    // The entry lies relative to the island's position; the picture shows
    // only what lies within the island's bounds.
    const QRect drawn = entry.extent;
    const QRect part = drawn & picture.rect();
    for (int y = part.top(); y <= part.bottom(); ++y) {
        const quint8 *slot = entry.map.data() + size_t(y - drawn.top()) * drawn.width() +
                             (part.left() - drawn.left());
        QRgb *out = line(picture, y) + part.left();
        for (int n = part.width(); n > 0; --n, ++slot, ++out) {
            if (*slot)
                *out = palette[*slot];
        }
    }
    return picture;
}

void WorldPicture::render(RumoSzen &doc, const WorldView &view)
{
    scene_ = sceneOf(doc, view);
    const auto &islands = doc.Islands();
    islands_.resize(islands.size());
    // Maps that still hold are kept: flattening every layer of every island
    // costs ten times the drawing.
    for (size_t i = 0; i < islands.size(); ++i) {
        IslandEntry &entry = islands_[i];
        const Insel *island = islands[i].get();
        if (valid_ && island && island == entry.island &&
            sameTiles(entry, *island, view.showCities))
            entry.origin = QPoint(island->x(), island->y());
        else
            buildIsland(entry, island, view.showCities);
    }
    redraw(kWorld);
    valid_ = true;
}

QRegion WorldPicture::update(RumoSzen &doc, const WorldView &view)
{
    Scene next = sceneOf(doc, view);
    const auto &islands = doc.Islands();
    if (!valid_ || next.showCities != scene_.showCities || next.showShips != scene_.showShips ||
        next.palette != scene_.palette || next.shipColours != scene_.shipColours ||
        islands.size() != islands_.size() || next.ships.size() != scene_.ships.size()) {
        render(doc, view);
        return QRegion(kWorld);
    }

    QRegion changed;
    for (size_t i = 0; i < islands.size(); ++i) {
        IslandEntry &entry = islands_[i];
        const Insel *island = islands[i].get();
        if (island != entry.island || (island && !sameTiles(entry, *island, next.showCities))) {
            changed += entry.drawn();
            buildIsland(entry, island, next.showCities);
            changed += entry.drawn();
        } else if (island && QPoint(island->x(), island->y()) != entry.origin) {
            changed += entry.drawn();
            entry.origin = QPoint(island->x(), island->y());
            changed += entry.drawn();
        }
    }
    if (next.frame != scene_.frame || next.frameColour != scene_.frameColour) {
        for (const auto &frame : {scene_.frame, next.frame}) {
            if (frame) {
                for (const QRect &edge : frameEdges(*frame))
                    changed += edge;
            }
        }
    }
    for (size_t s = 0; s < next.ships.size(); ++s) {
        const DrawnShip &was = scene_.ships[s];
        const DrawnShip &is = next.ships[s];
        if (!(was == is)) {
            changed += shipBox(was.x, was.y);
            changed += shipBox(is.x, is.y);
        }
    }
    scene_ = std::move(next);
    changed &= QRegion(kWorld);
    for (const QRect &area : changed)
        redraw(area);
    return changed;
}

void WorldPicture::redraw(const QRect &area)
{
    fill(image_, area, kSea);
    for (const IslandEntry &entry : islands_) {
        const QRect drawn = entry.drawn();
        const QRect part = drawn & area;
        if (part.isEmpty())
            continue;
        const int width = drawn.width();
        for (int y = part.top(); y <= part.bottom(); ++y) {
            const quint8 *slot =
                entry.map.data() + size_t(y - drawn.top()) * width + (part.left() - drawn.left());
            QRgb *out = line(image_, y) + part.left();
            for (int n = part.width(); n > 0; --n, ++slot, ++out) {
                if (*slot)
                    *out = scene_.palette[*slot];
            }
        }
    }
    if (scene_.frame) {
        for (const QRect &edge : frameEdges(*scene_.frame))
            fill(image_, edge & area, scene_.frameColour);
    }
    for (const DrawnShip &ship : scene_.ships) {
        if (shipBox(ship.x, ship.y).intersects(area))
            drawShip(ship, area);
    }
}

// A dot as QPainter draws it without smoothing, drawn once per colour and
// outline width and then copied: thousands of ships cost thousands of
// QPainter ellipses otherwise. Every pixel of the dot is either fill or
// outline, fully opaque; the rest stays transparent.
const WorldPicture::Sprite &WorldPicture::sprite(QRgb fill, int pen)
{
    for (const Sprite &s : sprites_) {
        if (s.fill == fill && s.pen == pen)
            return s;
    }
    constexpr int centre = 2 * kShipReach;
    QImage canvas(2 * centre, 2 * centre, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        const QColor colour = QColor::fromRgb(fill);
        const QColor outline(255 - colour.red(), 255 - colour.green(), 255 - colour.blue());
        painter.setPen(QPen(outline, pen));
        painter.setBrush(colour);
        painter.drawEllipse(QRect(centre - 6, centre - 6, 12, 12));
    }
    const QRect box = shipBox(centre, centre);
    sprites_.push_back({fill, pen, canvas.copy(box)});
    return sprites_.back();
}

void WorldPicture::drawShip(const DrawnShip &ship, const QRect &area)
{
    const QImage &dot = sprite(ship.fill, ship.pen).image;
    const QRect box = shipBox(ship.x, ship.y);
    const QRect part = box & area;
    for (int y = part.top(); y <= part.bottom(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(dot.constScanLine(y - box.top())) +
                         (part.left() - box.left());
        QRgb *out = line(image_, y) + part.left();
        for (int n = part.width(); n > 0; --n, ++in, ++out) {
            if (qAlpha(*in))
                *out = *in;
        }
    }
}

void renderWorld(RumoSzen &doc, const WorldView &view, QImage &bitmap)
{
    WorldPicture picture;
    picture.render(doc, view);
    bitmap = picture.image();
}

QImage worldImage(RumoSzen &doc, int scale)
{
    scale = std::clamp(scale, World::MinScale, World::MaxScale);
    QImage tiles;
    renderWorld(doc, WorldView(), tiles);
    if (scale == 1)
        return tiles;
    // Each tile repeated into a block by hand: a smoothing or rounding
    // scaler would blur or shift the edges between tiles.
    QImage big(World::Width * scale, World::Height * scale, QImage::Format_RGB32);
    for (int y = 0; y < World::Height; ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(tiles.constScanLine(y));
        QRgb *first = line(big, y * scale);
        for (int x = 0; x < World::Width; ++x)
            std::fill_n(first + x * scale, scale, in[x]);
        for (int copy = 1; copy < scale; ++copy)
            std::copy_n(first, big.width(), line(big, y * scale + copy));
    }
    return big;
}

Result<void> saveWorldImage(RumoSzen &doc, int scale, const QString &path)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(worldImage(doc, scale)))
        return Failure{writer.errorString()};
    return writeFileAtomically(path,
                               [&png](QIODevice &file) { return file.write(png) == png.size(); });
}
