// SPDX-License-Identifier: GPL-3.0-or-later
#include "recorder.h"

#include <QCoreApplication>

namespace
{
constexpr int kPollMs = 100; // the meter moves ten times a second; the device is drained on its own
}

std::vector<std::string> Recorder::InputDevices() { return sound::InputDevices(); }

bool Recorder::DecodeVoice(const std::vector<char>& bytes, int rate, sound::Pcm* pcm)
{
    sound::DecodeLimits limits;
    limits.maxChannels = 1;
    limits.maxRate = rate;
    return sound::DecodeAll(bytes.data(), bytes.size(), pcm, limits) == sound::Ok;
}

Recorder::Recorder(QObject* parent) : QObject(parent)
{
    poll_.setInterval(kPollMs);
    connect(&poll_, &QTimer::timeout, this, &Recorder::Poll);
}

Recorder::~Recorder() = default;

bool Recorder::Start(AyaRef aya, const TakeRules& rules)
{
    if (Recording())
        End(true);
    const sound::Result r = capture_.Start(device_);
    if (r != sound::Ok) {
        emit Failed(QCoreApplication::translate("Sound", sound::ErrorString(r)) +
                    (r == sound::ErrInputInit
                         ? QCoreApplication::translate("Sound", " Choose another input in Preferences.")
                         : QString()));
        return false;
    }
    TakeRules fitted = rules;
    fitted.rate = capture_.Rate();
    take_ = std::make_unique<RecordingTake>(fitted);
    aya_ = aya;
    poll_.start();
    emit RecordingChanged(true);
    return true;
}

void Recorder::Finish() { End(true); }

void Recorder::Cancel() { End(false); }

void Recorder::Poll()
{
    if (!take_)
        return;
    take_->Add(capture_.Take());
    emit Level(take_->Level());
    if (capture_.Lost()) {
        End(true);
        emit Failed(QCoreApplication::translate(
            "Sound", "The microphone was lost while recording; what was heard before is kept."));
        return;
    }
    if (take_->Done())
        End(true);
}

void Recorder::End(bool keep)
{
    if (!take_)
        return;
    poll_.stop();
    capture_.Stop();
    take_->Add(capture_.Take());
    std::unique_ptr<RecordingTake> take = std::move(take_);
    emit Level(0);
    emit RecordingChanged(false);
    if (!keep)
        return;
    sound::Pcm pcm;
    pcm.rate = capture_.Rate();
    pcm.channels = 1;
    for (int16_t v : take->Trimmed())
        pcm.samples.push_back(float(v) / 32768.0f);
    emit Taken(aya_, pcm);
}
