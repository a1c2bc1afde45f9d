#include "editor/app/tmainform.h"

#include "core/check/scenariocheck.h"
#include "core/common/messages.h"
#include "core/common/noticelist.h"
#include "core/document/edithistory.h"
#include "core/document/rumoszen.h"
#include "core/document/scenariofiles.h"
#include "core/format/chunknames.h"
#include "core/game/gamepath.h"
#include "editor/app/checkdock.h"
#include "editor/app/editrecorder.h"
#include "editor/app/foldertree.h"
#include "editor/app/helpdialog.h"
#include "editor/app/keyboardwatch.h"
#include "editor/app/mainactions.h"
#include "editor/app/mappicture.h"
#include "editor/app/prompts.h"
#include "editor/app/recentfiles.h"
#include "editor/campaign/tkampform.h"
#include "editor/goods/tschiffwaren.h"
#include "editor/goods/twareform.h"
#include "editor/goods/twarenauswahl.h"
#include "editor/map/mappage.h"
#include "editor/map/objecttree.h"
#include "editor/pages/tabauftraege.h"
#include "editor/pages/tabsettings.h"
#include "editor/pages/tabspieler.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QUndoStack>
#include <QUrl>
#include <QVBoxLayout>
#include <utility>

namespace {

const QStringList kOpenFilters = {QStringLiteral("Alle Szenarien (*.szs *.szm *.mfs *.mfm *.gam)"),
                                  QStringLiteral("Vo Einzelspieler (*.szs)"),
                                  QStringLiteral("Vo Mehrspieler (*.szm)"),
                                  QStringLiteral("Rumo Einzelspieler (*.mfs)"),
                                  QStringLiteral("Rumo Mehrspieler (*.mfm)"),
                                  QStringLiteral("Spielstand (*.gam)"),
                                  QStringLiteral("Alle Dateien (*)")};
// In this order: the second means ".szm".
const QStringList kSaveFilters = {QStringLiteral("Vo Einzelspieler (*.szs)"),
                                  QStringLiteral("Vo Mehrspieler (*.szm)")};

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
        SetChosenGameFolder(settings_->value(kGameFolderKey).toString());
    }

    connectActions();
    createMenuAndToolBar();
    createPages();

    auto *statusLine = new QStatusBar(this);
    statusLine->setObjectName(QStringLiteral("StatusLine"));
    const int widths[3] = {400, 80, 50};
    for (int i = 0; i < 3; ++i) {
        status_[i] = new QLabel(statusLine);
        status_[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
        status_[i]->setFixedWidth(widths[i]);
        statusLine->addWidget(status_[i]);
    }
    setStatusBar(statusLine);

    recorder_ = new EditRecorder(this, [this] {
        for (DocumentPage *page : documentPages_)
            page->Commit();
    });
    new KeyboardWatch(
        this, [this](int key, bool alt, QWidget *to) { return ArrowKeyUsed(key, alt, to); },
        [this](QWidget *field, QKeyCombination keys) { return FieldTakesKey(field, keys); });

    restoreSettings();
    UpdateActions();
}

TMainForm::~TMainForm()
{
    // Widgets going away move the focus and fill controls; nothing is an
    // edit any more.
    for (DocumentPage *page : documentPages_)
        disconnect(page, nullptr, this, nullptr);
    delete std::exchange(recorder_, nullptr);
}

bool TMainForm::ArrowKeyUsed(int key, bool alt, QWidget *to)
{
    // Plain arrow keys belong to the control that has them (the object tree
    // moves its selection, an edit its cursor), except on the map itself;
    // with Alt they move the island from anywhere in the window.
    if (pages_->currentWidget() != mapPage_ || (!alt && !mapPage_->IsMap(to)))
        return false;
    return mapPage_->ArrowKey(key);
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
    folderTree_->SelectPath(start.isEmpty() ? FirstStartFolder(GamePath()) : start);
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
    recentFiles_->Remember(file);
    if (settings_)
        settings_->setValue(kFolderKey, QFileInfo(file).absolutePath());
}

void TMainForm::SelectFolder(const QString &folder)
{
    folderTree_->Refresh(folder);
    folderTree_->SelectPath(folder, true);
}

