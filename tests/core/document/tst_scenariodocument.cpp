#include "core/common/messages.h"
#include "core/document/rumoszen.h"
#include "core/document/scenariofiles.h"
#include "core/format/chunkfile.h"
#include "support/documentio.h"
#include "support/gameinstallation.h"
#include "support/hostilefiles.h"
#include "support/scenariobuilder.h"
#include "support/tempfiles.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace scenario;

namespace {

QByteArray int32(qint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

// Takes at most `room` bytes in all, as a nearly full disk does, and reports
// the part it took as written.
class LimitedDevice : public QIODevice {
public:
    explicit LimitedDevice(qint64 room) : room_(room) { open(QIODevice::WriteOnly); }
    QByteArray bytes;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        const qint64 taken = qMin(size, room_ - qint64(bytes.size()));
        bytes.append(data, taken);
        return taken;
    }

private:
    qint64 room_;
};

// Holds a file's bytes but fails every read past `readable` bytes, as a
// disk with a bad sector does.
class FailingReadDevice : public QIODevice {
public:
    FailingReadDevice(QByteArray bytes, qint64 readable)
        : bytes_(std::move(bytes)), readable_(readable)
    {
        open(QIODevice::ReadOnly);
    }
    qint64 size() const override { return bytes_.size(); }

protected:
    qint64 readData(char *data, qint64 max) override
    {
        const qint64 at = pos();
        if (at >= bytes_.size())
            return 0;
        if (at >= readable_) {
            setErrorString(QStringLiteral("Eingabe-/Ausgabefehler"));
            return -1;
        }
        const qint64 n = qMin(max, readable_ - at);
        std::memcpy(data, bytes_.constData() + at, size_t(n));
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray bytes_;
    qint64 readable_;
};

QStringList folderEntries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

} // namespace

class TestScenarioDocument : public QObject {
    Q_OBJECT

private slots:
    void scenarioFileKinds();
    void copiedChunksKeepTheirHeaderBytes();
    void heldChunksReportAShortWrite_data();
    void heldChunksReportAShortWrite();
    void richScenarioRoundTrip();
    void loadFails_data();
    void loadFails();
    void readErrorFailsTheLoad();
    void nonRegularPathRefused_data();
    void nonRegularPathRefused();
    void chunksAfterSettingsSurviveByteForByte_data();
    void chunksAfterSettingsSurviveByteForByte();
    void recordAreasTakeTheirSize_data();
    void recordAreasTakeTheirSize();
    void campaignNumber_data();
    void campaignNumber();
    void missionsWrittenUpToFirstBlank_data();
    void missionsWrittenUpToFirstBlank();
    void changeCountSignalsEveryChange();
    void saveReplacesTargetAndTempFile_data();
    void saveReplacesTargetAndTempFile();
    void saveKeepsSymlinkAndPermissions();
    void failedSaveChangesNothing_data();
    void failedSaveChangesNothing();
};

// Copied chunks come out as read, header leftovers included; regenerated
// headers carry zeros; an incomplete header at the end is lost.
void TestScenarioDocument::copiedChunksKeepTheirHeaderBytes()
{
    const QByteArray unknown =
        ScenarioBuilder().rawHeader(QByteArray("ZUFALL\0rest\xff", 12), 3).raw("abc").bytes();
    const QByteArray file = ScenarioBuilder()
                                .raw(unknown)
                                .chunk("LEER", {})
                                .chunk("NAME", "Szenario")
                                .rawHeader(QByteArray("TIMERS\0junkjunk", 15), 664)
                                .raw(settings())
                                .raw(pattern(7))
                                .bytes();
    RumoSzen doc(QString(), nullptr);
    QVERIFY(load(doc, file));
    QCOMPARE(doc.scenarioName(), QStringLiteral("Szenario"));
    QCOMPARE(scenario::saved(doc),
             unknown + chunk("LEER", {}) + chunk("NAME", "Szenario") + chunk("TIMERS", settings()));
}

// Held chunks that follow each other go out together, so a device that takes
// only part of them must still fail the write, also when they come last.
void TestScenarioDocument::heldChunksReportAShortWrite_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");

