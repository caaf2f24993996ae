// SPDX-License-Identifier: GPL-3.0-or-later
// The suras' names in Arabic script, as an Arabic or Urdu interface writes them.
#pragma once

// The name of sura 1 to 114 in Arabic script (UTF-8, "الإخلاص" for 112); "" for any other number.
const char* ArabicSuraName(int sura);
