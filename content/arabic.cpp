// SPDX-License-Identifier: GPL-3.0-or-later
#include "arabic.h"

#include "naming.h"

Arabic::Arabic() = default;

void Arabic::SetSura(const std::string& sura)
{
    sura_ = sura;
    aya_ = 1;
}

void Arabic::SetAya(int aya) { aya_ = aya; }

int Arabic::GetAyaLen() const { return SuraCnt(PadSura(sura_)); }

std::string Arabic::GetAya(int aya) const { return AyaKey(sura_, aya); }

std::string Arabic::GetNextAya()
{
    if (aya_ + 1 > GetAyaLen())
        emit End();
    else
        ++aya_;
    return GetAya(aya_);
}

std::string Arabic::GetPreviousAya()
{
    if (aya_ - 1 > 0)
        --aya_;
    else
        emit Begin();
    return GetAya(aya_);
}

int Arabic::SuraCnt(const std::string& key) const
{
    const std::map<std::string, int>& counts = SuraTable().AyaCounts();
    const auto it = counts.find(key);
    return it == counts.end() ? 0 : it->second;
}

std::string Arabic::GetTitle() const
{
    const std::map<std::string, std::string>& titles = SuraTable().LongTitles();
    const auto it = titles.find(PadSura(sura_));
    return it == titles.end() ? std::string() : it->second;
}
