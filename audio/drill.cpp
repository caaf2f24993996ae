// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill.h"

#include "drill_step.h"
#include "mp3.h"
#include "naming.h"

#include <QCoreApplication>
#include <algorithm>

Drill::Drill(std::string name, std::unique_ptr<AyaPlayer> player)
    : name_(std::move(name)), player_(player ? std::move(player) : std::make_unique<MP3>())
{
}

Drill::~Drill() = default;

void Drill::Apply(const DrillOptions& options)
{
    options_ = options;
    player_->SetRepeat(options.repeat);
    player_->Pause(options.pauseSeconds >= 1);
    player_->SetPauseTime(options.pauseSeconds);
    player_->SetPauseFactor(options.pauseFactor);
}

void Drill::PauseTime(int seconds)
{
    DrillOptions options = options_;
    options.pauseSeconds = seconds;
    Apply(options);
}

void Drill::SetLoop(bool on)
{
    DrillOptions options = options_;
    options.loop = on;
    Apply(options);
}

void Drill::SetRepeat(int n)
{
    DrillOptions options = options_;
    options.repeat = n;
    Apply(options);
}

std::string Drill::Where(const DrillPlace& place) const
{
    // With Times, which pass of how many.
    const std::string passes = options_.times > 0 ? QCoreApplication::translate("Drill", " · pass %1 of %2")
                                                        .arg(std::min(place.pass, options_.times))
                                                        .arg(options_.times)
                                                        .toStdString()
                                                  : std::string();
    if (place.passage.empty())
        return QCoreApplication::translate("Drill", "Aya %1 of %2")
                   .arg(place.aya)
                   .arg(place.ayaCount)
                   .toStdString() +
               passes;
    return place.passage +
           QCoreApplication::translate("Drill", " · aya %1 of %2 (%3:%4)")
               .arg(place.position)
               .arg(place.length)
               .arg(place.sura)
               .arg(place.aya)
               .toStdString() +
           passes;
}

ListDrill::ListDrill(std::string name, std::unique_ptr<AyaPlayer> player)
    : Drill(std::move(name), std::move(player))
{
    connect(Player(), &AyaPlayer::Done, this, [this] {
        ++index_;
        Play();
    });
}

void ListDrill::SetKeys(std::vector<AyaRef> keys)
{
    keys_ = std::move(keys);
    index_ = 0;
    wraps_ = 0;
}

void ListDrill::Stop()
{
    wraps_ = 0;
    Drill::Stop();
}

bool ListDrill::LoopsAfterLast() const
{
    // Times N plays N passes, with Loop or without; Loop alone (Times 0) plays without end.
    if (options_.times > 0)
        return wraps_ + 1 < options_.times;
    return Loop();
}

void ListDrill::Play()
{
    const bool wrapping = !keys_.empty() && index_ == int(keys_.size());
    switch (NextDrillStep(&index_, keys_.size(), LoopsAfterLast())) {
    case DrillStep::Nothing:
        return;
    case DrillStep::Finished:
        Drill::Stop();
        wraps_ = 0;
        Ended(keys_[0]);
        return;
    case DrillStep::Play:
        break;
    }
    if (wrapping)
        ++wraps_;
    const AyaRef aya = keys_[size_t(index_)];
    Player()->Play(EntrySound(size_t(index_)));
    // The entry after this one, so that it follows without a gap when no pause is set.
    const size_t after = size_t(index_) + 1 < keys_.size() ? size_t(index_) + 1 : 0;
    if (size_t(index_) + 1 < keys_.size() || LoopsAfterLast())
        Player()->SetNext(EntrySound(after));
    Started(aya, index_, int(keys_.size()) - 1);
}

std::string ListDrill::EntrySound(size_t index) const { return SoundName(keys_[index].Key()); }

void ListDrill::NextOne()
{
    // The step is from the aya heard: the queued one may have begun since the player last looked.
    Player()->CatchUp();
    ++index_;
    Play();
}

void ListDrill::PrevOne()
{
    Player()->CatchUp();
    --index_;
    Play();
}
