#pragma once

#include "core/common/result.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <functional>

// Everything the program writes to disk (scenarios, island files, the game's
// text file) goes through here, so that the old file survives every failure.
//
// The content goes to a temporary file of its own in the folder of the file
// it replaces, with the replaced file's owner, group and mode (a new file: the
// umask default) set before its first byte. Where the file system allows it,
// that file has no name while it is written (O_TMPFILE), so a save killed half
// way leaves nothing behind; it gets a fresh name just before the rename.
// Elsewhere it is a hidden file created exclusively (never through a symbolic
// link, never over a file of the user's). It is written in large blocks with
// checked byte counts, synced to disk and renamed over the target in one
// atomic step. A target that is a symbolic link stays a link: the file
// at the end of the chain is replaced. An existing target that is not a
// regular file, or that is read-only (for root too: no write permission bit at
// all), is refused and left alone.
//
// On failure nothing remains of the temporary file, the target is as it was,
// and the result's error is the reason to show under the program's own
// sentence: the system's text (disk full, permission denied, ...) or one of
// the program's reasons from the messages.

using FileWriteFunction = std::function<bool(QIODevice &)>;

// `write` puts the content into the device and returns false to abandon the
// save (the device's own failures are noticed without it). An exception from
// `write` abandons the save the same way and is passed on.
Result<void> writeFileAtomically(const QString &target, const FileWriteFunction &write);

// For a file in a folder the program does not own (the game's text file):
// as WriteFileAtomically, but where the folder takes no new file while the
// file itself is writable, the file is rewritten in place: the whole old
// content is read first and put back when the write fails.
Result<void> rewriteFile(const QString &target, const QByteArray &content);

// The file a save to `target` really replaces: the end of its chain of
// symbolic links (also when that end does not exist yet), or `target` itself.
// Empty when the chain does not end (a loop of links).
QString resolveSaveTarget(const QString &target);
