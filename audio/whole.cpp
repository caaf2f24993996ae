// SPDX-License-Identifier: GPL-3.0-or-later
#include "whole.h"

#include "naming.h"

void DescribeKey(AyaRef aya, std::string* sura, std::string* number)
{
    *sura = IntToString(aya.sura);
    *number = IntToString(aya.aya);
}

Whole::Whole(std::unique_ptr<AyaPlayer> player) : Whole("Whole", std::move(player)) {}

Whole::Whole(std::string name, std::unique_ptr<AyaPlayer> player)
    : ListDrill(std::move(name), std::move(player))
{
    connect(this, &Whole::WholeSuraAya, this, &Drill::AyaShown);
    connect(this, &Whole::WholeStat, this, &Drill::Progress);
    connect(this, &Whole::WholeDone, this, &Drill::Finished);
}

void Whole::Started(AyaRef key, int index, int last)
{
    std::string sura, aya;
    DescribeKey(key, &sura, &aya);
    emit WholeSuraAya(key);
    emit WholeDesc(sura, aya);
    emit WholeStat(index, last);
}

void Whole::Ended(AyaRef first)
{
    emit WholeSuraAya(first);
    emit WholeDone();
}

void Whole::GenerateWhole(const std::string& sura, int from, int to)
{
    sura_ = sura;
    from_ = from;
    to_ = to;
    std::vector<AyaRef> keys;
    for (int aya = from; aya <= to; ++aya)
        keys.push_back(AyaRef{LeadingNumber(sura), aya});
    SetKeys(std::move(keys));
}

int Whole::GoTo(int at, bool play)
{
    Stop();
    index_ = at;
    if (play)
        Play();
    else if (at >= 0 && size_t(at) < keys_.size())
        emit AyaShown(keys_[size_t(at)]);
    return 0;
}

void Whole::SetMin(int aya)
{
    Stop();
    GenerateWhole(sura_, aya, to_);
    Play();
}

void Whole::SetMax(int aya)
{
    Stop();
    GenerateWhole(sura_, from_, aya);
    Play();
}

ReviewDrill::ReviewDrill(std::unique_ptr<AyaPlayer> player) : Whole("Review", std::move(player)) {}

void ReviewDrill::Apply(const DrillOptions&) { Whole::Apply(DrillOptions{}); }
