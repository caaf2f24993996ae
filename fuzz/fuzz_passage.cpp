// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary text to the passage reader ("page 602", as the learner's record keeps it): a passage
// it accepts lies in the mushaf, names itself and reads back as itself.
#include "passage.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const Passage passage = Passage::Parse(std::string(reinterpret_cast<const char*>(data), size));
    if (passage.Empty())
        return 0;
    if (passage.Number() < 1 || passage.Number() > Passage::CountOf(passage.Kind()) ||
        passage.AyaCount() < 1 || passage.AyaCount() > 6236 ||
        passage.Ayas().size() != size_t(passage.AyaCount()) || passage.Name().empty())
        std::abort();
    const Passage again = Passage::Parse(passage.Serialize());
    if (again.Kind() != passage.Kind() || again.Number() != passage.Number())
        std::abort();
    return 0;
}
