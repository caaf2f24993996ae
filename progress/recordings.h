// SPDX-License-Identifier: GPL-3.0-or-later
// The learner's own recitations, one Ogg Vorbis file per aya in a folder beside the profile
// (profiles/NAME.recordings/SSSAAA.ogg: "002255.ogg" is 2:255). Each is written whole, so a kill never
// leaves half a file; the index of what is there is read from the folder once and kept up to date.
#pragma once

#include "sound.h"

#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

class Recordings
{
  public:
    // The longest file read back: a two-minute take is about 1.5 MB.
    static constexpr long long kMaxBytes = 32LL << 20;
    using Aya = std::pair<int, int>; // sura, aya

    // Points at folder and reads what it holds; an absent folder holds nothing (it is made on the first
    // save). An empty folder name: nobody's recordings.
    void SetFolder(const std::string& folder);
    const std::string& Folder() const { return folder_; }

    static std::string FileName(int sura, int aya);
    // The sura and aya of a file name such as "002255.ogg"; false for any other name.
    static bool ParseFileName(const std::string& name, int* sura, int* aya);

    bool Has(int sura, int aya) const { return ayas_.count({sura, aya}) > 0; }
    const std::set<Aya>& All() const { return ayas_; }
    std::string Path(int sura, int aya) const;

    // Encodes pcm and writes it as the aya's recording; the take it replaces is kept as the previous one
    // (SSSAAA.previous.ogg, with its check's mark), so that a worse take loses nothing. False, with the
    // reason in *error, when it cannot.
    bool Save(int sura, int aya, const sound::Pcm& pcm, std::string* error);
    // The take before the latest, kept beside it; and bringing it back, the latest kept as the previous
    // (so it can be brought back in turn), each with its mark.
    bool HasPrevious(int sura, int aya) const;
    std::string PreviousPath(int sura, int aya) const;
    bool PreviousMatched(int sura, int aya) const { return matchedPrevious_.count({sura, aya}) > 0; }
    bool BringBackPrevious(int sura, int aya, std::string* error);
    // The file's bytes; null when there is none or it cannot be read.
    std::shared_ptr<const std::vector<char>> Bytes(int sura, int aya) const;
    // Why a recording that is there cannot be played, in words for the learner (it is no regular file,
    // as a link to a device is not, or it is larger than kMaxBytes); empty when it can be, or is none.
    std::string Problem(int sura, int aya) const;
    // Removes the aya's recording and the take before it.
    bool Remove(int sura, int aya, std::string* error);
    bool RemoveAll(std::string* error);

    // The ayas whose recording, at its last check against the reciter, matched: kept in the folder's
    // "matched.txt" (one SSSAAA a line, and SSSAAA.previous for a previous take that matched), written
    // whole. A new take or a removed recording forgets its
    // mark until it is checked again.
    bool Matched(int sura, int aya) const { return matched_.count({sura, aya}) > 0; }
    const std::set<Aya>& AllMatched() const { return matched_; }
    bool SetMatched(int sura, int aya, bool matched, std::string* error);

  private:
    bool WriteMatched(std::string* error) const;
    std::string folder_;
    std::set<Aya> ayas_;
    std::set<Aya> matched_;
    std::set<Aya> matchedPrevious_;
};
