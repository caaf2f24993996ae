// SPDX-License-Identifier: GPL-3.0-or-later
// The divisions of the Madinah mushaf (Hafs): where each page, juz and hizb quarter begins, and where
// each sura begins, as numbers of the aya in the whole Quran (1 is 1:1, 6236 is 114:6). Each list ends
// with one past the last aya, so division n runs from starts[n - 1] to starts[n] - 1.
#pragma once

#include <array>

namespace mushaf
{

extern const std::array<int, 605> kPageStarts;
extern const std::array<int, 31> kJuzStarts;
extern const std::array<int, 241> kQuarterStarts;
extern const std::array<int, 115> kSuraStarts;

} // namespace mushaf
