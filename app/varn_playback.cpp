// The playback controls: which drill each command reaches, the range, the modes and the single-aya bar.
#include "arabic.h"
#include "config.h"
#include "naming.h"
#include "playback_keys.h"
#include "single.h"
#include "stack.h"
#include "varn.h"
#include "whole.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

void Varn::CreateKeyboard()
{
    // The keys are looked at before the focused control sees them, so that the control can keep the
    // ones it uses (see PlaybackCommandFor) and the rest drive playback.
    qApp->installEventFilter(this);
}

bool Varn::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    auto* receiver = qobject_cast<QWidget*>(watched);
    if (!receiver || receiver->window() != this)
        return QMainWindow::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    QWidget* focus = QApplication::focusWidget();
    const PlaybackCommand command =
        PlaybackCommandFor(key->key(), key->modifiers(), FocusKindOf(focus ? focus : receiver));
    if (command == PlaybackCommand::None)
        return QMainWindow::eventFilter(watched, event);
    RunPlaybackCommand(command);
    return true;
}

void Varn::RunPlaybackCommand(PlaybackCommand command)
{
    switch (command) {
    case PlaybackCommand::None:
        return;
    case PlaybackCommand::Toggle:
        TogglePlay();
        return;
    case PlaybackCommand::Play:
        if (!ActivePlayer()->Busy())
            TogglePlay();
        return;
    case PlaybackCommand::Stop:
        if (ActivePlayer()->Busy())
            TogglePlay();
        return;
    case PlaybackCommand::Previous:
        singleMode_ ? PrevSingleAya() : PrevAya();
        return;
    case PlaybackCommand::Next:
        singleMode_ ? NextSingleAya() : NextAya();
        return;
    }
}

MP3* Varn::ActivePlayer() const
{
    if (singleMode_)
        return single_->Player();
    return stackMode_ ? stack_->Player() : whole_->Player();
}

void Varn::TogglePlay()
{
    if (singleMode_)
        single_->Player()->Busy() ? StopSingleAya() : PlayRSingleAya();
    else
        ActivePlayer()->Busy() ? StopAya() : PlayAya();
}

void Varn::StopAllDrills()
{
    single_->Stop();
    whole_->Stop();
    stack_->Stop();
}

void Varn::Play(const std::string&)
{
    if (stackMode_)
        stack_->Play();
    else
        whole_->Play();
}

void Varn::PlayAya()
{
    Play(std::string());
}

void Varn::NextAya()
{
    if (stackMode_)
        stack_->NextOne();
    else
        whole_->NextOne();
}

void Varn::PrevAya()
{
    if (stackMode_)
        stack_->PrevOne();
    else
        whole_->PrevOne();
}

void Varn::StopAya()
{
    whole_->Stop();
    stack_->Stop();
}

void Varn::SetRepeat(int n)
{
    whole_->Player()->SetRepeat(n);
    stack_->SetRepeat(n);
}

void Varn::SetPause(int seconds)
{
    if (stackMode_)
        stack_->PauseTime(seconds);
    else
        whole_->PauseTime(seconds);
    if (singleMode_)
        single_->PauseTime(seconds);
}

void Varn::SetMinMax()
{
    const int n = cursor_->GetAyaLen();
    // Fitting the boxes to a sura is no range change of the learner's: the callers restart the
    // drills themselves, so the boxes' own slots must not start one here.
    const QSignalBlocker blockFrom(w_.fromSpin);
    const QSignalBlocker blockTo(w_.toSpin);
    w_.fromSpin->setRange(1, n);
    w_.fromSpin->setValue(1);
    w_.toSpin->setRange(1, n);
    w_.toSpin->setValue(n);
    w_.ayaSlider->setRange(1, n);
}

void Varn::SetRange(int state)
{
    StopAllDrills();
    const bool on = state == Qt::Checked;
    w_.fromSpin->setEnabled(on);
    w_.toSpin->setEnabled(on);
    if (!on) {
        SetMinMax();
        // The whole sura again, for the active drill, even after an empty range.
        if (stackMode_)
            stack_->GenerateStack(cursor_->GetSura(), 1, w_.toSpin->value());
        else
            whole_->GenerateWhole(cursor_->GetSura(), 1, w_.toSpin->value());
    }
    if (singleMode_)
        return; // the single-aya bar plays only when the learner asks
    if (stackMode_) {
        w_.suraProgress->setValue(0);
        stack_->Play();
    } else {
        whole_->Play();
    }
}

void Varn::SetMin(int aya)
{
    w_.ayaSlider->setMinimum(aya);
    w_.ayaSlider->update();
    if (stackMode_) {
        w_.suraProgress->setValue(0);
        stack_->SetMin(aya);
    } else {
        whole_->SetMin(aya);
    }
}

void Varn::SetMax(int aya)
{
    w_.ayaSlider->setMaximum(aya);
    w_.ayaSlider->update();
    if (stackMode_) {
        w_.suraProgress->setValue(0);
        stack_->SetMax(aya);
    } else {
        whole_->SetMax(aya);
    }
}

