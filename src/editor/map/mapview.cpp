#include "editor/map/mapview.h"

#include "core/map/worldrenderer.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>

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

QPoint MapView::ToWorld(QPoint pixel) const
{
    return World::ToWorld(pixel, size());
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
        update(World::PixelsOf(tiles.boundingRect(), size()));
}

void MapView::ArmDrag()
{
    armed_ = true;
}

void MapView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!showing_ || !picture_ || picture_->isNull()) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    // Stretched tile by tile, without smoothing: every tile stays a crisp block.
    painter.drawImage(rect(), *picture_);
}

void MapView::mousePressEvent(QMouseEvent *event)
{
    armed_ = false;
    pressPixel_ = event->position().toPoint();
    emit pressed(ToWorld(pressPixel_), event->button());
}

void MapView::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pixel = event->position().toPoint();
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
    QWidget::focusOutEvent(event);
}

void MapView::contextMenuEvent(QContextMenuEvent *event)
{
    emit contextMenu(event->globalPos());
}

void MapView::endDrag()
{
    dragging_ = false;
    unsetCursor();
}
