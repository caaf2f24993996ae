// SPDX-License-Identifier: GPL-3.0-or-later
// Ayas that share all but a word or two with another (113:1 "... the daybreak" and 114:1 "... mankind"),
// the confusion memorisers make most: the listening check asks whether a recording is one of these
// rather than the aya checked. The table is generated from the Quran text (similar_ayas_table.cpp).
#pragma once

#include <utility>
#include <vector>

struct SimilarPair {
    short sura, aya, otherSura, otherAya;
};

// The ayas similar to sura:aya, as (sura, aya), in order; empty for one with none, or no aya.
std::vector<std::pair<int, int>> SimilarAyas(int sura, int aya);
