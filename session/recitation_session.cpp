// SPDX-License-Identifier: GPL-3.0-or-later
#include "recitation_session.h"

#include "arabic.h"
#include "naming.h"
#include "single.h"
#include "stack.h"
#include "whole.h"

#include <algorithm>
#include <cstdio>

RecitationSession::RecitationSession(QObject* parent)
    : QObject(parent), cursor_(std::make_unique<Arabic>()), whole_(std::make_unique<Whole>()),
      stack_(std::make_unique<Stack>()), single_(std::make_unique<Single>())
{
    cursor_->SetSura("114");
    connect(whole_.get(), &Whole::WholeSuraAya, this, &RecitationSession::OnAyaStarted);
    connect(stack_.get(), &Stack::StackSuraAya, this, &RecitationSession::OnAyaStarted);
    connect(single_.get(), &Single::SingleSuraAya, this, &RecitationSession::OnAyaStarted);
    connect(whole_.get(), &Whole::WholeStat, this, &RecitationSession::Progress);
    connect(stack_.get(), &Stack::StackStat, this, &RecitationSession::Progress);
    connect(whole_.get(), &Whole::WholeDone, this, &RecitationSession::OnWholeDone);
    connect(stack_.get(), &Stack::StackDone, this, &RecitationSession::DrillFinished);
    connect(single_.get(), &Single::CurSoundPos, this, &RecitationSession::PartPosition);
    for (MP3* player : {whole_->Player(), stack_->Player(), single_->Player()}) {
        connect(player, &MP3::PauseChanged, this, [this](bool on, int ms) {
            pausing_ = on;
            emit PauseChanged(on, ms);
        });
        connect(player, &MP3::StateChanged, this, [this] {
            // Queued: a drill moving on stops one request and starts the next; only where it ends up is told.
            QMetaObject::invokeMethod(this, &RecitationSession::TellState, Qt::QueuedConnection);
        });
    }
    // A loop's passes: the drill's first entry again after a later one, or again at all when the drill
    // has one entry.
    auto countPasses = [this](int index, int last) {
        if (index == 0 && started_ && (lastIndex_ > 0 || last == 0))
            ++pass_;
        started_ = true;
        lastIndex_ = index;
    };
    connect(whole_.get(), &Whole::WholeStat, this, countPasses);
    connect(stack_.get(), &Stack::StackStat, this, countPasses);
}

RecitationSession::~RecitationSession() = default;

void RecitationSession::TellState()
{
    const bool playing = ActivePlayer()->Busy();
    emit StateChanged();
    if (playing != playing_) {
        playing_ = playing;
        emit PlayingChanged(playing);
    }
}

MP3* RecitationSession::ActivePlayer() const
{
    switch (mode_) {
    case Mode::Single:
        return single_->Player();
    case Mode::Stack:
        return stack_->Player();
    case Mode::Whole:
    case Mode::Review:
        break;
    }
    return whole_->Player();
}

std::string RecitationSession::SuraKey() const { return cursor_->GetSura(); }
std::string RecitationSession::CurrentAya() const { return cursor_->GetCurAya(); }
int RecitationSession::AyaCount() const { return cursor_->GetAyaLen(); }

void RecitationSession::SetPack(const KelRes& pack)
{
    whole_->SetRes(pack);
    stack_->SetRes(pack);
    single_->SetRes(pack);
    // Another recording of the aya on screen (another recitation): its part is fitted to it again.
    if (mode_ == Mode::Single && single_->GetSoundLen(SoundName(CurrentAya())) != partLength_)
        FitPart();
}

void RecitationSession::SetDevice(int driver)
{
    whole_->Player()->SetDevice(driver);
    stack_->SetDevice(driver);
    single_->SetDevice(driver);
}

void RecitationSession::StopAll()
{
    single_->Stop();
    whole_->Stop();
    stack_->Stop();
}

void RecitationSession::OnAyaStarted(const std::string& key)
{
    int sura = 0, aya = 0;
    if (SplitAyaKey(key, &sura, &aya))
        cursor_->SetAya(aya);
    emit AyaShown(key);
}

void RecitationSession::MarkShown(int aya) { cursor_->SetAya(aya); }

void RecitationSession::FitRange()
{
    from_ = 1;
    to_ = AyaCount();
    emit RangeChanged(from_, to_, AyaCount());
}

void RecitationSession::BuildDrill(int from)
{
    if (mode_ == Mode::Stack) {
        stack_->GenerateStack(SuraKey(), from, to_);
        stack_->PauseTime(pause_);
    } else {
        whole_->GenerateWhole(SuraKey(), from, to_);
        whole_->PauseTime(pause_);
    }
}

void RecitationSession::StartDrill()
{
    pass_ = 1;
    lastIndex_ = 0;
    started_ = false;
    if (mode_ == Mode::Single)
        return;
    if (mode_ == Mode::Stack)
        stack_->Play();
    else
        whole_->Play();
}

