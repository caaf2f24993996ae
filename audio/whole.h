// SPDX-License-Identifier: GPL-3.0-or-later
// Whole recites the ayas of a range of a sura one after another with its own player in whole mode, so
// each aya is repeated and paused as the player's settings say; the player's Done() moves it on. After
// the last aya it starts again (loop) or stops and reports WholeDone().
#pragma once

#include "drill.h"

#include <string>
#include <vector>

class Whole : public ListDrill
{
    Q_OBJECT
  public:
    explicit Whole(std::unique_ptr<AyaPlayer> player = nullptr);

    void SetAyas(const std::vector<AyaRef>& ayas) override { SetKeys(ayas); }
    int GoTo(int at, bool play) override;
    void SlideTo(int at) override { GoTo(at, true); }
    void ComeBack(int at) override { GoTo(at, false); }
    // Rebuilds the keys for ayas from..to of sura (empty when from > to); index 0; plays nothing.
    void GenerateWhole(const std::string& sura, int from, int to);
    void SetMin(int aya);
    void SetMax(int aya);
    // Plays the aya at position aya - 1 of the keys.
    void GoTo(int aya) { GoTo(aya - 1, true); }
    // Stops and makes position aya - 1 current without playing it: the next Play() starts there.
    void Cue(int aya) { GoTo(aya - 1, false); }

  signals:
    void WholeSuraAya(AyaRef aya);
    void WholeStat(int index, int last);
    void WholeDesc(const std::string& sura, const std::string& aya);
    void WholeDone();

  protected:
    Whole(std::string name, std::unique_ptr<AyaPlayer> player);
    void Started(AyaRef aya, int index, int last) override;
    void Ended(AyaRef first) override;

  private:
    std::string sura_;
    int from_ = 1;
    int to_ = 1;
};

// The review drill: whole-sura playback of the ayas under review, each played once, without pause or
// loop whatever the learner's settings; they stay as they are for the other drills.
class ReviewDrill : public Whole
{
    Q_OBJECT
  public:
    explicit ReviewDrill(std::unique_ptr<AyaPlayer> player = nullptr);
    void Apply(const DrillOptions& options) override;
    // The ayas under review play through; the slider does not move them.
    void SlideTo(int) override {}
};

// The sura and aya numbers of an aya in plain decimal: 2:7 gives "2" and "7".
void DescribeKey(AyaRef aya, std::string* sura, std::string* number);
