// SPDX-License-Identifier: GPL-3.0-or-later
#include "heart_data.h"

#include <cctype>

#include "naming.h"
#include "passage.h"
#include "profile_file.h"
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

namespace
{

// A sura's number from its key ("036" or "36"); 0 for anything else.
int SuraOf(const std::string& sura) { return IsSuraNumber(sura) ? std::stoi(sura) : 0; }

} // namespace

bool HeartData::Add(AyaRef aya)
{
    if (!aya.Valid() || !suras_[aya.sura].insert(aya.aya).second)
        return false;
    ++count_;
    return true;
}

bool HeartData::Add(const std::string& key) { return Add(AyaRef::FromKey(key)); }

bool HeartData::Remove(AyaRef aya)
{
    const auto it = suras_.find(aya.sura);
    if (it == suras_.end() || it->second.erase(aya.aya) == 0)
        return false;
    --count_;
    if (it->second.empty())
        suras_.erase(it);
    return true;
}

bool HeartData::Remove(const std::string& key) { return Remove(AyaRef::FromKey(key)); }

int HeartData::RemoveSura(const std::string& sura)
{
    const auto it = suras_.find(SuraOf(sura));
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

bool HeartData::Contains(AyaRef aya) const
{
    const auto it = suras_.find(aya.sura);
    return it != suras_.end() && it->second.count(aya.aya) != 0;
}

bool HeartData::Contains(const std::string& key) const { return Contains(AyaRef::FromKey(key)); }

int HeartData::CountIn(const std::vector<int>& suras) const
{
    int count = 0;
    for (int sura : suras)
        if (const auto it = suras_.find(sura); it != suras_.end())
            count += int(it->second.size());
    return count;
}

int HeartData::CountOf(const std::string& sura) const { return CountIn({SuraOf(sura)}); }

std::string HeartData::PictureOf(const std::string& sura) const
{
    return PictureFor(CountOf(sura), SuraTable().AyaCount(sura));
}

std::vector<AyaRef> HeartData::Ayas() const
{
    std::vector<AyaRef> ayas;
    ayas.reserve(size_t(count_));
    for (const auto& [sura, numbers] : suras_)
        for (int aya : numbers)
            ayas.push_back({sura, aya});
    return ayas;
}

std::vector<std::string> HeartData::Keys() const
{
    std::vector<std::string> keys;
    keys.reserve(size_t(count_));
    for (const AyaRef& aya : Ayas())
        keys.push_back(aya.Key());
    return keys;
}

std::vector<std::string> HeartData::CompleteSuras() const
{
    std::vector<std::string> complete;
    for (const auto& [sura, ayas] : suras_)
        if (int(ayas.size()) == SuraTable().AyaCount(IntToString(sura)))
            complete.push_back(PadSura(IntToString(sura)));
    return complete;
}

std::vector<std::string> HeartData::KeysOfText(const std::string& text)
{
    // A passage of the mushaf ("page 602"): all its ayas, across its suras.
    const Passage passage = Passage::Parse(text);
    if (!passage.Empty())
        return passage.Ayas();
    std::vector<std::string> pieces;
    for (size_t start = 0; start <= text.size();) {
        const size_t dot = text.find('.', start);
        const std::string piece =
            text.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
        if (!piece.empty())
            pieces.push_back(piece);
        if (dot == std::string::npos)
            break;
        start = dot + 1;
    }
    std::string lower = text;
    for (char& c : lower)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    std::vector<std::string> keys;
    if (lower.find("all") != std::string::npos) {
        if (pieces.size() < 2 || !IsSuraNumber(pieces[1]))
            return {};
        const int n = SuraTable().AyaCount(pieces[1]);
        for (int aya = 1; aya <= n; ++aya)
            keys.push_back(AyaKey(PadSura(pieces[1]), aya));
        return keys;
    }
    if (pieces.size() < 2)
        return {};
    const std::string key = NormalAyaKey(pieces[0] + "." + pieces[1]);
    if (!key.empty())
        keys.push_back(key);
    return keys;
}
