// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_sound.h"

#include "sound.h"

#include <algorithm>
#include <cmath>

// A soft two-note chime of about 1.6 s: a fifth, each note with a gentle attack and a long decay.
std::vector<char> TestSound()
{
    sound::Pcm pcm;
    pcm.rate = 44100;
    pcm.channels = 1;
    const int frames = pcm.rate * 16 / 10;
    pcm.samples.resize(size_t(frames));
    const double notes[2][2] = {{523.25, 0.0}, {783.99, 0.35}}; // C5, then G5; start in seconds
    for (int i = 0; i < frames; ++i) {
        const double t = double(i) / pcm.rate;
        double v = 0;
        for (const auto& n : notes) {
            const double u = t - n[1];
            if (u < 0)
                continue;
            const double envelope = std::min(1.0, u / 0.015) * std::exp(-u * 2.6);
            v += envelope * (std::sin(2 * M_PI * n[0] * u) + 0.3 * std::sin(4 * M_PI * n[0] * u));
        }
        const double fadeOut = std::min(1.0, (frames - i) / (0.05 * pcm.rate));
        pcm.samples[size_t(i)] = float(0.3 * v * fadeOut);
    }
    std::vector<char> ogg;
    if (sound::EncodeOggVorbis(pcm, 0.5, &ogg) != sound::Ok)
        ogg.clear();
    return ogg;
}
