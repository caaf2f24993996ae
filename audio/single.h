// SPDX-License-Identifier: GPL-3.0-or-later
// Single repeats one part of an aya without end: its player plays the part in range mode, and each
// DoneR() starts the same part again. It waits on the aya shown: Next and Previous show the next or
// previous aya of the lesson with its part over the whole aya, and Play plays it. The player's
// position is relayed as CurSoundPos(ms).
#pragma once

#include "drill.h"

#include <string>
#include <vector>

class Single : public Drill
{
    Q_OBJECT
  public:
    explicit Single(std::unique_ptr<AyaPlayer> player = nullptr);

    AyaRef Key() const { return key_; }
    int PartStart() const { return partStart_; }
    int PartEnd() const { return partEnd_; }

    void SetAyas(const std::vector<AyaRef>& ayas) override;
    void Play() override { PlayRange(key_); }
    void NextOne() override { Show(at_ + 1); }
    void PrevOne() override { Show(at_ - 1); }
    // Shows the aya; it plays at the next Play().
    int GoTo(int at, bool play) override;
    void Follow(int at) override;
    // Repeat and loop do not apply: the part plays until the learner stops it.
    void Apply(const DrillOptions& options) override;
    std::string Where(const DrillPlace& place) const override;
    bool CountsRepetitions() const override { return false; }
    bool WaitsOnAya() const override { return true; }
    bool Empty() const override { return ayas_.empty(); }
    // Another recording of the aya shown (another recitation): the part is fitted to it again.
    void PackChanged() override { FitPart(false); }

    // The part over the whole of the aya shown, reported by PartChanged(); the part is fitted again
    // only when the recording's length changed since (another recitation), with force always.
    void FitPart(bool force = true);

  public slots:
    void PlayRange(AyaRef aya);
    int GetSoundLen(const std::string& name) { return Player()->GetLength(name); }
    void GetCurSoundPos(int ms) { emit CurSoundPos(ms); }
    // The part, in milliseconds of the recording.
    void SetRange(int start, int end);
    void Jump(int ms) { Player()->SetPos(ms); }

  signals:
    void SingleSuraAya(AyaRef aya);
    void CurSoundPos(int ms);
    // The part the boxes show, in a recording of length ms.
    void PartChanged(int startMs, int endMs, int lengthMs);

  private:
    void Show(int at);

    std::vector<AyaRef> ayas_;
    int at_ = 0;
    AyaRef key_;
    int partStart_ = 0;
    int partEnd_ = 0;
    int partLength_ = -1; // the length of the recording the part was last fitted to
};
