#pragma once

class Insel;
class QAction;
class QMainWindow;
class QMenu;
class QObject;
class QSettings;
class QWidget;
class RumoSzen;

// The main window's actions with their captions, pictures, shortcuts and
// hints, and the menus and tool bar that show them; the window connects them. Object names are
// those the tests and the menus know them by ("OpenAction", "SaveAction", ...).
struct MainActions {
    explicit MainActions(QObject *owner);

    // Enables what `doc` (nullptr: none is open) and the island `selected`
    // on its map allow, and names the steps that undo and redo take.
    void Follow(RumoSzen *doc, const Insel *selected) const;
    // Enables "Insel löschen" when `deletable`; while it is off its hints say
    // why: no island is selected, or the selected one cannot go.
    void ShowDeleteIsland(const Insel *selected, bool deletable) const;

    // Puts the actions into the menus "Datei", "Bearbeiten", "Ansicht" (with
    // the language, kept in `settings`) and "Hilfe" and the tool bar of
    // `window`. Returns the empty submenu of the last opened files, which the
    // window's recent files fill.
    QMenu *PlaceIn(QMainWindow *window, QSettings *settings) const;
    // The island's context menu ("InselPopup"), owned by `parent`.
    QMenu *MakeIslandMenu(QWidget *parent) const;

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
};
