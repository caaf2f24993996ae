// The playback controls: which drill each command reaches, the range, the modes and the single-aya bar.
#include "arabic.h"
#include "config.h"
#include "naming.h"
#include "single.h"
#include "stack.h"
#include "varn.h"
#include "whole.h"

#include <QCheckBox>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

void Varn::CreateKeyboard()
{
    auto* space = new QShortcut(QKeySequence(Qt::Key_Space), this);
    connect(space, &QShortcut::activated, this, &Varn::TogglePlay);
    auto* left = new QShortcut(QKeySequence(Qt::Key_Left), this);
    connect(left, &QShortcut::activated, this, [this] { singleMode_ ? PrevSingleAya() : PrevAya(); });
    auto* right = new QShortcut(QKeySequence(Qt::Key_Right), this);
    connect(right, &QShortcut::activated, this, [this] { singleMode_ ? NextSingleAya() : NextAya(); });
}

void Varn::TogglePlay()
{
    if (singleMode_) {
        single_->Player()->Busy() ? StopSingleAya() : PlayRSingleAya();
        return;
    }
    MP3* player = stackMode_ ? stack_->Player() : whole_->Player();
    player->Busy() ? StopAya() : PlayAya();
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

void Varn::PlayAya() { Play(std::string()); }

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
    if (state == Qt::Checked) {
        w_.fromSpin->setEnabled(true);
        w_.toSpin->setEnabled(true);
    } else {
        w_.fromSpin->setEnabled(false);
        w_.toSpin->setEnabled(false);
        SetMinMax();
        // The whole sura again, for the active drill.
        if (stackMode_)
            stack_->GenerateStack(cursor_->GetSura(), 1, w_.toSpin->value());
        else if (!whole_->Keys().empty())
            whole_->GenerateWhole(cursor_->GetSura(), 1, w_.toSpin->value());
    }
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
    if (stackMode_) {
        stack_->loop = loop_;
        stack_->Play();
    } else {
        whole_->loop = loop_;
        whole_->Play();
    }
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
        SingleSetMaxLen();
        w_.buttonBar->hide();
        for (QCheckBox* box : {w_.stackCheck, w_.rangeCheck, w_.loopCheck}) {
            box->setChecked(false);
            box->setEnabled(false);
        }
        StopAllDrills();
        w_.singleBar->show();
        singleMode_ = true;
        single_->PauseTime(w_.pauseSpin->value());
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

void Varn::StackDone() { w_.suraProgress->setValue(0); }

void Varn::SlideChange(int aya)
{
    if (!stackMode_)
        whole_->GoTo(aya);
}

void Varn::SetCurAyaPos(int ms) { w_.partSlider->setValue(ms); }

void Varn::AyaJump(int ms) { single_->Jump(ms); }

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

void Varn::StartAyaChange(int ms) { single_->SetRange(ms, w_.endSpin->value()); }

void Varn::EndAyaChange(int ms) { single_->SetRange(w_.startSpin->value(), ms); }

void Varn::PlayRSingleAya() { single_->PlayRange(cursor_->GetCurAya()); }

void Varn::StopSingleAya() { single_->Stop(); }

void Varn::PrevSingleAya() { MoveSingleAya(cursor_->GetPreviousAya()); }

void Varn::NextSingleAya() { MoveSingleAya(cursor_->GetNextAya()); }

void Varn::MoveSingleAya(const std::string& key)
{
    single_->Stop();
    SetArabic(key);
    SingleSetMaxLen();
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

void Varn::UpdatePrefs() { SetDevices(config_->GetDevId()); }

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
