#include "editor/app/tmainform.h"

#include "core/check/scenariocheck.h"
#include "core/common/messages.h"
#include "core/document/edithistory.h"
#include "core/document/rumoszen.h"
#include "core/document/scenariofiles.h"
#include "core/game/gamepath.h"
#include "editor/app/checkdock.h"
#include "editor/app/editrecorder.h"
#include "editor/app/foldertree.h"
#include "editor/app/helpdialog.h"
#include "editor/app/keyboardwatch.h"
#include "editor/app/mainactions.h"
#include "editor/app/navigator.h"
#include "editor/app/recentfiles.h"
#include "editor/app/stepnames.h"
#include "editor/campaign/tkampform.h"
#include "editor/goods/tschiffwaren.h"
#include "editor/goods/twareform.h"
#include "editor/goods/twarenauswahl.h"
#include "editor/map/mappage.h"
#include "editor/map/objecttree.h"
#include "editor/pages/tabauftraege.h"
#include "editor/pages/tabsettings.h"
#include "editor/pages/tabspieler.h"
#include "editor/widgets/prompts.h"
#include "editor/widgets/statusline.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QSplitter>
#include <QTabWidget>
#include <QUndoStack>
#include <QUrl>
#include <QVBoxLayout>
#include <utility>

namespace {

// The keys of what the window remembers between runs.
const QString kGeometryKey = QStringLiteral("window/geometry");
const QString kStateKey = QStringLiteral("window/state");
const QString kSplitterKey = QStringLiteral("window/splitter");
const QString kFolderKey = QStringLiteral("tree/folder");
const QString kGameFolderKey = QStringLiteral("game/folder");

// The local files among dropped URLs.
QStringList localFiles(const QMimeData *data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile())
            paths << QDir::cleanPath(url.toLocalFile());
    }
    return paths;
}

} // namespace

TMainForm::TMainForm(QWidget *parent, QSettings *settings)
    : QMainWindow(parent), settings_(settings)
{
    // Our pictures live in the static widget library; this keeps the linker
    // from dropping them.
    Q_INIT_RESOURCE(marbolt);
    setObjectName(QStringLiteral("MainForm"));
    // Without a document the title is the program's name alone.
    setWindowIcon(QIcon(QStringLiteral(":/marbolt.svg")));
    resize(1001, 701);
    setAcceptDrops(true);
    if (settings_) {
        setChosenGameFolder(settings_->value(kGameFolderKey).toString());
    }

    fileActions_ = new FileActions(*this, this);
    connectActions();
    createMenuAndToolBar();
    createPages();

    statusLine_ = new StatusLine(this);
    setStatusBar(statusLine_);

    recorder_ = new EditRecorder(this, [this] {
        for (DocumentPage *page : documentPages_)
            page->commit();
    });
    new KeyboardWatch(
        this, [this](int key, bool alt, QWidget *to) { return arrowKeyUsed(key, alt, to); },
        [this](QWidget *field, QKeyCombination keys) { return fieldTakesKey(field, keys); });

    restoreSettings();
    retranslateUi();
}

void TMainForm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QMainWindow::changeEvent(event);
}

void TMainForm::retranslateUi()
{
    actions_.retranslate();
    pages_->setTabText(0, tr("Karte"));
    pages_->setTabText(1, tr("Einstellungen"));
    pages_->setTabText(2, tr("Aufträge"));
    pages_->setTabText(3, tr("Spieler"));
    // The names of the undo and redo steps and the hint on "Insel löschen".
    updateActions();
}

TMainForm::~TMainForm()
{
    // Widgets going away move the focus and fill controls; nothing is an
    // edit any more.
    for (DocumentPage *page : documentPages_)
        disconnect(page, nullptr, this, nullptr);
    delete std::exchange(recorder_, nullptr);
}

bool TMainForm::arrowKeyUsed(int key, bool alt, QWidget *to)
{
    // Plain arrow keys belong to the control that has them (the object tree
    // moves its selection, an edit its cursor), except on the map itself;
    // with Alt they move the island from anywhere in the window.
    if (pages_->currentWidget() != mapPage_ || (!alt && !mapPage_->isMap(to)))
        return false;
    return mapPage_->arrowKey(key);
}