    QByteArray many;
    for (int i = 0; i < 300; ++i)
        many += chunk("KLEIN", pattern(i % 7));
    QTest::newRow("after the settings") << QByteArray() << many;
    QTest::newRow("before the settings") << many << QByteArray();
    QTest::newRow("around a regenerated chunk")
        << many + chunk("PLAYER4", players()) + many << chunk("NAME", "Ende");
}

void TestScenarioDocument::heldChunksReportAShortWrite()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    RumoSzen doc(QString(), nullptr);
    QVERIFY(load(doc, before + minimalScenario() + after));
    const QByteArray whole = scenario::saved(doc);
    QCOMPARE(whole, before + minimalScenario() + after);

    for (const qint64 room : {qint64(0), qint64(whole.size() - 1), qint64(whole.size() / 2)}) {
        LimitedDevice full(room);
        QVERIFY2(!doc.writeTo(full), qPrintable(QStringLiteral("room %1").arg(room)));
        QCOMPARE(full.bytes, whole.left(room));
    }
    LimitedDevice roomy(whole.size());
    QVERIFY(doc.writeTo(roomy));
    QCOMPARE(roomy.bytes, whole);
}

void TestScenarioDocument::richScenarioRoundTrip()
{
    TempGameInstallation game;
    const RichScenario rich = richScenario();
    rich.install(game);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("reich.szs"));
    testfiles::write(path, rich.file);

    RumoSzen doc(game.gameFolder(), nullptr);
    QVERIFY(doc.Load(path));
    QCOMPARE(doc.notices(), QStringList());
    QCOMPARE(doc.FilePath(), path);
    QCOMPARE(doc.FileName(), QStringLiteral("reich.szs"));
    QCOMPARE(doc.CampaignNumber(), 5);
    QCOMPARE(doc.Ships().size(), size_t(2));
    QCOMPARE(doc.Islands().size(), size_t(5));
    QCOMPARE(scenario::saved(doc), rich.saved);

    const QString copy = dir.filePath(QStringLiteral("kopie.szs"));
    QVERIFY(doc.Save(copy));
    QCOMPARE(testfiles::read(copy), rich.saved);
    QCOMPARE(doc.FilePath(), copy);
    QCOMPARE(doc.FileName(), QStringLiteral("kopie.szs"));

    // The saved file is a fixed point: loading and saving it changes nothing.
    RumoSzen again(game.gameFolder(), nullptr);
    QVERIFY(again.Load(copy));
    QCOMPARE(scenario::saved(again), rich.saved);
}

void TestScenarioDocument::loadFails_data()
{
    QTest::addColumn<QByteArray>("file");

    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("no TIMERS") << chunk("NAME", "x") + chunk("PLAYER4", players());
    QTest::newRow("malformed name before TIMERS")
        << ScenarioBuilder().rawHeader("SIXTEENCHARSLONG", 0).raw(minimalScenario()).bytes();
    QTest::newRow("negative length before TIMERS") << header("X", -5) + minimalScenario();
    QTest::newRow("TIMERS header cut short") << minimalScenario().left(19);
    QTest::newRow("TIMERS of length 0") << chunk("TIMERS", {});
    QTest::newRow("short old island record before TIMERS")
        << chunk("INSEL_MAXFUN", oldIslandRecord({}).left(79)) + minimalScenario();
}

void TestScenarioDocument::loadFails()
{
    QFETCH(QByteArray, file);
    RumoSzen doc(QString(), nullptr);
    QVERIFY(!load(doc, file));
    QVERIFY(doc.FilePath().isEmpty());
    QVERIFY(doc.FileName().isEmpty());
}

