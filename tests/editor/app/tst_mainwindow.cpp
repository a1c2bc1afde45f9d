#include "core/common/bytes.h"
#include "core/common/messages.h"
#include "core/document/rumoszen.h"
#include "editor/app/foldertree.h"
#include "editor/app/tmainform.h"
#include "support/gameinstallation.h"
#include "support/scenariobuilder.h"
#include "support/tempfiles.h"
#include "support/ui/scriptedprompts.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
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

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void startsWithTheStartScreen();
    void openingShowsTheScenario();
    void titleAndActionsFollowTheChangeCount();
    void failedLoadLosesNothing();
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

private:
    QAction *action(const char *name) { return window_->findChild<QAction *>(name); }
    QString write(const QString &name, const QByteArray &bytes);
    void edit(const char *name, const QString &text);

    std::unique_ptr<TempGameInstallation> game_;
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<ScriptedPrompts> prompts_;
    std::unique_ptr<TMainForm> window_;
    RichScenario rich_;
};

void TestMainWindow::initTestCase()
{
    // The game installation is looked up once per run: set it up first.
    game_ = std::make_unique<TempGameInstallation>();
    qputenv("WINEPREFIX", game_->prefix().toLocal8Bit());
    rich_ = richScenario();
    rich_.install(*game_);
}

void TestMainWindow::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    prompts_ = std::make_unique<ScriptedPrompts>();
    window_ = std::make_unique<TMainForm>();
}

void TestMainWindow::cleanup()
{
    QVERIFY2(prompts_->unanswered.isEmpty(), qPrintable(prompts_->unanswered.join(", ")));
    window_.reset();
    prompts_.reset();
}

QString TestMainWindow::write(const QString &name, const QByteArray &bytes)
{
    const QString path = dir_->filePath(name);
    testfiles::write(path, bytes);
    return path;
}

void TestMainWindow::edit(const char *name, const QString &text)
{
    auto *edit = window_->findChild<QLineEdit *>(name);
    QVERIFY(edit);
    edit->setText(text);
}

void TestMainWindow::startsWithTheStartScreen()
{
    QCOMPARE(window_->windowTitle(), QStringLiteral("Tobrel's Marbolt"));
    QCOMPARE(window_->size(), QSize(1001, 701));
    auto *pages = window_->findChild<QTabWidget *>("MainPageControl");
    QVERIFY(!pages->tabBar()->isEnabled());
    QVERIFY(!pages->widget(1)->isEnabled());
    for (const char *name : {"OpenAction", "ExitAction"})
        QVERIFY2(action(name)->isEnabled(), name);
    for (const char *name : {"SaveAction", "SaveAsAction", "RevertAction", "SaveInselAction",
                             "DeleteIslandAction", "UndoIslandMove"})
        QVERIFY2(!action(name)->isEnabled(), name);

    QStringList bar;
    for (QAction *a : window_->findChild<QToolBar *>("ToolBar1")->actions())
        bar << (a->isSeparator() ? QStringLiteral("|") : a->objectName());
    QCOMPARE(bar, QStringList({"OpenAction", "SaveAction", "SaveAsAction", "RevertAction", "|",
                               "SaveInselAction", "DeleteIslandAction", "UndoIslandMove", "|",
                               "ExitAction"}));
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
    QVERIFY(window_->OpenScenario(path));
    QCOMPARE(window_->windowTitle(), QStringLiteral("Tobrel's Brim Marbolt [Spielstand.gam]"));
    QVERIFY(window_->findChild<QTabWidget *>("MainPageControl")->tabBar()->isEnabled());
    QVERIFY(window_->findChild<QWidget *>("TabSettings")->isEnabled());
    QVERIFY(!window_->findChild<QLabel *>("lbTitle1")->isVisible());
    QVERIFY(window_->findChild<QWidget *>("Panel5")->isVisible());
    QVERIFY(window_->findChild<QLabel *>("StatusPanel1")->text().endsWith("Spielstand.gam"));
    QCOMPARE(window_->findChild<QLineEdit *>("editSchiffe")->text(), QStringLiteral("40"));
    QCOMPARE(window_->findChild<QLineEdit *>("editSzenName")->text(), QStringLiteral("Brimtest"));
    QVERIFY(!window_->document()->IsModified());
    QVERIFY(action("SaveAsAction")->isEnabled());
    QVERIFY(!action("SaveAction")->isEnabled());
}

void TestMainWindow::titleAndActionsFollowTheChangeCount()
{
    const QString path = write("test.szs", rich_.file);
    QVERIFY(window_->OpenScenario(path));
    edit("editSchiffe", "77");
    QCOMPARE(window_->windowTitle(), QStringLiteral("Tobrel's Brim Marbolt [test.szs*]"));
    QVERIFY(action("SaveAction")->isEnabled());
    QVERIFY(action("RevertAction")->isEnabled());

    action("SaveAction")->trigger();
    QCOMPARE(window_->windowTitle(), QStringLiteral("Tobrel's Brim Marbolt [test.szs]"));
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
    QVERIFY(window_->OpenScenario(good));
    const QString bad = write("kaputt.szs", chunk("CUSTOM", "nichts"));
    QVERIFY(window_->OpenScenario(bad));
    QCOMPARE(prompts_->shown, QStringList{"message: " + msg::readScenarioFailed()});
    QVERIFY(!window_->document());
    QCOMPARE(window_->windowTitle(), QStringLiteral("Tobrel's Brim Marbolt"));
    QVERIFY(!action("SaveAsAction")->isEnabled());
    QCOMPARE(testfiles::read(good), rich_.file);
}