void TMainForm::restoreSettings()
{
    QString start;
    if (settings_) {
        restoreGeometry(settings_->value(kGeometryKey).toByteArray());
        restoreState(settings_->value(kStateKey).toByteArray());
        splitter_->restoreState(settings_->value(kSplitterKey).toByteArray());
        const QString folder = settings_->value(kFolderKey).toString();
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            start = folder;
    }
    folderTree_->selectPath(start.isEmpty() ? firstStartFolder(GamePath()) : start);
}

void TMainForm::saveWindowSettings()
{
    if (!settings_)
        return;
    settings_->setValue(kGeometryKey, saveGeometry());
    settings_->setValue(kStateKey, saveState());
    settings_->setValue(kSplitterKey, splitter_->saveState());
    settings_->sync();
}

QStringList TMainForm::RecentFiles() const
{
    return recentFiles_->files();
}

void TMainForm::rememberFile(const QString &path)
{
    const QString file = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    recentFiles_->remember(file);
    if (settings_)
        settings_->setValue(kFolderKey, QFileInfo(file).absolutePath());
}

void TMainForm::selectFolder(const QString &folder)
{
    folderTree_->refresh(folder);
    folderTree_->selectPath(folder, true);
}

void TMainForm::chooseGameFolder()
{
    const QString start = GamePath().isEmpty() ? QDir::homePath() : GamePath();
    const QString folder =
        Prompts::current().chooseFolder(this, msg::chooseGameFolderTitle(), start);
    if (folder.isEmpty())
        return;
    if (!QFileInfo::exists(resolveGameFile(folder, QStringLiteral("Brim.exe"))) &&
        !Prompts::current().askYesNo(
            this, msg::askUseGameFolderWithoutGame(QDir::toNativeSeparators(folder))))
        return;
    setChosenGameFolder(folder);
    if (settings_)
        settings_->setValue(kGameFolderKey, QDir::cleanPath(folder));
    Prompts::current().message(this, msg::gameFolderChosen(QDir::toNativeSeparators(folder)));
}

void TMainForm::showAbout()
{
    Prompts::current().about(this, msg::aboutTitle(),
                             msg::aboutText(QCoreApplication::applicationVersion()));
}

void TMainForm::connectActions()
{
    connect(actions_.gameFolder, &QAction::triggered, this, &TMainForm::chooseGameFolder);
    connect(actions_.help, &QAction::triggered, this, [this] { showHelpDialog(this); });
    connect(actions_.about, &QAction::triggered, this, &TMainForm::showAbout);
    connect(actions_.aboutQt, &QAction::triggered, qApp, &QApplication::aboutQt);
    connect(actions_.check, &QAction::triggered, this, &TMainForm::checkScenario);

    connect(actions_.open, &QAction::triggered, fileActions_, &FileActions::openChosenScenario);
    connect(actions_.save, &QAction::triggered, fileActions_, &FileActions::SaveActionExecute);
    connect(actions_.saveAs, &QAction::triggered, fileActions_, &FileActions::saveUnderChosenName);
    connect(actions_.revert, &QAction::triggered, fileActions_, &FileActions::RevertActionExecute);
    connect(actions_.exit, &QAction::triggered, this, &QWidget::close);
    connect(actions_.saveInsel, &QAction::triggered, fileActions_,
            &FileActions::exportSelectedIsland);
    connect(actions_.saveMapPicture, &QAction::triggered, fileActions_,
            &FileActions::exportMapPicture);
    connect(actions_.deleteIsland, &QAction::triggered, this, [this] {
        RecordEdit();
        mapPage_->deleteSelectedIsland();
    });
    connect(actions_.insertIsland, &QAction::triggered, this, [this] {
        RecordEdit();
        pages_->setCurrentWidget(mapPage_);
        mapPage_->InsertIsland();
    });
    connect(actions_.duplicateIsland, &QAction::triggered, this, [this] {
        RecordEdit();
        pages_->setCurrentWidget(mapPage_);
        mapPage_->duplicateSelectedIsland();
    });
    connect(actions_.undo, &QAction::triggered, this, [this] { takeStep(true); });
    connect(actions_.redo, &QAction::triggered, this, [this] { takeStep(false); });

    inselPopup_ = actions_.makeIslandMenu(this);
}