void RecitationSession::ChooseSura(int sura)
{
    cursor_->SetSura(PadSura(IntToString(sura)));
    FitRange();
    StopAll();
    if (mode_ == Mode::Single)
        ShowSingleAya(CurrentAya());
    else
        BuildDrill(from_);
}

void RecitationSession::Start() { StartDrill(); }

void RecitationSession::CueAya(int sura, int aya) { GoToAya(sura, aya, false); }

void RecitationSession::PlayFromAya(int sura, int aya) { GoToAya(sura, aya, true); }

void RecitationSession::GoToAya(int sura, int aya, bool play)
{
    cursor_->SetSura(PadSura(IntToString(sura)));
    cursor_->SetAya(aya);
    FitRange();
    StopAll();
    switch (mode_) {
    case Mode::Single:
        if (!play)
            BuildDrill(from_); // whole-sura playback of the new sura waits behind the single-aya drill
        ShowSingleAya(CurrentAya());
        return;
    case Mode::Stack:
        // The stack builds up from the aya chosen.
        emit ProgressReset();
        from_ = aya;
        emit RangeChanged(from_, to_, AyaCount());
        BuildDrill(from_);
        if (play)
            stack_->Play();
        else
            emit AyaShown(CurrentAya());
        return;
    case Mode::Whole:
    case Mode::Review:
        BuildDrill(from_);
        if (play) {
            whole_->GoTo(aya);
        } else {
            emit AyaShown(CurrentAya());
            whole_->Cue(aya);
        }
        return;
    }
}

void RecitationSession::Play()
{
    if (mode_ == Mode::Single)
        single_->PlayRange(CurrentAya());
    else
        StartDrill();
}

void RecitationSession::Stop()
{
    StopAll();
    if (mode_ == Mode::Review)
        EndReview();
}

void RecitationSession::PlayReview(int sura, int first, int last)
{
    StopAll();
    if (mode_ != Mode::Review)
        beforeReview_ = mode_;
    mode_ = Mode::Review;
    cursor_->SetSura(PadSura(IntToString(sura)));
    cursor_->SetAya(first);
    whole_->GenerateWhole(SuraKey(), first, last);
    whole_->Player()->SetRepeat(1);
    whole_->PauseTime(0);
    whole_->Player()->SetPauseFactor(0);
    whole_->SetLoop(false);
    whole_->Play();
}

void RecitationSession::OnWholeDone()
{
    const bool review = mode_ == Mode::Review;
    if (review)
        EndReview();
    emit DrillFinished();
    if (review)
        emit ReviewFinished();
}

void RecitationSession::EndReview()
{
    mode_ = beforeReview_;
    whole_->Player()->SetRepeat(repeat_);
    whole_->Player()->SetPauseFactor(pauseFactor_);
    whole_->SetLoop(loop_);
    // The learner stays at the sura reviewed, over the whole of it.
    FitRange();
    whole_->GenerateWhole(SuraKey(), from_, to_);
    whole_->PauseTime(pause_);
    if (mode_ == Mode::Stack)
        BuildDrill(from_);
}

void RecitationSession::TogglePlay() { ActivePlayer()->Busy() ? Stop() : Play(); }

void RecitationSession::Next()
{
    switch (mode_) {
    case Mode::Single:
        ShowSingleAya(cursor_->GetNextAya());
        return;
    case Mode::Stack:
        stack_->NextOne();
        return;
    case Mode::Whole:
    case Mode::Review:
        whole_->NextOne();
        return;
    }
}

void RecitationSession::Previous()
{
    switch (mode_) {
    case Mode::Single:
        ShowSingleAya(cursor_->GetPreviousAya());
        return;
    case Mode::Stack:
        stack_->PrevOne();
        return;
    case Mode::Whole:
    case Mode::Review:
        whole_->PrevOne();
        return;
    }
}

void RecitationSession::SlideTo(int aya)
{
    if (mode_ != Mode::Stack)
        whole_->GoTo(aya);
}

void RecitationSession::SetRepeat(int n)
{
    repeat_ = n;
    if (mode_ != Mode::Review) // the review plays each aya once; the repeat comes back after it
        whole_->Player()->SetRepeat(n);
    stack_->SetRepeat(n);
}

void RecitationSession::SetPause(int seconds)
{
    pause_ = seconds;
    if (mode_ == Mode::Review) // the review pauses nowhere; the pause comes back after it
        return;
    if (mode_ == Mode::Stack)
        stack_->PauseTime(seconds);
    else
        whole_->PauseTime(seconds);
    if (mode_ == Mode::Single)
        single_->PauseTime(seconds);
}

void RecitationSession::SetSpeed(double speed)
{
    for (MP3* player : {whole_->Player(), stack_->Player(), single_->Player()})
        player->SetSpeed(speed);
}

void RecitationSession::SetPauseFactor(double factor)
{
    pauseFactor_ = factor > 0 ? factor : 0;
    for (MP3* player : {whole_->Player(), stack_->Player(), single_->Player()})
        if (mode_ != Mode::Review || player != whole_->Player()) // the review plays without pauses
            player->SetPauseFactor(pauseFactor_);
}

