#include "core/common/messages.h"
#include "core/document/rumoszen.h"
#include "core/map/worldrenderer.h"
#include "editor/app/tmainform.h"
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
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <random>

using namespace scenario;

namespace {

// Island 1 (10, 20; 20 x 15) with a blue city "Nordhafen" of a house at
// (12, 23) and a big building at (20, 25); islands 2 and 3 (10 x 10) at (100, 100) and (130, 100);
// a red ship at (60, 60) and a yellow cart on the city's house.
QByteArray world()
{
    IslandSpec one = placed(1, 10, 20, 20, 15);
    one.cityOwners = {1, 7, 7, 7, 7, 7, 7, 7};
    return ScenarioBuilder()
        .chunk("INSEL5", islandRecord(one))
        .chunk("INSELHAUS", tile(1, 0, 0) + tile(1202, 1, 0))
        .chunk("INSELHAUS", tile(501, 2, 3, true, 0, 1) + tile(1110, 10, 5, true, 0, 1))
        .chunk("STADT4", city(1, 0, 1, "Nordhafen"))
        .chunk("INSEL5", islandRecord(placed(2, 100, 100, 10, 10)))
        .chunk("INSELHAUS", tile(1, 0, 0))
        .chunk("INSEL5", islandRecord(placed(3, 130, 100, 10, 10)))
        .chunk("INSELHAUS", tile(1, 0, 0))
        .chunk("PLAYER4", players())
        .chunk("SHIP4", ship("Anna", 60, 60, 21, 1, 0) + ship("Karl", 14, 24, 37, 5, 2))
        .raw(minimalScenario())
        .bytes();
}

// Six islands with ground and building layers of several owners and
// footprints (some tiles reach beyond their island), one of them with a city
// at the world's left edge, and ships of every owner, a few on the islands
// and at the world's edges.
QByteArray busyWorld()
{
    ScenarioBuilder builder;
    for (int n = 1; n <= 6; ++n) {
        IslandSpec island = placed(n, 20 + 70 * (n - 1), 40 + 35 * (n % 3), 30, 24);
        if (n == 1) {
            island.x = 0;
            island.cityOwners = {2, 7, 7, 7, 7, 7, 7, 7};
        }
        QByteArray ground;
        QByteArray houses;
        for (int row = 0; row < 24; ++row) {
            for (int column = 0; column < 30; ++column) {
                const int id = (row + column) % 7 == 0 ? 1202 : (row * column) % 11 == 0 ? 1204 : 1;
                ground += tile(id, column, row);
                if (row % 4 == 1 && column % 5 == 2)
                    houses += tile(501 + (column % 3), column, row, row % 8 == 1, n == 1 ? 0 : 7,
                                   (column + n) % 9);
            }
        }
        houses += tile(1110, 27, 21, true, 7, n % 7); // a big building over the island's edge
        builder.chunk("INSEL5", islandRecord(island))
            .chunk("INSELHAUS", ground)
            .chunk("INSELHAUS", houses);
        if (n == 1)
            builder.chunk("STADT4", city(1, 0, 2, "Randhafen"));
    }
    QByteArray ships;
    const QList<QPoint> places{{0, 0},   {511, 351}, {3, 200},  {508, 5},  {40, 50},
                               {45, 52}, {200, 80},  {260, 90}, {100, 349}};
    for (int i = 0; i < places.size(); ++i)
        ships += ship("S" + QByteArray::number(i), places[i].x(), places[i].y(), 21, 1, i % 9);
    return builder.chunk("PLAYER4", players()).chunk("SHIP4", ships).raw(minimalScenario()).bytes();
}

QString firstDifference(const QImage &a, const QImage &b)
{
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                return QStringLiteral("(%1, %2): %3 instead of %4")
                    .arg(x)
                    .arg(y)
                    .arg(a.pixel(x, y), 0, 16)
                    .arg(b.pixel(x, y), 0, 16);
        }
    }
    return QString();
}

