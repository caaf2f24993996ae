// SPDX-License-Identifier: GPL-3.0-or-later
#include "heart_data.h"

#include "naming.h"
#include "sura.h"

std::string HeartData::PictureFor(int count, int ayasInSura)
{
    if (ayasInSura <= 0)
        return "heart1.png";
    const float f = float(count) / float(ayasInSura);
    if (f <= 0.2f)
        return "heart1.png";
    if (f <= 0.4f)
        return "heart2.png";
    if (f <= 0.6f)
        return "heart3.png";
    if (f <= 0.8f)
        return "heart4.png";
    if (f <= 0.98f)
        return "heart5.png";
    return "heart6.png";
}

bool HeartData::Add(const std::string& key)
{
    if (!suras_[key.substr(0, key.find('.'))].insert(key).second)
        return false;
    ++count_;
    return true;
}

bool HeartData::Remove(const std::string& key)
{
    const auto it = suras_.find(key.substr(0, key.find('.')));
    if (it == suras_.end() || it->second.erase(key) == 0)
        return false;
    --count_;
    if (it->second.empty())
        suras_.erase(it);
    return true;
}

int HeartData::RemoveSura(const std::string& sura)
{
    const auto it = suras_.find(sura);
    if (it == suras_.end())
        return 0;
    const int removed = int(it->second.size());
    count_ -= removed;
    suras_.erase(it);
    return removed;
}

void HeartData::Clear()
{
    suras_.clear();
    count_ = 0;
}

bool HeartData::Contains(const std::string& key) const
{
    const auto it = suras_.find(key.substr(0, key.find('.')));
    return it != suras_.end() && it->second.count(key) != 0;
}

int HeartData::CountIn(const std::vector<int>& suras) const
{
    int count = 0;
    for (int sura : suras)
        count += CountOf(PadSura(IntToString(sura)));
    return count;
}

int HeartData::CountOf(const std::string& sura) const
{
    const auto it = suras_.find(sura);
    return it == suras_.end() ? 0 : int(it->second.size());
}

std::string HeartData::PictureOf(const std::string& sura) const
{
    return PictureFor(CountOf(sura), SuraTable().AyaCount(sura));
}

std::vector<std::string> HeartData::Keys() const
{
    std::vector<std::string> keys;
    keys.reserve(size_t(count_));
    for (const auto& [sura, ayas] : suras_)
        keys.insert(keys.end(), ayas.begin(), ayas.end());
    return keys;
}

std::vector<std::string> HeartData::CompleteSuras() const
{
    std::vector<std::string> complete;
    for (const auto& [sura, ayas] : suras_)
        if (int(ayas.size()) == SuraTable().AyaCount(sura))
            complete.push_back(sura);
    return complete;
}
