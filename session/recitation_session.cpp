// SPDX-License-Identifier: GPL-3.0-or-later
#include "recitation_session.h"

#include "arabic.h"
#include "compare.h"
#include "mp3.h"
#include "naming.h"
#include "single.h"
#include "span_drill.h"
#include "stack.h"
#include "whole.h"

#include <algorithm>
#include <cstdio>

namespace
{

template <typename T> T* Take(std::unique_ptr<T> drill, RecitationSession* session)
{
    T* kept = drill.get();
    session->AddDrill(std::move(drill));
    return kept;
}

} // namespace

RecitationSession::RecitationSession(QObject* parent) : QObject(parent), cursor_(std::make_unique<Arabic>())
{
    cursor_->SetSura("114");
    whole_ = Take(std::make_unique<Whole>(), this);
    stack_ = Take(std::make_unique<Stack>(), this);
    single_ = Take(std::make_unique<Single>(), this);
    review_ = Take(std::make_unique<ReviewDrill>(), this);
    compare_ = Take(std::make_unique<CompareDrill>(), this);
    span_ = Take(std::make_unique<SpanDrill>(), this);
    learner_ = active_ = whole_;
    connect(single_, &Single::CurSoundPos, this, &RecitationSession::PartPosition);
    connect(single_, &Single::PartChanged, this, &RecitationSession::PartChanged);
    connect(compare_, &CompareDrill::Turn, this, &RecitationSession::VoiceTurn);
}

RecitationSession::~RecitationSession() = default;

void RecitationSession::PrepareOutputs() { sound::PrepareOutputs(); }

std::vector<std::string> RecitationSession::OutputDevices() const { return whole_->Player()->GetDevices(); }

bool RecitationSession::Busy() const { return active_->Player()->Busy(); }

void RecitationSession::TellState()
{
    const bool playing = Busy();
    emit StateChanged();
    if (playing != playing_) {
        playing_ = playing;
        emit PlayingChanged(playing);
    }
}

std::string RecitationSession::SuraKey() const { return cursor_->GetSura(); }
std::string RecitationSession::CurrentAya() const { return cursor_->GetCurAya(); }
int RecitationSession::AyaCount() const { return cursor_->GetAyaLen(); }
int RecitationSession::PartStart() const { return single_->PartStart(); }
int RecitationSession::PartEnd() const { return single_->PartEnd(); }

void RecitationSession::SetPack(const KelRes& pack)
{
    pack_ = pack;
    for (const std::unique_ptr<Drill>& drill : drills_)
        drill->SetRes(pack);
    active_->PackChanged();
}

void RecitationSession::SetPackFinder(AyaPlayer::PackFinder finder)
{
    finder_ = finder;
    for (const std::unique_ptr<Drill>& drill : drills_)
        drill->Player()->SetPackFinder(finder);
}

void RecitationSession::SetDevice(int driver)
{
    driver_ = driver;
    for (const std::unique_ptr<Drill>& drill : drills_)
        drill->SetDevice(driver);
}

void RecitationSession::StopAll()
{
    for (const std::unique_ptr<Drill>& drill : drills_)
        drill->Stop();
}

AyaRef RecitationSession::Current() const { return AyaRef{LeadingNumber(SuraKey()), cursor_->CurrentAya()}; }

void RecitationSession::MoveCursor(AyaRef aya)
{
    // A passage crosses suras: the cursor follows into the next.
    if (aya.sura != LeadingNumber(SuraKey()))
        cursor_->SetSura(PadSura(IntToString(aya.sura)));
    cursor_->SetAya(aya.aya);
}

void RecitationSession::OnAyaShown(AyaRef aya)
{
    if (aya.Valid())
        MoveCursor(aya);
    emit AyaShown(aya);
}

void RecitationSession::MarkShown(AyaRef aya)
{
    if (!aya.Valid())
        return;
    MoveCursor(aya);
    active_->Follow(CursorIndex());
}

int RecitationSession::PositionOf(AyaRef aya) const
{
    if (!passage_.Empty()) {
        const auto it = std::find(passageAyas_.begin(), passageAyas_.end(), aya);
        return it == passageAyas_.end() ? 0 : int(it - passageAyas_.begin()) + 1;
    }
    return aya.Valid() ? aya.aya : 0;
}

int RecitationSession::CursorIndex() const { return std::max(PositionOf(Current()) - from_, 0); }

void RecitationSession::FitRange()
{
    const int count = passage_.Empty() ? AyaCount() : int(passageAyas_.size());
    from_ = 1;
    to_ = count;
    emit RangeChanged(from_, to_, count);
}

std::vector<AyaRef> RecitationSession::RangeAyas() const
{
    if (!passage_.Empty()) {
        const int from = std::clamp(from_, 1, int(passageAyas_.size()) + 1);
        const int to = std::clamp(to_, from - 1, int(passageAyas_.size()));
        return std::vector<AyaRef>(passageAyas_.begin() + (from - 1), passageAyas_.begin() + to);
    }
    std::vector<AyaRef> ayas;
    const int sura = LeadingNumber(SuraKey());
    for (int aya = from_; aya <= to_; ++aya)
        ayas.push_back(AyaRef{sura, aya});
    return ayas;
}

void RecitationSession::ChoosePassage(const Passage& passage)
{
    if (passage.Empty())
        return;
    passage_ = passage;
    passageAyas_ = AyaRef::FromKeys(passage.Ayas());
    const PassageSegment& first = passage.Segments().front();
    cursor_->SetSura(PadSura(IntToString(first.sura)));
    cursor_->SetAya(first.first);
    FitRange();
    StopAll();
    BuildDrill();
    emit ProgressReset();
    if (active_->WaitsOnAya())
        active_->GoTo(0, false);
}

