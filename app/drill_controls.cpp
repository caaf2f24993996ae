// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill_controls.h"

#include "app_settings.h"
#include "learner_record.h"
#include "messages.h"
#include "practice_aids.h"
#include "recitation_session.h"
#include "window_frame.h"
#include "window_settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <algorithm>

DrillControls::DrillControls(QObject* parent, VarnWidgets& w, RecitationSession* session,
                             LearnerRecord& record, PracticeAids& aids)
    : QObject(parent), w_(w), session_(session), record_(record), aids_(aids)
{
}

void DrillControls::Connect()
{
    RecitationSession* s = session_;
    connect(w_.ayaSlider, &QSlider::sliderMoved, s, &RecitationSession::SlideTo);
    connect(w_.nextButton, &QPushButton::clicked, s, &RecitationSession::Next);
    connect(w_.prevButton, &QPushButton::clicked, s, &RecitationSession::Previous);
    connect(w_.playButton, &QPushButton::clicked, s, &RecitationSession::Play);
    connect(w_.stopButton, &QPushButton::clicked, this, &DrillControls::Stop);
    connect(w_.partSlider, &QSlider::sliderMoved, s, &RecitationSession::JumpInPart);
    connect(w_.startSpin, qOverload<int>(&QSpinBox::valueChanged), this,
            [s](int ms) { s->SetPart(ms, s->PartEnd()); });
    connect(w_.endSpin, qOverload<int>(&QSpinBox::valueChanged), this,
            [s](int ms) { s->SetPart(s->PartStart(), ms); });
    connect(w_.singleStart, &QPushButton::clicked, this, &DrillControls::MarkPartStart);
    connect(w_.singleEnd, &QPushButton::clicked, this, &DrillControls::MarkPartEnd);
    connect(w_.singlePlay, &QPushButton::clicked, s, &RecitationSession::Play);
    connect(w_.singleStop, &QPushButton::clicked, this, &DrillControls::Stop);
    connect(w_.singlePrev, &QPushButton::clicked, s, &RecitationSession::Previous);
    connect(w_.singleNext, &QPushButton::clicked, s, &RecitationSession::Next);
    connect(w_.repeatSpin, qOverload<int>(&QSpinBox::valueChanged), s, &RecitationSession::SetRepeat);
    connect(w_.pauseSpin, qOverload<int>(&QSpinBox::valueChanged), s, &RecitationSession::SetPause);
    connect(w_.rangeCheck, &QCheckBox::stateChanged, this, &DrillControls::SetRange);
    connect(w_.fromSpin, qOverload<int>(&QSpinBox::valueChanged), s, &RecitationSession::SetFrom);
    connect(w_.toSpin, qOverload<int>(&QSpinBox::valueChanged), s, &RecitationSession::SetTo);
    connect(w_.loopCheck, &QCheckBox::stateChanged, this, &DrillControls::SetLoop);
    connect(w_.stackCheck, &QCheckBox::stateChanged, this, &DrillControls::SetStack);
    connect(w_.singleCheck, &QCheckBox::stateChanged, this, &DrillControls::SetSingleAya);
    // Each learner keeps their drill settings: every change is remembered after it is applied.
    connect(w_.repeatSpin, qOverload<int>(&QSpinBox::valueChanged), this, &DrillControls::Remember);
    connect(w_.pauseSpin, qOverload<int>(&QSpinBox::valueChanged), this, &DrillControls::Remember);
    connect(w_.loopCheck, &QCheckBox::stateChanged, this, &DrillControls::Remember);
    connect(w_.stackCheck, &QCheckBox::stateChanged, this, &DrillControls::Remember);
    connect(w_.pauseUnit, qOverload<int>(&QComboBox::currentIndexChanged), this, &DrillControls::Remember);
    connect(w_.pauseFactor, qOverload<double>(&QDoubleSpinBox::valueChanged), this, &DrillControls::Remember);
    connect(w_.speedSpin, qOverload<double>(&QDoubleSpinBox::valueChanged), this, &DrillControls::Remember);
    connect(w_.timesSpin, qOverload<int>(&QSpinBox::valueChanged), s, &RecitationSession::SetTimes);
    connect(w_.timesSpin, qOverload<int>(&QSpinBox::valueChanged), this, &DrillControls::Remember);

    connect(s, &RecitationSession::Progress, this, &DrillControls::ShowProgress);
    connect(s, &RecitationSession::ProgressReset, this, &DrillControls::ResetProgress);
    connect(s, &RecitationSession::DrillFinished, this, &DrillControls::ResetProgress);
    connect(s, &RecitationSession::RangeChanged, this, &DrillControls::ShowRange);
    connect(s, &RecitationSession::PartChanged, this, &DrillControls::ShowPart);
    connect(s, &RecitationSession::PartPosition, w_.partSlider, &QSlider::setValue);
}

