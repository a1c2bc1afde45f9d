#include "editor/map/mappage.h"

#include "core/common/messages.h"
#include "core/document/rumoszen.h"
#include "core/game/gamepath.h"
#include "core/map/worldrenderer.h"
#include "editor/app/prompts.h"
#include "editor/goods/shipeditor.h"
#include "editor/map/cityeditor.h"
#include "editor/map/islandplacer.h"
#include "editor/map/islandtemplatedialog.h"
#include "editor/map/mappanel.h"
#include "editor/map/mapview.h"
#include "editor/map/objecttree.h"
#include "editor/map/zoombar.h"
#include "marbolt_version.h"

#include <QCursor>
#include <QDate>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QResizeEvent>
#include <QTabWidget>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

namespace {

// The title in the desktop's own font family: the Windows faces of the
// original screen are rarely installed elsewhere, and looking for them costs
// the start-up a round through every font of the system.
QLabel *titleLabel(QWidget *parent, const char *name, const QString &text, int pixels,
                   bool boldItalic, QPoint at)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font = label->font();
    font.setPixelSize(pixels);
    font.setBold(boldItalic);
    font.setItalic(boldItalic);
    label->setFont(font);
    // The title's blue, taken from the palette's link colour so that it
    // reads on a dark theme as well as on a light one.
    label->setForegroundRole(QPalette::Link);
    label->adjustSize();
    label->move(at);
    return label;
}

QIcon drawnGlyph(const std::function<void(QPainter &)> &draw)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(50, 50, 50), 1.5));
    draw(painter);
    return QIcon(pixmap);
}

// Three houses with red roofs.
QIcon citiesGlyph()
{
    return drawnGlyph([](QPainter &p) {
        for (const QPointF at : {QPointF(2, 14), QPointF(11, 8), QPointF(20, 15)}) {
            p.setBrush(QColor(235, 225, 200));
            p.drawRect(QRectF(at.x(), at.y() + 6, 10, 9));
            QPainterPath roof;
            roof.moveTo(at.x() - 1, at.y() + 6);
            roof.lineTo(at.x() + 5, at.y());
            roof.lineTo(at.x() + 11, at.y() + 6);
            roof.closeSubpath();
            p.setBrush(QColor(200, 60, 50));
            p.drawPath(roof);
        }
    });
}

// A sailing ship on a wave.
QIcon shipsGlyph()
{
    return drawnGlyph([](QPainter &p) {
        QPainterPath hull;
        hull.moveTo(3, 20);
        hull.lineTo(29, 20);
        hull.lineTo(25, 26);
        hull.lineTo(7, 26);
        hull.closeSubpath();
        p.setBrush(QColor(140, 90, 50));
        p.drawPath(hull);
        p.drawLine(QPointF(16, 4), QPointF(16, 20));
        QPainterPath sail;
        sail.moveTo(17, 5);
        sail.lineTo(26, 17);
        sail.lineTo(17, 17);
        sail.closeSubpath();
        p.setBrush(QColor(250, 250, 240));
        p.drawPath(sail);
        p.setPen(QPen(QColor(40, 90, 200), 2));
        p.drawLine(QPointF(2, 29), QPointF(30, 29));
    });
}

QToolButton *toggle(const char *name, const QString &hint, const QIcon &icon)
{
    auto *button = new QToolButton;
    button->setObjectName(QString::fromLatin1(name));
    button->setCheckable(true);
    button->setChecked(true);
    button->setAutoRaise(true);
    button->setFixedSize(47, 47);
    button->setIcon(icon);
    button->setIconSize(QSize(32, 32));
    button->setToolTip(hint);
    return button;
}

} // namespace

