// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill_controls.h"

#include "app_settings.h"
#include "central_area.h"
#include "learner_record.h"
#include "messages.h"
#include "practice_aids.h"
#include "recitation_session.h"
#include "side_panels.h"
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

DrillControls::DrillControls(QObject* parent, CentralArea* centre, SettingsPanel* settingsPanel,
                             RecitationSession* session, LearnerRecord& record, PracticeAids& aids,
                             WindowSettings& settings)
    : QObject(parent), centre_(centre), settingsPanel_(settingsPanel), session_(session), record_(record),
      aids_(aids), settings_(settings)
{
}

void DrillControls::Connect()
{
    RecitationSession* s = session_;
    // The transport, the single-aya bar, the aya slider, the range, the drill boxes, repeat and pause are
    // the window's (Varn::ConnectControls); each other box sends one change of the learner's drill
    // settings.
    connect(settingsPanel_->pauseUnit, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int unit) { Change([unit](DrillSettings& d) { d.pauseUnit = unit; }); });
    connect(settingsPanel_->pauseFactor, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
            [this](double factor) { Change([factor](DrillSettings& d) { d.pauseFactor = factor; }); });
    connect(settingsPanel_->speedSpin, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
            [this](double speed) { Change([speed](DrillSettings& d) { d.speed = speed; }); });
    connect(settingsPanel_->timesSpin, qOverload<int>(&QSpinBox::valueChanged), this,
            [this](int times) { Change([times](DrillSettings& d) { d.times = times; }); });
    connect(&record_, &LearnerRecord::DrillChanged, this, &DrillControls::Show);

    connect(s, &RecitationSession::Progress, this, &DrillControls::ShowProgress);
    connect(s, &RecitationSession::ProgressReset, this, &DrillControls::ResetProgress);
    connect(s, &RecitationSession::DrillFinished, this, &DrillControls::ResetProgress);
    connect(s, &RecitationSession::RangeChanged, this, &DrillControls::ShowRange);
    connect(s, &RecitationSession::PartChanged, this, &DrillControls::ShowPart);
    connect(s, &RecitationSession::PartPosition, centre_->singleBar->partSlider, &QSlider::setValue);

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
    const QSignalBlocker r(settingsPanel_->repeatSpin), p(settingsPanel_->pauseSpin),
        u(settingsPanel_->pauseUnit), f(settingsPanel_->pauseFactor), s(settingsPanel_->speedSpin),
        l(settingsPanel_->loopCheck), k(settingsPanel_->stackCheck), t(settingsPanel_->timesSpin);
    settingsPanel_->repeatSpin->setValue(drill.repeat);
    settingsPanel_->pauseSpin->setValue(drill.pause);
    settingsPanel_->pauseUnit->setCurrentIndex(drill.pauseUnit);
    settingsPanel_->pauseFactor->setValue(drill.pauseFactor);
    settingsPanel_->speedSpin->setValue(drill.speed);
    settingsPanel_->timesSpin->setValue(drill.times);
    if (!settingsPanel_->singleCheck->isChecked()) {
        settingsPanel_->loopCheck->setChecked(drill.loop);
        settingsPanel_->stackCheck->setChecked(drill.stack);
    }
    // The pause is counted in seconds, or in times the aya's length.
    settingsPanel_->pauseFactor->setVisible(drill.pauseUnit == 1);
    settingsPanel_->pauseSpin->setEnabled(drill.pauseUnit != 1);
}

void DrillControls::SendAll(const DrillSettings& drill)
{
    // The values as the boxes hold them: a box's range may be narrower than the file's.
    session_->SetRepeat(settingsPanel_->repeatSpin->value());
    session_->SetPause(settingsPanel_->pauseSpin->value());
    session_->SetPauseFactor(drill.pauseUnit == 1 ? drill.pauseFactor : 0);
    session_->SetSpeed(drill.speed);
    session_->SetTimes(drill.times);
    if (!settingsPanel_->singleCheck->isChecked()) {
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
        ShowMessage("Varnel", tr("Your drill settings could not be saved:") + "<br>" +
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
    const QSignalBlocker blockFrom(settingsPanel_->fromSpin), blockTo(settingsPanel_->toSpin);
    settingsPanel_->fromSpin->setRange(1, count);
    settingsPanel_->fromSpin->setValue(from);
    settingsPanel_->toSpin->setRange(1, count);
    settingsPanel_->toSpin->setValue(to);
    centre_->ayaSlider->setRange(from, to);
}

void DrillControls::SetRange(int state)
{
    settingsPanel_->fromSpin->setEnabled(state == Qt::Checked);
    settingsPanel_->toSpin->setEnabled(state == Qt::Checked);
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
    for (QCheckBox* box :
         {settingsPanel_->stackCheck, settingsPanel_->rangeCheck, settingsPanel_->loopCheck}) {
        const QSignalBlocker quiet(box); // the session has already dropped them
        if (on)
            box->setChecked(false);
        box->setEnabled(!on);
    }
    settingsPanel_->fromSpin->setEnabled(false);
    settingsPanel_->toSpin->setEnabled(false);
    centre_->transport->setVisible(!on);
    centre_->singleBar->setVisible(on);
}

void DrillControls::ShowProgress(int index, int last)
{
    settingsPanel_->suraProgress->setRange(0, std::max(last, 1)); // a range of 0 would show a busy bar
    settingsPanel_->suraProgress->setValue(index);
}

void DrillControls::ResetProgress() { settingsPanel_->suraProgress->setValue(0); }

void DrillControls::DescribeEntry(const std::string& sura, const std::string& aya)
{
    entry_ = {sura, aya};
    settingsPanel_->suraProgress->setAccessibleDescription(
        tr("Sura %1, aya %2").arg(QString::fromStdString(sura), QString::fromStdString(aya)));
}

void DrillControls::Retranslate()
{
    if (!entry_.first.empty())
        DescribeEntry(entry_.first, entry_.second);
}

void DrillControls::ShowPart(int startMs, int endMs, int lengthMs)
{
    const QSignalBlocker blockStart(centre_->singleBar->startSpin), blockEnd(centre_->singleBar->endSpin);
    centre_->singleBar->startSpin->setRange(0, lengthMs);
    centre_->singleBar->startSpin->setValue(startMs);
    centre_->singleBar->endSpin->setRange(0, lengthMs);
    centre_->singleBar->endSpin->setValue(endMs);
    centre_->singleBar->partSlider->setRange(0, lengthMs);
    centre_->singleBar->partSlider->setValue(0);
}

void DrillControls::MarkPartStart()
{
    centre_->singleBar->startSpin->setValue(
        aids_.Words().PartMark(centre_->singleBar->partSlider->value(), true));
}

void DrillControls::MarkPartEnd()
{
    centre_->singleBar->endSpin->setValue(
        aids_.Words().PartMark(centre_->singleBar->partSlider->value(), false));
}
