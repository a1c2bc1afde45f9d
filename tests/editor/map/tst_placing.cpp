#include "core/document/rumoszen.h"
#include "core/islands/insel.h"
#include "editor/app/tmainform.h"
#include "editor/map/islandtemplatedialog.h"
#include "editor/map/mappage.h"
#include "editor/map/mapview.h"
#include "editor/map/objecttree.h"
#include "support/documentio.h"
#include "support/gameinstallation.h"
#include "support/mappixel.h"
#include "support/scenariobuilder.h"
#include "support/tempfiles.h"
#include "support/ui/scriptedprompts.h"
#include "support/ui/windowfixture.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

using namespace scenario;

namespace {

// A ground of `width` x `height` land tiles, a strip of shallow water along
// its top row so that the copy of a ground can be told from a plain one.
QByteArray ground(int width, int height)
{
    QByteArray tiles;
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column)
            tiles += tile(row == 0 ? 1204 : 1, column, row);
    }
    return tiles;
}

QByteArray templateOf(int width, int height, int climate = 0, int sizeClass = 0)
{
    IslandSpec island = placed(0, 0, 0, width, height);
    island.climate = climate;
    island.sizeClass = sizeClass;
    island.ownGround = 0;
    return templateFile(islandRecord(island), {ground(width, height)});
}

// Islands 0 and 1 of their own (island 1 a block of 40 x 40 around the
// world's middle, with a city) and island 3 from the template nord\lit.scp
// (12 x 8) without a city; number 2 is the lowest free one.
QByteArray world()
{
    IslandSpec middle = placed(1, 240, 150, 40, 40);
    middle.cityOwners = {1, 7, 7, 7, 7, 7, 7, 7};
    ReferenceSpec reference;
    reference.number = 3;
    reference.x = 400;
    reference.y = 40;
    return ScenarioBuilder()
        .chunk("INSEL5", islandRecord(placed(0, 10, 20, 20, 15)))
        .chunk("INSELHAUS", ground(20, 15))
        .chunk("INSEL5", islandRecord(middle))
        .chunk("INSELHAUS", ground(40, 40))
        .chunk("STADT4", city(1, 0, 1, "Mittelburg"))
        .chunk("SZENE", szene({islandReference(reference)}))
        .chunk("PLAYER4", players())
        .raw(minimalScenario())
        .bytes();
}

void mouse(QWidget *w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

// Runs `act` on the template dialog as soon as it shows.
void whenDialogShows(std::function<void(IslandTemplateDialog &)> act)
{
    QTimer::singleShot(0, qApp, [act] {
        auto *dialog = qobject_cast<IslandTemplateDialog *>(QApplication::activeModalWidget());
        QVERIFY2(dialog, "the template dialog did not show");
        act(*dialog);
    });
}

// Selects the entry whose text begins with `file` in the group `group`
// (the text of a group node before its count) and presses "Einfügen".
void chooseTemplate(IslandTemplateDialog &dialog, const QString &group, const QString &file)
{
    auto *groups = dialog.findChild<QTreeWidget *>("templateGroups");
    auto *list = dialog.findChild<QListView *>("templateList");
    const QList<QTreeWidgetItem *> found =
        groups->findItems(group + " ·", Qt::MatchStartsWith | Qt::MatchRecursive);
    QVERIFY2(!found.isEmpty(), qPrintable(group));
    groups->setCurrentItem(found.first());
    const QModelIndexList rows = list->model()->match(list->model()->index(0, 0), Qt::DisplayRole,
                                                      file + "\n", 1, Qt::MatchStartsWith);
    QVERIFY2(!rows.isEmpty(), qPrintable(file));
    list->setCurrentIndex(rows.first());
    dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
}

} // namespace

class TestPlacing : public QObject, private WindowFixture {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void templateDialogGroupsAndDrawsLazily();
    void chosenFiles_data();
    void chosenFiles();
    void placing_data();
    void placing();
    void duplicateCopiesTheGround();
    void deleteReferenceIsland();
    void allNumbersUsed_data();
    void allNumbersUsed();

private:
    QPoint pixelOf(QPoint tile) const;
    QAction *action(const char *name) const { return window_->findChild<QAction *>(name); }
    ObjectTree *tree() const { return window_->findChild<ObjectTree *>("ObjectTree"); }
    RumoSzen *doc() const { return window_->document(); }

