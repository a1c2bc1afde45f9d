#include "core/common/wholefile.h"

#include "core/common/messages.h"

#include <QFile>
#include <QFileInfo>

#ifndef Q_OS_WIN
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

std::optional<QByteArray> refuse(QString *why, const QString &text)
{
    if (why)
        *why = text;
    return std::nullopt;
}

// Reads in pieces up to one byte past the limit, so a file that grew after
// its size was looked at is still refused instead of read without end.
std::optional<QByteArray> readUpTo(QFile &file, const QString &path, qint64 expected,
                                   qint64 maxBytes, QString *why)
{
    QByteArray bytes;
    bytes.reserve(qsizetype(qMin(expected, maxBytes)));
    char piece[64 * 1024];
    for (;;) {
        const qint64 n = file.read(piece, sizeof piece);
        if (n < 0)
            return refuse(why, msg::fileUnreadable(path, file.errorString()));
        if (n == 0)
            return bytes;
        if (bytes.size() + n > maxBytes)
            return refuse(why, msg::fileTooLarge(path, maxBytes));
        bytes.append(piece, qsizetype(n));
    }
}

} // namespace

std::optional<QByteArray> ReadWholeFile(const QString &path, qint64 maxBytes, QString *why,
                                        bool *missing)
{
    if (missing)
        *missing = false;
    auto notFound = [&] {
        if (missing)
            *missing = true;
        return refuse(why, msg::fileNotFound(path));
    };
#ifdef Q_OS_WIN
    const QFileInfo info(path);
    if (!info.exists())
        return notFound();
    if (!info.isFile())
        return refuse(why, msg::notARegularFile(path));
    if (info.size() > maxBytes)
        return refuse(why, msg::fileTooLarge(path, maxBytes));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(why, msg::fileUnreadable(path, file.errorString()));
    return readUpTo(file, path, info.size(), maxBytes, why);
#else
    // By hand rather than through QFile::open: the kind of file must be
    // checked on the opened file itself (a check of the path before opening
    // could be raced), and opening a FIFO without O_NONBLOCK already waits
    // for a writer. On a regular file O_NONBLOCK changes nothing.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR)
            return notFound();
        return refuse(why, msg::fileUnreadable(path, qt_error_string(error)));
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return refuse(why, msg::notARegularFile(path));
    }
    if (st.st_size > maxBytes) {
        ::close(fd);
        return refuse(why, msg::fileTooLarge(path, maxBytes));
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return refuse(why, msg::fileUnreadable(path, file.errorString()));
    }
    return readUpTo(file, path, qint64(st.st_size), maxBytes, why);
#endif
}
