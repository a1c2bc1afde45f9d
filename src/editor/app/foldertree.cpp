#include "editor/app/foldertree.h"

#include "core/document/scenariofiles.h"

#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSet>
#include <QSortFilterProxyModel>
#include <QStyledItemDelegate>
#include <QUrl>

namespace {

// The top of the tree: the file system root, or "My Computer" with its drives.
QString topPath()
{
#ifdef Q_OS_WIN
    return QString();
#else
    return QDir::rootPath();
#endif
}

bool isHiddenName(const QString &name)
{
    return name.startsWith(QLatin1Char('.'));
}

// The model asks for an icon and a type text of every entry in the GUI thread. Qt's own
// provider looks into the MIME database, which opens files of unknown type (all scenario
// files) to sniff their content; a folder with thousands of them would stall the window.
class PlainIcons final : public QFileIconProvider {
public:
    PlainIcons()
        : folder_(QFileIconProvider::icon(Folder)), file_(QFileIconProvider::icon(File)),
          drive_(QFileIconProvider::icon(Drive))
    {
    }
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo &info) const override
    {
        if (info.isRoot())
            return drive_;
        return info.isDir() ? folder_ : file_;
    }
    // Never empty: the model takes an entry in only when its gathered information differs
    // from the bare one it starts with, whose type text is empty.
    QString type(const QFileInfo &info) const override
    {
        return info.isFile() ? QStringLiteral("File") : QFileIconProvider::type(info);
    }

private:
    QIcon folder_;
    QIcon file_;
    QIcon drive_;
};

// A faint highlight under the mouse pointer.
class HotTrackDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        if ((option.state & QStyle::State_MouseOver) && !(option.state & QStyle::State_Selected)) {
            QColor hover = option.palette.color(QPalette::Active, QPalette::Highlight);
            hover.setAlpha(45);
            painter->fillRect(option.rect, hover);
        }
        QStyledItemDelegate::paint(painter, option, index);
    }
};

} // namespace

// Shows folders (except compressed archives that present themselves as folders, named
// "*.zip" in exactly this case) and scenario files. Hidden entries stay out, except the
// hidden folders on the way to a path the program selected: a game installed with Wine
// lives below ~/.wine.
class FolderTreeFilter final : public QSortFilterProxyModel {
public:
    FolderTreeFilter(QFileSystemModel *files, QObject *parent)
        : QSortFilterProxyModel(parent), files_(files)
    {
        setSourceModel(files);
    }

    void keepShown(const QString &path)
    {
        bool added = false;
        for (QString at = path;; at = QFileInfo(at).path()) {
            if (isHiddenName(QFileInfo(at).fileName()) && !kept_.contains(at)) {
                kept_.insert(at);
                added = true;
            }
            if (QFileInfo(at).path() == at)
                break;
        }
        if (added)
            invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex &parent) const override
    {
        // Only what the model already knows is used here: it read every entry in its
        // own thread, so nothing touches the disk.
        const QModelIndex item = files_->index(row, 0, parent);
        const QString name = files_->fileName(item);
        if (isHiddenName(name) && !kept_.contains(files_->filePath(item)))
            return false;
        if (files_->isDir(item))
            return !name.endsWith(QLatin1String(".zip"), Qt::CaseSensitive);
        return IsScenarioFile(name);
    }

private:
    QFileSystemModel *files_;
    QSet<QString> kept_;
};

// Every change of the current item or the selection passes through here. A move the user
// starts (click, keys, typing a name) is asked first; a refused move never reaches the
// view, so nothing flickers. The selection always is the current item.
class FolderTreeSelection final : public QItemSelectionModel {
public:
    FolderTreeSelection(QAbstractItemModel *model, FolderTree *tree)
        : QItemSelectionModel(model, tree), tree_(tree)
    {
    }

    using QItemSelectionModel::select;

