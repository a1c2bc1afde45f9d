// marbolt-startbench: how long the editor takes to its first painted window
// and how much memory it holds when idle, beside a bare QMainWindow of the
// same size started by the same program. scripts/bench.sh runs both modes
// several times and prints the ratios.
//
//   marbolt-startbench bare
//   marbolt-startbench editor [FILE]
//   marbolt-startbench select FILE
//
// Prints one line: "painted-at N us, main-to-paint N us, idle-rss N kB".
// painted-at is the wall clock (microseconds since 1970) when the window's
// first paint was done, so a caller that noted the time before starting the
// program gets the whole start-up including loading the program;
// main-to-paint is the part after main() was entered.
//
// select opens FILE and then, once the window is idle, selects the islands
// one after the other in the object tree as a click does, each time until
// the map has painted the change; it prints "select N us", the median.

#include "editor/app/marboltapplication.h"
#include "editor/app/startarguments.h"
#include "editor/app/tmainform.h"

#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

namespace {

// Microseconds on the wall clock, so that a script that notes the time before
// it starts the program can tell how long loading and start-up took.
qint64 wallClockUs()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return qint64(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

qint64 residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Notes the time when the watched window's first paint has been handled.
class FirstPaint : public QObject {
public:
    qint64 at = -1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (at < 0 && event->type() == QEvent::Paint) {
            // The paint itself runs after this filter returns; take the time
            // once the event loop comes back.
            QTimer::singleShot(0, this, [this] {
                if (at < 0)
                    at = wallClockUs();
            });
        }
        return QObject::eventFilter(watched, event);
    }
};

int usage()
{
    std::fprintf(stderr, "usage: marbolt-startbench bare | editor [FILE] | select FILE\n");
    return 2;
}

// The median time from choosing an island node in the object tree to the end
// of the map's repaint that shows the new selection.
qint64 medianSelectUs(QMainWindow &window)
{
    auto *tree = window.findChild<QTreeWidget *>(QStringLiteral("ObjectTree"));
    auto *map = window.findChild<QWidget *>(QStringLiteral("PaintBox1"));
    if (!tree || !map || tree->topLevelItemCount() == 0 || tree->topLevelItem(0)->childCount() < 2)
        return -1;
    QTreeWidgetItem *islands = tree->topLevelItem(0);
    std::vector<qint64> times;
    for (int i = 0; i < 401; ++i) {
        QTreeWidgetItem *node = islands->child(i % islands->childCount());
        const qint64 start = wallClockUs();
        tree->setCurrentItem(node);
        map->repaint();
        times.push_back(wallClockUs() - start);
        QCoreApplication::processEvents();
    }
    std::nth_element(times.begin(), times.begin() + qsizetype(times.size() / 2), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    const qint64 mainAt = wallClockUs();
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if (mode != "bare" && mode != "editor" && mode != "select")
        return usage();
    if (mode == "select" && argc < 3)
        return usage();

    std::unique_ptr<QApplication> app;
    std::unique_ptr<QMainWindow> window;
    if (mode == "bare") {
        app = std::make_unique<QApplication>(argc, argv);
        window = std::make_unique<QMainWindow>();
        window->resize(1001, 701);
    } else {
        app = std::make_unique<MarboltApplication>(argc, argv);
        auto form = std::make_unique<TMainForm>();
        if (mode == "select")
            form->openAndSelect(QString::fromLocal8Bit(argv[2]));
        else if (argc > 2)
            // As the editor does: the window first, then the scenario.
            applyStartArgumentsAfterFirstFrame(
                *form, readStartArguments({QString(), QString::fromLocal8Bit(argv[2])}));
        window = std::move(form);
    }
    FirstPaint paint;
    window->installEventFilter(&paint);
    window->show();
    // Idle: the first paint is done and nothing has happened for a while.
    QTimer idle;
    idle.setInterval(400);
    QObject::connect(&idle, &QTimer::timeout, [&] {
        if (paint.at < 0)
            return;
        if (mode == "select") {
            std::printf("select %lld us\n", static_cast<long long>(medianSelectUs(*window)));
            std::fflush(stdout);
            app->quit();
            return;
        }
        std::printf("painted-at %lld us, main-to-paint %lld us, idle-rss %lld kB\n",
                    static_cast<long long>(paint.at), static_cast<long long>(paint.at - mainAt),
                    static_cast<long long>(residentKb()));
        std::fflush(stdout);
        app->quit();
    });
    idle.start();
    return app->exec();
}