void mouse(QWidget *w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

} // namespace

class TestMap : public QObject, private WindowFixture {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void toWorld();
    void renderedColours();
    void clickAndHoverPriorities();
    void dragAndDrop_data();
    void dragAndDrop();
    void undoTakesBackTheDraggedIsland();
    void arrowKeys();
    void deleteAndExport();
    void treeOrderAndPictures();
    void editorsAreWrittenWhenTheSelectionMoves();
    void goodsDialogsOpenFromTheEditors();
    void dragStepIsFast();
    void shipDotsAreThePainterEllipses();
    void incrementalPictureEqualsFullRender_data();
    void incrementalPictureEqualsFullRender();
    void mapShowsTheFullRenderAfterEditing();

private:
    QPoint pixelOf(QPoint tile) const;
    void drag(QPoint from, const QList<QPoint> &steps, QPoint releasePixel);
    Insel *island(int n) const { return window_->document()->island(n); }
    ObjectTree *tree() const { return window_->findChild<ObjectTree *>("ObjectTree"); }

    MapView *map_ = nullptr;
};

void TestMap::initTestCase()
{
    setUpGame();
}

void TestMap::init()
{
    setUpWindow();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    const QString path = dir_->filePath("welt.szs");
    testfiles::write(path, world());
    QVERIFY(window_->openScenario(path));
    map_ = window_->findChild<MapView *>("PaintBox1");
    QVERIFY(map_->isVisible());
}

void TestMap::cleanup()
{
    tearDownWindow();
}

QPoint TestMap::pixelOf(QPoint tile) const
{
    return pixelOfTile(tile, map_->size());
}

void TestMap::drag(QPoint from, const QList<QPoint> &steps, QPoint releasePixel)
{
    mouse(map_, QEvent::MouseButtonPress, pixelOf(from), Qt::LeftButton, Qt::LeftButton);
    for (const QPoint &tile : steps)
        mouse(map_, QEvent::MouseMove, pixelOf(tile), Qt::NoButton, Qt::LeftButton);
    mouse(map_, QEvent::MouseButtonRelease, releasePixel, Qt::LeftButton, Qt::NoButton);
}

void TestMap::toWorld()
{
    QCOMPARE(World::ToWorld({1023, 703}, {1024, 704}), QPoint(511, 351));
    QCOMPARE(World::ToWorld({544, 379}, {545, 380}), QPoint(511, 351));
    QCOMPARE(World::ToWorld({0, 0}, {545, 380}), QPoint(0, 0));
    // The map keeps the world's proportions inside its panel.
    QCOMPARE(map_->width() * 352 / 512, map_->height());
    for (QPoint tile : {QPoint(0, 0), QPoint(12, 23), QPoint(511, 351)})
        QCOMPARE(map_->ToWorld(pixelOf(tile)), tile);
}

void TestMap::renderedColours()
{
    RumoSzen doc(QString(), nullptr);
    QVERIFY(load(doc, world()));
    QImage image;
    WorldView view;
    renderWorld(doc, view, image);
    QCOMPARE(image.size(), QSize(512, 352));
    QCOMPARE(image.pixel(0, 0), qRgb(68, 68, 255));   // sea
    QCOMPARE(image.pixel(25, 30), qRgb(0, 0, 255));   // the 6 x 6 building of player 1
    QCOMPARE(image.pixel(60, 60), qRgb(255, 0, 0));   // a red ship's dot ...
    QCOMPARE(image.pixel(54, 60), qRgb(0, 255, 255)); // ... outlined in the opposite colour

    view.showCities = false;
    view.showShips = false;
    view.selectedIsland = doc.island(2);
    renderWorld(doc, view, image);
    QCOMPARE(image.pixel(10, 20), qRgb(137, 99, 64));     // unowned ground
    QCOMPARE(image.pixel(11, 20), qRgb(204, 204, 255));   // pale water piece
    QCOMPARE(image.pixel(25, 30), qRgb(68, 68, 255));     // buildings hidden
    QCOMPARE(image.pixel(60, 60), qRgb(68, 68, 255));     // ships hidden
    QCOMPARE(image.pixel(100, 105), qRgb(255, 255, 255)); // island frame, left edge
    QCOMPARE(image.pixel(109, 109), qRgb(255, 255, 255)); // right and bottom inside
    QCOMPARE(image.pixel(110, 105), qRgb(68, 68, 255));
    doc.MoveIsland(*doc.island(2), 25, 0); // onto island 3
    renderWorld(doc, view, image);
    QCOMPARE(image.pixel(125, 105), qRgb(255, 0, 0));
}

