#include "editor/app/foldertree.h"
#include "support/tempfiles.h"

#include <QElapsedTimer>
#include <QFileSystemModel>
#include <QSortFilterProxyModel>
#include <QTemporaryDir>
#include <QtTest>
#include <ctime>

#include <sys/stat.h>

namespace {

QFileSystemModel *filesOf(FolderTree &tree)
{
    return qobject_cast<QFileSystemModel *>(
        qobject_cast<QSortFilterProxyModel *>(tree.model())->sourceModel());
}

// The shown item of `path`, found by walking down from the top.
QModelIndex itemOf(const QAbstractItemModel *model, const QString &path,
                   const QModelIndex &parent = QModelIndex())
{
    for (int row = 0; row < model->rowCount(parent); ++row) {
        const QModelIndex item = model->index(row, 0, parent);
        QString at = item.data(QFileSystemModel::FilePathRole).toString();
        if (at == path)
            return item;
        if (!at.endsWith(QLatin1Char('/')))
            at += QLatin1Char('/');
        if (path.startsWith(at))
            return itemOf(model, path, item);
    }
    return QModelIndex();
}

// Whether the current item is within the visible rows and its start within the width.
bool currentInView(FolderTree &tree)
{
    const QRect item = tree.visualRect(tree.currentIndex());
    return item.isValid() && item.top() >= 0 && item.bottom() < tree.viewport()->height() &&
           item.left() >= 0 && item.left() < tree.viewport()->width() - 20;
}

QStringList shownNames(FolderTree &tree, const QString &folder)
{
    const QModelIndex parent = itemOf(tree.model(), folder);
    QStringList names;
    for (int row = 0; row < tree.model()->rowCount(parent); ++row)
        names << tree.model()->index(row, 0, parent).data().toString();
    return names;
}

// A tree on screen whose before-change question is answered by `allow` and counted.
struct Fixture {
    FolderTree tree;
    int asked = 0;
    bool allow = true;
    QSignalSpy selected{&tree, &FolderTree::itemSelected};
    QSignalSpy loaded{filesOf(tree), &QFileSystemModel::directoryLoaded};

    Fixture()
    {
        tree.setBeforeChange([this] {
            ++asked;
            return allow;
        });
        tree.resize(240, 500);
        tree.show();
    }

    bool hasLoaded(const QString &folder) const
    {
        return std::any_of(loaded.cbegin(), loaded.cend(),
                           [&](const QList<QVariant> &args) { return args[0] == folder; });
    }

    // Selects `path` without asking and waits until its folder has been read.
    void open(const QString &path)
    {
        tree.selectPath(path);
        QTRY_VERIFY(hasLoaded(QFileInfo(path).path()));
    }
};

} // namespace

class TestFolderTree : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void showsFoldersAndScenarioFilesOnly();
    void selectPathWithoutAsking_data();
    void selectPathWithoutAsking();
    void asksBeforeTheUserMoves_data();
    void asksBeforeTheUserMoves();
    void refreshShowsANewFile_data();
    void refreshShowsANewFile();
    void largeFolderKeepsWindowResponsive_data();
    void largeFolderKeepsWindowResponsive();

private:
    QTemporaryDir dir_;
    QString root_;
};

void TestFolderTree::initTestCase()
{
    QVERIFY(dir_.isValid());
    root_ = dir_.path() + QStringLiteral("/tree");
    for (const char *file : {"a.szs", "B.SZS", "c.Gam", "d.mfs", "e.mfm", "f.szm", "notes.txt",
                             "x.szs.bak", "szs", ".hidden.szs", "x.zip/in.szs", "y.ZIP/in.szs",
                             "Zeta/z.gam", "alpha/b.szs", ".hiddendir/inner.szs"})
        testfiles::write(root_ + QLatin1Char('/') + QLatin1String(file), "x");
    QVERIFY(QFile::link(root_ + QStringLiteral("/nowhere"), root_ + QStringLiteral("/dead.szs")));
    QCOMPARE(::mkfifo(QFile::encodeName(root_ + QStringLiteral("/pipe.szs")).constData(), 0600), 0);
}

