#include "editor/map/mapinteraction.h"

#include "core/document/rumoszen.h"
#include "editor/map/islandplacer.h"
#include "editor/map/mapview.h"
#include "editor/map/objecttree.h"

#include <QAbstractButton>
#include <QCursor>
#include <QToolTip>

MapInteraction::MapInteraction(MapView &view, ObjectTree &tree, IslandPlacer &placer,
                               const QAbstractButton &cities, const QAbstractButton &ships,
                               QObject *parent)
    : QObject(parent), view_(view), tree_(tree), placer_(placer), cities_(cities), ships_(ships)
{
    connect(&view_, &MapView::pressed, this, &MapInteraction::pressed);
    connect(&view_, &MapView::hovered, this, &MapInteraction::hovered);
    connect(&view_, &MapView::dragStep, this, &MapInteraction::dragStep);
    connect(&view_, &MapView::dropped, this, &MapInteraction::dropped);
    connect(&view_, &MapView::dragCancelled, this, &MapInteraction::dragCancelled);
}

void MapInteraction::setDocument(RumoSzen *doc)
{
    doc_ = doc;
    dragIsland_ = nullptr;
}

void MapInteraction::forgetDrag(const Insel *island)
{
    if (dragIsland_ == island)
        dragIsland_ = nullptr;
}

bool MapInteraction::move(Insel &island, QPoint step)
{
    const bool valid = doc_->MoveIsland(island, step.x(), step.y());
    emit repaintNeeded();
    return valid;
}

// A click selects a ship or cart before a city and a city before an island.
void MapInteraction::pressed(QPoint tile, Qt::MouseButton button)
{
    if (!doc_)
        return;
    QTreeWidgetItem *node = nullptr;
    if (Insel *island = doc_->IslandAt(tile.x(), tile.y()))
        node = tree_.nodeOf(island);
    if (cities_.isChecked()) {
        if (const CityRecord city = doc_->CityAt(tile.x(), tile.y()))
            node = tree_.nodeOf(city.data());
    }
    if (ships_.isChecked()) {
        if (const ShipRecord ship = doc_->ShipAt(tile.x(), tile.y()))
            node = tree_.nodeOf(ship.data());
    }
    tree_.setCurrentItem(node);
    if (Insel *island = tree_.SelectedIsland(); island && button == Qt::LeftButton) {
        dragOrigin_ = dragLast_ = tile;
        dragIsland_ = island;
        view_.armDrag();
        emit stateChanged();
    }
}

// Hovering names a city before a ship or cart and that before an island.
void MapInteraction::hovered(QPoint tile)
{
    emit tileHovered(QStringLiteral("%1 / %2").arg(tile.x()).arg(tile.y()));
    if (!doc_ || view_.dragging())
        return;
    if (placer_.active()) {
        placer_.centreOn(tile);
        return;
    }
    QString text;
    if (cities_.isChecked()) {
        if (const CityRecord city = doc_->CityAt(tile.x(), tile.y()))
            text = city.name();
    }
    if (text.isEmpty() && ships_.isChecked()) {
        if (const ShipRecord ship = doc_->ShipAt(tile.x(), tile.y()))
            text = ship.name();
    }
    if (text.isEmpty()) {
        if (const Insel *island = doc_->IslandAt(tile.x(), tile.y()))
            text = IslandLabel(*island);
    }
    if (text.isEmpty()) {
        view_.unsetCursor();
        view_.setToolTip(QString());
        QToolTip::hideText();
    } else {
        view_.setCursor(Qt::PointingHandCursor);
        if (QToolTip::isVisible() && view_.toolTip() != text)
            QToolTip::showText(QCursor::pos(), text, &view_);
        view_.setToolTip(text);
    }
}

// The island follows the mouse, its frame red wherever it may not stand.
void MapInteraction::dragStep(QPoint tile)
{
    if (!doc_ || !dragIsland_ || dragIsland_ != tree_.SelectedIsland())
        return;
    const QPoint step = tile - dragLast_;
    dragLast_ = tile;
    if (!step.isNull())
        move(*dragIsland_, step);
}

void MapInteraction::dropped(QPoint tile)
{
    if (!doc_ || !dragIsland_)
        return;
    Insel &island = *dragIsland_;
    dragIsland_ = nullptr;
    if (doc_->MoveIsland(island, tile.x() - dragLast_.x(), tile.y() - dragLast_.y())) {
        dragLast_ = tile;
        // The whole drag is one step.
        doc_->recordIslandMove(island, tile.x() - dragOrigin_.x(), tile.y() - dragOrigin_.y());
        emit repaintNeeded();
        emit edited();
    } else {
        move(island, dragOrigin_ - tile);
    }
    emit stateChanged();
}

// Released outside the map, Escape or focus lost: the island goes back to
// where the drag began, and nothing counts as a change.
void MapInteraction::dragCancelled()
{
    if (!doc_ || !dragIsland_)
        return;
    move(*dragIsland_, dragOrigin_ - dragLast_);
    dragIsland_ = nullptr;
    emit stateChanged();
}

bool MapInteraction::arrowKey(int key)
{
    if (!doc_ || view_.dragging() || (!tree_.SelectedIsland() && !placer_.active()))
        return false;
    QPoint step;
    switch (key) {
    case Qt::Key_Left:
        step = {-1, 0};
        break;
    case Qt::Key_Up:
        step = {0, -1};
        break;
    case Qt::Key_Right:
        step = {1, 0};
        break;
    case Qt::Key_Down:
        step = {0, 1};
        break;
    default:
        return false;
    }
    if (placer_.active()) {
        placer_.MoveBy(step);
        return true;
    }
    Insel &island = *tree_.SelectedIsland();
    if (doc_->MoveIsland(island, step.x(), step.y())) {
        doc_->recordIslandMove(island, step.x(), step.y());
        emit repaintNeeded();
        emit edited();
    } else {
        // Only the frame's colour can differ from before: the move-valid
        // flag now answers for the island's old place.
        move(island, -step);
    }
    return true;
}
