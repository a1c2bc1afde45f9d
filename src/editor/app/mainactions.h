#pragma once

class Insel;
class QAction;
class QObject;

// The main window's actions with their captions, pictures, shortcuts and
// hints; the window connects them. Object names are those the tests and the
// menus know them by ("OpenAction", "SaveAction", ...).
struct MainActions {
    explicit MainActions(QObject *owner);

    // Enables "Insel löschen" when `deletable`; while it is off its hints say
    // why: no island is selected, or the selected one cannot go.
    void ShowDeleteIsland(const Insel *selected, bool deletable) const;

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
