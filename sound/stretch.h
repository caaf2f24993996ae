// SPDX-License-Identifier: GPL-3.0-or-later
// The speed stage of the streaming path: a decoder's audio played faster or slower with its pitch kept,
// by Rubber Band's R3 ("finer") engine in real-time mode. Positions stay in the recording's own time:
// every output frame stands for `speed` frames of the recording.
#pragma once

#include "decoder.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

struct RubberBandState_;

namespace sound
{

class Stretch
{
  public:
    // R3 ("finer") is what the player uses; R2 ("faster") is there to measure against.
    enum class Engine { Finer, Faster };
    Stretch(int rate, int channels, double speed, Engine engine = Engine::Finer);
    // Whether Rubber Band can be loaded; without it no stage is made and recitations play at 1.0.
    static bool Available();
    ~Stretch();
    Stretch(const Stretch&) = delete;
    Stretch& operator=(const Stretch&) = delete;

    // The stage's input: up to frames frames into out. Fewer when it has no more for now; *ended says
    // whether more can ever come (only then does the stretcher give out its last frames). While it reads
    // it may go on into another segment (the next pass, the next sound), saying so with Mark().
    using Source = std::function<size_t(int16_t* out, size_t frames, bool* ended)>;

    double Speed() const { return speed_; }
    // Fills out with up to frames frames of interleaved 16-bit audio, reading the source as needed; the
    // stretcher runs on across segments, so nothing is lost or inserted between them. A read stops where
    // a marked segment begins in the output; the next read starts with it. Returns the frames written:
    // fewer than asked while the source has no more for now, 0 once its audio has all come out.
    size_t Read(const Source& source, int16_t* out, size_t frames);
    size_t Read(Decoder& decoder, int16_t* out, size_t frames);
    // A new segment of the input begins at input frame inputFrame (counted since the last Reset).
    void Mark(int64_t inputFrame);
    // Marks the output has reached since the last Reset: the segment the next read's frames belong to.
    int MarksPassed() const { return marksPassed_; }
    // Frames fed in, and frames given out, since the last Reset.
    int64_t InputFrames() const { return fedFrames_; }
    int64_t OutputFrames() const { return producedFrames_; }
    // True once the source's end has gone in: nothing more can follow.
    bool Finished() const { return fed_; }
    // Forgets what was fed in, as a seek needs.
    void Reset();

  private:
    void Prime();

    struct Destroy {
        void operator()(RubberBandState_* state) const;
    };
    std::unique_ptr<RubberBandState_, Destroy> stretcher_;
    int channels_;
    double speed_;
    size_t skip_ = 0;  // output frames still to drop: the stretcher's start delay
    bool fed_ = false; // the source's last frame has gone in
    int64_t fedFrames_ = 0;
    int64_t producedFrames_ = 0;
    std::deque<int64_t> marks_; // output frames where marked segments begin, not yet reached
    int marksPassed_ = 0;
    std::vector<int16_t> input_; // a block of the source's frames; its first held_ are held back
    size_t held_ = 0;
    std::vector<std::vector<float>> planes_;
};

} // namespace sound
