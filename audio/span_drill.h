// SPDX-License-Identifier: GPL-3.0-or-later
// SpanDrill plays one stretch of an aya's recording once, as when a learner hears again the words a
// check found left out. It is played aside: afterwards the learner's drill comes back.
#pragma once

#include "drill.h"

#include <string>
#include <vector>

class SpanDrill : public Drill
{
    Q_OBJECT
  public:
    explicit SpanDrill(std::unique_ptr<AyaPlayer> player = nullptr);

    // The stretch, in milliseconds of the recording, of the next aya given.
    void SetSpan(int startMs, int endMs);
    int SpanStart() const { return start_; }
    int SpanEnd() const { return end_; }

    // The first aya given is the one played.
    void SetAyas(const std::vector<AyaRef>& ayas) override;
    bool Empty() const override { return !key_.Valid() || end_ <= start_; }
    void Play() override;
    void NextOne() override {}
    void PrevOne() override {}
    int GoTo(int at, bool play) override;
    // Repeat, pause and loop do not apply: the stretch plays once.
    void Apply(const DrillOptions& options) override;
    bool CountsRepetitions() const override { return false; }
    std::string Where(const DrillPlace& place) const override;

  private:
    AyaRef key_;
    int start_ = 0;
    int end_ = 0;
};
