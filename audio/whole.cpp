// SPDX-License-Identifier: GPL-3.0-or-later
#include "whole.h"

#include "drill_step.h"
#include "naming.h"

void DescribeKey(const std::string& key, std::string* sura, std::string* aya)
{
    int s = 0, a = 0;
    SplitAyaKey(key, &s, &a);
    *sura = IntToString(s);
    *aya = IntToString(a);
}

Whole::Whole() : player_(std::make_unique<MP3>())
{
    connect(player_.get(), &MP3::Done, this, &Whole::NextOne);
}

void Whole::GenerateWhole(const std::string& sura, int from, int to)
{
    sura_ = sura;
    index_ = 0;
    keys_.clear();
    from_ = from;
    to_ = to;
    for (int aya = from; aya <= to; ++aya)
        keys_.push_back(AyaKey(sura, aya));
}

void Whole::Play()
{
    switch (NextDrillStep(&index_, keys_.size(), loop_)) {
    case DrillStep::Nothing:
        return;
    case DrillStep::Finished:
        player_->Stop();
        emit WholeSuraAya(keys_[0]);
        emit WholeDone();
        return;
    case DrillStep::Play:
        break;
    }
    const std::string key = keys_[size_t(index_)];
    player_->Play(SoundName(key));
    // The item after this one, so that it follows without a gap when no pause is set.
    const size_t after = size_t(index_) + 1 < keys_.size() ? size_t(index_) + 1 : 0;
    if (size_t(index_) + 1 < keys_.size() || loop_)
        player_->SetNext(SoundName(keys_[after]));
    std::string sura, aya;
    DescribeKey(key, &sura, &aya);
    emit WholeSuraAya(key);
    emit WholeDesc(sura, aya);
    emit WholeStat(index_, int(keys_.size()) - 1);
}

void Whole::NextOne()
{
    ++index_;
    Play();
}

void Whole::PrevOne()
{
    --index_;
    Play();
}

void Whole::PauseTime(int seconds)
{
    player_->Pause(seconds >= 1);
    player_->SetPauseTime(seconds);
}

void Whole::SetMin(int aya)
{
    Stop();
    index_ = 0;
    GenerateWhole(sura_, aya, to_);
    from_ = aya;
    Play();
}

void Whole::SetMax(int aya)
{
    Stop();
    to_ = aya;
    index_ = 0;
    GenerateWhole(sura_, from_, aya);
    Play();
}

void Whole::GoTo(int aya)
{
    Stop();
    index_ = aya - 1;
    Play();
}

void Whole::Cue(int aya)
{
    Stop();
    index_ = aya - 1;
}
