#include "placingbench.h"

#include "core/document/rumoszen.h"
#include "core/map/worldrenderer.h"
#include "editor/map/islandplacer.h"
#include "editor/map/islandtemplatedialog.h"
#include "editor/map/mapview.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <array>
#include <vector>

namespace {

constexpr int kTemplates = 200;

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

qint64 medianUs(std::vector<qint64> ns)
{
    std::sort(ns.begin(), ns.end());
    const size_t n = ns.size();
    return (n % 2 ? ns[n / 2] : (ns[n / 2 - 1] + ns[n / 2]) / 2) / 1000;
}

QString summary(const std::vector<qint64> &ns)
{
    return QStringLiteral("%1 us (median of %2 runs, %3 to %4 us)")
        .arg(medianUs(ns))
        .arg(ns.size())
        .arg(*std::min_element(ns.begin(), ns.end()) / 1000)
        .arg(*std::max_element(ns.begin(), ns.end()) / 1000);
}

// Runs `run` `runs` times after one untimed run and answers the times.
template <typename Run> std::vector<qint64> timed(int runs, Run run)
{
    run();
    std::vector<qint64> ns;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        ns.push_back(timer.nsecsElapsed());
    }
    return ns;
}

// The islands of the world as templates of a game folder, spread over the
// climates and size classes as the game's are, until there are 200.
bool writeTemplates(RumoSzen &doc, const QString &folder)
{
    std::vector<const Insel *> islands;
    for (const auto &island : doc.Islands()) {
        if (island)
            islands.push_back(island.get());
    }
    if (islands.empty())
        return false;
    const std::array<QString, 6> variants = {
        QStringLiteral("nord"),    QStringLiteral("sued"),    QStringLiteral("noklima"),
        QStringLiteral("nordnat"), QStringLiteral("suednat"), QStringLiteral("noklimanat")};
    const std::array<QString, 5> sizes = {QStringLiteral("lit"), QStringLiteral("mit"),
                                          QStringLiteral("med"), QStringLiteral("big"),
                                          QStringLiteral("lar")};
    for (int n = 0; n < kTemplates; ++n) {
        const QString dir = QDir(folder).filePath(variants[size_t(n % 6)]);
        QDir().mkpath(dir);
        const QString file = QStringLiteral("%1%2.scp")
                                 .arg(sizes[size_t((n / 6) % 5)])
                                 .arg(n / 30, 2, 10, QLatin1Char('0'));
        if (!doc.exportIsland(*islands[size_t(n) % islands.size()], QDir(dir).filePath(file)))
            return false;
    }
    return true;
}

} // namespace

int RunPlacingBench(const QString &path)
{
    RumoSzen doc;
    if (!doc.Load(path))
        return fail(path + QStringLiteral(": the scenario cannot be read"));
    QTemporaryDir game;
    if (!game.isValid() || !writeTemplates(doc, game.path()))
        return fail(QStringLiteral("cannot write the templates"));
    out() << "file " << path << ", " << kTemplates << " templates from its islands" << Qt::endl;

    // Opening: the dialog is made, shown and painted, with the pictures of
    // the entries in view read and drawn.
    int listed = 0;
    int drawn = 0;
    const std::vector<qint64> opening = timed(21, [&] {
        IslandTemplateDialog dialog(game.path(), doc.players(), QString());
        dialog.show();
        QApplication::processEvents();
        listed = dialog.templateCount();
        drawn = dialog.previewsDrawn();
        dialog.close();
    });
    out() << "dialog: " << summary(opening) << ", " << listed << " templates listed, " << drawn
          << " previews drawn" << Qt::endl;

    // Placing: the largest island's copy floats over a 1024 x 704 map of the
    // world and follows the mouse tile by tile, each step checked against
    // every island and painted.
    const Insel *largest = nullptr;
    for (const auto &island : doc.Islands()) {
        if (island &&
            (!largest || island->width() * island->height() > largest->width() * largest->height()))
            largest = island.get();
    }
    WorldPicture picture;
    picture.render(doc, WorldView());
    MapView view;
    view.setPicture(&picture.image());
    view.setShowing(true);
    view.resize(1024, 704);
    view.show();
    QApplication::processEvents();
    IslandPlacer placer(view);
    const std::vector<qint64> starting = timed(21, [&] {
        placer.begin(doc, largest->groundCopy(), QPoint(256, 176));
        QApplication::processEvents();
    });
    int step = 0;
    int valid = 0;
    const std::vector<qint64> steps = timed(501, [&] {
        // Along a line across the world and back.
        const int x = 20 + (step % 940 < 470 ? step % 470 : 469 - step % 470);
        ++step;
        placer.centreOn(QPoint(x, 176));
        valid += placer.valid() ? 1 : 0;
        QApplication::processEvents();
    });
    out() << "placing start: " << summary(starting) << ", the copy of " << IslandLabel(*largest)
          << " at the free place nearest the middle" << Qt::endl;
    out() << "placing step: " << summary(steps) << ", " << valid << " of " << step
          << " steps on a free place" << Qt::endl;
    out() << "dialog " << medianUs(opening) << " us, placing step " << medianUs(steps) << " us"
          << Qt::endl;
    return 0;
}
