#include "core/common/bytes.h"
#include "core/common/messages.h"
#include "core/document/rumoszen.h"
#include "core/game/gamepath.h"
#include "editor/app/foldertree.h"
#include "editor/app/helpdialog.h"
#include "editor/app/startarguments.h"
#include "editor/app/tmainform.h"
#include "editor/map/objecttree.h"
#include "editor/widgets/statusline.h"
#include "support/gameinstallation.h"
#include "support/scenariobuilder.h"
#include "support/tempfiles.h"
#include "support/ui/scriptedprompts.h"
#include "support/ui/windowfixture.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QtTest>
#include <cerrno>
#include <cstring>

using namespace scenario;

namespace {

quint32 maxShipsIn(const QByteArray &file)
{
    const qsizetype at = file.indexOf("TIMERS");
    return le::u32(reinterpret_cast<const uchar *>(file.constData()) + at + 20, 192);
}

// The file without the player and mission chunks: saving from the editor
// stores the players and missions pages, which rewrites some of their bytes
// (the population levels go through their track bars); those pages have
// tests of their own.
QByteArray withoutPages(const QByteArray &file)
{
    QByteArray out;
    for (qsizetype at = 0; at + 20 <= file.size();) {
        const QByteArray name(file.constData() + at);
        const qint32 length = le::i32(reinterpret_cast<const uchar *>(file.constData()) + at, 16);
        if (name != "PLAYER4" && name != "AUFTRAG4")
            out += file.mid(at, 20 + length);
        at += 20 + length;
    }
    return out;
}

} // namespace

class TestMainWindow : public QObject, private WindowFixture {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void startsWithTheStartScreen();
    void openingShowsTheScenario();
    void titleAndActionsFollowTheChangeCount();
    void failedLoadLosesNothing();
    void failedOpenLeavesNothingOnScreen();
    void loadNoticesShowInOneWindow();
    void closeQuestionAnswers_data();
    void closeQuestionAnswers();
    void failedSaveKeepsTheDocumentModified();
    void saveAsTakesTheFiltersExtension();
    void saveAsAsksBeforeReplacingUnderTheAddedExtension_data();
    void saveAsAsksBeforeReplacingUnderTheAddedExtension();
    void statusLineNamesTheOpenFile();
    void saveWarnsOfMissionTextsItWillNotKeep_data();
    void saveWarnsOfMissionTextsItWillNotKeep();
    void revertAsksOnlyWhenModified();
    void folderTreeOpensScenarioFiles();
    void campaignButtonOpensTheCampaignEditor();
    void shortenPath_data();
    void shortenPath();
    void commandLine_data();
    void commandLine();
    void commandLineOpensTheFirstFileAndNamesTheRest();
    void settingsKeepWindowFolderAndRecentFiles();
    void droppedFileOpensAndDroppedFolderIsChosen();
    void standardShortcutsAndHelpMenu();
    void helpListsEveryShortcut();
    void deleteIslandSaysWhyItIsOff_data();
    void deleteIslandSaysWhyItIsOff();
    void firstStartFolder_data();
    void firstStartFolder();
    void firstStartShowsTheGamesScenarios();
    void commandLineFileOpensAfterTheFirstFrame();
    void chosenGameFolderIsUsedAndRemembered();
    void choosingAFolderEmptiesThePages();
    void rightClickInTheTreeOpensNothing();

private:
    QAction *action(const char *name) { return window_->findChild<QAction *>(name); }
    // The title as the window shows it, before Qt adds the program's name.
    QString shownTitle() const
    {
        return window_->windowTitle().replace(
            QStringLiteral("[*]"), window_->isWindowModified() ? QStringLiteral("*") : QString());
    }
    QString notRead(const QString &path, const QString &reason) const
    {
        return "message: " +
               msg::withReason(msg::scenarioNotRead(QDir::toNativeSeparators(path)), reason);
    }
    QString write(const QString &name, const QByteArray &bytes);
    void edit(const char *name, const QString &text);

    RichScenario rich_;
};

void TestMainWindow::initTestCase()
{
    // The game installation is looked up once per run: set it up first.
    setUpGame();
    rich_ = richScenario();
    rich_.install(*game_);
}

void TestMainWindow::init()
{
    setUpWindow();
}

void TestMainWindow::cleanup()
{
    tearDownWindow();
}

QString TestMainWindow::write(const QString &name, const QByteArray &bytes)
{
    const QString path = dir_->filePath(name);
    testfiles::write(path, bytes);
    return path;
}

void TestMainWindow::edit(const char *name, const QString &text)
{
    // The pages are built when first shown.
    window_->findChild<QTabWidget *>("MainPageControl")->setCurrentIndex(1);
    auto *edit = window_->findChild<QLineEdit *>(name);
    QVERIFY(edit);
    edit->setText(text);
}

void TestMainWindow::startsWithTheStartScreen()
{
    // Without a document Qt shows the program's name alone.
    QVERIFY(window_->windowTitle().isEmpty());
    QVERIFY(window_->windowFilePath().isEmpty());
    QCOMPARE(window_->size(), QSize(1001, 701));
    auto *pages = window_->findChild<QTabWidget *>("MainPageControl");
    QVERIFY(!pages->tabBar()->isEnabled());
    QVERIFY(!pages->widget(1)->isEnabled());
    for (const char *name : {"OpenAction", "ExitAction"})
        QVERIFY2(action(name)->isEnabled(), name);
    for (const char *name :
         {"SaveAction", "SaveAsAction", "RevertAction", "SaveInselAction", "DeleteIslandAction",
          "InsertIslandAction", "DuplicateIslandAction", "UndoAction", "RedoAction"})
        QVERIFY2(!action(name)->isEnabled(), name);

    QStringList bar;
    for (QAction *a : window_->findChild<QToolBar *>("ToolBar1")->actions())
        bar << (a->isSeparator() ? QStringLiteral("|") : a->objectName());
    QCOMPARE(bar, QStringList({"OpenAction", "SaveAction", "SaveAsAction", "RevertAction", "|",
                               "InsertIslandAction", "SaveInselAction", "DeleteIslandAction", "|",
                               "UndoAction", "RedoAction", "|", "ExitAction"}));
    QCOMPARE(action("SaveAction")->toolTip(), QStringLiteral("Speichern"));
    QCOMPARE(action("SaveAction")->statusTip(), QStringLiteral("Speichert die Datei"));
    QCOMPARE(action("RevertAction")->shortcut(), QKeySequence(QStringLiteral("Ctrl+R")));

    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QVERIFY(window_->findChild<QLabel *>("lbTitle1")->isVisible());
    QCOMPARE(window_->findChild<QLabel *>("lbTitle3")->text(),
             QStringLiteral("Version 1.0 - 10.09.2007"));
    QVERIFY(!window_->findChild<QWidget *>("Panel5")->isVisible());
    QVERIFY(!window_->findChild<QWidget *>("Panel8")->isVisible());
    QCOMPARE(window_->findChild<QLabel *>("StatusPanel1")->width(), 400);
}