void TMainForm::ChooseGameFolder()
{
    const QString start = GamePath().isEmpty() ? QDir::homePath() : GamePath();
    const QString folder =
        Prompts::Current().ChooseFolder(this, msg::chooseGameFolderTitle(), start);
    if (folder.isEmpty())
        return;
    if (!QFileInfo::exists(ResolveGameFile(folder, QStringLiteral("Brim.exe"))) &&
        !Prompts::Current().AskYesNo(
            this, msg::askUseGameFolderWithoutGame(QDir::toNativeSeparators(folder))))
        return;
    SetChosenGameFolder(folder);
    if (settings_)
        settings_->setValue(kGameFolderKey, QDir::cleanPath(folder));
    Prompts::Current().Message(this, msg::gameFolderChosen(QDir::toNativeSeparators(folder)));
}

void TMainForm::ShowAbout()
{
    Prompts::Current().About(this, msg::aboutTitle(),
                             msg::aboutText(QCoreApplication::applicationVersion()));
}

void TMainForm::connectActions()
{
    connect(actions_.gameFolder, &QAction::triggered, this, &TMainForm::ChooseGameFolder);
    connect(actions_.help, &QAction::triggered, this, [this] { ShowHelpDialog(this); });
    connect(actions_.about, &QAction::triggered, this, &TMainForm::ShowAbout);
    connect(actions_.aboutQt, &QAction::triggered, qApp, &QApplication::aboutQt);
    connect(actions_.check, &QAction::triggered, this, &TMainForm::CheckActionExecute);

    connect(actions_.open, &QAction::triggered, this, &TMainForm::OpenActionExecute);
    connect(actions_.save, &QAction::triggered, this, &TMainForm::SaveActionExecute);
    connect(actions_.saveAs, &QAction::triggered, this, &TMainForm::SaveAsActionExecute);
    connect(actions_.revert, &QAction::triggered, this, &TMainForm::RevertActionExecute);
    connect(actions_.exit, &QAction::triggered, this, &QWidget::close);
    connect(actions_.saveInsel, &QAction::triggered, this, &TMainForm::SaveInselActionExecute);
    connect(actions_.saveMapPicture, &QAction::triggered, this, [this] {
        if (doc_)
            SaveMapPicture(this, *doc_, currentFolder_);
    });
    connect(actions_.deleteIsland, &QAction::triggered, this, [this] {
        RecordEdit();
        mapPage_->DeleteSelectedIsland();
    });
    connect(actions_.insertIsland, &QAction::triggered, this, [this] {
        RecordEdit();
        pages_->setCurrentWidget(mapPage_);
        mapPage_->InsertIsland();
    });
    connect(actions_.duplicateIsland, &QAction::triggered, this, [this] {
        RecordEdit();
        pages_->setCurrentWidget(mapPage_);
        mapPage_->DuplicateSelectedIsland();
    });
    connect(actions_.undo, &QAction::triggered, this, [this] { TakeStep(true); });
    connect(actions_.redo, &QAction::triggered, this, [this] { TakeStep(false); });

    inselPopup_ = new QMenu(this);
    inselPopup_->setObjectName(QStringLiteral("InselPopup"));
    inselPopup_->addActions({actions_.saveInsel, actions_.deleteIsland});
    inselPopup_->addSeparator();
    inselPopup_->addActions({actions_.insertIsland, actions_.duplicateIsland});
}

