// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording_take.h"

#include <algorithm>
#include <cmath>

RecordingTake::RecordingTake(const TakeRules& rules) : rules_(rules)
{
    rules_.rate = std::max(rules_.rate, 1000);
}

void RecordingTake::Add(const int16_t* samples, size_t count)
{
    const size_t cap = size_t(rules_.maxSeconds * rules_.rate);
    count = std::min(count, cap - std::min(cap, samples_.size()));
    samples_.insert(samples_.end(), samples, samples + count);
    const size_t window = Window();
    while (measured_ + window <= samples_.size()) {
        double energy = 0;
        for (size_t k = measured_; k < measured_ + window; ++k) {
            const double v = samples_[k] / 32768.0;
            energy += v * v;
        }
        level_ = std::sqrt(energy / double(window));
        const long index = long(measured_ / window);
        if (level_ >= rules_.speechLevel) {
            if (firstVoiced_ < 0)
                firstVoiced_ = index;
            lastVoiced_ = index;
        }
        measured_ += window;
    }
}

bool RecordingTake::Done() const
{
    const double seconds = Seconds();
    if (seconds >= rules_.maxSeconds - 1e-9)
        return true;
    if (!HeardVoice())
        return seconds >= rules_.waitForVoice;
    const double quietSince = double(lastVoiced_ + 1) * double(Window()) / rules_.rate;
    return double(measured_) / rules_.rate - quietSince >= rules_.endQuiet;
}

std::vector<int16_t> RecordingTake::Trimmed() const
{
    if (!HeardVoice())
        return {};
    const long margin = long(rules_.margin * rules_.rate);
    const long window = long(Window());
    const long from = std::max(0L, firstVoiced_ * window - margin);
    const long to = std::min(long(samples_.size()), (lastVoiced_ + 1) * window + margin);
    return std::vector<int16_t>(samples_.begin() + from, samples_.begin() + to);
}
