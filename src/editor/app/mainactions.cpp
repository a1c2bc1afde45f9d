#include "editor/app/mainactions.h"

#include "core/common/messages.h"
#include "core/document/rumoszen.h"
#include "core/islands/insel.h"
#include "editor/app/languagemenu.h"

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QUndoStack>

namespace {

// Our own pictures, with a grey variant for the disabled state.
QIcon actionIcon(const QString &name)
{
    QIcon icon(QStringLiteral(":/icons/%1.svg").arg(name));
    icon.addFile(QStringLiteral(":/icons/%1-disabled.svg").arg(name), QSize(), QIcon::Disabled);
    return icon;
}

// A hint "short|long": the short part is the tool tip, the long one the
// status line's text.
void setHint(QAction *action, const QString &hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    action->setToolTip(bar < 0 ? hint : hint.left(bar));
    action->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
}

} // namespace

// The keys are the same on every desktop, as the help lists them: the
// platform's standard sequences give some keys no shortcut at all (Save As
// and Quit under a plain X server or on Windows).
MainActions::MainActions(QObject *owner)
{
    auto make = [owner](const char *name, const QString &caption, const QString &icon,
                        const QKeySequence &shortcut, const QString &hint) {
        auto *action = new QAction(actionIcon(icon), caption, owner);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(shortcut);
        setHint(action, hint);
        return action;
    };
    open = make("OpenAction", QStringLiteral("&Öffnen..."), QStringLiteral("open"),
                QKeySequence(Qt::CTRL | Qt::Key_O),
                QStringLiteral("Öffnen|Öffnet eine existierende Datei"));
    save =
        make("SaveAction", QStringLiteral("&Speichern"), QStringLiteral("save"),
             QKeySequence(Qt::CTRL | Qt::Key_S), QStringLiteral("Speichern|Speichert die Datei"));
    saveAs = make("SaveAsAction", QStringLiteral("Speichern &unter..."), QStringLiteral("saveas"),
                  QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                  QStringLiteral("Speichern unter...|Speichert die Datei unter einem neuen Namen"));
    revert = make(
        "RevertAction", QStringLiteral("&Wiederherstellen"), QStringLiteral("revert"),
        QKeySequence(Qt::CTRL | Qt::Key_R),
        QStringLiteral("Wiederherstellen|Macht Änderungen seit dem letzten Speichern rückgängig"));
    exit = make("ExitAction", QStringLiteral("&Beenden"), QStringLiteral("exit"),
                QKeySequence(Qt::CTRL | Qt::Key_X), QStringLiteral("Beenden|Beendet das Programm"));
    // Ctrl+X is the old way to quit (in a text field it cuts, see the
    // keyboard watch); Ctrl+Q is the desktops'.
    exit->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::CTRL | Qt::Key_Q)});
    saveInsel =
        make("SaveInselAction", QStringLiteral("Insel speichern..."), QStringLiteral("saveisland"),
             {}, QStringLiteral("Insel speichern|Speichert die Insel in einer neuen Datei"));
    saveMapPicture = new QAction(QStringLiteral("&Karte als Bild speichern…"), owner);
    saveMapPicture->setObjectName(QStringLiteral("SaveMapPictureAction"));
    setHint(saveMapPicture,
            QStringLiteral("Karte als Bild speichern|Speichert die Weltkarte als PNG-Bild"));
    deleteIsland = make("DeleteIslandAction", QStringLiteral("Insel löschen"),
                        QStringLiteral("deleteisland"), {}, QStringLiteral("Insel löschen"));
    insertIsland = make(
        "InsertIslandAction", QStringLiteral("Insel einfügen…"), QStringLiteral("insertisland"), {},
        QStringLiteral("Insel einfügen|Fügt eine Insel aus einer Inselvorlage ein"));
    duplicateIsland =
        make("DuplicateIslandAction", QStringLiteral("Insel duplizieren"),
             QStringLiteral("duplicateisland"), {},
             QStringLiteral("Insel duplizieren|Fügt eine Insel mit dem Boden der gewählten ein"));
    // A focused text field takes these keys for its own typing first: its
    // ShortcutOverride wins over a window shortcut.
    undo = make("UndoAction", msg::undoStep(QString()), QStringLiteral("undo"),
                QKeySequence(Qt::CTRL | Qt::Key_Z), QString());
    redo = make("RedoAction", msg::redoStep(QString()), QStringLiteral("redo"),
                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QString());
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    for (QAction *action : {undo, redo})
        action->setShortcutContext(Qt::WindowShortcut);

    gameFolder = new QAction(QStringLiteral("Spiel&ordner wählen..."), owner);
    gameFolder->setObjectName(QStringLiteral("GameFolderAction"));
    setHint(gameFolder,
            QStringLiteral("Spielordner wählen|Legt fest, in welchem Ordner Brim installiert ist"));
    help = new QAction(QIcon::fromTheme(QStringLiteral("help-contents")), QStringLiteral("&Hilfe"),
                       owner);
    help->setObjectName(QStringLiteral("HelpAction"));
    help->setShortcut(QKeySequence(Qt::Key_F1));
    about = new QAction(QStringLiteral("Über &Marbolt"), owner);
    about->setObjectName(QStringLiteral("AboutAction"));
    aboutQt = new QAction(QStringLiteral("Über &Qt"), owner);
    aboutQt->setObjectName(QStringLiteral("AboutQtAction"));
    check = make("CheckAction", QStringLiteral("Szenario &prüfen"), QStringLiteral("check"),
                 QKeySequence(Qt::Key_F7),
                 QStringLiteral("Szenario prüfen|Listet auf, was in den Daten des "
                                "Szenarios nicht zusammenpasst"));
}

