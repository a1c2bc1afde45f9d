#include "support/actingas.h"

#ifdef Q_OS_UNIX
#include <QFile>
#include <grp.h>
#include <unistd.h>

namespace testusers {

bool runningAsRoot()
{
    return ::geteuid() == 0;
}

bool giveToOtherUser(const QString &path)
{
    return runningAsRoot() &&
           ::lchown(QFile::encodeName(path).constData(), OtherUser, OtherGroup) == 0;
}

ActingAs::ActingAs(uid_t uid, gid_t gid)
{
    if (!runningAsRoot())
        return;
    const int count = ::getgroups(0, nullptr);
    groups_.resize(size_t(qMax(count, 0)));
    if (count < 0 || ::getgroups(count, groups_.data()) != count)
        return;
    restore_ = true;
    // Groups first: once the user id is no longer root, they cannot change.
    if (::setgroups(1, &gid) != 0 || ::setegid(gid) != 0)
        return;
    active_ = ::seteuid(uid) == 0;
}

ActingAs::~ActingAs()
{
    if (!restore_)
        return;
    if (!runningAsRoot() && ::seteuid(0) != 0)
        qFatal("cannot become root again");
    if (::setegid(0) != 0 || ::setgroups(groups_.size(), groups_.data()) != 0)
        qFatal("cannot restore the groups of root");
}

} // namespace testusers
#endif
