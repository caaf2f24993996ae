// SPDX-License-Identifier: GPL-3.0-or-later
#include "mp3.h"

#include <QCoreApplication>
#include <algorithm>

bool MP3::noOutputTold_ = false;
bool MP3::deviceLossTold_ = false;

namespace
{

bool Accepted(sound::Result r)
{
    return r == sound::Ok || r == sound::ErrChannelStolen || r == sound::ErrInvalidHandle;
}

} // namespace

MP3::MP3()
{
    // Pauses are heard: they keep their length to the millisecond, not within a coarse timer's 5 %.
    for (QTimer& t : timers_)
        t.setTimerType(Qt::PreciseTimer);
    timers_[EndCheck].setSingleShot(true);
    StartSystem(-1, "");
    connect(&timers_[Tick], &QTimer::timeout, this, [this] {
        Loop();
        ReportState();
    });
    connect(&timers_[EndCheck], &QTimer::timeout, this, &MP3::CatchUp);
    for (Timer t : {NextAya, Unpause, NextRange})
        connect(&timers_[t], &QTimer::timeout, this, [this, t] { schedule_.OnTimer(t); });
}

MP3::~MP3() = default; // the System closes itself, releasing its sounds

void MP3::StartSystem(int driver, const std::string& fix)
{
    sound_ = 0;
    channel_ = 0;
    live_ = false;
    sound::System::Create(&system_);
    if (driver >= 0) {
        lastResult_ = system_->SetDriver(driver);
        if (lastResult_ != sound::ErrNoDrivers)
            ERRCHECK(lastResult_, fix);
    }
    lastResult_ = system_->Init(kChannels);
    const bool noDevice =
        lastResult_ == sound::ErrNoDrivers || (lastResult_ == sound::ErrOutputInit && driver < 0);
    if (noDevice) {
        if (!noOutputTold_) {
            noOutputTold_ = true;
            // Queued: the first player finds this while it is built, before anyone listens.
            QTimer::singleShot(0, this, [this] { emit NoOutput(); });
        }
        return;
    }
    ERRCHECK(lastResult_, fix);
    live_ = lastResult_ == sound::Ok;
    if (live_ && driver >= 0)
        deviceLossTold_ = false; // a device chosen anew: its loss is news again
    lastResult_ = system_->SetStreamBufferSize(kStreamBufferMs);
    ERRCHECK(lastResult_, fix);
    system_->SetSpeed(speed_);
}

void MP3::SetSpeed(double speed)
{
    const double before = speed_;
    speed_ = std::clamp(speed, sound::kMinSpeed, sound::kMaxSpeed);
    system_->SetSpeed(speed_);
    if (speed_ != before)
        Requeue();
}

void MP3::SetRepeat(int n)
{
    const bool changed = n != schedule_.Repeat();
    schedule_.SetRepeat(n);
    if (changed)
        Requeue();
}

void MP3::Pause(bool on)
{
    const bool before = schedule_.Pausing();
    schedule_.SetPauseEnabled(on);
    if (schedule_.Pausing() != before)
        Requeue();
}

void MP3::SetPauseFactor(double factor)
{
    const bool before = schedule_.Pausing();
    schedule_.SetPauseFactor(factor);
    if (schedule_.Pausing() != before)
        Requeue();
}

void MP3::ReleaseNext()
{
    if (nextSound_)
        system_->ReleaseSound(nextSound_);
    nextSound_ = 0;
}

void MP3::Requeue()
{
    if (!live_ || !channel_ || schedule_.Stopped() || schedule_.RangeMode() || !timers_[Tick].isActive())
        return;
    if (schedule_.Gapless()) {
        // Whatever was queued with the old settings goes; the passes heard so far are counted, which may
        // end this request when the next item had already begun (the drill then plays it afresh).
        system_->TakeBack(channel_);
        Loop();
        if (schedule_.Stopped() || !schedule_.Gapless() || !timers_[Tick].isActive())
            return;
        QueueRest();
        return;
    }
    // Played pass by pass: once pauses are off, the passes left follow gaplessly, unless a pause (or
    // the silent restart before one) is under way; that pause ends as it began.
    bool paused = true;
    if (schedule_.Pausing() || schedule_.InPause() || system_->GetPaused(channel_, &paused) != sound::Ok ||
        paused)
        return;
    schedule_.SetGapless(true);
    system_->GetSegment(channel_, &segment_);
    QueueRest();
}

void MP3::QueueRest()
{
    system_->TakeBack(channel_);
    ReleaseNext();
    if (schedule_.Pausing()) {
        schedule_.SetGapless(false);
        return;
    }
    const int repeat = schedule_.Repeat();
    const int left = repeat == 0 ? INT32_MAX : std::max(repeat - PlaySchedule::PlayCounter() - 1, 0);
    system_->QueueRepeats(channel_, left);
    SetNext(nextName_);
}

