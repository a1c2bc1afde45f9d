#pragma once

#include <QCoreApplication>

class Insel;
class QAction;
class QMainWindow;
class QMenu;
class QObject;
class QSettings;
class QToolBar;
class QWidget;
class RumoSzen;

// The main window's actions with their captions, pictures, shortcuts and
// hints, and the menus and tool bar that show them; the window connects them. Object names are
// those the tests and the menus know them by ("OpenAction", "SaveAction", ...).
struct MainActions {
    Q_DECLARE_TR_FUNCTIONS(MainActions)

public:
    explicit MainActions(QObject *owner);

    // Captions, hints and menu titles in the language now installed. The
    // names of the undo and redo steps and the reason on "Insel löschen"
    // follow at the next Follow.
    void retranslate();

    // Enables what `doc` (nullptr: none is open) and the island `selected`
    // on its map allow, and names the steps that undo and redo take.
    void follow(RumoSzen *doc, const Insel *selected) const;
    // Enables "Insel löschen" when `deletable`; while it is off its hints say
    // why: no island is selected, or the selected one cannot go.
    void showDeleteIsland(const Insel *selected, bool deletable) const;

    // Puts the actions into the menus "Datei", "Bearbeiten", "Ansicht" (with
    // the language, kept in `settings`) and "Hilfe" and the tool bar of
    // `window`. Returns the empty submenu of the last opened files, which the
    // window's recent files fill.
    QMenu *placeIn(QMainWindow *window, QSettings *settings);
    // The island's context menu ("InselPopup"), owned by `parent`.
    QMenu *makeIslandMenu(QWidget *parent) const;

    QAction *open;
    QAction *save;
    QAction *saveAs;
    QAction *revert;
    QAction *exit;
    QAction *saveInsel;
    QAction *saveMapPicture;
    QAction *deleteIsland;
    QAction *insertIsland;
    QAction *duplicateIsland;
    QAction *undo;
    QAction *redo;
    QAction *gameFolder;
    QAction *help;
    QAction *about;
    QAction *aboutQt;
    QAction *check;

    // Set by PlaceIn.
    QMenu *fileMenu = nullptr;
    QMenu *recentMenu = nullptr;
    QMenu *editMenu = nullptr;
    QMenu *viewMenu = nullptr;
    QMenu *helpMenu = nullptr;
    QToolBar *toolBar = nullptr;
};