void TMainForm::createMenuAndToolBar()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&Datei"));
    file->setObjectName(QStringLiteral("MainMenu1"));
    file->addAction(actions_.open);
    QMenu *recentMenu = file->addMenu(QStringLiteral("&Zuletzt geöffnet"));
    recentMenu->setObjectName(QStringLiteral("RecentMenu"));
    recentFiles_ = new ::RecentFiles(recentMenu, settings_, this);
    connect(recentFiles_, &::RecentFiles::openRequested, this, &TMainForm::OpenAndSelect);
    file->addActions({actions_.save, actions_.saveAs, actions_.revert});
    file->addSeparator();
    file->addAction(actions_.saveMapPicture);
    file->addSeparator();
    file->addAction(actions_.gameFolder);
    file->addSeparator();
    file->addAction(actions_.check);
    file->addSeparator();
    file->addAction(actions_.exit);
    QMenu *edit = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
    edit->setObjectName(QStringLiteral("EditMenu"));
    edit->addActions({actions_.undo, actions_.redo});
    edit->addSeparator();
    edit->addActions({actions_.insertIsland, actions_.duplicateIsland, actions_.deleteIsland});

    QMenu *help = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    help->addAction(actions_.help);
    help->addSeparator();
    help->addActions({actions_.about, actions_.aboutQt});

    QToolBar *bar = addToolBar(QStringLiteral("Werkzeuge"));
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setIconSize(QSize(31, 30));
    bar->setFixedHeight(42);
    bar->addActions({actions_.open, actions_.save, actions_.saveAs, actions_.revert});
    bar->addSeparator();
    bar->addActions({actions_.insertIsland, actions_.saveInsel, actions_.deleteIsland});
    bar->addSeparator();
    bar->addActions({actions_.undo, actions_.redo});
    bar->addSeparator();
    bar->addAction(actions_.exit);
    for (QAction *action : bar->actions()) {
        if (QWidget *button = bar->widgetForAction(action); button && !action->isSeparator())
            button->setFixedSize(38, 36);
    }
}

