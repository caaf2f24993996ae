// SPDX-License-Identifier: GPL-3.0-or-later
// The font each translation's script needs, chosen by the language pack's language (its name in
// langs.ini, "Bengali", or its file's code, "bn.dat"), never left to font fallback: Bengali in Noto Sans
// Bengali, Chinese in WenQuanYi Micro Hei, Urdu in Noto Nastaliq Urdu, right to left with its letters
// joined. Languages written in Latin or Cyrillic letters need nothing beyond the panel's own font.
#pragma once

#include <string>

struct TranslationFont {
    std::string family; // empty: the panel's own font has the script
    bool rightToLeft = false;
    std::string package; // the Debian package that holds the font
};

// The font for a language pack, by its display name and, failing that, by its file name.
TranslationFont FontForLanguage(const std::string& language, const std::string& packFile = {});

struct AyaTextParts;
// Gives the parts' translation its language's font and direction, or, when that font is not installed,
// words that say which font and package it needs (in place of text that would show as empty boxes).
void FitTranslationFont(AyaTextParts* parts, const std::string& packFile);
