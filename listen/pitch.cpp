// SPDX-License-Identifier: GPL-3.0-or-later
#include "pitch.h"

#include "aubio_library.h"

#include <algorithm>
#include <cmath>

namespace listen
{
namespace
{

// Where aubio's confidence in a value (0 to 1) is below this, the frame is a gap: on espeak-ng's and
// recorded speech, voiced frames sit above 0.85 and breaths and fricatives mostly below 0.6.
constexpr float kSureEnough = 0.8f;
// Quieter than this (dB of full scale) is silence, whatever the follower finds in it.
constexpr float kSilenceDb = -45;
// The window the pitch is read over: two periods of the lowest pitch followed, and a power of two for
// the fast YIN's FFT.
uint_t WindowFor(int rate)
{
    uint_t window = 256;
    while (window < uint_t(2.0 * rate / kLowestPitch))
        window *= 2;
    return window;
}

} // namespace

std::vector<float> PitchContour(const sound::Pcm& pcm)
{
    if (pcm.rate <= 0 || pcm.channels <= 0 || pcm.samples.empty())
        return {};
    const uint_t hop = std::max<uint_t>(1, uint_t(std::lround(pcm.rate * kPitchSeconds)));
    const uint_t window = WindowFor(pcm.rate);
    const AubioFunctions* aubio = Aubio();
    if (!aubio)
        return {};
    aubio_pitch_t* follower = aubio->newPitch(const_cast<char_t*>("yinfast"), window, hop, uint_t(pcm.rate));
    if (!follower)
        return {};
    aubio->pitchSetUnit(follower, const_cast<char_t*>("Hz"));
    aubio->pitchSetSilence(follower, kSilenceDb);
    fvec_t* in = aubio->newFvec(hop);
    fvec_t* out = aubio->newFvec(1);
    const size_t frames = pcm.Frames();
    std::vector<float> contour;
    contour.reserve(frames / hop + 1);
    for (size_t start = 0; start < frames; start += hop) {
        for (uint_t i = 0; i < hop; ++i) {
            float sum = 0;
            if (start + i < frames)
                for (int c = 0; c < pcm.channels; ++c)
                    sum += pcm.samples[(start + i) * size_t(pcm.channels) + size_t(c)];
            in->data[i] = sum / float(pcm.channels);
        }
        aubio->pitchDo(follower, in, out);
        const float hz = out->data[0];
        const bool sure = aubio->pitchGetConfidence(follower) >= kSureEnough;
        contour.push_back(sure && hz >= kLowestPitch && hz <= kHighestPitch ? hz : 0.0f);
    }
    aubio->delFvec(out);
    aubio->delFvec(in);
    aubio->delPitch(follower);
    // aubio answers for the window that ends at each hop: the values move back by the window's lag so
    // that each stands at the time it describes.
    const size_t lag = (window - hop) / 2 / hop;
    if (lag > 0 && lag < contour.size()) {
        contour.erase(contour.begin(), contour.begin() + std::ptrdiff_t(lag));
        contour.resize(contour.size() + lag, 0.0f);
    }
    return contour;
}

bool Followable(const std::vector<float>& contour)
{
    // A fifth of the recording with a pitch: recitation is voiced for most of its length.
    const auto voiced = std::count_if(contour.begin(), contour.end(), [](float hz) { return hz > 0; });
    return !contour.empty() && voiced * 5 >= std::ptrdiff_t(contour.size());
}

float MedianPitch(const std::vector<float>& contour)
{
    std::vector<float> voiced;
    std::copy_if(contour.begin(), contour.end(), std::back_inserter(voiced), [](float hz) { return hz > 0; });
    if (voiced.empty())
        return 0;
    std::nth_element(voiced.begin(), voiced.begin() + std::ptrdiff_t(voiced.size() / 2), voiced.end());
    return voiced[voiced.size() / 2];
}

} // namespace listen
