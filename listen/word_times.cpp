// SPDX-License-Identifier: GPL-3.0-or-later
#include "word_times.h"

#include <algorithm>
#include <cmath>

namespace listen
{
namespace
{

// A recording whose alignment with the rendering costs more than this share of what another text's
// would (see CheckResult::closeness) is too unlike to carry times into. Set on word-times-eval's tuning
// set (four voices, two of them slow and far from the rendering's): the same aya in another voice stays
// below it 1728 times in 1736 there, the aya after it rises above it 9 times in 10 (consecutive ayas may
// share their words).
constexpr double kMostUnlike = 0.7;
// The alignment reads every kStep-th frame: 20 ms, finer than a word's edge needs.
constexpr int kStep = 2;
// The shortest a word is given.
constexpr int kLeastWordMs = 20;

// The learner's time that reference time t (seconds) meets: the middle of the learner's times aligned
// with the reference's nearest point, or, outside the path, t shifted as its nearest end is.
double Meet(const std::vector<std::pair<double, double>>& path, double t)
{
    if (t <= path.front().first)
        return std::max(0.0, path.front().second + (t - path.front().first));
    if (t >= path.back().first)
        return path.back().second + (t - path.back().first);
    const auto at =
        std::lower_bound(path.begin(), path.end(), t,
                         [](const std::pair<double, double>& p, double v) { return p.first < v; });
    // The points that share that reference time: a held frame of the reference meets several.
    const double time = at->first;
    auto end = at;
    while (end != path.end() && end->first == time)
        ++end;
    return (at->second + std::prev(end)->second) / 2;
}

} // namespace

std::vector<WordTime> CarryAcross(const CheckResult& check, const std::vector<WordTime>& reference,
                                  int lengthMs)
{
    std::vector<WordTime> out;
    if (check.path.empty())
        return out;
    int floor = 0;
    for (const WordTime& w : reference) {
        int start = int(std::lround(Meet(check.path, w.startMs / 1000.0) * 1000));
        int end = int(std::lround(Meet(check.path, w.endMs / 1000.0) * 1000));
        start = std::clamp(start, floor, std::max(floor, lengthMs - kLeastWordMs));
        end = std::clamp(end, start + kLeastWordMs, std::max(start + kLeastWordMs, lengthMs));
        out.push_back({start, end});
        floor = end;
    }
    return out;
}

Analysis AnalyseForWords(const sound::Pcm& pcm)
{
    const int factor = pcm.rate > kWordsRate ? pcm.rate / kWordsRate : 1;
    if (factor == 1 && pcm.channels == 1)
        return Analyse(pcm);
    sound::Pcm reduced;
    reduced.rate = pcm.rate / factor;
    reduced.channels = 1;
    const size_t frames = pcm.Frames(), channels = size_t(std::max(pcm.channels, 1)), step = size_t(factor);
    reduced.samples.reserve(frames / step);
    for (size_t f = 0; f + step <= frames; f += step) {
        float sum = 0;
        for (size_t k = 0; k < step * channels; ++k)
            sum += pcm.samples[f * channels + k];
        reduced.samples.push_back(sum / float(step * channels));
    }
    return Analyse(reduced);
}

bool EstimateWordTimes(const Analysis& spoken, const std::vector<WordTime>& spokenTimes,
                       const Analysis& recording, std::vector<WordTime>* times, std::string* why)
{
    times->clear();
    if (recording.Count() == 0) {
        *why = "it holds no voice";
        return false;
    }
    const CheckResult check = AlignOnly(spoken, recording, kStep);
    if (check.path.empty() || !std::isfinite(check.closeness) || check.closeness > kMostUnlike) {
        *why = "it is too unlike the aya's text spoken";
        return false;
    }
    *times = CarryAcross(check, spokenTimes, int(std::lround(recording.seconds * 1000)));
    return true;
}

} // namespace listen
