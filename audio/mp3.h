// MP3 plays one recitation at a time, taken by item name from its own copy of a pack, and watches it
// with a 100 ms timer to carry out the drills' rules:
//  - whole mode: play the sound to its end `repeat` times (0: without end), with a silent pause before
//    each repetition and after the last when pauses are on; then Done();
//  - range mode: play the sound from range start to range end once, then pause if on; then DoneR().
// Every tick reports the position with CurSoundPos(ms). Sound failures are shown in a "Sound Error" box.
#pragma once

#include "kelres.h"
#include "sound.h"

#include <QObject>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

class MP3 : public QObject
{
    Q_OBJECT
  public:
    static constexpr int kTickMs = 100;
    // How long after a sound's expected end the extra look at it comes: the output's own delay.
    static constexpr int kEndSlackMs = 15;
    static constexpr int kChannels = 32;
    // A failure box the same as the one closed less than this long ago is not shown again.
    static constexpr int kRepeatQuietMs = 1000;
    static constexpr unsigned kStreamBufferMs = 65536;
    // The caption of every sound failure box.
    static constexpr const char* kSoundErrorTitle = "Sound Error";
    static constexpr const char* kDeviceLostText =
        "The sound output device stopped working, so playback has stopped.<br><br>To fix: connect the "
        "device again, or choose another one in File &gt; Preferences, then press Play.";

    MP3();
    ~MP3() override;

    int Repeat() const { return repeat_; }
    int PauseSeconds() const { return pauseSeconds_; }
    bool PauseEnabled() const { return pauseEnabled_; }
    bool RangeMode() const { return rangeMode_; }
    bool Stopped() const { return stopped_; }
    // True while the position timer runs or a pause is pending: the player is reciting.
    bool Busy() const;
    const KelRes& Res() const { return archive_; }
    // True when the player has a working output device.
    bool HasOutput() const { return live_; }
    // The play counter shared by every player: completed plays of the current whole-mode sound.
    static int PlayCounter() { return playCounter_; }

  public slots:
    void Play(const std::string& name);
    void PlayAll(const std::string& name);
    void PlayRange(const std::string& name);
    void Stop();
    void SetRepeat(int n) { repeat_ = n; }
    void SetPauseTime(int seconds) { pauseSeconds_ = seconds; }
    void Pause(bool on) { pauseEnabled_ = on; }
    void SetRange(int start, int end);
    void SetPos(int ms);
    // Length in milliseconds of the named item; 0 when it is missing, empty or not audio.
    int GetLength(const std::string& name);
    void SetDevice(int driver);
    std::vector<std::string> GetDevices();
    void SetRes(const KelRes& res) { archive_ = res; }
    void ERRCHECK(sound::Result result, const std::string& fix);
    void Loop();
    void Unpause();
    void NextAya();
    void NextRange();

  signals:
    void Done();
    void DoneR();
    void CurSoundPos(int ms);
    // The output device stopped working during playback; the player has stopped.
    void OutputLost();

  private:
    // Creates and starts a sound system on driver (-1: the default). Failures go to ERRCHECK with fix;
    // a machine without any output is told once per run instead.
    void StartSystem(int driver, const std::string& fix);
    void CancelPauses();
    // The named recording's bytes, read once; null when it is missing, or too large to play (told
    // in a box when tell is set).
    std::shared_ptr<const std::vector<char>> Recording(const std::string& name, bool tell);
    // A whole-mode request is over: stop the sound and the ticks, then Done().
    void FinishWhole();
    // The output device went away while playing: stop, and say so once.
    void DeviceLost();
    int PauseMs() const { return pauseSeconds_ * 1000; }

    std::unique_ptr<sound::System> system_;
    bool live_ = false;
    sound::SoundHandle sound_ = 0;
    sound::ChannelHandle channel_ = 0;
    sound::Result lastResult_ = sound::Ok;
    QTimer positionTimer_;
    QTimer nextAyaTimer_;
    QTimer unpauseTimer_;
    QTimer nextRangeTimer_;
    QTimer endTimer_; // one extra tick at the expected end of the sound, so the next play follows at once
    int repeat_ = 1;
    int pauseSeconds_ = 0;
    bool rangeMode_ = false;
    unsigned rangeStart_ = 0;
    unsigned rangeEnd_ = 0;
    bool pauseEnabled_ = false;
    bool stopped_ = false;
    bool boxOpen_ = false;
    KelRes archive_;

    static int playCounter_;
    static bool noOutputTold_;
    static bool deviceLossTold_; // shared: the drills' players lose one device together
};
