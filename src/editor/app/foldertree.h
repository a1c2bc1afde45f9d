#pragma once

// The folder tree beside the pages: the whole file system, showing folders and
// scenario files only. Before the user moves the selection to another item
// the tree asks whether the move is allowed (the open document may have to be
// saved first); a refusal leaves the selection where it was.

#include <QPersistentModelIndex>
#include <QTimer>
#include <QTreeView>

#include <functional>
#include <memory>

class QAbstractFileIconProvider;
class QFileSystemModel;
class FolderTreeFilter;
class FolderTreeSelection;

// Where the tree starts when it remembers no folder: where the game's
// scenarios are when a game folder is given (the first folder right below it,
// by name, that holds scenario files; the game folder itself when it holds
// some or no folder below does), otherwise the home folder.
QString firstStartFolder(const QString &gameFolder);

class FolderTree : public QTreeView {
    Q_OBJECT
public:
    explicit FolderTree(QWidget *parent = nullptr);
    ~FolderTree() override;

    // Asked before the selection moves to another item; returning false refuses the change.
    void setBeforeChange(std::function<bool()> allowChange);
    // Selects and shows `path` (or its nearest shown parent), expanding its parents. Folders
    // load in the background, so the item is kept in view as they fill up, until the user
    // scrolls or moves. With notify the move is asked first and itemSelected follows.
    void selectPath(const QString &path, bool notify = false);
    // Reads the folder of `path` (a file or folder) again, or every open folder when empty.
    void refresh(const QString &path = QString());
    QString selectedPath() const;

signals:
    // After the user selected an item (file or folder) and the change was allowed.
    void itemSelected(const QString &path);

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end) override;

private:
    friend class FolderTreeSelection;

    bool mayLeave();
    void moved(const QModelIndex &item);
    QString pathOf(const QModelIndex &item) const;
    QModelIndex shownItemFor(const QString &path) const;
    void showItem(const QModelIndex &item);
    void rereadFolders(const QStringList &folders);
    void stopFollowing();

    std::unique_ptr<QAbstractFileIconProvider> icons_;
    QFileSystemModel *files_;
    FolderTreeFilter *filter_;
    FolderTreeSelection *selection_;
    std::function<bool()> allowChange_;
    // Above zero while the tree itself moves the selection: nothing is asked or reported.
    int quiet_ = 0;
    bool asking_ = false;
    // The item SelectPath chose, kept in view while the folders around it fill up.
    QPersistentModelIndex follow_;
    QTimer followTimer_;
};
