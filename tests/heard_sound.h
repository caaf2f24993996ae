// SPDX-License-Identifier: GPL-3.0-or-later
// What a test hears in the output written by OpenAL Soft's wave driver: bursts of sound, their
// frequency, and the quiet stretches inside a burst.
#pragma once

#include "sound.h"

#include <QList>
#include <QPair>
#include <QString>
#include <cmath>
#include <vector>

struct Burst {
    double start = 0, end = 0; // seconds from the start of the output
    double hz = 0;             // frequency estimated from zero crossings
};

// Bursts of sound louder than a whisper, at 10 ms resolution; gaps under 40 ms do not split a burst.
inline std::vector<Burst> Bursts(const sound::Pcm& pcm)
{
    const int window = pcm.rate / 100;
    std::vector<Burst> bursts;
    if (window <= 0)
        return bursts; // no audio was read
    bool in = false;
    int quiet = 0;
    long crossings = 0;
    for (size_t w = 0; (w + 1) * size_t(window) <= pcm.Frames(); ++w) {
        double energy = 0;
        long windowCrossings = 0;
        for (int i = 0; i < window; ++i) {
            const size_t f = w * size_t(window) + size_t(i);
            const float v = pcm.samples[f * size_t(pcm.channels)];
            energy += double(v) * v;
            if (f > 0 && (pcm.samples[(f - 1) * size_t(pcm.channels)] < 0) != (v < 0))
                ++windowCrossings;
        }
        const bool loud = std::sqrt(energy / window) > 0.02;
        const double t = double(w) / 100.0;
        if (loud) {
            if (!in) {
                bursts.push_back({t, t, 0});
                crossings = 0;
                in = true;
            }
            bursts.back().end = t + 0.01;
            crossings += windowCrossings;
            bursts.back().hz = crossings / 2.0 / (bursts.back().end - bursts.back().start);
            quiet = 0;
        } else if (in && ++quiet >= 4) {
            in = false;
        }
    }
    return bursts;
}

inline double Frequency(const sound::Pcm& pcm, double from, double to)
{
    const size_t first = size_t(from * pcm.rate), last = std::min(pcm.Frames(), size_t(to * pcm.rate));
    long rising = 0;
    double firstRise = -1, lastRise = -1;
    for (size_t f = first + 1; f < last; ++f) {
        const float a = pcm.samples[(f - 1) * size_t(pcm.channels)],
                    b = pcm.samples[f * size_t(pcm.channels)];
        if (a < 0 && b >= 0) {
            const double t = (double(f - 1) + a / (a - b)) / pcm.rate; // where the wave crosses zero
            if (firstRise < 0)
                firstRise = t;
            lastRise = t;
            ++rising;
        }
    }
    return rising > 1 ? (rising - 1) / (lastRise - firstRise) : 0;
}

// 5 ms windows below a whisper inside burst (its first 20 and last 30 ms left out).
inline int QuietWindows(const sound::Pcm& pcm, const Burst& burst)
{
    const int window = pcm.rate / 200;
    int quiet = 0;
    for (size_t from = size_t((burst.start + 0.02) * pcm.rate);
         from + size_t(window) < size_t((burst.end - 0.03) * pcm.rate); from += size_t(window)) {
        double energy = 0;
        for (int k = 0; k < window; ++k) {
            const float v = pcm.samples[(from + size_t(k)) * size_t(pcm.channels)];
            energy += double(v) * v;
        }
        quiet += std::sqrt(energy / window) < 0.02;
    }
    return quiet;
}

inline QString Describe(const std::vector<Burst>& bursts)
{
    QString s;
    for (const Burst& b : bursts)
        s += QString("[%1-%2s %3Hz] ").arg(b.start, 0, 'f', 2).arg(b.end, 0, 'f', 2).arg(int(b.hz));
    return s;
}

// The runs of one aya in burst, where aya n is heard as a tone of base + n * step Hz: each 10 ms is
// taken as the aya whose tone is nearest, and neighbours of one aya are joined (aya, seconds).
inline QList<QPair<int, double>> AyaRuns(const sound::Pcm& pcm, const Burst& burst, double base, double step)
{
    QList<QPair<int, double>> runs;
    for (double t = burst.start; t + 0.01 <= burst.end + 1e-9; t += 0.01) {
        const int aya = int(std::lround((Frequency(pcm, t, t + 0.01) - base) / step));
        if (runs.isEmpty() || runs.back().first != aya)
            runs.append({aya, 0.0});
        runs.back().second += 0.01;
    }
    return runs;
}

inline QString Describe(const QList<QPair<int, double>>& runs)
{
    QString text;
    for (const auto& run : runs)
        text += QString("%1:%2 ").arg(run.first).arg(run.second, 0, 'f', 2);
    return text;
}

// Seconds of pcm since its first sound louder than a whisper; -1 before any sound. Read off the output
// file while the wave driver writes it: how much of what was played is out.
inline double HeardSinceFirstSound(const sound::Pcm& pcm)
{
    if (pcm.rate <= 0)
        return -1;
    for (size_t f = 0; f < pcm.Frames(); ++f)
        if (std::abs(pcm.samples[f * size_t(pcm.channels)]) > 0.05f)
            return double(pcm.Frames() - f) / pcm.rate;
    return -1;
}
