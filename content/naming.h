// SPDX-License-Identifier: GPL-3.0-or-later
// Names of suras, ayas and their pack items, and the main window's first placement.
#pragma once

#include <QRect>
#include <QSize>
#include <string>

// Reads the leading decimal number of text (leading blanks and one sign allowed; reading stops at the
// first non-digit; no digits gives 0) and writes it with at least three digits: "7", "07", "7abc" -> "007".
std::string PadSura(const std::string& text);

// The leading decimal number of text, read as PadSura reads it (clamped to the int range).
int LeadingNumber(const std::string& text);

std::string IntToString(int value);

// "002" and 255 -> "002.255". The sura text is padded, and so is the aya number.
std::string AyaKey(const std::string& sura, int aya);

// Per-aya item names: the key as given followed by ".ogg", ".png", ".eng", ".lit" or ".wrd" (the words,
// an item a pack may lack).
std::string SoundName(const std::string& ayaKey);
std::string PictureName(const std::string& ayaKey);
std::string TranslationName(const std::string& ayaKey);
std::string TransliterationName(const std::string& ayaKey);
std::string WordsName(const std::string& ayaKey);

// True when the leading number of text is a sura number, 1 to 114.
bool IsSuraNumber(const std::string& text);

// The part after the last '\\', '/' or ':'; the whole string when none occurs.
std::string FileNamePart(const std::string& path);

// Splits an aya key such as "036.012" into its sura and aya numbers; false when it has no full stop.
bool SplitAyaKey(const std::string& key, int* sura, int* aya);

// The rectangle in which the main window first appears on a desktop of the given size: one and a half
// times the half-size (halves rounded up), centred.
QRect CentredGeometry(const QSize& desktop);
// The same for the primary screen.
QRect CentredGeometry();
