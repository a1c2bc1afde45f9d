#include "core/document/rumoszen.h"
#include "core/map/worldrenderer.h"
#include "editor/app/tmainform.h"
#include "editor/map/mappanel.h"
#include "editor/map/mapview.h"
#include "editor/map/objecttree.h"
#include "support/documentio.h"
#include "support/gameinstallation.h"
#include "support/scenariobuilder.h"
#include "support/tempfiles.h"
#include "support/ui/scriptedprompts.h"
#include "support/ui/windowfixture.h"

#include <QAction>
#include <QLabel>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

using namespace scenario;

namespace {

// Islands 2 and 3 (10 x 10) at (100, 100) and (130, 100) as in the map
// tests, island 4 in the middle of the world, island 5 near its bottom right
// corner, and a ship between them.
QByteArray world()
{
    QByteArray ground;
    for (int row = 0; row < 10; ++row)
        for (int column = 0; column < 10; ++column)
            ground += tile((row + column) % 3 ? 1 : 1202, column, row, true, 7, 0);
    return ScenarioBuilder()
        .chunk("INSEL5", islandRecord(placed(2, 100, 100, 10, 10)))
        .chunk("INSELHAUS", ground)
        .chunk("INSEL5", islandRecord(placed(3, 130, 100, 10, 10)))
        .chunk("INSELHAUS", ground)
        .chunk("INSEL5", islandRecord(placed(4, 250, 170, 10, 10)))
        .chunk("INSELHAUS", ground)
        .chunk("INSEL5", islandRecord(placed(5, 480, 330, 10, 10)))
        .chunk("INSELHAUS", ground)
        .chunk("PLAYER4", players())
        .chunk("SHIP4", ship("Anna", 200, 140, 21, 1, 1))
        .raw(minimalScenario())
        .bytes();
}

void mouse(QWidget *w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

void wheel(QWidget *w, QPoint at, int notches, Qt::KeyboardModifiers modifiers)
{
    QWheelEvent event(at, w->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &event);
}

} // namespace

class TestZoom : public QObject, private WindowFixture {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void editingHitsTheSameTilesAtEveryZoom_data();
    void editingHitsTheSameTilesAtEveryZoom();
    void zoomKeepsTheTileUnderTheCursor_data();
    void zoomKeepsTheTileUnderTheCursor();
    void fitShowsTheWholeWorldAgain();
    void zoomedMapIsThePictureScaledByNearestNeighbour_data();
    void zoomedMapIsThePictureScaledByNearestNeighbour();

private:
    // A pixel in the middle of the pixels that show a tile; (-1, -1) when
    // the map does not show it.
    QPoint pixelOf(QPoint tile) const;
    // The map point of panel point `at` after a zoom moved the map.
    QPoint onMap(QPoint panelPoint) const { return panelPoint - map_->pos(); }
    // Zooms in `steps` levels around tile `around`, then pans by `pan`
    // pixels with the middle button and turns the wheel `notches` down.
    void setView(int steps, QPoint around, QPoint pan, int notches);
    Insel *island(int n) const { return window_->document()->island(n); }
    ObjectTree *tree() const { return window_->findChild<ObjectTree *>("ObjectTree"); }

