// SPDX-License-Identifier: GPL-3.0-or-later
// The recorder: one take of the learner reciting an aya, from the input device chosen in Preferences.
// It opens the device when a take starts and closes it when the take ends, so nothing records and no
// thread runs in between; while it records it tells the level for a meter, and at the end hands over
// the take trimmed to the voice. The window decides where the take is kept.
#pragma once

#include "aya_ref.h"

#include "capture.h"
#include "recording_take.h"
#include "sound.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

class Recorder : public QObject
{
    Q_OBJECT
  public:
    explicit Recorder(QObject* parent = nullptr);
    ~Recorder() override;

    // The names of the input devices (microphones) there are.
    static std::vector<std::string> InputDevices();
    // A recording (the learner's or the reciter's) decoded to one channel at most at rate, as the
    // waveforms and the melody read it; false when it cannot be, or is longer than an aya can be.
    static bool DecodeVoice(const std::vector<char>& bytes, int rate, sound::Pcm* pcm);

    // The input device (empty: the system's default).
    void SetDevice(const std::string& name) { device_ = name; }
    const std::string& Device() const { return device_; }
    // Starts a take of the aya; false, with Failed() told, when there is no input.
    bool Start(AyaRef aya, const TakeRules& rules = TakeRules());
    // Ends the take now and hands over what was said.
    void Finish();
    // Ends the take and keeps nothing.
    void Cancel();
    bool Recording() const { return capture_.Recording(); }
    AyaRef Aya() const { return aya_; }

  signals:
    // The loudness heard last, 0 to 1.
    void Level(double level);
    // A take began (on) or ended (off).
    void RecordingChanged(bool on);
    // The take of the aya, trimmed to the voice; empty when no voice was heard.
    void Taken(AyaRef aya, const sound::Pcm& take);
    // The input cannot be used: words for the learner.
    void Failed(const QString& message);

  private:
    void Poll();
    void End(bool keep);

    sound::Capture capture_;
    std::unique_ptr<RecordingTake> take_;
    std::string device_;
    AyaRef aya_;
    QTimer poll_;
};
