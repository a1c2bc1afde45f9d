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
    auto make = [owner](const char *name, const QString &icon, const QKeySequence &shortcut) {
        auto *action = new QAction(actionIcon(icon), QString(), owner);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(shortcut);
        return action;
    };
    auto plain = [owner](const char *name) {
        auto *action = new QAction(owner);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    open = make("OpenAction", QStringLiteral("open"), QKeySequence(Qt::CTRL | Qt::Key_O));
    save = make("SaveAction", QStringLiteral("save"), QKeySequence(Qt::CTRL | Qt::Key_S));
    saveAs = make("SaveAsAction", QStringLiteral("saveas"),
                  QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    revert = make("RevertAction", QStringLiteral("revert"), QKeySequence(Qt::CTRL | Qt::Key_R));
    exit = make("ExitAction", QStringLiteral("exit"), QKeySequence(Qt::CTRL | Qt::Key_X));
    // Ctrl+X is the old way to quit (in a text field it cuts, see the
    // keyboard watch); Ctrl+Q is the desktops'.
    exit->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::CTRL | Qt::Key_Q)});
    saveInsel = make("SaveInselAction", QStringLiteral("saveisland"), {});
    saveMapPicture = plain("SaveMapPictureAction");
    deleteIsland = make("DeleteIslandAction", QStringLiteral("deleteisland"), {});
    insertIsland = make("InsertIslandAction", QStringLiteral("insertisland"), {});
    duplicateIsland = make("DuplicateIslandAction", QStringLiteral("duplicateisland"), {});
    // A focused text field takes these keys for its own typing first: its
    // ShortcutOverride wins over a window shortcut.
    undo = make("UndoAction", QStringLiteral("undo"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo =
        make("RedoAction", QStringLiteral("redo"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    for (QAction *action : {undo, redo})
        action->setShortcutContext(Qt::WindowShortcut);

    gameFolder = plain("GameFolderAction");
    help = plain("HelpAction");
    help->setIcon(QIcon::fromTheme(QStringLiteral("help-contents")));
    help->setShortcut(QKeySequence(Qt::Key_F1));
    about = plain("AboutAction");
    aboutQt = plain("AboutQtAction");
    check = make("CheckAction", QStringLiteral("check"), QKeySequence(Qt::Key_F7));
    retranslate();
}

void MainActions::retranslate()
{
    // A hint is "short|long": the tool tip, then the status line's text.
    open->setText(tr("&Öffnen..."));
    setHint(open, tr("Öffnen|Öffnet eine existierende Datei"));
    save->setText(tr("&Speichern"));
    setHint(save, tr("Speichern|Speichert die Datei"));
    saveAs->setText(tr("Speichern &unter..."));
    setHint(saveAs, tr("Speichern unter...|Speichert die Datei unter einem neuen Namen"));
    revert->setText(tr("&Wiederherstellen"));
    setHint(revert, tr("Wiederherstellen|Macht Änderungen seit dem letzten Speichern rückgängig"));
    exit->setText(tr("&Beenden"));
    setHint(exit, tr("Beenden|Beendet das Programm"));
    saveInsel->setText(tr("Insel speichern..."));
    setHint(saveInsel, tr("Insel speichern|Speichert die Insel in einer neuen Datei"));
    saveMapPicture->setText(tr("&Karte als Bild speichern…"));
    setHint(saveMapPicture, tr("Karte als Bild speichern|Speichert die Weltkarte als PNG-Bild"));
    deleteIsland->setText(tr("Insel löschen"));
    setHint(deleteIsland, tr("Insel löschen"));
    insertIsland->setText(tr("Insel einfügen…"));
    setHint(insertIsland, tr("Insel einfügen|Fügt eine Insel aus einer Inselvorlage ein"));
    duplicateIsland->setText(tr("Insel duplizieren"));
    setHint(duplicateIsland,
            tr("Insel duplizieren|Fügt eine Insel mit dem Boden der gewählten ein"));
    undo->setText(msg::undoStep(QString()));
    redo->setText(msg::redoStep(QString()));
    gameFolder->setText(tr("Spiel&ordner wählen..."));
    setHint(gameFolder, tr("Spielordner wählen|Legt fest, in welchem Ordner Brim installiert ist"));
    help->setText(tr("&Hilfe"));
    about->setText(tr("Über &Marbolt"));
    aboutQt->setText(tr("Über &Qt"));
    check->setText(tr("Szenario &prüfen"));
    setHint(check,
            tr("Szenario prüfen|Listet auf, was in den Daten des Szenarios nicht zusammenpasst"));

    if (fileMenu)
        fileMenu->setTitle(tr("&Datei"));
    if (recentMenu)
        recentMenu->setTitle(tr("&Zuletzt geöffnet"));
    if (editMenu)
        editMenu->setTitle(tr("&Bearbeiten"));
    if (viewMenu)
        viewMenu->setTitle(tr("&Ansicht"));
    if (helpMenu)
        helpMenu->setTitle(tr("&Hilfe"));
    if (toolBar)
        toolBar->setWindowTitle(tr("Werkzeuge"));
}

void MainActions::follow(RumoSzen *doc, const Insel *selected) const
{
    const bool open = doc != nullptr;
    const Insel *island = open ? selected : nullptr;
    save->setEnabled(open && doc->isModified());
    saveAs->setEnabled(open);
    revert->setEnabled(open && doc->isModified());
    saveInsel->setEnabled(open && island);
    saveMapPicture->setEnabled(open);
    showDeleteIsland(island, open && island && doc->canDeleteIsland(*island));
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

void MainActions::showDeleteIsland(const Insel *selected, bool deletable) const
{
    deleteIsland->setEnabled(deletable);
    QString why;
    if (!selected)
        why = msg::deleteIslandNoneSelected();
    else if (!deletable)
        why = msg::deleteIslandHasCities(selected->number());
    setHint(deleteIsland, why.isEmpty() ? tr("Insel löschen") : why);
}

QMenu *MainActions::placeIn(QMainWindow *window, QSettings *settings)
{
    fileMenu = window->menuBar()->addMenu(QString());
    fileMenu->setObjectName(QStringLiteral("MainMenu1"));
    fileMenu->addAction(open);
    recentMenu = fileMenu->addMenu(QString());
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
    editMenu = window->menuBar()->addMenu(QString());
    editMenu->setObjectName(QStringLiteral("EditMenu"));
    editMenu->addActions({undo, redo});
    editMenu->addSeparator();
    editMenu->addActions({insertIsland, duplicateIsland, deleteIsland});
    viewMenu = window->menuBar()->addMenu(QString());
    viewMenu->setObjectName(QStringLiteral("ViewMenu"));
    viewMenu->addMenu(new LanguageMenu(settings, viewMenu));

    helpMenu = window->menuBar()->addMenu(QString());
    helpMenu->setObjectName(QStringLiteral("HelpMenu"));
    helpMenu->addAction(help);
    helpMenu->addSeparator();
    helpMenu->addActions({about, aboutQt});

    QToolBar *bar = toolBar = window->addToolBar(QString());
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
    retranslate();
    return recentMenu;
}

QMenu *MainActions::makeIslandMenu(QWidget *parent) const
{
    auto *menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("InselPopup"));
    menu->addActions({saveInsel, deleteIsland});
    menu->addSeparator();
    menu->addActions({insertIsland, duplicateIsland});
    return menu;
}
