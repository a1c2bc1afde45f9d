#include "editor/app/fileactions.h"

#include "core/common/messages.h"
#include "core/common/noticelist.h"
#include "core/document/rumoszen.h"
#include "editor/app/mappicture.h"
#include "editor/widgets/prompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QWidget>

namespace {

// The filters' names in the language now installed; the patterns in
// brackets stay as they are.
QStringList openFilters()
{
    return {QCoreApplication::translate("FileActions",
                                        "Alle Szenarien (*.szs *.szm *.mfs *.mfm *.gam)"),
            QCoreApplication::translate("FileActions", "Vo Einzelspieler (*.szs)"),
            QCoreApplication::translate("FileActions", "Vo Mehrspieler (*.szm)"),
            QCoreApplication::translate("FileActions", "Rumo Einzelspieler (*.mfs)"),
            QCoreApplication::translate("FileActions", "Rumo Mehrspieler (*.mfm)"),
            QCoreApplication::translate("FileActions", "Spielstand (*.gam)"),
            QCoreApplication::translate("FileActions", "Alle Dateien (*)")};
}
// In this order: the second means ".szm".
QStringList saveFilters()
{
    return {QCoreApplication::translate("FileActions", "Vo Einzelspieler (*.szs)"),
            QCoreApplication::translate("FileActions", "Vo Mehrspieler (*.szm)")};
}
const QStringList kSaveExtensions = {QStringLiteral(".szs"), QStringLiteral(".szm")};

// The path with its extension (from the last dot of the file name) replaced.
QString withExtension(const QString &path, const QString &extension)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString base = dot < 0 ? name : name.left(dot);
    return QDir(info.path()).filePath(base + extension);
}

} // namespace

FileActions::FileActions(FileActions::Window &window, QWidget *dialogParent)
    : QObject(dialogParent), window_(window), dialogParent_(dialogParent)
{
}

Result<void> FileActions::saveDocument(const QString &path)
{
    window_.recordEdits();
    return window_.document()->Save(path);
}

bool FileActions::missionTextsMayBeLost()
{
    // The mission chunk ends at the first mission without a text; a text
    // behind it would vanish without a word.
    window_.commitMissions();
    RumoSzen *doc = window_.document();
    const QList<int> lost = doc->missions().unsavedTexts();
    if (lost.isEmpty())
        return true;
    QList<int> numbers;
    for (int m : lost)
        numbers << m + 1;
    return Prompts::current().warnOkCancel(
        dialogParent_, msg::missionTextsDropped(numbers, doc->missions().usedCount() + 1));
}

bool FileActions::closeScenario()
{
    RumoSzen *doc = window_.document();
    if (!doc)
        return true;
    if (doc->isModified()) {
        switch (Prompts::current().askYesNoCancel(dialogParent_, msg::askSaveChanges())) {
        case Prompts::Answer::Cancel:
            return false;
        case Prompts::Answer::Yes:
            if (!missionTextsMayBeLost())
                return false;
            if (const Result<void> saved = saveDocument(doc->FilePath()); !saved) {
                Prompts::current().error(dialogParent_, msg::saveFailed(saved.error()));
                return false;
            }
            break;
        case Prompts::Answer::No:
            break;
        }
    }
    window_.discardDocument();
    return true;
}

bool FileActions::openScenario(const QString &requested)
{
    const QString path = QFileInfo(requested).absoluteFilePath();
    window_.holdRepaints(true);
    if (!closeScenario()) {
        window_.holdRepaints(false);
        return false;
    }
    auto doc = std::make_unique<RumoSzen>();
    const auto loaded = doc->Load(path);
    // One window for all notices of the load, however many records gave them.
    if (!doc->notices().isEmpty())
        Prompts::current().notices(dialogParent_, msg::noticesIntro(QFileInfo(path).fileName()),
                                   groupNotices(doc->notices()));
    if (!loaded) {
        // The scenario before is closed: nothing of it stays in view.
        window_.showNoDocument();
        Prompts::current().message(
            dialogParent_,
            msg::withReason(msg::scenarioNotRead(QDir::toNativeSeparators(path)), loaded.error()));
    } else {
        window_.adoptDocument(std::move(doc), path);
    }
    window_.holdRepaints(false);
    return true;
}

