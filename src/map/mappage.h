#pragma once

#include <QWidget>

class QLabel;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

// The page "Karte": the world map with the start screen over it until the
// first scenario is loaded, the object tree on the right and the editors of
// the selected city or ship below.
class MapPage : public QWidget {
    Q_OBJECT

public:
    explicit MapPage(QWidget *parent = nullptr);

    // Hides the start screen for good and shows the tree and the editors.
    void ShowScenarioPanels();

    QTreeWidget *objectTree() const { return objectTree_; }
    // The tree's two roots: islands with their cities, and ships and carts.
    QTreeWidgetItem *islandsNode() const { return islandsNode_; }
    QTreeWidgetItem *shipsNode() const { return shipsNode_; }
    // Removes every node below the two roots.
    void ClearObjectTree();

private:
    QWidget *makeStartScreen();

    QWidget *panel9_ = nullptr;
    QWidget *startScreen_ = nullptr;
    QWidget *panel5_ = nullptr;
    QWidget *panel8_ = nullptr;
    QTreeWidget *objectTree_ = nullptr;
    QTreeWidgetItem *islandsNode_ = nullptr;
    QTreeWidgetItem *shipsNode_ = nullptr;
    QTabWidget *pcKarte_ = nullptr;
};