void TestMainWindow::openingShowsTheScenario()
{
    const QString path = write("Spielstand.gam", rich_.file);
    window_->show();
    QVERIFY(window_->openScenario(path));
    QCOMPARE(window_->windowTitle(), QStringLiteral("Spielstand.gam[*]"));
    QCOMPARE(window_->windowFilePath(), path);
    QCOMPARE(shownTitle(), QStringLiteral("Spielstand.gam"));
    auto *pages = window_->findChild<QTabWidget *>("MainPageControl");
    QVERIFY(pages->tabBar()->isEnabled());
    QVERIFY(!window_->findChild<QLabel *>("lbTitle1")->isVisible());
    QVERIFY(window_->findChild<QWidget *>("Panel5")->isVisible());
    // The other pages come into being when first shown, filled from the
    // scenario, which that leaves unmodified.
    QVERIFY(!window_->findChild<QWidget *>("TabSettings"));
    pages->setCurrentIndex(1);
    QVERIFY(window_->findChild<QWidget *>("TabSettings")->isVisible());
    QVERIFY(window_->findChild<QWidget *>("TabSettings")->isEnabled());
    QVERIFY(window_->findChild<QLabel *>("StatusPanel1")->text().endsWith("Spielstand.gam"));
    QCOMPARE(window_->findChild<QLineEdit *>("editSchiffe")->text(), QStringLiteral("40"));
    QCOMPARE(window_->findChild<QLineEdit *>("editSzenName")->text(), QStringLiteral("Brimtest"));
    QVERIFY(!window_->document()->isModified());
    QVERIFY(action("SaveAsAction")->isEnabled());
    QVERIFY(!action("SaveAction")->isEnabled());
}

void TestMainWindow::titleAndActionsFollowTheChangeCount()
{
    const QString path = write("test.szs", rich_.file);
    QVERIFY(window_->openScenario(path));
    edit("editSchiffe", "77");
    QCOMPARE(shownTitle(), QStringLiteral("test.szs*"));
    QVERIFY(action("SaveAction")->isEnabled());
    QVERIFY(action("RevertAction")->isEnabled());

    action("SaveAction")->trigger();
    QCOMPARE(shownTitle(), QStringLiteral("test.szs"));
    QVERIFY(!action("SaveAction")->isEnabled());
    QCOMPARE(maxShipsIn(testfiles::read(path)), 77u);
    // The rest of the file is what a save without edits writes.
    QByteArray expected = rich_.saved;
    const qsizetype at = expected.indexOf("TIMERS") + 20 + 192;
    expected.replace(at, 4, QByteArray::fromHex("4d000000"));
    QCOMPARE(withoutPages(testfiles::read(path)), withoutPages(expected));
}

void TestMainWindow::failedLoadLosesNothing()
{
    const QString good = write("gut.szs", rich_.file);
    QVERIFY(window_->openScenario(good));
    const QString bad = write("kaputt.szs", chunk("CUSTOM", "nichts"));
    QVERIFY(window_->openScenario(bad));
    QCOMPARE(prompts_->shown, QStringList{notRead(bad, msg::noScenarioSettings())});
    QVERIFY(!window_->document());
    QVERIFY(window_->windowTitle().isEmpty());
    QVERIFY(!window_->isWindowModified());
    QVERIFY(!action("SaveAsAction")->isEnabled());
    QCOMPARE(testfiles::read(good), rich_.file);
}

// A file that cannot be read leaves the window as it is without a scenario:
// nothing of the one before stays on screen or can be edited.
void TestMainWindow::failedOpenLeavesNothingOnScreen()
{
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QVERIFY(window_->openScenario(write("gut.szs", rich_.file)));
    auto *pages = window_->findChild<QTabWidget *>("MainPageControl");
    pages->setCurrentIndex(3);
    QVERIFY(window_->findChild<QWidget *>("TabSpieler")->isVisible());
    const QString bad = write("kaputt.szs", chunk("CUSTOM", "nichts"));
    QVERIFY(window_->openScenario(bad));
    QCOMPARE(prompts_->shown, QStringList{notRead(bad, msg::noScenarioSettings())});

    QCOMPARE(pages->currentIndex(), 0);
    QVERIFY(!pages->tabBar()->isEnabled());
    for (int page = 1; page < pages->count(); ++page) {
        QVERIFY(!pages->isTabEnabled(page));
        QVERIFY(!pages->widget(page)->isEnabled());
    }
    for (const char *name : {"TabSettings", "TabAuftraege", "TabSpieler"})
        QVERIFY2(window_->findChild<QWidget *>(name)->isHidden(), name);
    QVERIFY(window_->findChild<QLabel *>("lbTitle1")->isVisible());
    QVERIFY(!window_->findChild<QWidget *>("Panel5")->isVisible());
    QVERIFY(!window_->findChild<QWidget *>("Panel8")->isVisible());
    for (const char *name : {"ZoomInAction", "ZoomOutAction", "ZoomFitAction"})
        QVERIFY2(!action(name)->isEnabled(), name);
    for (QLabel *panel : window_->findChild<QStatusBar *>("StatusLine")->findChildren<QLabel *>())
        QVERIFY2(panel->text().isEmpty(), qPrintable(panel->text()));

    // The next scenario brings the pages back.
    QVERIFY(window_->openScenario(write("wieder.szs", rich_.file)));
    pages->setCurrentIndex(3);
    QVERIFY(window_->findChild<QWidget *>("TabSpieler")->isVisible());
    QVERIFY(window_->findChild<QWidget *>("TabSpieler")->isEnabled());
}

