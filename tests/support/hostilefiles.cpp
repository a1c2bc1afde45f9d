#include "support/hostilefiles.h"

#include "core/common/messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

namespace hostile {

QStringList kinds()
{
    return {QStringLiteral("device"), QStringLiteral("fifo"), QStringLiteral("folder"),
            QStringLiteral("oversize"), QStringLiteral("missing")};
}

void make(const QString &kind, const QString &path, qint64 limit)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    if (kind == QLatin1String("device")) {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    } else if (kind == QLatin1String("fifo")) {
#ifdef Q_OS_WIN
        QSKIP("no FIFOs here");
#else
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
#endif
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(path));
    } else if (kind == QLatin1String("oversize")) {
        // Sparse: the size is there, the disk blocks are not.
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(limit + 1));
    } else {
        QCOMPARE(kind, QStringLiteral("missing"));
    }
}

QString refusal(const QString &kind, const QString &path, qint64 limit)
{
    if (kind == QLatin1String("oversize"))
        return msg::fileTooLarge(path, limit);
    if (kind == QLatin1String("missing"))
        return msg::fileNotFound(path);
    return msg::notARegularFile(path);
}

} // namespace hostile
