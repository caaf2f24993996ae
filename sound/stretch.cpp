// SPDX-License-Identifier: GPL-3.0-or-later
#include "stretch.h"

#include "vector_state.h"

#include "rubberband_library.h"
#include "soundtouch_library.h"

#include <algorithm>
#include <cmath>

namespace sound
{

// What the stage asks of a stretcher library: interleaved 16-bit frames in and out.
class Stretcher
{
  public:
    virtual ~Stretcher() = default;
    // Frames of silence it wants before the first frame, and the output frames to drop at the start (what
    // stands for that silence and its own delay): then the recording's first frame is the output's first.
    virtual size_t StartPad() = 0;
    virtual size_t StartDelay() = 0;
    // last: the source's end goes in with these frames; the stretcher gives out all it holds.
    virtual void Process(const int16_t* frames, size_t count, bool last) = 0;
    // Frames ready to retrieve; -1 once everything has come out after the end went in.
    virtual int Available() = 0;
    virtual size_t Retrieve(int16_t* out, size_t frames) = 0;
    virtual void Reset() = 0;
};

namespace
{

constexpr size_t kFeedFrames = 1024; // frames read from the decoder at a time

int16_t ToSample(float v) { return int16_t(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f)); }

// SoundTouch, with the pieces it matches and overlaps sized for speech rather than music (its defaults):
// 40 ms pieces, each placed where it best continues the last within 15 ms, faded into it over 8 ms.
class SoundTouchStretcher : public Stretcher
{
  public:
    SoundTouchStretcher(int rate, int channels, double speed)
        : st_(SoundTouchLibrary()), handle_(st_->create())
    {
        st_->setSampleRate(handle_, unsigned(rate));
        st_->setChannels(handle_, unsigned(channels));
        st_->setTempo(handle_, float(speed));
        st_->setSetting(handle_, kSoundTouchSequenceMs, 40);
        st_->setSetting(handle_, kSoundTouchSeekWindowMs, 15);
        st_->setSetting(handle_, kSoundTouchOverlapMs, 8);
    }
    ~SoundTouchStretcher() override { st_->destroy(handle_); }
    SoundTouchStretcher(const SoundTouchStretcher&) = delete;
    SoundTouchStretcher& operator=(const SoundTouchStretcher&) = delete;

    size_t StartPad() override { return 0; }
    size_t StartDelay() override { return 0; }
    void Process(const int16_t* frames, size_t count, bool last) override
    {
        if (count > 0)
            st_->putSamples(handle_, frames, unsigned(count));
        if (last) {
            st_->flush(handle_);
            flushed_ = true;
        }
    }
    int Available() override
    {
        const unsigned ready = st_->numSamples(handle_);
        return ready == 0 && flushed_ ? -1 : int(ready);
    }
    size_t Retrieve(int16_t* out, size_t frames) override
    {
        return st_->receiveSamples(handle_, out, unsigned(frames));
    }
    void Reset() override
    {
        st_->clear(handle_);
        flushed_ = false;
    }

  private:
    const SoundTouchFunctions* st_;
    SoundTouchHandle handle_;
    bool flushed_ = false;
};

// Rubber Band in real-time mode. The pitch scale stays 1.0 and only the time ratio moves, so none of the
// pitch options: the library's high-consistency pitch method cost a quarter of R3 at 0.75x for pitch
// changes Varnel never makes.
class RubberBandStretcher : public Stretcher
{
  public:
    RubberBandStretcher(int rate, int channels, double speed, bool finer)
        : rb_(RubberBandLibrary()),
          state_(rb_->create(unsigned(rate), unsigned(channels),
                             RubberBandOptionProcessRealTime |
                                 (finer ? RubberBandOptionEngineFiner : RubberBandOptionEngineFaster),
                             1.0 / speed, 1.0)),
          planes_(size_t(channels))
    {
    }
    ~RubberBandStretcher() override { rb_->destroy(state_); }
    RubberBandStretcher(const RubberBandStretcher&) = delete;
    RubberBandStretcher& operator=(const RubberBandStretcher&) = delete;

