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

// Why a file was not read, before it is put into words.
struct Refusal {
    enum Kind { None, Missing, NotRegular, TooLarge, Unreadable } kind = None;
    QString systemReason;
};

std::optional<QByteArray> readRegular(const QString &path, qint64 maxBytes, Refusal &refusal)
{
    auto refuse = [&refusal](Refusal::Kind kind, const QString &reason = QString()) {
        refusal = Refusal{kind, reason};
        return std::optional<QByteArray>();
    };
#ifdef Q_OS_WIN
    const QFileInfo info(path);
    if (!info.exists()) {
        QFile probe(path);
        probe.open(QIODevice::ReadOnly); // only for the system's words
        return refuse(Refusal::Missing, probe.errorString());
    }
    if (!info.isFile())
        return refuse(Refusal::NotRegular);
    if (info.size() > maxBytes)
        return refuse(Refusal::TooLarge);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(Refusal::Unreadable, file.errorString());
    const qint64 expected = info.size();
#else
    // By hand rather than through QFile::open: the kind of file must be
    // checked on the opened file itself (a check of the path before opening
    // could be raced), and opening a FIFO without O_NONBLOCK already waits
    // for a writer. On a regular file O_NONBLOCK changes nothing.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        return refuse(error == ENOENT || error == ENOTDIR ? Refusal::Missing : Refusal::Unreadable,
                      qt_error_string(error));
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return refuse(Refusal::NotRegular);
    }
    if (st.st_size > maxBytes) {
        ::close(fd);
        return refuse(Refusal::TooLarge);
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return refuse(Refusal::Unreadable, file.errorString());
    }
    const qint64 expected = qint64(st.st_size);
#endif
    // Reads in pieces up to one byte past the limit, so a file that grew
    // after its size was looked at is still refused instead of read without
    // end.
    QByteArray bytes;
    bytes.reserve(qsizetype(qMin(expected, maxBytes)));
    char piece[64 * 1024];
    for (;;) {
        const qint64 n = file.read(piece, sizeof piece);
        if (n < 0)
            return refuse(Refusal::Unreadable, file.errorString());
        if (n == 0)
            return bytes;
        if (bytes.size() + n > maxBytes)
            return refuse(Refusal::TooLarge);
        bytes.append(piece, qsizetype(n));
    }
}

} // namespace

Result<QByteArray> readWholeFile(const QString &path, qint64 maxBytes, bool *missing)
{
    Refusal refusal;
    std::optional<QByteArray> bytes = readRegular(path, maxBytes, refusal);
    if (missing)
        *missing = refusal.kind == Refusal::Missing;
    if (bytes)
        return std::move(*bytes);
    switch (refusal.kind) {
    case Refusal::Missing:
        return Failure{msg::fileNotFound(path)};
    case Refusal::NotRegular:
        return Failure{msg::notARegularFile(path)};
    case Refusal::TooLarge:
        return Failure{msg::fileTooLarge(path, maxBytes)};
    case Refusal::None:
    case Refusal::Unreadable:
        break;
    }
    return Failure{msg::fileUnreadable(path, refusal.systemReason)};
}

Result<QByteArray> readRegularFile(const QString &path, qint64 maxBytes)
{
    Refusal refusal;
    std::optional<QByteArray> bytes = readRegular(path, maxBytes, refusal);
    if (bytes)
        return std::move(*bytes);
    if (refusal.kind == Refusal::NotRegular)
        return Failure{msg::notARegularFileReason()};
    if (refusal.kind == Refusal::TooLarge)
        return Failure{msg::fileTooLargeReason(maxBytes)};
    return Failure{refusal.systemReason};
}