void FileActions::openChosenScenario()
{
    const QString current = window_.CurrentFolder();
    const RumoSzen *doc = window_.document();
    const QString folder =
        current.isEmpty() && doc ? QFileInfo(doc->FilePath()).absolutePath() : current;
    const Prompts::FileChoice choice =
        Prompts::current().openFile(dialogParent_, folder, openFilters(), msg::openScenarioTitle());
    if (!choice.path.isEmpty())
        openAndSelect(choice.path);
}

void FileActions::openAndSelect(const QString &path)
{
    // A cancelled question leaves the tree where it was.
    if (!openScenario(path))
        return;
    window_.selectInFolderTree(path);
}

void FileActions::openDropped(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    const QString &first = paths.first();
    if (QFileInfo(first).isDir())
        window_.selectFolder(first);
    else
        openAndSelect(first);
    if (paths.size() > 1) {
        QStringList shown;
        for (const QString &path : paths.mid(1))
            shown << QDir::toNativeSeparators(path);
        Prompts::current().message(dialogParent_, msg::furtherFilesNotOpened(shown));
    }
}

void FileActions::SaveActionExecute()
{
    RumoSzen *doc = window_.document();
    if (!doc || !missionTextsMayBeLost())
        return;
    if (const Result<void> saved = saveDocument(doc->FilePath()); !saved)
        Prompts::current().error(dialogParent_, msg::saveFailed(saved.error()));
}

void FileActions::saveUnderChosenName()
{
    RumoSzen *doc = window_.document();
    if (!doc)
        return;
    if (saveAsFolder_.isEmpty())
        saveAsFolder_ = window_.CurrentFolder();
    const QString folder =
        saveAsFolder_.isEmpty() ? QFileInfo(doc->FilePath()).absolutePath() : saveAsFolder_;
    const QString proposed =
        withExtension(QDir(folder).filePath(doc->FileName()), QStringLiteral(".szs"));
    const Prompts::FileChoice choice = Prompts::current().saveFile(
        dialogParent_, proposed, saveFilters(), msg::saveScenarioAsTitle());
    if (choice.path.isEmpty())
        return;
    const QString target =
        withExtension(choice.path, kSaveExtensions.value(choice.filter, kSaveExtensions[0]));
    // The file dialog asked about the name it was given; a name that the
    // filter's extension changed is asked about here.
    if (QFileInfo(target).absoluteFilePath() != QFileInfo(choice.path).absoluteFilePath() &&
        QFileInfo::exists(target) &&
        !Prompts::current().askYesNo(dialogParent_,
                                     msg::askReplaceFile(QDir::toNativeSeparators(target))))
        return;
    if (!missionTextsMayBeLost())
        return;
    if (const Result<void> saved = saveDocument(target); !saved) {
        Prompts::current().error(dialogParent_, msg::saveFailed(saved.error()));
        return;
    }
    window_.showSavedAs(target);
}

void FileActions::RevertActionExecute()
{
    RumoSzen *doc = window_.document();
    if (!doc)
        return;
    if (doc->isModified()) {
        if (!Prompts::current().warnOkCancel(dialogParent_, msg::revertWarning()))
            return;
        doc->SetModified(false);
    }
    openScenario(doc->FilePath());
}

void FileActions::exportSelectedIsland()
{
    const Insel *island = window_.SelectedIsland();
    if (!island)
        return;
    const QString current = window_.CurrentFolder();
    const Prompts::FileChoice choice = Prompts::current().saveFile(
        dialogParent_, current.isEmpty() ? QString() : current + QDir::separator(),
        {tr("Brim Inseldateien (*.scp)")}, msg::saveIslandTitle());
    if (choice.path.isEmpty())
        return;
    QString path = choice.path;
    // The extension counts from the last dot of the file name, letter case
    // included: "insel.SCP" becomes "insel.SCP.scp", as the game expects.
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || name.mid(dot) != QLatin1String(".scp"))
        path += QLatin1String(".scp");
    RumoSzen *doc = window_.document();
    if (const Result<void> exported = doc->exportIsland(*island, path); !exported)
        Prompts::current().error(dialogParent_, msg::exportFailed(path, exported.error()));
}

void FileActions::exportMapPicture()
{
    if (RumoSzen *doc = window_.document())
        saveMapPicture(dialogParent_, *doc, window_.CurrentFolder());
}
