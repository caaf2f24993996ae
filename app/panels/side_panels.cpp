// SPDX-License-Identifier: GPL-3.0-or-later
#include "side_panels.h"

#include "drill_settings.h"
#include "frame_parts.h"
#include "heart.h"
#include "juz_progress.h"
#include "kelres.h"
#include "progress_bar.h"
#include "waveform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>

namespace
{

using frame_parts::Named;

using frame_parts::Add;
using frame_parts::Box;

// The height kept for the two voices' waveforms, shown or not, so that nothing moves when they appear.
constexpr int kWaveformHeight = 120;

QGroupBox* Group(QWidget* parent)
{
    auto* g = new QGroupBox(parent);
    auto* grid = new QGridLayout(g);
    grid->setContentsMargins(6, 2, 6, 4);
    grid->setSpacing(4);
    return g;
}

// Each group is announced by its own title.
void Title(QGroupBox* group, const QString& title)
{
    group->setTitle(title);
    group->setAccessibleName(title);
}

// Puts widget in group's grid at row, column (spanning span columns).
void Put(QGroupBox* group, QWidget* widget, int row, int column, int span = 1)
{
    static_cast<QGridLayout*>(group->layout())->addWidget(widget, row, column, 1, span);
}

void Describe(QWidget* control, const QString& name, const QString& tip)
{
    control->setAccessibleName(name);
    control->setToolTip(tip);
}

} // namespace

HeartPanel::HeartPanel(QWidget* parent) : QWidget(parent)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(2);
    QWidget* progressRow = Box(this, Qt::Horizontal, 2, 4);
    progressLabel_ = new QLabel(progressRow);
    heartProgress = Named(new ProgressBar(progressRow), "heartProgress");
    heartProgress->setRange(0, 1);
    heartProgress->setValue(0);
    progressLabel_->setBuddy(heartProgress);
    QPalette red = heartProgress->palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        red.setColor(g, QPalette::Highlight, Qt::red);
    heartProgress->setPalette(red);
    Add(progressRow, progressLabel_);
    Add(progressRow, heartProgress, 1);
    column->addWidget(progressRow);
    juzProgress = Named(new JuzProgress(this), "juzProgress");
    column->addWidget(juzProgress, 0, Qt::AlignHCenter);
    heart = Named(new Heart(this), "heart");
    heart->MakeRoot(QString(), QPixmap());
    column->addWidget(heart, 1);
    closeCompleted = Named(new QCheckBox(this), "closeCompleted");
    closeCompleted->setChecked(true);
    closeCompleted->setFocusPolicy(Qt::TabFocus);
    column->addWidget(closeCompleted);
    Retranslate();
}

void HeartPanel::Retranslate()
{
    progressLabel_->setText(tr("Progress: "));
    heartProgress->setAccessibleName(tr("Memorised ayas"));
    juzProgress->setToolTip(tr("Progress by juz"));
    heart->setAccessibleName(tr("Heart"));
    closeCompleted->setText(tr("Close Completed Suras"));
    if (QTreeWidgetItem* root = heart->Root())
        root->setText(0, learner_.isEmpty() ? tr("My Heart") : tr("%1's Heart").arg(learner_));
    ShowProgress(installed_, elsewhere_);
}

void HeartPanel::ShowLearner(const QString& name)
{
    learner_ = name;
    heart->MakeRoot(tr("%1's Heart").arg(name), PixmapFromResource("love.png"));
}

void HeartPanel::ShowProgress(int installed, int elsewhere)
{
    installed_ = installed;
    elsewhere_ = elsewhere;
    heartProgress->setValue(std::min(installed, heartProgress->maximum()));
    heartProgress->setToolTip(
        elsewhere > 0
            ? tr("%1 of the %2 ayas of the installed suras; %3 more from suras not installed")
                  .arg(installed)
                  .arg(heartProgress->maximum())
                  .arg(elsewhere)
            : tr("%1 of the %2 ayas of the installed suras").arg(installed).arg(heartProgress->maximum()));
}

