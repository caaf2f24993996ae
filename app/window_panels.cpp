// SPDX-License-Identifier: GPL-3.0-or-later
// The panels around the aya, each a dock widget: the heart, the Review panel, the recitation settings
// (the Aya, Playback and Range settings, the sura's progress and the practice aids) and My Recitation.
// Their controls keep the words, names and keys they had when they stood under the aya.
#include "window_frame.h"

#include "drill_settings.h"
#include "frame_parts.h"
#include "heart.h"
#include "juz_progress.h"
#include "progress_bar.h"
#include "review_panel.h"
#include "waveform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>

namespace
{

using frame_parts::Add;
using frame_parts::Box;

// Qt names each dock's own buttons, and the scroll buttons of the panels' tabs, in its "QDockWidget" and
// "QTabBar" contexts; these are their words, translated with ours, so that the buttons speak the
// interface's language where Qt has no translation of its own.
[[maybe_unused]] const char* const kDockButtonWords[] = {
    QT_TRANSLATE_NOOP("QDockWidget", "Float"),
    QT_TRANSLATE_NOOP("QDockWidget", "Close"),
    QT_TRANSLATE_NOOP("QDockWidget", "Undocks and re-attaches the dock widget"),
    QT_TRANSLATE_NOOP("QDockWidget", "Closes the dock widget"),
    QT_TRANSLATE_NOOP("QTabBar", "Scroll Left"),
    QT_TRANSLATE_NOOP("QTabBar", "Scroll Right")};

// The height kept for the two voices' waveforms, shown or not, so that nothing moves when they appear.
constexpr int kWaveformHeight = 120;

// A dock named by its title (translated) and its object name (kept in the saved layout), holding
// content in a scroll area, so that a short screen scrolls the panel instead of growing the window.
QDockWidget* Dock(QMainWindow* window, const char* title, const char* objectName, QWidget* content)
{
    auto* dock = new QDockWidget(QObject::tr(title), window);
    dock->setObjectName(objectName);
    dock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                      QDockWidget::DockWidgetFloatable);
    auto* scroll = new QScrollArea(dock);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus); // Tab goes through the panel's controls, not the area itself
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroll->setWidget(content);
    // Behind another's tab the contents are hidden (see WindowLayout), and keep their room meanwhile.
    QSizePolicy policy = scroll->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    scroll->setSizePolicy(policy);
    dock->setWidget(scroll);
    return dock;
}

QGroupBox* Group(QWidget* parent, const char* source)
{
    const QString title = QObject::tr(source);
    auto* g = new QGroupBox(title, parent);
    g->setAccessibleName(title); // each group is announced by its own title
    auto* grid = new QGridLayout(g);
    grid->setContentsMargins(6, 2, 6, 4);
    grid->setSpacing(4);
    return g;
}

// Puts widget in group's grid at row, column (spanning span columns).
void Put(QGroupBox* group, QWidget* widget, int row, int column, int span = 1)
{
    static_cast<QGridLayout*>(group->layout())->addWidget(widget, row, column, 1, span);
}

QWidget* BuildHeartColumn(QWidget* parent, VarnWidgets& w);
QWidget* BuildSettings(QWidget* parent, VarnWidgets& w);
QWidget* BuildMyRecitation(QWidget* parent, VarnWidgets& w);

} // namespace

void BuildPanels(QMainWindow* window, VarnWidgets& w)
{
    w.heartDock =
        Dock(window, QT_TRANSLATE_NOOP("QObject", "Heart"), "heartPanel", BuildHeartColumn(window, w));
    auto* review = new QWidget(window);
    auto* reviewColumn = new QVBoxLayout(review);
    reviewColumn->setContentsMargins(2, 2, 2, 2);
    w.reviewPanel = new ReviewPanel(review);
    reviewColumn->addWidget(w.reviewPanel);
    reviewColumn->addStretch(1);
    w.reviewDock = Dock(window, QT_TRANSLATE_NOOP("QObject", "Review"), "reviewPanel", review);
    w.settingsDock = Dock(window, QT_TRANSLATE_NOOP("QObject", "Recitation Settings"), "settingsPanel",
                          BuildSettings(window, w));
    w.recitationDock = Dock(window, QT_TRANSLATE_NOOP("QObject", "My Recitation"), "recitationPanel",
                            BuildMyRecitation(window, w));
}