MapPage::MapPage(QWidget *parent) : DocumentPage(parent)
{
    setObjectName(QStringLiteral("TabKarte"));

    paintBox_ = new MapView;
    paintBox_->setPicture(&picture_.image());
    startScreen_ = makeStartScreen();
    panel9_ = new MapPanel(paintBox_, startScreen_, this);
    zoomBar_ = new ZoomBar(panel9_, this);
    connect(paintBox_, &MapView::pressed, this, &MapPage::MapPressed);
    connect(paintBox_, &MapView::hovered, this, &MapPage::MapHovered);
    connect(paintBox_, &MapView::dragStep, this, &MapPage::MapDragStep);
    connect(paintBox_, &MapView::dropped, this, &MapPage::MapDropped);
    connect(paintBox_, &MapView::dragCancelled, this, &MapPage::MapDragCancelled);
    // On the map the menu opens over the sea too, for "Insel einfügen…".
    connect(paintBox_, &MapView::contextMenu, this, [this](QPoint at) {
        if (doc_)
            emit islandMenuRequested(at);
    });
    placer_ = std::make_unique<IslandPlacer>(*paintBox_);
    connect(paintBox_, &MapView::placeClicked, this, [this](QPoint tile) {
        placer_->CentreOn(tile);
        Place();
    });
    connect(paintBox_, &MapView::placeConfirmed, this, &MapPage::Place);
    connect(paintBox_, &MapView::placingCancelled, this, &MapPage::CancelPlacing);

    panel5_ = makeSidePanel();
    panel5_->hide();

    panel8_ = new QWidget(this);
    panel8_->setObjectName(QStringLiteral("Panel8"));
    panel8_->setFixedHeight(180);
    auto *editorLayout = new QVBoxLayout(panel8_);
    editorLayout->setContentsMargins(0, 0, 0, 0);
    pcKarte_ = new QTabWidget(panel8_);
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
        OwnerChanged();
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
    connect(shipEditor_, &ShipEditor::ownerChanged, this, &MapPage::OwnerChanged);
    connect(shipEditor_, &ShipEditor::nameEdited, this, [this](const QString &text) {
        if (QTreeWidgetItem *node = objectTree_->currentItem();
            node && ObjectTree::KindOf(node) == ObjectTree::Kind::Ship)
            node->setText(0, text);
    });
    pcKarte_->addTab(tabStadt, QStringLiteral("Stadt"));
    pcKarte_->addTab(tabSchiff, QStringLiteral("Schiff/Karren"));
    editorLayout->addWidget(pcKarte_);
    panel8_->hide();

    auto *left = new QVBoxLayout;
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(panel9_, 1);
    left->addWidget(panel8_);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(left, 1);
    layout->addWidget(panel5_);
}

MapPage::~MapPage() = default;

QWidget *MapPage::makeSidePanel()
{
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel5"));
    panel->setFixedWidth(200);
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    auto *panel6 = new QWidget(panel);
    panel6->setObjectName(QStringLiteral("Panel6"));
    auto *buttons = new QHBoxLayout(panel6);
    buttons->setContentsMargins(0, 0, 0, 0);
    btStaedte_ = toggle("btStaedte", QStringLiteral("Städte anzeigen"), citiesGlyph());
    btSchiffe_ = toggle("btSchiffe", QStringLiteral("Schiffe und Karren anzeigen"), shipsGlyph());
    buttons->addWidget(btStaedte_);
    buttons->addWidget(btSchiffe_);
    buttons->addStretch();
    connect(btStaedte_, &QToolButton::clicked, this, &MapPage::Repaint);
    connect(btSchiffe_, &QToolButton::clicked, this, &MapPage::Repaint);

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
    layout->addWidget(panel6);
    layout->addWidget(zoomBar_);
    layout->addWidget(objectTree_, 1);
    return panel;
}

