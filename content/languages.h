// SPDX-License-Identifier: GPL-3.0-or-later
// "langs.ini": the installed translation packs. Whitespace-separated words taken in pairs: the pack's
// file name inside quran/lang/, then its display name with full stops standing for blanks. Line k
// (a pair, counted from 1) is language k; English is language 0.
#pragma once

#include <string>
#include <vector>

struct LanguageList {
    std::vector<std::string> names; // names[0] is "English"; names[k] is line k's display name
    std::vector<std::string> paths; // paths[k - 1] is line k's pack path
    std::vector<int> installed;     // the lines whose pack file exists, in order
};

// Reads root/langs.ini; without one, shared/langs.ini (an installation's, its packs read in place); with
// neither, English alone. A file name that is not a plain name (a separator or "..") is never used as a
// path: its line keeps its number but is not installed.
LanguageList ReadLanguages(const std::string& root = ".", const std::string& shared = std::string());