void ShowHeartProgress(QProgressBar* bar, int installed, int elsewhere)
{
    bar->setValue(std::min(installed, bar->maximum()));
    bar->setToolTip(
        elsewhere > 0
            ? QObject::tr("%1 of the %2 ayas of the installed suras; %3 more from suras not installed")
                  .arg(installed)
                  .arg(bar->maximum())
                  .arg(elsewhere)
            : QObject::tr("%1 of the %2 ayas of the installed suras").arg(installed).arg(bar->maximum()));
}

namespace
{

QWidget* BuildHeartColumn(QWidget* parent, VarnWidgets& w)
{
    QWidget* left = Box(parent, Qt::Vertical, 2, 2);
    QWidget* progressRow = Box(left, Qt::Horizontal, 2, 4);
    auto* progressLabel = new QLabel(QObject::tr("Progress: "), progressRow);
    w.heartProgress = new ProgressBar(progressRow);
    w.heartProgress->setRange(0, 1);
    w.heartProgress->setValue(0);
    progressLabel->setBuddy(w.heartProgress);
    w.heartProgress->setAccessibleName(QObject::tr("Memorised ayas"));
    QPalette red = w.heartProgress->palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        red.setColor(g, QPalette::Highlight, Qt::red);
    w.heartProgress->setPalette(red);
    Add(progressRow, progressLabel);
    Add(progressRow, w.heartProgress, 1);
    Add(left, progressRow);
    w.juzProgress = new JuzProgress(left);
    w.juzProgress->setToolTip(QObject::tr("Progress by juz"));
    static_cast<QBoxLayout*>(left->layout())->addWidget(w.juzProgress, 0, Qt::AlignHCenter);
    w.heart = new Heart(left);
    w.heart->MakeRoot(QObject::tr("My Heart"), QPixmap());
    w.heart->setAccessibleName(QObject::tr("Heart"));
    Add(left, w.heart, 1);
    w.closeCompleted = new QCheckBox(QObject::tr("Close Completed Suras"), left);
    w.closeCompleted->setChecked(true);
    w.closeCompleted->setFocusPolicy(Qt::TabFocus);
    Add(left, w.closeCompleted);
    return left;
}

QWidget* BuildSettings(QWidget* parent, VarnWidgets& w)
{
    // The groups one under another, in the order the learner sets them: what each aya does, how the
    // sura plays, which ayas, how far it has got, and the practice aids.
    auto* settings = new QWidget(parent);
    settings->setAccessibleName(QObject::tr("Recitation Settings"));
    auto* column = new QVBoxLayout(settings);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(4);
    QGroupBox* ayaSettings = Group(settings, QT_TRANSLATE_NOOP("QObject", "Aya Settings"));
    QGroupBox* playback = Group(settings, QT_TRANSLATE_NOOP("QObject", "Playback Settings"));
    QGroupBox* range = Group(settings, QT_TRANSLATE_NOOP("QObject", "Aya Range Settings"));
    QGroupBox* progress = Group(settings, QT_TRANSLATE_NOOP("QObject", "Sura Playback Progress"));
    QGroupBox* aids = Group(settings, QT_TRANSLATE_NOOP("QObject", "Practice Aids"));
    for (QGroupBox* g : {ayaSettings, playback, range})
        g->setAlignment(Qt::AlignVCenter);

    auto* repeatLabel = new QLabel(QObject::tr("Repeat:"), ayaSettings);
    w.repeatSpin = new QSpinBox(ayaSettings);
    w.repeatSpin->setRange(1, 20);
    w.repeatSpin->setValue(1);
    w.repeatSpin->setToolTip(QObject::tr("The number of times you want the ayas to be repeated"));
    w.repeatSpin->setAccessibleName(QObject::tr("Repeat"));
    repeatLabel->setBuddy(w.repeatSpin);
    auto* pauseLabel = new QLabel(QObject::tr(" Pause (secs):"), ayaSettings);
    w.pauseSpin = new QSpinBox(ayaSettings);
    w.pauseSpin->setRange(0, 300);
    w.pauseSpin->setValue(0);
    w.pauseSpin->setAccessibleName(QObject::tr("Pause (seconds)"));
    pauseLabel->setBuddy(w.pauseSpin);
    Put(ayaSettings, repeatLabel, 0, 0);
    Put(ayaSettings, w.repeatSpin, 0, 1);
    Put(ayaSettings, pauseLabel, 0, 2);
    Put(ayaSettings, w.pauseSpin, 0, 3);

    w.loopCheck = new QCheckBox(QObject::tr("Loop Sura"), playback);
    w.loopCheck->setToolTip(QObject::tr("Loop the playback of the whole surah"));
    w.stackCheck = new QCheckBox(QObject::tr("Stack Ayas"), playback);
    w.stackCheck->setToolTip(
        QObject::tr("&nbsp;Recite aya 1 a number of times<br>&nbsp;Recite aya 2 a number of times<br>"
                    "&nbsp;Recite aya 1 and 2 a number of times<br>&nbsp;and so on ..."));
    w.singleCheck = new QCheckBox(QObject::tr("Single Aya Mode"), playback);
    w.singleCheck->setToolTip(QObject::tr("Break aya into parts for easy memorization"));
    Put(playback, w.loopCheck, 0, 0);
    Put(playback, w.stackCheck, 0, 1);
    Put(playback, w.singleCheck, 1, 0, 2);

    w.rangeCheck = new QCheckBox(range);
    w.rangeCheck->setToolTip(QObject::tr("Enable to play a range of ayas in the surah"));
    w.rangeCheck->setAccessibleName(QObject::tr("Play a range of ayas"));
    auto* fromLabel = new QLabel(QObject::tr("<b>FROM:</b>"), range);
    w.fromSpin = new QSpinBox(range);
    w.fromSpin->setRange(1, 6);
    w.fromSpin->setToolTip(QObject::tr("Start reciting from this aya"));
    w.fromSpin->setAccessibleName(QObject::tr("From aya"));
    w.fromSpin->setEnabled(false);
    fromLabel->setBuddy(w.fromSpin);
    auto* toLabel = new QLabel(QObject::tr("<b>TO:</b>"), range);
    w.toSpin = new QSpinBox(range);
    w.toSpin->setRange(1, 20);
    w.toSpin->setToolTip(QObject::tr("End reciting to this aya"));
    w.toSpin->setAccessibleName(QObject::tr("To aya"));
    w.toSpin->setEnabled(false);
    toLabel->setBuddy(w.toSpin);
    int place = 0;
    for (QWidget* widget :
         std::initializer_list<QWidget*>{w.rangeCheck, fromLabel, w.fromSpin, toLabel, w.toSpin})
        Put(range, widget, 0, place++);

    w.suraProgress = new ProgressBar(progress);
    w.suraProgress->setAccessibleName(QObject::tr("Sura playback progress"));
    w.suraProgress->setValue(0);
    Put(progress, w.suraProgress, 0, 0);

    // Pauses in seconds, or as a multiple of the aya's length (the multiple shows only then); the speed;
    // the passes; Test me.
    w.pauseUnit = new QComboBox(aids);
    w.pauseUnit->addItems({QObject::tr("seconds"), QObject::tr("\u00d7 aya length")});
    w.pauseUnit->setAccessibleName(QObject::tr("Pause unit"));
    w.pauseUnit->setToolTip(
        QObject::tr("Pause for a number of seconds, or for a multiple of the aya's own length"));
    w.pauseFactor = new QDoubleSpinBox(aids);
    w.pauseFactor->setRange(DrillSettings::kMinPauseFactor, DrillSettings::kMaxPauseFactor);
    w.pauseFactor->setSingleStep(DrillSettings::kPauseFactorStep);
    w.pauseFactor->setValue(DrillSettings::kDefaultPauseFactor);
    w.pauseFactor->setSuffix(QString::fromUtf8("\u00d7"));
    w.pauseFactor->setAccessibleName(QObject::tr("Pause factor"));
    w.pauseFactor->setToolTip(
        QObject::tr("Each pause lasts this many times the aya (or the part) just heard"));
    w.pauseFactor->hide();
    auto* unitLabel = new QLabel(QObject::tr("Pause in:"), aids);
    unitLabel->setBuddy(w.pauseUnit);
    auto* speedLabel = new QLabel(QObject::tr(" Speed:"), aids);
    w.speedSpin = new QDoubleSpinBox(aids);
    w.speedSpin->setRange(DrillSettings::kMinSpeed, DrillSettings::kMaxSpeed);
    w.speedSpin->setSingleStep(DrillSettings::kSpeedStep);
    w.speedSpin->setValue(DrillSettings::kDefaultSpeed);
    w.speedSpin->setSuffix(QString::fromUtf8("\u00d7"));
    w.speedSpin->setAccessibleName(QObject::tr("Speed"));
    w.speedSpin->setToolTip(QObject::tr("Playback speed; the pitch stays the same ([ slower, ] faster)"));
    speedLabel->setBuddy(w.speedSpin);
    auto* timesLabel = new QLabel(QObject::tr(" Times:"), aids);
    w.timesSpin = new QSpinBox(aids);
    w.timesSpin->setRange(0, DrillSettings::kMaxTimes);
    w.timesSpin->setSpecialValueText(QObject::tr("endless"));
    w.timesSpin->setAccessibleName(QObject::tr("Times"));
    w.timesSpin->setToolTip(
        QObject::tr("Play the sura or passage this many times, then stop; endless: once, or "
                    "without end with Loop"));
    timesLabel->setBuddy(w.timesSpin);
    w.testMeCheck = new QCheckBox(QObject::tr("Test me"), aids);
    w.testMeCheck->setAccessibleName(QObject::tr("Test me"));
    w.testMeCheck->setToolTip(
        QObject::tr("During each pause the aya is hidden while you recite it from memory; it comes back "
                    "when the pause ends (set a pause)"));
    Put(aids, unitLabel, 0, 0);
    Put(aids, w.pauseUnit, 0, 1);
    Put(aids, speedLabel, 1, 0);
    Put(aids, w.speedSpin, 1, 1);
    Put(aids, timesLabel, 1, 2);
    Put(aids, w.timesSpin, 1, 3);
    Put(aids, w.testMeCheck, 2, 0, 4);
    Put(aids, w.pauseFactor, 0, 2, 2);
    for (QCheckBox* box : {w.rangeCheck, w.loopCheck, w.stackCheck, w.singleCheck, w.testMeCheck})
        box->setFocusPolicy(Qt::TabFocus);

    for (QGroupBox* g : {ayaSettings, playback, range, progress, aids})
        column->addWidget(g);
    column->addStretch(1);
    return settings;
}

QWidget* BuildMyRecitation(QWidget* parent, VarnWidgets& w)
{
    auto* mine = new QWidget(parent);
    mine->setAccessibleName(QObject::tr("My Recitation"));
    auto* grid = new QGridLayout(mine);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setSpacing(4);
    auto button = [mine](const char* sourceText, const char* sourceName, const char* sourceTip) {
        const QString text = QObject::tr(sourceText), name = QObject::tr(sourceName),
                      tip = QObject::tr(sourceTip);
        auto* b = new QPushButton(text, mine);
        b->setAccessibleName(name);
        b->setToolTip(tip);
        return b;
    };
    w.recordButton =
        button(QT_TRANSLATE_NOOP("QObject", "Record"), QT_TRANSLATE_NOOP("QObject", "Record my recitation"),
               QT_TRANSLATE_NOOP("QObject",
                                 "Record yourself reciting the aya shown (Ctrl+R); with Test me and a pause, "
                                 "each aya in the pause after it"));
    w.playMineButton =
        button(QT_TRANSLATE_NOOP("QObject", "Play Mine"), QT_TRANSLATE_NOOP("QObject", "Play my recitation"),
               QT_TRANSLATE_NOOP("QObject", "Hear your recording of the aya shown"));
    w.compareButton = button(
        QT_TRANSLATE_NOOP("QObject", "Compare"), QT_TRANSLATE_NOOP("QObject", "Compare with the reciter"),
        QT_TRANSLATE_NOOP("QObject",
                          "Hear the reciter and then yourself, for each aya of the lesson you recorded"));
    w.deleteRecordingButton = button(QT_TRANSLATE_NOOP("QObject", "Delete..."),
                                     QT_TRANSLATE_NOOP("QObject", "Delete my recordings"),
                                     QT_TRANSLATE_NOOP("QObject", "Delete your recordings"));
    w.checkButton =
        button(QT_TRANSLATE_NOOP("QObject", "Check"), QT_TRANSLATE_NOOP("QObject", "Check my recitation"),
               QT_TRANSLATE_NOOP("QObject",
                                 "Compare your recording of the aya shown with the reciter's: what you left "
                                 "out or added, or another aya. A check of the words and their order, not "
                                 "of tajweed."));
    grid->addWidget(w.recordButton, 0, 0);
    grid->addWidget(w.playMineButton, 0, 1);
    grid->addWidget(w.compareButton, 1, 0);
    grid->addWidget(w.deleteRecordingButton, 1, 1);
    w.hearLeftOutButton = button(
        QT_TRANSLATE_NOOP("QObject", "Hear Left Out"), QT_TRANSLATE_NOOP("QObject", "Hear the part left out"),
        QT_TRANSLATE_NOOP("QObject",
                          "Hear the reciter say what your last check found left out; press again for "
                          "the next part"));
    w.hearLeftOutButton->setEnabled(false);
    grid->addWidget(w.checkButton, 2, 0);
    grid->addWidget(w.hearLeftOutButton, 2, 1);
    w.recordLevel = new QProgressBar(mine);
    w.recordLevel->setRange(0, 100);
    w.recordLevel->setTextVisible(false);
    w.recordLevel->setAccessibleName(QObject::tr("Recording level"));
    w.recordLevel->setMaximumHeight(12);
    QSizePolicy kept = w.recordLevel->sizePolicy();
    kept.setRetainSizeWhenHidden(true);
    w.recordLevel->setSizePolicy(kept);
    w.recordLevel->hide();
    grid->addWidget(w.recordLevel, 3, 0, 1, 2);
    // The waveforms have their place whether shown or not: Compare fills it and moves nothing.
    w.waveforms = new WaveformView(mine);
    w.waveforms->setFixedHeight(kWaveformHeight);
    QSizePolicy place = w.waveforms->sizePolicy();
    place.setHorizontalPolicy(QSizePolicy::Expanding);
    place.setRetainSizeWhenHidden(true);
    w.waveforms->setSizePolicy(place);
    w.waveforms->hide();
    grid->addWidget(w.waveforms, 4, 0, 1, 2);
    // Under the waveforms, so that a verdict appearing moves nothing above it.
    w.checkResult = new QLabel(mine);
    w.checkResult->setWordWrap(true);
    w.checkResult->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    w.checkResult->setAccessibleName(QObject::tr("Check result"));
    grid->addWidget(w.checkResult, 5, 0, 1, 2);
    grid->setRowStretch(6, 1);
    return mine;
}

} // namespace