// "Tobrel's", the picture and "Marbolt" in the editor's blue, with the
// version below, in the composition of the original screen.
QWidget *MapPage::makeStartScreen()
{
    auto *screen = new QWidget;
    screen->setObjectName(QStringLiteral("StartScreen"));
    screen->setFixedSize(420, 280);
    const QPoint origin(40, 40);
    titleLabel(screen, "lbTitle1", QStringLiteral("Tobrel's"), 27, true, QPoint(167, 61) - origin);
    auto *picture = new QLabel(screen);
    picture->setObjectName(QStringLiteral("imTitle1"));
    picture->setPixmap(QIcon(QStringLiteral(":/title.svg")).pixmap(QSize(94, 57)));
    picture->setGeometry(QRect(QPoint(200, 110) - origin, QSize(94, 57)));
    titleLabel(screen, "lbTitle2", QStringLiteral("Marbolt"), 37, true, QPoint(61, 184) - origin);
    const QString released = QDate::fromString(QStringLiteral(MARBOLT_RELEASE_DATE), Qt::ISODate)
                                 .toString(QStringLiteral("dd.MM.yyyy"));
    titleLabel(screen, "lbTitle3",
               QStringLiteral("Version %1 - %2").arg(QStringLiteral(MARBOLT_VERSION), released), 13,
               false, QPoint(163, 245) - origin);
    titleLabel(screen, "lbTitle4", QString(), 13, false, QPoint(163, 265) - origin);
    return screen;
}

void MapPage::Attach(RumoSzen *doc)
{
    placer_->Cancel();
    objectTree_->Clear();
    doc_ = doc;
    cityEditor_->Fill(doc_, CityRecord());
    shipEditor_->Fill(doc_, ShipRecord());
    dragIsland_ = nullptr;
    picture_.forget();
    // Another world is shown whole first.
    panel9_->Fit();
    if (doc_) {
        startScreen_->hide();
        panel5_->show();
        panel8_->show();
        objectTree_->Fill(*doc_);
    }
    paintBox_->setShowing(doc_ != nullptr);
    zoomBar_->setActive(doc_ != nullptr);
    Repaint();
    emit stateChanged();
}

void MapPage::Refresh()
{
    if (!doc_)
        return;
    const Insel *island = SelectedIsland();
    const CityRecord city = SelectedCity();
    const ShipRecord ship = SelectedShip();
    // Emptied first, so that no editor writes its stale record while the
    // tree lets go of the selection.
    cityEditor_->Fill(doc_, CityRecord());
    shipEditor_->Fill(doc_, ShipRecord());
    dragIsland_ = nullptr;
    objectTree_->Clear();
    objectTree_->Fill(*doc_);
    // Owners' colours may have changed with the records.
    picture_.forget();
    // The selection stays where its object is still there; the editors
    // show the records as they are now.
    SelectObject(island, city ? city.data() : ship.data());
    // An island still floating may stand where it is, or no longer.
    placer_->Revalidate();
    Repaint();
    emit stateChanged();
}

void MapPage::SelectObject(const Insel *island, const uchar *record)
{
    // Only compared with the nodes' objects, so an island that is no longer
    // in the document finds no node.
    QTreeWidgetItem *node = record ? objectTree_->NodeOf(record) : nullptr;
    if (!node && island)
        node = objectTree_->NodeOf(island);
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
    if (const CityRecord city = ObjectTree::CityOf(left)) {
        cityEditor_->Commit(doc_, city);
        left->setText(0, city.name());
    }
    if (const ShipRecord ship = ObjectTree::ShipOf(left)) {
        shipEditor_->Commit(doc_, ship, left->text(0));
        left->setText(0, ship.name()); // a long name shows as it was stored
    }
}

// Only the editor of the selected kind is filled; the other one is emptied,
// so none of its controls can edit a record that is no longer selected.
void MapPage::ObjectTreeChange(QTreeWidgetItem *node)
{
    if (doc_) {
        const ShipRecord ship = ObjectTree::ShipOf(node);
        const CityRecord city = ship ? CityRecord() : ObjectTree::CityOf(node);
        shipEditor_->Fill(doc_, ship);
        cityEditor_->Fill(doc_, city);
        if (ship)
            pcKarte_->setCurrentIndex(1);
        else if (city)
            pcKarte_->setCurrentIndex(0);
    }
    Repaint();
}

