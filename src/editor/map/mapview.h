#pragma once

#include "core/map/mapzoom.h"

#include <QImage>
#include <QRegion>
#include <QWidget>

// PaintBox1: the world picture, stretched over the whole widget or, zoomed,
// the part of it that the panel scrolled to. It turns mouse positions into
// world tiles and carries out the mechanics of dragging an island and of
// panning with the middle button; what a click or a drag means is the map
// page's business, where the view goes the panel's.
class MapView : public QWidget {
    Q_OBJECT

public:
    explicit MapView(QWidget *parent = nullptr);

    // The world picture to show, owned by the caller; none shows nothing.
    void setPicture(const QImage *picture);
    const QImage *picture() const { return picture_; }
    // These tiles of the picture changed: only the part of the map that
    // shows them is painted again.
    void pictureChanged(const QRegion &tiles);
    void setShowing(bool showing);
    // After a left press that selected an island: a drag begins once the
    // mouse has moved by the platform's drag distance.
    void armDrag();
    bool dragging() const { return dragging_; }

    // An island being placed, drawn over the world picture: its ground over
    // `tiles` and a frame of one tile along their inside, white where the
    // island may stand and red where not. While it floats, a left click
    // asks to place it, a right click, Escape or a click elsewhere in the
    // window cancels, Enter asks to place it where it is; nothing is
    // selected or dragged.
    void setFloating(const QImage &ground, const QRect &tiles, bool valid);
    void clearFloating();
    bool floating() const { return floating_; }
    QRect floatingTiles() const { return floatingTiles_; }
    bool floatingValid() const { return floatingValid_; }

    // Zoomed: `scale` pixels per tile, showing the world from `offset` of
    // its zoomed size on. Scale 0 stretches the whole world over the widget.
    // A drag in progress follows: the island goes to the tile now under the
    // mouse.
    void setView(int scale, QPoint offset);
    MapTransform transform() const;
    QPoint ToWorld(QPoint pixel) const;

signals:
    void pressed(QPoint tile, Qt::MouseButton button);
    void hovered(QPoint tile);
    void dragStep(QPoint tile);
    void dropped(QPoint tile);
    // The drag ended anywhere but on the map: released outside, Escape,
    // focus lost.
    void dragCancelled();
    void contextMenu(QPoint globalPos);
    // The floating island: a left click on this tile, Enter, or cancelled.
    void placeClicked(QPoint tile);
    void placeConfirmed();
    void placingCancelled();
    // The wheel with Ctrl: zoom levels in (positive) or out around a pixel.
    void zoomRequested(int steps, QPoint pixel);
    // The wheel or a drag with the middle button moves the view by these
    // pixels.
    void scrollRequested(QPoint delta);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void endDrag();
    // The pixels of the map that show `tiles` exactly.
    QRect pixelsOfTiles(const QRect &tiles) const;
    void paintFloating(QPainter &painter);
    // The pixels the floating island covers, for repainting.
    QRect floatingPixels() const;

    const QImage *picture_ = nullptr;
    bool showing_ = false;
    bool armed_ = false;
    bool dragging_ = false;
    bool panning_ = false;
    QPoint pressPixel_;
    QPoint lastPixel_;
    QPoint panFrom_;
    int scale_ = 0;
    QPoint offset_;
    // Wheel turns with Ctrl not yet a whole zoom step (fine-grained wheels).
    int wheelZoom_ = 0;
    bool floating_ = false;
    QImage floatingGround_;
    QRect floatingTiles_;
    bool floatingValid_ = false;
    // A right press cancelled the placing: the context menu that follows it
    // does not open.
    bool swallowMenu_ = false;
};
