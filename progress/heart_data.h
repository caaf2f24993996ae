// SPDX-License-Identifier: GPL-3.0-or-later
// The learner's heart as data: the set of memorised ayas by sura, their count, which suras are
// complete, and the picture each sura's share earns. The Heart tree shows it; no widgets here. The ayas
// are values (AyaRef); their keys ("036.012") are the profile file's and the drag text's, read and made
// at those edges.
#pragma once

#include "aya_ref.h"

#include <map>
#include <set>
#include <string>
#include <vector>

class HeartData
{
  public:
    // The picture of a sura holding count of its ayasInSura ayas ("heart1.png" to "heart6.png").
    static std::string PictureFor(int count, int ayasInSura);
    // The ayas a text dropped on the heart names, normalised ("036.012"): one aya ("36.12"), a whole
    // sura ("all." and its number; any text with "all" in it), or a passage of the mushaf ("page 602",
    // "juz 30"). Empty for any other text.
    static std::vector<std::string> KeysOfText(const std::string& text);

    // Adds an aya; false when it is already in the heart, or is not an aya.
    bool Add(AyaRef aya);
    bool Add(const std::string& key);
    // Removes one aya; false when it was not in the heart.
    bool Remove(AyaRef aya);
    bool Remove(const std::string& key);
    // Removes every aya of sura (a three-digit key); returns how many went.
    int RemoveSura(const std::string& sura);
    void Clear();

    int Count() const { return count_; }
    bool Contains(AyaRef aya) const;
    bool Contains(const std::string& key) const;
    // Ayas of sura in the heart, and the picture that share earns.
    int CountOf(const std::string& sura) const;
    // Ayas in the heart of these suras (by number).
    int CountIn(const std::vector<int>& suras) const;
    std::string PictureOf(const std::string& sura) const;
    // Every aya in order: suras ascending, ayas ascending within each; and their keys.
    std::vector<AyaRef> Ayas() const;
    std::vector<std::string> Keys() const;
    // The suras all of whose ayas are in the heart, ascending.
    std::vector<std::string> CompleteSuras() const;

  private:
    std::map<int, std::set<int>> suras_; // sura number -> aya numbers
    int count_ = 0;
};
