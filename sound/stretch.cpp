// SPDX-License-Identifier: GPL-3.0-or-later
#include "stretch.h"

#include "vector_state.h"

#include "rubberband_library.h"

#include <algorithm>
#include <cmath>

namespace sound
{

namespace
{

constexpr size_t kFeedFrames = 1024; // frames read from the decoder at a time

int16_t ToSample(float v) { return int16_t(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f)); }

} // namespace

// The pitch scale stays 1.0 and only the time ratio moves, so none of the pitch options: the library's
// high-consistency pitch method cost a quarter of the stage at 0.75x (bench_speed RubberBandStage, 1.68%
// of a core against 1.23%) for pitch changes Varnel never makes.
Stretch::Stretch(int rate, int channels, double speed, Engine engine)
    : stretcher_(RubberBandLibrary()->create(
          unsigned(rate), unsigned(channels),
          RubberBandOptionProcessRealTime |
              (engine == Engine::Finer ? RubberBandOptionEngineFiner : RubberBandOptionEngineFaster),
          1.0 / speed, 1.0)),
      channels_(channels), speed_(speed), planes_(size_t(channels))
{
    Prime();
}

bool Stretch::Available() { return RubberBandLibrary() != nullptr; }

void Stretch::Destroy::operator()(RubberBandState_* state) const { RubberBandLibrary()->destroy(state); }

Stretch::~Stretch() = default;

void Stretch::Prime()
{
    // The stretcher wants a little silence before the first frame, and delays its output by as much:
    // fed and dropped, the recording's first frame is the output's first.
    const size_t pad = RubberBandLibrary()->preferredStartPad(stretcher_.get());
    for (auto& plane : planes_)
        plane.assign(pad, 0.0f);
    std::vector<const float*> in;
    for (auto& plane : planes_)
        in.push_back(plane.data());
    if (pad > 0)
        RubberBandLibrary()->process(stretcher_.get(), in.data(), unsigned(pad), 0);
    skip_ = RubberBandLibrary()->startDelay(stretcher_.get());
    fed_ = false;
    fedFrames_ = 0;
    producedFrames_ = 0;
    held_ = 0;
    marks_.clear();
    marksPassed_ = 0;
}

void Stretch::Mark(int64_t inputFrame)
{
    // The output runs at 1/speed of the input's pace, its start delay dropped: input frame f comes out
    // at output frame f / speed.
    marks_.push_back(int64_t(std::llround(double(inputFrame) / speed_)));
}

size_t Stretch::Read(Decoder& decoder, int16_t* out, size_t frames)
{
    return Read(
        [&decoder](int16_t* to, size_t n, bool* ended) {
            const size_t got = decoder.Read(to, n);
            *ended = got < n;
            return got;
        },
        out, frames);
}

void Stretch::Reset()
{
    RubberBandLibrary()->reset(stretcher_.get());
    Prime();
}

size_t Stretch::Read(const Source& source, int16_t* out, size_t frames)
{
    ClearUpperVectorState();
    size_t done = 0;
    std::vector<float*> outPlanes(planes_.size());
    while (done < frames) {
        // A segment begins here: this read ends with the one before, the next starts with it.
        if (!marks_.empty() && producedFrames_ >= marks_.front()) {
            if (done > 0)
                break;
            marks_.pop_front();
            ++marksPassed_;
            continue;
        }
        size_t wanted = frames - done;
        if (!marks_.empty())
            wanted = std::min<size_t>(wanted, size_t(marks_.front() - producedFrames_));
        // After the end has gone in, the stretcher pads its last block with silence: what the input
        // makes at this speed is all that comes out.
        if (fed_) {
            const int64_t total = int64_t(std::llround(double(fedFrames_) / speed_));
            if (producedFrames_ >= total)
                break;
            wanted = std::min<size_t>(wanted, size_t(total - producedFrames_));
        }
        const int available = RubberBandLibrary()->available(stretcher_.get());
        if (available > 0) {
            const size_t n = std::min(size_t(available), skip_ + wanted);
            for (size_t c = 0; c < size_t(channels_); ++c) {
                planes_[c].resize(n);
                outPlanes[c] = planes_[c].data();
            }
            const size_t got = RubberBandLibrary()->retrieve(stretcher_.get(), outPlanes.data(), unsigned(n));
            size_t from = std::min(skip_, got);
            skip_ -= from;
            const size_t keep = std::min(got - from, wanted);
            for (size_t i = 0; i < keep; ++i)
                for (size_t c = 0; c < size_t(channels_); ++c)
                    out[(done + i) * size_t(channels_) + c] = ToSample(planes_[c][from + i]);
            done += keep;
            producedFrames_ += int64_t(keep);
            continue;
        }
        if (available < 0 || fed_) {
            // All of it has come out (or is still on its way and comes at the next read). Marks the output
            // never reached (the stretcher's last frames fall short of them) are passed now.
            if (available < 0 && done == 0 && !marks_.empty()) {
                marks_.pop_front();
                ++marksPassed_;
                continue;
            }
            break;
        }
        // Frames taken before but held back (the source had no more then) go in first: the last block
        // must go in with the end, never as an empty final block, which the stretcher would not flush.
        input_.resize(kFeedFrames * size_t(channels_));
        bool ended = false;
        const size_t got = source(input_.data() + held_, kFeedFrames - held_, &ended);
        fedFrames_ += int64_t(got);
        const size_t frames = held_ + got;
        if (!ended && frames < kFeedFrames) {
            held_ = frames;
            break; // nothing more for now: it comes out when more follows, or at the end
        }
        held_ = 0;
        for (size_t c = 0; c < size_t(channels_); ++c) {
            planes_[c].resize(frames);
            for (size_t i = 0; i < frames; ++i)
                planes_[c][i] = input_[i * size_t(channels_) + c] / 32768.0f;
        }
        std::vector<const float*> in;
        for (auto& plane : planes_)
            in.push_back(plane.data());
        fed_ = ended;
        RubberBandLibrary()->process(stretcher_.get(), in.data(), unsigned(frames), fed_ ? 1 : 0);
    }
    return done;
}

} // namespace sound