    size_t StartPad() override { return rb_->preferredStartPad(state_); }
    size_t StartDelay() override { return rb_->startDelay(state_); }
    void Process(const int16_t* frames, size_t count, bool last) override
    {
        std::vector<const float*> in;
        for (size_t c = 0; c < planes_.size(); ++c) {
            planes_[c].resize(count);
            for (size_t i = 0; i < count; ++i)
                planes_[c][i] = frames[i * planes_.size() + c] / 32768.0f;
            in.push_back(planes_[c].data());
        }
        rb_->process(state_, in.data(), unsigned(count), last ? 1 : 0);
    }
    int Available() override { return rb_->available(state_); }
    size_t Retrieve(int16_t* out, size_t frames) override
    {
        std::vector<float*> to;
        for (auto& plane : planes_) {
            plane.resize(frames);
            to.push_back(plane.data());
        }
        const size_t got = rb_->retrieve(state_, to.data(), unsigned(frames));
        for (size_t i = 0; i < got; ++i)
            for (size_t c = 0; c < planes_.size(); ++c)
                out[i * planes_.size() + c] = ToSample(planes_[c][i]);
        return got;
    }
    void Reset() override { rb_->reset(state_); }

  private:
    const RubberBandFunctions* rb_;
    RubberBandState state_;
    std::vector<std::vector<float>> planes_;
};

} // namespace

Stretch::Stretch(int rate, int channels, double speed, Engine engine) : channels_(channels), speed_(speed)
{
    if (engine == Engine::SoundTouch)
        stretcher_ = std::make_unique<SoundTouchStretcher>(rate, channels, speed);
    else
        stretcher_ = std::make_unique<RubberBandStretcher>(rate, channels, speed, engine == Engine::Finer);
    Prime();
}

bool Stretch::Available(Engine engine)
{
    return engine == Engine::SoundTouch ? SoundTouchLibrary() != nullptr : RubberBandLibrary() != nullptr;
}

Stretch::~Stretch() = default;

void Stretch::Prime()
{
    // A stretcher may want a little silence before the first frame, and delay its output by as much:
    // fed and dropped, the recording's first frame is the output's first.
    if (const size_t pad = stretcher_->StartPad(); pad > 0) {
        const std::vector<int16_t> silence(pad * size_t(channels_), 0);
        stretcher_->Process(silence.data(), pad, false);
    }
    skip_ = stretcher_->StartDelay();
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
    stretcher_->Reset();
    Prime();
}

size_t Stretch::Read(const Source& source, int16_t* out, size_t frames)
{
    ClearUpperVectorState();
    size_t done = 0;
    const size_t channels = size_t(channels_);
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
        const int available = stretcher_->Available();
        if (available > 0) {
            // Straight into out once the start delay is behind; through a buffer while it is dropped.
            const size_t n = std::min(size_t(available), skip_ + wanted);
            int16_t* to = out + done * channels;
            if (skip_ > 0) {
                output_.resize(n * channels);
                to = output_.data();
            }
            const size_t got = stretcher_->Retrieve(to, n);
            const size_t from = std::min(skip_, got);
            skip_ -= from;
            const size_t keep = std::min(got - from, wanted);
            if (to != out + done * channels)
                std::copy_n(to + from * channels, keep * channels, out + done * channels);
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
        input_.resize(kFeedFrames * channels);
        bool ended = false;
        const size_t got = source(input_.data() + held_, kFeedFrames - held_, &ended);
        fedFrames_ += int64_t(got);
        const size_t frames = held_ + got;
        if (!ended && frames < kFeedFrames) {
            held_ = frames;
            break; // nothing more for now: it comes out when more follows, or at the end
        }
        held_ = 0;
        fed_ = ended;
        stretcher_->Process(input_.data(), frames, fed_);
    }
    return done;
}

} // namespace sound
