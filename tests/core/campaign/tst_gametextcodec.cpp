#include "core/campaign/gametextcodec.h"
#include "core/common/messages.h"
#include "support/actingas.h"
#include "support/tempfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>
#include <cstring>
#include <optional>
#include <sys/stat.h>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

QByteArray coded(QByteArray bytes)
{
    GameTextCodec::code(bytes.data(), bytes.size());
    return bytes;
}

// Writes `plain` encoded as the game folder's text file.
QString writeTextFile(const QTemporaryDir &dir, const QByteArray &plain,
                      const QString &name = QStringLiteral("Text.cod"))
{
    const QString path = dir.filePath(name);
    testfiles::write(path, coded(plain));
    return path;
}

// Bytes of a literal that holds zero bytes.
template <qsizetype N> QByteArray raw(const char (&text)[N])
{
    return QByteArray(text, N - 1);
}

QByteArray readTextFile(const QString &path)
{
    return coded(testfiles::read(path));
}

const QByteArray kFile = "[ALLGEMEIN]\r\nName=Brim\r\n[KAMPAGNE]\r\nerste.szs\r\n"
                         "zweite.szs\r\ndritte.szs\r\n[END]\r\n[SCHIFFE]\r\nKogge \x81\x8D\r\n";

} // namespace

class TestGameTextCodec : public QObject {
    Q_OBJECT

private slots:
    void codeNegatesEveryByte();
    void loadCampaignList_data();
    void loadCampaignList();
    void unreadableFileFails();
    void textFileNameIgnoresCase();
    void storeCampaignList_data();
    void storeCampaignList();
    void storeUnchangedListKeepsFileIdentical();
    void storeReplacesTheSectionLoadReads_data();
    void storeReplacesTheSectionLoadReads();
    void storeRefusesFileWithoutSection_data();
    void storeRefusesFileWithoutSection();
    void storeKeepsSymlinkAndPermissions();
    void storeWhereFolderOrFileIsReadOnly_data();
    void storeWhereFolderOrFileIsReadOnly();
    void failedWriteLeavesOriginal();
};

void TestGameTextCodec::codeNegatesEveryByte()
{
    QCOMPARE(coded("abc"), QByteArray("\x9F\x9E\x9D"));
    QCOMPARE(coded(QByteArray("\x00\x01\x80\xFF", 4)), QByteArray("\x00\xFF\x80\x01", 4));

    QByteArray all(256, Qt::Uninitialized);
    for (int i = 0; i < 256; ++i)
        all[i] = char(i);
    QCOMPARE(coded(coded(all)), all);
}

void TestGameTextCodec::loadCampaignList_data()
{
    QTest::addColumn<QByteArray>("plain");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("section between others")
        << kFile << QStringList{"erste.szs", "zweite.szs", "dritte.szs"};
    QTest::newRow("no marker") << QByteArray("[ALLGEMEIN]\r\nx\r\n") << QStringList();
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("marker in lower case")
        << QByteArray("[kampagne]\r\na\r\n[END]\r\n") << QStringList();
    QTest::newRow("marker with trailing blank")
        << QByteArray("[KAMPAGNE] \r\na\r\n[END]\r\n") << QStringList();
    QTest::newRow("first exact marker counts")
        << QByteArray("[kampagne]\r\na\r\n[KAMPAGNE]\r\nb\r\n[END]\r\n") << QStringList{"b"};
    QTest::newRow("end marker must be exact")
        << QByteArray("[KAMPAGNE]\r\na\r\n[end]\r\n[END] \r\nb\r\n[END]\r\nc\r\n")
        << QStringList{"a", "[end]", "[END] ", "b"};
    QTest::newRow("no end marker keeps the rest")
        << QByteArray("[KAMPAGNE]\r\na\r\nb") << QStringList{"a", "b"};
    QTest::newRow("CR, LF and CR LF mixed") << QByteArray("[KAMPAGNE]\ra\nb\r\nc\n\rd\r\r\n[END]")
                                            << QStringList{"a", "b", "c", "", "d", ""};
    QTest::newRow("text ends at zero byte")
        << raw("[KAMPAGNE]\r\nab\0cd\r\n[END]\r\n") << QStringList{"ab"};
    QTest::newRow("Windows-1252 umlauts")
        << QByteArray("[KAMPAGNE]\r\n\xE4\xF6\xFC\xDF \x80\r\n[END]\r\n")
        << QStringList{QString::fromUtf8("äöüß €")};
}

void TestGameTextCodec::loadCampaignList()
{
    QFETCH(QByteArray, plain);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    writeTextFile(dir, plain);

    const Result<QStringList> list = GameTextCodec::loadCampaignList(dir.path());
    QVERIFY(list.ok());
    QCOMPARE(*list, expected);
    QVERIFY(list.error().isEmpty());
}