std::shared_ptr<const std::vector<char>> MP3::Recording(const std::string& name, bool tell)
{
    const std::string own = kOwnPrefix;
    if (name.compare(0, own.size(), own) == 0)
        return own_ ? own_(name.substr(own.size())) : nullptr;
    auto bytes = std::make_shared<std::vector<char>>();
    const KelRes* pack = &archive_;
    if (finder_ && !archive_.Contains(name))
        if (const KelRes* found = finder_(name))
            pack = found;
    switch (pack->ExtractInto(name, bytes.get(), KelRes::kMaxRecordingBytes)) {
    case KelRes::ItemStatus::Ok:
        return bytes;
    case KelRes::ItemStatus::TooLarge:
        if (tell)
            emit Failed(
                QCoreApplication::translate("Sound", kSoundErrorTitle),
                QCoreApplication::translate(
                    "Sound",
                    "The recording \"%1\" is too large to play: %2 MB, where at most %3 MB can be played.")
                    .arg(QString::fromStdString(name).toHtmlEscaped())
                    .arg(pack->ItemSize(name) >> 20)
                    .arg(KelRes::kMaxRecordingBytes >> 20));
        return nullptr;
    case KelRes::ItemStatus::Missing:
        return nullptr;
    }
    return nullptr;
}

void MP3::Play(const std::string& name)
{
    if (!live_)
        return;
    // The next item was queued and is being heard already: it becomes this request without a restart.
    sound::SoundHandle heard = 0;
    if (nextSound_ && name == nextName_ && channel_ &&
        system_->GetCurrentSound(channel_, &heard) == sound::Ok && heard == nextSound_) {
        system_->ReleaseSound(sound_);
        sound_ = nextSound_;
        nextSound_ = 0;
        nextName_.clear();
        schedule_.Begin();
        schedule_.Started();
        system_->GetSegment(channel_, &segment_);
        ReportState();
        return;
    }
    nextName_.clear();
    std::shared_ptr<const std::vector<char>> bytes = Recording(name, true);
    if (!bytes)
        return;
    schedule_.Begin();
    // What the channel plays, its queued item included, ends here, before the new sound is heard.
    if (channel_)
        system_->Stop(channel_);
    channel_ = 0;
    if (sound_) {
        lastResult_ = system_->ReleaseSound(sound_);
        ERRCHECK(lastResult_, "");
        sound_ = 0;
    }
    lastResult_ = system_->CreateSound(std::move(bytes), &sound_);
    ERRCHECK(lastResult_, "");
    if (lastResult_ != sound::Ok) {
        schedule_.Abandon();
        return;
    }
    schedule_.Started();
    lastResult_ = system_->SetLoop(sound_, false);
    ERRCHECK(lastResult_, "");
    // A range starts paused, so that not a moment of the sound's beginning is heard before the seek.
    const unsigned rangeStart = schedule_.RangeStart();
    const bool seekFirst = schedule_.RangeMode() && rangeStart > 0;
    lastResult_ = system_->PlaySound(sound_, seekFirst, &channel_);
    ERRCHECK(lastResult_, "");
    unsigned length = 0;
    lastResult_ = system_->GetLength(sound_, &length);
    ERRCHECK(lastResult_, QT_TRANSLATE_NOOP("Sound", "Get Length Error"));
    if (schedule_.RangeMode() && channel_ && rangeStart < length) {
        lastResult_ = system_->SetPosition(channel_, rangeStart);
        ERRCHECK(lastResult_, QT_TRANSLATE_NOOP("Sound", "Select a valid range"));
    }
    if (seekFirst && channel_)
        system_->SetPaused(channel_, false);
    // Without pauses, the repetitions follow on the channel itself, with nothing between them.
    const bool gapless = !schedule_.Pausing() && !schedule_.RangeMode() && channel_;
    schedule_.SetGapless(gapless);
    segment_ = 0;
    ReleaseNext();
    if (gapless)
        system_->QueueRepeats(channel_, schedule_.Repeat() == 0 ? INT32_MAX : schedule_.Repeat() - 1);
    system_->Update();
    ReportState();
}

void MP3::SetNext(const std::string& name)
{
    nextName_ = name;
    if (!schedule_.Gapless() || !channel_ || name.empty() || schedule_.Repeat() == 0 || nextSound_)
        return;
    std::shared_ptr<const std::vector<char>> bytes = Recording(name, false);
    if (!bytes || system_->CreateSound(std::move(bytes), &nextSound_) != sound::Ok) {
        nextSound_ = 0;
        return;
    }
    system_->QueueNext(channel_, nextSound_, schedule_.Repeat() - 1);
}

void MP3::PlayAll(const std::string& name)
{
    schedule_.SetRangeMode(false);
    Play(name);
}

void MP3::PlayRange(const std::string& name)
{
    schedule_.SetRangeMode(true);
    Play(name);
}

void MP3::RestartSound(bool paused)
{
    lastResult_ = system_->PlaySound(sound_, paused, &channel_);
    ERRCHECK(lastResult_, "");
}

