#include "core/common/messages.h"
#include "core/format/atomicfile.h"
#include "support/actingas.h"
#include "support/tempfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using testusers::ActingAs;
using testusers::OtherGroup;
using testusers::OtherUser;

namespace {

QByteArray encoded(const QString &path)
{
    return QFile::encodeName(path);
}

struct stat statOf(const QString &path)
{
    struct stat st {};
    if (::lstat(encoded(path).constData(), &st) != 0)
        st.st_mode = 0;
    return st;
}

int modeOf(const QString &path)
{
    return int(statOf(path).st_mode & 07777);
}

// Every entry of a folder, hidden ones, links and special files included.
QStringList entries(const QString &folder)
{
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                               QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

// What a symbolic link says, unresolved.
QString linkTextOf(const QString &path)
{
    char text[4096];
    const ssize_t n = ::readlink(encoded(path).constData(), text, sizeof text);
    return n < 0 ? QString() : QFile::decodeName(QByteArray(text, n));
}

// The file a save is writing, seen from inside its write function: a file
// this process holds open that has no name in any folder. Its folder and its
// status; the status's mode is 0 when there is no such file.
struct FileBeingWritten {
    QString folder;
    struct stat st {};
};

FileBeingWritten fileBeingWritten()
{
    const QString fds = QStringLiteral("/proc/self/fd");
    for (const QString &fd :
         QDir(fds).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        // The system shows an unnamed file as "<folder>/#<inode> (deleted)".
        const QString text = linkTextOf(fds + QLatin1Char('/') + fd);
        const qsizetype hash = text.lastIndexOf(QStringLiteral("/#"));
        if (hash < 0 || !text.endsWith(QStringLiteral(" (deleted)")))
            continue;
        FileBeingWritten file{text.left(hash), {}};
        if (::stat(encoded(fds + QLatin1Char('/') + fd).constData(), &file.st) == 0)
            return file;
    }
    return {};
}

QString systemText(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

FileWriteFunction writing(const QByteArray &content)
{
    return [content](QIODevice &out) { return out.write(content) == content.size(); };
}

QByteArray pattern(char letter, qsizetype size)
{
    QByteArray bytes(size, letter);
    for (qsizetype i = 0; i < size; i += 4096)
        bytes[i] = char(i / 4096);
    return bytes;
}

// Limits the size of files this process writes, so that a write stops short
// as on a full disk: the system stores what fits and then refuses the rest.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        handler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved_;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, handler_);
    }

private:
    rlimit saved_{};
    void (*handler_)(int) = nullptr;
};

class Umask {
public:
    explicit Umask(mode_t mask) : saved_(::umask(mask)) {}
    ~Umask() { ::umask(saved_); }

private:
    mode_t saved_;
};

// Write system calls this process has made so far; -1 where the system does
// not count them.
qint64 writeCalls()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : io.readAll().split('\n')) {
        if (line.startsWith("syscw:"))
            return line.mid(6).trimmed().toLongLong();
    }
    return -1;
}

// Saves "neu" to `target`; `called` tells whether the save got as far as
// writing.
bool saveNew(const QString &target, bool &called, QString &error)
{
    const Result<void> saved = writeFileAtomically(target, [&called](QIODevice &out) {
        called = true;
        return out.write("neu") == 3;
    });
    error = saved.error();
    return saved.ok();
}

} // namespace

class TestAtomicFile : public QObject {
    Q_OBJECT

private slots:
    void parallelSavesNeverMix();
    void filesBesideTargetUntouched_data();
    void filesBesideTargetUntouched();
    void temporaryHasFinalModeBeforeFirstByte_data();
    void temporaryHasFinalModeBeforeFirstByte();
    void ownerGroupAndModeKept_data();
    void ownerGroupAndModeKept();
    void unwritableTargetRefused_data();
    void unwritableTargetRefused();
    void symlinkStaysLink_data();
    void symlinkStaysLink();
    void nonRegularTargetRefused_data();
    void nonRegularTargetRefused();
    void failedWriteLeavesNoTemporary_data();
    void failedWriteLeavesNoTemporary();
    void killedSaveLeavesNothing_data();
    void killedSaveLeavesNothing();
    void manySmallWritesFewSystemCalls();
    void rewriteInPlaceWhereFolderTakesNoFile_data();
    void rewriteInPlaceWhereFolderTakesNoFile();
};

