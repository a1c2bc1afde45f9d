#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

class Insel;
class IslandPlacer;
class MapView;
class ObjectTree;
class QAbstractButton;
class RumoSzen;

// What the mouse and the arrow keys do on the map, as a tool of the map
// page: a click selects what lies under it, hovering names it, a left drag
// moves the selected island and an arrow key nudges it by a tile, each move
// one step of the document's undo stack. While an island floats to be
// placed, the mouse and the arrow keys move it instead.
class MapInteraction : public QObject {
    Q_OBJECT

public:
    // `cities` and `ships` are the toggles that show those on the map; what
    // they hide can be neither clicked nor hovered.
    MapInteraction(MapView &view, ObjectTree &tree, IslandPlacer &placer,
                   const QAbstractButton &cities, const QAbstractButton &ships,
                   QObject *parent = nullptr);

    // The document on the map; nullptr when none is shown. A drag under way
    // is dropped.
    void setDocument(RumoSzen *doc);
    // Forgets the island being dragged (it is about to be deleted, or the
    // records are shown again).
    void forgetDrag() { dragIsland_ = nullptr; }
    void forgetDrag(const Insel *island);
    // Moves the selected island (or the floating one) by one tile for an
    // arrow key. True when the key was used.
    bool arrowKey(int key);

signals:
    // A move of an island became a step of the document.
    void edited();
    // The selection or the drag changed: actions follow.
    void stateChanged();
    // The map's picture must follow the document.
    void repaintNeeded();
    // Tile coordinates for the status line ("120 / 45").
    void tileHovered(const QString &text);

private:
    void pressed(QPoint tile, Qt::MouseButton button);
    void hovered(QPoint tile);
    void dragStep(QPoint tile);
    void dropped(QPoint tile);
    void dragCancelled();
    // Moves an island and asks for a repaint; the document's answer.
    bool move(Insel &island, QPoint step);

    MapView &view_;
    ObjectTree &tree_;
    IslandPlacer &placer_;
    const QAbstractButton &cities_;
    const QAbstractButton &ships_;
    RumoSzen *doc_ = nullptr;
    QPoint dragOrigin_;
    QPoint dragLast_;
    Insel *dragIsland_ = nullptr;
};
