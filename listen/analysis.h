// SPDX-License-Identifier: GPL-3.0-or-later
// A recording taken apart for the listening check: where its voice is, found against its own noise
// floor in the band where speech is heard (300-3400 Hz, so that hum and most of a room's rumble stay
// outside), and the spectra of that voice up to where it stands above its noise, from which features
// are drawn for one pair of recordings at a time, in the band both hold. No Qt.
#pragma once

#include "sound.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace listen
{

// Seconds per frame.
constexpr double kFrameSeconds = 0.01;
// Mel bands in the speech band, and the cepstral coefficients drawn from them (c0, the loudness, is
// left out); each frame's features are the coefficients and whether the frame is voice.
constexpr int kBands = 24;
constexpr int kCoefficients = 5;
constexpr int kDims = kCoefficients + 1;

// The voice of one recording: its band spectra from the first voiced frame to the last.
struct Analysis {
    int rate = 0;
    double seconds = 0;             // the whole recording's length
    double lead = 0;                // seconds before the first voiced frame
    double binHz = 0;               // the width of one stored spectrum bin
    double firstHz = 0;             // the centre of the first
    int bins = 0;                   // stored bins per frame
    std::vector<uint16_t> power;    // bins values per frame: power spectrum, the speech band and a margin,
                                    // each in 1/256 dB steps from -160 dB (see analysis.cpp)
    std::vector<float> noise;       // bins values: the power of the recording's noise floor, per bin
    std::vector<char> voiced;       // per frame: stands clearly above the noise floor
    double topHz = 0;               // where the voice's spectrum sinks into the noise, or the kept bins end
    double loud = 0;                // the band power of the loud frames (their 95th percentile), linear
    double floorDb = 0, loudDb = 0; // the noise floor's and the loud frames' band level, dB full scale
    size_t Count() const { return voiced.size(); }
    double VoicedSeconds() const;
};

// Takes pcm (any rate, any channels) apart. An empty result (Count() 0) when it holds no voice, or
// when aubio cannot be loaded.
Analysis Analyse(const sound::Pcm& pcm);

// Features of a recording, frame by frame.
struct Features {
    int dims = 0;
    std::vector<float> frames; // dims values per frame
    std::vector<char> voiced;
    double lead = 0;
    double seconds = 0;
    size_t Count() const { return dims > 0 ? frames.size() / size_t(dims) : 0; }
};

// How two recordings are read alike: in the band that both hold (a telephone's ends at 3400 Hz, a
// laptop's microphone's higher), over a floor per mel band under which they are not told apart:
// relative to each recording's loud level, the higher of the two recordings' noise, so that what one's
// noise hides is hidden in both.
struct PairBand {
    double highHz = 0;
    std::vector<double> floor; // per mel band, a share of the loud level
};

// The band and floor of a and b, b's frequencies read at warpB times (see MakeFeatures).
PairBand ForPair(const Analysis& a, const Analysis& b, double warpB);

// The features of an analysis: log mel energies over the floor (relative to its loud level), their
// cepstrum's first coefficients (the shape of the spectrum, not its fine detail, which the speaker's
// pitch makes), smoothed over 20 ms, each mapped by rank over the voice to a standard normal
// distribution, and one more that is +1 for voice and -1 for a pause. The mel bands are read at warp
// times their frequency, so that one speaker's formants meet another's. step keeps every step-th frame
// only (1 keeps all). coefficients: how many (c1 on), for a finer or coarser reading.
Features MakeFeatures(const Analysis& analysis, const PairBand& band, double warp, int step = 1,
                      int coefficients = kCoefficients);

} // namespace listen
