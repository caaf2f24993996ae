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

// True for the name of a temporary file that a write of one of the program's own files leaves behind
// when it is killed midway: "NAME.varn.XXXXXX", "NAME.review.XXXXXX", "NAME.pages.XXXXXX",
// "NAME.aids.XXXXXX", "NAME.drill.XXXXXX", a recording's "SSSAAA.ogg.XXXXXX", a pack's "NAME.dat.XXXXXX",
// "recite.ini.XXXXXX", "config.ini.XXXXXX" and "varnel.ini.XXXXXX", the X's six letters or digits.
bool IsStaleTemporaryName(const std::string& fileName);

// Removes the files of folder that IsStaleTemporaryName() picks out; returns how many went.
int RemoveStaleTemporaries(const std::string& folder);

// Removes them from every folder the program writes in under the working folder root: root itself,
// profiles/, each profiles/NAME.recordings/, quran/ and each quran/extra/NAME/. Returns how many went.
int SweepStaleTemporaries(const std::string& root);
