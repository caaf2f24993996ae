// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the settings file's reader: whatever it reads writes back as a file that reads
// to the same values.
#include "settings_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto values = SettingsFile::Parse(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (values.size() > size / 3 + 1)
        std::abort();
    const auto again = SettingsFile::Parse(SettingsFile::Serialize(values));
    // Values survive a round trip as long as their key and value are what a writer would write.
    for (const auto& [key, value] : again)
        if (!values.count(key))
            std::abort();
    return 0;
}
