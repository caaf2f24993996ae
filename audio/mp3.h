// SPDX-License-Identifier: GPL-3.0-or-later
// MP3 plays one recitation at a time, taken by item name from its own copy of a pack. It is the device
// side of a play request: the sound system, the channel, the timers. The rules of repeats, pauses and
// ranges are its PlaySchedule's; MP3 looks at the sound every 100 ms (and just after its expected end)
// and hands the position to the schedule. Every tick reports the position with CurSoundPos(ms).
// Failures are reported by Failed(title, text) for the window to show; the player goes on.
#pragma once

#include "aya_player.h"
#include "kelres.h"
#include "play_schedule.h"
#include "sound.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class MP3 : public AyaPlayer, private ScheduleHost
{
    Q_OBJECT
  public:
    static constexpr int kTickMs = PlaySchedule::kTickMs;
    static constexpr int kChannels = 32;
    static constexpr unsigned kStreamBufferMs = 65536;

    MP3();
    ~MP3() override;

    const PlaySchedule& Schedule() const { return schedule_; }
    int Repeat() const override { return schedule_.Repeat(); }
    int PauseSeconds() const override { return schedule_.PauseSeconds(); }
    bool PauseEnabled() const override { return schedule_.PauseEnabled(); }
    double PauseFactor() const override { return schedule_.PauseFactor(); }
    bool Pausing() const override { return schedule_.Pausing(); }
    bool RangeMode() const { return schedule_.RangeMode(); }
    bool Stopped() const { return schedule_.Stopped(); }
    // True while the position timer runs or a pause is pending: the player is reciting.
    bool Busy() const override { return schedule_.Busy(); }
    // What is left of the pause under way, in milliseconds; 0 when none is.
    int PauseRemainingMs() const override;
    int PassesDone() const override { return PlaySchedule::PlayCounter(); }
    const KelRes& Res() const { return archive_; }
    // True when the player has a working output device.
    bool HasOutput() const override { return live_; }
    // The play counter shared by every player: completed plays of the current whole-mode sound.
    static int PlayCounter() { return PlaySchedule::PlayCounter(); }

  public slots:
    void Play(const std::string& name) override;
    void SetNext(const std::string& name) override;
    void PlayAll(const std::string& name);
    void PlayRange(const std::string& name) override;
    // An explicit stop: the device pauses at once, where the gaps inside a drill keep it running.
    void Stop() override
    {
        schedule_.Stop();
        sound::PauseOutputSoon();
        ReportState();
    }
    // The settings below apply from the next boundary (the next pass or the next aya) that has not
    // started yet: what was queued for later with the old settings is taken back and queued again.
    void SetRepeat(int n) override;
    void SetPauseTime(int seconds) override { schedule_.SetPauseTime(seconds); }
    void Pause(bool on) override;
    void SetSpeed(double speed) override;
    double Speed() const override { return speed_; }
    void SetPauseFactor(double factor) override;
    void SetRange(int start, int end) override { schedule_.SetRange(start, end); }
    void SetPos(int ms) override;
    int GetLength(const std::string& name) override;
    void SetDevice(int driver) override;
    std::vector<std::string> GetDevices() override;
    void SetRes(const KelRes& res) override { archive_ = res; }
    void SetPackFinder(PackFinder finder) override { finder_ = std::move(finder); }
    void SetOwnSource(OwnSource own) override { own_ = std::move(own); }
    // Reports a failed operation (nothing for Ok), with a hint to fix it when there is one.
    void ERRCHECK(sound::Result result, const std::string& fix);
    void Loop();
    // Looks at the sound now rather than at the next tick, while reciting: a pass or the queued item
    // begun since the last look is counted (and Done() said) before a step is taken from here.
    void CatchUp() override
    {
        if (timers_[Tick].isActive())
            Loop();
    }

  private:
    // ScheduleHost: the schedule's timers and its hold on the channel.
    void StartTimer(Timer timer, int ms) override { timers_[timer].start(ms); }
    void StopTimer(Timer timer) override { timers_[timer].stop(); }
    bool TimerActive(Timer timer) const override { return timers_[timer].isActive(); }
    void RestartSound(bool paused) override;
    void UnpauseSound() override;
    void StopSound() override;
    void Finished(bool range) override
    {
        range ? emit DoneR() : emit Done();
        ReportState();
    }
    void Pausing(bool on, int ms) override { emit PauseChanged(on, ms); }

    // Creates and starts a sound system on driver (-1: the default). Failures go to ERRCHECK with fix;
    // a machine without any output is told once per run instead.
    void StartSystem(int driver, const std::string& fix);
    // The named recording's bytes, read once; null when it is missing, or too large to play (told
    // when tell is set).
    std::shared_ptr<const std::vector<char>> Recording(const std::string& name, bool tell);
    // The output device went away while playing: stop, and say so once.
    void DeviceLost();
    // Says StateChanged() when reciting or the repetition under way differs from what was said last.
    void ReportState();
    bool reportedBusy_ = false;
    int reportedCounter_ = -1;
    // A setting changed while a request plays: the rest of it is queued again under the new settings.
    void Requeue();
    // With the channel holding nothing after the pass heard now: queue the passes left and the next
    // item gaplessly, or, when pauses are now on, leave the rest to the schedule pass by pass.
    void QueueRest();
    void ReleaseNext();

    std::unique_ptr<sound::System> system_;
    bool live_ = false;
    sound::SoundHandle sound_ = 0;
    sound::ChannelHandle channel_ = 0;
    sound::Result lastResult_ = sound::Ok;
    std::array<QTimer, TimerCount> timers_;
    PlaySchedule schedule_{this};
    KelRes archive_;
    PackFinder finder_;
    OwnSource own_;
    double speed_ = 1.0;
    // The gapless sequence: the next item's sound, already queued on the channel, and the passes heard.
    sound::SoundHandle nextSound_ = 0; // queued on the channel; 0 while nothing is
    std::string nextName_;             // what the drill plays next, queued or not
    int segment_ = 0;

    static bool noOutputTold_;
    static bool deviceLossTold_; // shared: the drills' players lose one device together
};