    MapView *map_ = nullptr;
};

void TestPlacing::initTestCase()
{
    setUpGame();
    game_->addFile("Nord/lit.scp", templateOf(12, 8));
    game_->addFile("Nord/MED07.scp", templateOf(30, 24, 0, 2));
    game_->addFile("suednat/big01.scp", templateOf(50, 40, 1, 3));
}

void TestPlacing::init()
{
    setUpWindow();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    const QString path = dir_->filePath("welt.szs");
    testfiles::write(path, world());
    QVERIFY(window_->openScenario(path));
    QVERIFY(doc()->island(3));
    map_ = window_->findChild<MapView *>("PaintBox1");
}

void TestPlacing::cleanup()
{
    tearDownWindow();
}

QPoint TestPlacing::pixelOf(QPoint tile) const
{
    return pixelOfTile(tile, map_->size());
}

// Two hundred templates and a broken one: the dialog lists them by climate
// and size class at once, but reads and draws only what it shows.
void TestPlacing::templateDialogGroupsAndDrawsLazily()
{
    QTemporaryDir game;
    const QByteArray small = templateOf(12, 8);
    const QStringList sizes = {"lit", "mit", "med", "big", "lar"};
    for (int n = 0; n < 200; ++n) {
        const QString folder = n < 120 ? "nord" : n < 180 ? "SUED" : "noklimanat";
        testfiles::write(game.filePath(QStringLiteral("%1/%2%3.scp")
                                           .arg(folder, sizes[n % 5])
                                           .arg(n, 2, 10, QLatin1Char('0'))),
                         small);
    }
    testfiles::write(game.filePath("nord/lit.scp"), small.left(30)); // cut short
    testfiles::write(game.filePath("nord/readme.txt"), "not a template");

    IslandTemplateDialog dialog(game.path(), doc()->players(), QString());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCoreApplication::processEvents();
    QCOMPARE(dialog.templateCount(), 201);

    auto *groups = dialog.findChild<QTreeWidget *>("templateGroups");
    QStringList variants;
    for (int i = 0; i < groups->topLevelItemCount(); ++i)
        variants << groups->topLevelItem(i)->text(0);
    QCOMPARE(variants, QStringList({"Nord · 121", "Süd · 60", "ohne Klima (Eingeborene) · 20"}));
    QTreeWidgetItem *north = groups->topLevelItem(0);
    QCOMPARE(north->childCount(), 5);
    QCOMPARE(north->child(0)->text(0), QStringLiteral("sehr klein (lit) · 25"));
    QCOMPARE(north->child(2)->text(0), QStringLiteral("mittel (med) · 24"));
    QVERIFY(!dialog.findChild<QLabel *>("noTemplatesHint")->isVisible());

    // The northern group is shown: its first entry is the file without a
    // number, which cannot be read.
    auto *list = dialog.findChild<QListView *>("templateList");
    QAbstractItemModel *model = list->model();
    QCOMPARE(model->rowCount(), 121);
    QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("lit.scp\nnicht lesbar"));
    QVERIFY2(model->index(0, 0).data(Qt::ToolTipRole).toString().contains("lit.scp"),
             qPrintable(model->index(0, 0).data(Qt::ToolTipRole).toString()));
    QCOMPARE(model->index(1, 0).data().toString(), QStringLiteral("lit00.scp\n12 × 8"));
    const int drawn = dialog.previewsDrawn();
    QVERIFY2(drawn > 2 && drawn < 121, qPrintable(QString::number(drawn)));

    // A picture of an entry: the sea around a ground of the ground's colour.
    const QImage picture = model->index(1, 0).data(Qt::DecorationRole).value<QPixmap>().toImage();
    QCOMPARE(picture.size(), QSize(96, 96));
    QCOMPARE(picture.pixel(1, 1), qRgb(68, 68, 255));
    QCOMPARE(picture.pixel(48, 60), qRgb(137, 99, 64));
    // The broken entry cannot be inserted; it is named with its reason.
    list->setCurrentIndex(model->index(0, 0));
    dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(prompts_->shown.size(), 1);
    QVERIFY2(prompts_->shown[0].startsWith("error: ") && prompts_->shown[0].contains("lit.scp"),
             qPrintable(prompts_->shown[0]));
    QVERIFY(dialog.isVisible());
    QVERIFY(!dialog.TakeIsland());
}

