#pragma once

// How the world picture lies on the screen. Fitted, the whole world fills the
// largest rectangle of the world's proportions that the map's panel holds.
// Zoomed, every tile is a square of a whole number of screen pixels (up to
// eight), the map takes as much of the panel as the world needs, and scroll
// bars appear where it does not fit. Whole numbers keep every tile the same
// size, so the picture stays crisp and a screen pixel always shows the tile
// that a click on it hits.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

class QPainter;

// The screen geometry of one map: the whole world spread over `content`
// pixels, of which the map shows the part that begins at `offset`.
struct MapTransform {
    QSize content;
    QPoint offset;

    // The tile under a pixel of the map.
    QPoint toWorld(QPoint pixel) const;
    // The pixels of a map `view` pixels large that show `tiles`, with a pixel
    // to spare on each side.
    QRect pixelsOf(const QRect &tiles, QSize view) const;
    // The part `exposed` of the map (map pixels) drawn from the world
    // picture, each pixel in the colour of its tile: no smoothing, and only
    // that part is scaled.
    QImage scaled(const QImage &picture, const QRect &exposed) const;
    void draw(QPainter &painter, const QImage &picture, const QRect &exposed) const;
};

class MapZoom {
public:
    static constexpr int MaxScale = 8;

    // The panel the map lies in and the room a scroll bar takes. A zoomed map
    // keeps the world point in the middle of the map where it was; a zoom
    // that no longer magnifies beyond the fitted map becomes the fitted map.
    void setArea(QSize area, int barExtent);
    QSize area() const { return area_; }

    // Screen pixels per tile; 0 while the world is fitted into the panel.
    int scale() const { return scale_; }
    bool fitted() const { return scale_ == 0; }
    // Pixels per tile of the fitted map, for showing the zoom as a percentage.
    double fitScale() const;
    double currentScale() const { return fitted() ? fitScale() : scale_; }
    bool canZoomIn() const { return nextScale(scale_) != scale_; }
    bool canZoomOut() const { return !fitted(); }

    // `steps` zoom levels in (positive) or out (negative). The world point
    // under `anchor` (panel coordinates) stays under it, and with it the tile,
    // as far as the scroll range allows. False when the zoom stayed.
    bool zoomBy(int steps, QPoint anchor);
    // The whole world again. False when it was fitted already.
    bool fit();
    // Scrolls to `offset` of the content, kept within the scroll range.
    // False when the view stayed where it was.
    bool scrollTo(QPoint offset);
    bool scrollBy(QPoint delta) { return scrollTo(offset_ + delta); }

    // Where the map and its scroll bars lie in the panel; a bar that is not
    // needed has an empty rectangle.
    QRect mapRect() const { return map_; }
    QRect horizontalBar() const { return hbar_; }
    QRect verticalBar() const { return vbar_; }
    // The world's size on screen at this zoom and the part the map shows.
    QSize content() const;
    QPoint offset() const { return offset_; }
    QPoint maxOffset() const;
    MapTransform transform() const { return {content(), offset_}; }

private:
    QRect fittedRect() const;
    // The zoom level after `scale` (the next whole number that magnifies
    // noticeably beyond the fitted map), or `scale` at the largest.
    int nextScale(int scale) const;
    int previousScale(int scale) const;
    void layout();

    QSize area_;
    int bar_ = 0;
    int scale_ = 0;
    QPoint offset_;
    QRect map_;
    QRect hbar_;
    QRect vbar_;
};