void Varn::SetLoop(int state)
{
    if (state == Qt::Checked)
        loop_ = true;
    else if (state == Qt::Unchecked)
        loop_ = false;
    stack_->loop = loop_;
    whole_->loop = loop_;
    if (singleMode_)
        return;
    if (stackMode_)
        stack_->Play();
    else
        whole_->Play();
}

void Varn::SetStack(int state)
{
    if (state == Qt::Checked) {
        stackMode_ = true;
        whole_->Stop();
        stack_->GenerateStack(cursor_->GetSura(), w_.fromSpin->value(), w_.toSpin->value());
        stack_->PauseTime(w_.pauseSpin->value());
    } else if (state == Qt::Unchecked) {
        whole_->GenerateWhole(cursor_->GetSura(), w_.fromSpin->value(), w_.toSpin->value());
        whole_->PauseTime(w_.pauseSpin->value());
        stack_->Stop();
        w_.suraProgress->setValue(0);
        stackMode_ = false;
    }
}

void Varn::SetSingleAya(int state)
{
    if (state == Qt::Checked) {
        // Single mode first: the slots of the boxes unticked below then only keep their lists, and
        // start nothing that would move the aya shown.
        singleMode_ = true;
        StopAllDrills();
        for (QCheckBox* box : {w_.stackCheck, w_.rangeCheck, w_.loopCheck}) {
            box->setChecked(false);
            box->setEnabled(false);
        }
        StopAllDrills();
        w_.buttonBar->hide();
        w_.singleBar->show();
        single_->PauseTime(w_.pauseSpin->value());
        // The aya on screen is the one the single-aya bar drives.
        ShowSingleAya();
    } else if (state == Qt::Unchecked) {
        StopAllDrills();
        w_.buttonBar->show();
        w_.singleBar->hide();
        for (QCheckBox* box : {w_.stackCheck, w_.rangeCheck, w_.loopCheck})
            box->setEnabled(true);
        singleMode_ = false;
    }
}

void Varn::StackStat(int index, int last)
{
    w_.suraProgress->setRange(0, std::max(last, 1)); // a range of 0 would show a busy bar
    w_.suraProgress->setValue(index);
}

void Varn::StackDone()
{
    w_.suraProgress->setValue(0);
}

void Varn::SlideChange(int aya)
{
    if (!stackMode_)
        whole_->GoTo(aya);
}

void Varn::SetCurAyaPos(int ms)
{
    w_.partSlider->setValue(ms);
}

void Varn::AyaJump(int ms)
{
    single_->Jump(ms);
}

void Varn::SetStartAyaPos()
{
    w_.startSpin->setValue(w_.partSlider->value());
    single_->SetRange(w_.startSpin->value(), w_.endSpin->value());
}

void Varn::SetEndAyaPos()
{
    w_.endSpin->setValue(w_.partSlider->value());
    single_->SetRange(w_.startSpin->value(), w_.endSpin->value());
}

void Varn::StartAyaChange(int ms)
{
    single_->SetRange(ms, w_.endSpin->value());
}

void Varn::EndAyaChange(int ms)
{
    single_->SetRange(w_.startSpin->value(), ms);
}

void Varn::PlayRSingleAya()
{
    single_->PlayRange(cursor_->GetCurAya());
}

void Varn::StopSingleAya()
{
    single_->Stop();
}

void Varn::PrevSingleAya()
{
    MoveSingleAya(cursor_->GetPreviousAya());
}

void Varn::NextSingleAya()
{
    MoveSingleAya(cursor_->GetNextAya());
}

void Varn::MoveSingleAya(const std::string& key)
{
    single_->Stop();
    SetArabic(key);
    SingleSetMaxLen();
}

void Varn::ShowSingleAya()
{
    MoveSingleAya(cursor_->GetCurAya());
}

void Varn::SingleSetMaxLen()
{
    const std::string key = cursor_->GetCurAya();
    const int length = single_->GetSoundLen(SoundName(key));
    w_.startSpin->setRange(0, length);
    w_.startSpin->setValue(0);
    w_.endSpin->setRange(0, length);
    w_.endSpin->setValue(length);
    w_.partSlider->setRange(0, length);
    w_.partSlider->setValue(0);
    single_->SetRange(w_.startSpin->value(), w_.endSpin->value());
}

void Varn::ShowConfig()
{
    config_->SetDevices(devicePlayer_->GetDevices());
    config_->PopulateDevices();
    config_->show();
}

void Varn::UpdatePrefs()
{
    SetDevices(config_->GetDevId());
}

void Varn::SetDevices(int driver)
{
    whole_->Player()->SetDevice(driver);
    stack_->SetDevice(driver);
    single_->SetDevice(driver);
}

void Varn::ApplyStoredDevice()
{
    const int device = ReadDeviceNumber();
    if (device == -1)
        ShowConfig();
    else
        SetDevices(device);
}
