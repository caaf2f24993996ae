// SPDX-License-Identifier: GPL-3.0-or-later
// The learner's profile and its file, profiles/<name>.varn:
//   "V1" | name (32) | N (int32 LE) | N aya keys (32 each) | current aya key (32) | text shown (1 byte)
// Text fields hold up to 31 bytes, zero-terminated and zero-filled; a file is 71 + 32 N bytes.
#pragma once

#include <QByteArray>
#include <string>
#include <vector>

struct ProfileData {
    std::string userName;
    std::vector<std::string> heart; // aya keys, in the heart list's order
    std::string currentAya;
    bool textShown = false;
};

constexpr int kProfileFieldSize = 32;
constexpr int kProfileMaxText = kProfileFieldSize - 1;
constexpr int kProfileFixedSize = 71;
constexpr const char* kProfileExtension = ".varn";

// The file name of a profile inside the profiles folder.
std::string ProfileFileName(const std::string& userName);

QByteArray SerializeProfile(const ProfileData& data);

// Writes the profile whole or not at all. False, with the reason, when it could not be written.
bool SaveProfileFile(const std::string& path, const ProfileData& data, std::string* error);

// Reads a profile file. Keys that are not valid aya keys are left out, and keys are normalised
// ("36.12" becomes "036.012"). False, with the reason in *problem, when the file is missing, is not a
// profile, is shorter than its count says, or holds no valid current aya; *out then holds what could
// be read (its current aya empty when it was not valid).
bool ReadProfile(const std::string& path, ProfileData* out, std::string* problem);

// Copies the damaged file at path to path + ".bak" (replacing an older copy) before a save replaces it;
// when there is no room for a copy, moves the file there instead (a rename needs no space). The copy's
// path, or empty when there is no file or it could be neither copied nor moved.
std::string KeepDamagedCopy(const std::string& path);

// Why name cannot be a profile name (the file format and the file system must both hold it), or empty
// when it can. name is the UTF-8 text the learner typed.
std::string ProfileNameProblem(const std::string& name);

// The learner's name that the file name in profiles/ stands for: "Amina" for "Amina.varn". Empty for a
// file that is no profile, or whose name the dialog would refuse (and so could not load).
std::string ProfileNameOfFile(const std::string& fileName);

// "036.012" for a key whose sura is 1..114 and whose aya lies within that sura, however padded;
// empty for anything else.
std::string NormalAyaKey(const std::string& key);
