// SPDX-License-Identifier: GPL-3.0-or-later
#include "single.h"

#include "naming.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <cstdio>

Single::Single(std::unique_ptr<AyaPlayer> player) : Drill("Single", std::move(player))
{
    connect(Player(), &AyaPlayer::CurSoundPos, this, &Single::GetCurSoundPos);
    connect(Player(), &AyaPlayer::DoneR, this, [this] { PlayRange(key_); });
    connect(this, &Single::SingleSuraAya, this, &Drill::AyaShown);
}

void Single::SetAyas(const std::vector<AyaRef>& ayas)
{
    ayas_ = ayas;
    at_ = 0;
}

int Single::GoTo(int at, bool)
{
    Show(at);
    return 0;
}

void Single::Show(int at)
{
    if (ayas_.empty())
        return;
    at_ = std::clamp(at, 0, int(ayas_.size()) - 1);
    key_ = ayas_[size_t(at_)];
    Stop();
    emit AyaShown(key_);
    FitPart();
}

void Single::Follow(int at)
{
    if (at >= 0 && size_t(at) < ayas_.size()) {
        at_ = at;
        key_ = ayas_[size_t(at)];
    }
}

void Single::PlayRange(AyaRef key)
{
    key_ = key;
    Player()->PlayRange(SoundName(key.Key()));
    emit SingleSuraAya(key);
}

void Single::Apply(const DrillOptions& options)
{
    options_ = options;
    Player()->Pause(options.pauseSeconds >= 1);
    Player()->SetPauseTime(options.pauseSeconds);
    Player()->SetPauseFactor(options.pauseFactor);
}

std::string Single::Where(const DrillPlace& place) const
{
    // Before the aya's length is known (nothing played yet) there is no part to tell of.
    if (partEnd_ <= partStart_)
        return Drill::Where(place);
    const QLocale locale; // the numbers as the interface's language writes them
    return Drill::Where(place) +
           QCoreApplication::translate("Single", " · part from %1 to %2 s")
               .arg(locale.toString(partStart_ / 1000.0, 'f', 2), locale.toString(partEnd_ / 1000.0, 'f', 2))
               .toStdString();
}

void Single::SetRange(int start, int end)
{
    partStart_ = start;
    partEnd_ = end;
    Player()->SetRange(start, end);
}

void Single::FitPart(bool force)
{
    if (!key_.Valid())
        return;
    const int length = GetSoundLen(SoundName(key_.Key()));
    if (!force && length == partLength_)
        return;
    partLength_ = length;
    SetRange(0, length);
    emit PartChanged(0, length, length);
}
