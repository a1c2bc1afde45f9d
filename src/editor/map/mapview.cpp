#include "editor/map/mapview.h"

#include "core/map/worldrenderer.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>
#include <utility>

MapView::MapView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PaintBox1"));
    // The picture covers the whole widget, so nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setContextMenuPolicy(Qt::DefaultContextMenu);
}

void MapView::setShowing(bool showing)
{
    showing_ = showing;
    update();
}

void MapView::setView(int scale, QPoint offset)
{
    if (scale == scale_ && offset == offset_)
        return;
    scale_ = scale;
    offset_ = offset;
    update();
    if (dragging_ && rect().contains(lastPixel_))
        emit dragStep(ToWorld(lastPixel_));
    else if (!panning_ && underMouse() && rect().contains(lastPixel_))
        emit hovered(ToWorld(lastPixel_));
}

// Fitted, the whole world lies over the widget as it is now, whatever size
// it was given.
MapTransform MapView::transform() const
{
    if (scale_ <= 0)
        return {size(), QPoint()};
    return {QSize(World::Width * scale_, World::Height * scale_), offset_};
}

QPoint MapView::ToWorld(QPoint pixel) const
{
    return transform().toWorld(pixel);
}

void MapView::setPicture(const QImage *picture)
{
    picture_ = picture;
    update();
}

// One rectangle around all changes: the painter then clips to a plain
// rectangle, and the stretched pixels are the same as those of a full paint.
void MapView::pictureChanged(const QRegion &tiles)
{
    if (!tiles.isEmpty())
        update(transform().pixelsOf(tiles.boundingRect(), size()));
}

void MapView::armDrag()
{
    armed_ = true;
}

void MapView::setFloating(const QImage &ground, const QRect &tiles, bool valid)
{
    QRegion dirty;
    if (floating_)
        dirty += floatingPixels();
    if (!floating_) {
        // A drag under way ends; the island that floats takes the mouse.
        armed_ = false;
        if (dragging_) {
            endDrag();
            emit dragCancelled();
        }
    }
    floating_ = true;
    if (ground.cacheKey() != floatingGround_.cacheKey())
        floatingGround_ = ground;
    floatingTiles_ = tiles;
    floatingValid_ = valid;
    dirty += floatingPixels();
    setCursor(Qt::SizeAllCursor);
    update(dirty);
}

void MapView::clearFloating()
{
    if (!floating_)
        return;
    update(floatingPixels());
    floating_ = false;
    floatingGround_ = QImage();
    unsetCursor();
}

namespace {

// Rounds toward positive infinity, for negative numerators too: an island
// being placed may lie partly outside the world.
int ceilDiv(qint64 a, qint64 b)
{
    const qint64 q = a / b;
    return int(q + ((a % b != 0 && a > 0) ? 1 : 0));
}

} // namespace

// The pixel p shows the tile (p + offset) * 512 / content, so the first pixel
// of tile t is the smallest p with (p + offset) * 512 >= t * content.
QRect MapView::pixelsOfTiles(const QRect &tiles) const
{
    const MapTransform t = transform();
    const int w = t.content.width();
    const int h = t.content.height();
    const int left = ceilDiv(qint64(tiles.left()) * w, World::Width) - t.offset.x();
    const int top = ceilDiv(qint64(tiles.top()) * h, World::Height) - t.offset.y();
    const int right =
        ceilDiv(qint64(tiles.left() + tiles.width()) * w, World::Width) - t.offset.x();
    const int bottom =
        ceilDiv(qint64(tiles.top() + tiles.height()) * h, World::Height) - t.offset.y();
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

QRect MapView::floatingPixels() const
{
    return pixelsOfTiles(floatingTiles_).adjusted(-1, -1, 1, 1);
}

// The ground a little see-through, so that an island under it stays in
// view; the frame along the inside of the island's tiles, as the map frames
// the selected island.
void MapView::paintFloating(QPainter &painter)
{
    painter.save();
    painter.setOpacity(0.85);
    painter.drawImage(pixelsOfTiles(floatingTiles_), floatingGround_);
    painter.setOpacity(1.0);
    const QColor colour = floatingValid_ ? QColor(255, 255, 255) : QColor(255, 0, 0);
    const QRect &r = floatingTiles_;
    for (const QRect &edge :
         {QRect(r.left(), r.top(), r.width(), 1), QRect(r.left(), r.bottom(), r.width(), 1),
          QRect(r.left(), r.top(), 1, r.height()), QRect(r.right(), r.top(), 1, r.height())})
        painter.fillRect(pixelsOfTiles(edge), colour);
    painter.restore();
}

void MapView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (!showing_ || !picture_ || picture_->isNull()) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    // Stretched tile by tile, without smoothing: every tile stays a crisp block.
    transform().draw(painter, *picture_, event->rect());
    if (floating_)
        paintFloating(painter);
}