// A read that fails part way fails the load with the device's reason, also
// after the settings chunk has arrived: a save would drop the unread rest.
void TestScenarioDocument::readErrorFailsTheLoad()
{
    const QByteArray file = minimalScenario() + chunk("NACHSPANN", QByteArray(4000, 'n'));
    const qint64 timersEnd = minimalScenario().size();
    for (const qint64 readable :
         {qint64(10), timersEnd - 1, timersEnd, timersEnd + 30, qint64(file.size()) - 1}) {
        FailingReadDevice in(file, readable);
        RumoSzen doc(QString(), nullptr);
        const auto loaded = doc.Load(in, QStringLiteral("defekt.szs"));
        QVERIFY2(!loaded, qPrintable(QString::number(readable)));
        QCOMPARE(loaded.error(), QStringLiteral("Eingabe-/Ausgabefehler"));
        QVERIFY(doc.FilePath().isEmpty());
        QVERIFY(doc.chunks().empty());
    }
    // The whole file read: it loads.
    FailingReadDevice whole(file, file.size());
    RumoSzen doc(QString(), nullptr);
    QVERIFY(doc.Load(whole, QStringLiteral("heil.szs")));
    QCOMPARE(doc.chunks().size(), size_t(2));
}

// A path that names no regular file is refused at once, with the reason to
// show under the sentence that names the path: a FIFO is not waited on, a
// device is not read, a folder is no scenario. The editor opens through the
// same load.
void TestScenarioDocument::nonRegularPathRefused_data()
{
    QTest::addColumn<QString>("kind");
    for (const QString &kind : hostile::kinds())
        QTest::newRow(qPrintable(kind)) << kind;
}

void TestScenarioDocument::nonRegularPathRefused()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("szenario.szs"));
    hostile::make(kind, path, RumoSzen::MaxFileSize);
    RumoSzen doc(QString(), nullptr);
    const auto loaded = doc.Load(path);
    QVERIFY(!loaded);
    const QString expected =
        kind == QLatin1String("missing")    ? QString::fromLocal8Bit(std::strerror(ENOENT))
        : kind == QLatin1String("oversize") ? msg::fileTooLargeReason(RumoSzen::MaxFileSize)
                                            : msg::notARegularFileReason();
    QCOMPARE(loaded.error(), expected);
    QVERIFY(doc.FilePath().isEmpty());
    QVERIFY(doc.chunks().empty());
}

// The load decodes nothing after the settings chunk that ends its walk, so
// every chunk after it, whatever its name, is written back exactly as read;
// the settings chunk itself and the chunks before it are regenerated.
void TestScenarioDocument::chunksAfterSettingsSurviveByteForByte_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("savedBefore");
    QTest::addColumn<QByteArray>("timers");
    QTest::addColumn<QByteArray>("after");

    const QByteArray timers = chunk("TIMERS", settings(12, 0x101));
    const QByteArray shortTimers = settings(7).left(600);
    const QByteArray island = chunk("INSEL5", islandRecord(placed(2, 30, 30, 8, 8))) +
                              chunk("INSELHAUS", tile(1, 0, 0)) + chunk("HIRSCH2", deer(2)) +
                              chunk("STADT4", city(2, 0, 1, "Hinten")) +
                              chunk("KONTOR2", tradingPost(2, 0, {64}));
    QTest::newRow("second TIMERS") << QByteArray() << QByteArray() << timers
                                   << chunk("X", "y") + chunk("TIMERS", settings(99, 0));
    QTest::newRow("short TIMERS regenerated, the later one kept")
        << QByteArray() << QByteArray() << chunk("TIMERS", shortTimers)
        << chunk("TIMERS", settings(99, 0));
    QTest::newRow("player, mission and ship chunks")
        << QByteArray() << QByteArray() << timers
        << chunk("PLAYER4", players()) + chunk("AUFTRAG4", mission(0, "Spaeter")) +
               chunk("SHIP4", ship("Nachzuegler", 40, 40));
    QTest::newRow("campaign chunk")
        << QByteArray() << QByteArray() << timers << chunk("SZENE_KAMPAGNE", int32(3));
    QTest::newRow("island with settlements")
        << QByteArray() << QByteArray() << timers << island + chunk("INSELHAUS", tile(2, 1, 1));
    const QByteArray first = chunk("INSEL5", islandRecord(placed(1, 10, 10, 8, 8)));
    const QByteArray empty = chunk("HIRSCH2", {}) + chunk("STADT4", {}) + chunk("KONTOR2", {});
    QTest::newRow("islands before and after")
        << first + chunk("STADT4", {}) << first + empty << timers << island;
    QTest::newRow("empty ships chunk after")
        << chunk("SHIP4", ship("Vorn", 50, 50)) << chunk("SHIP4", ship("Vorn", 50, 50)) << timers
        << chunk("SHIP4", {});
    // A TIMERS chunk of length 0 is skipped by the load, so the walk goes
    // on to the next one; the player chunk between them was decoded.
    QTest::newRow("empty TIMERS before the decoded one")
        << chunk("TIMERS", {}) + chunk("PLAYER4", players()) << timers + chunk("PLAYER4", players())
        << timers << chunk("PLAYER4", players({}));
}