// However many records give a notice, the user gets one window: each text
// once, in the order it first arose, with its count.
void TestMainWindow::loadNoticesShowInOneWindow()
{
    // A chunk of island 3's deer holding 5000 records of island 7: each is
    // rejected with the same notice.
    QByteArray herd = deer(3);
    for (int i = 0; i < 5000; ++i)
        herd += deer(7);
    const QString path = write("hirsch.szs", chunk("INSEL5", islandRecord({})) +
                                                 chunk("HIRSCH2", deer(1) + deer(2) + deer(3)) +
                                                 chunk("SZENE", szene({islandReference({3})})) +
                                                 chunk("HIRSCH2", herd) + minimalScenario());
    QVERIFY(window_->openScenario(path));
    QCOMPARE(prompts_->shown,
             QStringList({"notices: " + msg::noticesIntro("hirsch.szs"),
                          "notice: " + msg::invalidIslandNumber() + QStringLiteral(" (5002×)"),
                          "notice: klimanr: 3"}));
    QVERIFY(window_->document());
}

void TestMainWindow::closeQuestionAnswers_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("opened");
    QTest::addColumn<quint32>("savedShips");
    QTest::newRow("cancel keeps the document") << int(Prompts::Answer::Cancel) << false << 40u;
    QTest::newRow("no drops the changes") << int(Prompts::Answer::No) << true << 40u;
    QTest::newRow("yes saves first") << int(Prompts::Answer::Yes) << true << 12u;
}

// The unsaved-changes question, asked when opening another file.
void TestMainWindow::closeQuestionAnswers()
{
    QFETCH(int, answer);
    QFETCH(bool, opened);
    QFETCH(quint32, savedShips);
    const QString first = write("erste.szs", rich_.file);
    const QString second = write("zweite.szs", minimalScenario());
    QVERIFY(window_->openScenario(first));
    edit("editSchiffe", "12");
    prompts_->answers << Prompts::Answer(answer);

    QCOMPARE(window_->openScenario(second), opened);
    QCOMPARE(prompts_->shown, QStringList{"question: " + msg::askSaveChanges()});
    QCOMPARE(window_->document()->FileName(),
             opened ? QStringLiteral("zweite.szs") : QStringLiteral("erste.szs"));
    QCOMPARE(window_->document()->isModified(), !opened);
    QCOMPARE(maxShipsIn(testfiles::read(first)), savedShips);
}

void TestMainWindow::failedSaveKeepsTheDocumentModified()
{
    QTemporaryDir gone;
    const QString path = gone.filePath("weg.szs");
    testfiles::write(path, rich_.file);
    QVERIFY(window_->openScenario(path));
    edit("editSchiffe", "5");
    QVERIFY(gone.remove()); // the folder vanished: nothing can be written there

    action("SaveAction")->trigger();
    QCOMPARE(
        prompts_->shown,
        QStringList{"error: " + msg::saveFailed(QString::fromLocal8Bit(std::strerror(ENOENT)))});
    QVERIFY(window_->document()->isModified());
    QCOMPARE(shownTitle(), QStringLiteral("weg.szs*"));

    // Closing the window asks, and a failed save cancels the close.
    prompts_->answers << Prompts::Answer::Yes;
    window_->show();
    QVERIFY(!window_->close());
    QVERIFY(window_->document());
    QCOMPARE(prompts_->shown.last(),
             "error: " + msg::saveFailed(QString::fromLocal8Bit(std::strerror(ENOENT))));
    prompts_->answers << Prompts::Answer::No;
    QVERIFY(window_->close());
}

void TestMainWindow::saveAsTakesTheFiltersExtension()
{
    const QString path = write("Spielstand.gam", rich_.file);
    QVERIFY(window_->openScenario(path));
    prompts_->files << Prompts::FileChoice{dir_->filePath("Neu.szs"), 1};
    action("SaveAsAction")->trigger();
    QCOMPARE(prompts_->shown, QStringList{"save: " + dir_->filePath("Spielstand.szs")});
    const QString target = dir_->filePath("Neu.szm");
    QCOMPARE(withoutPages(testfiles::read(target)), withoutPages(rich_.saved));
    QCOMPARE(window_->document()->FilePath(), target);
    QCOMPARE(shownTitle(), QStringLiteral("Neu.szm"));
    QCOMPARE(testfiles::read(path), rich_.file);

    // A failed Save As keeps path, name and change count.
    edit("editSchiffe", "9");
    prompts_->files << Prompts::FileChoice{dir_->filePath("fehlt/x.szs"), 0};
    action("SaveAsAction")->trigger();
    QCOMPARE(prompts_->shown.last(),
             "error: " + msg::saveFailed(QString::fromLocal8Bit(std::strerror(ENOENT))));
    QCOMPARE(window_->document()->FilePath(), target);
    QCOMPARE(window_->document()->ModifiedCount(), 1);
}

void TestMainWindow::saveAsAsksBeforeReplacingUnderTheAddedExtension_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<bool>("replaced");
    // The file dialog itself asked about a name it was given in full.
    QTest::newRow("name as chosen") << "Ziel.szs" << true << QList<bool>{} << true;
    QTest::newRow("extension added, yes") << "Ziel" << true << QList<bool>{true} << true;
    QTest::newRow("extension added, no") << "Ziel" << true << QList<bool>{false} << false;
    QTest::newRow("extension replaced, no") << "Ziel.txt" << true << QList<bool>{false} << false;
    QTest::newRow("extension added, new file") << "Ziel" << false << QList<bool>{} << true;
}