// A missing file, and a folder where the file belongs (unreadable even for
// root): load and store both fail with the path, and store creates nothing.
void TestGameTextCodec::unreadableFileFails()
{
    QTemporaryDir dir;
    const QString path = GameTextCodec::textFilePath(dir.path());
    QVERIFY2(path.endsWith(QStringLiteral("/Text.cod")), qPrintable(path));
    for (int round = 0; round < 2; ++round) {
        if (round == 1)
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Text.cod")));
        const QString expected = round == 0 ? msg::fileNotFound(path) : msg::notARegularFile(path);
        const Result<QStringList> loaded = GameTextCodec::loadCampaignList(dir.path());
        QVERIFY(!loaded);
        QCOMPARE(loaded.error(), expected);
        const Result<void> stored = GameTextCodec::storeCampaignList(dir.path(), {"a"});
        QVERIFY(!stored);
        QCOMPARE(stored.error(), expected);
        QCOMPARE(QFileInfo::exists(path), round == 1);
    }
}

void TestGameTextCodec::textFileNameIgnoresCase()
{
    QTemporaryDir dir;
    const QString path = writeTextFile(dir, kFile, QStringLiteral("TEXT.COD"));
    QCOMPARE(GameTextCodec::textFilePath(dir.path()), path);

    const Result<QStringList> list = GameTextCodec::loadCampaignList(dir.path());
    QVERIFY(list.ok());
    QCOMPARE(list->size(), 3);

    QVERIFY(GameTextCodec::storeCampaignList(dir.path(), {"neu.szs"}));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"TEXT.COD"});
    QVERIFY(readTextFile(path).contains("\r\nneu.szs\r\n[END]\r\n"));
}

void TestGameTextCodec::storeCampaignList_data()
{
    QTest::addColumn<QByteArray>("plain");
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("shorter list leaves no leftovers")
        << kFile << QStringList{"eins.szs"}
        << QByteArray("[ALLGEMEIN]\r\nName=Brim\r\n[KAMPAGNE]\r\neins.szs\r\n[END]\r\n"
                      "[SCHIFFE]\r\nKogge \x81\x8D\r\n");
    QTest::newRow("empty list") << QByteArray("[KAMPAGNE]\r\na\r\n[END]\r\n") << QStringList()
                                << QByteArray("[KAMPAGNE]\r\n[END]\r\n");
    QTest::newRow("longer list into empty section")
        << QByteArray("[KAMPAGNE]\r\n[END]\r\n") << QStringList{"a", "b", "c"}
        << QByteArray("[KAMPAGNE]\r\na\r\nb\r\nc\r\n[END]\r\n");
    QTest::newRow("line breaks become CR LF")
        << QByteArray("x\ry\n[KAMPAGNE]\n\ra\r[END]\nz") << QStringList{"b"}
        << QByteArray("x\r\ny\r\n[KAMPAGNE]\r\nb\r\n[END]\r\nz\r\n");
    QTest::newRow("only the exact marker opens")
        << QByteArray("[kampagne]\r\na\r\n[END]\r\n[KAMPAGNE]\r\nx\r\n[END]\r\n")
        << QStringList{"b"}
        << QByteArray("[kampagne]\r\na\r\n[END]\r\n[KAMPAGNE]\r\nb\r\n[END]\r\n");
    QTest::newRow("only an exact end marker closes")
        << QByteArray("[KAMPAGNE]\r\na\r\n[end]\r\n[END]\r\nz\r\n") << QStringList{"b"}
        << QByteArray("[KAMPAGNE]\r\nb\r\n[END]\r\nz\r\n");
    QTest::newRow("text after zero byte is dropped")
        << raw("[KAMPAGNE]\r\na\r\n[END]\r\nz\0rest\r\n") << QStringList{"b"}
        << QByteArray("[KAMPAGNE]\r\nb\r\n[END]\r\nz\r\n");
    QTest::newRow("umlauts written as Windows-1252")
        << QByteArray("[KAMPAGNE]\r\n[END]\r\n") << QStringList{QString::fromUtf8("Öl für Mäuse")}
        << QByteArray("[KAMPAGNE]\r\n\xD6l f\xFCr M\xE4use\r\n[END]\r\n");
    QTest::newRow("breaks inside an entry cannot split it")
        << QByteArray("[KAMPAGNE]\r\n[END]\r\n") << QStringList{QStringLiteral("a\r\n[END]")}
        << QByteArray("[KAMPAGNE]\r\na??[END]\r\n[END]\r\n");
}