void TestScenarioDocument::chunksAfterSettingsSurviveByteForByte()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, savedBefore);
    QFETCH(QByteArray, timers);
    QFETCH(QByteArray, after);
    RumoSzen doc(QString(), nullptr);
    QVERIFY(load(doc, before + timers + after));
    QByteArray regenerated = timers;
    if (regenerated.size() < 20 + 664) // the settings record is always written whole
        regenerated =
            header("TIMERS", 664) + timers.mid(20) + QByteArray(684 - timers.size(), '\0');
    QCOMPARE(scenario::saved(doc), savedBefore + regenerated + after);

    // Still so after a second round.
    RumoSzen again(QString(), nullptr);
    QVERIFY(load(again, scenario::saved(doc)));
    QCOMPARE(scenario::saved(again), savedBefore + regenerated + after);
}

void TestScenarioDocument::recordAreasTakeTheirSize_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("areaSize");

    QTest::newRow("short TIMERS") << QByteArray("TIMERS") << 100 << 664;
    QTest::newRow("long TIMERS") << QByteArray("TIMERS") << 700 << 664;
    QTest::newRow("short PLAYER4") << QByteArray("PLAYER4") << 1072 << 7504;
    QTest::newRow("long PLAYER4") << QByteArray("PLAYER4") << 8000 << 7504;
}

void TestScenarioDocument::recordAreasTakeTheirSize()
{
    QFETCH(QByteArray, name);
    QFETCH(int, length);
    QFETCH(int, areaSize);
    const QByteArray payload = pattern(length, 3);
    const QByteArray regenerated =
        chunk(name, payload.left(areaSize) + QByteArray(qMax(0, areaSize - length), '\0'));
    const QByteArray timers = name == "TIMERS" ? QByteArray() : minimalScenario();

    RumoSzen doc(QString(), nullptr);
    QVERIFY(load(doc, chunk(name, payload) + timers));
    QCOMPARE(scenario::saved(doc), regenerated + timers);
}

void TestScenarioDocument::campaignNumber_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<int>("loaded");
    QTest::addColumn<int>("saveWith");
    QTest::addColumn<QByteArray>("savedFront");

    const QByteArray name = chunk("NAME", "n");
    QTest::newRow("kept, moved to the front") << name + chunk("SZENE_KAMPAGNE", int32(5)) << 5 << 5
                                              << chunk("SZENE_KAMPAGNE", int32(5)) + name;
    QTest::newRow("-1 drops the chunk")
        << name + chunk("SZENE_KAMPAGNE", int32(5)) << 5 << -1 << name;
    QTest::newRow("short payload means none")
        << name + chunk("SZENE_KAMPAGNE", "\x05\x00\x00") << -1 << -1 << name;
    QTest::newRow("added as 0") << name << -1 << 0 << chunk("SZENE_KAMPAGNE", int32(0)) + name;
    QTest::newRow("long payload keeps its first int")
        << name + chunk("SZENE_KAMPAGNE", int32(70000) + "xyz") << 70000 << 70000
        << chunk("SZENE_KAMPAGNE", int32(70000)) + name;
}

