// SPDX-License-Identifier: GPL-3.0-or-later
// The learner's recitation of an aya checked against the reciter's, offline and without a speech model:
// both recordings are trimmed of their leading and trailing silence and turned into frames of spectral
// features (MFCC, cepstral mean and variance normalised, with deltas; 10 ms a frame, computed by aubio),
// aligned in time by dynamic time warping, and read along the alignment for what the learner left out
// (stretches of the reference the learner's voice passed over), added or held too long (stretches of the
// learner's voice with no counterpart), and how alike the two are. It checks what was said and in what
// order; it is no judge of tajweed.
#pragma once

#include "sound.h"

#include <string>
#include <utility>
#include <vector>

namespace listen
{

enum class Verdict {
    Match,     // the whole aya, nothing added
    Partial,   // a part is missing or added
    Different, // another aya, or not recitation
};

// "match", "partial", "different".
const char* VerdictName(Verdict verdict);

struct Span {
    double start = 0, end = 0; // seconds, in the recording's own time
};

// A recording as frames of features, with what trimming took off its start.
struct Features {
    int dims = 0;
    std::vector<float> frames; // dims values per frame
    std::vector<char> voiced;  // per frame: voice, not a pause
    double lead = 0;           // seconds of silence trimmed before the first frame
    double seconds = 0;        // the whole recording's length
    size_t Count() const { return dims > 0 ? frames.size() / size_t(dims) : 0; }
};

struct CheckResult {
    int score = 0; // 0 to 100
    Verdict verdict = Verdict::Different;
    std::vector<Span> missing; // of the reference, not said by the learner
    std::vector<Span> extra;   // of the learner's recording, with no counterpart in the reference
    // The alignment, for drawing: pairs of (reference, learner) times in seconds, in order.
    std::vector<std::pair<double, double>> path;
    double meanDistance = 0; // along the alignment, between frames of features
    double closeness = 1;    // that over the distance between unrelated frames: near 1 for another text
    double wander = 0;       // share of the alignment that holds one recording still
    bool faults = false;     // a word missing or added (a hesitation is none)
    // Why there is no alignment (the learner's recording holds no voice, or is too short); empty else.
    std::string note;
};

// Seconds per feature frame.
constexpr double kFrameSeconds = 0.01;

// The features of pcm (any rate, any channels). An empty result when it holds no voice, or when aubio
// cannot be loaded.
Features Extract(const sound::Pcm& pcm);

// Compares the learner's features with the reference's.
CheckResult Compare(const Features& reference, const Features& learner);

// Decodes both recordings (any format libsndfile reads) and compares them. False, with the reason in
// error, when either cannot be decoded, the reference holds no voice, or aubio cannot be loaded.
bool Check(const std::vector<char>& reference, const std::vector<char>& learner, CheckResult* result,
           std::string* error);

// The result as one JSON object: {"score": .., "verdict": "..", "missing": [[s, e], ..], "extra": [..]}.
std::string ToJson(const CheckResult& result);

} // namespace listen
