// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill.h"

#include "drill_step.h"
#include "naming.h"

Drill::Drill(std::string name) : name_(std::move(name)), player_(std::make_unique<MP3>()) {}

Drill::~Drill() = default;

void Drill::Apply(const DrillOptions& options)
{
    options_ = options;
    player_->SetRepeat(options.repeat);
    player_->Pause(options.pauseSeconds >= 1);
    player_->SetPauseTime(options.pauseSeconds);
    player_->SetPauseFactor(options.pauseFactor);
}

std::string Drill::Where(int aya, int ayaCount, int pass) const
{
    (void)pass;
    return "Aya " + std::to_string(aya) + " of " + std::to_string(ayaCount);
}

ListDrill::ListDrill(std::string name) : Drill(std::move(name))
{
    connect(Player(), &MP3::Done, this, &ListDrill::NextOne);
}

void ListDrill::SetKeys(std::vector<std::string> keys)
{
    keys_ = std::move(keys);
    index_ = 0;
}

void ListDrill::Play()
{
    switch (NextDrillStep(&index_, keys_.size(), Loop())) {
    case DrillStep::Nothing:
        return;
    case DrillStep::Finished:
        Player()->Stop();
        Ended(keys_[0]);
        return;
    case DrillStep::Play:
        break;
    }
    const std::string key = keys_[size_t(index_)];
    Player()->Play(SoundName(key));
    // The entry after this one, so that it follows without a gap when no pause is set.
    const size_t after = size_t(index_) + 1 < keys_.size() ? size_t(index_) + 1 : 0;
    if (size_t(index_) + 1 < keys_.size() || Loop())
        Player()->SetNext(SoundName(keys_[after]));
    Started(key, index_, int(keys_.size()) - 1);
}

void ListDrill::NextOne()
{
    ++index_;
    Play();
}

void ListDrill::PrevOne()
{
    --index_;
    Play();
}
