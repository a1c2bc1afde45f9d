#include "core/check/scenariocheck.h"
#include "core/common/checkmessages.h"
#include "core/document/rumoszen.h"
#include "editor/app/tmainform.h"
#include "editor/map/objecttree.h"
#include "support/gameinstallation.h"
#include "support/scenariobuilder.h"
#include "support/tempfiles.h"
#include "support/ui/scriptedprompts.h"

#include <QAction>
#include <QDockWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>

using namespace scenario;

class TestCheckDock : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void findingsShowAndLeadToTheirObjects();
    void cleanScenarioShowsNoFindings();
    void findingsFollowTheSteps();

private:
    // Double-clicks the finding whose text is `message`.
    void activate(QTreeWidget *list, const QString &message);

    std::unique_ptr<TempGameInstallation> game_;
    QTemporaryDir dir_;
};

void TestCheckDock::initTestCase()
{
    game_ = std::make_unique<TempGameInstallation>();
    qputenv("WINEPREFIX", game_->prefix().toLocal8Bit());
}

void TestCheckDock::activate(QTreeWidget *list, const QString &message)
{
    const QList<QTreeWidgetItem *> items = list->findItems(message, Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    const QRect rect = list->visualItemRect(items[0]);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

void TestCheckDock::findingsShowAndLeadToTheirObjects()
{
    const QString path = dir_.filePath(QStringLiteral("fehler.szs"));
    testfiles::write(
        path, ScenarioBuilder()
                  .chunk("INSEL5", islandRecord(placed(1, 10, 10, 20, 15)))
                  .chunk("INSEL5", islandRecord(placed(2, 25, 20, 20, 15)))
                  .chunk("INSEL5", islandRecord(placed(3, 100, 100, 20, 15)))
                  .chunk("AUFTRAG4", mission(0, "Eins") + mission(1, "") + mission(2, "Drei"))
                  .chunk("TIMERS", settings())
                  .bytes());
    ScriptedPrompts prompts;
    TMainForm window;
    window.show();
    QVERIFY(window.openScenario(path));
    auto *dock = window.findChild<QDockWidget *>("CheckDock");
    QVERIFY(!dock->isVisible());
    window.findChild<QAction *>("CheckAction")->trigger();
    QVERIFY(dock->isVisible());
    auto *list = dock->findChild<QTreeWidget *>("CheckFindings");
    QCOMPARE(list->topLevelItemCount(), 2);
    QVERIFY(!list->topLevelItem(0)->icon(0).isNull());

    auto *pages = window.findChild<QTabWidget *>("MainPageControl");
    pages->setCurrentIndex(1);
    activate(list, msg::islandsOverlap(1, 2));
    QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("TabKarte"));
    auto *tree = window.findChild<ObjectTree *>("ObjectTree");
    QVERIFY(tree->SelectedIsland());
    QCOMPARE(tree->SelectedIsland()->number(), 1);

    // Enter leads there as well.
    const QList<QTreeWidgetItem *> mission =
        list->findItems(msg::missionTextLost(2, 1), Qt::MatchExactly);
    QCOMPARE(mission.size(), 1);
    list->setCurrentItem(mission[0]);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(pages->currentIndex(), 2);
    QVERIFY(window.findChild<QWidget *>("TabAuftraege")->isVisible());
    QCOMPARE(window.findChild<QTabBar *>("AuftragTabControl")->currentIndex(), 2);
    // Looking at findings changes nothing.
    QVERIFY(!window.document()->isModified());
}

void TestCheckDock::cleanScenarioShowsNoFindings()
{
    const QString path = dir_.filePath(QStringLiteral("sauber.szs"));
    testfiles::write(path, minimalScenario());
    ScriptedPrompts prompts;
    TMainForm window;
    window.show();
    QVERIFY(window.openScenario(path));
    window.findChild<QAction *>("CheckAction")->trigger();
    auto *list = window.findChild<QTreeWidget *>("CheckFindings");
    QCOMPARE(list->topLevelItemCount(), 1);
    QCOMPARE(list->topLevelItem(0)->text(0), msg::noFindings());
    QVERIFY(!(list->topLevelItem(0)->flags() & Qt::ItemIsSelectable));
}

// Once shown, the list follows each step: an edit that ends an overlap
// takes its finding away, undoing it brings it back, without another F7.
void TestCheckDock::findingsFollowTheSteps()
{
    const QString path = dir_.filePath(QStringLiteral("folgt.szs"));
    testfiles::write(path, ScenarioBuilder()
                               .chunk("INSEL5", islandRecord(placed(1, 10, 10, 20, 15)))
                               .chunk("INSEL5", islandRecord(placed(2, 25, 20, 20, 15)))
                               .chunk("TIMERS", settings())
                               .bytes());
    ScriptedPrompts prompts;
    TMainForm window;
    window.show();
    QVERIFY(window.openScenario(path));
    auto *list = window.findChild<QTreeWidget *>("CheckFindings");
    auto texts = [list] {
        QStringList shown;
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            shown << list->topLevelItem(row)->text(0);
        return shown;
    };
    window.findChild<QAction *>("CheckAction")->trigger();
    QCOMPARE(texts(), QStringList{msg::islandsOverlap(1, 2)});

    auto *tree = window.findChild<ObjectTree *>("ObjectTree");
    tree->setCurrentItem(tree->nodeOf(window.document()->island(2)));
    window.findChild<QAction *>("DeleteIslandAction")->trigger();
    QTRY_COMPARE(texts(), QStringList{msg::noFindings()});
    window.findChild<QAction *>("UndoAction")->trigger();
    QTRY_COMPARE(texts(), QStringList{msg::islandsOverlap(1, 2)});
    window.findChild<QAction *>("RedoAction")->trigger();
    QTRY_COMPARE(texts(), QStringList{msg::noFindings()});

    // A hidden list is checked again when it is shown.
    window.findChild<QDockWidget *>("CheckDock")->hide();
    window.findChild<QAction *>("UndoAction")->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(texts(), QStringList{msg::noFindings()});
    window.findChild<QDockWidget *>("CheckDock")->show();
    QTRY_COMPARE(texts(), QStringList{msg::islandsOverlap(1, 2)});
    // Another scenario is checked at once.
    const QString clean = dir_.filePath(QStringLiteral("sauber2.szs"));
    testfiles::write(clean, minimalScenario());
    prompts.answers << Prompts::Answer::No;
    QVERIFY(window.openScenario(clean));
    QCOMPARE(texts(), QStringList{msg::noFindings()});
}

QTEST_MAIN(TestCheckDock)
#include "tst_checkdock.moc"
