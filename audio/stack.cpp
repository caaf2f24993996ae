// SPDX-License-Identifier: GPL-3.0-or-later
#include "stack.h"

#include "naming.h"
#include "whole.h"

#include <QCoreApplication>
#include <algorithm>

Stack::Stack(std::unique_ptr<AyaPlayer> player) : ListDrill("Stack", std::move(player))
{
    connect(this, &Stack::StackSuraAya, this, &Drill::AyaShown);
    connect(this, &Stack::StackStat, this, &Drill::Progress);
    connect(this, &Stack::StackDone, this, &Drill::Finished);
}

void Stack::SetAyas(const std::vector<AyaRef>& ayas)
{
    ayas_ = ayas;
    std::vector<AyaRef> keys;
    for (size_t last = 0; last < ayas.size(); ++last)
        keys.insert(keys.end(), ayas.begin(), ayas.begin() + std::ptrdiff_t(last) + 1);
    SetKeys(std::move(keys));
}

int Stack::GoTo(int at, bool play)
{
    Stop();
    if (at > 0 && size_t(at) < ayas_.size())
        SetAyas(std::vector<AyaRef>(ayas_.begin() + at, ayas_.end()));
    else
        at = 0;
    index_ = 0;
    if (play)
        Play();
    else if (!keys_.empty())
        emit AyaShown(keys_.front());
    return at;
}

std::string Stack::Where(const DrillPlace& place) const
{
    if (keys_.empty())
        return Drill::Where(place);
    // The build-up under way runs from the list's first aya to the last aya before the next restart.
    size_t end = size_t(std::clamp(index_, 0, int(keys_.size()) - 1));
    while (end + 1 < keys_.size() && keys_[end + 1] != keys_.front())
        ++end;
    const int firstSura = keys_.front().sura, first = keys_.front().aya;
    const int lastSura = keys_[end].sura, last = keys_[end].aya;
    if (place.passage.empty())
        return QCoreApplication::translate("Stack", "Stack %1-%2, pass %3 · aya %4")
            .arg(first)
            .arg(last)
            .arg(place.pass)
            .arg(place.aya)
            .toStdString();
    // A passage's build-up may cross suras: its ends are named with their suras.
    return place.passage +
           QCoreApplication::translate("Stack", " · stack %1–%2, pass %3 · aya %4 of %5 (%6)")
               .arg(QString("%1:%2").arg(firstSura).arg(first), QString("%1:%2").arg(lastSura).arg(last))
               .arg(place.pass)
               .arg(place.position)
               .arg(place.length)
               .arg(QString("%1:%2").arg(place.sura).arg(place.aya))
               .toStdString();
}

void Stack::Started(AyaRef key, int index, int last)
{
    std::string sura, aya;
    DescribeKey(key, &sura, &aya);
    emit StackSuraAya(key);
    emit StackStat(index, last);
    emit StackDesc(sura, aya);
}

void Stack::Ended(AyaRef first)
{
    emit StackDone();
    emit StackSuraAya(first);
}

void Stack::GenerateStack(const std::string& sura, int min, int max)
{
    min_ = min;
    max_ = max;
    sura_ = sura;
    std::vector<AyaRef> ayas;
    for (int aya = min; aya <= max; ++aya)
        ayas.push_back(AyaRef{LeadingNumber(sura), aya});
    SetAyas(ayas);
}

void Stack::SetMax(int aya)
{
    Stop();
    GenerateStack(sura_, min_, aya);
    Play();
}

void Stack::SetMin(int aya)
{
    Stop();
    GenerateStack(sura_, aya, max_);
    Play();
}
