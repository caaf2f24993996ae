// SPDX-License-Identifier: GPL-3.0-or-later
// The lock on the profile loaded now (profiles/NAME.varn.lock): a learner's files are written by one
// program at a time, since two would overwrite each other. A lock left by a program that ended without
// releasing it (a crash, a kill) is taken over: its process is gone; so is a lock that names no owner
// (empty or unreadable). A lock made on another computer is the learner's to override.
#pragma once

#include <QLockFile>
#include <memory>
#include <string>

class ProfileLock
{
  public:
    // Locks the profile at path (the one held now is released, after the caller saved its learner),
    // unless it is already the one held. False, told to the learner, when another program holds it or
    // the learner declines to override another computer's lock. Where no lock can be made (a full disk,
    // a folder that cannot be written to), the learner is told and the profile loads all the same.
    bool Take(const std::string& name, const std::string& path);

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
