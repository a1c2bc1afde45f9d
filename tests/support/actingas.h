#pragma once

// Tests of rules that depend on who writes a file (read-only files, other
// users' files, folders that take no new file). The tests often run as root,
// whom the system lets write anywhere; there they act as another user for a
// while to see what that user would see.

#include <QString>
#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <sys/types.h>
#include <vector>

namespace testusers {

// The user and group "nobody" stand for another user.
constexpr uid_t OtherUser = 65534;
constexpr gid_t OtherGroup = 65534;

bool runningAsRoot();

// Gives `path` to the other user (only as root).
bool giveToOtherUser(const QString &path);

// While alive, the process acts as `uid` with the one group `gid` (its
// effective ids only, so that it can become root again). Only as root; check
// active() before relying on it.
class ActingAs {
public:
    ActingAs(uid_t uid, gid_t gid);
    ActingAs(const ActingAs &) = delete;
    ActingAs &operator=(const ActingAs &) = delete;
    ~ActingAs();

    bool active() const { return active_; }

private:
    std::vector<gid_t> groups_;
    bool restore_ = false;
    bool active_ = false;
};

} // namespace testusers
#endif
