#include "editor/map/mappage.h"

#include "core/common/messages.h"
#include "core/document/rumoszen.h"
#include "core/game/gamepath.h"
#include "core/map/worldrenderer.h"
#include "editor/map/cityeditor.h"
#include "editor/map/islandplacer.h"
#include "editor/map/islandtemplatedialog.h"
#include "editor/map/mapinteraction.h"
#include "editor/map/mappanel.h"
#include "editor/map/mapview.h"
#include "editor/map/objecttree.h"
#include "editor/map/shipeditor.h"
#include "editor/map/zoombar.h"
#include "editor/widgets/drawnicons.h"
#include "editor/widgets/prompts.h"
#include "editor/widgets/startscreen.h"

#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton *toggle(const char *name, const QIcon &icon)
{
    auto *button = new QToolButton;
    button->setObjectName(QString::fromLatin1(name));
    button->setCheckable(true);
    button->setChecked(true);
    button->setAutoRaise(true);
    button->setFixedSize(47, 47);
    button->setIcon(icon);
    button->setIconSize(QSize(32, 32));
    return button;
}

} // namespace

MapPage::MapPage(QWidget *parent) : DocumentPage(parent)
{
    setObjectName(QStringLiteral("TabKarte"));

    mapView_ = new MapView;
    mapView_->setPicture(&picture_.image());
    startScreen_ = new StartScreen;
    mapPanel_ = new MapPanel(mapView_, startScreen_, this);
    zoomBar_ = new ZoomBar(mapPanel_, this);
    // On the map the menu opens over the sea too, for "Insel einfügen…".
    connect(mapView_, &MapView::contextMenu, this, [this](QPoint at) {
        if (doc_)
            emit islandMenuRequested(at);
    });
    placer_ = std::make_unique<IslandPlacer>(*mapView_);
    connect(mapView_, &MapView::placeClicked, this, [this](QPoint tile) {
        placer_->centreOn(tile);
        place();
    });
    connect(mapView_, &MapView::placeConfirmed, this, &MapPage::place);
    connect(mapView_, &MapView::placingCancelled, this, &MapPage::cancelPlacing);

    sidePanel_ = makeSidePanel();
    sidePanel_->hide();
    interaction_ =
        new MapInteraction(*mapView_, *objectTree_, *placer_, *btStaedte_, *btSchiffe_, this);
    connect(interaction_, &MapInteraction::edited, this, &MapPage::controlChanged);
    connect(interaction_, &MapInteraction::stateChanged, this, &MapPage::stateChanged);
    connect(interaction_, &MapInteraction::repaintNeeded, this, &MapPage::repaint);
    connect(interaction_, &MapInteraction::tileHovered, this, &MapPage::tileHovered);

    editorPanel_ = new QWidget(this);
    editorPanel_->setObjectName(QStringLiteral("Panel8"));
    editorPanel_->setFixedHeight(180);
    auto *editorLayout = new QVBoxLayout(editorPanel_);
    editorLayout->setContentsMargins(0, 0, 0, 0);
    pcKarte_ = new QTabWidget(editorPanel_);
    pcKarte_->setObjectName(QStringLiteral("pcKarte"));
    pcKarte_->setTabPosition(QTabWidget::South);
    auto *tabStadt = new QWidget;
    tabStadt->setObjectName(QStringLiteral("tabStadt"));
    cityEditor_ = new CityEditor;
    (new QVBoxLayout(tabStadt))->addWidget(cityEditor_);
    auto *tabSchiff = new QWidget;
    tabSchiff->setObjectName(QStringLiteral("tabSchiff"));
    shipEditor_ = new ShipEditor;
    (new QVBoxLayout(tabSchiff))->addWidget(shipEditor_);
    connect(cityEditor_, &CityEditor::controlChanged, this, &MapPage::controlChanged);
    connect(cityEditor_, &CityEditor::ownerChanged, this, [this] {
        ownerChanged();
        emit cityOwnerChanged(SelectedCity());
    });
    // The dialogs open for the record the editor shows, which is the
    // selected one; an editor without a record has its buttons disabled.
    connect(cityEditor_, &CityEditor::stockRequested, this, [this] {
        if (const CityRecord city = cityEditor_->city(); city && city == SelectedCity())
            emit stockRequested(city);
    });
    connect(shipEditor_, &ShipEditor::cargoRequested, this, [this] {
        if (const ShipRecord ship = shipEditor_->ship(); ship && ship == SelectedShip())
            emit cargoRequested(ship);
    });
    connect(shipEditor_, &ShipEditor::controlChanged, this, &MapPage::controlChanged);
    connect(shipEditor_, &ShipEditor::ownerChanged, this, &MapPage::ownerChanged);
    connect(shipEditor_, &ShipEditor::nameEdited, this, [this](const QString &text) {
        if (QTreeWidgetItem *node = objectTree_->currentItem();
            node && ObjectTree::kindOf(node) == ObjectTree::Kind::Ship)
            node->setText(0, text);
    });
    pcKarte_->addTab(tabStadt, QString());
    pcKarte_->addTab(tabSchiff, QString());
    editorLayout->addWidget(pcKarte_);
    editorPanel_->hide();

    auto *left = new QVBoxLayout;
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(mapPanel_, 1);
    left->addWidget(editorPanel_);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(left, 1);
    layout->addWidget(sidePanel_);
    retranslateUi();
}