void TMainForm::createPages()
{
    auto *splitter = splitter_ = new QSplitter(this);
    splitter->setObjectName(QStringLiteral("Splitter1"));
    splitter->setHandleWidth(5);
    splitter->setChildrenCollapsible(false);

    folderTree_ = new FolderTree(splitter);
    folderTree_->setObjectName(QStringLiteral("StShellTreeView1"));
    folderTree_->SetBeforeChange([this] { return CloseScenario(); });
    connect(folderTree_, &FolderTree::itemSelected, this,
            &TMainForm::StShellTreeView1FolderSelected);

    pages_ = new QTabWidget(splitter);
    pages_->setObjectName(QStringLiteral("MainPageControl"));
    mapPage_ = new MapPage;
    pages_->addTab(mapPage_, QStringLiteral("Karte"));
    // The other pages are built when one of them is first shown; until then
    // their tabs hold empty hosts, so the window shows sooner.
    for (const QString &title :
         {QStringLiteral("Einstellungen"), QStringLiteral("Aufträge"), QStringLiteral("Spieler")}) {
        auto *host = new QWidget;
        (new QVBoxLayout(host))->setContentsMargins(0, 0, 0, 0);
        pages_->addTab(host, title);
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
        if (doc_ && wareForm().Execute(doc_.get(), city))
            RecordEdit(msg::editStock());
    });
    connect(mapPage_, &MapPage::cargoRequested, this, [this](ShipRecord ship) {
        RecordEdit();
        if (doc_ && schiffWaren().Execute(doc_.get(), ship))
            RecordEdit(msg::editCargo());
    });
    connect(mapPage_, &MapPage::cityOwnerChanged, this, [this](CityRecord city) {
        if (doc_ && wareForm_)
            wareForm_->Refresh(doc_.get(), city);
    });
    connect(mapPage_, &MapPage::stateChanged, this, &TMainForm::UpdateActions);
    connect(mapPage_, &MapPage::tileHovered, this,
            [this](const QString &text) { status_[1]->setText(text); });
    connect(mapPage_, &MapPage::islandMenuRequested, this,
            [this](QPoint at) { inselPopup_->exec(at); });

    // The check's findings below the pages, shown by "Szenario prüfen".
    checkDock_ = new CheckDock(this);
    addDockWidget(Qt::BottomDockWidgetArea, checkDock_);
    checkDock_->hide();
    connect(checkDock_, &CheckDock::objectRequested, this, &TMainForm::ShowCheckObject);

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
            [this](const QString &number) { campaignEditor().Open(number); });
    for (QAction *action : settingsPage_->switchActions())
        addAction(action);
    if (doc_) {
        // Filling the controls is no edit.
        const EditRecorder::Quiet quiet(*recorder_);
        for (DocumentPage *page : documentPages_) {
            if (page != mapPage_)
                page->Attach(doc_.get());
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
    mapPage_->ShowStartScreen();
    setPagesEnabled(false);
    for (QLabel *panel : status_)
        panel->clear();
}

void TMainForm::UpdateActions()
{
    const bool open = doc_ != nullptr;
    const Insel *island = SelectedIsland();
    actions_.save->setEnabled(open && doc_->isModified());
    actions_.saveAs->setEnabled(open);
    actions_.revert->setEnabled(open && doc_->isModified());
    actions_.saveInsel->setEnabled(open && island);
    actions_.saveMapPicture->setEnabled(open);
    actions_.ShowDeleteIsland(island, open && island && doc_->canDeleteIsland(*island));
    actions_.insertIsland->setEnabled(open);
    actions_.duplicateIsland->setEnabled(open && island);
    QUndoStack *stack = open ? doc_->undoStack() : nullptr;
    actions_.undo->setEnabled(open && stack->canUndo());
    // Names of cities and ships may hold an "&", which is no mnemonic here.
    auto literal = [](QString text) { return text.replace(QLatin1Char('&'), QLatin1String("&&")); };
    actions_.undo->setText(literal(msg::undoStep(stack ? stack->undoText() : QString())));
    actions_.redo->setEnabled(open && stack->canRedo());
    actions_.redo->setText(literal(msg::redoStep(stack ? stack->redoText() : QString())));
    actions_.check->setEnabled(open);
}

Insel *TMainForm::SelectedIsland() const
{
    return mapPage_->SelectedIsland();
}

void TMainForm::controlChanged()
{
    auto *page = qobject_cast<DocumentPage *>(sender());
    const QString named = page ? page->takeStepName() : QString();
    if (recorder_) {
        recorder_->controlChanged(named);
        // A step taken away leaves the stack's index where it was.
        UpdateActions();
    }
}

void TMainForm::RecordEdit(const QString &text)
{
    recorder_->Record(text);
    UpdateActions();
}

bool TMainForm::FieldTakesKey(const QWidget *field, QKeyCombination keys) const
{
    const QKeySequence pressed(keys);
    if (actions_.undo->shortcuts().contains(pressed))
        return recorder_->FieldTakesKey(field, true);
    if (actions_.redo->shortcuts().contains(pressed))
        return recorder_->FieldTakesKey(field, false);
    return true;
}

void TMainForm::TakeStep(bool back)
{
    if (!doc_)
        return;
    RecordEdit();
    recorder_->EndTyping();
    QUndoStack *stack = doc_->undoStack();
    if (back ? !stack->canUndo() : !stack->canRedo())
        return;
    // The step about to be undone is the one before the stack's index, the
    // one to be redone the one at it.
    const EditTarget target =
        static_cast<const DocumentEdit *>(stack->command(stack->index() - (back ? 1 : 0)))
            ->target();
    if (back)
        stack->undo();
    else
        stack->redo();
    ShowStep(target);
}

void TMainForm::ShowStep(const EditTarget &target)
{
    if (target.page != EditTarget::Page::Map)
        buildDocumentPages();
    const EditRecorder::Quiet quiet(*recorder_);
    for (DocumentPage *page : documentPages_)
        page->Refresh();
    switch (target.page) {
    case EditTarget::Page::Map:
        pages_->setCurrentWidget(mapPage_);
        // A deleted island has no node; nothing is selected then.
        mapPage_->SelectObject(target.island, target.record);
        break;
    case EditTarget::Page::Settings:
        pages_->setCurrentWidget(settingsPage_->parentWidget());
        break;
    case EditTarget::Page::Missions:
        pages_->setCurrentWidget(missionsPage_->parentWidget());
        if (auto *tabs = missionsPage_->findChild<QTabBar *>(QStringLiteral("AuftragTabControl")))
            tabs->setCurrentIndex(target.index);
        break;
    case EditTarget::Page::Players:
        pages_->setCurrentWidget(playersPage_->parentWidget());
        if (auto *tabs = playersPage_->findChild<QTabBar *>(QStringLiteral("SpielerTabControl")))
            tabs->setCurrentIndex(target.index);
        break;
    }
    UpdateTitle();
    UpdateActions();
}

void TMainForm::UpdateTitle()
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
            page->Commit();
    }
    shownPage_ = index;
    RecordEdit();
}

Result<void> TMainForm::SaveDocument(const QString &path)
{
    RecordEdit();
    return doc_->Save(path);
}

