// SPDX-License-Identifier: GPL-3.0-or-later
// Compare: for each aya of the lesson that the learner recorded, the reciter's recitation and then the
// learner's own, once each, with nothing between them where the two recordings share their rate and
// channels. With "mine only" it plays the learner's recordings alone ("Play mine"). Repeat, pause and
// loop are the other drills' business; speed applies to both voices.
#pragma once

#include "drill.h"

#include <functional>
#include <string>
#include <vector>

class CompareDrill : public ListDrill
{
    Q_OBJECT
  public:
    // Whether the learner recorded the aya.
    using Recorded = std::function<bool(AyaRef aya)>;

    explicit CompareDrill(std::unique_ptr<AyaPlayer> player = nullptr);

    void SetRecorded(Recorded recorded) { recorded_ = std::move(recorded); }
    void SetMineOnly(bool on) { mineOnly_ = on; }
    // Two entries for each recorded aya (one with mine only); none for an aya not recorded.
    void SetAyas(const std::vector<AyaRef>& ayas) override;
    // Plays (or stands at) the first entry of the aya at position at of the lesson's ayas.
    int GoTo(int at, bool play) override;
    void Apply(const DrillOptions& options) override;
    bool CountsRepetitions() const override { return false; }
    bool TellsRecorded() const override { return false; }
    std::string Where(const DrillPlace& place) const override;
    bool Empty() const { return keys_.empty(); }
    // Whether the entry playing (or next to play) is the learner's.
    bool MineNow() const;

  signals:
    // An entry began: the aya, and whose voice it is.
    void Turn(AyaRef aya, bool mine);

  protected:
    void Started(AyaRef aya, int index, int last) override;
    void Ended(AyaRef first) override;
    std::string EntrySound(size_t index) const override;

  private:
    Recorded recorded_;
    bool mineOnly_ = false;
    std::vector<AyaRef> ayas_;
    std::vector<bool> mine_; // for each entry: the learner's voice (else the reciter's)
};