void DrillControls::LoadLearner(const std::string& profilePath, const WindowSettings& settings,
                                Learner learner)
{
    using namespace app_settings;
    DrillSettings defaults;
    defaults.pauseUnit = settings.Number(kPauseUnit, kPauseUnitDefault) == 1 ? 1 : 0;
    defaults.pauseFactor = std::clamp(settings.Number(kPauseFactor, kPauseFactorDefault), 0.5, 3.0);
    defaults.speed = std::clamp(settings.Number(kSpeed, kSpeedDefault), 0.5, 1.5);
    record_.Load(profilePath, defaults);
    if (learner == Learner::New)
        record_.KeepOrphanedReviews();
    for (const std::string& problem : record_.TakeProblems())
        ShowMessage("Varnel", QString::fromStdString(problem));
    aids_.ShowLearner();

    // Shown and handed to the session as they are; nothing starts playing.
    const DrillSettings& drill = record_.Drill();
    {
        const QSignalBlocker r(w_.repeatSpin), p(w_.pauseSpin), u(w_.pauseUnit), f(w_.pauseFactor),
            s(w_.speedSpin), l(w_.loopCheck), k(w_.stackCheck), t(w_.timesSpin);
        w_.repeatSpin->setValue(drill.repeat);
        w_.pauseSpin->setValue(drill.pause);
        w_.pauseUnit->setCurrentIndex(drill.pauseUnit);
        w_.pauseFactor->setValue(drill.pauseFactor);
        w_.speedSpin->setValue(drill.speed);
        w_.timesSpin->setValue(drill.times);
        if (!w_.singleCheck->isChecked()) {
            w_.loopCheck->setChecked(drill.loop);
            w_.stackCheck->setChecked(drill.stack);
        }
    }
    session_->SetRepeat(w_.repeatSpin->value());
    session_->SetPause(w_.pauseSpin->value());
    session_->SetSpeed(w_.speedSpin->value());
    session_->SetTimes(w_.timesSpin->value());
    session_->PresetLoop(w_.loopCheck->isChecked());
    session_->SetStack(w_.stackCheck->isChecked());
    aids_.ApplyPauseUnit();
}

void DrillControls::Remember()
{
    if (!record_.Loaded())
        return;
    DrillSettings drill = record_.Drill(); // the passage stays as it is
    drill.repeat = w_.repeatSpin->value();
    drill.pause = w_.pauseSpin->value();
    drill.pauseUnit = w_.pauseUnit->currentIndex() == 1 ? 1 : 0;
    drill.pauseFactor = w_.pauseFactor->value();
    drill.loop = w_.loopCheck->isChecked();
    drill.stack = w_.stackCheck->isChecked();
    drill.speed = w_.speedSpin->value();
    drill.times = w_.timesSpin->value();
    std::string error;
    if (!record_.SetDrill(drill, &error))
        ShowMessage("Varnel", QObject::tr("Your drill settings could not be saved:") + "<br>" +
                                  QString::fromStdString(error).toHtmlEscaped());
}

void DrillControls::Stop()
{
    session_->Stop();
    aids_.UpdateStatusLine();
}

void DrillControls::ShowRange(int from, int to, int count)
{
    // Showing the session's range is no request of the learner's: the boxes' own slots stay quiet.
    const QSignalBlocker blockFrom(w_.fromSpin), blockTo(w_.toSpin);
    w_.fromSpin->setRange(1, count);
    w_.fromSpin->setValue(from);
    w_.toSpin->setRange(1, count);
    w_.toSpin->setValue(to);
    w_.ayaSlider->setRange(from, to);
}

void DrillControls::SetRange(int state)
{
    w_.fromSpin->setEnabled(state == Qt::Checked);
    w_.toSpin->setEnabled(state == Qt::Checked);
    session_->SetRange(state == Qt::Checked);
}

void DrillControls::SetLoop(int state)
{
    session_->SetLoop(state == Qt::PartiallyChecked ? session_->Loop() : state == Qt::Checked);
}

void DrillControls::SetStack(int state)
{
    if (state != Qt::PartiallyChecked)
        session_->SetStack(state == Qt::Checked);
}

void DrillControls::SetSingleAya(int state)
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

void DrillControls::ShowProgress(int index, int last)
{
    w_.suraProgress->setRange(0, std::max(last, 1)); // a range of 0 would show a busy bar
    w_.suraProgress->setValue(index);
}

void DrillControls::ResetProgress() { w_.suraProgress->setValue(0); }

void DrillControls::ShowPart(int startMs, int endMs, int lengthMs)
{
    const QSignalBlocker blockStart(w_.startSpin), blockEnd(w_.endSpin);
    w_.startSpin->setRange(0, lengthMs);
    w_.startSpin->setValue(startMs);
    w_.endSpin->setRange(0, lengthMs);
    w_.endSpin->setValue(endMs);
    w_.partSlider->setRange(0, lengthMs);
    w_.partSlider->setValue(0);
}

void DrillControls::MarkPartStart() { w_.startSpin->setValue(w_.partSlider->value()); }

void DrillControls::MarkPartEnd() { w_.endSpin->setValue(w_.partSlider->value()); }
