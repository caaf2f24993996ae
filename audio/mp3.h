// SPDX-License-Identifier: GPL-3.0-or-later
// MP3 plays one recitation at a time, taken by item name from its own copy of a pack. It is the device
// side of a play request: the sound system, the channel, the timers. The rules of repeats, pauses and
// ranges are its PlaySchedule's; MP3 looks at the sound every 100 ms (and just after its expected end)
// and hands the position to the schedule. Every tick reports the position with CurSoundPos(ms).
// Failures are reported by Failed(title, text) for the window to show; the player goes on.
#pragma once

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

class MP3 : public QObject, private ScheduleHost
{
    Q_OBJECT
  public:
    static constexpr int kTickMs = PlaySchedule::kTickMs;
    static constexpr int kChannels = 32;
    static constexpr unsigned kStreamBufferMs = 65536;
    // The caption of every sound failure.
    static constexpr const char* kSoundErrorTitle = QT_TRANSLATE_NOOP("Sound", "Sound Error");

    // Where an item that the pack lacks is looked for: the pack of another sura, when a lesson crosses
    // suras held by different packs. The pack found is read at once, not kept.
    using PackFinder = std::function<const KelRes*(const std::string& name)>;
    // The learner's own recordings, named "mine/" and the aya key ("mine/108.002"): their bytes, or
    // null when there is none.
    static constexpr const char* kOwnPrefix = "mine/";
    using OwnSource = std::function<std::shared_ptr<const std::vector<char>>(const std::string& ayaKey)>;

    MP3();
    ~MP3() override;

    const PlaySchedule& Schedule() const { return schedule_; }
    int Repeat() const { return schedule_.Repeat(); }
    int PauseSeconds() const { return schedule_.PauseSeconds(); }
    bool PauseEnabled() const { return schedule_.PauseEnabled(); }
    bool RangeMode() const { return schedule_.RangeMode(); }
    bool Stopped() const { return schedule_.Stopped(); }
    // True while the position timer runs or a pause is pending: the player is reciting.
    bool Busy() const { return schedule_.Busy(); }
    // What is left of the pause under way, in milliseconds; 0 when none is.
    int PauseRemainingMs() const;
    const KelRes& Res() const { return archive_; }
    // True when the player has a working output device.
    bool HasOutput() const { return live_; }
    // The play counter shared by every player: completed plays of the current whole-mode sound.
    static int PlayCounter() { return PlaySchedule::PlayCounter(); }

  public slots:
    void Play(const std::string& name);
    // The item the drill plays after the one now playing, so that it follows without a gap when no
    // pause is set; empty when nothing follows.
    void SetNext(const std::string& name);
    void PlayAll(const std::string& name);
    void PlayRange(const std::string& name);
    // An explicit stop: the device pauses at once, where the gaps inside a drill keep it running.
    void Stop()
    {
        schedule_.Stop();
        sound::PauseOutputSoon();
        ReportState();
    }
    // The settings below apply from the next boundary (the next pass or the next aya) that has not
    // started yet: what was queued for later with the old settings is taken back and queued again.
    void SetRepeat(int n);
    void SetPauseTime(int seconds) { schedule_.SetPauseTime(seconds); }
    void Pause(bool on);
    // Playback speed, 0.5 to 1.5 with the pitch kept; positions stay in the recording's time.
    void SetSpeed(double speed);
    double Speed() const { return speed_; }
    // Pauses as long as factor times the aya (or part); 0: the seconds.
    void SetPauseFactor(double factor);
    void SetRange(int start, int end) { schedule_.SetRange(start, end); }
    void SetPos(int ms);
    // Length in milliseconds of the named item; 0 when it is missing, empty or not audio.
    int GetLength(const std::string& name);
    void SetDevice(int driver);
    std::vector<std::string> GetDevices();
    void SetRes(const KelRes& res) { archive_ = res; }
    void SetPackFinder(PackFinder finder) { finder_ = std::move(finder); }
    void SetOwnSource(OwnSource own) { own_ = std::move(own); }
    // Reports a failed operation (nothing for Ok), with a hint to fix it when there is one.
    void ERRCHECK(sound::Result result, const std::string& fix);
    void Loop();
    // Looks at the sound now rather than at the next tick, while reciting: a pass or the queued item
    // begun since the last look is counted (and Done() said) before a step is taken from here.
    void CatchUp()
    {
        if (timers_[Tick].isActive())
            Loop();
    }

  signals:
    void Done();
    void DoneR();
    void CurSoundPos(int ms);
    // A sound failure the learner must know of ("Sound Error"), in the sound layer's words. The text is
    // rich text.
    void Failed(const QString& title, const QString& text);
    // The machine has no sound output at all: told once a run, by the first player made.
    void NoOutput();
    // The output device stopped working during playback; the player has stopped. Told once per device.
    void OutputLost();
    // A silent pause of ms began (on), or ended (off).
    void PauseChanged(bool on, int ms);
    // What the player is doing changed: it started or stopped reciting, or another repetition began.
    void StateChanged();

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
