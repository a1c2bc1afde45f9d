#include "document/atomicfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

bool syncToDisk(QFile &file)
{
    if (!file.flush())
        return false;
#ifdef Q_OS_WIN
    return _commit(file.handle()) == 0;
#else
    return ::fsync(file.handle()) == 0;
#endif
}

// Makes the rename itself durable; a failure here does not undo the save.
void syncFolder([[maybe_unused]] const QString &folder)
{
#ifndef Q_OS_WIN
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#endif
}

} // namespace

QString ResolveSaveTarget(const QString &target)
{
    QString path = QFileInfo(target).absoluteFilePath();
    // Follow the chain by hand so that a link to a file not yet existing is
    // followed as well; the bound stops a loop of links.
    for (int hops = 0; hops < 40 && QFileInfo(path).isSymLink(); ++hops)
        path = QFileInfo(path).symLinkTarget();
    return path;
}

bool WriteFileAtomically(const QString &target, const std::function<bool(QIODevice &)> &write)
{
    const QString real = ResolveSaveTarget(target);
    const QString folder = QFileInfo(real).absolutePath();
    // Saving onto a file that is itself called temp.file must not truncate it
    // before the new content is complete.
    const QString tempName = QFileInfo(real).fileName() == QLatin1String("temp.file")
                                 ? QStringLiteral("temp.file.new")
                                 : QStringLiteral("temp.file");
    const QString tempPath = QDir(folder).filePath(tempName);

    QFile temp(tempPath);
    if (!temp.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return false;

    bool ok = write(temp) && temp.error() == QFileDevice::NoError && syncToDisk(temp);
    const QFileInfo old(real);
    if (ok && old.exists())
        ok = temp.setPermissions(old.permissions());
    temp.close();
    if (ok && temp.error() != QFileDevice::NoError)
        ok = false;

    if (ok) {
        std::error_code ec;
        std::filesystem::rename(std::filesystem::path(tempPath.toStdU16String()),
                                std::filesystem::path(real.toStdU16String()), ec);
        ok = !ec;
    }
    if (!ok) {
        QFile::remove(tempPath);
        return false;
    }
    syncFolder(folder);
    return true;
}
