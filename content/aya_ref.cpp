// SPDX-License-Identifier: GPL-3.0-or-later
#include "aya_ref.h"

#include "naming.h"

std::string AyaRef::Key() const { return Valid() ? AyaKey(IntToString(sura), aya) : std::string(); }

std::vector<AyaRef> AyaRef::FromKeys(const std::vector<std::string>& keys)
{
    std::vector<AyaRef> ayas;
    ayas.reserve(keys.size());
    for (const std::string& key : keys)
        ayas.push_back(FromKey(key));
    return ayas;
}

AyaRef AyaRef::FromKey(const std::string& key)
{
    AyaRef ref;
    if (!SplitAyaKey(key, &ref.sura, &ref.aya) || !ref.Valid())
        return {};
    return ref;
}
