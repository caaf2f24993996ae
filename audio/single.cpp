// SPDX-License-Identifier: GPL-3.0-or-later
#include "single.h"

#include "naming.h"

Single::Single() : player_(std::make_unique<MP3>())
{
    connect(player_.get(), &MP3::CurSoundPos, this, &Single::GetCurSoundPos);
    connect(player_.get(), &MP3::DoneR, this, &Single::NextOne);
}

void Single::PlayRange(const std::string& key)
{
    key_ = key;
    player_->PlayRange(SoundName(key));
    emit SingleSuraAya(key);
}

void Single::PauseTime(int seconds)
{
    player_->Pause(seconds >= 1);
    player_->SetPauseTime(seconds);
}
