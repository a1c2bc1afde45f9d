#pragma once

// Things that stand where the program expects a plain file: what a careless
// reader would hang on, or read until the memory is gone.

#include <QString>
#include <QStringList>

namespace hostile {

// "device" (a link to /dev/zero), "fifo", "folder", "oversize" (a sparse file
// one byte above `limit`) or "missing" (nothing at all).
QStringList kinds();

// Puts a thing of `kind` at `path`, creating the folders on the way. Fails
// the test when that is impossible; skips it where the system has no FIFOs.
void make(const QString &kind, const QString &path, qint64 limit);

// The message a reader gives for a thing of `kind` at `path`.
QString refusal(const QString &kind, const QString &path, qint64 limit);

} // namespace hostile
