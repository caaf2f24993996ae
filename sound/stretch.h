// SPDX-License-Identifier: GPL-3.0-or-later
// The speed stage of the streaming path: a decoder's audio played faster or slower with its pitch kept,
// by SoundTouch's time stretch (overlap-add of the waveform's best-matching pieces, tuned for speech).
// Rubber Band's engines can stand in its place, to be measured against. Positions stay in the
// recording's own time: every output frame stands for `speed` frames of the recording.
#pragma once

#include "decoder.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace sound
{

class Stretcher;

class Stretch
{
  public:
    // SoundTouch is what the player uses; Rubber Band's R3 ("finer") and R2 ("faster") are there to
    // measure against.
    enum class Engine { SoundTouch, Finer, Faster };
    // The engine's library must be loaded (Available).
    Stretch(int rate, int channels, double speed, Engine engine = Engine::SoundTouch);
    // Whether the engine's library can be loaded; without the player's no stage is made and recitations
    // play at 1.0.
    static bool Available(Engine engine = Engine::SoundTouch);
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

    std::unique_ptr<Stretcher> stretcher_;
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
    std::vector<int16_t> output_; // frames retrieved, before the start delay is dropped
};

} // namespace sound
