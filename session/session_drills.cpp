// SPDX-License-Identifier: GPL-3.0-or-later
// The session's drills: taking one in, the learner's choice among them, playing one aside for a while
// and bringing the learner's back, and the relay of their players' sound failures and the sound test.
#include "mp3.h"
#include "recitation_session.h"
#include "single.h"
#include "stack.h"
#include "whole.h"

Drill* RecitationSession::AddDrill(std::unique_ptr<Drill> drill)
{
    Drill* added = drill.get();
    drills_.push_back(std::move(drill));
    connect(added, &Drill::AyaShown, this, &RecitationSession::OnAyaShown);
    connect(added, &Drill::Progress, this, [this, added](int index, int last) {
        if (added != active_)
            return;
        // A loop's passes: the drill's first entry again after a later one, or again at all when the
        // drill has one entry.
        if (index == 0 && started_ && (lastIndex_ > 0 || last == 0))
            ++pass_;
        started_ = true;
        lastIndex_ = index;
        emit Progress(index, last);
    });
    connect(added, &Drill::Finished, this, [this, added] { OnFinished(added); });
    AyaPlayer* player = added->Player();
    connect(player, &AyaPlayer::PauseChanged, this, [this, added](bool on, int ms) {
        if (added != active_)
            return;
        pausing_ = on;
        emit PauseChanged(on, ms);
    });
    connect(player, &AyaPlayer::StateChanged, this, [this] {
        // Queued: a drill moving on stops one request and starts the next; only where it ends up is told.
        QMetaObject::invokeMethod(this, &RecitationSession::TellState, Qt::QueuedConnection);
    });
    connect(player, &AyaPlayer::CurSoundPos, this, [this, added](int ms) {
        if (added == active_)
            emit SoundPosition(ms);
    });
    WatchSound(player);
    added->SetRes(pack_);
    player->SetPackFinder(finder_);
    if (driver_ != -2)
        added->SetDevice(driver_);
    added->Apply(options_);
    player->SetSpeed(speed_);
    return added;
}

void RecitationSession::WatchSound(AyaPlayer* player)
{
    connect(player, &AyaPlayer::Failed, this, &RecitationSession::SoundFailed);
    connect(player, &AyaPlayer::NoOutput, this, &RecitationSession::NoOutput);
    connect(player, &AyaPlayer::OutputLost, this, &RecitationSession::OutputLost);
}

std::vector<AyaPlayer*> RecitationSession::Players() const
{
    std::vector<AyaPlayer*> players;
    for (const std::unique_ptr<Drill>& drill : drills_)
        players.push_back(drill->Player());
    if (tester_)
        players.push_back(tester_.get());
    return players;
}

bool RecitationSession::UseDrill(const std::string& name)
{
    for (const std::unique_ptr<Drill>& drill : drills_)
        if (drill->Name() == name) {
            UseLearnerDrill(drill.get());
            return true;
        }
    return false;
}

void RecitationSession::UseLearnerDrill(Drill* drill)
{
    const bool aside = AsideDrill() != nullptr;
    learner_ = drill;
    if (aside)
        return; // it comes back when the drill aside ends
    Activate(drill);
    BuildDrill();
    emit ProgressReset();
    if (active_->WaitsOnAya())
        active_->GoTo(CursorIndex(), false);
}

Drill* RecitationSession::ChosenDrill() const
{
    if (singleOn_)
        return single_;
    return stackOn_ ? static_cast<Drill*>(stack_) : whole_;
}

void RecitationSession::Activate(Drill* drill)
{
    StopAll();
    active_ = drill;
}

bool RecitationSession::PlayAside(Drill* drill, const std::vector<AyaRef>& ayas, int start,
                                  std::function<void()> finished)
{
    drill->SetAyas(ayas);
    if (drill->Empty())
        return false;
    Activate(drill);
    asideFinished_ = std::move(finished);
    pass_ = 1;
    lastIndex_ = 0;
    started_ = false;
    emit ProgressReset();
    if (start >= 0 && size_t(start) < ayas.size())
        drill->GoTo(start, true);
    else
        drill->Play();
    return true;
}

void RecitationSession::BringBack()
{
    asideFinished_ = nullptr;
    active_ = learner_;
    BuildDrill();
    // The learner's drill comes back where the learner is: the next Play starts at the aya shown, not at
    // the lesson's first.
    active_->ComeBack(CursorIndex());
}

void RecitationSession::OnFinished(Drill* drill)
{
    if (drill != active_)
        return;
    std::function<void()> finished = std::move(asideFinished_);
    if (AsideDrill())
        BringBack();
    emit DrillFinished();
    if (finished)
        finished();
}

void RecitationSession::PlayTestSound(const KelRes& res, const std::string& name, int driver)
{
    if (!tester_) {
        tester_ = std::make_unique<MP3>();
        WatchSound(tester_.get());
    }
    tester_->SetRes(res);
    tester_->SetDevice(driver);
    tester_->SetRepeat(1);
    tester_->Play(name);
}

void RecitationSession::StopTestSound()
{
    if (tester_)
        tester_->Stop();
}

bool RecitationSession::TestSoundPlaying() const { return tester_ && tester_->Busy(); }
