// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile_guard.h"

#include "messages.h"

#include <QCoreApplication>
#include <QObject>

namespace
{

QString Html(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }

} // namespace

bool GuardProfile(ProfileLock& lock, const std::string& name, const std::string& path)
{
    const auto askTakeOver = [&name](const QString& host) {
        return AskQuestion("Varnel",
                           QCoreApplication::translate(
                               "ProfileGuard", "%1 was opened by Varnel on the computer %2, which may still "
                                               "have it open.<br><br>Open it anyway?")
                               .arg(Html(name), host.toHtmlEscaped()));
    };
    switch (lock.Take(path, askTakeOver)) {
    case ProfileLock::Result::Taken:
        return true;
    case ProfileLock::Result::Unguarded:
        ShowMessage("Varnel",
                    QCoreApplication::translate(
                        "ProfileGuard", "%1 could not be locked for this window: %2.<br><br>It opens all the "
                                        "same, but another Varnel window could open it too.")
                        .arg(Html(name), Html(path + ".lock")));
        return true;
    case ProfileLock::Result::Busy:
        ShowMessage("Varnel",
                    QCoreApplication::translate(
                        "ProfileGuard", "%1 is open in another Varnel window.<br><br>Close it there, or "
                                        "choose another profile.")
                        .arg(Html(name)));
        return false;
    case ProfileLock::Result::Declined: // the learner said so
        return false;
    }
    return false;
}

QString DamagedProfileText(const std::string& name, const LearnerRecord::ProfileRead& read)
{
    auto html = [](const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); };
    QString text =
        QCoreApplication::translate("ProfileGuard", "The profile of %1 could not be read in full: %2.")
            .arg(html(name), html(read.problem));
    if (!read.data.heart.empty())
        text += "<br><br>" + QCoreApplication::translate(
                                 "ProfileGuard", "The ayas of the heart that could be read are kept.");
    if (!read.backup.empty())
        text += "<br><br>" + QCoreApplication::translate("ProfileGuard", "The file as it was is kept as %1.")
                                 .arg(html(read.backup));
    for (const std::string& reviewBackup : read.reviewBackups)
        text += "<br><br>" +
                QCoreApplication::translate("ProfileGuard", "Your review record as it was is kept as %1.")
                    .arg(html(reviewBackup));
    for (const std::string& heldBack : read.reviewsHeldBack)
        text += "<br><br>" + QCoreApplication::translate(
                                 "ProfileGuard",
                                 "There is no room to keep your review record %1 aside: it is left "
                                 "as it is, and your reviews are not saved over it.")
                                 .arg(html(heldBack));
    if (read.data.currentAya.empty())
        text += "<br><br>" +
                QCoreApplication::translate("ProfileGuard", "You start at the first aya of sura 114.");
    return text;
}

QString UnsavedProfileText(const std::string& error)
{
    return QCoreApplication::translate(
               "ProfileGuard", "Your profile could not be saved, so your heart is not stored yet:<br>%1"
                               "<br><br>Check that the folder \"profiles\" beside Varnel can be "
                               "written to, then use File &gt; Save Profile again.")
        .arg(QString::fromStdString(error).toHtmlEscaped());
}
