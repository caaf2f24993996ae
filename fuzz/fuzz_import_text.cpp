// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the import's text readers: a Tanzil-style file ("sura|aya|text" lines) and a
// quran-json list of suras. Whatever they accept fits the sura table; whatever they refuse says why.
#include "aya_sources.h"
#include "pack_import.h"
#include "sura.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    import::SuraTexts texts;
    QString error;
    if (import::ParseTanzil(bytes, "fuzz.txt", &texts, &error)) {
        if (texts.size() != 114)
            std::abort();
        for (size_t s = 0; s < texts.size(); ++s)
            if (!texts[s].empty() && texts[s].size() != size_t(SuraTable().AyaCount(std::to_string(s + 1))))
                std::abort();
    } else if (error.isEmpty()) {
        std::abort();
    }
    std::vector<std::vector<QString>> suras;
    error.clear();
    if (demo::ParseSuraList(bytes, "text", "fuzz.json", &suras, &error)) {
        if (suras.size() != 114)
            std::abort();
    } else if (error.isEmpty()) {
        std::abort();
    }
    return 0;
}