std::string PauseWords(int ms)
{
    // Rounded to the nearest second, not up: a pause of 2.1 s reads "2 s"; the last second in tenths.
    char text[32];
    if (ms < 950)
        std::snprintf(text, sizeof text, "%.1f s", std::max(ms, 0) / 1000.0);
    else
        std::snprintf(text, sizeof text, "%d s", int((ms + 500) / 1000));
    return text;
}

std::string RecitationSession::StatusLine() const
{
    const MP3* player = ActivePlayer();
    if (AyaCount() == 0)
        return "No sura pack installed";
    const int aya = cursor_->CurrentAya();
    std::string line = "Aya " + std::to_string(aya) + " of " + std::to_string(AyaCount());
    if (mode_ == Mode::Stack && !stack_->Keys().empty()) {
        // The build-up under way runs from the range's first aya to the last aya before the next restart.
        const std::vector<std::string>& keys = stack_->Keys();
        size_t end = size_t(std::clamp(stack_->Index(), 0, int(keys.size()) - 1));
        while (end + 1 < keys.size() && keys[end + 1] != keys.front())
            ++end;
        int first = 0, last = 0, sura = 0;
        SplitAyaKey(keys.front(), &sura, &first);
        SplitAyaKey(keys[end], &sura, &last);
        line = "Stack " + std::to_string(first) + "-" + std::to_string(last) + ", pass " +
               std::to_string(pass_) + " · aya " + std::to_string(aya);
    }
    if (mode_ == Mode::Single) {
        char part[64];
        std::snprintf(part, sizeof part, " · part from %.2f to %.2f s", partStart_ / 1000.0,
                      partEnd_ / 1000.0);
        line += part;
    }
    if (!player->Busy())
        return line;
    if (pausing_)
        return line + " · pause " + PauseWords(player->PauseRemainingMs());
    if (mode_ != Mode::Single) {
        const int repeat = player->Repeat();
        const int now = std::min(PlaySchedule::PlayCounter() + 1, repeat > 0 ? repeat : INT32_MAX);
        line += " · repetition " + std::to_string(now) + (repeat > 0 ? " of " + std::to_string(repeat) : "");
    }
    return line;
}

void RecitationSession::PresetLoop(bool on)
{
    loop_ = on;
    whole_->SetLoop(on);
    stack_->SetLoop(on);
}

void RecitationSession::SetLoop(bool on)
{
    loop_ = on;
    whole_->SetLoop(on);
    stack_->SetLoop(on);
    StartDrill();
}

void RecitationSession::SetRange(bool on)
{
    rangeOn_ = on;
    StopAll();
    if (!on) {
        // The whole sura again, for the active drill, even after an empty range.
        FitRange();
        BuildDrill(1);
    }
    if (mode_ == Mode::Stack)
        emit ProgressReset();
    StartDrill();
}

void RecitationSession::SetFrom(int aya)
{
    from_ = aya;
    emit RangeChanged(from_, to_, AyaCount());
    if (mode_ == Mode::Stack) {
        emit ProgressReset();
        stack_->SetMin(aya);
    } else {
        whole_->SetMin(aya);
    }
}

void RecitationSession::SetTo(int aya)
{
    to_ = aya;
    emit RangeChanged(from_, to_, AyaCount());
    if (mode_ == Mode::Stack) {
        emit ProgressReset();
        stack_->SetMax(aya);
    } else {
        whole_->SetMax(aya);
    }
}

void RecitationSession::SetStack(bool on)
{
    if (on == (mode_ == Mode::Stack) || mode_ == Mode::Single)
        return;
    if (on) {
        mode_ = Mode::Stack;
        whole_->Stop();
        BuildDrill(from_);
    } else {
        mode_ = Mode::Whole;
        BuildDrill(from_);
        stack_->Stop();
        emit ProgressReset();
    }
}

void RecitationSession::SetSingle(bool on)
{
    if (on == (mode_ == Mode::Single))
        return;
    StopAll();
    if (!on) {
        mode_ = Mode::Whole;
        return;
    }
    if (mode_ == Mode::Stack)
        emit ProgressReset();
    // Whole-sura playback over the whole sura, without loop, waits behind the single-aya drill.
    mode_ = Mode::Whole;
    rangeOn_ = false;
    loop_ = false;
    whole_->SetLoop(false);
    stack_->SetLoop(false);
    FitRange();
    BuildDrill(1);
    mode_ = Mode::Single;
    single_->PauseTime(pause_);
    ShowSingleAya(CurrentAya());
}

void RecitationSession::ShowSingleAya(const std::string& key)
{
    single_->Stop();
    emit AyaShown(key);
    FitPart();
}

void RecitationSession::SetPart(int startMs, int endMs)
{
    partStart_ = startMs;
    partEnd_ = endMs;
    single_->SetRange(startMs, endMs);
}

void RecitationSession::FitPart()
{
    const int length = single_->GetSoundLen(SoundName(CurrentAya()));
    partLength_ = length;
    SetPart(0, length);
    emit PartChanged(0, length, length);
}

void RecitationSession::JumpInPart(int ms) { single_->Jump(ms); }