void TMainForm::createMenuAndToolBar()
{
    QMenu *recentMenu = actions_.placeIn(this, settings_);
    recentFiles_ = new ::RecentFiles(recentMenu, settings_, this);
    connect(recentFiles_, &::RecentFiles::openRequested, this, &TMainForm::openAndSelect);
}

void TMainForm::createPages()
{
    auto *splitter = splitter_ = new QSplitter(this);
    splitter->setObjectName(QStringLiteral("Splitter1"));
    splitter->setHandleWidth(5);
    splitter->setChildrenCollapsible(false);

    folderTree_ = new FolderTree(splitter);
    folderTree_->setObjectName(QStringLiteral("StShellTreeView1"));
    folderTree_->setBeforeChange([this] { return closeScenario(); });
    connect(folderTree_, &FolderTree::itemSelected, this,
            &TMainForm::StShellTreeView1FolderSelected);

    pages_ = new QTabWidget(splitter);
    pages_->setObjectName(QStringLiteral("MainPageControl"));
    mapPage_ = new MapPage;
    pages_->addTab(mapPage_, QString());
    // The other pages are built when one of them is first shown; until then
    // their tabs hold empty hosts, so the window shows sooner.
    for (int i = 0; i < 3; ++i) {
        auto *host = new QWidget;
        (new QVBoxLayout(host))->setContentsMargins(0, 0, 0, 0);
        pages_->addTab(host, QString());
    }
    documentPages_ = {mapPage_};
    connect(mapPage_, &DocumentPage::controlChanged, this, &TMainForm::controlChanged);
    connect(pages_, &QTabWidget::currentChanged, this, &TMainForm::MainPageControlChanging);
    // Until the first scenario is loaded only the start screen can be seen:
    // the tabs and the pages behind them are disabled, the start screen keeps
    // its colours.
    setPagesEnabled(false);

    // The goods dialogs and the campaign editor are made when first needed.
    // Each goods dialog closed with OK is one step.
    connect(mapPage_, &MapPage::stockRequested, this, [this](CityRecord city) {
        RecordEdit();
        if (doc_ && wareForm().execute(doc_.get(), city))
            RecordEdit(msg::editStock());
    });
    connect(mapPage_, &MapPage::cargoRequested, this, [this](ShipRecord ship) {
        RecordEdit();
        if (doc_ && schiffWaren().execute(doc_.get(), ship))
            RecordEdit(msg::editCargo());
    });
    connect(mapPage_, &MapPage::cityOwnerChanged, this, [this](CityRecord city) {
        if (doc_ && wareForm_)
            wareForm_->refresh(doc_.get(), city);
    });
    connect(mapPage_, &MapPage::stateChanged, this, &TMainForm::updateActions);
    connect(mapPage_, &MapPage::tileHovered, this,
            [this](const QString &text) { statusLine_->showTile(text); });
    connect(mapPage_, &MapPage::islandMenuRequested, this,
            [this](QPoint at) { inselPopup_->exec(at); });

    // The check's findings below the pages, shown by "Szenario prüfen".
    checkDock_ = new CheckDock(this);
    addDockWidget(Qt::BottomDockWidgetArea, checkDock_);
    checkDock_->hide();
    navigator_ = std::make_unique<Navigator>(pages_, mapPage_);
    connect(checkDock_, &CheckDock::objectRequested, this,
            [this](const ObjectRef &object) { navigator_->show(object); });

    splitter->addWidget(folderTree_);
    splitter->addWidget(pages_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({233, 1001 - 233});
    setCentralWidget(splitter);
}

void TMainForm::buildDocumentPages()
{
    if (settingsPage_)
        return;
    settingsPage_ = new TabSettings;
    missionsPage_ = new TabAuftraege;
    playersPage_ = new TabSpieler;
    int index = 1;
    for (QWidget *page :
         std::initializer_list<QWidget *>{settingsPage_, missionsPage_, playersPage_}) {
        pages_->widget(index++)->layout()->addWidget(page);
        page->show();
    }
    // Committed in this order: missions assigned on the missions page reach
    // the players' records before those are written, and every page reaches
    // its records before the first chunk of a save.
    documentPages_ = {mapPage_, missionsPage_, playersPage_, settingsPage_};
    for (DocumentPage *page :
         {static_cast<DocumentPage *>(missionsPage_), static_cast<DocumentPage *>(playersPage_),
          static_cast<DocumentPage *>(settingsPage_)})
        connect(page, &DocumentPage::controlChanged, this, &TMainForm::controlChanged);
    connect(settingsPage_, &TabSettings::campaignEditorRequested, this,
            [this](const QString &number) { campaignEditor().open(number); });
    for (QAction *action : settingsPage_->switchActions())
        addAction(action);
    if (doc_) {
        // Filling the controls is no edit.
        const EditRecorder::Quiet quiet(*recorder_);
        for (DocumentPage *page : documentPages_) {
            if (page != mapPage_)
                page->attach(doc_.get());
        }
    }
}

TKampForm &TMainForm::campaignEditor()
{
    if (!kampForm_)
        kampForm_ = new TKampForm(this);
    return *kampForm_;
}

TWareForm &TMainForm::wareForm()
{
    if (!wareForm_)
        wareForm_ = new TWareForm(this);
    return *wareForm_;
}

TSchiffWaren &TMainForm::schiffWaren()
{
    if (!schiffWaren_) {
        warenAuswahl_ = new TWarenAuswahl(this);
        schiffWaren_ = new TSchiffWaren(warenAuswahl_, this);
    }
    return *schiffWaren_;
}

void TMainForm::setPagesEnabled(bool enabled)
{
    pages_->tabBar()->setEnabled(enabled);
    for (int i = 1; i < pages_->count(); ++i) {
        pages_->setTabEnabled(i, enabled);
        pages_->widget(i)->setEnabled(enabled);
    }
    // Without a document the pages behind the tabs are empty, as before the
    // first one was loaded.
    for (DocumentPage *page : documentPages_) {
        if (page != mapPage_)
            page->setVisible(enabled);
    }
}

void TMainForm::showNoDocument()
{
    pages_->setCurrentWidget(mapPage_);
    mapPage_->showStartScreen();
    setPagesEnabled(false);
    statusLine_->clearPanels();
}

void TMainForm::updateActions()
{
    actions_.follow(doc_.get(), SelectedIsland());
}

Insel *TMainForm::SelectedIsland() const
{
    return mapPage_->SelectedIsland();
}

void TMainForm::controlChanged()
{
    auto *page = qobject_cast<DocumentPage *>(sender());
    const QString named = page ? StepNames::of(page->takeStepControl()) : QString();
    if (recorder_) {
        recorder_->controlChanged(named);
        // A step taken away leaves the stack's index where it was.
        updateActions();
    }
}

void TMainForm::RecordEdit(const QString &text)
{
    recorder_->record(text);
    updateActions();
}

bool TMainForm::fieldTakesKey(const QWidget *field, QKeyCombination keys) const
{
    const QKeySequence pressed(keys);
    if (actions_.undo->shortcuts().contains(pressed))
        return recorder_->fieldTakesKey(field, true);
    if (actions_.redo->shortcuts().contains(pressed))
        return recorder_->fieldTakesKey(field, false);
    return true;
}

void TMainForm::takeStep(bool back)
{
    if (!doc_)
        return;
    RecordEdit();
    recorder_->endTyping();
    QUndoStack *stack = doc_->undoStack();
    if (back ? !stack->canUndo() : !stack->canRedo())
        return;
    // The step about to be undone is the one before the stack's index, the
    // one to be redone the one at it.
    const ObjectRef target =
        static_cast<const DocumentEdit *>(stack->command(stack->index() - (back ? 1 : 0)))
            ->target();
    if (back)
        stack->undo();
    else
        stack->redo();
    {
        const EditRecorder::Quiet quiet(*recorder_);
        for (DocumentPage *page : documentPages_)
            page->refresh();
        if (!navigator_->show(target))
            navigator_->showMapWithoutSelection();
    }
    updateTitle();
    updateActions();
}

void TMainForm::updateTitle()
{
    // Qt shows the file's name with "[*]" standing for the change mark, then
    // the program's name.
    setWindowFilePath(doc_ ? doc_->FilePath() : QString());
    setWindowModified(doc_ && doc_->isModified());
}

void TMainForm::MainPageControlChanging(int index)
{
    if (index > 0)
        buildDocumentPages();
    // Leaving the missions or the players page writes it into its records.
    for (DocumentPage *page :
         {static_cast<DocumentPage *>(missionsPage_), static_cast<DocumentPage *>(playersPage_)}) {
        if (doc_ && page && pages_->indexOf(page->parentWidget()) == shownPage_)
            page->commit();
    }
    shownPage_ = index;
    RecordEdit();
}

void TMainForm::commitMissions()
{
    if (missionsPage_)
        missionsPage_->commit();
}

void TMainForm::discardDocument()
{
    recorder_->setDocument(nullptr);
    navigator_->setDocument(nullptr);
    for (DocumentPage *page : documentPages_)
        page->attach(nullptr);
    checkDock_->follow(nullptr);
    doc_.reset();
    updateTitle();
    updateActions();
}

bool TMainForm::closeScenario()
{
    return fileActions_->closeScenario();
}

bool TMainForm::openScenario(const QString &path)
{
    return fileActions_->openScenario(path);
}

void TMainForm::openAndSelect(const QString &path)
{
    fileActions_->openAndSelect(path);
}

void TMainForm::holdRepaints(bool held)
{
    mapPage_->objectTree()->setUpdatesEnabled(!held);
    if (!held)
        updateActions();
}

void TMainForm::adoptDocument(std::unique_ptr<RumoSzen> doc, const QString &path)
{
    doc_ = std::move(doc);
    connect(doc_.get(), &RumoSzen::modifiedChanged, this, [this] {
        updateTitle();
        updateActions();
    });
    connect(doc_->undoStack(), &QUndoStack::indexChanged, this, &TMainForm::updateActions);
    recorder_->setDocument(doc_.get());
    navigator_->setDocument(doc_.get());
    {
        const EditRecorder::Quiet quiet(*recorder_);
        for (DocumentPage *page : documentPages_)
            page->attach(doc_.get());
    }
    statusLine_->showPath(path);
    statusLine_->showTile(QString());
    doc_->SetModified(false);
    // A save under a new name changes the path without a change of the
    // count: the title is written here in any case.
    updateTitle();
    setPagesEnabled(true);
    rememberFile(path);
    // The check's findings follow the scenario that is open.
    checkDock_->follow(doc_.get());
}

void TMainForm::showSavedAs(const QString &path)
{
    statusLine_->showPath(path);
    updateTitle();
    rememberFile(path);
    selectInFolderTree(path);
}

void TMainForm::selectInFolderTree(const QString &path)
{
    folderTree_->refresh(path);
    folderTree_->selectPath(path);
}

void TMainForm::checkScenario()
{
    if (!doc_)
        return;
    // The check reads the records: what the pages show goes into them
    // first, as before a save.
    for (DocumentPage *page : documentPages_)
        page->commit();
    checkDock_->showFindings(ScenarioCheck::Run(*doc_));
    checkDock_->show();
    checkDock_->raise();
}

void TMainForm::StShellTreeView1FolderSelected(const QString &path)
{
    if (!IsScenarioFile(path) || !QFileInfo(path).isFile()) {
        // The document was closed on the way here: nothing of it stays in
        // view.
        if (settings_ && QFileInfo(path).isDir())
            settings_->setValue(kFolderKey, path);
        if (!doc_)
            showNoDocument();
        return;
    }
    currentFolder_ = QFileInfo(path).absolutePath();
    openScenario(path);
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    if (closeScenario()) {
        saveWindowSettings();
        event->accept();
    } else {
        event->ignore();
    }
}

void TMainForm::dragEnterEvent(QDragEnterEvent *event)
{
    if (!localFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent *event)
{
    const QStringList paths = localFiles(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    // The file manager waits for the drop to end; the questions come after.
    QMetaObject::invokeMethod(
        this, [this, paths] { fileActions_->openDropped(paths); }, Qt::QueuedConnection);
}
