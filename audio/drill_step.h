// SPDX-License-Identifier: GPL-3.0-or-later
// The index rules that whole-sura playback and the stack drill share: what Play() does with the
// current position in a list of n keys.
#pragma once

#include <cstddef>

enum class DrillStep {
    Nothing,  // nothing to play (a negative index is put back to 0, or the list is empty)
    Finished, // the end of the list was passed without loop; the index is back at 0
    Play,     // play the key at the index (after the end with loop, the index is back at 0)
};

inline DrillStep NextDrillStep(int* index, size_t count, bool loop)
{
    const int n = int(count);
    if (*index < 0) {
        *index = 0;
        return DrillStep::Nothing;
    }
    if (*index == n && n > 0) {
        *index = 0;
        if (!loop)
            return DrillStep::Finished;
    }
    return n == 0 || *index > n - 1 ? DrillStep::Nothing : DrillStep::Play;
}
