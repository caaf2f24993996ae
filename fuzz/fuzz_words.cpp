// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the words item's reader: what it reads is within the item's limits, writes
// back as an item that reads to the same words, and the lookups on it stay within it.
#include "aya_words.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    AyaWords words;
    QString error;
    if (!ParseAyaWords(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), &words, &error)) {
        if (error.isEmpty() || !words.empty())
            std::abort();
        return 0;
    }
    if (words.size() > size_t(kMostWords))
        std::abort();
    AyaWords again;
    if (!ParseAyaWords(FormatAyaWords(words), &again, &error) || again.size() != words.size())
        std::abort();
    for (size_t i = 0; i < words.size(); ++i)
        if (again[i].box != words[i].box || again[i].startMs != words[i].startMs ||
            again[i].timing != words[i].timing)
            std::abort();
    for (int ms : {-1, 0, 500, 1 << 20}) {
        const int at = WordAt(words, ms);
        if (at < -1 || at >= int(words.size()))
            std::abort();
        for (int w : WordsIn(words, ms, ms + 300))
            if (w < 0 || w >= int(words.size()))
                std::abort();
    }
    return 0;
}