// Two saves into one folder at the same time each write a file of their own:
// the target is always one of the two complete contents, never a mix.
void TestAtomicFile::parallelSavesNeverMix()
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("ziel.szs"));
    // Larger than one output block, so that each save takes several writes.
    const QByteArray first = pattern('a', 600 * 1024);
    const QByteArray second = pattern('b', 700 * 1024);
    testfiles::write(target, first);

    std::atomic<int> running{2};
    std::atomic<int> failures{0};
    auto saver = [&](const QByteArray &content) {
        for (int round = 0; round < 25; ++round) {
            if (!writeFileAtomically(target, writing(content)))
                ++failures;
        }
        --running;
    };
    std::thread one(saver, first);
    std::thread two(saver, second);
    int mixed = 0;
    int reads = 0;
    while (running > 0 || reads == 0) {
        const QByteArray seen = testfiles::read(target);
        if (seen != first && seen != second)
            ++mixed;
        ++reads;
    }
    one.join();
    two.join();

    QCOMPARE(failures.load(), 0);
    QCOMPARE(mixed, 0);
    const QByteArray last = testfiles::read(target);
    QVERIFY(last == first || last == second);
    QCOMPARE(entries(dir.path()), QStringList{"ziel.szs"});
}

// Whatever the user keeps beside the target under the name older versions
// used for their temporary file stays exactly as it was, and no link there is
// followed.
void TestAtomicFile::filesBesideTargetUntouched_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("user's file") << "file";
    QTest::newRow("link to a file elsewhere") << "link";
    QTest::newRow("link to no file") << "dangling";
    QTest::newRow("folder") << "folder";
}

void TestAtomicFile::filesBesideTargetUntouched()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QTemporaryDir elsewhere;
    const QString folder = dir.filePath(QStringLiteral("szenarien"));
    const QString target = folder + QStringLiteral("/ziel.szs");
    const QString beside = folder + QStringLiteral("/temp.file");
    const QString outside = elsewhere.filePath(QStringLiteral("fremd.dat"));
    testfiles::write(target, "alt");
    if (kind == QLatin1String("file")) {
        testfiles::write(beside, "meins");
    } else if (kind == QLatin1String("folder")) {
        testfiles::write(beside + QStringLiteral("/inhalt"), "meins");
    } else {
        if (kind == QLatin1String("link"))
            testfiles::write(outside, "draussen");
        QVERIFY(QFile::link(outside, beside));
    }

    const Result<void> saved = writeFileAtomically(target, writing("neu"));
    QVERIFY2(saved, qPrintable(saved.error()));
    QCOMPARE(testfiles::read(target), QByteArray("neu"));
    QCOMPARE(entries(folder), (QStringList{"temp.file", "ziel.szs"}));
    if (kind == QLatin1String("file")) {
        QCOMPARE(testfiles::read(beside), QByteArray("meins"));
    } else if (kind == QLatin1String("folder")) {
        QCOMPARE(testfiles::read(beside + QStringLiteral("/inhalt")), QByteArray("meins"));
    } else {
        QVERIFY(QFileInfo(beside).isSymLink());
        QCOMPARE(entries(elsewhere.path()),
                 kind == QLatin1String("link") ? QStringList{"fremd.dat"} : QStringList());
        if (kind == QLatin1String("link"))
            QCOMPARE(testfiles::read(outside), QByteArray("draussen"));
    }
}

