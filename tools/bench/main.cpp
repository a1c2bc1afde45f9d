// marbolt-bench FILE: how long the editor takes for the things a user waits
// for on a big scenario. It loads FILE, then measures, each as the median of
// repeated runs:
//   - drawing the whole world picture,
//   - one drag step of the largest island as the map page takes it (move,
//     redraw what changed in the picture, stretch that part onto a
//     1024 x 704 map),
//   - an arrow-key nudge that is refused and taken back,
//   - a zoom step (fitted up to 8 pixels a tile and back, around the largest
//     island) and a pan step (at 8 pixels a tile), each with the drawing of
//     the whole map that follows it,
//   - a resave (load and save to a temporary file beside FILE).
// One line reads "zoom N us, pan N us" (medians); the last line is
// "render N us, drag N us". Not a test: the figures are
// compared with each other and with baselines of the same run, never with
// fixed limits.
//
// marbolt-bench placing FILE: opening the template dialog over 200
// templates, and placing an island over FILE's map (placingbench.cpp).

#include "core/common/messages.h"
#include "core/document/rumoszen.h"
#include "core/map/mapzoom.h"
#include "core/map/worldrenderer.h"
#include "placingbench.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <array>
#include <functional>
#include <vector>

namespace {

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

int fail(const QString &message)
{
    QTextStream(stderr) << "marbolt-bench: " << message << Qt::endl;
    return 1;
}

// How often a measurement runs: at least `minRuns` times, then on until
// `budgetMs` have passed or `maxRuns` are done. On a busy machine the median
// of many runs stays put where a single run would not.
struct Budget {
    int minRuns;
    int maxRuns;
    qint64 budgetMs;
};
constexpr Budget kFast{31, 2001, 3000};
constexpr Budget kSlow{5, 51, 5000};

struct Samples {
    std::vector<qint64> ns;

    qint64 medianUs() const
    {
        std::vector<qint64> sorted = ns;
        std::sort(sorted.begin(), sorted.end());
        const size_t n = sorted.size();
        const qint64 median = n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
        return median / 1000;
    }
    qint64 minUs() const { return *std::min_element(ns.begin(), ns.end()) / 1000; }
    qint64 maxUs() const { return *std::max_element(ns.begin(), ns.end()) / 1000; }
    QString summary() const
    {
        return QStringLiteral("%1 us (median of %2 runs, %3 to %4 us)")
            .arg(medianUs())
            .arg(ns.size())
            .arg(minUs())
            .arg(maxUs());
    }
};

// Runs each of `runs` in turn, round after round, and times every run. Taking
// turns spreads the load of the rest of the machine evenly over all of them,
// so their figures stay comparable with each other. One untimed round comes
// first, so that tables built on first use and cold caches do not count.
std::vector<Samples> measure(const Budget &budget, const std::vector<std::function<void()>> &runs)
{
    for (const auto &run : runs)
        run();
    std::vector<Samples> samples(runs.size());
    QElapsedTimer total;
    total.start();
    for (int round = 0;
         round < budget.minRuns || (round < budget.maxRuns && total.elapsed() < budget.budgetMs);
         ++round) {
        for (size_t i = 0; i < runs.size(); ++i) {
            QElapsedTimer timer;
            timer.start();
            runs[i]();
            samples[i].ns.push_back(timer.nsecsElapsed());
        }
    }
    return samples;
}

qint64 tileCount(const Insel &island)
{
    qint64 tiles = 0;
    for (const auto &layer : island.layers())
        tiles += layer->tileCount();
    return tiles;
}

// The island with the most tiles; the first of them on a tie.
Insel *largestIsland(const RumoSzen &doc)
{
    Insel *largest = nullptr;
    for (const auto &island : doc.Islands()) {
        if (island && (!largest || tileCount(*island) > tileCount(*largest)))
            largest = island.get();
    }
    return largest;
}

// The map page in miniature: the world picture and the map control it is
// stretched onto. After a change the page brings the picture up to date and
// the control paints the part of the map that shows the changed tiles, each
// pixel in its tile's colour, as MapView does.
class MapStage {
public:
    static constexpr QSize ViewSize{1024, 704};

    explicit MapStage(RumoSzen &doc) : doc_(doc), view_(ViewSize, QImage::Format_RGB32)
    {
        zoom_.setArea(ViewSize, 16);
    }

    void select(const Insel *island) { world_.selectedIsland = island; }

