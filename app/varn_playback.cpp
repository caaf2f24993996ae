// SPDX-License-Identifier: GPL-3.0-or-later
// The single-aya bar's position and the sound settings; the playback controls are DrillControls'.
#include "config.h"
#include "recitation_session.h"
#include "recorder.h"
#include "varn.h"

#include <QCheckBox>
#include <QComboBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

void Varn::SetCurAyaPos(int ms) { w_.partSlider->setValue(ms); }

void Varn::SetPauseUnit(int unit) { w_.pauseUnit->setCurrentIndex(unit == 1 ? 1 : 0); }

// Sound settings.
void Varn::ShowConfig()
{
    // Built when first asked for: most starts never open it.
    if (!config_) {
        config_ = std::make_unique<Config>(nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint);
        config_->setModal(true);
        config_->resize(320, 240);
        connect(config_.get(), &Config::ButtonOk, this, &Varn::UpdatePrefs);
        connect(config_.get(), &Config::TestSoundWanted, session_.get(), &RecitationSession::PlayTestSound);
        connect(config_.get(), &Config::TestSoundUnwanted, session_.get(), &RecitationSession::StopTestSound);
    }
    config_->SetDevices(session_->OutputDevices());
    config_->PopulateDevices();
    config_->SetInputs(Recorder::InputDevices(), mine_->Input());
    config_->show();
}

void Varn::UpdatePrefs()
{
    session_->SetDevice(config_->GetDevId());
    mine_->SetInput(config_->ChosenInput());
}

void Varn::ApplyStoredDevice()
{
    const int device = ReadDeviceNumber();
    if (device == -1)
        ShowConfig();
    else
        session_->SetDevice(device);
}
