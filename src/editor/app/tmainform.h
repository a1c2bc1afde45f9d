#pragma once

#include "editor/app/fileactions.h"
#include "editor/app/mainactions.h"

#include <QMainWindow>
#include <memory>
#include <vector>

class CheckDock;
class DocumentPage;
class EditRecorder;
class FolderTree;
class MapPage;
class Navigator;
class RecentFiles;
class QSettings;
class QSplitter;
class QMenu;
class QTabWidget;
class RumoSzen;
class StatusLine;
class TKampForm;
class TSchiffWaren;
class TWareForm;
class TWarenAuswahl;
class TabAuftraege;
class TabSettings;
class TabSpieler;
class Insel;

// The editor's one main window: the folder tree on the left, the pages of
// the open scenario on the right, the file actions in menu and tool bar. It
// owns the document and shows it; the file flows are the file actions', the
// recording of steps the edit recorder's.
class TMainForm : public QMainWindow, private FileActions::Window {
    Q_OBJECT

public:
    // `settings` keeps what the window remembers between runs (geometry,
    // folder, recent files, game folder); without, it remembers nothing.
    explicit TMainForm(QWidget *parent = nullptr, QSettings *settings = nullptr);
    ~TMainForm() override;

    // Opens a scenario after asking about unsaved changes of the open one.
    // False only when the user cancelled that question.
    bool openScenario(const QString &path);
    // Discards the open scenario, asking first when it has unsaved changes.
    // False when the user cancelled or saving failed.
    bool closeScenario();
    // Opens a scenario and selects it in the folder tree, as the open dialog
    // and the command line do.
    void openAndSelect(const QString &path);
    // Selects a folder in the folder tree, as the user would (the open
    // scenario is closed first, asking about unsaved changes).
    void selectFolder(const QString &folder) override;

    // The last opened files, newest first.
    QStringList RecentFiles() const;

    RumoSzen *document() const override { return doc_.get(); }
    QString CurrentFolder() const override { return currentFolder_; }

    // The file's name and a change mark; Qt adds the program's name:
    // "test.szs* — Tobrel's Brim Marbolt".
    void updateTitle();

public slots:
    // A control changed the open document: one step of the undo stack, or a
    // piece of the step that typing in a text field makes.
    void controlChanged();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // Menus, actions and the pages' tab captions in the language now
    // installed; the document stays as it is.
    void retranslateUi();
    void connectActions();
    void createMenuAndToolBar();
    void createPages();
    void updateActions();
    // The settings, missions and players pages, built when one of them is
    // first shown.
    void buildDocumentPages();
    // The dialogs, each made when first asked for.
    TKampForm &campaignEditor();
    TWareForm &wareForm();
    TSchiffWaren &schiffWaren();
    void setPagesEnabled(bool enabled);
    // What the file actions ask of the window.
    Insel *SelectedIsland() const override;
    void recordEdits() override { RecordEdit(); }
    void commitMissions() override;
    void holdRepaints(bool held) override;
    void adoptDocument(std::unique_ptr<RumoSzen> doc, const QString &path) override;
    void discardDocument() override;
    // No document: the start screen, the pages empty and disabled, the status
    // line cleared.
    void showNoDocument() override;
    void showSavedAs(const QString &path) override;
    void selectInFolderTree(const QString &path) override;
    // The remembered window, folder and game folder.
    void restoreSettings();
    void saveWindowSettings();
    void rememberFile(const QString &path);
    void chooseGameFolder();
    void showAbout();
    // Whether an arrow key that reached `to` moves the selected island.
    bool arrowKeyUsed(int key, bool alt, QWidget *to);
    // Commits the pages and records what they wrote as one step called
    // `text` (empty: named after the changed record).
    void RecordEdit(const QString &text = QString());
    // Undoes (`back`) or redoes one step, after the typing under way ends
    // its step; then every page shows the records again, and the page and
    // object that the step concerned are selected.
    void takeStep(bool back);
    // Whether the undo or redo key `keys` pressed in the text field `field`
    // belongs to the field rather than to the document's steps.
    bool fieldTakesKey(const QWidget *field, QKeyCombination keys) const;

    // Commits the pages and lists the findings of the scenario check.
    void checkScenario();
    void MainPageControlChanging(int index);
    void StShellTreeView1FolderSelected(const QString &path);

    std::unique_ptr<RumoSzen> doc_;
    QString currentFolder_;

    MainActions actions_{this};
    QMenu *inselPopup_ = nullptr;

    QSettings *settings_ = nullptr;
    ::RecentFiles *recentFiles_ = nullptr;
    QSplitter *splitter_ = nullptr;

    FolderTree *folderTree_ = nullptr;
    QTabWidget *pages_ = nullptr;
    MapPage *mapPage_ = nullptr;
    TabSettings *settingsPage_ = nullptr;
    TabAuftraege *missionsPage_ = nullptr;
    TabSpieler *playersPage_ = nullptr;
    // The pages that show and commit the document's records, in commit order.
    std::vector<DocumentPage *> documentPages_;
    int shownPage_ = 0;
    TKampForm *kampForm_ = nullptr;
    TWareForm *wareForm_ = nullptr;
    TWarenAuswahl *warenAuswahl_ = nullptr;
    TSchiffWaren *schiffWaren_ = nullptr;
    CheckDock *checkDock_ = nullptr;
    StatusLine *statusLine_ = nullptr;

    FileActions *fileActions_ = nullptr;
    // Makes the steps of the open document's undo stack.
    EditRecorder *recorder_ = nullptr;
    // Shows what a step changed or a finding is about.
    std::unique_ptr<Navigator> navigator_;
};
