// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile_lock.h"

#include "file_write.h"

#include <QSysInfo>
#include <sys/stat.h>

ProfileLock::Result ProfileLock::Take(const std::string& path, const TakeOverQuestion& takeOver)
{
    if (path == held_ && lock_)
        return Result::Taken;
    const size_t slash = path.rfind('/');
    std::string error;
    if (slash != std::string::npos)
        MakeFolder(path.substr(0, slash), &error);
    // A lock is a regular file or nothing: a FIFO, a folder or a link (to /dev/zero, say) would be read
    // by the lock's owner check, and a FIFO's read never ends. Such a lock is no lock: unguarded.
    struct stat st {
    };
    const std::string lockPath = path + ".lock";
    if (::lstat(lockPath.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        lock_.reset();
        held_.clear();
        return Result::Unguarded;
    }
    auto lock = std::make_unique<QLockFile>(QString::fromStdString(lockPath));
    // Staleness is the owner's: a lock whose program is gone is taken over, however young.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0) && lock->error() == QLockFile::LockFailedError) {
        qint64 pid = 0;
        QString host, application;
        if (!lock->getLockInfo(&pid, &host, &application)) {
            // Empty or unreadable: no program owns it (a write of the lock was cut short).
            lock->removeStaleLockFile();
            lock->tryLock(0);
        } else if (!host.isEmpty() && host != QSysInfo::machineHostName()) {
            // Made on another computer (a shared home folder): whether its program still runs cannot be
            // checked from here, so the learner decides.
            if (!takeOver || !takeOver(host))
                return Result::Declined;
            lock->removeStaleLockFile();
            lock->tryLock(0);
        } else {
            return Result::Busy;
        }
    }
    lock_.reset(); // the profile held until now is released only here, after its learner was saved
    held_.clear();
    if (!lock->isLocked())
        return Result::Unguarded;
    lock_ = std::move(lock);
    held_ = path;
    return Result::Taken;
}
