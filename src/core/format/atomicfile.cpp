#include "core/format/atomicfile.h"

#include "core/common/messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <QRandomGenerator>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>
#else
#include <QSaveFile>
#endif

#ifdef Q_OS_UNIX

// Written by hand over the POSIX calls rather than with QSaveFile, which
// leaves too much of what a save must guarantee to chance: it replaces a
// read-only file when running as root (its writability test is access(),
// which root always passes), replaces a loop of links or a device node with
// a regular file, gives the new file our own owner and group, and loses the
// system's reason when a full disk takes only part of a write.

namespace {

// Linux gives up after 40 links; a longer chain is treated as a loop.
constexpr int kMaxLinks = 40;
// A write that stored no byte at all without an error from the system.
constexpr int kIncompleteWrite = -1;

QString reasonOf(int code)
{
    if (code == kIncompleteWrite)
        return msg::writeIncomplete();
    const std::string text = std::system_category().message(code);
    return QString::fromLocal8Bit(text.data(), qsizetype(text.size()));
}

bool fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArray("/") : path.left(slash);
}

// Writes all of `data`, at `offset` or, when it is negative, at the file's
// position. A full disk can store part of a write without an error; the rest
// is then tried again, and that attempt brings the system's reason.
// 0 when everything arrived, else the reason's code.
int writeAll(int fd, const char *data, qint64 size, qint64 offset = -1)
{
    while (size > 0) {
        const size_t piece = size_t(qMin<qint64>(size, qint64(1) << 30));
        const ssize_t n = offset < 0 ? ::write(fd, data, piece) : ::pwrite(fd, data, piece, offset);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return kIncompleteWrite;
        data += n;
        size -= n;
        if (offset >= 0)
            offset += n;
    }
    return 0;
}

// The temporary file as a device. Writers hand over many small pieces (a
// scenario is thousands of records of a few bytes); they are collected and
// handed to the system one large block at a time.
class FileOutput final : public QIODevice {
public:
    static constexpr qint64 BlockSize = 256 * 1024;

    explicit FileOutput(int fd) : fd_(fd), block_(std::make_unique<char[]>(BlockSize))
    {
        QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

    bool isSequential() const override { return true; }

    // Hands the rest of the block to the system; false when any write failed.
    bool finish() { return flushBlock(); }
    bool failed() const { return failure_ != 0; }
    QString reason() const { return reasonOf(failure_); }

protected:
    qint64 readData(char *, qint64) override { return -1; }

    qint64 writeData(const char *data, qint64 size) override
    {
        if (failed() || (used_ + size > BlockSize && !flushBlock()))
            return -1;
        if (size >= BlockSize)
            return writeOut(data, size) ? size : -1;
        std::memcpy(block_.get() + used_, data, size_t(size));
        used_ += size;
        return size;
    }

private:
    bool flushBlock()
    {
        const qint64 used = std::exchange(used_, 0);
        return !failed() && writeOut(block_.get(), used);
    }

    bool writeOut(const char *data, qint64 size)
    {
        failure_ = writeAll(fd_, data, size);
        if (failed())
            setErrorString(reason());
        return !failed();
    }

    int fd_;
    std::unique_ptr<char[]> block_;
    qint64 used_ = 0;
    int failure_ = 0;
};

// The temporary file from its creation on: closed and, once it has a name,
// removed again unless it was renamed over the target.
class TemporaryFile {
public:
    TemporaryFile(int fd, QByteArray path) : fd_(fd), path_(std::move(path)) {}
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;
    ~TemporaryFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (!renamed_ && !path_.isEmpty())
            ::unlink(path_.constData());
    }

    int fd() const { return fd_; }
    // Empty while the file has no name.
    const QByteArray &path() const { return path_; }
    void named(QByteArray path) { path_ = std::move(path); }

    // 0 or the reason's code.
    int close()
    {
        const int result = ::close(std::exchange(fd_, -1));
        return result == 0 ? 0 : errno;
    }
    void markRenamed() { renamed_ = true; }

private:
    int fd_;
    QByteArray path_;
    bool renamed_ = false;
};

// A fresh name for a temporary file in `folder`.
QByteArray temporaryName(const QByteArray &folder)
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QByteArray name = folder + (folder.endsWith('/') ? "" : "/") + ".marbolt-";
    for (int i = 0; i < 12; ++i)
        name += letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)];
    return name + ".tmp";
}

