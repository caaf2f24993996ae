// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's widgets, made, labelled and laid out as the window shows them; Varn connects them.
#pragma once

class Aya;
class DragLabel;
class Heart;
class JuzProgress;
class IdMenu;
class QCheckBox;
class QComboBox;
class QDockWidget;
class QDoubleSpinBox;
class QLabel;
class QMainWindow;
class QProgressBar;
class QPushButton;
class QSlider;
class QSpinBox;
class QSplitter;
class QTextBrowser;
class QWidget;
class QMenu;
class ReviewPanel;
class WaveformView;

struct VarnWidgets {
    IdMenu *file, *view, *recitor, *language, *help;
    QMenu* practice; // View > Practice: the self-test and the speed
    QProgressBar* heartProgress;
    JuzProgress* juzProgress; // the heart by juz
    Heart* heart;
    QCheckBox* closeCompleted;
    QComboBox* chooser;
    DragLabel* dragLabel;
    QLabel* bismillah;
    DragLabel* title; // drags the passage shown to the heart
    // The aya's picture above its text panel, in the centre of the window.
    QSplitter* innerSplitter;
    Aya* ayaView;
    QTextBrowser* textPanel;
    QSlider* ayaSlider;
    QWidget* singleBar;
    QPushButton *singleStart, *singleEnd, *singlePlay, *singleStop, *singlePrev, *singleNext;
    QSpinBox *startSpin, *endSpin;
    QSlider* partSlider;
    QWidget* buttonBar;
    QPushButton *playButton, *stopButton, *prevButton, *nextButton;
    QSpinBox *repeatSpin, *pauseSpin, *fromSpin, *toSpin;
    QCheckBox *rangeCheck, *loopCheck, *stackCheck, *singleCheck;
    QProgressBar* suraProgress;
    ReviewPanel* reviewPanel;
    QCheckBox* testMeCheck;
    QComboBox* pauseUnit;
    QDoubleSpinBox* pauseFactor;
    QDoubleSpinBox* speedSpin;
    QSpinBox* timesSpin; // with loop, the passes through the lesson; 0: without end
    // A passage beside the sura chooser: its kind (Page, Juz, Hizb, Quarter), its number, and Play.
    QComboBox* passageKind;
    QSpinBox* passageNumber;
    QPushButton* passagePlay;
    QLabel* statusLine;
    // The learner's own recitation: Record, Play Mine, Compare and Delete, the level while recording,
    // and the two voices' waveforms under the aya while comparing.
    QPushButton *recordButton, *playMineButton, *compareButton, *deleteRecordingButton;
    QProgressBar* recordLevel;
    WaveformView* waveforms;
    // Check: the learner's recording of the aya shown against the reciter's, and the verdict in words.
    QPushButton* checkButton;
    QPushButton* hearLeftOutButton; // the reciter's words that the last check found left out
    QLabel* checkResult;
    // The panels around the aya, each one the learner can show, hide, move or float.
    QDockWidget *heartDock, *reviewDock, *settingsDock, *recitationDock;
};

// Builds the central area of window into w: the chooser row, the title, the aya's picture and text
// panel, and under them the aya slider, the single-aya bar, the transport and the status line.
void BuildCentralArea(QMainWindow* window, VarnWidgets& w);
// Builds the panels (the heart, the Review panel, the recitation settings and My Recitation) as dock
// widgets of window, not yet placed; WindowLayout places them.
void BuildPanels(QMainWindow* window, VarnWidgets& w);

// Shows on the heart's bar the ayas of the installed suras in the heart, and in its tool tip those of
// suras not installed, which the bar's total does not hold.
void ShowHeartProgress(QProgressBar* bar, int installed, int elsewhere);