void TestMainWindow::saveAsAsksBeforeReplacingUnderTheAddedExtension()
{
    QFETCH(QString, chosen);
    QFETCH(bool, exists);
    QFETCH(QList<bool>, answers);
    QFETCH(bool, replaced);
    const QString source = write("Quelle.szs", rich_.file);
    const QString target = dir_->filePath("Ziel.szs");
    const QByteArray old = minimalScenario();
    if (exists)
        testfiles::write(target, old);
    QVERIFY(window_->openScenario(source));
    prompts_->files << Prompts::FileChoice{dir_->filePath(chosen), 0};
    prompts_->yesNo = answers;

    action("SaveAsAction")->trigger();
    QStringList expected{"save: " + dir_->filePath("Quelle.szs")};
    if (!answers.isEmpty())
        expected << "yes/no: " + msg::askReplaceFile(QDir::toNativeSeparators(target));
    QCOMPARE(prompts_->shown, expected);
    QCOMPARE(testfiles::read(target) != old || !exists, replaced);
    QCOMPARE(window_->document()->FilePath(), replaced ? target : source);
    QCOMPARE(testfiles::read(source), rich_.file);
}

// The first status panel names the file the document belongs to: the new
// one after Save As, and none after a failed load, which closed the last.
void TestMainWindow::statusLineNamesTheOpenFile()
{
    auto *panel = window_->findChild<QLabel *>("StatusPanel1");
    QVERIFY(window_->openScenario(write("alt.szs", rich_.file)));
    QVERIFY(panel->text().endsWith("alt.szs"));
    prompts_->files << Prompts::FileChoice{dir_->filePath("neu.szs"), 0};
    action("SaveAsAction")->trigger();
    QVERIFY2(panel->text().endsWith("neu.szs"), qPrintable(panel->text()));

    const QString broken = write("kaputt.szs", chunk("CUSTOM", "nichts"));
    QVERIFY(window_->openScenario(broken));
    QVERIFY(!window_->document());
    QVERIFY2(panel->text().isEmpty(), qPrintable(panel->text()));
    QCOMPARE(prompts_->shown.last(), notRead(broken, msg::noScenarioSettings()));
}

void TestMainWindow::saveWarnsOfMissionTextsItWillNotKeep_data()
{
    QTest::addColumn<QByteArrayList>("texts");
    QTest::addColumn<QList<int>>("lost");
    QTest::addColumn<int>("empty");
    QTest::newRow("all kept") << QByteArrayList{"Eins", "Zwei", "", ""} << QList<int>{} << 0;
    QTest::newRow("fourth behind an empty third")
        << QByteArrayList{"Eins", "Zwei", "", "Vier"} << QList<int>{4} << 3;
    QTest::newRow("three behind an empty first")
        << QByteArrayList{" \r\n", "Zwei", "Drei", "Vier"} << QList<int>{2, 3, 4} << 1;
}

// The mission chunk ends at the first mission without a text; saving tells
// which texts that loses, and Cancel saves nothing.
void TestMainWindow::saveWarnsOfMissionTextsItWillNotKeep()
{
    QFETCH(QByteArrayList, texts);
    QFETCH(QList<int>, lost);
    QFETCH(int, empty);
    QByteArray missions;
    for (int m = 0; m < 4; ++m)
        missions += mission(m, texts[m]);
    const QByteArray file = chunk("AUFTRAG4", missions) + minimalScenario();
    const QString path = write("auftrag.szs", file);
    QVERIFY(window_->openScenario(path));
    edit("editSchiffe", "12");

    prompts_->warnings << false;
    action("SaveAction")->trigger();
    if (lost.isEmpty()) {
        QVERIFY(prompts_->shown.isEmpty());
        QVERIFY(!window_->document()->isModified());
        prompts_->warnings.clear();
        return;
    }
    QCOMPARE(prompts_->shown, QStringList{"warning: " + msg::missionTextsDropped(lost, empty)});
    QCOMPARE(testfiles::read(path), file);
    QVERIFY(window_->document()->isModified());

    prompts_->warnings << true;
    action("SaveAction")->trigger();
    QVERIFY(!window_->document()->isModified());
    QCOMPARE(maxShipsIn(testfiles::read(path)), 12u);
}

void TestMainWindow::revertAsksOnlyWhenModified()
{
    const QString path = write("test.szs", rich_.file);
    QVERIFY(window_->openScenario(path));
    action("RevertAction")->setEnabled(true); // a clean document reloads without asking
    action("RevertAction")->trigger();
    QVERIFY(prompts_->shown.isEmpty());

    edit("editSchiffe", "3");
    prompts_->warnings << false << true;
    action("RevertAction")->trigger();
    QCOMPARE(window_->findChild<QLineEdit *>("editSchiffe")->text(), QStringLiteral("3"));
    action("RevertAction")->trigger();
    QCOMPARE(prompts_->shown, QStringList(2, "warning: " + msg::revertWarning()));
    QCOMPARE(window_->findChild<QLineEdit *>("editSchiffe")->text(), QStringLiteral("40"));
    QVERIFY(!window_->document()->isModified());
}

void TestMainWindow::folderTreeOpensScenarioFiles()
{
    const QString scenario = write("Karte.SZS", rich_.file);
    auto *tree = window_->findChild<FolderTree *>("StShellTreeView1");
    window_->show();
    tree->selectPath(scenario, true);
    QTRY_VERIFY(window_->document());
    QCOMPARE(window_->document()->FileName(), QStringLiteral("Karte.SZS"));
    QCOMPARE(window_->CurrentFolder(), dir_->path());

    // A cancelled question keeps the document and the tree where it was.
    edit("editSchiffe", "1");
    prompts_->answers << Prompts::Answer::Cancel;
    tree->selectPath(dir_->path(), true);
    QTRY_COMPARE(prompts_->shown.size(), 1);
    QCOMPARE(tree->selectedPath(), scenario);
    QVERIFY(window_->document());
}