    void setCurrentIndex(const QModelIndex &index, SelectionFlags command) override
    {
        if (tree_->quiet_ > 0 || index == currentIndex()) {
            QItemSelectionModel::setCurrentIndex(index, command);
            return;
        }
        // The question may run a dialog, during which the folder can change under the item.
        const QPersistentModelIndex target(index);
        if (!target.isValid() || !tree_->mayLeave() || !target.isValid())
            return;
        QItemSelectionModel::setCurrentIndex(target, ClearAndSelect | Rows);
        tree_->moved(target);
    }

    void select(const QItemSelection &selection, SelectionFlags command) override
    {
        if (tree_->quiet_ > 0 || command == NoUpdate || selectsCurrentOnly(selection, command))
            QItemSelectionModel::select(selection, command);
    }

private:
    bool selectsCurrentOnly(const QItemSelection &selection, SelectionFlags command) const
    {
        const QModelIndex current = currentIndex();
        if (!current.isValid() || selection.isEmpty() || !command.testFlag(Select) ||
            command.testFlag(Deselect) || command.testFlag(Toggle))
            return false;
        for (const QItemSelectionRange &range : selection) {
            if (range.parent() != current.parent() || range.top() != current.row() ||
                range.bottom() != current.row())
                return false;
        }
        return true;
    }

    FolderTree *tree_;
};

QString firstStartFolder(const QString &gameFolder)
{
    if (gameFolder.isEmpty() || !QFileInfo(gameFolder).isDir())
        return QDir::homePath();
    QStringList patterns;
    for (const QString &extension : ScenarioExtensions())
        patterns << QLatin1Char('*') + extension;
    // Name filters match without regard to letter case, as the game's
    // Windows file names are written in any.
    auto holdsScenarios = [&](const QString &folder) {
        return !QDir(folder).entryList(patterns, QDir::Files).isEmpty();
    };
    if (holdsScenarios(gameFolder))
        return gameFolder;
    const QDir game(gameFolder);
    for (const QString &name :
         game.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        if (holdsScenarios(game.filePath(name)))
            return game.filePath(name);
    }
    return gameFolder;
}

FolderTree::FolderTree(QWidget *parent)
    : QTreeView(parent), icons_(std::make_unique<PlainIcons>()), files_(new QFileSystemModel(this))
{
    files_->setIconProvider(icons_.get());
    files_->setReadOnly(true);
    // Hidden entries come in so that the filter can show the ones on a selected path;
    // broken links, devices and the like ("system" entries) never do.
    files_->setFilter(QDir::AllDirs | QDir::Files | QDir::Drives | QDir::Hidden |
                      QDir::NoDotAndDotDot);
    // A first cut by name keeps the thousands of other files of a folder out of the model;
    // the filter makes the exact decision.
    QStringList patterns;
    for (const QString &extension : ScenarioExtensions())
        patterns << QLatin1Char('*') + extension;
    files_->setNameFilters(patterns);
    files_->setNameFilterDisables(false);
    files_->setRootPath(topPath());

    filter_ = new FolderTreeFilter(files_, this);
    setModel(filter_);
    QItemSelectionModel *plain = selectionModel();
    selection_ = new FolderTreeSelection(filter_, this);
    setSelectionModel(selection_);
    delete plain;

    setHeaderHidden(true);
    for (int column = 1; column < files_->columnCount(); ++column)
        hideColumn(column);
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    setUniformRowHeights(true);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectRows);
    setEditTriggers(NoEditTriggers);
    setDragDropMode(NoDragDrop);
    setDragEnabled(false);
    setAcceptDrops(false);
    setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_Hover);
    setItemDelegate(new HotTrackDelegate(this));
#ifdef Q_OS_WIN
    // The drives are the top items and need their expand buttons.
    setRootIsDecorated(true);
#else
    // One top item, "/", always open.
    setRootIsDecorated(false);