    // Draws the whole picture anew, as after a load or a show/hide button.
    void render() { picture_.render(doc_, world_); }
    // Brings the picture up to date, as the page does after every move.
    void repaint() { changed_ += picture_.update(doc_, world_); }
    // The paint event that the page's update of the changed part brings
    // about; none when nothing changed.
    void present()
    {
        if (changed_.isEmpty())
            return;
        const MapTransform fitted{ViewSize, QPoint()};
        QPainter painter(&view_);
        fitted.draw(painter, picture_.image(), fitted.pixelsOf(changed_.boundingRect(), ViewSize));
        changed_ = QRegion();
    }
    // The map's zoom in its panel, 1024 x 704 like the map above with room
    // for scroll bars of 16 pixels.
    MapZoom &zoom() { return zoom_; }
    // The paint event after a zoom or scroll step: the whole map anew.
    void presentAll()
    {
        QPainter painter(&view_);
        zoom_.transform().draw(painter, picture_.image(), QRect(QPoint(), zoom_.mapRect().size()));
    }
    // One move of the page: the document moves the island, the picture is
    // brought up to date. Answers whether the island may stand there.
    bool move(Insel &island, QPoint step)
    {
        const bool valid = doc_.MoveIsland(island, step.x(), step.y());
        repaint();
        return valid;
    }

private:
    RumoSzen &doc_;
    WorldView world_;
    WorldPicture picture_;
    QRegion changed_;
    QImage view_;
    MapZoom zoom_;
};

constexpr std::array<QPoint, 4> kArrows{QPoint(-1, 0), QPoint(0, -1), QPoint(1, 0), QPoint(0, 1)};

struct RefusedNudge {
    Insel *island = nullptr;
    QPoint step;
};

// An island and an arrow key that the map refuses, preferring the largest
// island. Every trial move is taken back at once.
RefusedNudge findRefusedNudge(RumoSzen &doc, Insel *largest)
{
    std::vector<Insel *> candidates{largest};
    for (const auto &island : doc.Islands()) {
        if (island && island.get() != largest)
            candidates.push_back(island.get());
    }
    for (Insel *island : candidates) {
        for (const QPoint &step : kArrows) {
            const bool valid = doc.MoveIsland(*island, step.x(), step.y());
            doc.MoveIsland(*island, -step.x(), -step.y());
            if (!valid)
                return {island, step};
        }
    }
    return {};
}

} // namespace

