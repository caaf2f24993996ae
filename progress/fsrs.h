// SPDX-License-Identifier: GPL-3.0-or-later
// FSRS (the Free Spaced Repetition Scheduler), version 5, with its published default parameters: the
// memory model behind review. A memory has a stability S (days until the chance of recall falls to 90%)
// and a difficulty D (1..10); each review is graded Again, Hard, Good or Easy and moves both.
//
// The formulas are those published by the open-spaced-repetition project: "The Algorithm" in the
// fsrs4anki wiki (https://github.com/open-spaced-repetition/fsrs4anki/wiki/The-Algorithm) and
// ALGORITHM.md of py-fsrs (https://github.com/open-spaced-repetition/py-fsrs), FSRS-5:
//   R(t, S)  = (1 + F t / S)^C                    C = -0.5, F = 19/81, so R(S, S) = 0.9
//   I(r, S)  = S / F (r^(1/C) - 1)                the interval for a wanted retention r; I(0.9, S) = S
//   S0(G)    = w[G-1]
//   D0(G)    = w4 - e^(w5 (G-1)) + 1              clamped to 1..10
//   D'(D,G)  = w7 D0(4) + (1 - w7) (D - w6 (G-3)) clamped to 1..10 (mean reversion towards D0(4))
//   S'r      = S (1 + e^w8 (11-D) S^-w9 (e^(w10 (1-R)) - 1) h b)   after Hard, Good or Easy;
//              h = w15 for Hard, b = w16 for Easy, else 1
//   S'f      = min(S, w11 D^-w12 ((S+1)^w13 - 1) e^(w14 (1-R)))   after Again
// Review here happens at most once a day per item, so FSRS-5's same-day terms (w17, w18) are not used.
#pragma once

#include <array>

namespace fsrs
{

enum class Grade { Again = 1, Hard = 2, Good = 3, Easy = 4 };

constexpr double kDecay = -0.5;
constexpr double kFactor = 19.0 / 81.0;
constexpr double kDesiredRetention = 0.9;
constexpr int kMaximumInterval = 36500;
// FSRS-5's default parameters w0..w18.
constexpr std::array<double, 19> kWeights = {0.40255, 1.18385, 3.173,  15.69105, 7.1949, 0.5345, 1.4604,
                                             0.0046,  1.54575, 0.1192, 1.01925,  1.9395, 0.11,   0.29605,
                                             2.2698,  0.2315,  2.9898, 0.51655,  0.6621};

// The model's bounds: every memory a review computes lies within them (and so reads back from the
// review file), whatever the memory it started from.
constexpr double kMinStability = 0.01;
constexpr double kMaxStability = kMaximumInterval; // days: a hundred years
constexpr double kMinDifficulty = 1;
constexpr double kMaxDifficulty = 10;

struct Memory {
    double stability = 0; // days; 0 for a memory never reviewed
    double difficulty = 0;
    bool Reviewed() const { return stability > 0; }
};

// The chance of recall after days since the last review; 1 for a memory never reviewed.
double Retrievability(double days, const Memory& memory);
// The memory after a review graded grade, days after the one before (ignored at the first review).
// A memory out of the model's bounds (a hand-edited file) is brought within them first; the result is
// always within them.
Memory Review(const Memory& memory, double days, Grade grade);
// Whole days until the next review at the desired retention: at least 1, at most kMaximumInterval.
int IntervalDays(const Memory& memory);

} // namespace fsrs