void TestPlacing::chosenFiles_data()
{
    QTest::addColumn<bool>("withGame");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("readable");
    QTest::newRow("template, installed game") << true << templateOf(16, 9) << true;
    QTest::newRow("template, no game") << false << templateOf(16, 9) << true;
    QTest::newRow("cut short") << true << templateOf(16, 9).left(40) << false;
    QTest::newRow("no island record") << false << chunk("INSELHAUS", ground(4, 4)) << false;
}

// "Datei wählen…" reads the file at once: a template is listed under
// "Gewählte Dateien" and can be inserted; one that fails is named with its
// reason and not listed.
void TestPlacing::chosenFiles()
{
    QFETCH(bool, withGame);
    QFETCH(QByteArray, file);
    QFETCH(bool, readable);
    const QString path = dir_->filePath("anderswo/Vorlage.scp");
    testfiles::write(path, file);
    IslandTemplateDialog dialog(withGame ? game_->gameFolder() : QString(), doc()->players(),
                                dir_->path());
    dialog.show();
    QCOMPARE(dialog.findChild<QLabel *>("noTemplatesHint")->isVisible(), !withGame);
    auto *ok = dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
    QCOMPARE(ok->isEnabled(), withGame);

    prompts_->files << Prompts::FileChoice{path, 0};
    dialog.findChild<QPushButton *>("chooseFileButton")->click();
    QCOMPARE(prompts_->shown.first(), "open: " + dir_->path());
    auto *groups = dialog.findChild<QTreeWidget *>("templateGroups");
    const QList<QTreeWidgetItem *> chosen =
        groups->findItems("Gewählte Dateien", Qt::MatchStartsWith);
    if (!readable) {
        QCOMPARE(prompts_->shown.size(), 2);
        QVERIFY2(prompts_->shown[1].startsWith("error: ") &&
                     prompts_->shown[1].contains("Vorlage.scp"),
                 qPrintable(prompts_->shown[1]));
        QVERIFY(chosen.isEmpty());
        return;
    }
    QCOMPARE(prompts_->shown.size(), 1);
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(chosen.first()->text(0), QStringLiteral("Gewählte Dateien · 1"));
    QCOMPARE(groups->currentItem(), chosen.first());
    auto *list = dialog.findChild<QListView *>("templateList");
    QCOMPARE(list->currentIndex().data().toString(), QStringLiteral("Vorlage.scp\n16 × 9"));
    QVERIFY(ok->isEnabled());
    ok->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const std::unique_ptr<Insel> island = dialog.TakeIsland();
    QVERIFY(island);
    QCOMPARE(QSize(island->width(), island->height()), QSize(16, 9));
}

void TestPlacing::placing_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("inserted");
    QTest::newRow("arrow keys and Enter") << "keys" << true;
    QTest::newRow("click") << "click" << true;
    QTest::newRow("click on an island, then Escape") << "refused, escape" << false;
    QTest::newRow("right click") << "right click" << false;
}