bool TMainForm::MissionTextsMayBeLost()
{
    // The mission chunk ends at the first mission without a text; a text
    // behind it would vanish without a word.
    if (missionsPage_)
        missionsPage_->Commit();
    const QList<int> lost = doc_->missions().unsavedTexts();
    if (lost.isEmpty())
        return true;
    QList<int> numbers;
    for (int m : lost)
        numbers << m + 1;
    return Prompts::Current().WarnOkCancel(
        this, msg::missionTextsDropped(numbers, doc_->missions().usedCount() + 1));
}

void TMainForm::ShowPath(const QString &path)
{
    status_[0]->setText(ShortenPath(QDir::toNativeSeparators(path),
                                    status_[0]->contentsRect().width(), status_[0]->fontMetrics()));
}

void TMainForm::discardDocument()
{
    recorder_->SetDocument(nullptr);
    for (DocumentPage *page : documentPages_)
        page->Attach(nullptr);
    checkDock_->Follow(nullptr);
    doc_.reset();
    UpdateTitle();
    UpdateActions();
}

bool TMainForm::CloseScenario()
{
    if (!doc_)
        return true;
    if (doc_->isModified()) {
        switch (Prompts::Current().AskYesNoCancel(this, msg::askSaveChanges())) {
        case Prompts::Answer::Cancel:
            return false;
        case Prompts::Answer::Yes:
            if (!MissionTextsMayBeLost())
                return false;
            if (const Result<void> saved = SaveDocument(doc_->FilePath()); !saved) {
                Prompts::Current().Error(this, msg::saveFailed(saved.error()));
                return false;
            }
            break;
        case Prompts::Answer::No:
            break;
        }
    }
    discardDocument();
    return true;
}

bool TMainForm::OpenScenario(const QString &requested)
{
    const QString path = QFileInfo(requested).absoluteFilePath();
    QTreeWidget *tree = mapPage_->objectTree();
    tree->setUpdatesEnabled(false);
    if (!CloseScenario()) {
        tree->setUpdatesEnabled(true);
        return false;
    }
    auto doc = std::make_unique<RumoSzen>();
    const auto loaded = doc->Load(path);
    // One window for all notices of the load, however many records gave them.
    if (!doc->notices().isEmpty())
        Prompts::Current().Notices(this, msg::noticesIntro(QFileInfo(path).fileName()),
                                   GroupNotices(doc->notices()));
    if (!loaded) {
        // The scenario before is closed: nothing of it stays in view.
        showNoDocument();
        Prompts::Current().Message(
            this,
            msg::withReason(msg::scenarioNotRead(QDir::toNativeSeparators(path)), loaded.error()));
    } else {
        doc_ = std::move(doc);
        connect(doc_.get(), &RumoSzen::modifiedChanged, this, [this] {
            UpdateTitle();
            UpdateActions();
        });
        connect(doc_->undoStack(), &QUndoStack::indexChanged, this, &TMainForm::UpdateActions);
        recorder_->SetDocument(doc_.get());
        {
            const EditRecorder::Quiet quiet(*recorder_);
            for (DocumentPage *page : documentPages_)
                page->Attach(doc_.get());
        }
        ShowPath(path);
        status_[1]->clear();
        doc_->SetModified(false);
        // A save under a new name changes the path without a change of the
        // count: the title is written here in any case.
        UpdateTitle();
        setPagesEnabled(true);
        rememberFile(path);
        // The check's findings follow the scenario that is open.
        checkDock_->Follow(doc_.get());
    }
    tree->setUpdatesEnabled(true);
    UpdateActions();
    return true;
}

void TMainForm::OpenActionExecute()
{
    const QString folder = currentFolder_.isEmpty() && doc_
                               ? QFileInfo(doc_->FilePath()).absolutePath()
                               : currentFolder_;
    const Prompts::FileChoice choice =
        Prompts::Current().OpenFile(this, folder, kOpenFilters, msg::openScenarioTitle());
    if (!choice.path.isEmpty())
        OpenAndSelect(choice.path);
}

void TMainForm::OpenAndSelect(const QString &path)
{
    // A cancelled question leaves the tree where it was.
    if (!OpenScenario(path))
        return;
    folderTree_->Refresh(path);
    folderTree_->SelectPath(path);
}

