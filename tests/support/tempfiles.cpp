#include "support/tempfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

namespace testfiles {

void write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        QFAIL(qPrintable(QStringLiteral("cannot write test file %1").arg(path)));
}

QByteArray read(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace testfiles
