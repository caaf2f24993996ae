// SPDX-License-Identifier: GPL-3.0-or-later
// The window's side of the profile lock: what the learner is told, and asked, when a profile is opened.
#pragma once

#include "learner_record.h"
#include "profile_lock.h"

#include <QString>
#include <string>

// Locks the profile name at path for this window. False, told to the learner, when another program
// holds it or the learner declines to take over another computer's lock; true when it is locked, and
// also when no lock can be made (the learner is told that the profile opens unguarded).
bool GuardProfile(ProfileLock& lock, const std::string& name, const std::string& path);
// What the learner is told when the profile could not be saved, for error.
QString UnsavedProfileText(const std::string& error);
// What the learner is told of name's profile read damaged: what was wrong, what was kept and where.
QString DamagedProfileText(const std::string& name, const LearnerRecord::ProfileRead& read);