void TestGameTextCodec::storeCampaignList()
{
    QFETCH(QByteArray, plain);
    QFETCH(QStringList, list);
    QFETCH(QByteArray, expected);
    QTemporaryDir dir;
    const QString path = writeTextFile(dir, plain);

    const Result<void> stored = GameTextCodec::storeCampaignList(dir.path(), list);
    QVERIFY(stored);
    QVERIFY(stored.error().isEmpty());
    QCOMPARE(readTextFile(path), expected);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Text.cod"});
}

void TestGameTextCodec::storeUnchangedListKeepsFileIdentical()
{
    QTemporaryDir dir;
    const QByteArray plain = kFile + "[KAMPAGNE]\r\n\xE4\x81\r\n[END]\r\n";
    const QString path = writeTextFile(dir, plain);
    const QByteArray before = testfiles::read(path);

    const Result<QStringList> list = GameTextCodec::loadCampaignList(dir.path());
    QVERIFY(list.ok());
    QVERIFY(GameTextCodec::storeCampaignList(dir.path(), *list));
    QCOMPARE(testfiles::read(path), before);
}

// Load and store find the campaign section by one rule: a line that only
// resembles the marker before the real one neither hides the real section
// from the store nor receives the list, so storing the loaded list changes
// nothing and a changed list loads back as stored.
void TestGameTextCodec::storeReplacesTheSectionLoadReads_data()
{
    QTest::addColumn<QByteArray>("decoy");
    QTest::newRow("lower case") << QByteArray("[kampagne]");
    QTest::newRow("mixed case") << QByteArray("[Kampagne]");
    QTest::newRow("trailing blank") << QByteArray("[KAMPAGNE] ");
    QTest::newRow("leading blank") << QByteArray(" [KAMPAGNE]");
}

void TestGameTextCodec::storeReplacesTheSectionLoadReads()
{
    QFETCH(QByteArray, decoy);
    QTemporaryDir dir;
    const QByteArray other = "[ALLGEMEIN]\r\n" + decoy + "\r\nalt.szs\r\n[END]\r\n";
    const QString path = writeTextFile(dir, other + "[KAMPAGNE]\r\nerste.szs\r\nzweite.szs\r\n"
                                                    "[END]\r\n[SCHIFFE]\r\n");
    const QByteArray before = testfiles::read(path);

    const Result<QStringList> loaded = GameTextCodec::loadCampaignList(dir.path());
    QVERIFY(loaded.ok());
    QCOMPARE(*loaded, (QStringList{"erste.szs", "zweite.szs"}));
    QVERIFY(GameTextCodec::storeCampaignList(dir.path(), *loaded));
    QCOMPARE(testfiles::read(path), before);

    QVERIFY(GameTextCodec::storeCampaignList(dir.path(), {"neu.szs"}));
    const Result<QStringList> reloaded = GameTextCodec::loadCampaignList(dir.path());
    QVERIFY(reloaded.ok());
    QCOMPARE(*reloaded, QStringList{"neu.szs"});
    QCOMPARE(readTextFile(path), other + "[KAMPAGNE]\r\nneu.szs\r\n[END]\r\n[SCHIFFE]\r\n");
}

void TestGameTextCodec::storeRefusesFileWithoutSection_data()
{
    QTest::addColumn<QByteArray>("plain");
    QTest::newRow("no marker") << QByteArray("[ALLGEMEIN]\r\na\r\n[END]\r\n");
    QTest::newRow("no end marker") << QByteArray("x\r\n[KAMPAGNE]\r\na\r\nb\r\n");
    QTest::newRow("end marker only before") << QByteArray("[END]\r\n[KAMPAGNE]\r\na\r\n");
    QTest::newRow("end marker not exact") << QByteArray("[KAMPAGNE]\r\na\r\n[END] \r\n");
    QTest::newRow("marker in other letter case") << QByteArray("[Kampagne]\r\na\r\n[END]\r\n");
    QTest::newRow("marker with trailing blank") << QByteArray("[KAMPAGNE] \r\na\r\n[END]\r\n");
}

void TestGameTextCodec::storeRefusesFileWithoutSection()
{
    QFETCH(QByteArray, plain);
    QTemporaryDir dir;
    const QString path = writeTextFile(dir, plain);
    const QByteArray before = testfiles::read(path);

    const Result<void> stored = GameTextCodec::storeCampaignList(dir.path(), {"neu.szs"});
    QVERIFY(!stored);
    QCOMPARE(stored.error(), msg::noCampaignSection(path));
    QCOMPARE(testfiles::read(path), before);
}