// However many records give a notice, the user gets one window: each text
// once, in the order it first arose, with its count.
void TestMainWindow::loadNoticesShowInOneWindow()
{
    QByteArray herd;
    for (int i = 0; i < 5000; ++i)
        herd += deer(7);
    const QString path = write("hirsch.szs", chunk("INSEL5", islandRecord({})) +
                                                 chunk("HIRSCH2", deer(1) + deer(2) + deer(3)) +
                                                 chunk("SZENE", szene({islandReference({3})})) +
                                                 chunk("HIRSCH2", herd) + minimalScenario());
    QVERIFY(window_->OpenScenario(path));
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
    QVERIFY(window_->OpenScenario(first));
    edit("editSchiffe", "12");
    prompts_->answers << Prompts::Answer(answer);

    QCOMPARE(window_->OpenScenario(second), opened);
    QCOMPARE(prompts_->shown, QStringList{"question: " + msg::askSaveChanges()});
    QCOMPARE(window_->document()->FileName(),
             opened ? QStringLiteral("zweite.szs") : QStringLiteral("erste.szs"));
    QCOMPARE(window_->document()->IsModified(), !opened);
    QCOMPARE(maxShipsIn(testfiles::read(first)), savedShips);
}

void TestMainWindow::failedSaveKeepsTheDocumentModified()
{
    QTemporaryDir gone;
    const QString path = gone.filePath("weg.szs");
    testfiles::write(path, rich_.file);
    QVERIFY(window_->OpenScenario(path));
    edit("editSchiffe", "5");
    QVERIFY(gone.remove()); // the folder vanished: nothing can be written there

    action("SaveAction")->trigger();
    QCOMPARE(
        prompts_->shown,
        QStringList{"error: " + msg::saveFailed(QString::fromLocal8Bit(std::strerror(ENOENT)))});
    QVERIFY(window_->document()->IsModified());
    QVERIFY(window_->windowTitle().endsWith("*]"));

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
    QVERIFY(window_->OpenScenario(path));
    prompts_->files << Prompts::FileChoice{dir_->filePath("Neu.szs"), 1};
    action("SaveAsAction")->trigger();
    QCOMPARE(prompts_->shown, QStringList{"save: " + dir_->filePath("Spielstand.szs")});
    const QString target = dir_->filePath("Neu.szm");
    QCOMPARE(withoutPages(testfiles::read(target)), withoutPages(rich_.saved));
    QCOMPARE(window_->document()->FilePath(), target);
    QCOMPARE(window_->windowTitle(), QStringLiteral("Tobrel's Brim Marbolt [Neu.szm]"));
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
    QVERIFY(window_->OpenScenario(source));
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
// one after Save As, and after a failed load still the last one that loaded.
void TestMainWindow::statusLineNamesTheOpenFile()
{
    auto *panel = window_->findChild<QLabel *>("StatusPanel1");
    QVERIFY(window_->OpenScenario(write("alt.szs", rich_.file)));
    QVERIFY(panel->text().endsWith("alt.szs"));
    prompts_->files << Prompts::FileChoice{dir_->filePath("neu.szs"), 0};
    action("SaveAsAction")->trigger();
    QVERIFY2(panel->text().endsWith("neu.szs"), qPrintable(panel->text()));

    QVERIFY(window_->OpenScenario(write("kaputt.szs", chunk("CUSTOM", "nichts"))));
    QVERIFY(!window_->document());
    QVERIFY2(panel->text().endsWith("neu.szs"), qPrintable(panel->text()));
    QCOMPARE(prompts_->shown.last(), "message: " + msg::readScenarioFailed());
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
    QVERIFY(window_->OpenScenario(path));
    edit("editSchiffe", "12");

    prompts_->warnings << false;
    action("SaveAction")->trigger();
    if (lost.isEmpty()) {
        QVERIFY(prompts_->shown.isEmpty());
        QVERIFY(!window_->document()->IsModified());
        prompts_->warnings.clear();
        return;
    }
    QCOMPARE(prompts_->shown, QStringList{"warning: " + msg::missionTextsDropped(lost, empty)});
    QCOMPARE(testfiles::read(path), file);
    QVERIFY(window_->document()->IsModified());

    prompts_->warnings << true;
    action("SaveAction")->trigger();
    QVERIFY(!window_->document()->IsModified());
    QCOMPARE(maxShipsIn(testfiles::read(path)), 12u);
}

void TestMainWindow::revertAsksOnlyWhenModified()
{
    const QString path = write("test.szs", rich_.file);
    QVERIFY(window_->OpenScenario(path));
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
    QVERIFY(!window_->document()->IsModified());
}

void TestMainWindow::folderTreeOpensScenarioFiles()
{
    const QString scenario = write("Karte.SZS", rich_.file);
    auto *tree = window_->findChild<FolderTree *>("StShellTreeView1");
    window_->show();
    tree->SelectPath(scenario, true);
    QTRY_VERIFY(window_->document());
    QCOMPARE(window_->document()->FileName(), QStringLiteral("Karte.SZS"));
    QCOMPARE(window_->CurrentFolder(), dir_->path());

    // A cancelled question keeps the document and the tree where it was.
    edit("editSchiffe", "1");
    prompts_->answers << Prompts::Answer::Cancel;
    tree->SelectPath(dir_->path(), true);
    QTRY_COMPARE(prompts_->shown.size(), 1);
    QCOMPARE(tree->SelectedPath(), scenario);
    QVERIFY(window_->document());
}

void TestMainWindow::campaignButtonOpensTheCampaignEditor()
{
    const QString path = write("kampagne.szs", rich_.file); // belongs to campaign 5
    QVERIFY(window_->OpenScenario(path));
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
    QCOMPARE(TMainForm::ShortenPath(path, chars * metrics.horizontalAdvance('x'), metrics),
             shortened);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
