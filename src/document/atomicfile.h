#pragma once

#include <QIODevice>
#include <QString>
#include <functional>

// Replaces `target` with what `write` puts into the device, so that the old
// file survives every failure. The content goes to "temp.file" in the
// target's folder, is synced to disk, gets the permissions of the file it
// replaces and is then renamed over the target in one atomic step. A target
// that is a symbolic link stays a link: the file it points to is replaced.
// When `write` returns false, or creating, writing, syncing or renaming
// fails, temp.file is removed and the target is left exactly as it was.
bool WriteFileAtomically(const QString &target, const std::function<bool(QIODevice &)> &write);

// The file a save to `target` really replaces: the end of its chain of
// symbolic links, or `target` itself.
QString ResolveSaveTarget(const QString &target);
