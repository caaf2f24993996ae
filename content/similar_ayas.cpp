// SPDX-License-Identifier: GPL-3.0-or-later
#include "similar_ayas.h"

#include <algorithm>

extern const SimilarPair kSimilarPairs[];
extern const int kSimilarPairCount;

std::vector<std::pair<int, int>> SimilarAyas(int sura, int aya)
{
    std::vector<std::pair<int, int>> out;
    for (int k = 0; k < kSimilarPairCount; ++k) {
        const SimilarPair& p = kSimilarPairs[k];
        if (p.sura == sura && p.aya == aya)
            out.emplace_back(p.otherSura, p.otherAya);
        else if (p.otherSura == sura && p.otherAya == aya)
            out.emplace_back(p.sura, p.aya);
    }
    std::sort(out.begin(), out.end());
    return out;
}
