// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the practice aids' reader: it accepts or refuses, and what it accepts writes
// back as a file it accepts again with the same toggles.
#include "self_test.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SelfTest aids;
    if (!aids.Parse(std::string(reinterpret_cast<const char*>(data), size)))
        return 0;
    SelfTest again;
    if (!again.Parse(aids.Serialize()) || again.HideAya() != aids.HideAya() ||
        again.HideTranslation() != aids.HideTranslation() || again.TestMe() != aids.TestMe())
        std::abort();
    return 0;
}
