#include "editor/map/objecttree.h"

#include "core/common/ansitext.h"
#include "core/document/rumoszen.h"
#include "editor/widgets/drawnicons.h"

#include <QEvent>
#include <array>

namespace {

constexpr int kObjectRole = Qt::UserRole;
constexpr int kKindRole = Qt::UserRole + 1;

// Sorts islands by number and everything else by its text, byte by byte in
// the game's character set, so "Z" comes before "a" and "Ä" after both.
class ObjectTreeItem : public QTreeWidgetItem {
public:
    template <typename Parent>
    ObjectTreeItem(Parent *parent, const QString &text) : QTreeWidgetItem(parent, {text})
    {
        key_ = ansi::fromUnicode(text);
    }

    // A renamed city or ship keeps its sort key in step with its text; the
    // key is made here once, not in every comparison of a sort.
    void setData(int column, int role, const QVariant &value) override
    {
        QTreeWidgetItem::setData(column, role, value);
        if (column == 0 && (role == Qt::DisplayRole || role == Qt::EditRole))
            key_ = ansi::fromUnicode(text(0));
    }

    bool operator<(const QTreeWidgetItem &other) const override
    {
        if (ObjectTree::kindOf(this) == ObjectTree::Kind::Island &&
            ObjectTree::kindOf(&other) == ObjectTree::Kind::Island && parent() == other.parent())
            return islandNumber(this) < islandNumber(&other);
        const QByteArray &a = key_;
        const QByteArray &b = static_cast<const ObjectTreeItem &>(other).key_;
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                            [](char x, char y) { return uchar(x) < uchar(y); });
    }

private:
    static int islandNumber(const QTreeWidgetItem *node)
    {
        return reinterpret_cast<const Insel *>(node->data(0, kObjectRole).value<quintptr>())
            ->number();
    }

    QByteArray key_;
};

QTreeWidgetItem *addNode(QTreeWidgetItem *parent, const QString &text, const void *object,
                         ObjectTree::Kind kind)
{
    auto *node = new ObjectTreeItem(parent, text);
    node->setData(0, kObjectRole, QVariant::fromValue(reinterpret_cast<quintptr>(object)));
    node->setData(0, kKindRole, int(kind));
    return node;
}

template <typename Record> Record recordOf(const QTreeWidgetItem *node)
{
    return Record(reinterpret_cast<uchar *>(node->data(0, kObjectRole).value<quintptr>()));
}

} // namespace

ObjectTree::ObjectTree(QWidget *parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("ObjectTree"));
    setHeaderHidden(true);
    setIndentation(19);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setContextMenuPolicy(Qt::CustomContextMenu);
    islandsNode_ = new ObjectTreeItem(this, QString());
    shipsNode_ = new ObjectTreeItem(this, QString());
    for (QTreeWidgetItem *root : {islandsNode_, shipsNode_}) {
        root->setData(0, kKindRole, int(Kind::Root));
        root->setIcon(0, DrawnIcons::folder());
    }
    retranslateUi();
}

void ObjectTree::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QTreeWidget::changeEvent(event);
}

void ObjectTree::retranslateUi()
{
    islandsNode_->setText(0, tr("Inseln und Städte"));
    shipsNode_->setText(0, tr("Schiffe und Karren"));
    for (int i = 0; i < islandsNode_->childCount(); ++i) {
        QTreeWidgetItem *node = islandsNode_->child(i);
        node->setText(0, IslandLabel(*reinterpret_cast<const Insel *>(
                             node->data(0, kObjectRole).value<quintptr>())));
    }
}

ObjectTree::Kind ObjectTree::kindOf(const QTreeWidgetItem *node)
{
    return node ? Kind(node->data(0, kKindRole).toInt()) : Kind::Root;
}

void ObjectTree::fill(RumoSzen &doc)
{
    for (const auto &island : doc.Islands()) {
        if (!island)
            continue;
        QTreeWidgetItem *node =
            addNode(islandsNode_, IslandLabel(*island), island.get(), Kind::Island);
        for (const CityRecord &city : island->cities()) {
            if (city)
                addNode(node, city.name(), city.data(), Kind::City);
        }
    }
    for (const ShipRecord &ship : doc.Ships())
        addNode(shipsNode_, ship.name(), ship.data(), Kind::Ship);
    refreshPictures(&doc);
    expandItem(islandsNode_);
    expandItem(shipsNode_);
    sortItems(0, Qt::AscendingOrder);
}

void ObjectTree::clear()
{
    // Taking the nodes out first keeps the tree from moving its selection
    // through every node on the way.
    setCurrentItem(nullptr);
    qDeleteAll(islandsNode_->takeChildren());
    qDeleteAll(shipsNode_->takeChildren());
}

void ObjectTree::refreshPictures(RumoSzen *doc)
{
    if (!doc)
        return;
    static const QIcon island = DrawnIcons::island();
    // One pennant per player index a record can name, drawn once.
    const PlayerArea players = doc->players();
    std::array<QIcon, 256> pennants;
    auto colourOf = [&](int owner) -> const QIcon & {
        QIcon &icon = pennants[size_t(owner & 0xFF)];
        if (icon.isNull())
            icon = DrawnIcons::pennant(players.mapColourOf(owner));
        return icon;
    };
    for (int i = 0; i < islandsNode_->childCount(); ++i) {
        QTreeWidgetItem *node = islandsNode_->child(i);
        node->setIcon(0, island);
        for (int c = 0; c < node->childCount(); ++c)
            node->child(c)->setIcon(0, colourOf(recordOf<CityRecord>(node->child(c)).owner()));
    }
    for (int i = 0; i < shipsNode_->childCount(); ++i)
        shipsNode_->child(i)->setIcon(0,
                                      colourOf(recordOf<ShipRecord>(shipsNode_->child(i)).owner()));
}

Insel *ObjectTree::SelectedIsland() const
{
    const QTreeWidgetItem *node = currentItem();
    if (!node || node->parent() != islandsNode_)
        return nullptr;
    return reinterpret_cast<Insel *>(node->data(0, kObjectRole).value<quintptr>());
}

CityRecord ObjectTree::SelectedCity() const
{
    return cityOf(currentItem());
}

ShipRecord ObjectTree::SelectedShip() const
{
    return shipOf(currentItem());
}

CityRecord ObjectTree::cityOf(const QTreeWidgetItem *node)
{
    return kindOf(node) == Kind::City ? recordOf<CityRecord>(node) : CityRecord();
}

ShipRecord ObjectTree::shipOf(const QTreeWidgetItem *node)
{
    return kindOf(node) == Kind::Ship ? recordOf<ShipRecord>(node) : ShipRecord();
}

QTreeWidgetItem *ObjectTree::nodeOf(const void *object) const
{
    const QVariant wanted = QVariant::fromValue(reinterpret_cast<quintptr>(object));
    for (QTreeWidgetItemIterator it(const_cast<ObjectTree *>(this)); *it; ++it) {
        if ((*it)->data(0, kObjectRole) == wanted && kindOf(*it) != Kind::Root)
            return *it;
    }
    return nullptr;
}