void TestFolderTree::showsFoldersAndScenarioFilesOnly()
{
    Fixture fixture;
    fixture.open(root_ + QStringLiteral("/a.szs"));
    // Folders first, then files, each by name without regard to case.
    QTRY_COMPARE(shownNames(fixture.tree, root_),
                 QStringList({"alpha", "y.ZIP", "Zeta", "a.szs", "B.SZS", "c.Gam", "d.mfs", "e.mfm",
                              "f.szm"}));
}

void TestFolderTree::selectPathWithoutAsking_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("selected");

    QTest::newRow("scenario file") << "/B.SZS"
                                   << "/B.SZS";
    QTest::newRow("folder") << "/Zeta"
                            << "/Zeta";
    QTest::newRow("missing path") << "/alpha/gone/x.szs"
                                  << "/alpha";
    QTest::newRow("file not shown") << "/notes.txt"
                                    << "";
    QTest::newRow("inside a zip folder") << "/x.zip/in.szs"
                                         << "";
    QTest::newRow("inside a hidden folder") << "/.hiddendir/inner.szs"
                                            << "/.hiddendir/inner.szs";
}

void TestFolderTree::selectPathWithoutAsking()
{
    QFETCH(QString, path);
    QFETCH(QString, selected);
    Fixture fixture;
    fixture.tree.selectPath(root_ + path);
    QCOMPARE(fixture.tree.selectedPath(), root_ + selected);
    // Once the folder has loaded, the item is still the selection and in view.
    QTRY_VERIFY(fixture.hasLoaded(QFileInfo(root_ + selected).path()));
    QTRY_VERIFY(currentInView(fixture.tree));
    QCOMPARE(fixture.tree.selectedPath(), root_ + selected);
    QCOMPARE(fixture.asked, 0);
    QCOMPARE(fixture.selected.count(), 0);
}

void TestFolderTree::asksBeforeTheUserMoves_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("allow");

    for (const char *how : {"click", "arrow key", "SelectPath with notify"}) {
        QTest::addRow("%s, allowed", how) << how << true;
        QTest::addRow("%s, refused", how) << how << false;
    }
}

void TestFolderTree::asksBeforeTheUserMoves()
{
    QFETCH(QString, how);
    QFETCH(bool, allow);
    Fixture fixture;
    fixture.allow = allow;
    const QString from = root_ + QStringLiteral("/a.szs");
    const QString to = root_ + QStringLiteral("/B.SZS");
    fixture.open(from);
    const QModelIndex fromItem = itemOf(fixture.tree.model(), from);
    QTRY_COMPARE(fromItem.siblingAtRow(fromItem.row() + 1), itemOf(fixture.tree.model(), to));

    const auto click = [&](const QString &path) {
        const QModelIndex item = itemOf(fixture.tree.model(), path);
        fixture.tree.scrollTo(item);
        const QRect place = fixture.tree.visualRect(item);
        QTest::mouseClick(fixture.tree.viewport(), Qt::LeftButton, {},
                          QPoint(place.left() + 8, place.center().y()));
    };
    QSignalSpy currentMoves(fixture.tree.selectionModel(), &QItemSelectionModel::currentChanged);
    if (how == "click")
        click(to);
    else if (how == "arrow key")
        QTest::keyClick(&fixture.tree, Qt::Key_Down);
    else
        fixture.tree.selectPath(to, true);

    QCOMPARE(fixture.asked, 1);
    const QString now = allow ? to : from;
    QCOMPARE(fixture.tree.selectedPath(), now);
    QCOMPARE(fixture.tree.currentIndex(), itemOf(fixture.tree.model(), now));
    QCOMPARE(currentMoves.count(), allow ? 1 : 0);
    QCOMPARE(fixture.selected.count(), allow ? 1 : 0);
    if (allow)
        QCOMPARE(fixture.selected.first().first().toString(), to);

    // The item that already is the selection is neither asked for nor reported again.
    fixture.allow = true;
    click(now);
    QCOMPARE(fixture.asked, 1);
    QCOMPARE(fixture.selected.count(), allow ? 1 : 0);
    QCOMPARE(fixture.tree.selectedPath(), now);
}