// Creates a file of a new name in `folder` that nobody else can have opened:
// O_EXCL refuses every existing entry, a symbolic link included, so a file
// of the user's or a planted link at that name is never touched.
int createTemporary(const QByteArray &folder, mode_t mode, QByteArray *path)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray name = temporaryName(folder);
        const int fd =
            ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0) {
            *path = name;
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    errno = EEXIST;
    return -1;
}

#ifdef O_TMPFILE
// A file without a name in `folder`: nothing of it remains when the program
// is killed while writing. -1 with errno set where the system or the file
// system has no such files (EOPNOTSUPP, EISDIR from kernels that do not know
// the flag, EINVAL) or for any other failure.
int createUnnamed(const QByteArray &folder, mode_t mode)
{
    return ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
}

bool unnamedUnsupported(int code)
{
    return code == EOPNOTSUPP || code == EISDIR || code == EINVAL;
}

// Gives the unnamed file a fresh name of its own in `folder`, the last step
// before the rename. 0 or the reason's code.
int nameUnnamed(int fd, const QByteArray &folder, QByteArray *path)
{
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray name = temporaryName(folder);
        if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW) ==
            0) {
            *path = name;
            return 0;
        }
        if (errno != EEXIST)
            return errno;
    }
    return EEXIST;
}
#endif

