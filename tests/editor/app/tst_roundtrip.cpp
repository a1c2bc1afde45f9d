// Opening a scenario, looking at everything in it and saving it must give
// back the file's bytes: a control writes its field only when the user
// changed what it showed. Driven through the real main window over every
// demo scenario and over demo scenarios whose records are filled with random
// bytes, values that no control can show.

#include "core/common/bytes.h"
#include "editor/app/tmainform.h"
#include "support/tempfiles.h"
#include "support/ui/scriptedprompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>
#include <set>

namespace {

const uchar *bytesOf(const QByteArray &b)
{
    return reinterpret_cast<const uchar *>(b.constData());
}

// Record chunks whose bytes are replaced by random ones, with the bytes that
// tie a record to its place kept: the island number and city slot of cities,
// trading posts and deer, and the number and the first letter of the text of
// each mission (a mission without a text would not be saved at all).
struct RecordChunk {
    const char *name;
    int recordSize;
    std::set<int> kept;
};
const RecordChunk kRandomised[] = {
    {"TIMERS", 664, {}}, {"PLAYER4", 1072, {}},   {"AUFTRAG4", 2244, {104}},
    {"SHIP4", 436, {}},  {"STADT4", 168, {0, 1}}, {"KONTOR2", 1004, {0, 3}},
    {"HIRSCH2", 8, {0}},
};

QByteArray randomised(const QByteArray &file, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray out = file;
    for (qsizetype at = 0; at + 20 <= out.size();) {
        const QByteArray name(out.constData() + at);
        const qint32 length = le::i32(bytesOf(out) + at, 16);
        for (const RecordChunk &chunk : kRandomised) {
            if (name != chunk.name)
                continue;
            for (qint32 i = 0; i < length; ++i) {
                if (!chunk.kept.count(i % chunk.recordSize))
                    out[at + 20 + i] = char(random.bounded(256));
            }
        }
        at += 20 + length;
    }
    return out;
}

// Clicks the button `name` of the modal dialog that opens next.
void clickInNextDialog(const char *name)
{
    QTimer::singleShot(0, qApp, [name] {
        if (QWidget *dialog = QApplication::activeModalWidget()) {
            if (auto *button = dialog->findChild<QAbstractButton *>(name))
                button->click();
        }
    });
}

} // namespace

class TestRoundTrip : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void lookingAtEverythingChangesNoByte_data();
    void lookingAtEverythingChangesNoByte();

private:
    void visitEverything(TMainForm &window);
    QTemporaryDir demo_;
    QStringList scenarios_;
};

void TestRoundTrip::initTestCase()
{
    QProcess generator;
    generator.start(QStringLiteral(MARBOLT_DEMO_BIN), {demo_.path()});
    QVERIFY(generator.waitForFinished(60000));
    QCOMPARE(generator.exitCode(), 0);
    // The game installation is looked up once per run.
    qputenv("WINEPREFIX", QDir(demo_.path()).filePath("wine").toLocal8Bit());
    const QDir folder(QDir(demo_.path()).filePath("Szenarien"));
    scenarios_ = folder.entryList(QDir::Files, QDir::Name);
    QVERIFY(scenarios_.size() >= 5);
    for (QString &name : scenarios_)
        name = folder.filePath(name);
}

void TestRoundTrip::lookingAtEverythingChangesNoByte_data()
{
    QTest::addColumn<QByteArray>("file");
    for (const QString &path : scenarios_) {
        const QByteArray bytes = testfiles::read(path);
        const QByteArray name = QFileInfo(path).fileName().toUtf8();
        QTest::newRow(name) << bytes;
        for (quint32 seed : {1u, 2u, 3u})
            QTest::newRow(name + " random " + QByteArray::number(seed)) << randomised(bytes, seed);
    }
}

void TestRoundTrip::visitEverything(TMainForm &window)
{
    auto *pages = window.findChild<QTabWidget *>("MainPageControl");
    auto *tree = window.findChild<QTreeWidget *>("ObjectTree");
    QVERIFY(pages && tree);

    // Every island, city, ship and cart, with the goods dialog of each city
    // and vehicle opened and closed with OK.
    pages->setCurrentIndex(0);
    auto *stock = window.findChild<QAbstractButton *>("btWarenlager");
    auto *cargo = window.findChild<QAbstractButton *>("btCargo");
    QList<QTreeWidgetItem *> items;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        items << *it;
    for (QTreeWidgetItem *item : items) {
        tree->setCurrentItem(item);
        for (QAbstractButton *button : {stock, cargo}) {
            if (button && button->isEnabled() && button->isVisibleTo(&window)) {
                clickInNextDialog("btOk");
                button->click();
            }
        }
    }
    tree->setCurrentItem(nullptr);

    // Every tab of the missions and players pages, with the players'
    // unlocked buildings opened and closed.
    for (int page = 1; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        for (auto *tabs : pages->widget(page)->findChildren<QTabBar *>()) {
            for (int t = 0; t < tabs->count(); ++t) {
                tabs->setCurrentIndex(t);
                if (auto *unlocked = pages->widget(page)->findChild<QAbstractButton *>("Button1");
                    unlocked && unlocked->isEnabled()) {
                    unlocked->click();
                    if (auto *close = window.findChild<QAbstractButton *>("CloseButton"))
                        close->click();
                }
            }
        }
    }
    pages->setCurrentIndex(0);
}

void TestRoundTrip::lookingAtEverythingChangesNoByte()
{
    QFETCH(QByteArray, file);
    QTemporaryDir dir;
    const QString path = dir.filePath("szenario.szs");
    testfiles::write(path, file);
    ScriptedPrompts prompts;
    TMainForm window;
    window.show();
    QVERIFY(window.openScenario(path));
    QVERIFY(window.document());
    visitEverything(window);

    const QString copy = dir.filePath("kopie.szs");
    prompts.files << Prompts::FileChoice{copy, 0};
    window.findChild<QAction *>("SaveAsAction")->trigger();
    QVERIFY2(prompts.unanswered.isEmpty(), qPrintable(prompts.unanswered.join(", ")));
    const QByteArray saved = testfiles::read(copy);
    if (saved != file) {
        // Name the first chunk that differs, to point at the page to blame.
        qsizetype at = 0;
        while (at + 20 <= file.size() && at + 20 <= saved.size()) {
            const qint32 length = le::i32(bytesOf(file) + at, 16);
            if (file.mid(at, 20 + length) != saved.mid(at, 20 + length)) {
                qsizetype byte = at;
                while (byte < file.size() && byte < saved.size() && file[byte] == saved[byte])
                    ++byte;
                QFAIL(qPrintable(QStringLiteral("chunk %1 differs from byte %2 of its payload")
                                     .arg(QString::fromLatin1(file.constData() + at))
                                     .arg(byte - at - 20)));
            }
            at += 20 + length;
        }
        QCOMPARE(saved.size(), file.size());
    }
}

QTEST_MAIN(TestRoundTrip)
#include "tst_roundtrip.moc"