void TestFolderTree::refreshShowsANewFile_data()
{
    QTest::addColumn<QString>("refresh");

    QTest::newRow("the file") << "file";
    QTest::newRow("its folder") << "folder";
    QTest::newRow("everything") << "all";
}

void TestFolderTree::refreshShowsANewFile()
{
    QFETCH(QString, refresh);
    Fixture fixture;
    // Without the model's own watch only the refresh can show the file.
    filesOf(fixture.tree)->setOption(QFileSystemModel::DontWatchForChanges);
    const QString folder = root_ + QStringLiteral("/alpha");
    fixture.open(folder + QStringLiteral("/b.szs"));
    const QString file = folder + QStringLiteral("/new.szs");
    testfiles::write(file, "x");
    QTest::qWait(200);
    QVERIFY(!itemOf(fixture.tree.model(), file).isValid());

    fixture.tree.refresh(refresh == "file" ? file : refresh == "folder" ? folder : QString());
    QTRY_VERIFY(itemOf(fixture.tree.model(), file).isValid());
    QCOMPARE(shownNames(fixture.tree, folder), QStringList({"b.szs", "new.szs"}));
    QCOMPARE(fixture.tree.selectedPath(), folder + QStringLiteral("/b.szs"));
    QVERIFY(QFile::remove(file));
}

void TestFolderTree::largeFolderKeepsWindowResponsive_data()
{
    QTest::addColumn<QString>("extension");

    QTest::newRow("scenario files") << ".szs";
    QTest::newRow("other files") << ".txt";
}

// The processor time the calling thread has used, in milliseconds.
static qint64 threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

void TestFolderTree::largeFolderKeepsWindowResponsive()
{
    QFETCH(QString, extension);
    const int count = 5000;
    const QString folder = dir_.path() + QStringLiteral("/big") + extension;
    for (int n = 0; n < count; ++n)
        testfiles::write(
            folder + QStringLiteral("/f%1").arg(n, 4, 10, QLatin1Char('0')) + extension, "x");
    testfiles::write(folder + QStringLiteral("/zz.szs"), "x");
    const int shown = extension == QLatin1String(".szs") ? count + 1 : 1;
    const QString target = folder + QStringLiteral("/zz.szs");

    Fixture fixture;
    QTRY_VERIFY(fixture.tree.model()->rowCount(fixture.tree.model()->index(0, 0)) > 0);

    // The longest work of the window's thread between two turns of its event
    // loop while the folder loads. Counted in the thread's own processor time,
    // not on the clock, so that other programs on a busy machine do not count
    // as the window blocking.
    qint64 longest = 0;
    qint64 lastTurn = threadCpuMs();
    QTimer turn;
    turn.setInterval(0);
    connect(&turn, &QTimer::timeout, [&] {
        const qint64 now = threadCpuMs();
        longest = qMax(longest, now - lastTurn);
        lastTurn = now;
    });
    QElapsedTimer loading;
    loading.start();
    turn.start();
    fixture.tree.selectPath(target);
    QTRY_VERIFY_WITH_TIMEOUT(fixture.hasLoaded(folder), 30000);
    QTRY_COMPARE(fixture.tree.model()->rowCount(fixture.tree.currentIndex().parent()), shown);
    const qint64 loaded = loading.elapsed();
    QTRY_VERIFY(currentInView(fixture.tree));
    QTest::qWait(300);
    turn.stop();
    qInfo("%d files%s: all shown after %lld ms, longest event-loop turn %lld ms", count,
          qPrintable(extension), loaded, longest);
    QCOMPARE(fixture.tree.selectedPath(), target);
    QVERIFY2(longest < 200, qPrintable(QStringLiteral("blocked for %1 ms").arg(longest)));
}

QTEST_MAIN(TestFolderTree)
#include "tst_foldertree.moc"
