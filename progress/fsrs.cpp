// SPDX-License-Identifier: GPL-3.0-or-later
#include "fsrs.h"

#include <algorithm>
#include <cmath>

namespace fsrs
{

namespace
{

const std::array<double, 19>& w = kWeights;

double Clamp(double d) { return std::clamp(d, 1.0, 10.0); }
double InitialStability(Grade g) { return w[size_t(g) - 1]; }
double InitialDifficulty(Grade g) { return Clamp(w[4] - std::exp(w[5] * (int(g) - 1)) + 1); }

double NextDifficulty(double d, Grade g)
{
    return Clamp(w[7] * InitialDifficulty(Grade::Easy) + (1 - w[7]) * (d - w[6] * (int(g) - 3)));
}

double RecallStability(double d, double s, double r, Grade g)
{
    const double hard = g == Grade::Hard ? w[15] : 1.0;
    const double easy = g == Grade::Easy ? w[16] : 1.0;
    return s * (1 + std::exp(w[8]) * (11 - d) * std::pow(s, -w[9]) * (std::exp(w[10] * (1 - r)) - 1) * hard *
                        easy);
}

double ForgetStability(double d, double s, double r)
{
    return std::min(s,
                    w[11] * std::pow(d, -w[12]) * (std::pow(s + 1, w[13]) - 1) * std::exp(w[14] * (1 - r)));
}

} // namespace

double Retrievability(double days, const Memory& memory)
{
    if (!memory.Reviewed())
        return 1.0;
    return std::pow(1 + kFactor * std::max(0.0, days) / memory.stability, kDecay);
}

namespace
{

double Within(double value, double low, double high)
{
    return std::isfinite(value) ? std::clamp(value, low, high) : low;
}

Memory Bounded(const Memory& memory)
{
    return {Within(memory.stability, kMinStability, kMaxStability),
            Within(memory.difficulty, kMinDifficulty, kMaxDifficulty)};
}

} // namespace

Memory Review(const Memory& memory, double days, Grade grade)
{
    if (!memory.Reviewed())
        return Bounded({InitialStability(grade), InitialDifficulty(grade)});
    const Memory before = Bounded(memory);
    const double r = Retrievability(std::max(days, 0.0), before);
    Memory next;
    next.stability = grade == Grade::Again ? ForgetStability(before.difficulty, before.stability, r)
                                           : RecallStability(before.difficulty, before.stability, r, grade);
    next.difficulty = NextDifficulty(before.difficulty, grade);
    return Bounded(next);
}

int IntervalDays(const Memory& memory)
{
    const double days = memory.stability / kFactor * (std::pow(kDesiredRetention, 1 / kDecay) - 1);
    return std::clamp(int(std::lround(days)), 1, kMaximumInterval);
}

} // namespace fsrs
