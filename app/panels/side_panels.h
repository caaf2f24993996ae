// SPDX-License-Identifier: GPL-3.0-or-later
// The panels beside the aya, each shown in a dock of its own (WindowLayout places them): the heart, the
// recitation settings (the Aya, Playback and Range settings, the sura's progress and the practice aids)
// and My Recitation. The Review panel is ReviewPanel. Each builds its controls, which the classes that
// drive them reach here, and writes their words in Retranslate(), again at each change of language.
#pragma once

#include <QWidget>

class Heart;
class JuzProgress;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class WaveformView;

class HeartPanel : public QWidget
{
    Q_OBJECT
  public:
    explicit HeartPanel(QWidget* parent);
    void Retranslate();
    // Shows on the progress bar the ayas of the installed suras in the heart, and in its tool tip those of
    // suras not installed, which the bar's total does not hold.
    void ShowProgress(int installed, int elsewhere);
    // The heart is name's ("Amina's Heart").
    void ShowLearner(const QString& name);

    // Built by the constructor, owned by the panel.
    QProgressBar* heartProgress;
    JuzProgress* juzProgress; // the heart by juz
    Heart* heart;
    QCheckBox* closeCompleted;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    QLabel* progressLabel_;
    int installed_ = 0, elsewhere_ = 0;
    QString learner_; // whose heart it is; empty before a profile is loaded
};

class SettingsPanel : public QWidget
{
    Q_OBJECT
  public:
    explicit SettingsPanel(QWidget* parent);
    void Retranslate();

    // Built by the constructor, owned by the panel.
    QSpinBox *repeatSpin, *pauseSpin, *fromSpin, *toSpin;
    QCheckBox *rangeCheck, *loopCheck, *stackCheck, *singleCheck;
    QProgressBar* suraProgress;
    // The practice aids: pauses in seconds or as a multiple of the aya's length (the multiple shows only
    // then), the speed, the passes through the lesson (0: without end), Test me.
    QComboBox* pauseUnit;
    QDoubleSpinBox *pauseFactor, *speedSpin;
    QSpinBox* timesSpin;
    QCheckBox* testMeCheck;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    QGroupBox *ayaSettings_, *playback_, *range_, *progress_, *aids_;
    QLabel *repeatLabel_, *pauseLabel_, *fromLabel_, *toLabel_, *unitLabel_, *speedLabel_, *timesLabel_;
};

class RecitationPanel : public QWidget
{
    Q_OBJECT
  public:
    explicit RecitationPanel(QWidget* parent);
    void Retranslate();

    // Built by the constructor, owned by the panel: Record, Play Mine, Compare and Delete, Check and Hear
    // Left Out, the level while recording, the two voices' waveforms while comparing, and the verdict.
    QPushButton *recordButton, *playMineButton, *compareButton, *deleteRecordingButton;
    QPushButton *checkButton, *hearLeftOutButton;
    QProgressBar* recordLevel;
    WaveformView* waveforms;
    QLabel* checkResult;

  protected:
    void changeEvent(QEvent* event) override;
};