void TestGameTextCodec::storeKeepsSymlinkAndPermissions()
{
    QTemporaryDir dir;
    const QString target = writeTextFile(dir, kFile, QStringLiteral("echt/text.dat"));
    QVERIFY(QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ReadGroup));
    const QFileDevice::Permissions permissions = QFile::permissions(target);
    const QString game = dir.filePath(QStringLiteral("spiel"));
    QVERIFY(QDir().mkpath(game));
    const QString link = game + QStringLiteral("/Text.cod");
    QVERIFY(QFile::link(target, link));

    QVERIFY(GameTextCodec::storeCampaignList(game, {"neu.szs"}));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(QFileInfo(link).symLinkTarget(), target);
    QVERIFY(readTextFile(target).contains("[KAMPAGNE]\r\nneu.szs\r\n[END]"));
    QCOMPARE(QFile::permissions(target), permissions);
}

// The game's folder often belongs to another user or is read-only while
// Text.cod itself is writable: the store then rewrites the file in place.
// A read-only Text.cod is never written, also not by root; a file of
// another user is refused with the system's reason.
void TestGameTextCodec::storeWhereFolderOrFileIsReadOnly_data()
{
    QTest::addColumn<int>("folderMode");
    QTest::addColumn<int>("fileMode");
    QTest::addColumn<bool>("fileOfOtherUser");
    QTest::addColumn<QString>("reason"); // empty: stored
    QTest::newRow("read-only folder, writable file") << 0555 << 0644 << false << QString();
    QTest::newRow("read-only file") << 0755 << 0444 << false << msg::targetReadOnly();
    QTest::newRow("read-only folder and file") << 0555 << 0444 << false << msg::targetReadOnly();
    QTest::newRow("read-only folder, another user's file")
        << 0555 << 0644 << true << QString::fromLocal8Bit(std::strerror(EACCES));
}

void TestGameTextCodec::storeWhereFolderOrFileIsReadOnly()
{
    QFETCH(int, folderMode);
    QFETCH(int, fileMode);
    QFETCH(bool, fileOfOtherUser);
    QFETCH(QString, reason);
    // Root may write anywhere; the store then runs as another user, who
    // owns the folder (and the file, unless it is root's).
    const bool root = testusers::runningAsRoot();
    if (fileOfOtherUser && !root)
        QSKIP("a file of another user needs root to set up");
    QTemporaryDir dir;
    const QString game = dir.filePath(QStringLiteral("spiel"));
    const QString path = writeTextFile(dir, kFile, QStringLiteral("spiel/Text.cod"));
    const QByteArray before = testfiles::read(path);
    if (root) {
        QVERIFY(testusers::giveToOtherUser(dir.path()));
        QVERIFY(testusers::giveToOtherUser(game));
        if (!fileOfOtherUser)
            QVERIFY(testusers::giveToOtherUser(path));
    }
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), mode_t(fileMode)), 0);
    QCOMPARE(::chmod(QFile::encodeName(game).constData(), mode_t(folderMode)), 0);

    Result<void> stored = Failure{QStringLiteral("not run")};
    {
        std::optional<testusers::ActingAs> other;
        if (root) {
            other.emplace(testusers::OtherUser, testusers::OtherGroup);
            QVERIFY(other->active());
        }
        stored = GameTextCodec::storeCampaignList(game, {"neu.szs"});
    }
    const QString message = stored.error();
    ::chmod(QFile::encodeName(game).constData(), 0755);

    QCOMPARE(QDir(game).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"Text.cod"});
    if (reason.isEmpty()) {
        QVERIFY2(stored, qPrintable(message));
        QVERIFY(readTextFile(path).contains("[KAMPAGNE]\r\nneu.szs\r\n[END]"));
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 07777), fileMode);
    } else {
        QVERIFY(!stored);
        QCOMPARE(message, msg::cannotWrite(path, reason));
        QCOMPARE(testfiles::read(path), before);
    }
}

// A write that fails halfway, for any user: the file size limit stops the
// temporary file short, and the original must survive untouched.
void TestGameTextCodec::failedWriteLeavesOriginal()
{
#ifdef Q_OS_LINUX
    QTemporaryDir dir;
    const QString path = writeTextFile(dir, kFile);
    const QByteArray before = testfiles::read(path);

    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 8;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const Result<void> stored = GameTextCodec::storeCampaignList(dir.path(), {"neu.szs"});
    const QString message = stored.error();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(!stored);
    QCOMPARE(message, msg::cannotWrite(path, QString::fromLocal8Bit(std::strerror(EFBIG))));
    QCOMPARE(testfiles::read(path), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Text.cod"});
#else
    QSKIP("needs a file size limit");
#endif
}

QTEST_GUILESS_MAIN(TestGameTextCodec)
#include "tst_gametextcodec.moc"
