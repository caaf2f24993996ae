// SPDX-License-Identifier: GPL-3.0-or-later
// AyaPlayer: what a drill plays its ayas through. A drill asks it to play a pack's item (whole, with
// the learner's repeats and pauses, or one part of it over and over), to queue the item that follows,
// and to stop; the player says by signal when an item is done and what it is doing. MP3 is the player
// with a sound device behind it; a drill does not know which player it has, so it can be driven by one
// that only records what it was asked.
#pragma once

#include "kelres.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class AyaPlayer : public QObject
{
    Q_OBJECT
  public:
    // Where an item that the pack lacks is looked for: the pack of another sura, when a lesson crosses
    // suras held by different packs. The pack found is read at once, not kept.
    using PackFinder = std::function<const KelRes*(const std::string& name)>;
    // The learner's own recordings, named "mine/" and the aya key ("mine/108.002"): their bytes, or
    // null when there is none.
    static constexpr const char* kOwnPrefix = "mine/";
    // The caption of every sound failure.
    static constexpr const char* kSoundErrorTitle = QT_TRANSLATE_NOOP("Sound", "Sound Error");
    using OwnSource = std::function<std::shared_ptr<const std::vector<char>>(const std::string& ayaKey)>;

    using QObject::QObject;
    ~AyaPlayer() override = default;

    // Plays the named item whole, each pass with its pause, and says Done() after the last pass.
    virtual void Play(const std::string& name) = 0;
    // The item played after the one now playing, so that it follows without a gap when no pause is
    // set; empty when nothing follows.
    virtual void SetNext(const std::string& name) = 0;
    // Plays the part set by SetRange() of the named item once, and says DoneR() at its end.
    virtual void PlayRange(const std::string& name) = 0;
    // An explicit stop.
    virtual void Stop() = 0;
    // Looks at the sound now: a pass or a queued item begun since the last look is counted (and Done()
    // said) before a step is taken from here.
    virtual void CatchUp() = 0;

    // The settings below apply from the next boundary (the next pass or the next item) not yet begun.
    virtual void SetRepeat(int n) = 0;
    virtual void SetPauseTime(int seconds) = 0;
    virtual void Pause(bool on) = 0;
    // Pauses as long as factor times the item (or part); 0: the seconds.
    virtual void SetPauseFactor(double factor) = 0;
    // Playback speed, 0.5 to 1.5 with the pitch kept; positions stay in the recording's time.
    virtual void SetSpeed(double speed) = 0;
    // The part PlayRange() plays, in milliseconds, and a jump within it.
    virtual void SetRange(int start, int end) = 0;
    virtual void SetPos(int ms) = 0;

    virtual void SetRes(const KelRes& res) = 0;
    virtual void SetPackFinder(PackFinder finder) = 0;
    virtual void SetOwnSource(OwnSource own) = 0;
    virtual void SetDevice(int driver) = 0;
    // The names of the output devices the player can use.
    virtual std::vector<std::string> GetDevices() = 0;
    // Length in milliseconds of the named item; 0 when it is missing, empty or not audio.
    virtual int GetLength(const std::string& name) = 0;

    // True while it recites, a pause included.
    virtual bool Busy() const = 0;
    virtual bool HasOutput() const = 0;
    virtual int Repeat() const = 0;
    virtual int PauseSeconds() const = 0;
    virtual bool PauseEnabled() const = 0;
    virtual double PauseFactor() const = 0;
    virtual double Speed() const = 0;
    // A silent pause is under way, and what is left of it in milliseconds (0 when none is).
    virtual bool Pausing() const = 0;
    virtual int PauseRemainingMs() const = 0;
    // The passes of the item playing completed so far.
    virtual int PassesDone() const = 0;

  signals:
    void Done();
    void DoneR();
    void CurSoundPos(int ms);
    // A sound failure the learner must know of, in the sound layer's words; the text is rich text.
    void Failed(const QString& title, const QString& text);
    // The machine has no sound output at all: told once a run, by the first player made.
    void NoOutput();
    // The output device stopped working during playback; the player has stopped.
    void OutputLost();
    // A silent pause of ms began (on), or ended (off).
    void PauseChanged(bool on, int ms);
    // What the player is doing changed: it started or stopped reciting, or another repetition began.
    void StateChanged();
};