void TestScenarioDocument::campaignNumber()
{
    QFETCH(QByteArray, before);
    QFETCH(int, loaded);
    QFETCH(int, saveWith);
    QFETCH(QByteArray, savedFront);
    RumoSzen doc(QString(), nullptr);
    QVERIFY(load(doc, before + minimalScenario()));
    QCOMPARE(doc.CampaignNumber(), loaded);
    doc.setCampaignNumber(saveWith);
    QCOMPARE(scenario::saved(doc), savedFront + minimalScenario());
}

void TestScenarioDocument::missionsWrittenUpToFirstBlank_data()
{
    QTest::addColumn<QByteArrayList>("texts");
    QTest::addColumn<int>("count");

    QTest::newRow("four") << QByteArrayList{"a", "b", "c", "d"} << 4;
    QTest::newRow("stops at the first blank") << QByteArrayList{"a", "", "c", "d"} << 1;
    QTest::newRow("blanks and control characters") << QByteArrayList{"a", "b", " \t\r\n", "d"} << 2;
    QTest::newRow("none") << QByteArrayList{"", "b", "c", "d"} << 0;
    QTest::newRow("two in the file") << QByteArrayList{"a", "b"} << 2;
}

void TestScenarioDocument::missionsWrittenUpToFirstBlank()
{
    QFETCH(QByteArrayList, texts);
    QFETCH(int, count);
    QByteArray missions;
    for (int m = 0; m < texts.size(); ++m)
        missions += mission(m, texts[m]);

    RumoSzen doc(QString(), nullptr);
    QVERIFY(load(doc, chunk("AUFTRAG4", missions) + minimalScenario()));
    QCOMPARE(scenario::saved(doc),
             chunk("AUFTRAG4", missions.left(count * 2244)) + minimalScenario());
}

void TestScenarioDocument::changeCountSignalsEveryChange()
{
    RumoSzen doc(QString(), nullptr);
    QSignalSpy spy(&doc, &RumoSzen::modifiedChanged);
    QVERIFY(!doc.isModified());
    doc.SetModified(true);
    doc.SetModified(true);
    QCOMPARE(doc.ModifiedCount(), 2);
    QVERIFY(doc.isModified());
    doc.SetModified(false);
    QCOMPARE(doc.ModifiedCount(), 0);
    QVERIFY(!doc.isModified());
    QCOMPARE(spy.size(), 3);
    QCOMPARE(spy.at(1).at(0).toInt(), 2);
    QCOMPARE(spy.at(2).at(0).toInt(), 0);

    QTemporaryDir dir;
    QVERIFY(load(doc, minimalScenario()));
    doc.SetModified(true);
    QVERIFY(doc.Save(dir.filePath(QStringLiteral("neu.szs"))));
    QCOMPARE(doc.ModifiedCount(), 0);
    QCOMPARE(spy.last().at(0).toInt(), 0);
}

// A save replaces only its target: a user's file called temp.file beside it
// stays as it was, and a target that is itself called temp.file is saved
// like any other.
void TestScenarioDocument::saveReplacesTargetAndTempFile_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("ordinary name") << QStringLiteral("ziel.szs");
    QTest::newRow("target called temp.file") << QStringLiteral("temp.file");
}

void TestScenarioDocument::saveReplacesTargetAndTempFile()
{
    QFETCH(QString, target);
    QTemporaryDir dir;
    const QString path = dir.filePath(target);
    const QString userFile = dir.filePath(QStringLiteral("temp.file"));
    testfiles::write(userFile, "Datei des Benutzers");
    testfiles::write(path, "alter Inhalt");
    RumoSzen doc(QString(), nullptr);
    QVERIFY(load(doc, minimalScenario()));

    QVERIFY(doc.Save(path));
    QCOMPARE(testfiles::read(path), minimalScenario());
    if (path != userFile)
        QCOMPARE(testfiles::read(userFile), QByteArray("Datei des Benutzers"));
    QStringList expected{target, QStringLiteral("temp.file")};
    expected.removeDuplicates();
    expected.sort();
    QCOMPARE(folderEntries(dir.path()), expected);
}