void TestMainWindow::campaignButtonOpensTheCampaignEditor()
{
    const QString path = write("kampagne.szs", rich_.file); // belongs to campaign 5
    QVERIFY(window_->openScenario(path));
    window_->findChild<QTabWidget *>("MainPageControl")->setCurrentIndex(1);
    auto *button = window_->findChild<QPushButton *>("btnKampagne");
    QVERIFY(button->isEnabled());
    button->click();
    auto *editor = window_->findChild<QWidget *>("KampForm");
    QVERIFY(editor->isVisible());
    QVERIFY(editor->isWindow());
    // The installation has no Text.cod: the editor says so and stays usable.
    QCOMPARE(prompts_->shown.size(), 1);
    QVERIFY(prompts_->shown.first().contains("Text.cod"));
    QVERIFY(window_->isEnabled());
}

void TestMainWindow::shortenPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("chars");
    QTest::addColumn<QString>("shortened");
    QTest::newRow("fits") << "/home/anna/brim/test.szs" << 30 << "/home/anna/brim/test.szs";
    QTest::newRow("one level") << "/home/anna/brim/test.szs" << 23 << "/.../anna/brim/test.szs";
    QTest::newRow("two levels") << "/home/anna/brim/test.szs" << 19 << "/.../brim/test.szs";
    QTest::newRow("name only") << "/home/anna/brim/test.szs" << 5 << "test.szs";
}

void TestMainWindow::shortenPath()
{
    QFETCH(QString, path);
    QFETCH(int, chars);
    QFETCH(QString, shortened);
    // A fixed-pitch font makes the widths countable.
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setStyleHint(QFont::TypeWriter);
    const QFontMetrics metrics(mono);
    QCOMPARE(StatusLine::shortenPath(path, chars * metrics.horizontalAdvance('x'), metrics),
             shortened);
}

void TestMainWindow::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode"); // -1: the window opens
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("ignored");
    QTest::addColumn<int>("rejected");
    const QString dir = QDir::tempPath();
    QTest::newRow("nothing") << QStringList{} << -1 << ""
                             << "" << 0 << 0;
    QTest::newRow("help") << QStringList{"--help"} << 0 << ""
                          << "" << 0 << 0;
    QTest::newRow("version") << QStringList{"-v"} << 0 << ""
                             << "" << 0 << 0;
    QTest::newRow("unknown option") << QStringList{"--bunt"} << 2 << ""
                                    << "" << 0 << 0;
    QTest::newRow("file") << QStringList{"/tmp/x/a.szs"} << -1 << "/tmp/x/a.szs"
                          << "" << 0 << 0;
    QTest::newRow("relative file")
        << QStringList{"a.szs"} << -1 << QDir::current().filePath("a.szs") << "" << 0 << 0;
    QTest::newRow("file uri") << QStringList{"file:///tmp/x/Neue%20Welt.szs"} << -1
                              << "/tmp/x/Neue Welt.szs"
                              << "" << 0 << 0;
    QTest::newRow("web address") << QStringList{"https://example.org/a.szs"} << -1 << ""
                                 << "" << 0 << 1;
    QTest::newRow("folder") << QStringList{dir} << -1 << "" << QDir::cleanPath(dir) << 0 << 0;
    QTest::newRow("folder, then file") << QStringList{dir, "/tmp/x/a.szs"} << -1 << "/tmp/x/a.szs"
                                       << "" << 0 << 0;
    QTest::newRow("three files") << QStringList{"/tmp/x/a.szs", "/tmp/x/b.szs", dir} << -1
                                 << "/tmp/x/a.szs"
                                 << "" << 2 << 0;
    QTest::newRow("a file named like an option")
        << QStringList{"--", "-a.szs"} << -1 << QDir::current().filePath("-a.szs") << "" << 0 << 0;
}

void TestMainWindow::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, file);
    QFETCH(QString, folder);
    QFETCH(int, ignored);
    QFETCH(int, rejected);
    QCoreApplication::setApplicationVersion(QStringLiteral("4.5.6"));
    const StartArguments start = readStartArguments(QStringList{"marbolt"} + arguments);
    QCOMPARE(start.exitCode.value_or(-1), exitCode);
    if (exitCode == 0) {
        QVERIFY(!start.outputIsError);
        QVERIFY2(start.output.contains(arguments[0] == "-v" ? "4.5.6" : "--version"),
                 qPrintable(start.output));
    } else if (exitCode == 2) {
        QVERIFY(start.outputIsError);
        QVERIFY2(start.output.contains("bunt") && start.output.contains("--help"),
                 qPrintable(start.output));
    }
    QCOMPARE(start.file, file);
    QCOMPARE(start.folder, folder);
    QCOMPARE(start.ignored.size(), ignored);
    QCOMPARE(start.rejected.size(), rejected);
}

void TestMainWindow::commandLineOpensTheFirstFileAndNamesTheRest()
{
    const QString first = write("eins.szs", rich_.file);
    const QString second = write("zwei.szs", rich_.file);
    applyStartArguments(*window_,
                        readStartArguments({"marbolt", QUrl::fromLocalFile(first).toString(),
                                            second, "https://example.org/drei.szs"}));
    QCOMPARE(window_->document()->FilePath(), first);
    QCOMPARE(prompts_->shown,
             QStringList{"message: " + msg::notALocalFile("https://example.org/drei.szs") + "\n\n" +
                         msg::furtherFilesNotOpened({QDir::toNativeSeparators(second)})});

    // A folder is chosen in the tree, and nothing opens.
    window_ = std::make_unique<TMainForm>();
    applyStartArguments(*window_, readStartArguments({"marbolt", dir_->path()}));
    QVERIFY(!window_->document());
    QCOMPARE(window_->findChild<FolderTree *>("StShellTreeView1")->selectedPath(), dir_->path());
}