void HeartPanel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QWidget::changeEvent(event);
}

SettingsPanel::SettingsPanel(QWidget* parent) : QWidget(parent)
{
    // The groups one under another, in the order the learner sets them: what each aya does, how the
    // sura plays, which ayas, how far it has got, and the practice aids.
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(4);
    ayaSettings_ = Group(this);
    playback_ = Group(this);
    range_ = Group(this);
    progress_ = Group(this);
    aids_ = Group(this);
    for (QGroupBox* g : {ayaSettings_, playback_, range_})
        g->setAlignment(Qt::AlignVCenter);

    repeatLabel_ = new QLabel(ayaSettings_);
    repeatSpin = Named(new QSpinBox(ayaSettings_), "repeatSpin");
    repeatSpin->setRange(1, 20);
    repeatSpin->setValue(1);
    repeatLabel_->setBuddy(repeatSpin);
    pauseLabel_ = new QLabel(ayaSettings_);
    pauseSpin = Named(new QSpinBox(ayaSettings_), "pauseSpin");
    pauseSpin->setRange(0, 300);
    pauseSpin->setValue(0);
    pauseLabel_->setBuddy(pauseSpin);
    Put(ayaSettings_, repeatLabel_, 0, 0);
    Put(ayaSettings_, repeatSpin, 0, 1);
    Put(ayaSettings_, pauseLabel_, 0, 2);
    Put(ayaSettings_, pauseSpin, 0, 3);

    loopCheck = Named(new QCheckBox(playback_), "loopCheck");
    stackCheck = Named(new QCheckBox(playback_), "stackCheck");
    singleCheck = Named(new QCheckBox(playback_), "singleCheck");
    Put(playback_, loopCheck, 0, 0);
    Put(playback_, stackCheck, 0, 1);
    Put(playback_, singleCheck, 1, 0, 2);

    rangeCheck = Named(new QCheckBox(range_), "rangeCheck");
    fromLabel_ = new QLabel(range_);
    fromSpin = Named(new QSpinBox(range_), "fromSpin");
    fromSpin->setRange(1, 6);
    fromSpin->setEnabled(false);
    fromLabel_->setBuddy(fromSpin);
    toLabel_ = new QLabel(range_);
    toSpin = Named(new QSpinBox(range_), "toSpin");
    toSpin->setRange(1, 20);
    toSpin->setEnabled(false);
    toLabel_->setBuddy(toSpin);
    int place = 0;
    for (QWidget* widget :
         std::initializer_list<QWidget*>{rangeCheck, fromLabel_, fromSpin, toLabel_, toSpin})
        Put(range_, widget, 0, place++);

    suraProgress = Named(new ProgressBar(progress_), "suraProgress");
    suraProgress->setValue(0);
    Put(progress_, suraProgress, 0, 0);

    pauseUnit = Named(new QComboBox(aids_), "pauseUnit");
    pauseUnit->addItems({QString(), QString()});
    pauseFactor = Named(new QDoubleSpinBox(aids_), "pauseFactor");
    pauseFactor->setRange(DrillSettings::kMinPauseFactor, DrillSettings::kMaxPauseFactor);
    pauseFactor->setSingleStep(DrillSettings::kPauseFactorStep);
    pauseFactor->setValue(DrillSettings::kDefaultPauseFactor);
    pauseFactor->setSuffix(QString::fromUtf8("\u00d7"));
    pauseFactor->hide();
    unitLabel_ = new QLabel(aids_);
    unitLabel_->setBuddy(pauseUnit);
    speedLabel_ = new QLabel(aids_);
    speedSpin = Named(new QDoubleSpinBox(aids_), "speedSpin");
    speedSpin->setRange(DrillSettings::kMinSpeed, DrillSettings::kMaxSpeed);
    speedSpin->setSingleStep(DrillSettings::kSpeedStep);
    speedSpin->setValue(DrillSettings::kDefaultSpeed);
    speedSpin->setSuffix(QString::fromUtf8("\u00d7"));
    speedLabel_->setBuddy(speedSpin);
    timesLabel_ = new QLabel(aids_);
    timesSpin = Named(new QSpinBox(aids_), "timesSpin");
    timesSpin->setRange(0, DrillSettings::kMaxTimes);
    timesLabel_->setBuddy(timesSpin);
    testMeCheck = Named(new QCheckBox(aids_), "testMeCheck");
    Put(aids_, unitLabel_, 0, 0);
    Put(aids_, pauseUnit, 0, 1);
    Put(aids_, speedLabel_, 1, 0);
    Put(aids_, speedSpin, 1, 1);
    Put(aids_, timesLabel_, 1, 2);
    Put(aids_, timesSpin, 1, 3);
    Put(aids_, testMeCheck, 2, 0, 4);
    Put(aids_, pauseFactor, 0, 2, 2);
    for (QCheckBox* box : {rangeCheck, loopCheck, stackCheck, singleCheck, testMeCheck})
        box->setFocusPolicy(Qt::TabFocus);

    for (QGroupBox* g : {ayaSettings_, playback_, range_, progress_, aids_})
        column->addWidget(g);
    column->addStretch(1);
    Retranslate();
}