MapPage::~MapPage() = default;

void MapPage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    DocumentPage::changeEvent(event);
}

void MapPage::retranslateUi()
{
    pcKarte_->setTabText(0, tr("Stadt"));
    pcKarte_->setTabText(1, tr("Schiff/Karren"));
    btStaedte_->setToolTip(tr("Städte anzeigen"));
    btSchiffe_->setToolTip(tr("Schiffe und Karren anzeigen"));
}

QWidget *MapPage::makeSidePanel()
{
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel5"));
    panel->setFixedWidth(200);
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    auto *toggles = new QWidget(panel);
    toggles->setObjectName(QStringLiteral("Panel6"));
    auto *buttons = new QHBoxLayout(toggles);
    buttons->setContentsMargins(0, 0, 0, 0);
    btStaedte_ = toggle("btStaedte", DrawnIcons::cities());
    btSchiffe_ = toggle("btSchiffe", DrawnIcons::ships());
    buttons->addWidget(btStaedte_);
    buttons->addWidget(btSchiffe_);
    buttons->addStretch();
    connect(btStaedte_, &QToolButton::clicked, this, &MapPage::repaint);
    connect(btSchiffe_, &QToolButton::clicked, this, &MapPage::repaint);

    objectTree_ = new ObjectTree(panel);
    connect(objectTree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *node, QTreeWidgetItem *left) {
                ObjectTreeChanging(left);
                ObjectTreeChange(node);
                emit stateChanged();
            });
    connect(objectTree_, &QWidget::customContextMenuRequested, this, [this](QPoint at) {
        if (QTreeWidgetItem *node = objectTree_->itemAt(at))
            objectTree_->setCurrentItem(node);
        if (doc_ && SelectedIsland())
            emit islandMenuRequested(objectTree_->viewport()->mapToGlobal(at));
    });
    layout->addWidget(toggles);
    layout->addWidget(zoomBar_);
    layout->addWidget(objectTree_, 1);
    return panel;
}

void MapPage::attach(RumoSzen *doc)
{
    placer_->cancel();
    objectTree_->clear();
    doc_ = doc;
    cityEditor_->fill(doc_, CityRecord());
    shipEditor_->fill(doc_, ShipRecord());
    interaction_->setDocument(doc_);
    picture_.forget();
    // Another world is shown whole first.
    mapPanel_->fit();
    if (doc_) {
        startScreen_->hide();
        sidePanel_->show();
        editorPanel_->show();
        objectTree_->fill(*doc_);
    }
    mapView_->setShowing(doc_ != nullptr);
    zoomBar_->setActive(doc_ != nullptr);
    repaint();
    emit stateChanged();
}

void MapPage::refresh()
{
    if (!doc_)
        return;
    const Insel *island = SelectedIsland();
    const CityRecord city = SelectedCity();
    const ShipRecord ship = SelectedShip();
    // Emptied first, so that no editor writes its stale record while the
    // tree lets go of the selection.
    cityEditor_->fill(doc_, CityRecord());
    shipEditor_->fill(doc_, ShipRecord());
    interaction_->forgetDrag();
    objectTree_->clear();
    objectTree_->fill(*doc_);
    // Owners' colours may have changed with the records.
    picture_.forget();
    // The selection stays where its object is still there; the editors
    // show the records as they are now.
    selectObject(island, city ? city.data() : ship.data());
    // An island still floating may stand where it is, or no longer.
    placer_->revalidate();
    repaint();
    emit stateChanged();
}

void MapPage::selectObject(const Insel *island, const uchar *record)
{
    // Only compared with the nodes' objects, so an island that is no longer
    // in the document finds no node.
    QTreeWidgetItem *node = record ? objectTree_->nodeOf(record) : nullptr;
    if (!node && island)
        node = objectTree_->nodeOf(island);
    objectTree_->setCurrentItem(node);
    if (node)
        objectTree_->scrollToItem(node);
}

Insel *MapPage::SelectedIsland() const
{
    return doc_ ? objectTree_->SelectedIsland() : nullptr;
}

CityRecord MapPage::SelectedCity() const
{
    return doc_ ? objectTree_->SelectedCity() : CityRecord();
}

ShipRecord MapPage::SelectedShip() const
{
    return doc_ ? objectTree_->SelectedShip() : ShipRecord();
}

