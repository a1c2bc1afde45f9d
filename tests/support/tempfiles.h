#pragma once

// Small file helpers for tests.

#include <QByteArray>
#include <QString>

namespace testfiles {

// Writes `bytes` to `path`, creating missing folders. Fails the test on error.
void write(const QString &path, const QByteArray &bytes);

// The whole content of `path`; an empty array when it cannot be read.
QByteArray read(const QString &path);

} // namespace testfiles