void MP3::UnpauseSound()
{
    if (channel_ && live_) {
        system_->SetPaused(channel_, false);
        // Pauses turned off during the pause: the passes left follow without one.
        if (!schedule_.Pausing())
            Requeue();
    }
}

void MP3::StopSound()
{
    if (channel_)
        system_->Stop(channel_);
}

void MP3::SetPos(int ms)
{
    if (!channel_ || schedule_.Stopped() || !live_)
        return;
    lastResult_ = system_->SetPosition(channel_, unsigned(std::max(ms, 0)));
    ERRCHECK(lastResult_, QT_TRANSLATE_NOOP("Sound", "Error in set position"));
}

int MP3::GetLength(const std::string& name)
{
    std::shared_ptr<const std::vector<char>> bytes = Recording(name, false);
    unsigned length = 0;
    if (!bytes || sound::MeasureLength(std::move(bytes), &length) != sound::Ok)
        return 0;
    return int(std::min<unsigned>(length, INT32_MAX));
}

void MP3::SetDevice(int driver)
{
    Stop();
    StartSystem(driver, QT_TRANSLATE_NOOP("Sound", "Select a valid sound device"));
}

std::vector<std::string> MP3::GetDevices()
{
    std::vector<std::string> names;
    int count = 0;
    lastResult_ = system_->GetNumDrivers(&count);
    ERRCHECK(lastResult_, "");
    for (int i = 0; i < count; ++i) {
        std::string name;
        if (system_->GetDriverName(i, &name) == sound::Ok)
            names.push_back(name.substr(0, 255));
    }
    return names;
}

void MP3::ERRCHECK(sound::Result result, const std::string& fix)
{
    if (result == sound::Ok)
        return;
    QString text = QCoreApplication::translate("Sound", sound::ErrorString(result));
    if (!fix.empty())
        text += "<br><br>" + QCoreApplication::translate("Sound", "To fix: %1")
                                 .arg(QCoreApplication::translate("Sound", fix.c_str()));
    emit Failed(QCoreApplication::translate("Sound", kSoundErrorTitle), text);
}

void MP3::Loop()
{
    if (!channel_ || !live_)
        return;
    unsigned position = 0;
    lastResult_ = system_->GetPosition(channel_, &position);
    if (lastResult_ == sound::ErrOutput) {
        DeviceLost();
        return;
    }
    const bool positionValid = lastResult_ == sound::Ok;
    if (!Accepted(lastResult_))
        ERRCHECK(lastResult_, "");
    sound::SoundHandle current = 0;
    system_->GetCurrentSound(channel_, &current);
    if (positionValid)
        emit CurSoundPos(int(position));
    unsigned length = 0;
    if (current) {
        lastResult_ = system_->GetLength(current, &length);
        if (!Accepted(lastResult_))
            ERRCHECK(lastResult_, "");
    }
    if (schedule_.Gapless()) {
        // Each pass begun since the last look: a repetition, or the next item (which ends this request).
        int segment = segment_;
        if (system_->GetSegment(channel_, &segment) == sound::Ok && segment > segment_) {
            while (segment_ < segment) {
                ++segment_;
                const bool next = nextSound_ && current == nextSound_ && segment_ == segment;
                schedule_.OnSegment(next);
                if (next)
                    return; // the drill has moved on; its request takes over the channel
            }
        }
        bool playing = true;
        if (system_->IsPlaying(channel_, &playing) == sound::Ok && !playing) {
            schedule_.OnEnded();
            return;
        }
    }
    // Without a valid position there is nothing to compare. A part ends where the mixer is, not where
    // the listener is: what the device still holds is heard after the stop.
    unsigned ahead = 0;
    if (schedule_.RangeMode())
        system_->GetLatency(channel_, &ahead);
    if (!positionValid)
        return;
    const bool wasStopped = schedule_.Stopped();
    schedule_.OnPosition(position + ahead, length, current != 0);
    // The part ended: its end is the place to show, though its last moments are still to be heard.
    if (ahead > 0 && schedule_.Stopped() && !wasStopped)
        emit CurSoundPos(int(position + ahead));
}

void MP3::DeviceLost()
{
    // The drill stops where it is instead of stepping through the ayas in silence.
    Stop();
    if (deviceLossTold_)
        return;
    deviceLossTold_ = true;
    emit OutputLost();
}

void MP3::ReportState()
{
    const bool busy = Busy();
    const int counter = busy ? PlayCounter() : -1;
    if (busy == reportedBusy_ && counter == reportedCounter_)
        return;
    reportedBusy_ = busy;
    reportedCounter_ = counter;
    emit StateChanged();
}

int MP3::PauseRemainingMs() const
{
    int left = 0;
    for (Timer t : {NextAya, Unpause, NextRange})
        if (timers_[t].isActive())
            left = std::max(left, timers_[t].remainingTime());
    return left;
}
