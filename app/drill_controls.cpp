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
                             LearnerRecord& record, PracticeAids& aids, WindowSettings& settings)
    : QObject(parent), w_(w), session_(session), record_(record), aids_(aids), settings_(settings)
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
    connect(w_.rangeCheck, &QCheckBox::stateChanged, this, &DrillControls::SetRange);
    connect(w_.fromSpin, qOverload<int>(&QSpinBox::valueChanged), s, &RecitationSession::SetFrom);
    connect(w_.toSpin, qOverload<int>(&QSpinBox::valueChanged), s, &RecitationSession::SetTo);
    connect(w_.loopCheck, &QCheckBox::stateChanged, this, &DrillControls::SetLoop);
    connect(w_.stackCheck, &QCheckBox::stateChanged, this, &DrillControls::SetStack);
    connect(w_.singleCheck, &QCheckBox::stateChanged, this, &DrillControls::SetSingleAya);
    // Each box sends one change of the learner's drill settings.
    connect(w_.repeatSpin, qOverload<int>(&QSpinBox::valueChanged), this,
            [this](int n) { Change([n](DrillSettings& d) { d.repeat = n; }); });
    connect(w_.pauseSpin, qOverload<int>(&QSpinBox::valueChanged), this,
            [this](int seconds) { Change([seconds](DrillSettings& d) { d.pause = seconds; }); });
    connect(w_.pauseUnit, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int unit) { Change([unit](DrillSettings& d) { d.pauseUnit = unit; }); });
    connect(w_.pauseFactor, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
            [this](double factor) { Change([factor](DrillSettings& d) { d.pauseFactor = factor; }); });
    connect(w_.speedSpin, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
            [this](double speed) { Change([speed](DrillSettings& d) { d.speed = speed; }); });
    connect(w_.timesSpin, qOverload<int>(&QSpinBox::valueChanged), this,
            [this](int times) { Change([times](DrillSettings& d) { d.times = times; }); });
    connect(&record_, &LearnerRecord::DrillChanged, this, &DrillControls::Show);

    connect(s, &RecitationSession::Progress, this, &DrillControls::ShowProgress);
    connect(s, &RecitationSession::ProgressReset, this, &DrillControls::ResetProgress);
    connect(s, &RecitationSession::DrillFinished, this, &DrillControls::ResetProgress);
    connect(s, &RecitationSession::RangeChanged, this, &DrillControls::ShowRange);
    connect(s, &RecitationSession::PartChanged, this, &DrillControls::ShowPart);
    connect(s, &RecitationSession::PartPosition, w_.partSlider, &QSlider::setValue);

    // Until a learner's are loaded, the working folder's settings; kept in memory only.
    std::string unsaved; // nothing is written before a learner is loaded
    record_.SetDrill(FolderDefaults(), &unsaved);
    Show();
    SendAll(record_.Drill());
}

DrillSettings DrillControls::FolderDefaults() const
{
    using namespace app_settings;
    DrillSettings defaults;
    defaults.pauseUnit = settings_.Number(kPauseUnit, kPauseUnitDefault) == 1 ? 1 : 0;
    defaults.pauseFactor = settings_.Number(kPauseFactor, kPauseFactorDefault);
    defaults.speed = settings_.Number(kSpeed, kSpeedDefault);
    return defaults.Clamped();
}

void DrillControls::LoadLearner(const std::string& profilePath, Learner learner)
{
    record_.Load(profilePath, FolderDefaults());
    if (learner == Learner::New)
        record_.KeepOrphanedReviews();
    for (const std::string& problem : record_.TakeProblems())
        ShowMessage("Varnel", QString::fromStdString(problem));
    aids_.ShowLearner();
    // Shown and handed to the session as they are; nothing starts playing.
    Show();
    SendAll(record_.Drill());
}

void DrillControls::Show()
{
    const DrillSettings& drill = record_.Drill();
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
    // The pause is counted in seconds, or in times the aya's length.
    w_.pauseFactor->setVisible(drill.pauseUnit == 1);
    w_.pauseSpin->setEnabled(drill.pauseUnit != 1);
}

void DrillControls::SendAll(const DrillSettings& drill)
{
    // The values as the boxes hold them: a box's range may be narrower than the file's.
    session_->SetRepeat(w_.repeatSpin->value());
    session_->SetPause(w_.pauseSpin->value());
    session_->SetPauseFactor(drill.pauseUnit == 1 ? drill.pauseFactor : 0);
    session_->SetSpeed(drill.speed);
    session_->SetTimes(drill.times);
    if (!w_.singleCheck->isChecked()) {
        session_->PresetLoop(drill.loop);
        session_->SetStack(drill.stack);
    }
}

void DrillControls::Change(const std::function<void(DrillSettings&)>& edit)
{
    using namespace app_settings;
    const DrillSettings before = record_.Drill();
    DrillSettings after = before;
    edit(after);
    after = after.Clamped();
    if (after.repeat != before.repeat)
        session_->SetRepeat(after.repeat);
    if (after.pause != before.pause)
        session_->SetPause(after.pause);
    if (after.pauseUnit != before.pauseUnit || after.pauseFactor != before.pauseFactor)
        session_->SetPauseFactor(after.pauseUnit == 1 ? after.pauseFactor : 0);
    if (after.speed != before.speed)
        session_->SetSpeed(after.speed);
    if (after.times != before.times)
        session_->SetTimes(after.times);
    // What a new learner here starts from.
    if (after.pauseUnit != before.pauseUnit)
        settings_.Remember(kPauseUnit, double(after.pauseUnit));
    if (after.pauseFactor != before.pauseFactor)
        settings_.Remember(kPauseFactor, after.pauseFactor);
    if (after.speed != before.speed)
        settings_.Remember(kSpeed, after.speed);
    std::string error;
    if (!record_.SetDrill(after, &error))
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
    // The loop is a request as well as a setting: the drill starts again with it.
    const bool on = state == Qt::PartiallyChecked ? session_->Loop() : state == Qt::Checked;
    session_->SetLoop(on);
    Change([on](DrillSettings& d) { d.loop = on; });
}

void DrillControls::SetStack(int state)
{
    if (state == Qt::PartiallyChecked)
        return;
    const bool on = state == Qt::Checked;
    session_->SetStack(on);
    Change([on](DrillSettings& d) { d.stack = on; });
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

void DrillControls::MarkPartStart()
{
    w_.startSpin->setValue(aids_.Words().PartMark(w_.partSlider->value(), true));
}

void DrillControls::MarkPartEnd()
{
    w_.endSpin->setValue(aids_.Words().PartMark(w_.partSlider->value(), false));
}