#endif
    // The selection stays as visible when the focus is elsewhere.
    QPalette colours = palette();
    colours.setColor(QPalette::Inactive, QPalette::Highlight,
                     colours.color(QPalette::Active, QPalette::Highlight));
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     colours.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(colours);

    const QModelIndex top = filter_->mapFromSource(files_->index(topPath()));
    if (top.isValid())
        expand(top);

    // An item the program selected stays in view while rows arrive around it, until the
    // user moves the view or the selection.
    followTimer_.setSingleShot(true);
    followTimer_.setInterval(0);
    connect(&followTimer_, &QTimer::timeout, this, [this] {
        if (follow_.isValid())
            showItem(follow_);
    });
    auto keepFollowing = [this] {
        if (follow_.isValid())
            followTimer_.start();
    };
    connect(filter_, &QAbstractItemModel::rowsInserted, this, keepFollowing);
    connect(filter_, &QAbstractItemModel::layoutChanged, this, keepFollowing);
    connect(header(), &QHeaderView::sectionResized, this, keepFollowing);
    connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this,
            &FolderTree::stopFollowing);
}

FolderTree::~FolderTree()
{
    // The model uses the icon provider to its end.
    setModel(nullptr);
    delete filter_;
    delete files_;
}

void FolderTree::setBeforeChange(std::function<bool()> allowChange)
{
    allowChange_ = std::move(allowChange);
}

void FolderTree::selectPath(const QString &path, bool notify)
{
    if (path.isEmpty())
        return;
    QString target = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    while (!QFileInfo::exists(target)) {
        const QString up = QFileInfo(target).path();
        if (up == target)
            return;
        target = up;
    }
    filter_->keepShown(target);
    const QPersistentModelIndex item = shownItemFor(target);
    if (!item.isValid())
        return;
    const bool moves = item != currentIndex() || !selectionModel()->isSelected(item);
    if (notify && moves && (!mayLeave() || !item.isValid()))
        return;

    QModelIndexList parents;
    for (QModelIndex up = item.parent(); up.isValid(); up = up.parent())
        parents.prepend(up);
    for (const QModelIndex &up : parents)
        expand(up);
    {
        const QScopedValueRollback quiet(quiet_, quiet_ + 1);
        selectionModel()->setCurrentIndex(item, QItemSelectionModel::ClearAndSelect |
                                                    QItemSelectionModel::Rows);
    }
    follow_ = item;
    followTimer_.start();
    if (notify && moves)
        moved(item);
}

void FolderTree::refresh(const QString &path)
{
    if (path.isEmpty()) {
        QStringList open;
        std::function<void(const QModelIndex &)> collect = [&](const QModelIndex &parent) {
            for (int row = 0; row < filter_->rowCount(parent); ++row) {
                const QModelIndex item = filter_->index(row, 0, parent);
                if (isExpanded(item)) {
                    open << pathOf(item);
                    collect(item);
                }
            }
        };
        collect(QModelIndex());
        rereadFolders(open);
        return;
    }
    const QFileInfo info(path);
    if (info.isDir()) {
        rereadFolders({QDir::cleanPath(info.absoluteFilePath())});
        return;
    }
    // Asking the model for the file adds it at once, before the folder is read again.
    if (info.exists())
        files_->index(QDir::cleanPath(info.absoluteFilePath()));
    rereadFolders({QDir::cleanPath(info.absolutePath())});
}

QString FolderTree::selectedPath() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? QString() : pathOf(rows.first());
}

// Right-clicking an item opens nothing: it offers to open it or to show it
// in the desktop's file manager.
void FolderTree::contextMenuEvent(QContextMenuEvent *event)
{
    const QModelIndex item =
        event->reason() == QContextMenuEvent::Mouse ? indexAt(event->pos()) : currentIndex();
    if (!item.isValid())
        return;
    const QString path = pathOf(item);
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("FolderTreeMenu"));
    QAction *open = menu.addAction(tr("Ö&ffnen"));
    QAction *show = menu.addAction(tr("Im &Dateimanager zeigen"));
    QAction *chosen = menu.exec(event->globalPos());
    if (chosen == open) {
        selectPath(path, true);
    } else if (chosen == show) {
        const QFileInfo info(path);
        QDesktopServices::openUrl(
            QUrl::fromLocalFile(info.isDir() ? info.absoluteFilePath() : info.absolutePath()));
    }
}

