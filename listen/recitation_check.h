// SPDX-License-Identifier: GPL-3.0-or-later
// The learner's recitation of an aya checked against the reciter's, offline and without a speech model.
// Each recording's voice is found against its own noise floor (analysis.h); the two are turned into
// features that a microphone, a room and a speaker change little (log mel energies over a floor the
// pair shares, their cepstrum normalised over the voice, the learner's frequency axis warped to the
// reciter's), aligned in time (alignment.h), and read along the alignment for what the learner left
// out (stretches of the reference the learner's voice passed over), added (stretches of the learner's
// voice with no counterpart), said differently (stretches where both move on together, unlike each
// other), and how alike the two are. It checks what was said and in what order; it is no judge of
// tajweed.
#pragma once

#include "analysis.h"
#include "sound.h"

#include <string>
#include <utility>
#include <vector>

namespace listen
{

enum class Verdict {
    Match,     // the whole aya, nothing added or said differently
    Partial,   // a part is missing, added or said differently
    Different, // another aya, or no recitation
};

// "match", "partial", "different".
const char* VerdictName(Verdict verdict);

struct Span {
    double start = 0, end = 0; // seconds, in the recording's own time
};

struct CheckResult {
    int score = 0; // 0 to 100
    Verdict verdict = Verdict::Different;
    std::vector<Span> missing; // of the reference, not said by the learner
    std::vector<Span> extra;   // of the learner's recording, with no counterpart in the reference
    std::vector<Span> changed; // of the reference, said by the learner but unlike it
    // The aya ("114:1") that the learner's recording sounds like rather than the one checked; empty
    // when none of the similar ayas offered is closer.
    std::string soundsLike;
    // The alignment, for drawing: pairs of (reference, learner) times in seconds, in order.
    std::vector<std::pair<double, double>> path;
    // The mean distance of the matched frames over the distance between unrelated frames: near 1 for
    // another text, far below for the same words.
    double closeness = 1;
    double warp = 1;         // the learner's frequency warp that brought the voices together
    double missingShare = 0; // of the reference's voice
    double extraShare = 0;   // of the learner's voice
    double changedShare = 0; // of the reference's voice
    double mostUnlike = 0;   // the most unlike stretch where both move on together (see changed)
    double usualUnlike = 0;  // the median of the same along the alignment
    bool faults = false;     // a word missing, added or changed (a hesitation is none)
    // Why there is no alignment (the learner's recording holds no voice); empty else.
    std::string note;
};

// Compares the learner's recording with the reference's.
CheckResult Compare(const Analysis& reference, const Analysis& learner);

// The alignment alone, for carrying times from one recording into the other: the path and the
// closeness (over what a recording of another text would cost), the rest of the result left empty. A
// fraction of Compare's work: it reads nothing along the path, and aligns every step-th frame only.
CheckResult AlignOnly(const Analysis& reference, const Analysis& learner, int step = 1);

// The recitation of an aya that shares all but a word or two with the one checked.
struct SimilarRecitation {
    std::string key;         // "114:1"
    std::vector<char> bytes; // encoded audio
};

// Decodes both recordings (any format libsndfile reads, at most ten minutes) and compares them; when
// similar recitations are given and the learner's recording is clearly closer to one of them, names it
// in soundsLike. False, with the reason for the learner in error, when either recording cannot be
// decoded or holds a sample that is not a finite number, the reference holds no voice, or aubio cannot
// be loaded.
bool Check(const std::vector<char>& reference, const std::vector<char>& learner, CheckResult* result,
           std::string* error, const std::vector<SimilarRecitation>& similar = {});

// The result as one JSON object: {"score": .., "verdict": "..", "missing": [[s, e], ..], "extra": [..],
// "changed": [..]}, with "sounds_like": "S:A" when there is one.
std::string ToJson(const CheckResult& result);

} // namespace listen