void SettingsPanel::Retranslate()
{
    setAccessibleName(tr("Recitation Settings"));
    Title(ayaSettings_, tr("Aya Settings"));
    Title(playback_, tr("Playback Settings"));
    Title(range_, tr("Aya Range Settings"));
    Title(progress_, tr("Sura Playback Progress"));
    Title(aids_, tr("Practice Aids"));

    repeatLabel_->setText(tr("Repeat:"));
    Describe(repeatSpin, tr("Repeat"), tr("The number of times you want the ayas to be repeated"));
    pauseLabel_->setText(tr(" Pause (secs):"));
    pauseSpin->setAccessibleName(tr("Pause (seconds)"));

    loopCheck->setText(tr("Loop Sura"));
    loopCheck->setToolTip(tr("Loop the playback of the whole surah"));
    stackCheck->setText(tr("Stack Ayas"));
    stackCheck->setToolTip(tr("&nbsp;Recite aya 1 a number of times<br>&nbsp;then ayas 1 to 2<br>"
                              "&nbsp;then ayas 1 to 3<br>&nbsp;and so on, a growing block, to the last aya"));
    singleCheck->setText(tr("Single Aya Mode"));
    singleCheck->setToolTip(tr("Break aya into parts for easy memorization"));

    Describe(rangeCheck, tr("Play a range of ayas"), tr("Enable to play a range of ayas in the surah"));
    fromLabel_->setText(tr("<b>FROM:</b>"));
    Describe(fromSpin, tr("From aya"), tr("Start reciting from this aya"));
    toLabel_->setText(tr("<b>TO:</b>"));
    Describe(toSpin, tr("To aya"), tr("End reciting to this aya"));

    suraProgress->setAccessibleName(tr("Sura playback progress"));

    pauseUnit->setItemText(0, tr("seconds"));
    pauseUnit->setItemText(1, tr("\u00d7 aya length"));
    Describe(pauseUnit, tr("Pause unit"),
             tr("Pause for a number of seconds, or for a multiple of the aya's own length"));
    Describe(pauseFactor, tr("Pause factor"),
             tr("Each pause lasts this many times the aya (or the part) just heard"));
    unitLabel_->setText(tr("Pause in:"));
    speedLabel_->setText(tr(" Speed:"));
    Describe(speedSpin, tr("Speed"), tr("Playback speed; the pitch stays the same ([ slower, ] faster)"));
    timesLabel_->setText(tr(" Times:"));
    timesSpin->setSpecialValueText(tr("endless"));
    Describe(timesSpin, tr("Times"),
             tr("Play the sura or passage this many times, then stop; endless: once, or without end with "
                "Loop"));
    testMeCheck->setText(tr("Test me"));
    Describe(testMeCheck, tr("Test me"),
             tr("During each pause the aya is hidden while you recite it from memory; it comes back when the "
                "pause ends (set a pause)"));
}