void FolderTree::focusInEvent(QFocusEvent *event)
{
    // Without a current item the view makes the first one current on focus; that is no
    // choice of the user.
    const QScopedValueRollback quiet(quiet_, quiet_ + 1);
    QTreeView::focusInEvent(event);
}

void FolderTree::keyPressEvent(QKeyEvent *event)
{
    stopFollowing();
    QTreeView::keyPressEvent(event);
}

void FolderTree::mousePressEvent(QMouseEvent *event)
{
    stopFollowing();
    // The right button brings the context menu and chooses nothing.
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QTreeView::mousePressEvent(event);
}

void FolderTree::mouseMoveEvent(QMouseEvent *event)
{
    // Dragging with a button held would select every item passed over, asking each time.
    if (event->buttons() != Qt::NoButton) {
        event->accept();
        return;
    }
    QTreeView::mouseMoveEvent(event);
}

void FolderTree::wheelEvent(QWheelEvent *event)
{
    stopFollowing();
    QTreeView::wheelEvent(event);
}

void FolderTree::showEvent(QShowEvent *event)
{
    QTreeView::showEvent(event);
    if (follow_.isValid())
        followTimer_.start();
}

void FolderTree::rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end)
{
    // When the selected entry vanishes from the disk the selection falls back to its
    // folder, quietly: the user chose nothing.
    const QScopedValueRollback quiet(quiet_, quiet_ + 1);
    const QModelIndex current = currentIndex();
    if (parent.isValid() && current.isValid() && current.parent() == parent &&
        current.row() >= start && current.row() <= end)
        selectionModel()->setCurrentIndex(parent, QItemSelectionModel::ClearAndSelect |
                                                      QItemSelectionModel::Rows);
    QTreeView::rowsAboutToBeRemoved(parent, start, end);
}

bool FolderTree::mayLeave()
{
    if (asking_)
        return false;
    if (!allowChange_)
        return true;
    const QScopedValueRollback asking(asking_, true);
    return allowChange_();
}

void FolderTree::moved(const QModelIndex &item)
{
    emit itemSelected(pathOf(item));
}

QString FolderTree::pathOf(const QModelIndex &item) const
{
    return files_->filePath(filter_->mapToSource(item));
}

QModelIndex FolderTree::shownItemFor(const QString &path) const
{
    QModelIndexList entries;
    for (QModelIndex entry = files_->index(path); entry.isValid(); entry = entry.parent())
        entries.prepend(entry);
    // From the top down, as the filter also maps entries below a folder it hides.
    QModelIndex shown;
    for (const QModelIndex &entry : entries) {
        const QModelIndex item = filter_->mapFromSource(entry);
        if (!item.isValid())
            break;
        shown = item;
    }
    return shown;
}

void FolderTree::showItem(const QModelIndex &item)
{
    scrollTo(item, PositionAtCenter);
    // Sideways the view would centre the whole column; scroll only as far as the item's
    // icon and name need, never past its start.
    const int left = visualRect(item).left() + horizontalOffset();
    const int right = left + sizeHintForIndex(item).width();
    horizontalScrollBar()->setValue(qBound(0, right - viewport()->width(), left));
}

// The model reads a folder once and from then on relies on its file system watch. It
// forgets what it read of the folder that stops being its root path, so each folder is
// made the root path for a moment and then fetched anew.
void FolderTree::rereadFolders(const QStringList &folders)
{
    for (const QString &folder : folders)
        files_->setRootPath(folder);
    files_->setRootPath(topPath());
    for (const QString &folder : folders) {
        const QModelIndex entry = files_->index(folder);
        if (entry.isValid() && files_->canFetchMore(entry))
            files_->fetchMore(entry);
    }
}

void FolderTree::stopFollowing()
{
    follow_ = QPersistentModelIndex();
    followTimer_.stop();
}