// The middle button pans the view and selects nothing.
void MapView::mousePressEvent(QMouseEvent *event)
{
    lastPixel_ = event->position().toPoint();
    if (event->button() == Qt::MiddleButton) {
        if (showing_ && !dragging_) {
            panning_ = true;
            panFrom_ = lastPixel_;
            setCursor(Qt::ClosedHandCursor);
        }
        return;
    }
    armed_ = false;
    swallowMenu_ = false;
    if (floating_) {
        if (event->button() == Qt::LeftButton) {
            emit placeClicked(ToWorld(lastPixel_));
        } else if (event->button() == Qt::RightButton) {
            swallowMenu_ = true;
            emit placingCancelled();
        }
        return;
    }
    pressPixel_ = lastPixel_;
    emit pressed(ToWorld(pressPixel_), event->button());
}

void MapView::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pixel = event->position().toPoint();
    lastPixel_ = pixel;
    if (panning_) {
        const QPoint delta = panFrom_ - pixel;
        panFrom_ = pixel;
        emit scrollRequested(delta);
        return;
    }
    if (armed_ && (event->buttons() & Qt::LeftButton) &&
        (pixel - pressPixel_).manhattanLength() >= QApplication::startDragDistance()) {
        armed_ = false;
        dragging_ = true;
        setCursor(Qt::SizeAllCursor);
    }
    emit hovered(ToWorld(pixel));
    if (dragging_ && rect().contains(pixel))
        emit dragStep(ToWorld(pixel));
}

void MapView::mouseReleaseEvent(QMouseEvent *event)
{
    if (panning_ && event->button() == Qt::MiddleButton) {
        panning_ = false;
        unsetCursor();
        return;
    }
    armed_ = false;
    if (!dragging_ || event->button() != Qt::LeftButton)
        return;
    const QPoint pixel = event->position().toPoint();
    endDrag();
    if (rect().contains(pixel))
        emit dropped(ToWorld(pixel));
    else
        emit dragCancelled();
}

void MapView::keyPressEvent(QKeyEvent *event)
{
    if (floating_) {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            emit placeConfirmed();
            return;
        case Qt::Key_Escape:
            emit placingCancelled();
            return;
        default:
            break;
        }
    }
    if (dragging_ && event->key() == Qt::Key_Escape) {
        endDrag();
        emit dragCancelled();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MapView::focusOutEvent(QFocusEvent *event)
{
    if (dragging_) {
        endDrag();
        emit dragCancelled();
    }
    // The user went on elsewhere in the window: the island is not placed.
    // A menu, a dialog or another window taking the focus leaves it floating.
    const Qt::FocusReason reason = event->reason();
    if (floating_ && (reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
                      reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason))
        emit placingCancelled();
    QWidget::focusOutEvent(event);
}

void MapView::contextMenuEvent(QContextMenuEvent *event)
{
    if (floating_) {
        emit placingCancelled();
        return;
    }
    if (std::exchange(swallowMenu_, false))
        return;
    emit contextMenu(event->globalPos());
}

// With Ctrl the wheel zooms, one level a notch; without it scrolls, as in
// other editors, Shift turning it sideways.
void MapView::wheelEvent(QWheelEvent *event)
{
    // Without a scenario there is nothing to zoom into.
    if (!showing_) {
        QWidget::wheelEvent(event);
        return;
    }
    event->accept();
    lastPixel_ = event->position().toPoint();
    if (event->modifiers() & Qt::ControlModifier) {
        wheelZoom_ += event->angleDelta().y();
        const int steps = wheelZoom_ / 120;
        wheelZoom_ -= steps * 120;
        if (steps != 0)
            emit zoomRequested(steps, event->position().toPoint());
        return;
    }
    // A notch scrolls as many lines of 20 pixels as the desktop asks for.
    QPoint delta = -event->pixelDelta();
    if (delta.isNull())
        delta = -event->angleDelta() * QApplication::wheelScrollLines() * 20 / 120;
    if ((event->modifiers() & Qt::ShiftModifier) && delta.x() == 0)
        delta = QPoint(delta.y(), 0);
    if (!delta.isNull())
        emit scrollRequested(delta);
}

void MapView::endDrag()
{
    dragging_ = false;
    unsetCursor();
}