void MapPage::CommitEditors()
{
    if (!doc_)
        return;
    // The node of a renamed city shows its new name.
    if (const CityRecord city = SelectedCity()) {
        cityEditor_->Commit(doc_, city);
        objectTree_->currentItem()->setText(0, city.name());
    }
    if (const ShipRecord ship = SelectedShip()) {
        shipEditor_->Commit(doc_, ship, objectTree_->currentItem()->text(0));
        objectTree_->currentItem()->setText(0, ship.name());
    }
}

// A city or ship got another owner: the map and the tree's pictures follow.
void MapPage::OwnerChanged()
{
    objectTree_->RefreshPictures(doc_);
    // The city's tiles took the new owner's colour.
    picture_.forget();
    Repaint();
}

void MapPage::Repaint()
{
    if (!doc_) {
        paintBox_->update();
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
    paintBox_->pictureChanged(picture_.update(*doc_, view));
}

bool MapPage::Move(Insel &island, QPoint step)
{
    const bool valid = doc_->MoveIsland(island, step.x(), step.y());
    Repaint();
    return valid;
}

// A click selects a ship or cart before a city and a city before an island.
void MapPage::MapPressed(QPoint tile, Qt::MouseButton button)
{
    if (!doc_)
        return;
    QTreeWidgetItem *node = nullptr;
    if (Insel *island = doc_->IslandAt(tile.x(), tile.y()))
        node = objectTree_->NodeOf(island);
    if (btStaedte_->isChecked()) {
        if (const CityRecord city = doc_->CityAt(tile.x(), tile.y()))
            node = objectTree_->NodeOf(city.data());
    }
    if (btSchiffe_->isChecked()) {
        if (const ShipRecord ship = doc_->ShipAt(tile.x(), tile.y()))
            node = objectTree_->NodeOf(ship.data());
    }
    objectTree_->setCurrentItem(node);
    if (Insel *island = SelectedIsland(); island && button == Qt::LeftButton) {
        dragOrigin_ = dragLast_ = tile;
        dragIsland_ = island;
        paintBox_->ArmDrag();
        emit stateChanged();
    }
}

// Hovering names a city before a ship or cart and that before an island.
void MapPage::MapHovered(QPoint tile)
{
    emit tileHovered(QStringLiteral("%1 / %2").arg(tile.x()).arg(tile.y()));
    if (!doc_ || paintBox_->dragging())
        return;
    if (placer_->active()) {
        placer_->CentreOn(tile);
        return;
    }
    QString text;
    if (btStaedte_->isChecked()) {
        if (const CityRecord city = doc_->CityAt(tile.x(), tile.y()))
            text = city.name();
    }
    if (text.isEmpty() && btSchiffe_->isChecked()) {
        if (const ShipRecord ship = doc_->ShipAt(tile.x(), tile.y()))
            text = ship.name();
    }
    if (text.isEmpty()) {
        if (const Insel *island = doc_->IslandAt(tile.x(), tile.y()))
            text = IslandLabel(*island);
    }
    if (text.isEmpty()) {
        paintBox_->unsetCursor();
        paintBox_->setToolTip(QString());
        QToolTip::hideText();
    } else {
        paintBox_->setCursor(Qt::PointingHandCursor);
        if (QToolTip::isVisible() && paintBox_->toolTip() != text)
            QToolTip::showText(QCursor::pos(), text, paintBox_);
        paintBox_->setToolTip(text);
    }
}

// The island follows the mouse, its frame red wherever it may not stand.
void MapPage::MapDragStep(QPoint tile)
{
    if (!doc_ || !dragIsland_ || dragIsland_ != SelectedIsland())
        return;
    const QPoint step = tile - dragLast_;
    dragLast_ = tile;
    if (!step.isNull())
        Move(*dragIsland_, step);
}

void MapPage::MapDropped(QPoint tile)
{
    if (!doc_ || !dragIsland_)
        return;
    Insel &island = *dragIsland_;
    dragIsland_ = nullptr;
    if (doc_->MoveIsland(island, tile.x() - dragLast_.x(), tile.y() - dragLast_.y())) {
        dragLast_ = tile;
        // The whole drag is one step.
        doc_->recordIslandMove(island, tile.x() - dragOrigin_.x(), tile.y() - dragOrigin_.y());
        Repaint();
        emit controlChanged();
    } else {
        Move(island, dragOrigin_ - tile);
    }
    emit stateChanged();
}

// Released outside the map, Escape or focus lost: the island goes back to
// where the drag began, and nothing counts as a change.
void MapPage::MapDragCancelled()
{
    if (!doc_ || !dragIsland_)
        return;
    Move(*dragIsland_, dragOrigin_ - dragLast_);
    dragIsland_ = nullptr;
    emit stateChanged();
}

void MapPage::DeleteSelectedIsland()
{
    Insel *island = SelectedIsland();
    if (!island || !doc_->canDeleteIsland(*island))
        return;
    QTreeWidgetItem *node = objectTree_->currentItem();
    if (dragIsland_ == island)
        dragIsland_ = nullptr;
    objectTree_->setCurrentItem(nullptr);
    delete node;
    doc_->deleteIsland(*island);
    emit controlChanged();
    Repaint();
    emit stateChanged();
}

bool MapPage::IsMap(const QWidget *widget) const
{
    return widget && (widget == paintBox_ || paintBox_->isAncestorOf(widget));
}

void MapPage::ShowStartScreen()
{
    if (doc_)
        return;
    panel5_->hide();
    panel8_->hide();
    startScreen_->show();
    paintBox_->setShowing(false);
}

bool MapPage::ArrowKey(int key)
{
    if (!doc_ || !isVisible() || paintBox_->dragging() || (!SelectedIsland() && !placing()))
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
    if (placing()) {
        placer_->MoveBy(step);
        return true;
    }
    Insel &island = *SelectedIsland();
    if (doc_->MoveIsland(island, step.x(), step.y())) {
        doc_->recordIslandMove(island, step.x(), step.y());
        Repaint();
        emit controlChanged();
    } else {
        // Only the frame's colour can differ from before: the move-valid
        // flag now answers for the island's old place.
        Move(island, -step);
    }
    return true;
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
        Prompts::Current().Message(this, msg::noFreeIslandNumber());
        return;
    }
    IslandTemplateDialog dialog(GamePath(), doc_->players(),
                                QFileInfo(doc_->FilePath()).absolutePath(), this);
    if (dialog.exec() == QDialog::Accepted)
        BeginPlacing(dialog.TakeIsland());
}

void MapPage::DuplicateSelectedIsland()
{
    const Insel *island = SelectedIsland();
    if (!island)
        return;
    if (!doc_->freeIslandNumber()) {
        Prompts::Current().Message(this, msg::noFreeIslandNumber());
        return;
    }
    BeginPlacing(island->groundCopy());
}

void MapPage::BeginPlacing(std::unique_ptr<Insel> island)
{
    if (!doc_ || !island)
        return;
    placer_->Cancel();
    placer_->Begin(*doc_, std::move(island), paintBox_->ToWorld(paintBox_->rect().center()));
    paintBox_->setFocus(Qt::OtherFocusReason);
    // The selected island's frame gives way to the floating one.
    Repaint();
    emit stateChanged();
}

// A place where the island may not stand keeps it floating; its red frame
// says why.
void MapPage::Place()
{
    Insel *placed = placer_->Drop();
    if (!placed)
        return;
    Refresh();
    SelectObject(placed, nullptr);
    emit controlChanged();
    Repaint();
    emit stateChanged();
}

void MapPage::CancelPlacing()
{
    if (!placer_->active())
        return;
    placer_->Cancel();
    Repaint();
    emit stateChanged();
}