void MainActions::Follow(RumoSzen *doc, const Insel *selected) const
{
    const bool open = doc != nullptr;
    const Insel *island = open ? selected : nullptr;
    save->setEnabled(open && doc->isModified());
    saveAs->setEnabled(open);
    revert->setEnabled(open && doc->isModified());
    saveInsel->setEnabled(open && island);
    saveMapPicture->setEnabled(open);
    ShowDeleteIsland(island, open && island && doc->canDeleteIsland(*island));
    insertIsland->setEnabled(open);
    duplicateIsland->setEnabled(open && island);
    QUndoStack *stack = open ? doc->undoStack() : nullptr;
    undo->setEnabled(open && stack->canUndo());
    // Names of cities and ships may hold an "&", which is no mnemonic here.
    auto literal = [](QString text) { return text.replace(QLatin1Char('&'), QLatin1String("&&")); };
    undo->setText(literal(msg::undoStep(stack ? stack->undoText() : QString())));
    redo->setEnabled(open && stack->canRedo());
    redo->setText(literal(msg::redoStep(stack ? stack->redoText() : QString())));
    check->setEnabled(open);
}

void MainActions::ShowDeleteIsland(const Insel *selected, bool deletable) const
{
    deleteIsland->setEnabled(deletable);
    QString why;
    if (!selected)
        why = msg::deleteIslandNoneSelected();
    else if (!deletable)
        why = msg::deleteIslandHasCities(selected->number());
    setHint(deleteIsland, why.isEmpty() ? QStringLiteral("Insel löschen") : why);
}

QMenu *MainActions::PlaceIn(QMainWindow *window, QSettings *settings) const
{
    QMenu *fileMenu = window->menuBar()->addMenu(QStringLiteral("&Datei"));
    fileMenu->setObjectName(QStringLiteral("MainMenu1"));
    fileMenu->addAction(open);
    QMenu *recentMenu = fileMenu->addMenu(QStringLiteral("&Zuletzt geöffnet"));
    recentMenu->setObjectName(QStringLiteral("RecentMenu"));
    fileMenu->addActions({save, saveAs, revert});
    fileMenu->addSeparator();
    fileMenu->addAction(saveMapPicture);
    fileMenu->addSeparator();
    fileMenu->addAction(gameFolder);
    fileMenu->addSeparator();
    fileMenu->addAction(check);
    fileMenu->addSeparator();
    fileMenu->addAction(exit);
    QMenu *editMenu = window->menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
    editMenu->setObjectName(QStringLiteral("EditMenu"));
    editMenu->addActions({undo, redo});
    editMenu->addSeparator();
    editMenu->addActions({insertIsland, duplicateIsland, deleteIsland});
    QMenu *viewMenu = window->menuBar()->addMenu(QStringLiteral("&Ansicht"));
    viewMenu->setObjectName(QStringLiteral("ViewMenu"));
    viewMenu->addMenu(new LanguageMenu(settings, viewMenu));

    QMenu *helpMenu = window->menuBar()->addMenu(QStringLiteral("&Hilfe"));
    helpMenu->setObjectName(QStringLiteral("HelpMenu"));
    helpMenu->addAction(help);
    helpMenu->addSeparator();
    helpMenu->addActions({about, aboutQt});

    QToolBar *bar = window->addToolBar(QStringLiteral("Werkzeuge"));
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setIconSize(QSize(31, 30));
    bar->setFixedHeight(42);
    bar->addActions({open, save, saveAs, revert});
    bar->addSeparator();
    bar->addActions({insertIsland, saveInsel, deleteIsland});
    bar->addSeparator();
    bar->addActions({undo, redo});
    bar->addSeparator();
    bar->addAction(exit);
    for (QAction *action : bar->actions()) {
        if (QWidget *button = bar->widgetForAction(action); button && !action->isSeparator())
            button->setFixedSize(38, 36);
    }
    return recentMenu;
}

QMenu *MainActions::MakeIslandMenu(QWidget *parent) const
{
    auto *menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("InselPopup"));
    menu->addActions({saveInsel, deleteIsland});
    menu->addSeparator();
    menu->addActions({insertIsland, duplicateIsland});
    return menu;
}