// What one run remembers, the next finds: window geometry, the folder
// tree's width and folder, and the last eight files, newest first. A file
// that is gone leaves the list with a notice when the list is used.
void TestMainWindow::settingsKeepWindowFolderAndRecentFiles()
{
    const QString iniPath = dir_->filePath("marbolt.conf");
    QStringList files;
    QRect geometry;
    {
        QSettings settings(iniPath, QSettings::IniFormat);
        window_ = std::make_unique<TMainForm>(nullptr, &settings);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        window_->setGeometry(QRect(60, 50, 1200, 760));
        window_->findChild<QSplitter *>("Splitter1")->setSizes({320, 875});
        for (int i = 0; i < 10; ++i) {
            files << write(QStringLiteral("karte%1.szs").arg(i), rich_.file);
            QVERIFY(window_->openScenario(files.last()));
        }
        QVERIFY(window_->openScenario(files[5])); // opened again: to the top
        geometry = window_->geometry();
        QVERIFY(window_->close());
        window_.reset();
    }
    QSettings settings(iniPath, QSettings::IniFormat);
    window_ = std::make_unique<TMainForm>(nullptr, &settings);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QCOMPARE(window_->geometry(), geometry);
    QCOMPARE(window_->findChild<QSplitter *>("Splitter1")->sizes().first(), 320);
    QCOMPARE(window_->findChild<FolderTree *>("StShellTreeView1")->selectedPath(), dir_->path());
    const QStringList expected{files[5], files[9], files[8], files[7],
                               files[6], files[4], files[3], files[2]};
    QCOMPARE(window_->RecentFiles(), expected);
    auto *recent = window_->findChild<QMenu *>("RecentMenu");
    QCOMPARE(recent->actions().size(), 8);
    QCOMPARE(recent->actions()[1]->text(), QStringLiteral("&2 karte9.szs"));

    QVERIFY(QFile::remove(files[9]));
    QVERIFY(QFile::remove(files[3]));
    recent->actions()[2]->trigger();
    QCOMPARE(window_->document()->FilePath(), files[8]);
    QCOMPARE(prompts_->shown,
             QStringList{"message: " + msg::recentFilesGone({QDir::toNativeSeparators(files[9]),
                                                             QDir::toNativeSeparators(files[3])})});
    QCOMPARE(window_->RecentFiles(),
             QStringList({files[8], files[5], files[7], files[6], files[4], files[2]}));
    QCOMPARE(QSettings(iniPath, QSettings::IniFormat).value("files/recent").toStringList(),
             window_->RecentFiles());
    window_.reset();
}

// A file dropped on the window opens through the unsaved-changes question;
// a dropped folder is chosen in the tree.
void TestMainWindow::droppedFileOpensAndDroppedFolderIsChosen()
{
    auto drop = [this](const QList<QUrl> &urls) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(window_.get(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(QPointF(300, 300), Qt::CopyAction, &data, Qt::LeftButton,
                           Qt::NoModifier);
        QApplication::sendEvent(window_.get(), &dropped);
        QCoreApplication::processEvents();
        return dropped.isAccepted();
    };
    window_->show();
    const QString first = write("erste.szs", rich_.file);
    const QString second = write("zweite.szs", rich_.file);
    QVERIFY(!drop({QUrl("https://example.org/erste.szs")}));
    QVERIFY(drop({QUrl::fromLocalFile(first)}));
    QTRY_VERIFY(window_->document());
    QCOMPARE(window_->document()->FilePath(), first);
    auto *tree = window_->findChild<FolderTree *>("StShellTreeView1");
    QCOMPARE(tree->selectedPath(), first);

    // With unsaved changes: Cancel keeps everything, No opens the dropped file.
    edit("editSchiffe", "3");
    prompts_->answers << Prompts::Answer::Cancel << Prompts::Answer::No;
    QVERIFY(drop({QUrl::fromLocalFile(second)}));
    QTRY_COMPARE(prompts_->shown.size(), 1);
    QCOMPARE(window_->document()->FilePath(), first);
    QCOMPARE(tree->selectedPath(), first);
    QVERIFY(drop({QUrl::fromLocalFile(second), QUrl::fromLocalFile(first)}));
    QTRY_COMPARE(window_->document()->FilePath(), second);
    QCOMPARE(
        prompts_->shown,
        QStringList({"question: " + msg::askSaveChanges(), "question: " + msg::askSaveChanges(),
                     "message: " + msg::furtherFilesNotOpened({QDir::toNativeSeparators(first)})}));

    QVERIFY(drop({QUrl::fromLocalFile(dir_->path())}));
    QTRY_COMPARE(tree->selectedPath(), dir_->path());
    QVERIFY(!window_->document());
}

// Save As and Quit on the desktop's keys, Ctrl+X quits as of old except in a
// text field, where it cuts; F1 and the about boxes in "Hilfe".
void TestMainWindow::standardShortcutsAndHelpMenu()
{
    // The menus show the first key of each action.
    QCOMPARE(action("SaveAsAction")->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    QVERIFY(action("ExitAction")->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_X)));
    QVERIFY(action("ExitAction")->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Q)));
    QCOMPARE(action("HelpAction")->shortcut(), QKeySequence(Qt::Key_F1));
    QStringList menus;
    for (QAction *menu : window_->menuBar()->actions())
        menus << menu->text();
    QVERIFY2(menus.endsWith("&Hilfe"), qPrintable(menus.join(',')));
    action("AboutAction")->trigger();
    QCOMPARE(prompts_->shown, QStringList{"about: " + msg::aboutTitle()});

    QVERIFY(window_->openScenario(write("test.szs", rich_.file)));
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    window_->findChild<QTabWidget *>("MainPageControl")->setCurrentIndex(1);
    auto *ships = window_->findChild<QLineEdit *>("editSchiffe");
    ships->setFocus();
    ships->selectAll();
    QTest::keyClick(ships, Qt::Key_X, Qt::ControlModifier);
    QVERIFY(window_->isVisible());
    QCOMPARE(ships->text(), QString());
    // Elsewhere it quits (here with the question about the cut text).
    auto *tabs = window_->findChild<QTabWidget *>("MainPageControl");
    tabs->tabBar()->setFocus();
    prompts_->answers << Prompts::Answer::Cancel;
    QTest::keyClick(tabs->tabBar(), Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(prompts_->shown.last(), "question: " + msg::askSaveChanges());
    QVERIFY(window_->isVisible());
}