    MapView *map_ = nullptr;
    MapPanel *panel_ = nullptr;
};

void TestZoom::initTestCase()
{
    setUpGame();
}

void TestZoom::init()
{
    setUpWindow();
    window_->resize(1280, 900);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    const QString path = dir_->filePath("welt.szs");
    testfiles::write(path, world());
    QVERIFY(window_->openScenario(path));
    map_ = window_->findChild<MapView *>("PaintBox1");
    panel_ = window_->findChild<MapPanel *>("Panel9");
    QVERIFY(map_->isVisible());
    QVERIFY(panel_->zoom().fitted());
}

void TestZoom::cleanup()
{
    tearDownWindow();
}

QPoint TestZoom::pixelOf(QPoint tile) const
{
    auto middle = [](int t, int pixels, auto tileOf) {
        int first = -1;
        int last = -1;
        for (int p = 0; p < pixels; ++p) {
            if (tileOf(p) == t) {
                if (first < 0)
                    first = p;
                last = p;
            }
        }
        return first < 0 ? -1 : (first + last) / 2;
    };
    const int x = middle(tile.x(), map_->width(), [this](int p) {
        return map_->ToWorld({p, 0}).x();
    });
    const int y = middle(tile.y(), map_->height(), [this](int p) {
        return map_->ToWorld({0, p}).y();
    });
    return x < 0 || y < 0 ? QPoint(-1, -1) : QPoint(x, y);
}

void TestZoom::setView(int steps, QPoint around, QPoint pan, int notches)
{
    if (steps != 0)
        wheel(map_, pixelOf(around), steps, Qt::ControlModifier);
    QCOMPARE(panel_->zoom().fitted(), steps == 0);
    const QPoint before = panel_->zoom().offset();
    if (!pan.isNull()) {
        const QPoint from = map_->rect().center();
        mouse(map_, QEvent::MouseButtonPress, from, Qt::MiddleButton, Qt::MiddleButton);
        mouse(map_, QEvent::MouseMove, from - pan / 2, Qt::NoButton, Qt::MiddleButton);
        mouse(map_, QEvent::MouseMove, from - pan, Qt::NoButton, Qt::MiddleButton);
        mouse(map_, QEvent::MouseButtonRelease, from - pan, Qt::MiddleButton, Qt::NoButton);
    }
    if (notches != 0)
        wheel(map_, map_->rect().center(), -notches, Qt::NoModifier);
    // The view really moved: the bars show where it went.
    if (!pan.isNull() || notches != 0) {
        QVERIFY(panel_->zoom().offset() != before);
        QCOMPARE(panel_->findChild<QScrollBar *>("sbKarteH")->value(), panel_->zoom().offset().x());
        QCOMPARE(panel_->findChild<QScrollBar *>("sbKarteV")->value(), panel_->zoom().offset().y());
    }
    // The middle button selects nothing.
    QCOMPARE(tree()->currentItem(), nullptr);
}

void TestZoom::editingHitsTheSameTilesAtEveryZoom_data()
{
    QTest::addColumn<int>("steps");
    QTest::addColumn<QPoint>("pan");
    QTest::addColumn<int>("notches");
    QTest::newRow("fitted") << 0 << QPoint() << 0;
    QTest::newRow("one level in") << 1 << QPoint() << 0;
    QTest::newRow("two levels, panned") << 2 << QPoint(37, -23) << 0;
    QTest::newRow("four levels, wheel") << 4 << QPoint(-11, 5) << 1;
    QTest::newRow("largest, panned") << 9 << QPoint(-150, -90) << 0;
}

// Click, hover and drag name and move the same islands by the same tiles
// whatever the zoom and the scroll position, and a wheel turn during a drag
// keeps the island under the mouse.
void TestZoom::editingHitsTheSameTilesAtEveryZoom()
{
    QFETCH(int, steps);
    QFETCH(QPoint, pan);
    QFETCH(int, notches);
    setView(steps, {118, 105}, pan, notches);

    const QPoint three = pixelOf({135, 104});
    QVERIFY(three.x() >= 0);
    mouse(map_, QEvent::MouseMove, three, Qt::NoButton, Qt::NoButton);
    QCOMPARE(map_->toolTip(), IslandLabel(*island(3)));
    QCOMPARE(window_->findChild<QLabel *>("StatusPanel2")->text(), QStringLiteral("135 / 104"));
    mouse(map_, QEvent::MouseButtonPress, three, Qt::LeftButton, Qt::LeftButton);
    mouse(map_, QEvent::MouseButtonRelease, three, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(tree()->currentItem(), tree()->nodeOf(island(3)));

    // Island 2, grabbed at (105, 105), dropped at (117, 103).
    QVERIFY(pixelOf({105, 105}).x() >= 0 && pixelOf({117, 103}).x() >= 0);
    mouse(map_, QEvent::MouseButtonPress, pixelOf({105, 105}), Qt::LeftButton, Qt::LeftButton);
    for (const QPoint tile : {QPoint(108, 106), QPoint(126, 104), QPoint(117, 103)})
        mouse(map_, QEvent::MouseMove, pixelOf(tile), Qt::NoButton, Qt::LeftButton);
    mouse(map_, QEvent::MouseButtonRelease, pixelOf({117, 103}), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(QPoint(island(2)->x(), island(2)->y()), QPoint(112, 98));
    QVERIFY(window_->document()->isModified());
    QVERIFY(window_->document()->moveValid());

    // A refused drop puts it back where that drag began.
    mouse(map_, QEvent::MouseButtonPress, pixelOf({117, 103}), Qt::LeftButton, Qt::LeftButton);
    mouse(map_, QEvent::MouseMove, pixelOf({119, 103}), Qt::NoButton, Qt::LeftButton);
    mouse(map_, QEvent::MouseMove, pixelOf({126, 103}), Qt::NoButton, Qt::LeftButton);
    QVERIFY(!window_->document()->moveValid());
    mouse(map_, QEvent::MouseButtonRelease, pixelOf({126, 103}), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(QPoint(island(2)->x(), island(2)->y()), QPoint(112, 98));

    if (steps == 0)
        return;
    // Zoomed, the wheel scrolls during a drag: the island goes with the
    // tile now under the resting mouse.
    const QPoint at = pixelOf({115, 100});
    mouse(map_, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    const QPoint rest = at + QPoint(QApplication::startDragDistance() + 2, 0);
    mouse(map_, QEvent::MouseMove, rest, Qt::NoButton, Qt::LeftButton);
    const QPoint grabbed = map_->ToWorld(rest);
    QCOMPARE(QPoint(island(2)->x(), island(2)->y()), QPoint(112, 98) + grabbed - QPoint(115, 100));
    wheel(map_, rest, -1, Qt::NoModifier);
    const QPoint now = map_->ToWorld(rest);
    QVERIFY(now.y() > grabbed.y());
    QCOMPARE(QPoint(island(2)->x(), island(2)->y()), QPoint(112, 98) + now - QPoint(115, 100));
    mouse(map_, QEvent::MouseButtonRelease, rest, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(QPoint(island(2)->x(), island(2)->y()), QPoint(112, 98) + now - QPoint(115, 100));
}

void TestZoom::zoomKeepsTheTileUnderTheCursor_data()
{
    QTest::addColumn<QPoint>("tile");
    QTest::addColumn<QList<int>>("steps");
    QTest::newRow("island 2, in step by step") << QPoint(105, 105) << QList<int>{1, 1, 1, 1, 1};
    QTest::newRow("middle, in and out") << QPoint(255, 175) << QList<int>{2, 3, -1, -2, 2};
    QTest::newRow("lower right, to the largest and back")
        << QPoint(400, 260) << QList<int>{9, -2, -1};
    QTest::newRow("between tiles' edges, in") << QPoint(77, 200) << QList<int>{1, 2, 1};
}

void TestZoom::zoomKeepsTheTileUnderTheCursor()
{
    QFETCH(QPoint, tile);
    QFETCH(QList<int>, steps);
    // The cursor rests on one point of the panel; the map moves under it.
    const QPoint cursor = map_->pos() + pixelOf(tile);
    for (const int step : steps) {
        const double before = panel_->zoom().currentScale();
        wheel(map_, onMap(cursor), step, Qt::ControlModifier);
        QVERIFY(panel_->zoom().currentScale() != before);
        QVERIFY(!panel_->zoom().fitted());
        QCOMPARE(map_->ToWorld(onMap(cursor)), tile);
    }
    // All the way out is the fitted map, which cannot scroll.
    wheel(map_, onMap(cursor), -20, Qt::ControlModifier);
    QVERIFY(panel_->zoom().fitted());
}

// "Ganze Karte" and Ctrl+0 show the whole world again, so does "−" from the
// first level and loading a scenario.
void TestZoom::fitShowsTheWholeWorldAgain()
{
    const QRect fitted = map_->geometry();
    QCOMPARE(fitted.width() * 352 / 512, fitted.height());
    auto *in = window_->findChild<QToolButton *>("btVergroessern");
    auto *out = window_->findChild<QToolButton *>("btVerkleinern");
    auto *fit = window_->findChild<QToolButton *>("btGanzeKarte");
    auto *horizontal = panel_->findChild<QScrollBar *>("sbKarteH");
    auto *vertical = panel_->findChild<QScrollBar *>("sbKarteV");
    auto isFitted = [&] {
        return panel_->zoom().fitted() && map_->geometry() == fitted && !horizontal->isVisible() &&
               !vertical->isVisible() && map_->ToWorld({0, 0}) == QPoint(0, 0) &&
               map_->ToWorld({fitted.width() - 1, fitted.height() - 1}) == QPoint(511, 351) &&
               !fit->isEnabled() && !out->isEnabled() && in->isEnabled();
    };
    QVERIFY(isFitted());
    const QString fittedPercent = window_->findChild<QLabel *>("lbZoom")->text();

    in->click();
    in->click();
    QVERIFY(!panel_->zoom().fitted());
    QVERIFY(horizontal->isVisible() && vertical->isVisible());
    QVERIFY(fit->isEnabled() && out->isEnabled());
    QCOMPARE(window_->findChild<QLabel *>("lbZoom")->text(),
             QStringLiteral("%1 %").arg(panel_->zoom().scale() * 100));
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QTest::keyClick(window_.get(), Qt::Key_0, Qt::ControlModifier);
    QVERIFY(isFitted());
    QCOMPARE(window_->findChild<QLabel *>("lbZoom")->text(), fittedPercent);

    for (int i = 0; i < 20; ++i)
        in->click();
    QCOMPARE(panel_->zoom().scale(), 8);
    QVERIFY(!in->isEnabled());
    fit->click();
    QVERIFY(isFitted());

    in->click();
    out->click();
    QVERIFY(isFitted());

    in->click();
    QTest::keyClick(window_.get(), Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(window_->findChild<QLabel *>("lbZoom")->text(),
             QStringLiteral("%1 %").arg(panel_->zoom().scale() * 100));
    QVERIFY(window_->openScenario(dir_->filePath("welt.szs")));
    QVERIFY(isFitted());
}

void TestZoom::zoomedMapIsThePictureScaledByNearestNeighbour_data()
{
    editingHitsTheSameTilesAtEveryZoom_data();
}

// Every pixel of the map shows the tile that a click on it hits, at every
// zoom and scroll position, the frame of a selected island included.
void TestZoom::zoomedMapIsThePictureScaledByNearestNeighbour()
{
    QFETCH(int, steps);
    QFETCH(QPoint, pan);
    QFETCH(int, notches);
    setView(steps, {118, 105}, pan, notches);
    auto compare = [&](const char *what) {
        const QImage shown = map_->grab().toImage();
        const QImage &picture = *map_->picture();
        QCOMPARE(shown.size(), map_->size());
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                const QPoint tile = map_->ToWorld({x, y});
                if (shown.pixel(x, y) != picture.pixel(tile))
                    QFAIL(qPrintable(
                        QStringLiteral("%1: pixel (%2, %3) shows %4, tile (%5, %6) is %7")
                            .arg(QLatin1String(what))
                            .arg(x)
                            .arg(y)
                            .arg(shown.pixel(x, y), 0, 16)
                            .arg(tile.x())
                            .arg(tile.y())
                            .arg(picture.pixel(tile), 0, 16)));
            }
        }
    };
    compare("as shown");
    tree()->setCurrentItem(tree()->nodeOf(island(2)));
    compare("island 2 selected");
}

QTEST_MAIN(TestZoom)
#include "tst_zoom.moc"