void TMainForm::SaveActionExecute()
{
    if (!doc_ || !MissionTextsMayBeLost())
        return;
    if (const Result<void> saved = SaveDocument(doc_->FilePath()); !saved)
        Prompts::Current().Error(this, msg::saveFailed(saved.error()));
}

void TMainForm::SaveAsActionExecute()
{
    if (!doc_)
        return;
    if (saveAsFolder_.isEmpty())
        saveAsFolder_ = currentFolder_;
    const QString folder =
        saveAsFolder_.isEmpty() ? QFileInfo(doc_->FilePath()).absolutePath() : saveAsFolder_;
    const QString proposed =
        withExtension(QDir(folder).filePath(doc_->FileName()), QStringLiteral(".szs"));
    const Prompts::FileChoice choice =
        Prompts::Current().SaveFile(this, proposed, kSaveFilters, msg::saveScenarioAsTitle());
    if (choice.path.isEmpty())
        return;
    const QString target =
        withExtension(choice.path, kSaveExtensions.value(choice.filter, kSaveExtensions[0]));
    // The file dialog asked about the name it was given; a name that the
    // filter's extension changed is asked about here.
    if (QFileInfo(target).absoluteFilePath() != QFileInfo(choice.path).absoluteFilePath() &&
        QFileInfo::exists(target) &&
        !Prompts::Current().AskYesNo(this, msg::askReplaceFile(QDir::toNativeSeparators(target))))
        return;
    if (!MissionTextsMayBeLost())
        return;
    if (const Result<void> saved = SaveDocument(target); !saved) {
        Prompts::Current().Error(this, msg::saveFailed(saved.error()));
        return;
    }
    ShowPath(target);
    UpdateTitle();
    rememberFile(target);
    folderTree_->Refresh(target);
    folderTree_->SelectPath(target);
}

// Writes the selected island as an island template file.
void TMainForm::SaveInselActionExecute()
{
    const Insel *island = SelectedIsland();
    if (!island)
        return;
    const Prompts::FileChoice choice = Prompts::Current().SaveFile(
        this, currentFolder_.isEmpty() ? QString() : currentFolder_ + QDir::separator(),
        {QStringLiteral("Brim Inseldateien (*.scp)")}, msg::saveIslandTitle());
    if (choice.path.isEmpty())
        return;
    QString path = choice.path;
    // The extension counts from the last dot of the file name, letter case
    // included: "insel.SCP" becomes "insel.SCP.scp", as the game expects.
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || name.mid(dot) != QLatin1String(".scp"))
        path += QLatin1String(".scp");
    if (const Result<void> exported = doc_->exportIsland(*island, path); !exported)
        Prompts::Current().Error(this, msg::exportFailed(path, exported.error()));
}

void TMainForm::CheckActionExecute()
{
    if (!doc_)
        return;
    // The check reads the records: what the pages show goes into them
    // first, as before a save.
    for (DocumentPage *page : documentPages_)
        page->Commit();
    checkDock_->Show(ScenarioCheck::Run(*doc_));
    checkDock_->show();
    checkDock_->raise();
}

