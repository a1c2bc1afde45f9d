#pragma once

#include "core/common/result.h"

#include <QObject>
#include <QString>
#include <memory>

class Insel;
class QWidget;
class RumoSzen;

// The file flows of the main window with their questions: open, close, save,
// save as, revert, and the exports of an island and of the map picture. The
// window owns the document and shows it; these flows decide when a document
// comes and goes and ask the user on the way, all through the Prompts.
class FileActions : public QObject {
    Q_OBJECT

public:
    // What the flows need of the main window.
    class Window {
    public:
        virtual ~Window() = default;
        // The open scenario; nullptr when none is.
        virtual RumoSzen *document() const = 0;
        // The folder chosen in the folder tree, where the dialogs start.
        virtual QString CurrentFolder() const = 0;
        // The island selected on the map; nullptr when none is.
        virtual Insel *SelectedIsland() const = 0;
        // Commits the pages and records what they wrote as one step.
        virtual void recordEdits() = 0;
        // Writes the missions page into the mission records.
        virtual void commitMissions() = 0;
        // While held, replacing one document by another draws no empty map
        // in between.
        virtual void holdRepaints(bool held) = 0;
        // Shows a loaded document, which the window now owns.
        virtual void adoptDocument(std::unique_ptr<RumoSzen> doc, const QString &path) = 0;
        // Lets go of the open document.
        virtual void discardDocument() = 0;
        // No document: the start screen, the pages empty.
        virtual void showNoDocument() = 0;
        // The document now lives at `path`: the status line, the title, the
        // recent files and the folder tree follow.
        virtual void showSavedAs(const QString &path) = 0;
        // The folder tree shows and selects `path`.
        virtual void selectInFolderTree(const QString &path) = 0;
        // Chooses a folder in the folder tree, as the user would.
        virtual void selectFolder(const QString &folder) = 0;
    };

    // `dialogParent` is the window the questions belong to.
    FileActions(Window &window, QWidget *dialogParent);

    // Opens a scenario after asking about unsaved changes of the open one.
    // False only when the user cancelled that question.
    bool openScenario(const QString &path);
    // Discards the open scenario, asking first when it has unsaved changes.
    // False when the user cancelled or saving failed.
    bool closeScenario();
    // Opens a scenario and selects it in the folder tree.
    void openAndSelect(const QString &path);

    // Dropped files: a scenario opens (asking about unsaved changes first),
    // a folder is chosen in the folder tree; further files are named in a
    // notice.
    void openDropped(const QStringList &paths);
    // "Öffnen...": the scenario chosen in the file dialog.
    void openChosenScenario();
    void SaveActionExecute();
    // "Speichern unter...": under the name and kind chosen in the file dialog.
    void saveUnderChosenName();
    void RevertActionExecute();
    // Writes the selected island as an island template file.
    void exportSelectedIsland();
    // "Karte als Bild speichern".
    void exportMapPicture();

private:
    // Commits the pages, then saves the document.
    Result<void> saveDocument(const QString &path);
    // Asks before a save that would not keep some mission text; false when
    // the user cancels.
    bool missionTextsMayBeLost();

    Window &window_;
    QWidget *dialogParent_;
    // Where "Speichern unter" proposes to save: the folder of the tree when
    // it was first used.
    QString saveAsFolder_;
};
