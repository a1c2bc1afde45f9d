#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

class QWidget;

// One line of the help's list of keys: the key and what it does.
struct HelpShortcut {
    QKeySequence keys;
    QString what;
};

// The keys the help lists, in the order of the menus. Each is the shortcut
// of one of the main window's actions, and every shortcut of an action is
// listed.
QList<HelpShortcut> helpShortcuts();

// F1: the README as installed beside the program, or a short help page of
// our own where none is installed, and the list of keys, in a modal dialog
// over `parent`.
void showHelpDialog(QWidget *parent);
