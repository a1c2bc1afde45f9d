#pragma once

#include "core/goods/shiprecord.h"
#include "core/islands/cityrecord.h"

#include <QTreeWidget>

class Insel;
class RumoSzen;

// ObjectTree: the islands with their cities under the first root, the ships
// and carts under the second. Its selected node is the editor's one notion of
// selection, shared with the map.
class ObjectTree : public QTreeWidget {
    Q_OBJECT

public:
    enum class Kind { Root, Island, City, Ship };

    explicit ObjectTree(QWidget *parent = nullptr);

    QTreeWidgetItem *islandsNode() const { return islandsNode_; }
    QTreeWidgetItem *shipsNode() const { return shipsNode_; }

    // Adds a node for every island, city, ship and cart of `doc`, sorted.
    void fill(RumoSzen &doc);
    // Removes every node below the two roots.
    void clear();
    // Recomputes the pictures, which show the owners' colours.
    void refreshPictures(RumoSzen *doc);

    // The selected node's object, by where the node hangs.
    Insel *SelectedIsland() const;
    CityRecord SelectedCity() const;
    ShipRecord SelectedShip() const;

    // The record a city or ship node stands for; null for other nodes.
    static CityRecord cityOf(const QTreeWidgetItem *node);
    static ShipRecord shipOf(const QTreeWidgetItem *node);

    // The first node, in tree order, that stands for this object.
    QTreeWidgetItem *nodeOf(const void *object) const;
    static Kind kindOf(const QTreeWidgetItem *node);

protected:
    void changeEvent(QEvent *event) override;

private:
    // The roots' captions and the islands' labels in the language now
    // installed; city and ship names are the document's own.
    void retranslateUi();

    QTreeWidgetItem *islandsNode_;
    QTreeWidgetItem *shipsNode_;
};
