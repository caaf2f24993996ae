// SPDX-License-Identifier: GPL-3.0-or-later
// The playback slots that do more than hand on (repeat, pause, the part's edges, the sura's ends), the
// single-aya bar's position and the sound settings; the boxes are DrillControls'.
#include "central_area.h"
#include "config.h"
#include "drill_settings.h"
#include "recitation_session.h"
#include "recorder.h"
#include "side_panels.h"
#include "varn.h"

#include <QCheckBox>
#include <QComboBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>

namespace
{
// How long the status bar says that a step went no further.
constexpr int kStepRefusedMs = 3000;
} // namespace

void Varn::SetCurAyaPos(int ms) { centre_->singleBar->partSlider->setValue(ms); }

void Varn::SetRepeat(int n)
{
    controls_->Change([n](DrillSettings& d) { d.repeat = n; });
}

void Varn::SetPause(int seconds)
{
    controls_->Change([seconds](DrillSettings& d) { d.pause = seconds; });
}

// The part's edges show on the status line at once.
void Varn::StartAyaChange(int ms)
{
    session_->SetPart(ms, session_->PartEnd());
    aids_->UpdateStatusLine();
}

void Varn::EndAyaChange(int ms)
{
    session_->SetPart(session_->PartStart(), ms);
    aids_->UpdateStatusLine();
}

void Varn::EndOfSura() { statusBar()->showMessage(tr("This is the sura's last aya."), kStepRefusedMs); }

void Varn::BeginOfSura() { statusBar()->showMessage(tr("This is the sura's first aya."), kStepRefusedMs); }

void Varn::ToggleArabic(int shown) { actions_->hideAya->setChecked(shown == 0); }

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