// Inserting nord\med07.scp (30 x 24) as island 2: it starts at the free
// place nearest the middle of the view (below the island in the middle),
// follows the mouse and the arrow keys, and is placed by a click or Enter
// where it may stand, as one step of the undo stack.
void TestPlacing::placing()
{
    QFETCH(QString, how);
    QFETCH(bool, inserted);
    QAction *insert = action("InsertIslandAction");
    QVERIFY(insert->isEnabled());
    whenDialogShows([](IslandTemplateDialog &d) { chooseTemplate(d, "Nord", "MED07.scp"); });
    insert->trigger();
    auto *page = window_->findChild<MapPage *>();
    QVERIFY(page->placing());
    QVERIFY(map_->floating());

    // The middle of the view lies on island 1 (240..279 x 150..189): the
    // nearest free place is just below it.
    const QPoint centre = map_->ToWorld(map_->rect().center());
    const QPoint start(centre.x() - 15, 190);
    QCOMPARE(map_->floatingTiles(), QRect(start, QSize(30, 24)));
    QVERIFY(map_->floatingValid());
    QVERIFY(!doc()->isModified());

    QPoint expected;
    if (how == "keys") {
        for (int key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Down})
            QTest::keyClick(map_, Qt::Key(key));
        expected = start + QPoint(1, 2);
        QCOMPARE(map_->floatingTiles().topLeft(), expected);
        QTest::keyClick(map_, Qt::Key_Return);
    } else if (how == "click") {
        mouse(map_, QEvent::MouseMove, pixelOf({100, 250}), Qt::NoButton, Qt::NoButton);
        expected = QPoint(85, 238);
        QCOMPARE(map_->floatingTiles().topLeft(), expected);
        QVERIFY(map_->floatingValid());
        mouse(map_, QEvent::MouseButtonPress, pixelOf({100, 250}), Qt::LeftButton, Qt::LeftButton);
        mouse(map_, QEvent::MouseButtonRelease, pixelOf({100, 250}), Qt::LeftButton, Qt::NoButton);
    } else if (how == "refused, escape") {
        // Over island 0: red, and a click leaves it floating.
        mouse(map_, QEvent::MouseMove, pixelOf({20, 27}), Qt::NoButton, Qt::NoButton);
        QVERIFY(!map_->floatingValid());
        mouse(map_, QEvent::MouseButtonPress, pixelOf({20, 27}), Qt::LeftButton, Qt::LeftButton);
        mouse(map_, QEvent::MouseButtonRelease, pixelOf({20, 27}), Qt::LeftButton, Qt::NoButton);
        QVERIFY(map_->floating());
        QVERIFY(!doc()->island(2));
        // Enter where it may not stand does not place it either.
        QTest::keyClick(map_, Qt::Key_Return);
        QVERIFY(map_->floating());
        QTest::keyClick(map_, Qt::Key_Escape);
    } else {
        mouse(map_, QEvent::MouseMove, pixelOf({100, 250}), Qt::NoButton, Qt::NoButton);
        mouse(map_, QEvent::MouseButtonPress, pixelOf({100, 250}), Qt::RightButton,
              Qt::RightButton);
        // The context menu event that follows the right click opens no menu.
        bool menuOpened = false;
        QTimer::singleShot(100, qApp, [&menuOpened] {
            if (QWidget *popup = QApplication::activePopupWidget()) {
                menuOpened = true;
                popup->close();
            }
        });
        QContextMenuEvent menu(QContextMenuEvent::Mouse, pixelOf({100, 250}),
                               map_->mapToGlobal(pixelOf({100, 250})));
        QApplication::sendEvent(map_, &menu);
        QTest::qWait(150);
        QVERIFY(!menuOpened);
    }

    QVERIFY(!page->placing());
    QVERIFY(!map_->floating());
    if (!inserted) {
        QVERIFY(!doc()->island(2));
        QVERIFY(!doc()->isModified());
        QVERIFY(!action("UndoAction")->isEnabled());
        return;
    }
    Insel *island = doc()->island(2);
    QVERIFY(island);
    QCOMPARE(QPoint(island->x(), island->y()), expected);
    QCOMPARE(QSize(island->width(), island->height()), QSize(30, 24));
    QCOMPARE(tree()->SelectedIsland(), island);
    // Framed white on the map as the selected island.
    QCOMPARE(map_->picture()->pixel(expected), qRgb(255, 255, 255));
    QVERIFY(window_->isWindowModified());
    QCOMPARE(action("UndoAction")->text(), QStringLiteral("Rückgängig: Insel 2 einfügen"));
    QCOMPARE(doc()->undoStack()->count(), 1);

    action("UndoAction")->trigger();
    QVERIFY(!doc()->island(2));
    QVERIFY(!tree()->nodeOf(island));
    QVERIFY(!window_->isWindowModified());
}

