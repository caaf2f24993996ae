// SPDX-License-Identifier: GPL-3.0-or-later
// The frame of a drill a test writes for itself: a list of ayas in an order the test chooses, each
// shown as it starts, the end told. The test gives the order (SetAyas) and, where the list is not the
// lesson's order, which entry plays the lesson's aya at a position (EntryOf).
#pragma once

#include "drill.h"

class TestDrill : public ListDrill
{
  public:
    using ListDrill::ListDrill;
    int GoTo(int at, bool play) override
    {
        Stop();
        index_ = EntryOf(at);
        if (play)
            Play();
        return 0;
    }

  protected:
    virtual int EntryOf(int at) const { return at; }
    void Started(AyaRef aya, int index, int last) override
    {
        emit AyaShown(aya);
        emit Progress(index, last);
    }
    void Ended(AyaRef) override { emit Finished(); }
};
