#pragma once

#include "core/document/objectref.h"

#include <QPointer>

class MapPage;
class QTabWidget;
class RumoSzen;

// Puts an object of the open scenario in front of the user: the island, city
// or ship selected on the map, a player's or a mission's tab, the page of a
// chunk's records. Undo and redo show what their step changed through it, a
// finding of the check what it is about.
class Navigator {
public:
    // `pages` holds the map first, then the settings, missions and players
    // pages, which are built when their tab is first shown.
    Navigator(QTabWidget *pages, MapPage *map);

    // The scenario whose objects are shown; nullptr when none is open.
    void setDocument(RumoSzen *doc) { doc_ = doc; }

    // Shows the page of `object` and selects the object there. False, with
    // nothing changed, when the map has no node for it (an island that is
    // gone, a settlement the map cannot place) or it has no page.
    bool show(const ObjectRef &object);
    // The map with nothing selected: where a step leads that took its island
    // out of the document.
    void showMapWithoutSelection();

private:
    bool selectOnMap(const void *object);
    void showTab(int page, const char *tabBar, int index);

    QTabWidget *pages_;
    MapPage *map_;
    QPointer<RumoSzen> doc_;
};