void TestMap::clickAndHoverPriorities()
{
    // The cart stands on the city's house: a click picks the cart ...
    mouse(map_, QEvent::MouseButtonPress, pixelOf({14, 24}), Qt::LeftButton, Qt::LeftButton);
    mouse(map_, QEvent::MouseButtonRelease, pixelOf({14, 24}), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(tree()->currentItem()->text(0), QStringLiteral("Karl"));
    // ... hovering names the city.
    mouse(map_, QEvent::MouseMove, pixelOf({14, 24}), Qt::NoButton, Qt::NoButton);
    QCOMPARE(map_->toolTip(), QStringLiteral("Nordhafen"));
    QCOMPARE(map_->cursor().shape(), Qt::PointingHandCursor);

    mouse(map_, QEvent::MouseButtonPress, pixelOf({25, 30}), Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(tree()->currentItem()->text(0), QStringLiteral("Nordhafen"));
    window_->findChild<QToolButton *>("btStaedte")->click();
    mouse(map_, QEvent::MouseButtonPress, pixelOf({25, 30}), Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(tree()->currentItem()->text(0), QStringLiteral("Insel 1: 20x15 N"));
    mouse(map_, QEvent::MouseMove, pixelOf({25, 30}), Qt::NoButton, Qt::NoButton);
    QCOMPARE(map_->toolTip(), QStringLiteral("Insel 1: 20x15 N"));

    mouse(map_, QEvent::MouseMove, pixelOf({300, 300}), Qt::NoButton, Qt::NoButton);
    QCOMPARE(map_->toolTip(), QString());
    QCOMPARE(window_->findChild<QLabel *>("StatusPanel2")->text(), QStringLiteral("300 / 300"));
    mouse(map_, QEvent::MouseButtonPress, pixelOf({300, 300}), Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(tree()->currentItem(), nullptr);
}

void TestMap::dragAndDrop_data()
{
    QTest::addColumn<QList<QPoint>>("steps");
    QTest::addColumn<bool>("releaseOnMap");
    QTest::addColumn<int>("finalX");
    QTest::addColumn<bool>("changed");
    // Island 2 is grabbed at (105, 105); island 3 starts at column 130.
    QTest::newRow("valid") << QList<QPoint>{{110, 105}, {115, 110}} << true << 110 << true;
    QTest::newRow("touching") << QList<QPoint>{{125, 105}} << true << 120 << true;
    QTest::newRow("overlapping") << QList<QPoint>{{126, 105}} << true << 100 << false;
    QTest::newRow("leaving the world")
        << QList<QPoint>{{300, 105}, {508, 105}} << true << 100 << false;
    QTest::newRow("released outside") << QList<QPoint>{{118, 105}} << false << 100 << false;
}

void TestMap::dragAndDrop()
{
    QFETCH(QList<QPoint>, steps);
    QFETCH(bool, releaseOnMap);
    QFETCH(int, finalX);
    QFETCH(bool, changed);
    const QPoint release = releaseOnMap ? pixelOf(steps.last()) : QPoint(-20, -20);
    drag({105, 105}, steps, release);
    QCOMPARE(island(2)->x(), finalX);
    QCOMPARE(window_->document()->isModified(), changed);
    QCOMPARE(window_->findChild<QAction *>("UndoAction")->isEnabled(), changed);
    QVERIFY(window_->document()->moveValid());
}

void TestMap::undoTakesBackTheDraggedIsland()
{
    drag({105, 105}, {{118, 105}}, pixelOf({118, 105}));
    QCOMPARE(window_->document()->ModifiedCount(), 1);
    // Selecting another island does not change what Undo takes back.
    tree()->setCurrentItem(tree()->nodeOf(island(3)));
    window_->findChild<QAction *>("UndoAction")->trigger();
    QCOMPARE(island(2)->x(), 100);
    QCOMPARE(island(3)->x(), 130);
    QVERIFY(!window_->document()->isModified());
    QVERIFY(!window_->findChild<QAction *>("UndoAction")->isEnabled());

    // Undo selected the island it moved back. With another change before
    // the drag, the document stays modified.
    QCOMPARE(tree()->currentItem(), tree()->nodeOf(island(2)));
    tree()->setCurrentItem(tree()->nodeOf(island(3)));
    QTest::keyClick(map_, Qt::Key_Right);
    QCOMPARE(island(3)->x(), 131);
    drag({105, 105}, {{118, 105}}, pixelOf({118, 105}));
    window_->findChild<QAction *>("UndoAction")->trigger();
    QCOMPARE(island(2)->x(), 100);
    QCOMPARE(island(3)->x(), 131);
    QCOMPARE(window_->document()->ModifiedCount(), 1);
}

// Plain arrow keys move the selected island only from the map itself; in
// the object tree they move the tree's selection and change nothing. With
// Alt they move the island from any control of the window.
void TestMap::arrowKeys()
{
    tree()->setCurrentItem(tree()->nodeOf(island(2)));
    QTest::keyClick(tree(), Qt::Key_Down);
    QCOMPARE(island(2)->y(), 100);
    QVERIFY(!window_->document()->isModified());
    QVERIFY(tree()->currentItem() != tree()->nodeOf(island(2))); // the tree moved on
    QTest::keyClick(tree(), Qt::Key_Up);
    QCOMPARE(tree()->currentItem(), tree()->nodeOf(island(2)));
    QVERIFY(!window_->document()->isModified());

    QTest::keyClick(map_, Qt::Key_Right);
    QCOMPARE(island(2)->x(), 101);
    QTest::keyClick(map_, Qt::Key_Up);
    QCOMPARE(island(2)->y(), 99);
    QCOMPARE(window_->document()->ModifiedCount(), 2);

    // With Alt from the tree and from a button of the page; plain keys on
    // the button are the button's.
    QTest::keyClick(tree(), Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(island(2)->x(), 100);
    QCOMPARE(tree()->currentItem(), tree()->nodeOf(island(2)));
    auto *button = window_->findChild<QToolButton *>("btStaedte");
    QTest::keyClick(button, Qt::Key_Down, Qt::AltModifier);
    QCOMPARE(island(2)->y(), 100);
    QCOMPARE(window_->document()->ModifiedCount(), 4);
    QTest::keyClick(button, Qt::Key_Down);
    QCOMPARE(island(2)->y(), 100);
    QCOMPARE(window_->document()->ModifiedCount(), 4);

    // Onto the neighbour: taken back at once, and no change counted.
    island(2)->MoveBy(20, 1);
    QTest::keyClick(map_, Qt::Key_Right);
    QCOMPARE(island(2)->x(), 120);
    QCOMPARE(window_->document()->ModifiedCount(), 4);

    // On another page, or with a city selected, the keys pass on.
    auto *pages = window_->findChild<QTabWidget *>("MainPageControl");
    pages->setCurrentIndex(1);
    QTest::keyClick(pages, Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(island(2)->x(), 120);
    pages->setCurrentIndex(0);
    tree()->setCurrentItem(tree()->nodeOf(window_->document()->island(1)->cities()[0].data()));
    QTest::keyClick(map_, Qt::Key_Down);
    QCOMPARE(window_->document()->island(1)->y(), 20);
}

void TestMap::deleteAndExport()
{
    QAction *remove = window_->findChild<QAction *>("DeleteIslandAction");
    tree()->setCurrentItem(tree()->nodeOf(island(1)));
    QVERIFY(!remove->isEnabled()); // it has a city
    tree()->setCurrentItem(tree()->nodeOf(island(2)));
    QVERIFY(remove->isEnabled());

    prompts_->files << Prompts::FileChoice{dir_->filePath("insel2"), 0};
    window_->findChild<QAction *>("SaveInselAction")->trigger();
    const QByteArray exported = testfiles::read(dir_->filePath("insel2.scp"));
    QCOMPARE(exported, chunk("INSEL5", islandRecord(placed(2, 100, 100, 10, 10))) +
                           chunk("INSELHAUS", tile(1, 0, 0)));
    QVERIFY(!window_->document()->isModified());

    remove->trigger();
    QVERIFY(!island(2));
    QVERIFY(island(3));
    QVERIFY(window_->document()->isModified());
    QVERIFY(!tree()->nodeOf(nullptr));
    QVERIFY(
        !scenario::saved(*window_->document()).contains(islandRecord(placed(2, 100, 100, 10, 10))));
}

void TestMap::treeOrderAndPictures()
{
    const QString path = dir_->filePath("order.szs");
    IslandSpec ten = placed(10, 10, 10, 8, 8);
    ten.cityOwners = {5, 2, 3, 7, 7, 7, 7, 7};
    testfiles::write(path, ScenarioBuilder()
                               .chunk("INSEL5", islandRecord(ten))
                               .chunk("INSEL5", islandRecord(placed(2, 40, 10, 8, 8)))
                               .chunk("INSEL5", islandRecord(placed(7, 70, 10, 8, 8)))
                               .chunk("STADT4", city(10, 0, 5, "Zwolle") + city(10, 1, 2, "alpha") +
                                                    city(10, 2, 3, "Bremen"))
                               .chunk("PLAYER4", players())
                               .raw(minimalScenario())
                               .bytes());
    QVERIFY(window_->openScenario(path));
    QTreeWidgetItem *islands = tree()->islandsNode();
    QStringList order;
    for (int i = 0; i < islands->childCount(); ++i)
        order << islands->child(i)->text(0).section(':', 0, 0);
    QCOMPARE(order, QStringList({"Insel 2", "Insel 7", "Insel 10"}));
    QTreeWidgetItem *cities = islands->child(2);
    QCOMPARE(cities->child(0)->text(0), QStringLiteral("Bremen"));
    QCOMPARE(cities->child(2)->text(0), QStringLiteral("alpha"));
    // A city of player 5 (the natives' green) shows a green pennant.
    const QImage picture = cities->child(1)->icon(0).pixmap(16, 16).toImage();
    QCOMPARE(picture.pixelColor(7, 5).rgb(), qRgb(0, 128, 0));
    QCOMPARE(tree()->topLevelItem(0)->text(0), QStringLiteral("Inseln und Städte"));
}

void TestMap::editorsAreWrittenWhenTheSelectionMoves()
{
    RumoSzen *doc = window_->document();
    const CityRecord city = doc->island(1)->cities()[0];
    const ShipRecord anna = doc->Ships()[0];
    tree()->setCurrentItem(tree()->nodeOf(city.data()));
    QCOMPARE(window_->findChild<QLineEdit *>("editStadtname")->text(), QStringLiteral("Nordhafen"));
    QVERIFY(!doc->isModified()); // filling is no change
    window_->findChild<QLineEdit *>("editStadtname")->setText(QStringLiteral("Südhafen"));
    tree()->setCurrentItem(tree()->nodeOf(anna.data()));
    QCOMPARE(city.name(), QStringLiteral("Südhafen"));
    QCOMPARE(tree()->nodeOf(city.data())->text(0), QStringLiteral("Südhafen"));

    window_->findChild<QLineEdit *>("editSchiffkanonen")->setText(QStringLiteral("12"));
    window_->findChild<QLineEdit *>("editSchiffname")->setText(QStringLiteral("Anna II"));
    QCOMPARE(tree()->currentItem()->text(0), QStringLiteral("Anna II"));
    // The owner follows at once, and with it the dot on the map.
    window_->findChild<QComboBox *>("comboSchifffarbe")->setCurrentIndex(1);
    QCOMPARE(anna.owner(), quint8(1));
    tree()->setCurrentItem(tree()->nodeOf(island(2)));
    QCOMPARE(anna.guns(), quint8(12));
    QCOMPARE(anna.name(), QStringLiteral("Anna II"));

    // Saving writes the editor of the selected ship too.
    tree()->setCurrentItem(tree()->nodeOf(anna.data()));
    window_->findChild<QLineEdit *>("editSchiffkanonen")->setText(QStringLiteral("300"));
    window_->findChild<QAction *>("SaveAction")->trigger();
    QCOMPARE(anna.guns(), quint8(255));
    QVERIFY(!doc->isModified());
}

// "Warenlager..." and "Ladung..." open their dialogs; OK counts a change
// when it stored one, Abbruch never. A city without a trading post gets a
// message instead of the stock dialog.
void TestMap::goodsDialogsOpenFromTheEditors()
{
    RumoSzen *doc = window_->document();
    auto answer = [](const char *dialog, const char *button, const char *edit = nullptr) {
        QTimer::singleShot(0, [=] {
            QWidget *box = QApplication::activeModalWidget();
            QVERIFY2(box && box->objectName() == dialog, dialog);
            if (edit)
                box->findChild<QLineEdit *>(edit)->setText(QStringLiteral("99"));
            box->findChild<QPushButton *>(button)->click();
        });
    };
    const CityRecord city = doc->island(1)->cities()[0];
    QVERIFY(!doc->tradingPostOf(city));
    tree()->setCurrentItem(tree()->nodeOf(city.data()));
    window_->findChild<QPushButton *>("btWarenlager")->click();
    QCOMPARE(prompts_->shown.last(), "message: " + msg::cityWithoutTradingPost(city.name()));
    QVERIFY(!doc->isModified());

    tree()->setCurrentItem(tree()->nodeOf(doc->Ships()[1].data()));
    answer("TSchiffWaren", "btCancel", "edWare00");
    window_->findChild<QPushButton *>("btCargo")->click();
    QVERIFY(!doc->isModified());
    answer("TSchiffWaren", "btOk");
    window_->findChild<QPushButton *>("btCargo")->click();
    QVERIFY(!doc->isModified());
    answer("TSchiffWaren", "btOk", "edWare00");
    window_->findChild<QPushButton *>("btCargo")->click();
    QCOMPARE(doc->ModifiedCount(), 1);
}

// One drag step (move, check, draw onto 1024 x 704) on a world
// heavier than any demo scenario: an island of 45,000 tiles and a building
// layer over half of it.
void TestMap::dragStepIsFast()
{
    QByteArray ground;
    QByteArray houses;
    for (int row = 0; row < 180; ++row) {
        for (int column = 0; column < 250; ++column) {
            ground += tile(1, column, row);
            if (row % 2 == 0 && column % 2 == 0)
                houses += tile(501, column, row, true, 0, 1);
        }
    }
    IslandSpec big = placed(4, 200, 150, 250, 180);
    big.cityOwners = {1, 7, 7, 7, 7, 7, 7, 7};
    const QString path = dir_->filePath("gross.szs");
    testfiles::write(path, ScenarioBuilder()
                               .chunk("INSEL5", islandRecord(placed(2, 100, 100, 10, 10)))
                               .chunk("INSELHAUS", tile(1, 0, 0))
                               .chunk("INSEL5", islandRecord(big))
                               .chunk("INSELHAUS", ground)
                               .chunk("INSELHAUS", houses)
                               .chunk("PLAYER4", players())
                               .raw(minimalScenario())
                               .bytes());
    QVERIFY(window_->openScenario(path));
    map_->resize(1024, 704);
    mouse(map_, QEvent::MouseButtonPress, pixelOf({105, 105}), Qt::LeftButton, Qt::LeftButton);
    mouse(map_, QEvent::MouseMove, pixelOf({110, 105}), Qt::NoButton, Qt::LeftButton);
    QElapsedTimer clock;
    clock.start();
    const int steps = 40;
    for (int i = 0; i < steps; ++i) {
        mouse(map_, QEvent::MouseMove, pixelOf({110 + i % 2, 105}), Qt::NoButton, Qt::LeftButton);
        map_->repaint();
    }
    const double ms = double(clock.nsecsElapsed()) / 1e6 / steps;
    qInfo("one drag step: %.2f ms", ms);
    QCOMPARE(island(2)->x(), 106);
    QVERIFY(ms < 16.0);
}

// The dots are copied from pictures drawn once per colour; they must be the
// ellipses QPainter draws on the picture itself, for every owner, selected or
// not, and cut off at the world's edges.
void TestMap::shipDotsAreThePainterEllipses()
{
    RumoSzen doc(QString(), nullptr);
    QVERIFY(load(doc, busyWorld()));
    for (int selected = -1; selected < int(doc.Ships().size()); ++selected) {
        WorldView view;
        view.showShips = false;
        if (selected >= 0)
            view.selectedShip = doc.Ships()[selected];
        QImage expected;
        renderWorld(doc, view, expected);
        {
            QPainter painter(&expected);
            const PlayerArea players = doc.players();
            for (const ShipRecord &ship : doc.Ships()) {
                const QColor fill = players.mapColourOf(ship.owner());
                painter.setPen(QPen(QColor(255 - fill.red(), 255 - fill.green(), 255 - fill.blue()),
                                    ship == view.selectedShip ? 2 : 1));
                painter.setBrush(fill);
                painter.drawEllipse(QRect(ship.x() - 6, ship.y() - 6, 12, 12));
            }
        }
        view.showShips = true;
        QImage drawn;
        renderWorld(doc, view, drawn);
        QVERIFY2(drawn == expected, qPrintable(firstDifference(drawn, expected)));
    }
}

void TestMap::incrementalPictureEqualsFullRender_data()
{
    QTest::addColumn<unsigned>("seed");
    for (unsigned seed : {1u, 7u, 42u, 1234u, 98765u})
        QTest::addRow("seed %u", seed) << seed;
}

// Random moves (valid, overlapping, leaving the world, far outside),
// selections of islands, cities and ships, ships moving and changing hands,
// a city changing hands, the two buttons and deletions: after each, the
// picture kept up to date equals one drawn from scratch.
void TestMap::incrementalPictureEqualsFullRender()
{
    QFETCH(unsigned, seed);
    RumoSzen doc(QString(), nullptr);
    QVERIFY(load(doc, busyWorld()));
    std::mt19937 random(seed);
    auto below = [&random](int n) { return int(random() % unsigned(n)); };
    auto anyIsland = [&]() -> Insel * {
        std::vector<Insel *> present;
        for (const auto &island : doc.Islands())
            if (island)
                present.push_back(island.get());
        return present.empty() ? nullptr : present[size_t(below(int(present.size())))];
    };
    WorldView view;
    auto cleared = [&view] {
        WorldView next;
        next.showCities = view.showCities;
        next.showShips = view.showShips;
        return next;
    };
    WorldPicture picture;
    picture.render(doc, view);
    for (int step = 0; step < 300; ++step) {
        const int what = below(20);
        if (what < 8) {
            if (Insel *island = anyIsland()) {
                const int reach = what == 0 ? 600 : 12;
                doc.MoveIsland(*island, below(2 * reach + 1) - reach, below(2 * reach + 1) - reach);
            }
        } else if (what < 10) {
            view = cleared();
            view.selectedIsland = anyIsland();
        } else if (what == 10) {
            view = cleared();
            if (Insel *island = anyIsland())
                view.cityFrame = doc.CityBounds(*island, 0).value_or(TileRect{});
        } else if (what == 11) {
            view.selectedShip = doc.Ships()[size_t(below(int(doc.Ships().size())))];
        } else if (what == 12) {
            ShipRecord ship = doc.Ships()[size_t(below(int(doc.Ships().size())))];
            ship.setOwner(quint8(below(12)));
        } else if (what == 13) {
            if (Insel *island = doc.island(1))
                doc.SetCityOwner(island->cities()[0], below(7));
            // Tiles may have differed from the record's owner before, so the
            // picture cannot see the change: the page tells it, as here.
            picture.forget();
        } else if (what == 14) {
            view.showCities = !view.showCities;
        } else if (what == 15) {
            view.showShips = !view.showShips;
        } else if (what == 16 && below(4) == 0) {
            Insel *island = anyIsland();
            if (island && island != view.selectedIsland && doc.canDeleteIsland(*island))
                doc.deleteIsland(*island);
        } else if (Insel *island = anyIsland()) {
            island->MoveBy(below(3) - 1, below(3) - 1); // behind the document's back
        }
        const QRegion changed = picture.update(doc, view);
        QImage full;
        renderWorld(doc, view, full);
        QVERIFY2(picture.image() == full,
                 qPrintable(QStringLiteral("step %1 (kind %2): %3")
                                .arg(step)
                                .arg(what)
                                .arg(firstDifference(picture.image(), full))));
        // Nothing changed, nothing to draw.
        QVERIFY(picture.update(doc, view).isEmpty());
        Q_UNUSED(changed);
    }
}

// Through the page: drags, arrow keys (refused ones too), selections, the
// buttons and a deletion leave the map showing what a full render draws.
void TestMap::mapShowsTheFullRenderAfterEditing()
{
    RumoSzen *doc = window_->document();
    auto fullRender = [&] {
        WorldView view;
        view.showCities = window_->findChild<QToolButton *>("btStaedte")->isChecked();
        view.showShips = window_->findChild<QToolButton *>("btSchiffe")->isChecked();
        view.selectedIsland = tree()->SelectedIsland();
        if (const CityRecord city = tree()->SelectedCity()) {
            view.selectedIsland = nullptr;
            view.cityFrame =
                doc->CityBounds(*doc->islandOf(city), city.slot()).value_or(TileRect{});
        }
        view.selectedShip = tree()->SelectedShip();
        QImage image;
        renderWorld(*doc, view, image);
        return image;
    };
    auto check = [&](const char *what) {
        QVERIFY2(*map_->picture() == fullRender(),
                 qPrintable(QString::fromLatin1(what) + ": " +
                            firstDifference(*map_->picture(), fullRender())));
    };
    drag({105, 105}, {{110, 105}, {126, 105}, {112, 108}}, pixelOf({112, 108}));
    check("valid drag");
    drag({112, 108}, {{127, 108}}, pixelOf({127, 108}));
    check("refused drop");
    QTest::keyClick(map_, Qt::Key_Left);
    check("arrow key");
    island(2)->MoveBy(118 - island(2)->x(), 0);
    QTest::keyClick(map_, Qt::Key_Right);
    QTest::keyClick(map_, Qt::Key_Right);
    QTest::keyClick(map_, Qt::Key_Right);
    check("refused arrow key");
    tree()->setCurrentItem(tree()->nodeOf(island(1)->cities()[0].data()));
    check("city selected");
    tree()->setCurrentItem(tree()->nodeOf(doc->Ships()[0].data()));
    check("ship selected");
    window_->findChild<QToolButton *>("btStaedte")->click();
    check("cities hidden");
    tree()->setCurrentItem(tree()->nodeOf(island(3)));
    window_->findChild<QAction *>("DeleteIslandAction")->trigger();
    check("island deleted");
}

QTEST_MAIN(TestMap)
#include "tst_map.moc"