// While the first byte goes out, the temporary file already has the mode the
// finished file will have: the replaced file's, or for a new file the
// default that the umask leaves. A private scenario is never readable by
// others, not even while it is written.
void TestAtomicFile::temporaryHasFinalModeBeforeFirstByte_data()
{
    QTest::addColumn<int>("oldMode"); // -1: no file yet
    QTest::addColumn<int>("umask");
    QTest::addColumn<int>("expected");
    QTest::newRow("private file") << 0600 << 022 << 0600;
    QTest::newRow("group may read") << 0640 << 022 << 0640;
    QTest::newRow("others may read, group not") << 0604 << 077 << 0604;
    QTest::newRow("everybody writes, strict umask") << 0666 << 077 << 0666;
    QTest::newRow("new file, usual umask") << -1 << 022 << 0644;
    QTest::newRow("new file, strict umask") << -1 << 077 << 0600;
    QTest::newRow("new file, group umask") << -1 << 002 << 0664;
}

void TestAtomicFile::temporaryHasFinalModeBeforeFirstByte()
{
    QFETCH(int, oldMode);
    QFETCH(int, umask);
    QFETCH(int, expected);
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("ziel.szs"));
    if (oldMode >= 0) {
        testfiles::write(target, "alt");
        QCOMPARE(::chmod(encoded(target).constData(), mode_t(oldMode)), 0);
    }

    const QStringList before = entries(dir.path());
    QStringList whileWriting;
    FileBeingWritten written;
    const Umask mask{mode_t(umask)};
    const Result<void> saved = writeFileAtomically(target, [&](QIODevice &out) {
        whileWriting = entries(dir.path());
        written = fileBeingWritten();
        return out.write("neu") == 3;
    });

    QVERIFY(saved);
    QCOMPARE(whileWriting, before); // the file being written has no name
    QCOMPARE(written.folder, dir.path());
    QCOMPARE(qint64(written.st.st_size), 0);
    QCOMPARE(int(written.st.st_mode & 07777), expected);
    QCOMPARE(modeOf(target), expected);
    QCOMPARE(testfiles::read(target), QByteArray("neu"));
}

// A save replaces the file with one of the same owner, group and mode, also
// when root saves a user's file. Owner and group are in place before the
// first byte, like the mode.
void TestAtomicFile::ownerGroupAndModeKept_data()
{
    QTest::addColumn<uint>("uid");
    QTest::addColumn<uint>("gid");
    QTest::addColumn<int>("mode");
    QTest::newRow("own file") << uint(::geteuid()) << uint(::getegid()) << 0640;
    QTest::newRow("user's file saved by root") << uint(OtherUser) << uint(OtherGroup) << 0640;
    QTest::newRow("root's file of the user's group") << 0u << uint(OtherGroup) << 0660;
    QTest::newRow("user's file of root's group") << uint(OtherUser) << 0u << 0600;
    QTest::newRow("set-group-id bit") << uint(OtherUser) << uint(OtherGroup) << 02664;
}

void TestAtomicFile::ownerGroupAndModeKept()
{
    QFETCH(uint, uid);
    QFETCH(uint, gid);
    QFETCH(int, mode);
    if ((uid != ::geteuid() || gid != ::getegid()) && !testusers::runningAsRoot())
        QSKIP("only root can give files to other users");
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("ziel.szs"));
    testfiles::write(target, "alt");
    QCOMPARE(::chown(encoded(target).constData(), uid, gid), 0);
    QCOMPARE(::chmod(encoded(target).constData(), mode_t(mode)), 0);

    struct stat early {};
    const Result<void> saved = writeFileAtomically(target, [&](QIODevice &out) {
        early = fileBeingWritten().st;
        return out.write("neu") == 3;
    });

    QVERIFY(saved);
    QCOMPARE(uint(early.st_uid), uid);
    QCOMPARE(uint(early.st_gid), gid);
    QCOMPARE(int(early.st_mode & 07777), mode);
    const struct stat after = statOf(target);
    QCOMPARE(uint(after.st_uid), uid);
    QCOMPARE(uint(after.st_gid), gid);
    QCOMPARE(int(after.st_mode & 07777), mode);
    QCOMPARE(testfiles::read(target), QByteArray("neu"));
}

