#include "editor/map/mappanel.h"

#include "editor/map/mapview.h"

#include <QResizeEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <algorithm>

MapPanel::MapPanel(MapView *map, QWidget *startScreen, QWidget *parent)
    : QWidget(parent), map_(map), startScreen_(startScreen),
      horizontal_(new QScrollBar(Qt::Horizontal, this)),
      vertical_(new QScrollBar(Qt::Vertical, this))
{
    setObjectName(QStringLiteral("Panel9"));
    horizontal_->setObjectName(QStringLiteral("sbKarteH"));
    vertical_->setObjectName(QStringLiteral("sbKarteV"));
    horizontal_->hide();
    vertical_->hide();
    map_->setParent(this);
    startScreen_->setParent(this);
    startScreen_->raise();
    connect(horizontal_, &QScrollBar::valueChanged, this, &MapPanel::scrolled);
    connect(vertical_, &QScrollBar::valueChanged, this, &MapPanel::scrolled);
    connect(map_, &MapView::zoomRequested, this, &MapPanel::zoomAt);
    connect(map_, &MapView::scrollRequested, this, &MapPanel::scrollBy);
}

void MapPanel::resizeEvent(QResizeEvent *event)
{
    zoom_.setArea(event->size(), style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this));
    apply();
    QRect screen(QPoint(), startScreen_->size());
    screen.moveCenter(rect().center());
    startScreen_->setGeometry(screen);
    emit zoomChanged();
}

void MapPanel::zoomIn()
{
    zoomAt(1, map_->rect().center());
}

void MapPanel::zoomOut()
{
    zoomAt(-1, map_->rect().center());
}

void MapPanel::fit()
{
    if (zoom_.fit()) {
        apply();
        emit zoomChanged();
    }
}

void MapPanel::zoomAt(int steps, QPoint pixel)
{
    if (zoom_.zoomBy(steps, pixel + map_->pos())) {
        apply();
        emit zoomChanged();
    }
}

void MapPanel::scrollBy(QPoint delta)
{
    if (zoom_.scrollBy(delta))
        apply();
}

void MapPanel::scrolled()
{
    if (zoom_.scrollTo(QPoint(horizontal_->value(), vertical_->value())))
        apply();
}

void MapPanel::apply()
{
    map_->setGeometry(zoom_.mapRect());
    const QPoint most = zoom_.maxOffset();
    const int step = 4 * std::max(zoom_.scale(), 1);
    auto place = [&](QScrollBar *bar, const QRect &where, int maximum, int page, int value) {
        const QSignalBlocker blocker(bar);
        bar->setVisible(!where.isEmpty());
        if (where.isEmpty())
            return;
        bar->setGeometry(where);
        bar->setRange(0, maximum);
        bar->setPageStep(page);
        bar->setSingleStep(step);
        bar->setValue(value);
    };
    place(horizontal_, zoom_.horizontalBar(), most.x(), zoom_.mapRect().width(),
          zoom_.offset().x());
    place(vertical_, zoom_.verticalBar(), most.y(), zoom_.mapRect().height(), zoom_.offset().y());
    map_->setView(zoom_.scale(), zoom_.offset());
}
