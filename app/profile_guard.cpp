// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile_guard.h"

#include "messages.h"

#include <QObject>

namespace
{

QString Html(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }

} // namespace

bool GuardProfile(ProfileLock& lock, const std::string& name, const std::string& path)
{
    const auto askTakeOver = [&name](const QString& host) {
        return AskQuestion("Varnel", QObject::tr("%1 was opened by Varnel on the computer %2, which may still "
                                                 "have it open.<br><br>Open it anyway?")
                                         .arg(Html(name), host.toHtmlEscaped()));
    };
    switch (lock.Take(path, askTakeOver)) {
    case ProfileLock::Result::Taken:
        return true;
    case ProfileLock::Result::Unguarded:
        ShowMessage("Varnel",
                    QObject::tr("%1 could not be locked for this window: %2.<br><br>It opens all the "
                                "same, but another Varnel window could open it too.")
                        .arg(Html(name), Html(path + ".lock")));
        return true;
    case ProfileLock::Result::Busy:
        ShowMessage("Varnel",
                    QObject::tr("%1 is open in another Varnel window.<br><br>Close it there, or "
                                "choose another profile.")
                        .arg(Html(name)));
        return false;
    case ProfileLock::Result::Declined: // the learner said so
        return false;
    }
    return false;
}