// A file that may not be written is not replaced, though the folder would
// take a new file: one without any write permission (for root too), and for
// another user a file that is not theirs. The file stays as it was and the
// reason tells why.
void TestAtomicFile::unwritableTargetRefused_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("asOtherUser");
    QTest::addColumn<bool>("ownedByWriter");
    QTest::addColumn<QString>("reason");
    const QString readOnly = msg::targetReadOnly();
    QTest::newRow("0444") << 0444 << false << true << readOnly;
    QTest::newRow("0400") << 0400 << false << true << readOnly;
    QTest::newRow("0555") << 0555 << false << true << readOnly;
    QTest::newRow("0000") << 0000 << false << true << readOnly;
    QTest::newRow("0444, another user") << 0444 << true << true << readOnly;
    QTest::newRow("root's file, another user") << 0644 << true << false << systemText(EACCES);
}

void TestAtomicFile::unwritableTargetRefused()
{
    QFETCH(int, mode);
    QFETCH(bool, asOtherUser);
    QFETCH(bool, ownedByWriter);
    QFETCH(QString, reason);
    if (asOtherUser && !testusers::runningAsRoot())
        QSKIP("acting as another user needs root");
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("ziel.szs"));
    testfiles::write(target, "alt");
    QCOMPARE(::chmod(encoded(target).constData(), mode_t(mode)), 0);
    if (asOtherUser) {
        QVERIFY(testusers::giveToOtherUser(dir.path()));
        if (ownedByWriter)
            QVERIFY(testusers::giveToOtherUser(target));
    }

    bool called = false;
    QString error;
    bool saved = true;
    {
        std::optional<ActingAs> other;
        if (asOtherUser) {
            other.emplace(OtherUser, OtherGroup);
            QVERIFY(other->active());
        }
        saved = saveNew(target, called, error);
    }

    QVERIFY(!saved);
    QVERIFY(!called);
    QCOMPARE(error, reason);
    QCOMPARE(modeOf(target), mode);
    QCOMPARE(entries(dir.path()), QStringList{"ziel.szs"});
    QCOMPARE(::chmod(encoded(target).constData(), 0600), 0); // to read it back
    QCOMPARE(testfiles::read(target), QByteArray("alt"));
}

// Saving through a symbolic link replaces the file at the end of the chain
// and leaves the link a link; the temporary file lives beside the real file.
void TestAtomicFile::symlinkStaysLink_data()
{
    QTest::addColumn<QString>("link"); // inside the test folder
    QTest::addColumn<QString>("linkText");
    QTest::addColumn<bool>("viaSecondLink"); // linkText names "zwischen.szs"
    QTest::addColumn<bool>("exists");
    QTest::newRow("relative link") << "verweis.szs"
                                   << "echt/ziel.szs" << false << true;
    QTest::newRow("link out of its folder") << "verweise/verweis.szs"
                                            << "../echt/ziel.szs" << false << true;
    QTest::newRow("absolute link") << "verweis.szs"
                                   << "" << false << true;
    QTest::newRow("chain of two links") << "verweis.szs"
                                        << "zwischen.szs" << true << true;
    QTest::newRow("link to a file not yet there") << "verweis.szs"
                                                  << "echt/ziel.szs" << false << false;
}

