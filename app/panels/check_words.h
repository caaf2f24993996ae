// SPDX-License-Identifier: GPL-3.0-or-later
// The listening check's findings told in words: the verdict as the window and status line say it, and
// each stretch of the reciter's recording that the learner left out or said differently named by the
// words it holds ("أَحَدٌ (word 4)") where the pack tells the aya's words, else by its times.
#pragma once

#include "aya_words.h"
#include "recitation_check.h"

#include <QString>
#include <string>
#include <vector>

// "108:2" for "108.002".
QString Place(const std::string& key);

// A stretch of the reciter's recording the check found, in ms, with the words it holds (indexes into
// the aya's words, in order; none when they are not known) and how it is named.
struct NamedStretch {
    int startMs = 0, endMs = 0;
    std::vector<int> words;
    QString name; // "أَحَدٌ (word 4)", or "1.2 to 1.8 s"
};

// The stretches of spans (seconds of the reciter's recording), each named by the timed words it holds:
// then it runs from the first word's start to the last one's end.
std::vector<NamedStretch> NameStretches(const std::vector<listen::Span>& spans, const AyaWords& words);

// The verdict in words: "112:1, partial: ... Left out: أَحَدٌ (word 4)." With words, the stretches the
// learner left out and said differently are named by them.
QString VerdictWords(const std::string& key, const listen::CheckResult& result, const AyaWords& words);