void RecitationSession::LeavePassage()
{
    passage_ = Passage();
    passageAyas_.clear();
}

void RecitationSession::SetTimes(int times)
{
    options_.times = std::max(times, 0);
    ApplyOptions();
}

void RecitationSession::BuildDrill() { active_->SetAyas(RangeAyas()); }

void RecitationSession::ApplyOptions()
{
    for (const std::unique_ptr<Drill>& drill : drills_)
        drill->Apply(options_);
}

void RecitationSession::StartDrill()
{
    pass_ = 1;
    lastIndex_ = 0;
    started_ = false;
    active_->Play();
}

void RecitationSession::ChooseSura(int sura)
{
    LeavePassage();
    cursor_->SetSura(PadSura(IntToString(sura)));
    FitRange();
    StopAll();
    BuildDrill();
    if (active_->WaitsOnAya())
        active_->GoTo(0, false);
}

void RecitationSession::Start()
{
    if (!active_->WaitsOnAya())
        StartDrill();
}

void RecitationSession::CueAya(int sura, int aya) { GoToAya(sura, aya, false); }

void RecitationSession::PlayFromAya(int sura, int aya) { GoToAya(sura, aya, true); }

void RecitationSession::GoToAya(int sura, int aya, bool play)
{
    // An aya outside the passage leaves it for its sura.
    if (PositionOf(AyaRef{sura, aya}) == 0)
        LeavePassage();
    cursor_->SetSura(PadSura(IntToString(sura)));
    cursor_->SetAya(aya);
    FitRange();
    StopAll();
    BuildDrill();
    if (play) {
        pass_ = 1;
        lastIndex_ = 0;
        started_ = false;
    }
    const int first = active_->GoTo(CursorIndex(), play);
    if (first > 0) {
        // The drill's lesson now begins at the aya chosen (the stack builds up from it).
        emit ProgressReset();
        from_ += first;
        emit RangeChanged(from_, to_, AyaCount());
    }
}

void RecitationSession::Play() { StartDrill(); }

void RecitationSession::Stop()
{
    StopAll();
    if (AsideDrill())
        BringBack();
}

void RecitationSession::PlayReview(int sura, int first, int last)
{
    std::vector<AyaRef> ayas;
    for (int aya = first; aya <= last; ++aya)
        ayas.push_back(AyaRef{sura, aya});
    PlayReviewAyas(ayas);
}

void RecitationSession::PlayReviewAyas(const std::vector<AyaRef>& ayas)
{
    if (ayas.empty() || !ayas.front().Valid())
        return;
    StopAll();
    // The learner reviews in the item's first sura, and stays there afterwards, over the whole of it.
    LeavePassage();
    MoveCursor(ayas.front());
    FitRange();
    PlayAside(review_, ayas, -1, [this] { emit ReviewFinished(); });
}

void RecitationSession::TogglePlay() { Busy() ? Stop() : Play(); }

void RecitationSession::Next() { active_->NextOne(); }

void RecitationSession::Previous() { active_->PrevOne(); }

void RecitationSession::SlideTo(int position) { active_->SlideTo(position - from_); }

void RecitationSession::SetRepeat(int n)
{
    options_.repeat = n;
    ApplyOptions();
}

void RecitationSession::SetPause(int seconds)
{
    options_.pauseSeconds = seconds;
    ApplyOptions();
}

int RecitationSession::RecitationLength(AyaRef aya) const
{
    return aya.Valid() ? whole_->Player()->GetLength(SoundName(aya.Key())) : 0;
}

void RecitationSession::SetSpeed(double speed)
{
    const bool changed = speed != speed_;
    speed_ = speed;
    for (const std::unique_ptr<Drill>& drill : drills_)
        drill->Player()->SetSpeed(speed);
    if (changed)
        emit SpeedChanged(speed);
}

void RecitationSession::SetPauseFactor(double factor)
{
    options_.pauseFactor = factor > 0 ? factor : 0;
    ApplyOptions();
}

void RecitationSession::PresetLoop(bool on)
{
    options_.loop = on;
    ApplyOptions();
}

void RecitationSession::SetLoop(bool on)
{
    PresetLoop(on);
    StartDrill();
}

void RecitationSession::SetRange(bool on)
{
    rangeOn_ = on;
    StopAll();
    if (!on) {
        // The whole sura again, for the active drill, even after an empty range.
        FitRange();
        BuildDrill();
    }
    emit ProgressReset();
    StartDrill();
}

void RecitationSession::SetFrom(int aya)
{
    from_ = aya;
    emit RangeChanged(from_, to_, AyaCount());
    emit ProgressReset();
    StopAll();
    BuildDrill();
    StartDrill();
}

void RecitationSession::SetTo(int aya)
{
    to_ = aya;
    emit RangeChanged(from_, to_, AyaCount());
    emit ProgressReset();
    StopAll();
    BuildDrill();
    StartDrill();
}

void RecitationSession::SetStack(bool on)
{
    if (on == stackOn_ || singleOn_) // single mode has no stack
        return;
    stackOn_ = on;
    UseLearnerDrill(ChosenDrill());
}

void RecitationSession::SetSingle(bool on)
{
    if (on == singleOn_)
        return;
    singleOn_ = on;
    if (on) {
        // Single mode is the whole sura without range, loop or stack.
        stackOn_ = false;
        rangeOn_ = false;
        options_.loop = false;
        ApplyOptions();
        FitRange();
    }
    UseLearnerDrill(ChosenDrill());
}

void RecitationSession::SetPart(int startMs, int endMs) { single_->SetRange(startMs, endMs); }

void RecitationSession::FitPart() { single_->FitPart(); }

void RecitationSession::JumpInPart(int ms) { single_->Jump(ms); }
