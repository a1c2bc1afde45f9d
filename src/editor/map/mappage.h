#pragma once

#include "core/goods/shiprecord.h"
#include "core/islands/cityrecord.h"
#include "core/map/worldrenderer.h"
#include "editor/widgets/documentpage.h"

#include <QPoint>
#include <QWidget>
#include <memory>

class CityEditor;
class Insel;
class IslandPlacer;
class MapInteraction;
class ShipEditor;
class ZoomBar;
class MapPanel;
class MapView;
class ObjectTree;
class QTabWidget;
class QToolButton;
class QTreeWidgetItem;
class RumoSzen;

// The page "Karte": the world map (with the start screen over it until the
// first scenario is loaded), the object tree on the right and the editors of
// the selected city or ship below. Clicks, hovering, dragging and nudging
// islands are the map interaction's, each move one step of the document's
// undo stack; the main window's actions call in for delete, insert and
// duplicate.
class MapPage : public DocumentPage {
    Q_OBJECT

public:
    explicit MapPage(QWidget *parent = nullptr);
    ~MapPage() override;

    // Shows `doc` (after a load): fills the tree, empties the editors and
    // hides the start screen for good. nullptr: the document is discarded.
    void attach(RumoSzen *doc) override;
    // Writes the city and ship editors into the selected city or ship.
    void commit() override { commitEditors(); }
    // Fills the tree, the editors and the map again, keeping the selection
    // where its object still is.
    void refresh() override;
    // Selects the node of the city or ship `record`, else of `island`;
    // nothing selected when neither has one.
    void selectObject(const Insel *island, const uchar *record);

    ObjectTree *objectTree() const { return objectTree_; }
    Insel *SelectedIsland() const;
    CityRecord SelectedCity() const;
    ShipRecord SelectedShip() const;

    // Writes the city and ship editors into the selected city or ship (before
    // saving).
    void commitEditors();

    // Brings the world picture up to date and repaints the parts of the map
    // that changed.
    void repaint();

    // Deletes the selected island when the document allows it.
    void deleteSelectedIsland();
    // "Insel einfügen…": the template chosen in the template dialog floats
    // over the map until it is placed or cancelled.
    void InsertIsland();
    // "Insel duplizieren": the selected island's ground floats the same way.
    void duplicateSelectedIsland();
    // Whether an island floats over the map, waiting to be placed.
    bool placing() const;
    // An arrow key the main window passes on (the map has the focus, or Alt
    // was held): moves the selected island by one tile when this page is
    // showing. True when the key was used.
    bool arrowKey(int key);
    // Whether `widget` is the map itself, where plain arrow keys move the
    // selected island.
    bool isMap(const QWidget *widget) const;
    // Back to the start screen, as before the first load (no document).
    void showStartScreen();

signals:
    // (controlChanged: a control or the map changed the document.)
    // The selection changed: actions follow.
    void stateChanged();
    // Tile coordinates for the status line ("120 / 45").
    void tileHovered(const QString &text);
    // "Warenlager..." and "Ladung..." of the editors, for the selected city or ship.
    void stockRequested(CityRecord city);
    void cargoRequested(ShipRecord ship);
    // The selected city got another owner (the stock dialog shows its arms).
    void cityOwnerChanged(CityRecord city);
    // The island context menu is wanted at this place.
    void islandMenuRequested(QPoint globalPos);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();
    // The toggles, the zoom bar and the object tree right of the map.
    QWidget *makeSidePanel();
    // Before the tree's selection moves: the editors write into what is left.
    void ObjectTreeChanging(QTreeWidgetItem *left);
    // After it moved: the editor of the new selection is filled.
    void ObjectTreeChange(QTreeWidgetItem *node);
    void ownerChanged();
    // The island floats, starting at the first free place near the middle
    // of the map's view; the map takes the keys.
    void beginPlacing(std::unique_ptr<Insel> island);
    void place();
    void cancelPlacing();

    RumoSzen *doc_ = nullptr;
    // The map, scrolled and zoomed in its panel ("Panel9"), with the start
    // screen over it until the first load.
    MapPanel *mapPanel_ = nullptr;
    MapView *mapView_ = nullptr;
    QWidget *startScreen_ = nullptr;
    // Right of the map ("Panel5"), and below it the city and ship editors
    // ("Panel8").
    QWidget *sidePanel_ = nullptr;
    QWidget *editorPanel_ = nullptr;
    QToolButton *btStaedte_ = nullptr;
    QToolButton *btSchiffe_ = nullptr;
    ZoomBar *zoomBar_ = nullptr;
    ObjectTree *objectTree_ = nullptr;
    QTabWidget *pcKarte_ = nullptr;
    CityEditor *cityEditor_ = nullptr;
    ShipEditor *shipEditor_ = nullptr;

    WorldPicture picture_;
    std::unique_ptr<IslandPlacer> placer_;
    MapInteraction *interaction_ = nullptr;
};
