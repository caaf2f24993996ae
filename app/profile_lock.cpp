// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile_lock.h"

#include "file_write.h"
#include "messages.h"

#include <QObject>

bool ProfileLock::Take(const std::string& name, const std::string& path)
{
    if (path == held_ && lock_)
        return true;
    const size_t slash = path.rfind('/');
    std::string error;
    if (slash != std::string::npos)
        MakeFolder(path.substr(0, slash), &error);
    auto lock = std::make_unique<QLockFile>(QString::fromStdString(path) + ".lock");
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        if (lock->error() == QLockFile::LockFailedError) {
            ShowMessage("Varnel",
                        QObject::tr("%1 is open in another Varnel window.<br><br>Close it there, or "
                                    "choose another profile.")
                            .arg(QString::fromStdString(name).toHtmlEscaped()));
            return false;
        }
        lock_.reset();
        held_.clear();
        return true;
    }
    lock_ = std::move(lock);
    held_ = path;
    return true;
}
