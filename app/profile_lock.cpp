// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile_lock.h"

#include "file_write.h"
#include "messages.h"

#include <QObject>
#include <QSysInfo>

namespace
{

QString Html(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }

} // namespace

bool ProfileLock::Take(const std::string& name, const std::string& path)
{
    if (path == held_ && lock_)
        return true;
    const size_t slash = path.rfind('/');
    std::string error;
    if (slash != std::string::npos)
        MakeFolder(path.substr(0, slash), &error);
    auto lock = std::make_unique<QLockFile>(QString::fromStdString(path) + ".lock");
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
            if (!AskQuestion("Varnel",
                             QObject::tr("%1 was opened by Varnel on the computer %2, which may still "
                                         "have it open.<br><br>Open it anyway?")
                                 .arg(Html(name), host.toHtmlEscaped())))
                return false;
            lock->removeStaleLockFile();
            lock->tryLock(0);
        } else {
            ShowMessage("Varnel",
                        QObject::tr("%1 is open in another Varnel window.<br><br>Close it there, or "
                                    "choose another profile.")
                            .arg(Html(name)));
            return false;
        }
    }
    lock_.reset(); // the profile held until now is released only here, after its learner was saved
    held_.clear();
    if (!lock->isLocked()) {
        // No lock can be made (a full disk, a folder that cannot be written to): the profile opens all
        // the same, and the learner knows that it is not guarded.
        ShowMessage("Varnel",
                    QObject::tr("%1 could not be locked for this window: %2.<br><br>It opens all the "
                                "same, but another Varnel window could open it too.")
                        .arg(Html(name), Html(path + ".lock")));
        return true;
    }
    lock_ = std::move(lock);
    held_ = path;
    return true;
}
