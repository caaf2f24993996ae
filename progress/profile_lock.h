// SPDX-License-Identifier: GPL-3.0-or-later
// The lock on the profile loaded now (profiles/NAME.varn.lock): a learner's files are written by one
// program at a time, since two would overwrite each other. A lock left by a program that ended without
// releasing it (a crash, a kill) is taken over: its process is gone; so is a lock that names no owner
// (empty or unreadable). A lock made on another computer is the learner's to override. No widgets: what
// the learner is told is the window's (app/profile_guard.cpp).
#pragma once

#include <QLockFile>
#include <QString>
#include <functional>
#include <memory>
#include <string>

class ProfileLock
{
  public:
    enum class Result {
        Taken,     // this program holds it now (or held it already)
        Unguarded, // no lock can be made (a full disk, a folder that cannot be written to, something other
                   // than a regular file where the lock goes): it opens unguarded
        Busy,      // another program on this computer holds it
        Declined,  // made on another computer, and the learner chose not to take it over
    };
    // Whether to take over a lock made on the computer named, whose program may still run.
    using TakeOverQuestion = std::function<bool(const QString& host)>;

    // Locks the profile at path (the one held now is released, after the caller saved its learner),
    // unless it is already the one held; the one held stays when the answer is Busy or Declined.
    Result Take(const std::string& path, const TakeOverQuestion& takeOver);

    // Releases the lock held, if any.
    void Release()
    {
        lock_.reset();
        held_.clear();
    }

  private:
    std::string held_;
    std::unique_ptr<QLockFile> lock_;
};
