// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the drill settings' reader: it accepts or refuses, and what it accepts stays
// within its ranges and writes back as a file it reads again to the same settings.
#include "learner_record.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    DrillSettings drill;
    if (!drill.Parse(std::string(reinterpret_cast<const char*>(data), size)))
        return 0;
    if (drill.repeat < 0 || drill.repeat > DrillSettings::kMaxRepeat || drill.pause < 0 ||
        drill.pause > DrillSettings::kMaxPause || drill.times < 0 || drill.times > DrillSettings::kMaxTimes ||
        !(drill.speed >= 0.5 && drill.speed <= 1.5) ||
        !(drill.pauseFactor >= 0.5 && drill.pauseFactor <= 3.0))
        std::abort();
    DrillSettings again;
    if (!again.Parse(drill.Serialize()) || !(again == drill))
        std::abort();
    return 0;
}