// The copy of island 3 (from its template) is an island of its own with the
// template's ground and nothing on it.
void TestPlacing::duplicateCopiesTheGround()
{
    QAction *duplicate = action("DuplicateIslandAction");
    QVERIFY(!duplicate->isEnabled());
    tree()->setCurrentItem(tree()->nodeOf(doc()->island(3)));
    QVERIFY(duplicate->isEnabled());
    duplicate->trigger();
    QCOMPARE(map_->floatingTiles().size(), QSize(12, 8));
    QTest::keyClick(map_, Qt::Key_Down);
    const QPoint at = map_->floatingTiles().topLeft();
    QTest::keyClick(map_, Qt::Key_Enter);

    const Insel *copy = doc()->island(2);
    QVERIFY(copy);
    QCOMPARE(QPoint(copy->x(), copy->y()), at);
    QVERIFY(copy->fromChunk());
    QVERIFY(copy->record().ownGround() != 0);
    QCOMPARE(int(copy->layers().size()), 1);
    const QByteArray tiles(reinterpret_cast<const char *>(copy->layers()[0]->tiles()),
                           copy->layers()[0]->byteSize());
    QCOMPARE(tiles, ground(12, 8));
    QVERIFY(!copy->hasSettlements());
    QCOMPARE(tree()->SelectedIsland(), copy);
    QCOMPARE(action("UndoAction")->text(), QStringLiteral("Rückgängig: Insel 2 einfügen"));
    // The island it was copied from is as it was.
    QCOMPARE(QPoint(doc()->island(3)->x(), doc()->island(3)->y()), QPoint(400, 40));
}

// "Insel löschen" takes island 3, which only a reference in the SZENE
// payload stands for, as it takes an island of its own; undo puts it back.
void TestPlacing::deleteReferenceIsland()
{
    const QByteArray before = saved(*doc());
    QAction *remove = action("DeleteIslandAction");
    tree()->setCurrentItem(tree()->nodeOf(doc()->island(1)));
    QVERIFY(!remove->isEnabled()); // it has a city
    tree()->setCurrentItem(tree()->nodeOf(doc()->island(3)));
    QVERIFY(remove->isEnabled());
    remove->trigger();
    QVERIFY(!doc()->island(3));
    QCOMPARE(tree()->islandsNode()->childCount(), 2);
    QVERIFY(window_->isWindowModified());
    QCOMPARE(action("UndoAction")->text(), QStringLiteral("Rückgängig: Insel 3 löschen"));

    RumoSzen reloaded(game_->gameFolder(), nullptr);
    QVERIFY(load(reloaded, saved(*doc())));
    QVERIFY(!reloaded.island(3));
    QVERIFY(reloaded.island(0) && reloaded.island(1));

    action("UndoAction")->trigger();
    QVERIFY(doc()->island(3));
    QVERIFY(tree()->nodeOf(doc()->island(3)));
    QCOMPARE(saved(*doc()), before);
}

void TestPlacing::allNumbersUsed_data()
{
    QTest::addColumn<QString>("actionName");
    QTest::newRow("insert") << "InsertIslandAction";
    QTest::newRow("duplicate") << "DuplicateIslandAction";
}

// With islands 0 to 255 the actions say so and place nothing.
void TestPlacing::allNumbersUsed()
{
    QFETCH(QString, actionName);
    ScenarioBuilder full;
    for (int n = 0; n < 256; ++n)
        full.chunk("INSEL5", islandRecord(placed(n, 2 * (n % 200), 2 * (n / 200), 1, 1)))
            .chunk("INSELHAUS", ground(1, 1));
    const QString path = dir_->filePath("voll.szs");
    testfiles::write(path, full.chunk("PLAYER4", players()).raw(minimalScenario()).bytes());
    QVERIFY(window_->openScenario(path));
    tree()->setCurrentItem(tree()->nodeOf(doc()->island(7)));
    // A dialog that opened all the same is closed, so the test goes on.
    QTimer guard;
    connect(&guard, &QTimer::timeout, [] {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });
    guard.start(50);
    window_->findChild<QAction *>(qPrintable(actionName))->trigger();
    QCOMPARE(prompts_->shown, QStringList({"message: Alle 256 Inselnummern sind vergeben; es kann "
                                           "keine Insel mehr eingefügt werden."}));
    QVERIFY(!map_->floating());
    QVERIFY(!doc()->isModified());
}

QTEST_MAIN(TestPlacing)
#include "tst_placing.moc"
