// SPDX-License-Identifier: GPL-3.0-or-later
// The speed stage of the streaming path: a decoder's audio played faster or slower with its pitch kept,
// by Rubber Band's R3 ("finer") engine in real-time mode. Positions stay in the recording's own time:
// every output frame stands for `speed` frames of the recording.
#pragma once

#include "decoder.h"

#include <memory>
#include <vector>

namespace RubberBand
{
class RubberBandStretcher;
}

namespace sound
{

class Stretch
{
  public:
    // R3 ("finer") is what the player uses; R2 ("faster") is there to measure against.
    enum class Engine { Finer, Faster };
    Stretch(int rate, int channels, double speed, Engine engine = Engine::Finer);
    ~Stretch();
    Stretch(const Stretch&) = delete;
    Stretch& operator=(const Stretch&) = delete;

    double Speed() const { return speed_; }
    // Fills out with up to frames frames of interleaved 16-bit audio, reading decoder as needed.
    // Returns the frames written; 0 once the decoder's audio has all come out.
    size_t Read(Decoder& decoder, int16_t* out, size_t frames);
    // Forgets what was fed in, as a seek needs.
    void Reset();

  private:
    void Prime();

    std::unique_ptr<RubberBand::RubberBandStretcher> stretcher_;
    int channels_;
    double speed_;
    size_t skip_ = 0;  // output frames still to drop: the stretcher's start delay
    bool fed_ = false; // the decoder's last frame has gone in
    std::vector<int16_t> input_;
    std::vector<std::vector<float>> planes_;
};

} // namespace sound
