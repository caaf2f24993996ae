// SPDX-License-Identifier: GPL-3.0-or-later
// The words of an aya, as a sura pack's optional item SSS.AAA.wrd tells them: each word's text, its box
// in the aya's picture (in the picture's own pixels) and, where known, its start and end in the aya's
// recitation, exact (taken from the synthesiser that spoke it) or estimated (carried across an
// alignment).
//
// The item is UTF-8 text, one line each:
//   varnel-words 1
//   TEXT <tab> X Y W H <tab> START END <tab> exact|estimated
// and for a word whose times are not known, "- -" for START END and "none" for the flag. A reader of
// version 1 ignores fields after the fourth, and lines that begin with '#'.
#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>
#include <vector>

enum class WordTiming { None, Exact, Estimated };

struct AyaWord {
    QString text;
    QRect box;        // in the picture's pixels
    int startMs = -1; // in the recitation; -1 when not known
    int endMs = -1;
    WordTiming timing = WordTiming::None;
    bool Timed() const { return timing != WordTiming::None; }
};

using AyaWords = std::vector<AyaWord>;

// The most words an item may hold (the longest aya has 129) and the most bytes, so that a damaged item
// is refused before anything is built from it.
constexpr int kMostWords = 1000;
constexpr int kMostWordsBytes = 256 * 1024;

// Reads an item. False, with what is wrong and where in error, for anything but a whole item of a
// known version: a word without text, a box of no size or off the positive quarter, a time that
// ends before it starts, a flag it does not know, too many words or bytes.
bool ParseAyaWords(const QByteArray& item, AyaWords* words, QString* error);

// The item for words, in the current version.
QByteArray FormatAyaWords(const AyaWords& words);

// The index of the word heard at ms into the recitation (from its start up to the next word's start);
// -1 before the first timed word, after the last one's end, or when none is timed.
int WordAt(const AyaWords& words, int ms);

// The timed words a stretch of the recitation (startMs to endMs) holds: each one it covers half of or
// more, else the one it overlaps most; none when it meets no word.
std::vector<int> WordsIn(const AyaWords& words, int startMs, int endMs);

// The part of the single-aya drill snapped to words: the start of the word heard at ms (or of the next
// word, in a pause before it), the end of the word heard at ms (or of the word before, in a pause
// after it). ms itself when no word is timed.
int SnapToWordStart(const AyaWords& words, int ms);
int SnapToWordEnd(const AyaWords& words, int ms);

// Whether every word is timed.
bool AllTimed(const AyaWords& words);