// The help lists exactly the keys of the window's actions, each on one
// action, and each works as listed.
void TestMainWindow::helpListsEveryShortcut()
{
    QVERIFY(window_->openScenario(write("test.szs", rich_.file)));
    // The pages are built when first shown; their actions join the window.
    window_->findChild<QTabWidget *>("MainPageControl")->setCurrentIndex(1);
    QMap<QString, QStringList> owners;
    for (QAction *a : window_->findChildren<QAction *>()) {
        for (const QKeySequence &keys : a->shortcuts())
            owners[keys.toString()] << a->objectName();
    }
    QMap<QString, QString> listed;
    for (const HelpShortcut &shortcut : helpShortcuts()) {
        QVERIFY2(!listed.contains(shortcut.keys.toString()), qPrintable(shortcut.keys.toString()));
        QVERIFY(!shortcut.what.isEmpty());
        listed.insert(shortcut.keys.toString(), shortcut.what);
    }
    QCOMPARE(listed.keys(), owners.keys());
    for (auto at = owners.cbegin(); at != owners.cend(); ++at)
        QVERIFY2(at.value().size() == 1, qPrintable(at.key() + ": " + at.value().join(", ")));

    // Ctrl+Shift+S saves under a new name, whatever keys the desktop gives
    // its standard "Save As".
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    auto *tabs = window_->findChild<QTabWidget *>("MainPageControl");
    tabs->tabBar()->setFocus();
    prompts_->files << Prompts::FileChoice{};
    QTest::keyClick(tabs->tabBar(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(prompts_->shown.size(), 1);
    QVERIFY2(prompts_->shown[0].startsWith("save: "), qPrintable(prompts_->shown[0]));

    // The help shows the list.
    QStringList shown;
    QTimer::singleShot(0, [&shown] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (auto *list = dialog ? dialog->findChild<QTreeWidget *>("HelpShortcuts") : nullptr) {
            for (int row = 0; row < list->topLevelItemCount(); ++row)
                shown << list->topLevelItem(row)->text(0) + " " + list->topLevelItem(row)->text(1);
        }
        if (dialog)
            dialog->close();
    });
    action("HelpAction")->trigger();
    QStringList expected;
    for (const HelpShortcut &shortcut : helpShortcuts())
        expected << shortcut.keys.toString(QKeySequence::NativeText) + " " + shortcut.what;
    QCOMPARE(shown, expected);
}

// "Insel löschen" says why it is off.
void TestMainWindow::deleteIslandSaysWhyItIsOff_data()
{
    QTest::addColumn<bool>("open");
    QTest::addColumn<int>("island"); // 0: none selected
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("hint");
    QTest::newRow("no scenario") << false << 0 << false << msg::deleteIslandNoneSelected();
    QTest::newRow("no island selected") << true << 0 << false << msg::deleteIslandNoneSelected();
    QTest::newRow("island with cities") << true << 1 << false << msg::deleteIslandHasCities(1);
    QTest::newRow("island from a template reference") << true << 4 << true << "Insel löschen";
    QTest::newRow("island without cities") << true << 2 << true << "Insel löschen";
}

void TestMainWindow::deleteIslandSaysWhyItIsOff()
{
    QFETCH(bool, open);
    QFETCH(int, island);
    QFETCH(bool, enabled);
    QFETCH(QString, hint);
    if (open)
        QVERIFY(window_->openScenario(write("test.szs", rich_.file)));
    auto *tree = window_->findChild<ObjectTree *>("ObjectTree");
    if (island > 0) {
        QVERIFY(window_->document()->island(island));
        tree->setCurrentItem(tree->nodeOf(window_->document()->island(island)));
    }
    QCOMPARE(tree->SelectedIsland() ? tree->SelectedIsland()->number() : 0, island);
    QAction *remove = action("DeleteIslandAction");
    QCOMPARE(remove->isEnabled(), enabled);
    QCOMPARE(remove->toolTip(), hint);
    QCOMPARE(remove->statusTip(), hint);
}

// Where the folder tree starts when it remembers no folder.
void TestMainWindow::firstStartFolder_data()
{
    QTest::addColumn<bool>("game");
    QTest::addColumn<QStringList>("files"); // below the game folder
    QTest::addColumn<QString>("start");     // "~": home; else below the game folder
    QTest::newRow("no game") << false << QStringList() << "~";
    QTest::newRow("game without scenarios")
        << true << QStringList{"Nord/mit01.scp", "Text.cod"} << "";
    QTest::newRow("scenarios in a folder below")
        << true << QStringList{"Nord/mit01.scp", "zzz/b.szs", "Szenarien/Erste.SZS", ".x/c.szs"}
        << "Szenarien";
    QTest::newRow("scenarios in the game folder")
        << true << QStringList{"Spiel.gam", "Szenarien/a.szs"} << "";
}

void TestMainWindow::firstStartFolder()
{
    QFETCH(bool, game);
    QFETCH(QStringList, files);
    QFETCH(QString, start);
    const QString folder = dir_->filePath("Brim");
    QVERIFY(QDir().mkpath(folder));
    for (const QString &file : files)
        testfiles::write(folder + "/" + file, "x");
    const QString expected = start == "~"      ? QDir::homePath()
                             : start.isEmpty() ? folder
                                               : folder + "/" + start;
    QCOMPARE(::firstStartFolder(game ? folder : QString()), expected);
}

// A first start shows the scenarios of the game that the lookup finds, in
// view; a later one the folder it remembers.
void TestMainWindow::firstStartShowsTheGamesScenarios()
{
    game_->addFile("Szenarien/Erste.szs", "x");
    const QString iniPath = dir_->filePath("marbolt.conf");
    {
        QSettings settings(iniPath, QSettings::IniFormat);
        window_ = std::make_unique<TMainForm>(nullptr, &settings);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        auto *tree = window_->findChild<FolderTree *>("StShellTreeView1");
        QCOMPARE(tree->selectedPath(), game_->gameFolder() + "/Szenarien");
        // In view: its row, and the start of its name.
        const auto inView = [tree] {
            const QRect item = tree->visualRect(tree->currentIndex());
            return item.isValid() && item.top() >= 0 &&
                   item.bottom() < tree->viewport()->height() && item.left() >= 0 &&
                   item.left() < tree->viewport()->width() - 20;
        };
        QTRY_VERIFY(inView());
        window_->selectFolder(dir_->path());
        QVERIFY(window_->close());
        window_.reset();
    }
    QSettings settings(iniPath, QSettings::IniFormat);
    window_ = std::make_unique<TMainForm>(nullptr, &settings);
    QCOMPARE(window_->findChild<FolderTree *>("StShellTreeView1")->selectedPath(), dir_->path());
}

// The window is painted before a scenario named on the command line is read;
// the scenario follows without anything else happening.
void TestMainWindow::commandLineFileOpensAfterTheFirstFrame()
{
    const QString path = write("welt.szs", rich_.file);
    struct FirstPaint : QObject {
        TMainForm *window = nullptr;
        int paints = 0;
        bool openAtFirstPaint = true;
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Paint && paints++ == 0)
                openAtFirstPaint = window->document() != nullptr;
            return false;
        }
    } watch;
    watch.window = window_.get();
    window_->installEventFilter(&watch);
    applyStartArgumentsAfterFirstFrame(*window_, readStartArguments({"marbolt", path}));
    QCoreApplication::processEvents();
    QVERIFY(!window_->document());
    window_->show();
    QTRY_VERIFY(window_->document());
    QVERIFY(watch.paints > 0);
    QVERIFY(!watch.openAtFirstPaint);
    QCOMPARE(window_->document()->FilePath(), path);
    QCOMPARE(window_->findChild<FolderTree *>("StShellTreeView1")->selectedPath(), path);
    window_->removeEventFilter(&watch);
}