void TestScenarioDocument::saveKeepsSymlinkAndPermissions()
{
    QTemporaryDir dir;
    const QString real = dir.filePath(QStringLiteral("echt/ziel.szs"));
    testfiles::write(real, "alt");
    QVERIFY(QFile::setPermissions(real, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                            QFileDevice::ReadGroup));
    const QFileDevice::Permissions permissions = QFile::permissions(real);
    const QString link = dir.filePath(QStringLiteral("verweis.szs"));
    QVERIFY(QFile::link(real, link));

    RumoSzen doc(QString(), nullptr);
    QVERIFY(load(doc, minimalScenario()));
    QVERIFY(doc.Save(link));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(QFileInfo(link).symLinkTarget(), real);
    QCOMPARE(testfiles::read(real), minimalScenario());
    QCOMPARE(QFile::permissions(real), permissions);
    QCOMPARE(folderEntries(dir.filePath(QStringLiteral("echt"))), QStringList{"ziel.szs"});
    QCOMPARE(doc.FilePath(), link);
}

void TestScenarioDocument::failedSaveChangesNothing_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("targetName");
    QTest::addColumn<QString>("reason");
    QTest::newRow("folder missing") << "nofolder"
                                    << "ziel.szs" << QString::fromLocal8Bit(std::strerror(ENOENT));
    QTest::newRow("target is a folder") << "targetdir"
                                        << "ziel.szs" << msg::targetNotRegularFile();
    QTest::newRow("short write") << "short"
                                 << "ziel.szs" << QString::fromLocal8Bit(std::strerror(EFBIG));
    QTest::newRow("short write onto temp.file")
        << "short"
        << "temp.file" << QString::fromLocal8Bit(std::strerror(EFBIG));
}

void TestScenarioDocument::failedSaveChangesNothing()
{
    QFETCH(QString, failure);
    QFETCH(QString, targetName);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString loaded = dir.filePath(QStringLiteral("quelle.szs"));
    testfiles::write(loaded, minimalScenario());
    QString target = dir.filePath(targetName);
    testfiles::write(target, "altes Ziel");
    QStringList entries{QStringLiteral("quelle.szs"), targetName};
    RumoSzen doc(QString(), nullptr);
    QVERIFY(doc.Load(loaded));
    doc.SetModified(true);

    Result<void> saved;
    if (failure == QLatin1String("nofolder")) {
        saved = doc.Save(dir.filePath(QStringLiteral("fehlt/ziel.szs")));
    } else if (failure == QLatin1String("targetdir")) {
        target = dir.filePath(QStringLiteral("ordner"));
        testfiles::write(target + QStringLiteral("/inhalt"), "x");
        entries << QStringLiteral("ordner");
        saved = doc.Save(target);
        QCOMPARE(testfiles::read(target + QStringLiteral("/inhalt")), QByteArray("x"));
    } else {
#ifdef Q_OS_LINUX
        rlimit old{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = old;
        small.rlim_cur = 100;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        saved = doc.Save(target);
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
#else
        QSKIP("needs a file size limit");
#endif
    }

    QVERIFY(!saved);
    QCOMPARE(saved.error(), reason);
    QCOMPARE(testfiles::read(dir.filePath(targetName)), QByteArray("altes Ziel"));
    entries.sort();
    QCOMPARE(folderEntries(dir.path()), entries); // no temporary left behind
    QCOMPARE(doc.FilePath(), loaded);
    QCOMPARE(doc.FileName(), QStringLiteral("quelle.szs"));
    QCOMPARE(doc.ModifiedCount(), 1);
}

void TestScenarioDocument::scenarioFileKinds()
{
    for (const char *path : {"a.szs", "b.SZM", "c.Mfs", "d.mfm", "/x/y/Spielstand 1.GAM"})
        QVERIFY2(IsScenarioFile(QString::fromUtf8(path)), path);
    for (const char *path : {"a.scp", "szs", "a.szs.zip", "/ordner.szs/datei", "a.sz", "a.szss"})
        QVERIFY2(!IsScenarioFile(QString::fromUtf8(path)), path);
}

QTEST_GUILESS_MAIN(TestScenarioDocument)
#include "tst_scenariodocument.moc"
