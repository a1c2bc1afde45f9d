#pragma once

#include "core/common/result.h"

#include <QByteArray>
#include <QString>

// Reads the whole of a file that the program only looks at beside a scenario
// (an island template, the game's text file, the Wine registry). Such a path
// may name anything: a device such as /dev/zero would fill the memory, a FIFO
// would wait for a writer forever. So only a regular file of at most
// `maxBytes` bytes is read. Otherwise the result's error is the German message
// naming the file and the reason, which is "not found" for a file that does
// not exist; `missing` (when given) tells that case apart from the others.
Result<QByteArray> readWholeFile(const QString &path, qint64 maxBytes, bool *missing = nullptr);

// The same for a file the user named (a scenario): the error is the bare
// reason, for a message of the caller's that names the file itself: the
// system's text for a file that is missing or cannot be read, the program's
// for one that is no regular file or is larger than `maxBytes`.
Result<QByteArray> readRegularFile(const QString &path, qint64 maxBytes);
