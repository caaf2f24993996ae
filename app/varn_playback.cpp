// SPDX-License-Identifier: GPL-3.0-or-later
// The playback controls: each slot does the widget work and hands the learner's request to the
// recitation session, which decides what plays. The boxes only show the session's state.
#include "config.h"
#include "recitation_session.h"
#include "varn.h"

#include <QCheckBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

void Varn::TogglePlay() { session_->TogglePlay(); }
void Varn::Play(const std::string&) { session_->Play(); }
void Varn::PlayAya() { session_->Play(); }
void Varn::NextAya() { session_->Next(); }
void Varn::PrevAya() { session_->Previous(); }
void Varn::StopAya()
{
    session_->Stop();
    UpdateStatusLine();
}
void Varn::SetRepeat(int n) { session_->SetRepeat(n); }
void Varn::SetPause(int seconds) { session_->SetPause(seconds); }
void Varn::SetMinMax() { session_->FitRange(); }
void Varn::SetMin(int aya) { session_->SetFrom(aya); }
void Varn::SetMax(int aya) { session_->SetTo(aya); }
void Varn::SlideChange(int aya) { session_->SlideTo(aya); }

void Varn::ShowRange(int from, int to, int count)
{
    // Showing the session's range is no request of the learner's: the boxes' own slots stay quiet.
    const QSignalBlocker blockFrom(w_.fromSpin);
    const QSignalBlocker blockTo(w_.toSpin);
    w_.fromSpin->setRange(1, count);
    w_.fromSpin->setValue(from);
    w_.toSpin->setRange(1, count);
    w_.toSpin->setValue(to);
    w_.ayaSlider->setRange(from, to);
}

void Varn::SetRange(int state)
{
    w_.fromSpin->setEnabled(state == Qt::Checked);
    w_.toSpin->setEnabled(state == Qt::Checked);
    session_->SetRange(state == Qt::Checked);
}

void Varn::SetLoop(int state)
{
    session_->SetLoop(state == Qt::PartiallyChecked ? session_->Loop() : state == Qt::Checked);
}

void Varn::SetStack(int state)
{
    if (state != Qt::PartiallyChecked)
        session_->SetStack(state == Qt::Checked);
}

void Varn::SetSingleAya(int state)
{
    if (state == Qt::PartiallyChecked)
        return;
    const bool on = state == Qt::Checked;
    session_->SetSingle(on);
    for (QCheckBox* box : {w_.stackCheck, w_.rangeCheck, w_.loopCheck}) {
        const QSignalBlocker quiet(box); // the session has already dropped them
        if (on)
            box->setChecked(false);
        box->setEnabled(!on);
    }
    w_.fromSpin->setEnabled(false);
    w_.toSpin->setEnabled(false);
    w_.buttonBar->setVisible(!on);
    w_.singleBar->setVisible(on);
}

void Varn::StackStat(int index, int last)
{
    w_.suraProgress->setRange(0, std::max(last, 1)); // a range of 0 would show a busy bar
    w_.suraProgress->setValue(index);
}

void Varn::StackDone() { w_.suraProgress->setValue(0); }

// The single-aya bar.
void Varn::SetCurAyaPos(int ms) { w_.partSlider->setValue(ms); }
void Varn::AyaJump(int ms) { session_->JumpInPart(ms); }
void Varn::SetStartAyaPos() { w_.startSpin->setValue(w_.partSlider->value()); }
void Varn::SetEndAyaPos() { w_.endSpin->setValue(w_.partSlider->value()); }
void Varn::StartAyaChange(int ms) { session_->SetPart(ms, session_->PartEnd()); }
void Varn::EndAyaChange(int ms) { session_->SetPart(session_->PartStart(), ms); }
void Varn::PlayRSingleAya() { session_->Play(); }
void Varn::StopSingleAya()
{
    session_->Stop();
    UpdateStatusLine();
}
void Varn::PrevSingleAya() { session_->Previous(); }
void Varn::NextSingleAya() { session_->Next(); }
void Varn::SingleSetMaxLen() { session_->FitPart(); }

void Varn::ShowPart(int startMs, int endMs, int lengthMs)
{
    const QSignalBlocker blockStart(w_.startSpin);
    const QSignalBlocker blockEnd(w_.endSpin);
    w_.startSpin->setRange(0, lengthMs);
    w_.startSpin->setValue(startMs);
    w_.endSpin->setRange(0, lengthMs);
    w_.endSpin->setValue(endMs);
    w_.partSlider->setRange(0, lengthMs);
    w_.partSlider->setValue(0);
}

// Sound settings.
void Varn::ShowConfig()
{
    config_->SetDevices(session_->OutputDevices());
    config_->PopulateDevices();
    config_->show();
}

void Varn::UpdatePrefs() { session_->SetDevice(config_->GetDevId()); }

void Varn::ApplyStoredDevice()
{
    const int device = ReadDeviceNumber();
    if (device == -1)
        ShowConfig();
    else
        session_->SetDevice(device);
}