// Makes the rename itself durable; a failure here does not undo the save.
void syncFolder(const QByteArray &folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// The file a write replaces and what it was before.
struct Target {
    QByteArray path;
    bool exists = false;
    struct stat old {};
};

QByteArray resolveLinks(const QString &target)
{
    // Not QFileInfo::absoluteFilePath: it cleans ".." out of the path, which
    // after a linked folder would name another file than the system does.
    QByteArray path = QFile::encodeName(
        QDir::isAbsolutePath(target) ? target : QDir::currentPath() + QLatin1Char('/') + target);
    // Followed by hand so that a link to a file not yet existing is followed
    // as well, and a loop ends at the bound.
    for (int hops = 0; hops <= kMaxLinks; ++hops) {
        struct stat st {};
        if (::lstat(path.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        QByteArray link(PATH_MAX, Qt::Uninitialized);
        const ssize_t n = ::readlink(path.constData(), link.data(), size_t(link.size()));
        if (n < 0 || n >= link.size())
            return {};
        link.truncate(n);
        path = link.startsWith('/') ? link : folderOf(path) + '/' + link;
    }
    return {};
}

// Finds the file a write replaces and refuses what must not be replaced.
bool inspect(const QString &requested, Target *target, QString *error)
{
    target->path = resolveLinks(requested);
    if (target->path.isEmpty())
        return fail(error, reasonOf(ELOOP));
    if (::lstat(target->path.constData(), &target->old) != 0) {
        if (errno == ENOENT)
            return true; // a new file; a missing folder fails at creation
        return fail(error, reasonOf(errno));
    }
    target->exists = true;
    if (!S_ISREG(target->old.st_mode))
        return fail(error, msg::targetNotRegularFile());
    // Root passes every permission test of the system, so a file that nobody
    // may write is refused here for root too.
    if ((target->old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return fail(error, msg::targetReadOnly());
    if (::faccessat(AT_FDCWD, target->path.constData(), W_OK, AT_EACCESS) != 0)
        return fail(error, reasonOf(errno));
    return true;
}

// Gives the new file the old one's owner, group and mode. Owner and group
// only where the system lets us (root, or a group we belong to); otherwise
// the new file is ours, as with every program that saves by replacing.
bool takeOver(int fd, const struct stat &old, QString *error)
{
    if (::fchown(fd, old.st_uid, old.st_gid) != 0 && ::fchown(fd, uid_t(-1), old.st_gid) != 0) {
        // Keeps our own owner and group.
    }
    // After fchown, which clears the set-user and set-group bits.
    if (::fchmod(fd, old.st_mode & 07777) != 0)
        return fail(error, reasonOf(errno));
    return true;
}

// `folderRefused` tells whether the folder took no new file for lack of
// permission, while nothing was written yet.
bool replaceThroughTemporary(const Target &target, const FileWriteFunction &write, QString *error,
                             bool *folderRefused)
{
    const QByteArray folder = folderOf(target.path);
    QByteArray tempPath;
    // An existing file's mode is set right after creation, before anything is
    // written; until then the file is ours alone. A new file gets the umask
    // default from the system at creation.
    const mode_t mode = target.exists ? 0600 : 0666;
    // Unnamed while it is written where the file system allows it, so that
    // a save killed half way leaves nothing behind; elsewhere a hidden file
    // of its own name.
    int fd = -1;
#ifdef O_TMPFILE
    fd = createUnnamed(folder, mode);
    if (fd < 0 && unnamedUnsupported(errno))
        fd = createTemporary(folder, mode, &tempPath);
#else
    fd = createTemporary(folder, mode, &tempPath);
#endif
    if (fd < 0) {
        const int code = errno;
        if (folderRefused)
            *folderRefused = code == EACCES || code == EPERM;
        return fail(error, reasonOf(code));
    }
    TemporaryFile temp(fd, tempPath);
    if (target.exists && !takeOver(fd, target.old, error))
        return false;

    FileOutput out(fd);
    const bool written = write(out);
    if (!out.finish() || !written)
        return fail(error, out.failed() ? out.reason() : msg::writeIncomplete());
    if (::fsync(fd) != 0)
        return fail(error, reasonOf(errno));
#ifdef O_TMPFILE
    if (temp.path().isEmpty()) {
        if (const int code = nameUnnamed(fd, folder, &tempPath); code != 0)
            return fail(error, reasonOf(code));
        temp.named(tempPath);
    }
#endif
    if (const int code = temp.close(); code != 0)
        return fail(error, reasonOf(code));
    if (::rename(tempPath.constData(), target.path.constData()) != 0)
        return fail(error, reasonOf(errno));
    temp.markRenamed();
    syncFolder(folder);
    return true;
}

// Rewrites an existing file in its place. The old content is read in full
// first, so that a failed write can put it back.
bool rewriteInPlace(const Target &target, const QByteArray &content, QString *error)
{
    const int fd = ::open(target.path.constData(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return fail(error, reasonOf(errno));
    const struct ClosedAtEnd {
        int fd;
        ~ClosedAtEnd() { ::close(fd); }
    } closer{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return fail(error, reasonOf(errno));
    if (!S_ISREG(st.st_mode))
        return fail(error, msg::targetNotRegularFile());

    QByteArray old;
    char piece[64 * 1024];
    for (;;) {
        const ssize_t n = ::read(fd, piece, sizeof piece);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return fail(error, reasonOf(errno));
        if (n == 0)
            break;
        old.append(piece, n);
    }

    auto replaceBy = [fd](const QByteArray &bytes) {
        if (const int code = writeAll(fd, bytes.constData(), bytes.size(), 0); code != 0)
            return code;
        if (::ftruncate(fd, bytes.size()) != 0 || ::fsync(fd) != 0)
            return errno;
        return 0;
    };
    if (const int code = replaceBy(content); code != 0) {
        const QString reason = reasonOf(code);
        if (replaceBy(old) != 0)
            return fail(error, reason + QLatin1Char('\n') + msg::oldContentNotRestored());
        return fail(error, reason);
    }
    return true;
}

} // namespace

QString resolveSaveTarget(const QString &target)
{
    return QFile::decodeName(resolveLinks(target));
}

Result<void> writeFileAtomically(const QString &target, const FileWriteFunction &write)
{
    Target resolved;
    QString error;
    if (inspect(target, &resolved, &error) &&
        replaceThroughTemporary(resolved, write, &error, nullptr))
        return {};
    return Failure{error};
}

Result<void> rewriteFile(const QString &target, const QByteArray &content)
{
    Target resolved;
    QString error;
    if (!inspect(target, &resolved, &error))
        return Failure{error};
    bool folderRefused = false;
    const auto write = [&content](QIODevice &out) { return out.write(content) == content.size(); };
    if (replaceThroughTemporary(resolved, write, &error, &folderRefused))
        return {};
    if (folderRefused && resolved.exists && rewriteInPlace(resolved, content, &error))
        return {};
    return Failure{error};
}

#else

// Elsewhere QSaveFile gives the atomic replace; the rules on owners, modes
// and links above are those of POSIX systems.

QString resolveSaveTarget(const QString &target)
{
    return QFileInfo(target).absoluteFilePath();
}

Result<void> writeFileAtomically(const QString &target, const FileWriteFunction &write)
{
    QSaveFile file(target);
    const auto fail = [&file](const QString &reason) {
        file.cancelWriting();
        return Failure{reason};
    };
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    if (!write(file) || !file.flush())
        return fail(file.error() != QFileDevice::NoError ? file.errorString()
                                                         : msg::writeIncomplete());
    if (!file.commit())
        return fail(file.errorString());
    return {};
}

Result<void> rewriteFile(const QString &target, const QByteArray &content)
{
    return writeFileAtomically(
        target, [&content](QIODevice &out) { return out.write(content) == content.size(); });
}

#endif
