#include "core/map/mapzoom.h"

#include "core/map/worldrenderer.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// A zoom level must magnify at least this much beyond the fitted map, so that
// the first step in is a visible one.
constexpr double kLeastStep = 1.2;

} // namespace

QPoint MapTransform::toWorld(QPoint pixel) const
{
    return World::ToWorld(pixel + offset, content);
}

QRect MapTransform::pixelsOf(const QRect &tiles, QSize view) const
{
    return World::pixelsOf(tiles, content).translated(-offset) & QRect(QPoint(), view);
}

// Every pixel takes the colour of the tile that toWorld finds under it, so
// what is drawn is what a click hits, also where a fitted map stretches the
// tiles by a fraction (the painter's own stretching samples the pixels'
// middles and disagrees at some tiles' edges).
QImage MapTransform::scaled(const QImage &picture, const QRect &exposed) const
{
    const QRect area = exposed & QRect(-offset, content);
    if (area.isEmpty() || picture.isNull())
        return QImage();
    QImage out(area.size(), QImage::Format_RGB32);
    const QImage source = picture.format() == QImage::Format_RGB32
                              ? picture
                              : picture.convertToFormat(QImage::Format_RGB32);
    std::vector<int> columns(size_t(area.width()));
    for (int x = 0; x < area.width(); ++x)
        columns[size_t(x)] = std::clamp(toWorld({area.left() + x, 0}).x(), 0, source.width() - 1);
    int previous = -1;
    for (int y = 0; y < area.height(); ++y) {
        const int row = std::clamp(toWorld({0, area.top() + y}).y(), 0, source.height() - 1);
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        if (row == previous) {
            std::copy_n(reinterpret_cast<const QRgb *>(out.constScanLine(y - 1)), area.width(),
                        line);
            continue;
        }
        previous = row;
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(row));
        for (int x = 0; x < area.width(); ++x)
            line[x] = in[columns[size_t(x)]];
    }
    return out;
}

void MapTransform::draw(QPainter &painter, const QImage &picture, const QRect &exposed) const
{
    const QImage part = scaled(picture, exposed);
    if (!part.isNull())
        painter.drawImage((exposed & QRect(-offset, content)).topLeft(), part);
}

QRect MapZoom::fittedRect() const
{
    int w = area_.width();
    int h = area_.height();
    const float a = float(w) / World::Width;
    const float b = float(h) / World::Height;
    if (a < b)
        h = int(World::Height * a);
    else if (b < a)
        w = int(World::Width * b);
    return QRect((area_.width() - w) / 2, (area_.height() - h) / 2, w, h);
}

double MapZoom::fitScale() const
{
    return double(fittedRect().width()) / World::Width;
}

int MapZoom::nextScale(int scale) const
{
    if (scale >= MaxScale)
        return scale;
    if (scale > 0)
        return scale + 1;
    const double least = fitScale() * kLeastStep;
    for (int s = 1; s <= MaxScale; ++s) {
        if (s >= least)
            return s;
    }
    return scale;
}

int MapZoom::previousScale(int scale) const
{
    if (scale <= 1 || scale - 1 < fitScale() * kLeastStep)
        return 0;
    return scale - 1;
}

QSize MapZoom::content() const
{
    return fitted() ? map_.size() : QSize(World::Width * scale_, World::Height * scale_);
}

QPoint MapZoom::maxOffset() const
{
    const QSize c = content();
    return {std::max(0, c.width() - map_.width()), std::max(0, c.height() - map_.height())};
}

// Fitted: the largest rectangle of the world's proportions, centred. Zoomed:
// as much of the world as the panel holds, with a scroll bar along the
// bottom or the right where the world is wider or taller than the room left;
// map and bars centred together.
void MapZoom::layout()
{
    if (fitted()) {
        map_ = fittedRect();
        hbar_ = vbar_ = QRect();
        offset_ = QPoint();
        return;
    }
    const QSize c = content();
    const int w = area_.width();
    const int h = area_.height();
    bool horizontal = c.width() > w;
    bool vertical = c.height() > h;
    if (vertical && !horizontal)
        horizontal = c.width() > w - bar_;
    if (horizontal && !vertical)
        vertical = c.height() > h - bar_;
    const int viewW = std::max(0, std::min(c.width(), w - (vertical ? bar_ : 0)));
    const int viewH = std::max(0, std::min(c.height(), h - (horizontal ? bar_ : 0)));
    const int left = (w - viewW - (vertical ? bar_ : 0)) / 2;
    const int top = (h - viewH - (horizontal ? bar_ : 0)) / 2;
    map_ = QRect(left, top, viewW, viewH);
    hbar_ = horizontal ? QRect(left, top + viewH, viewW, bar_) : QRect();
    vbar_ = vertical ? QRect(left + viewW, top, bar_, viewH) : QRect();
    scrollTo(offset_);
}

void MapZoom::setArea(QSize area, int barExtent)
{
    const QPointF centre = QPointF(offset_) + QPointF(map_.width(), map_.height()) / 2;
    area_ = area;
    bar_ = barExtent;
    if (!fitted() && scale_ <= fitScale())
        scale_ = 0;
    layout();
    if (!fitted()) {
        scrollTo((centre - QPointF(map_.width(), map_.height()) / 2).toPoint());
    }
}

bool MapZoom::zoomBy(int steps, QPoint anchor)
{
    int target = scale_;
    for (; steps > 0; --steps)
        target = nextScale(target);
    for (; steps < 0; ++steps)
        target = previousScale(target);
    if (target == scale_ || map_.isEmpty())
        return false;

    // The anchor's pixel on the map as it is, and the world point at its
    // centre, in tiles.
    const MapTransform before = transform();
    const QPoint pixel(std::clamp(anchor.x() - map_.left(), 0, map_.width() - 1),
                       std::clamp(anchor.y() - map_.top(), 0, map_.height() - 1));
    const QPoint fixed = pixel + map_.topLeft();
    const double worldX =
        (pixel.x() + before.offset.x() + 0.5) * World::Width / before.content.width();
    const double worldY =
        (pixel.y() + before.offset.y() + 0.5) * World::Height / before.content.height();
    const QPoint tile = before.toWorld(pixel);

    scale_ = target;
    layout();
    if (fitted())
        return true;
    // The offset that puts the world point back under the anchor, then
    // nudged so that the anchor's pixel lies on the same tile.
    const int s = scale_;
    const QPoint at = fixed - map_.topLeft();
    const int x = std::clamp(int(std::lround(worldX * s - at.x() - 0.5)), tile.x() * s - at.x(),
                             tile.x() * s + s - 1 - at.x());
    const int y = std::clamp(int(std::lround(worldY * s - at.y() - 0.5)), tile.y() * s - at.y(),
                             tile.y() * s + s - 1 - at.y());
    offset_ = QPoint(x, y);
    scrollTo(offset_);
    return true;
}

bool MapZoom::fit()
{
    if (fitted())
        return false;
    scale_ = 0;
    layout();
    return true;
}

bool MapZoom::scrollTo(QPoint offset)
{
    const QPoint most = maxOffset();
    const QPoint next(std::clamp(offset.x(), 0, most.x()), std::clamp(offset.y(), 0, most.y()));
    if (next == offset_)
        return false;
    offset_ = next;
    return true;
}
