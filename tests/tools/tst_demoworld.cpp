#include "core/check/scenariodiff.h"
#include "core/document/rumoszen.h"
#include "core/game/gamepath.h"

#include <QBuffer>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

class TestDemoWorld : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void writesTheSameBytesEveryRun();
    void everyScenarioLoadsAsGenerated_data();
    void everyScenarioLoadsAsGenerated();
    void diffReportsRandomBitChanges_data();
    void diffReportsRandomBitChanges();
    void commandLine();

private:
    QTemporaryDir first_;
    QTemporaryDir second_;
};

namespace {

bool runGenerator(const QString &outDir)
{
    QProcess process;
    process.start(QStringLiteral(MARBOLT_DEMO_BIN), {outDir});
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// Every file below `dir` by its relative path, with its bytes.
QMap<QString, QByteArray> filesBelow(const QString &dir)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            files.insert(QDir(dir).relativeFilePath(path), file.readAll());
    }
    return files;
}

} // namespace

void TestDemoWorld::initTestCase()
{
    QVERIFY(first_.isValid() && second_.isValid());
    QVERIFY(runGenerator(first_.path()));
    QVERIFY(runGenerator(second_.path()));
    // A second run into the same folder replaces what the first one wrote.
    QVERIFY(runGenerator(first_.path()));
}

void TestDemoWorld::writesTheSameBytesEveryRun()
{
    const QMap<QString, QByteArray> a = filesBelow(first_.path());
    const QMap<QString, QByteArray> b = filesBelow(second_.path());
    QVERIFY(a.size() > 100);
    QCOMPARE(a.keys(), b.keys());
    for (auto it = a.cbegin(); it != a.cend(); ++it)
        QVERIFY2(it.value() == b.value(it.key()), qPrintable(it.key()));
}

void TestDemoWorld::everyScenarioLoadsAsGenerated_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("islands");
    QTest::addColumn<int>("fromTemplates");
    QTest::addColumn<int>("groundFromTemplate");
    QTest::addColumn<int>("vehicles");
    QTest::addColumn<int>("campaign");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("notices");

    const QStringList native{QStringLiteral("nativflg!")};
    QTest::newRow("main demo") << "Inselreich.szs" << 18 << 7 << 1 << 12 << -1 << QString()
                               << QStringList();
    QTest::newRow("old island layout")
        << "Handelskrieg.szm" << 7 << 2 << 0 << 7 << -1 << QString() << QStringList();
    QTest::newRow("campaign") << "Rumo Abenteuer.mfs" << 6 << 3 << 0 << 6 << 1 << QString()
                              << QStringList();
    QTest::newRow("multiplayer") << "Rumo Mehrspieler.mfm" << 9 << 4 << 0 << 9 << -1 << QString()
                                 << native;
    QTest::newRow("savegame") << "Spielstand 1.gam" << 18 << 7 << 1 << 13 << -1
                              << QStringLiteral("Inselreich") << QStringList();
}

void TestDemoWorld::everyScenarioLoadsAsGenerated()
{
    QFETCH(QString, file);
    QFETCH(int, islands);
    QFETCH(int, fromTemplates);
    QFETCH(int, groundFromTemplate);
    QFETCH(int, vehicles);
    QFETCH(int, campaign);
    QFETCH(QString, name);
    QFETCH(QStringList, notices);

    const QString gamePath = findGamePath(first_.filePath(QStringLiteral("wine")));
    QVERIFY(!gamePath.isEmpty());
    RumoSzen doc(gamePath, nullptr);
    QVERIFY(doc.Load(first_.filePath(QStringLiteral("Szenarien/") + file)));
    QCOMPARE(doc.notices(), notices);

    int loaded = 0;
    int references = 0;
    int templateGround = 0;
    for (const auto &island : doc.Islands()) {
        if (!island)
            continue;
        ++loaded;
        references += island->fromChunk() ? 0 : 1;
        if (island->fromChunk() && island->record().ownGround() == 0) {
            // The template's ground covers the island, the scenario adds the buildings.
            ++templateGround;
            QCOMPARE(island->layers().size(), size_t(2));
            QCOMPARE(island->layers()[0]->tileCount(), island->width() * island->height());
        }
    }
    QCOMPARE(loaded, islands);
    QCOMPARE(references, fromTemplates);
    QCOMPARE(templateGround, groundFromTemplate);
    QCOMPARE(int(doc.Ships().size()), vehicles);
    QCOMPARE(doc.CampaignNumber(), campaign);
    QCOMPARE(doc.scenarioName(), name);
}

