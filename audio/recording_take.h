// SPDX-License-Identifier: GPL-3.0-or-later
// One take of the learner reciting: the rules that say when their voice began, when the take is over
// (a few seconds of quiet after the voice, a length cap, or no voice at all for a while), and which part
// of it is kept (the voice, without the quiet before and after it, a short margin left on each side).
// Plain rules on samples; the recorder feeds it what the microphone gave.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct TakeRules {
    int rate = 44100;
    double speechLevel = 0.02;  // the loudness (RMS of full scale) of a 20 ms window that counts as voice
    double endQuiet = 3.0;      // seconds of quiet after the voice that end the take
    double waitForVoice = 10.0; // seconds with no voice at all that end it, empty
    double maxSeconds = 120.0;  // the longest take
    double margin = 0.15;       // seconds kept before the first and after the last voiced window
};

class RecordingTake
{
  public:
    explicit RecordingTake(const TakeRules& rules = TakeRules());

    void Add(const int16_t* samples, size_t count);
    void Add(const std::vector<int16_t>& samples) { Add(samples.data(), samples.size()); }
    // The take is over: quiet after the voice, the cap reached, or no voice for too long.
    bool Done() const;
    bool HeardVoice() const { return firstVoiced_ >= 0; }
    // The loudness of the latest window, 0 to 1, for a level meter.
    double Level() const { return level_; }
    double Seconds() const { return double(samples_.size()) / rules_.rate; }
    // The voice with its margins; empty when no voice was heard.
    std::vector<int16_t> Trimmed() const;

  private:
    size_t Window() const { return size_t(rules_.rate / 50); }

    TakeRules rules_;
    std::vector<int16_t> samples_;
    size_t measured_ = 0;   // samples already judged, in whole windows
    long firstVoiced_ = -1; // the first voiced window
    long lastVoiced_ = -1;  // the last voiced window
    double level_ = 0;
};
