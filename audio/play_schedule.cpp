// SPDX-License-Identifier: GPL-3.0-or-later
#include "play_schedule.h"

#include <algorithm>
#include <cmath>

int PlaySchedule::playCounter_ = 0;

bool PlaySchedule::Busy() const
{
    return host_->TimerActive(ScheduleHost::Tick) || host_->TimerActive(ScheduleHost::NextAya) ||
           host_->TimerActive(ScheduleHost::NextRange);
}

void PlaySchedule::SetRange(int startMs, int endMs)
{
    rangeStart_ = unsigned(std::max(startMs, 0));
    rangeEnd_ = unsigned(std::max(endMs, 0));
}

int PlaySchedule::PauseMs() const
{
    if (pauseFactor_ <= 0)
        return pauseSeconds_ * 1000;
    const unsigned length =
        rangeMode_ ? (rangeEnd_ > rangeStart_ ? rangeEnd_ - rangeStart_ : 0) : lastLength_;
    return int(std::lround(pauseFactor_ * length));
}

void PlaySchedule::StartPause(ScheduleHost::Timer timer)
{
    const int ms = PauseMs();
    host_->StartTimer(timer, ms);
    pausing_ = true;
    host_->Pausing(true, ms);
}

void PlaySchedule::CancelPauses()
{
    for (auto timer :
         {ScheduleHost::EndCheck, ScheduleHost::NextAya, ScheduleHost::Unpause, ScheduleHost::NextRange})
        host_->StopTimer(timer);
    EndPause();
}

void PlaySchedule::EndPause()
{
    if (!pausing_)
        return;
    pausing_ = false;
    host_->Pausing(false, 0);
}

void PlaySchedule::Begin()
{
    CancelPauses();
    host_->StartTimer(ScheduleHost::Tick, kTickMs);
}

void PlaySchedule::Started()
{
    playCounter_ = 0;
    stopped_ = false;
}

void PlaySchedule::Abandon()
{
    // Nothing can play: the steps that would need the sound could only fail and say so again.
    host_->StopTimer(ScheduleHost::Tick);
    stopped_ = true;
}

void PlaySchedule::Stop()
{
    host_->StopSound();
    stopped_ = true;
    host_->StopTimer(ScheduleHost::Tick);
    CancelPauses();
}

void PlaySchedule::FinishWhole()
{
    host_->StopSound();
    playCounter_ = 0;
    stopped_ = true;
    host_->StopTimer(ScheduleHost::Tick);
    host_->Finished(false);
}

void PlaySchedule::OnPosition(unsigned position, unsigned length, bool hasSound)
{
    if (hasSound)
        lastLength_ = length;
    if (rangeMode_) {
        // A pass ends at the part's end, or at the sound's end when the part reaches beyond it.
        const bool soundOver = hasSound && length > 0 && position >= length;
        if (position < rangeEnd_ && !soundOver) {
            // The part ends before the next tick: look again at its end, not up to a tick later.
            if (rangeEnd_ - position < unsigned(kTickMs) && !host_->TimerActive(ScheduleHost::EndCheck))
                host_->StartTimer(ScheduleHost::EndCheck, int(rangeEnd_ - position));
            return;
        }
        ++playCounter_;
        host_->StopSound();
        stopped_ = true;
        host_->StopTimer(ScheduleHost::Tick);
        if (Pauses())
            StartPause(ScheduleHost::NextRange);
        else
            host_->Finished(true);
        return;
    }

    if (gapless_) {
        // The passes follow one another on the channel; OnSegment() and OnEnded() count them.
        if (hasSound && position < length && length - position < unsigned(kTickMs) &&
            !host_->TimerActive(ScheduleHost::EndCheck))
            host_->StartTimer(ScheduleHost::EndCheck, int(length - position) + kEndSlackMs);
        return;
    }

    // The sound ends before the next tick: look again just after its end rather than up to a tick later.
    if (hasSound && position < length && length - position < unsigned(kTickMs) &&
        !host_->TimerActive(ScheduleHost::EndCheck))
        host_->StartTimer(ScheduleHost::EndCheck, int(length - position) + kEndSlackMs);

    if (hasSound && position >= length) {
        ++playCounter_;
        const bool last = repeat_ != 0 && playCounter_ >= repeat_;
        // The last play needs no restart unless a pause follows it; then the restarted sound stays
        // paused (and silent) until the next-aya timer ends the request.
        if (!last || Pauses()) {
            host_->RestartSound(Pauses());
            if (Pauses() && !last)
                StartPause(ScheduleHost::Unpause);
        }
    }
    if (playCounter_ >= repeat_ && repeat_ != 0 && playCounter_ != 0) {
        if (Pauses()) {
            host_->StopTimer(ScheduleHost::Unpause);
            StartPause(ScheduleHost::NextAya);
            playCounter_ = 0;
        } else {
            FinishWhole();
        }
    }
}

void PlaySchedule::OnTimer(ScheduleHost::Timer timer)
{
    switch (timer) {
    case ScheduleHost::NextAya:
        host_->StopTimer(ScheduleHost::NextAya);
        EndPause();
        FinishWhole();
        return;
    case ScheduleHost::Unpause:
        EndPause();
        host_->UnpauseSound();
        return;
    case ScheduleHost::NextRange:
        host_->StopTimer(ScheduleHost::NextRange);
        EndPause();
        host_->Finished(true);
        return;
    case ScheduleHost::Tick:
    case ScheduleHost::EndCheck:
    case ScheduleHost::TimerCount:
        return;
    }
}

void PlaySchedule::OnSegment(bool next)
{
    if (!gapless_)
        return;
    if (!next) {
        ++playCounter_;
        return;
    }
    // The next aya is heard: this request is over, and its sound goes on as the next request's.
    playCounter_ = 0;
    host_->Finished(false);
}

void PlaySchedule::OnEnded()
{
    if (gapless_ && !stopped_)
        FinishWhole();
}