// Any single bit changed in a payload byte of a demo scenario gives at least
// one line of the scenario diff. The changes are random but the same on
// every run.
void TestDemoWorld::diffReportsRandomBitChanges_data()
{
    QTest::addColumn<QString>("file");
    for (const char *file : {"Inselreich.szs", "Handelskrieg.szm", "Rumo Abenteuer.mfs",
                             "Rumo Mehrspieler.mfm", "Spielstand 1.gam"})
        QTest::newRow(file) << QString::fromLatin1(file);
}

void TestDemoWorld::diffReportsRandomBitChanges()
{
    QFETCH(QString, file);
    const QString gamePath = findGamePath(first_.filePath(QStringLiteral("wine")));
    QFile in(first_.filePath(QStringLiteral("Szenarien/") + file));
    QVERIFY(in.open(QIODevice::ReadOnly));
    const QByteArray bytes = in.readAll();
    // The offsets of every payload byte.
    std::vector<qsizetype> payload;
    for (qsizetype at = 0; at + 20 <= bytes.size();) {
        const qint32 length =
            qFromLittleEndian<qint32>(reinterpret_cast<const uchar *>(bytes.constData()) + at + 16);
        for (qsizetype i = 0; i < length; ++i)
            payload.push_back(at + 20 + i);
        at += 20 + length;
    }
    RumoSzen original(gamePath, nullptr);
    QBuffer originalIn;
    originalIn.setData(bytes);
    QVERIFY(originalIn.open(QIODevice::ReadOnly));
    QVERIFY(original.Load(originalIn, file));

    QRandomGenerator random(18);
    QStringList silent;
    for (int n = 0; n < 100; ++n) {
        const qsizetype at = payload[random.bounded(qsizetype(payload.size()))];
        const int bit = random.bounded(8);
        QByteArray changed = bytes;
        changed[at] = char(changed[at] ^ (1 << bit));
        QBuffer changedIn;
        changedIn.setData(changed);
        QVERIFY(changedIn.open(QIODevice::ReadOnly));
        RumoSzen doc(gamePath, nullptr);
        QVERIFY(doc.Load(changedIn, file));
        if (ScenarioDiff::Compare(original, doc).isEmpty())
            silent << QStringLiteral("byte %1 bit %2").arg(at).arg(bit);
    }
    QCOMPARE(silent, QStringList());
}

// Help prints and succeeds; anything that looks like an option and is none
// is refused before a single file is written.
void TestDemoWorld::commandLine()
{
    QTemporaryDir cwd;
    QVERIFY(cwd.isValid());
    struct Case {
        QStringList args;
        int exitCode;
    };
    const QList<Case> cases{{{"--help"}, 0},  {{"-h"}, 0},     {{"--version"}, 0},
                            {{"--bogus"}, 2}, {{"-x"}, 2},     {{"-"}, 2},
                            {{}, 2},          {{"a", "b"}, 2}, {{"--out", "a"}, 2}};
    for (const Case &c : cases) {
        QProcess process;
        process.setWorkingDirectory(cwd.path());
        process.start(QStringLiteral(MARBOLT_DEMO_BIN), c.args);
        QVERIFY(process.waitForFinished(60000));
        const QString what = c.args.join(QLatin1Char(' '));
        QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == c.exitCode,
                 qPrintable(what));
        const QByteArray out = process.readAllStandardOutput();
        const QByteArray err = process.readAllStandardError();
        if (c.exitCode == 0) {
            QVERIFY2(out.startsWith("marbolt-demo") || out.contains("OUTDIR"), qPrintable(what));
        } else {
            QVERIFY2(out.isEmpty(), qPrintable(what));
            QVERIFY2(err.contains("Try 'marbolt-demo --help'"), qPrintable(what));
        }
        QVERIFY2(QDir(cwd.path()).isEmpty(), qPrintable(what));
    }
}

QTEST_GUILESS_MAIN(TestDemoWorld)
#include "tst_demoworld.moc"