void TestAtomicFile::symlinkStaysLink()
{
    QFETCH(QString, link);
    QFETCH(QString, linkText);
    QFETCH(bool, viaSecondLink);
    QFETCH(bool, exists);
    QTemporaryDir dir;
    const QString real = dir.filePath(QStringLiteral("echt/ziel.szs"));
    const QString realFolder = QFileInfo(real).absolutePath();
    QVERIFY(QDir().mkpath(realFolder));
    if (exists) {
        testfiles::write(real, "alt");
        QCOMPARE(::chmod(encoded(real).constData(), 0640), 0);
    }
    const QString linkPath = dir.filePath(link);
    QVERIFY(QDir().mkpath(QFileInfo(linkPath).absolutePath()));
    if (linkText.isEmpty())
        linkText = real;
    QCOMPARE(::symlink(encoded(linkText).constData(), encoded(linkPath).constData()), 0);
    const QString second = dir.filePath(QStringLiteral("zwischen.szs"));
    if (viaSecondLink)
        QCOMPARE(::symlink("echt/ziel.szs", encoded(second).constData()), 0);
    const QStringList linkFolderBefore = entries(QFileInfo(linkPath).absolutePath());

    QString writtenIn;
    const Result<void> saved = writeFileAtomically(linkPath, [&](QIODevice &out) {
        writtenIn = fileBeingWritten().folder;
        return out.write("neu") == 3;
    });

    QVERIFY(saved);
    QVERIFY(QFileInfo(linkPath).isSymLink());
    QCOMPARE(linkTextOf(linkPath), linkText);
    if (viaSecondLink)
        QCOMPARE(linkTextOf(second), QStringLiteral("echt/ziel.szs"));
    QCOMPARE(testfiles::read(real), QByteArray("neu"));
    if (exists)
        QCOMPARE(modeOf(real), 0640);
    QCOMPARE(writtenIn, realFolder); // the temporary file was there
    QCOMPARE(entries(realFolder), QStringList{"ziel.szs"});
    QCOMPARE(entries(QFileInfo(linkPath).absolutePath()), linkFolderBefore);
}

// A target that exists but is no regular file is never replaced: a folder, a
// device, a named pipe, links that go round in a loop or end at a folder.
void TestAtomicFile::nonRegularTargetRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("folder") << "folder" << msg::targetNotRegularFile();
    QTest::newRow("named pipe") << "fifo" << msg::targetNotRegularFile();
    QTest::newRow("device node") << "device" << msg::targetNotRegularFile();
    QTest::newRow("link to a folder") << "linkfolder" << msg::targetNotRegularFile();
    QTest::newRow("link to itself") << "selflink" << systemText(ELOOP);
    QTest::newRow("loop of two links") << "loop" << systemText(ELOOP);
}

void TestAtomicFile::nonRegularTargetRefused()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("ziel.szs"));
    const QByteArray name = encoded(target);
    if (kind == QLatin1String("folder")) {
        testfiles::write(target + QStringLiteral("/inhalt"), "x");
    } else if (kind == QLatin1String("fifo")) {
        QCOMPARE(::mkfifo(name.constData(), 0644), 0);
    } else if (kind == QLatin1String("device")) {
        // The null device's numbers, in the test's own folder.
        if (::mknod(name.constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
            QSKIP("this user cannot create device nodes");
    } else if (kind == QLatin1String("linkfolder")) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("ordner")));
        QCOMPARE(::symlink("ordner", name.constData()), 0);
    } else if (kind == QLatin1String("selflink")) {
        QCOMPARE(::symlink("ziel.szs", name.constData()), 0);
    } else {
        QCOMPARE(::symlink("anderes.szs", name.constData()), 0);
        QCOMPARE(::symlink("ziel.szs", encoded(dir.filePath("anderes.szs")).constData()), 0);
    }
    const QStringList before = entries(dir.path());
    const mode_t type = statOf(target).st_mode & S_IFMT;

    bool called = false;
    QString error;
    const bool saved = saveNew(target, called, error);

    QVERIFY(!saved);
    QVERIFY(!called);
    QCOMPARE(error, reason);
    QCOMPARE(entries(dir.path()), before);
    QCOMPARE(statOf(target).st_mode & S_IFMT, type);
    if (kind == QLatin1String("folder"))
        QCOMPARE(testfiles::read(target + QStringLiteral("/inhalt")), QByteArray("x"));
}

