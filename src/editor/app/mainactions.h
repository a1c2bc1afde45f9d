#pragma once

class QAction;
class QObject;

// The main window's actions with their captions, pictures, shortcuts and
// hints; the window connects them. Object names are those the tests and the
// menus know them by ("OpenAction", "SaveAction", ...).
struct MainActions {
    explicit MainActions(QObject *owner);

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
