// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of one play request, apart from the sound device and the clock:
//  - whole mode: play the sound to its end `repeat` times (0: without end), with a silent pause before
//    each repetition and after the last when pauses are on; then the request is done;
//  - range mode: play from the range start to the range end once, then pause if on; then done.
// The player drives it with its QTimers and its channel; tests drive it with a virtual clock, so every
// rule can be checked in microseconds.
#pragma once

class ScheduleHost
{
  public:
    enum Timer {
        Tick,      // repeating: look at the sound's position
        EndCheck,  // once: a look just after the sound's expected end
        NextAya,   // repeating until stopped: the pause after the last repetition ends
        Unpause,   // repeating: the pause before a repetition ends
        NextRange, // repeating until stopped: the pause after a range ends
        TimerCount
    };
    virtual ~ScheduleHost() = default;
    virtual void StartTimer(Timer timer, int ms) = 0;
    virtual void StopTimer(Timer timer) = 0;
    virtual bool TimerActive(Timer timer) const = 0;
    // Plays the request's sound again from its start, held silent when paused.
    virtual void RestartSound(bool paused) = 0;
    virtual void UnpauseSound() = 0;
    virtual void StopSound() = 0;
    // The request is over: Done() for whole mode, DoneR() for a range.
    virtual void Finished(bool range) = 0;
    // A silent pause of ms began (on), or ended or was cancelled (off).
    virtual void Pausing(bool on, int ms) { (void)on, (void)ms; }
};

class PlaySchedule
{
  public:
    static constexpr int kTickMs = 100;
    // How long after a sound's expected end the extra look at it comes: the output's own delay.
    static constexpr int kEndSlackMs = 15;

    explicit PlaySchedule(ScheduleHost* host) : host_(host) {}

    int Repeat() const { return repeat_; }
    int PauseSeconds() const { return pauseSeconds_; }
    bool PauseEnabled() const { return pauseEnabled_; }
    bool RangeMode() const { return rangeMode_; }
    unsigned RangeStart() const { return rangeStart_; }
    unsigned RangeEnd() const { return rangeEnd_; }
    bool Stopped() const { return stopped_; }
    // True while the ticks run or a pause is pending: the request is not over.
    bool Busy() const;
    // Completed plays of the current whole-mode sound, shared by every player as the drills expect.
    static int PlayCounter() { return playCounter_; }

    void SetRepeat(int n) { repeat_ = n; }
    void SetPauseTime(int seconds) { pauseSeconds_ = seconds; }
    void SetPauseEnabled(bool on) { pauseEnabled_ = on; }
    // Pauses as long as factor times the sound's length (or the range's, in range mode) instead of the
    // seconds; 0 goes back to the seconds. With a factor, pauses are on whatever the seconds say.
    void SetPauseFactor(double factor) { pauseFactor_ = factor > 0 ? factor : 0; }
    double PauseFactor() const { return pauseFactor_; }
    void SetRangeMode(bool on) { rangeMode_ = on; }
    void SetRange(int startMs, int endMs);

    // A new request: whatever the previous one still had pending is cancelled and the ticks start.
    void Begin();
    // The sound of the new request is playing (or could not be made: Abandon()).
    void Started();
    void Abandon();
    // Stops the request; its pending pauses never end in Finished().
    void Stop();
    // A look at the sound: its position and length in milliseconds (hasSound: a sound is on the channel).
    void OnPosition(unsigned position, unsigned length, bool hasSound);
    // Gapless: without pauses the host queues the repetitions (and the next aya) on the channel itself;
    // the schedule then counts what is heard instead of restarting the sound.
    void SetGapless(bool on) { gapless_ = on; }
    bool Gapless() const { return gapless_; }
    // Pauses are set (in seconds or as a factor of the aya's length).
    bool Pausing() const { return Pauses(); }
    // A silent pause is under way now.
    bool InPause() const { return pausing_; }
    // A new pass of the sound began (next: the next aya's sound began, and this request is over).
    void OnSegment(bool next);
    // The channel played everything it was given.
    void OnEnded();
    // A timer of the host fired (Tick and EndCheck lead the host to OnPosition instead).
    void OnTimer(ScheduleHost::Timer timer);

  private:
    void CancelPauses();
    void FinishWhole();
    int PauseMs() const;
    bool Pauses() const { return pauseEnabled_ || pauseFactor_ > 0; }
    void StartPause(ScheduleHost::Timer timer);
    void EndPause();

    ScheduleHost* host_;
    int repeat_ = 1;
    int pauseSeconds_ = 0;
    bool pauseEnabled_ = false;
    bool rangeMode_ = false;
    unsigned rangeStart_ = 0;
    unsigned rangeEnd_ = 0;
    bool stopped_ = false;
    double pauseFactor_ = 0;
    unsigned lastLength_ = 0; // the sound's length at the last look, in milliseconds
    bool pausing_ = false;
    bool gapless_ = false;

    static int playCounter_;
};
