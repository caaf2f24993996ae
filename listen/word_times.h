// SPDX-License-Identifier: GPL-3.0-or-later
// The times of an aya's words in a recording, estimated from a rendering of the same text whose word
// times are known (espeak-ng's, see speech.h): the two are aligned as the listening check aligns a
// learner's recitation with the reciter's, and each word's start and end carried across. No Qt.
#pragma once

#include "analysis.h"
#include "recitation_check.h"
#include "speech.h"

#include <string>
#include <vector>

namespace listen
{

// Carries times known in the reference across the alignment that check holds (check.path, in seconds,
// pairs of reference and learner time) into the learner's recording: each word starts where its
// reference start meets and ends where its end meets, in order, the words never overlapping.
// lengthMs bounds the result. Empty when the path is.
std::vector<WordTime> CarryAcross(const CheckResult& check, const std::vector<WordTime>& reference,
                                  int lengthMs);

// The rate word times are estimated at: the band the alignment reads (up to 4.5 kHz) and no more, so
// that the estimate costs an import little. Decode recordings at most at this rate for it.
constexpr int kWordsRate = 11025;

// A recording brought down to about kWordsRate (whole-number steps, each the mean of its samples) and
// taken apart for the estimate.
Analysis AnalyseForWords(const sound::Pcm& pcm);

// Estimates the times of spoken's words in recording, both analysed by AnalyseForWords. False, with the
// reason, when the recording is too unlike the rendering to tell (another aya, mostly noise, no voice).
bool EstimateWordTimes(const Analysis& spoken, const std::vector<WordTime>& spokenTimes,
                       const Analysis& recording, std::vector<WordTime>* times, std::string* why);

} // namespace listen
