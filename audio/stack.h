// SPDX-License-Identifier: GPL-3.0-or-later
// Stack drills a range by building it up: aya min; min..min+1; min..min+2; ... min..max, each aya
// played by the drill's own player in whole mode (with its repeats and pauses). N ayas give
// N(N+1)/2 entries.
#pragma once

#include "drill.h"

#include <string>
#include <vector>

class Stack : public ListDrill
{
    Q_OBJECT
  public:
    explicit Stack(std::unique_ptr<AyaPlayer> player = nullptr);

    // The build-up over the ayas given, in their order.
    void SetAyas(const std::vector<AyaRef>& ayas) override;
    // The stack builds up from the aya chosen.
    int GoTo(int at, bool play) override;
    std::string Where(const DrillPlace& place) const override;

  public slots:
    void GenerateStack(const std::string& sura, int min, int max);
    void SetMax(int aya);
    void SetMin(int aya);

  signals:
    void StackSuraAya(AyaRef aya);
    void StackStat(int index, int last);
    void StackDesc(const std::string& sura, const std::string& aya);
    void StackDone();

  protected:
    void Started(AyaRef aya, int index, int last) override;
    void Ended(AyaRef first) override;

  private:
    std::vector<AyaRef> ayas_;
    std::string sura_;
    int min_ = 1;
    int max_ = 1;
};
