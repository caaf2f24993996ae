// SPDX-License-Identifier: GPL-3.0-or-later
#include "stack.h"

#include "drill_step.h"
#include "naming.h"
#include "whole.h"

Stack::Stack() : player_(std::make_unique<MP3>())
{
    connect(player_.get(), &MP3::Done, this, &Stack::NextOne);
}

void Stack::GenerateStack(const std::string& sura, int min, int max)
{
    keys_.clear();
    min_ = min;
    max_ = max;
    sura_ = sura;
    index_ = 0;
    for (int last = min; last <= max; ++last)
        for (int aya = min; aya <= last; ++aya)
            keys_.push_back(AyaKey(sura, aya));
}

void Stack::Play()
{
    switch (NextDrillStep(&index_, keys_.size(), loop_)) {
    case DrillStep::Nothing:
        return;
    case DrillStep::Finished:
        player_->Stop();
        emit StackDone();
        emit StackSuraAya(keys_[0]);
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
    emit StackSuraAya(key);
    emit StackStat(index_, int(keys_.size()) - 1);
    emit StackDesc(sura, aya);
}

void Stack::NextOne()
{
    ++index_;
    Play();
}

void Stack::PrevOne()
{
    --index_;
    Play();
}

void Stack::SetMax(int aya)
{
    player_->Stop();
    max_ = aya;
    index_ = 0;
    GenerateStack(sura_, min_, aya);
    Play();
}

void Stack::SetMin(int aya)
{
    player_->Stop();
    index_ = 0;
    GenerateStack(sura_, aya, max_);
    min_ = aya;
    Play();
}

void Stack::PauseTime(int seconds)
{
    player_->Pause(seconds > 0);
    player_->SetPauseTime(seconds);
}
