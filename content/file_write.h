// SPDX-License-Identifier: GPL-3.0-or-later
// Writing the program's files safely: whole or not at all, with every failure reported.
#pragma once

#include <QByteArray>
#include <string>

// Writes bytes to path whole or not at all. The bytes go to a new temporary file beside path
// ("NAME.XXXXXX"), every write is checked, the file is synced to the disk, and only then renamed over
// path. A full disk or any other failure leaves path with its old bytes and the reason in *error. A
// symbolic link at path is replaced by the file itself: a write never reaches the link's target. A
// file that existed keeps its permissions.
bool WriteFileWhole(const std::string& path, const QByteArray& bytes, std::string* error);

// True when path names a regular file (through links) that this process may read. The readers of
// the small setting files open nothing else: a FIFO would block them, a folder reads as nothing.
bool IsReadableRegularFile(const std::string& path);

// Makes folder and its missing parents. False, with the reason in *error, when it cannot (something
// else of that name is in the way, or the parent cannot be written to).
bool MakeFolder(const std::string& folder, std::string* error);

// The name of the temporary a write of path goes through, its X's for mkstemp() to fill:
// "PATH.varnel-XXXXXX". Every file the program writes goes through one such name.
std::string TemporaryTemplate(const std::string& path);

// True for the name of a temporary file that a write of one of the program's files leaves behind when it
// is killed midway: any "NAME.varnel-XXXXXX", and the names earlier versions used ("NAME.varn.XXXXXX",
// "NAME.review.XXXXXX", "NAME.pages.XXXXXX", "NAME.aids.XXXXXX", "NAME.drill.XXXXXX", "SSSAAA.ogg.XXXXXX",
// "NAME.dat.XXXXXX", "recite.ini.XXXXXX", "config.ini.XXXXXX", "varnel.ini.XXXXXX"), the X's six letters
// or digits.
bool IsStaleTemporaryName(const std::string& fileName);

// How long a temporary is left alone before it is taken for abandoned: another program (an import, a
// second Varnel on another profile) may be writing it now.
constexpr int kAbandonedAfterSeconds = 10 * 60;

// Removes the regular files of folder that IsStaleTemporaryName() picks out and that were last written
// at least olderThanSeconds ago; returns how many went.
int RemoveStaleTemporaries(const std::string& folder, int olderThanSeconds = kAbandonedAfterSeconds);

// Removes them from every folder the program writes in under the working folder root: root itself,
// profiles/, each profiles/NAME.recordings/, quran/ and each quran/extra/NAME/. Returns how many went.
int SweepStaleTemporaries(const std::string& root, int olderThanSeconds = kAbandonedAfterSeconds);