void MapPage::ObjectTreeChanging(QTreeWidgetItem *left)
{
    if (!doc_ || !left)
        return;
    if (const CityRecord city = ObjectTree::cityOf(left)) {
        cityEditor_->commit(doc_, city);
        left->setText(0, city.name());
    }
    if (const ShipRecord ship = ObjectTree::shipOf(left)) {
        shipEditor_->commit(doc_, ship, left->text(0));
        left->setText(0, ship.name()); // a long name shows as it was stored
    }
}

// Only the editor of the selected kind is filled; the other one is emptied,
// so none of its controls can edit a record that is no longer selected.
void MapPage::ObjectTreeChange(QTreeWidgetItem *node)
{
    if (doc_) {
        const ShipRecord ship = ObjectTree::shipOf(node);
        const CityRecord city = ship ? CityRecord() : ObjectTree::cityOf(node);
        shipEditor_->fill(doc_, ship);
        cityEditor_->fill(doc_, city);
        if (ship)
            pcKarte_->setCurrentIndex(1);
        else if (city)
            pcKarte_->setCurrentIndex(0);
    }
    repaint();
}

void MapPage::commitEditors()
{
    if (!doc_)
        return;
    // The node of a renamed city shows its new name.
    if (const CityRecord city = SelectedCity()) {
        cityEditor_->commit(doc_, city);
        objectTree_->currentItem()->setText(0, city.name());
    }
    if (const ShipRecord ship = SelectedShip()) {
        shipEditor_->commit(doc_, ship, objectTree_->currentItem()->text(0));
        objectTree_->currentItem()->setText(0, ship.name());
    }
}

// A city or ship got another owner: the map and the tree's pictures follow.
void MapPage::ownerChanged()
{
    objectTree_->refreshPictures(doc_);
    // The city's tiles took the new owner's colour.
    picture_.forget();
    repaint();
}

void MapPage::repaint()
{
    if (!doc_) {
        mapView_->update();
        return;
    }
    WorldView view;
    view.showCities = btStaedte_->isChecked();
    view.showShips = btSchiffe_->isChecked();
    if (const CityRecord city = SelectedCity()) {
        if (const Insel *island = doc_->islandOf(city))
            view.cityFrame = doc_->CityBounds(*island, city.slot()).value_or(TileRect{});
        else
            view.cityFrame = TileRect{};
    } else if (!placer_->active()) {
        // While an island floats, its frame is the only one.
        view.selectedIsland = SelectedIsland();
    }
    view.selectedShip = SelectedShip();
    mapView_->pictureChanged(picture_.update(*doc_, view));
}

void MapPage::deleteSelectedIsland()
{
    Insel *island = SelectedIsland();
    if (!island || !doc_->canDeleteIsland(*island))
        return;
    QTreeWidgetItem *node = objectTree_->currentItem();
    interaction_->forgetDrag(island);
    objectTree_->setCurrentItem(nullptr);
    delete node;
    doc_->deleteIsland(*island);
    emit controlChanged();
    repaint();
    emit stateChanged();
}

bool MapPage::isMap(const QWidget *widget) const
{
    return widget && (widget == mapView_ || mapView_->isAncestorOf(widget));
}

void MapPage::showStartScreen()
{
    if (doc_)
        return;
    sidePanel_->hide();
    editorPanel_->hide();
    startScreen_->show();
    mapView_->setShowing(false);
}

bool MapPage::arrowKey(int key)
{
    return isVisible() && interaction_->arrowKey(key);
}

bool MapPage::placing() const
{
    return placer_->active();
}

void MapPage::InsertIsland()
{
    if (!doc_)
        return;
    if (!doc_->freeIslandNumber()) {
        Prompts::current().message(this, msg::noFreeIslandNumber());
        return;
    }
    IslandTemplateDialog dialog(GamePath(), doc_->players(),
                                QFileInfo(doc_->FilePath()).absolutePath(), this);
    if (dialog.exec() == QDialog::Accepted)
        beginPlacing(dialog.TakeIsland());
}

void MapPage::duplicateSelectedIsland()
{
    const Insel *island = SelectedIsland();
    if (!island)
        return;
    if (!doc_->freeIslandNumber()) {
        Prompts::current().message(this, msg::noFreeIslandNumber());
        return;
    }
    beginPlacing(island->groundCopy());
}

void MapPage::beginPlacing(std::unique_ptr<Insel> island)
{
    if (!doc_ || !island)
        return;
    placer_->cancel();
    placer_->begin(*doc_, std::move(island), mapView_->ToWorld(mapView_->rect().center()));
    mapView_->setFocus(Qt::OtherFocusReason);
    // The selected island's frame gives way to the floating one.
    repaint();
    emit stateChanged();
}

// A place where the island may not stand keeps it floating; its red frame
// says why.
void MapPage::place()
{
    Insel *placed = placer_->drop();
    if (!placed)
        return;
    refresh();
    selectObject(placed, nullptr);
    emit controlChanged();
    repaint();
    emit stateChanged();
}

void MapPage::cancelPlacing()
{
    if (!placer_->active())
        return;
    placer_->cancel();
    repaint();
    emit stateChanged();
}