void SettingsPanel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QWidget::changeEvent(event);
}

RecitationPanel::RecitationPanel(QWidget* parent) : QWidget(parent)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setSpacing(4);
    recordButton = Named(new QPushButton(this), "recordButton");
    playMineButton = Named(new QPushButton(this), "playMineButton");
    compareButton = Named(new QPushButton(this), "compareButton");
    deleteRecordingButton = Named(new QPushButton(this), "deleteRecordingButton");
    checkButton = Named(new QPushButton(this), "checkButton");
    hearLeftOutButton = Named(new QPushButton(this), "hearLeftOutButton");
    hearLeftOutButton->setEnabled(false);
    grid->addWidget(recordButton, 0, 0);
    grid->addWidget(playMineButton, 0, 1);
    grid->addWidget(compareButton, 1, 0);
    grid->addWidget(deleteRecordingButton, 1, 1);
    grid->addWidget(checkButton, 2, 0);
    grid->addWidget(hearLeftOutButton, 2, 1);
    recordLevel = Named(new QProgressBar(this), "recordLevel");
    recordLevel->setRange(0, 100);
    recordLevel->setTextVisible(false);
    recordLevel->setMaximumHeight(12);
    QSizePolicy kept = recordLevel->sizePolicy();
    kept.setRetainSizeWhenHidden(true);
    recordLevel->setSizePolicy(kept);
    recordLevel->hide();
    grid->addWidget(recordLevel, 3, 0, 1, 2);
    // The waveforms have their place whether shown or not: Compare fills it and moves nothing.
    waveforms = Named(new WaveformView(this), "waveforms");
    waveforms->setFixedHeight(kWaveformHeight);
    QSizePolicy place = waveforms->sizePolicy();
    place.setHorizontalPolicy(QSizePolicy::Expanding);
    place.setRetainSizeWhenHidden(true);
    waveforms->setSizePolicy(place);
    waveforms->hide();
    grid->addWidget(waveforms, 4, 0, 1, 2);
    // Under the waveforms, so that a verdict appearing moves nothing above it.
    checkResult = Named(new QLabel(this), "checkResult");
    checkResult->setWordWrap(true);
    checkResult->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    grid->addWidget(checkResult, 5, 0, 1, 2);
    grid->setRowStretch(6, 1);
    Retranslate();
}

void RecitationPanel::Retranslate()
{
    setAccessibleName(tr("My Recitation"));
    auto words = [](QPushButton* b, const QString& text, const QString& name, const QString& tip) {
        b->setText(text);
        Describe(b, name, tip);
    };
    words(
        recordButton, tr("Record"), tr("Record my recitation"),
        tr("Record yourself reciting the aya shown (Ctrl+R); with Test me and a pause, each aya in the pause "
           "after it"));
    words(playMineButton, tr("Play Mine"), tr("Play my recitation"),
          tr("Hear your recording of the aya shown"));
    words(compareButton, tr("Compare"), tr("Compare with the reciter"),
          tr("Hear the reciter and then yourself, for each aya of the lesson you recorded"));
    words(deleteRecordingButton, tr("Delete..."), tr("Delete my recordings"), tr("Delete your recordings"));
    words(checkButton, tr("Check"), tr("Check my recitation"),
          tr("Compare your recording of the aya shown with the reciter's: what you left out or added, or "
             "another aya. A check of the words and their order, not of tajweed."));
    words(hearLeftOutButton, tr("Hear Left Out"), tr("Hear the part left out"),
          tr("Hear the reciter say what your last check found left out; press again for the next part"));
    recordLevel->setAccessibleName(tr("Recording level"));
    checkResult->setAccessibleName(tr("Check result"));
}

void RecitationPanel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QWidget::changeEvent(event);
}
