#include "editor/app/navigator.h"

#include "core/document/rumoszen.h"
#include "core/format/chunknames.h"
#include "editor/map/mappage.h"
#include "editor/map/objecttree.h"

#include <QStringList>
#include <QTabBar>
#include <QTabWidget>

namespace {

// The pages after the map, by their place among the tabs.
enum { SettingsTab = 1, MissionsTab = 2, PlayersTab = 3 };

} // namespace

Navigator::Navigator(QTabWidget *pages, MapPage *map) : pages_(pages), map_(map) {}

bool Navigator::show(const ObjectRef &object)
{
    if (!doc_)
        return false;
    using Kind = ObjectRef::Kind;
    switch (object.kind) {
    case Kind::Island:
    case Kind::TradingPost:
    case Kind::Deer:
        // A trading post without a city, and deer, have no node of their own.
        return selectOnMap(doc_->island(object.island));
    case Kind::City: {
        const Insel *island = doc_->island(object.island);
        const CityRecord city = island ? island->cityInSlot(object.slot) : CityRecord();
        return (city && selectOnMap(city.data())) || selectOnMap(island);
    }
    case Kind::Ship:
        return object.record >= 0 && size_t(object.record) < doc_->Ships().size() &&
               selectOnMap(doc_->Ships()[size_t(object.record)].data());
    case Kind::Settings:
        showTab(SettingsTab, "", -1);
        return true;
    case Kind::Player:
        showTab(PlayersTab, "SpielerTabControl", object.record);
        return true;
    case Kind::Mission:
        showTab(MissionsTab, "AuftragTabControl", object.record);
        return true;
    case Kind::Chunk:
        // A chunk's page is the page of the records it holds.
        if (object.chunk == QLatin1String(ChunkNames::Players)) {
            showTab(PlayersTab, "", -1);
        } else if (object.chunk == QLatin1String(ChunkNames::Missions)) {
            showTab(MissionsTab, "", -1);
        } else if (object.chunk == QLatin1String(ChunkNames::Settings) ||
                   object.chunk == QLatin1String(ChunkNames::Campaign) ||
                   object.chunk == QLatin1String(ChunkNames::SavegameName)) {
            showTab(SettingsTab, "", -1);
        } else if (QStringList{ChunkNames::Island, ChunkNames::OldIsland, ChunkNames::IslandLayer,
                               ChunkNames::Deer, ChunkNames::Cities, ChunkNames::TradingPosts,
                               ChunkNames::Ships, ChunkNames::Szene}
                       .contains(object.chunk)) {
            pages_->setCurrentWidget(map_);
        } else {
            return false;
        }
        return true;
    case Kind::File:
        break;
    }
    return false;
}

void Navigator::showMapWithoutSelection()
{
    pages_->setCurrentWidget(map_);
    map_->selectObject(nullptr, nullptr);
}

bool Navigator::selectOnMap(const void *object)
{
    ObjectTree *tree = map_->objectTree();
    QTreeWidgetItem *node = object ? tree->nodeOf(object) : nullptr;
    if (!node)
        return false;
    pages_->setCurrentWidget(map_);
    tree->setCurrentItem(node);
    tree->scrollToItem(node);
    return true;
}

// Showing a tab builds its page; then the page's own tab bar, if any, goes
// to `index`.
void Navigator::showTab(int page, const char *tabBar, int index)
{
    pages_->setCurrentIndex(page);
    auto *tabs = pages_->widget(page)->findChild<QTabBar *>(QLatin1String(tabBar));
    if (tabs && index >= 0)
        tabs->setCurrentIndex(index);
}