// Where the lookup finds no game, the folder the user chooses is used for the
// next load and remembered.
void TestMainWindow::chosenGameFolderIsUsedAndRemembered()
{
    const QString iniPath = dir_->filePath("marbolt.conf");
    QTemporaryDir game;
    {
        QSettings settings(iniPath, QSettings::IniFormat);
        window_ = std::make_unique<TMainForm>(nullptr, &settings);
        prompts_->folders << game.path();
        prompts_->yesNo << true; // no Brim.exe there: use it anyway
        action("GameFolderAction")->trigger();
        QCOMPARE(prompts_->shown,
                 QStringList(
                     {"folder: " + game_->gameFolder(),
                      "yes/no: " +
                          msg::askUseGameFolderWithoutGame(QDir::toNativeSeparators(game.path())),
                      "message: " + msg::gameFolderChosen(QDir::toNativeSeparators(game.path()))}));
        QCOMPARE(GamePath(), game.path());
        QVERIFY(window_->openScenario(write("test.szs", rich_.file)));
        QCOMPARE(window_->document()->gamePath(), game.path());
        window_.reset();
    }
    setChosenGameFolder(QString());
    QCOMPARE(GamePath(), game_->gameFolder());
    QSettings settings(iniPath, QSettings::IniFormat);
    window_ = std::make_unique<TMainForm>(nullptr, &settings);
    QCOMPARE(GamePath(), game.path());
    // A remembered folder that is gone gives way to the lookup.
    QVERIFY(game.remove());
    QCOMPARE(GamePath(), game_->gameFolder());
    setChosenGameFolder(QString());
    prompts_->shown.clear();
}

// Choosing a folder closes the document (asking first): the pages are
// emptied and disabled, the status line cleared.
void TestMainWindow::choosingAFolderEmptiesThePages()
{
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    const QString path = write("test.szs", rich_.file);
    window_->openAndSelect(path);
    window_->findChild<QTabWidget *>("MainPageControl")->setCurrentIndex(2);
    window_->findChild<FolderTree *>("StShellTreeView1")->selectPath(dir_->path(), true);
    QVERIFY(!window_->document());
    auto *pages = window_->findChild<QTabWidget *>("MainPageControl");
    QCOMPARE(pages->currentIndex(), 0);
    QVERIFY(!pages->tabBar()->isEnabled());
    QVERIFY(!pages->widget(2)->isEnabled());
    QVERIFY(window_->findChild<QLabel *>("lbTitle1")->isVisible());
    QVERIFY(!window_->findChild<QWidget *>("Panel5")->isVisible());
    QVERIFY(window_->findChild<QLabel *>("StatusPanel1")->text().isEmpty());
    QVERIFY(window_->windowTitle().isEmpty());

    // Opening again brings it all back.
    window_->openAndSelect(path);
    QVERIFY(pages->tabBar()->isEnabled());
    QVERIFY(window_->findChild<QWidget *>("Panel5")->isVisible());
}

// A right click on a file offers a menu and opens nothing.
void TestMainWindow::rightClickInTheTreeOpensNothing()
{
    const QString path = write("test.szs", rich_.file);
    auto *tree = window_->findChild<FolderTree *>("StShellTreeView1");
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    tree->selectPath(dir_->path());
    tree->expand(tree->currentIndex());
    QTRY_COMPARE(tree->model()->rowCount(tree->currentIndex()), 1);
    const QModelIndex item = tree->model()->index(0, 0, tree->currentIndex());
    QCOMPARE(item.data().toString(), QStringLiteral("test.szs"));
    tree->scrollTo(item);
    const QPoint at = tree->visualRect(item).center();
    QTest::mousePress(tree->viewport(), Qt::RightButton, {}, at);
    QTest::mouseRelease(tree->viewport(), Qt::RightButton, {}, at);
    QStringList offered;
    QTimer::singleShot(0, [&] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            for (QAction *entry : menu->actions())
                offered << entry->text();
            menu->close();
        }
    });
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at, tree->viewport()->mapToGlobal(at));
    QApplication::sendEvent(tree->viewport(), &menuEvent);
    QCOMPARE(offered, QStringList({"Ö&ffnen", "Im &Dateimanager zeigen"}));
    QVERIFY(!window_->document());
    QCOMPARE(tree->selectedPath(), dir_->path());
    QVERIFY(QFileInfo::exists(path));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