// However a save fails, no temporary file remains, the target keeps its old
// content (or stays absent), and the reason names the failure.
void TestAtomicFile::failedWriteLeavesNoTemporary_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<bool>("targetExists");
    QTest::addColumn<QString>("reason");
    QTest::newRow("writer gives up at once") << "refuse" << true << msg::writeIncomplete();
    QTest::newRow("writer gives up after a megabyte")
        << "refuseLate" << true << msg::writeIncomplete();
    QTest::newRow("writer throws") << "throw" << true << QString();
    QTest::newRow("disk full, old file") << "limit" << true << systemText(EFBIG);
    QTest::newRow("disk full, new file") << "limit" << false << systemText(EFBIG);
    QTest::newRow("writer ignores a failed write") << "ignore" << true << systemText(EFBIG);
    QTest::newRow("folder missing") << "nofolder" << false << systemText(ENOENT);
}

void TestAtomicFile::failedWriteLeavesNoTemporary()
{
    QFETCH(QString, failure);
    QFETCH(bool, targetExists);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString target = failure == QLatin1String("nofolder")
                               ? dir.filePath(QStringLiteral("fehlt/ziel.szs"))
                               : dir.filePath(QStringLiteral("ziel.szs"));
    if (targetExists)
        testfiles::write(target, "alt");
    const QStringList before = entries(dir.path());
    const QByteArray big = pattern('x', 1024 * 1024);

    Result<void> saved;
    if (failure == QLatin1String("throw")) {
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, static_cast<void>(writeFileAtomically(
                                                         target, [](QIODevice &) -> bool {
                                                             throw std::runtime_error("kaputt");
                                                         })));
        saved = Failure{};
    } else if (failure == QLatin1String("refuse")) {
        saved = writeFileAtomically(target, [](QIODevice &) { return false; });
    } else if (failure == QLatin1String("refuseLate")) {
        saved = writeFileAtomically(target, [&big](QIODevice &out) { return out.write(big) < 0; });
    } else {
        const FileSizeLimit limit(100 * 1000);
        const bool ignore = failure == QLatin1String("ignore");
        saved = writeFileAtomically(target, [&](QIODevice &out) {
            for (int i = 0; i < 200; ++i)
                out.write(big.constData(), 1000);
            return ignore || out.write(big) == big.size();
        });
    }

    QVERIFY(!saved);
    QCOMPARE(saved.error(), reason);
    QCOMPARE(entries(dir.path()), before);
    if (targetExists)
        QCOMPARE(testfiles::read(target), QByteArray("alt"));
    else
        QVERIFY(!QFileInfo::exists(target));
}

// A scenario of many small records is handed to the system in large blocks,
// and pieces of every size arrive in their order, across block boundaries.
// A save killed while it writes (kill -9, a crash, a power cut before the
// rename) leaves the folder as it was: the file it was writing has no name
// yet, so nothing of it stays behind, and the target is the old one.
void TestAtomicFile::killedSaveLeavesNothing_data()
{
    QTest::addColumn<bool>("targetExists");
    QTest::addColumn<qsizetype>("written"); // bytes handed over before the kill
    QTest::newRow("new file, nothing written yet") << false << qsizetype(0);
    QTest::newRow("new file, several blocks written") << false << qsizetype(3 * 1024 * 1024);
    QTest::newRow("existing file, a little written") << true << qsizetype(100);
    QTest::newRow("existing file, several blocks written") << true << qsizetype(3 * 1024 * 1024);
}