void TMainForm::ShowCheckObject(const CheckObject &object)
{
    if (!doc_)
        return;
    using Kind = CheckObject::Kind;
    ObjectTree *tree = mapPage_->objectTree();
    auto selectOnMap = [&](const void *thing) {
        if (QTreeWidgetItem *node = thing ? tree->NodeOf(thing) : nullptr) {
            pages_->setCurrentWidget(mapPage_);
            tree->setCurrentItem(node);
            tree->scrollToItem(node);
        }
    };
    // The pages after the map are built when first shown; showing their tab
    // builds them.
    enum { SettingsTab = 1, MissionsTab = 2, PlayersTab = 3 };
    auto showTab = [&](int page, const char *tabBar, int index) {
        pages_->setCurrentIndex(page);
        auto *tabs = pages_->widget(page)->findChild<QTabBar *>(QLatin1String(tabBar));
        if (tabs && index >= 0)
            tabs->setCurrentIndex(index);
    };
    switch (object.kind) {
    case Kind::Island:
        selectOnMap(doc_->island(object.id));
        break;
    case Kind::City: {
        const Insel *island = doc_->island(object.island);
        const CityRecord city = island ? island->cityInSlot(object.slot) : CityRecord();
        selectOnMap(city ? static_cast<const void *>(city.data()) : island);
        break;
    }
    case Kind::TradingPost:
    case Kind::Deer:
        selectOnMap(doc_->island(object.island));
        break;
    case Kind::Ship:
        if (object.id >= 0 && size_t(object.id) < doc_->Ships().size())
            selectOnMap(doc_->Ships()[size_t(object.id)].data());
        break;
    case Kind::Player:
        showTab(PlayersTab, "SpielerTabControl", object.id);
        break;
    case Kind::Mission:
        showTab(MissionsTab, "AuftragTabControl", object.id);
        break;
    case Kind::Chunk:
        // A chunk's page is the page of the records it holds.
        if (object.chunk == QLatin1String(ChunkNames::Players))
            showTab(PlayersTab, "", -1);
        else if (object.chunk == QLatin1String(ChunkNames::Missions))
            showTab(MissionsTab, "", -1);
        else if (object.chunk == QLatin1String(ChunkNames::Settings) ||
                 object.chunk == QLatin1String(ChunkNames::Campaign) ||
                 object.chunk == QLatin1String(ChunkNames::SavegameName))
            showTab(SettingsTab, "", -1);
        else if (QStringList{ChunkNames::Island, ChunkNames::OldIsland, ChunkNames::IslandLayer,
                             ChunkNames::Deer, ChunkNames::Cities, ChunkNames::TradingPosts,
                             ChunkNames::Ships, ChunkNames::Szene}
                     .contains(object.chunk))
            pages_->setCurrentWidget(mapPage_);
        break;
    case Kind::File:
        break;
    }
}

void TMainForm::RevertActionExecute()
{
    if (!doc_)
        return;
    if (doc_->isModified()) {
        if (!Prompts::Current().WarnOkCancel(this, msg::revertWarning()))
            return;
        doc_->SetModified(false);
    }
    OpenScenario(doc_->FilePath());
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
    OpenScenario(path);
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    if (CloseScenario()) {
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

// A dropped scenario opens (asking about unsaved changes first), a dropped
// folder is chosen in the folder tree; further files are named in a notice.
void TMainForm::dropEvent(QDropEvent *event)
{
    const QStringList paths = localFiles(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    // The file manager waits for the drop to end; the questions come after.
    const QString first = paths.first();
    const QStringList rest = paths.mid(1);
    QMetaObject::invokeMethod(
        this,
        [this, first, rest] {
            if (QFileInfo(first).isDir())
                SelectFolder(first);
            else
                OpenAndSelect(first);
            if (!rest.isEmpty()) {
                QStringList shown;
                for (const QString &path : rest)
                    shown << QDir::toNativeSeparators(path);
                Prompts::Current().Message(this, msg::furtherFilesNotOpened(shown));
            }
        },
        Qt::QueuedConnection);
}

QString TMainForm::ShortenPath(const QString &path, int width, const QFontMetrics &metrics)
{
    const QChar sep = QDir::separator();
    const QString dots = QStringLiteral("...") + sep;
    QString drive;
    QString rest = path;
    if (path.size() >= 2 && path.at(1) == QLatin1Char(':')) {
        drive = path.left(2);
        rest = path.mid(2);
    }
    const qsizetype lastSep = rest.lastIndexOf(sep);
    QString dir = rest.left(lastSep + 1);
    const QString name = rest.mid(lastSep + 1);

    while (metrics.horizontalAdvance(drive + dir + name) > width &&
           (!drive.isEmpty() || !dir.isEmpty())) {
        if (dir == sep + dots) {
            dir = dots;
            drive.clear();
        } else if (dir.isEmpty()) {
            drive.clear();
        } else if (dir == sep) {
            dir.clear();
        } else {
            const bool leadingSep = dir.startsWith(sep);
            if (leadingSep)
                dir.remove(0, 1);
            if (dir.startsWith(dots))
                dir.remove(0, dots.size());
            const qsizetype next = dir.indexOf(sep);
            dir = next < 0 ? QString() : dots + dir.mid(next + 1);
            if (leadingSep)
                dir.prepend(sep);
        }
    }
    return drive + dir + name;
}
