// SPDX-License-Identifier: GPL-3.0-or-later
#include "stretch.h"

#include <rubberband/RubberBandStretcher.h>

#include <algorithm>
#include <cmath>

namespace sound
{

namespace
{

constexpr size_t kFeedFrames = 1024; // frames read from the decoder at a time

int16_t ToSample(float v) { return int16_t(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f)); }

} // namespace

Stretch::Stretch(int rate, int channels, double speed, Engine engine)
    : stretcher_(std::make_unique<RubberBand::RubberBandStretcher>(
          size_t(rate), size_t(channels),
          RubberBand::RubberBandStretcher::OptionProcessRealTime |
              (engine == Engine::Finer ? RubberBand::RubberBandStretcher::OptionEngineFiner
                                       : RubberBand::RubberBandStretcher::OptionEngineFaster) |
              RubberBand::RubberBandStretcher::OptionPitchHighConsistency,
          1.0 / speed, 1.0)),
      channels_(channels), speed_(speed), planes_(size_t(channels))
{
    Prime();
}

Stretch::~Stretch() = default;

void Stretch::Prime()
{
    // The stretcher wants a little silence before the first frame, and delays its output by as much:
    // fed and dropped, the recording's first frame is the output's first.
    const size_t pad = stretcher_->getPreferredStartPad();
    for (auto& plane : planes_)
        plane.assign(pad, 0.0f);
    std::vector<const float*> in;
    for (auto& plane : planes_)
        in.push_back(plane.data());
    if (pad > 0)
        stretcher_->process(in.data(), pad, false);
    skip_ = stretcher_->getStartDelay();
    fed_ = false;
}

void Stretch::Reset()
{
    stretcher_->reset();
    Prime();
}

size_t Stretch::Read(Decoder& decoder, int16_t* out, size_t frames)
{
    size_t done = 0;
    std::vector<float*> outPlanes(planes_.size());
    while (done < frames) {
        const int available = stretcher_->available();
        if (available > 0) {
            const size_t n = std::min(size_t(available), skip_ + (frames - done));
            for (size_t c = 0; c < size_t(channels_); ++c) {
                planes_[c].resize(n);
                outPlanes[c] = planes_[c].data();
            }
            const size_t got = stretcher_->retrieve(outPlanes.data(), n);
            size_t from = std::min(skip_, got);
            skip_ -= from;
            const size_t keep = std::min(got - from, frames - done);
            for (size_t i = 0; i < keep; ++i)
                for (size_t c = 0; c < size_t(channels_); ++c)
                    out[(done + i) * size_t(channels_) + c] = ToSample(planes_[c][from + i]);
            done += keep;
            continue;
        }
        if (available < 0 || fed_)
            break; // all of it has come out (or is still on its way and comes at the next read)
        input_.resize(kFeedFrames * size_t(channels_));
        const size_t got = decoder.Read(input_.data(), kFeedFrames);
        for (size_t c = 0; c < size_t(channels_); ++c) {
            planes_[c].resize(got);
            for (size_t i = 0; i < got; ++i)
                planes_[c][i] = input_[i * size_t(channels_) + c] / 32768.0f;
        }
        std::vector<const float*> in;
        for (auto& plane : planes_)
            in.push_back(plane.data());
        fed_ = got < kFeedFrames;
        stretcher_->process(in.data(), got, fed_);
    }
    return done;
}

} // namespace sound