void TestAtomicFile::killedSaveLeavesNothing()
{
    QFETCH(bool, targetExists);
    QFETCH(qsizetype, written);
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("ziel.szs"));
    if (targetExists)
        testfiles::write(target, "alt");
    const QStringList before = entries(dir.path());
    const QByteArray content = pattern('n', written);

    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        static_cast<void>(writeFileAtomically(target, [&content](QIODevice &out) {
            out.write(content);
            ::raise(SIGKILL);
            return true;
        }));
        ::_exit(0); // not reached when the kill works
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    QCOMPARE(entries(dir.path()), before);
    if (targetExists)
        QCOMPARE(testfiles::read(target), QByteArray("alt"));
}

void TestAtomicFile::manySmallWritesFewSystemCalls()
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("ziel.szs"));
    QByteArray expected;
    expected.reserve(5 * 1024 * 1024);
    const QByteArray big = pattern('g', 700 * 1024);

    const qint64 callsBefore = writeCalls();
    const Result<void> saved = writeFileAtomically(target, [&](QIODevice &out) {
        bool ok = true;
        for (int i = 0; i < 1000000; ++i) {
            const char record[4] = {char(i), char(i >> 8), char(i >> 16), 'r'};
            ok = ok && out.write(record, 4) == 4;
            expected.append(record, 4);
            if (i % 250000 == 7) { // a large piece in the middle of a block
                ok = ok && out.write(big) == big.size();
                expected.append(big);
            }
        }
        return ok;
    });
    const qint64 calls = writeCalls() - callsBefore;

    QVERIFY(saved);
    QCOMPARE(testfiles::read(target), expected);
    if (callsBefore < 0)
        QSKIP("the system does not count write calls");
    QVERIFY2(calls < 100, qPrintable(QString::number(calls)));
}

// The game's text file lies in a folder the user may not own. Where that
// folder takes no new file but the file itself is writable, the file is
// rewritten in place; a write that fails there puts the old bytes back.
void TestAtomicFile::rewriteInPlaceWhereFolderTakesNoFile_data()
{
    QTest::addColumn<bool>("folderWritable");
    QTest::addColumn<bool>("fails");
    QTest::newRow("writable folder: replaced") << true << false;
    QTest::newRow("read-only folder: in place") << false << false;
    QTest::newRow("read-only folder, disk full: old bytes back") << false << true;
}

void TestAtomicFile::rewriteInPlaceWhereFolderTakesNoFile()
{
    QFETCH(bool, folderWritable);
    QFETCH(bool, fails);
    const bool root = testusers::runningAsRoot();
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("spiel"));
    const QString path = folder + QStringLiteral("/Text.cod");
    const QByteArray old = pattern('o', 50 * 1000);
    const QByteArray content = pattern('n', fails ? 200 * 1000 : 30 * 1000);
    testfiles::write(path, old);
    if (root) {
        // Root may create files in any folder; another user may not.
        QVERIFY(testusers::giveToOtherUser(dir.path()));
        QVERIFY(testusers::giveToOtherUser(folder));
        QVERIFY(testusers::giveToOtherUser(path));
    }
    const ino_t inode = statOf(path).st_ino;
    if (!folderWritable)
        QCOMPARE(::chmod(encoded(folder).constData(), 0555), 0);

    Result<void> stored = Failure{QStringLiteral("not run")};
    {
        std::optional<ActingAs> other;
        if (root) {
            other.emplace(OtherUser, OtherGroup);
            QVERIFY(other->active());
        }
        std::optional<FileSizeLimit> limit;
        if (fails)
            limit.emplace(100 * 1000);
        stored = rewriteFile(path, content);
    }
    ::chmod(encoded(folder).constData(), 0755);
    const QString error = stored.error();

    QCOMPARE(stored.ok(), !fails);
    QCOMPARE(testfiles::read(path), fails ? old : content);
    QCOMPARE(statOf(path).st_ino == inode, !folderWritable);
    QCOMPARE(entries(folder), QStringList{"Text.cod"});
    if (fails)
        QCOMPARE(error, systemText(EFBIG));
}

QTEST_GUILESS_MAIN(TestAtomicFile)
#include "tst_atomicfile.moc"