int main(int argc, char *argv[])
{
    // The bench shows no window; the offscreen platform needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("placing"))
        return RunPlacingBench(QFileInfo(args[2]).absoluteFilePath());
    if (args.size() != 2) {
        QTextStream(stderr)
            << "usage: marbolt-bench FILE\n"
               "       marbolt-bench placing FILE\n"
               "Measures drawing, dragging, a refused nudge, zooming, "
               "panning and a resave of the scenario FILE; the last line is \"render N us, drag N "
               "us\" (medians). With placing: opening the island template dialog over 200 "
               "templates and placing an island on FILE's map; the last line is \"dialog N us, "
               "placing step N us\".\n";
        return 2;
    }
    const QString path = QFileInfo(args[1]).absoluteFilePath();

    RumoSzen doc;
    if (!doc.Load(path))
        return fail(path + QStringLiteral(": ") + msg::readScenarioFailed());
    Insel *largest = largestIsland(doc);
    if (!largest)
        return fail(path + QStringLiteral(": the scenario has no island to drag"));
    int islands = 0;
    qint64 tiles = 0;
    for (const auto &island : doc.Islands()) {
        if (island) {
            ++islands;
            tiles += tileCount(*island);
        }
    }
    out() << "file " << path << ": " << QFileInfo(path).size() << " bytes, " << doc.chunks().size()
          << " chunks, " << islands << " islands, " << tiles << " tiles, " << doc.Ships().size()
          << " ships and carts" << Qt::endl;
    out() << "dragged: " << IslandLabel(*largest) << ", " << tileCount(*largest) << " tiles"
          << Qt::endl;

    MapStage stage(doc);
    stage.select(largest);
    stage.render();
    // Right, down, left, up: the dragged island walks a small square and
    // ends where it began, so every round meets the same world.
    size_t steps = 0;
    auto nextStep = [&steps] { return kArrows[(steps++ + 2) % kArrows.size()]; };
    int validSteps = 0;
    // During a drag the tree has the island selected, so its frame is drawn.
    const auto draw = [&] { stage.render(); };
    // A drag step as the page takes it, with the paint event it brings.
    const auto dragStep = [&] {
        validSteps += stage.move(*largest, nextStep()) ? 1 : 0;
        stage.present();
    };
    // Drawing and dragging take turns, so that the two figures of the last
    // line meet the same load of the machine.
    const std::vector<Samples> map = measure(kFast, {draw, dragStep});
    const Samples &render = map[0];
    const Samples &drag = map[1];
    out() << "render: " << render.summary() << Qt::endl;
    out() << "drag: " << drag.summary() << ", " << validSteps << " of " << steps
          << " steps on a valid place" << Qt::endl;
    // Finish the last square: the island stands where it was loaded again.
    while (steps % kArrows.size() != 0) {
        const QPoint step = nextStep();
        doc.MoveIsland(*largest, step.x(), step.y());
    }

    // Zooming around the largest island's middle, as the wheel would with the
    // mouse there: in level by level up to the largest, then out again.
    stage.render();
    const TileRect bounds = largest->GetBounds().value_or(TileRect{});
    const MapTransform fitted = stage.zoom().transform();
    const QPoint anchor =
        stage.zoom().mapRect().topLeft() +
        QPoint((bounds.left + bounds.right) / 2 * fitted.content.width() / World::Width,
               (bounds.top + bounds.bottom) / 2 * fitted.content.height() / World::Height);
    int direction = 1;
    int levels = 0;
    const auto zoomStep = [&] {
        if (!stage.zoom().zoomBy(direction, anchor)) {
            direction = -direction;
            stage.zoom().zoomBy(direction, anchor);
        }
        ++levels;
        stage.presentAll();
    };
    const Samples zoomed = measure(kFast, {zoomStep}).front();
    while (stage.zoom().zoomBy(1, anchor)) {
    }
    // Then a small square of scroll steps, as the middle button drags.
    size_t pans = 0;
    const auto panStep = [&] {
        stage.zoom().scrollBy(kArrows[pans++ % kArrows.size()] * 40);
        stage.presentAll();
    };
    const Samples panned = measure(kFast, {panStep}).front();
    out() << "zoom: " << zoomed.summary() << ", levels fitted to " << MapZoom::MaxScale
          << " pixels a tile, map " << stage.zoom().mapRect().width() << " x "
          << stage.zoom().mapRect().height() << Qt::endl;
    out() << "pan: " << panned.summary() << ", 40 pixels a step at " << stage.zoom().scale()
          << " pixels a tile" << Qt::endl;
    out() << "zoom " << zoomed.medianUs() << " us, pan " << panned.medianUs() << " us" << Qt::endl;
    stage.zoom().fit();

    const RefusedNudge nudge = findRefusedNudge(doc, largest);
    if (nudge.island) {
        stage.select(nudge.island);
        int refusals = 0;
        // As the arrow-key handler: the document moves the island, and a
        // refused move is taken back before the picture is brought up to
        // date; the paint event follows only what changed.
        const auto arrowKey = [&] {
            if (doc.MoveIsland(*nudge.island, nudge.step.x(), nudge.step.y())) {
                stage.repaint();
            } else {
                ++refusals;
                stage.move(*nudge.island, -nudge.step);
            }
            stage.present();
        };
        const Samples refused = measure(kFast, {arrowKey}).front();
        out() << "nudge " << refused.medianUs() << " us: arrow key on " << nudge.island->GetName()
              << " refused " << refusals << " of " << refused.ns.size() + 1 << " times, "
              << refused.summary() << Qt::endl;
    } else {
        out() << "nudge: no island has a refused arrow key" << Qt::endl;
    }

    // Beside FILE, so that the save meets the same disk as the file.
    QTemporaryDir temp(QFileInfo(path).dir().filePath(QStringLiteral("marbolt-bench-XXXXXX")));
    if (!temp.isValid())
        return fail(QStringLiteral("no temporary folder beside ") + path);
    const QString target = temp.filePath(QStringLiteral("resave.szs"));
    bool resaved = true;
    const auto loadAndSave = [&] {
        RumoSzen copy;
        resaved = resaved && copy.Load(path) && copy.Save(target);
    };
    const Samples resave = measure(kSlow, {loadAndSave}).front();
    if (!resaved)
        return fail(target + QStringLiteral(": ") + msg::saveFailed());
    out() << "resave " << resave.medianUs() << " us: load and save, " << resave.summary()
          << Qt::endl;

    out() << "render " << render.medianUs() << " us, drag " << drag.medianUs() << " us" << Qt::endl;
    return 0;
}
