// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's controls, found as a screen reader or a test tool finds them: by their object names
// in the window's tree.
#pragma once

#include "aya.h"
#include "draglabel.h"
#include "heart.h"
#include "id_menu.h"
#include "juz_progress.h"
#include "review_panel.h"
#include "varn.h"
#include "waveform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QSplitter>
#include <QTextBrowser>
#include <type_traits>

namespace fixtures
{

struct Controls {
    IdMenu *file, *view, *recitor, *language, *help;
    QMenu* practice;
    QProgressBar* heartProgress;
    JuzProgress* juzProgress;
    Heart* heart;
    QCheckBox* closeCompleted;
    QComboBox* chooser;
    DragLabel* dragLabel;
    QLabel* bismillah;
    DragLabel* title;
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
    QSpinBox* timesSpin;
    QComboBox* passageKind;
    QSpinBox* passageNumber;
    QPushButton* passagePlay;
    QLabel* statusLine;
    QPushButton *recordButton, *playMineButton, *compareButton, *deleteRecordingButton;
    QProgressBar* recordLevel;
    WaveformView* waveforms;
    QPushButton* checkButton;
    QPushButton* hearLeftOutButton;
    QLabel* checkResult;
    QDockWidget *heartDock, *reviewDock, *settingsDock, *recitationDock;
};

// The child of window of type T named name; a test that asks for one the window lacks fails loudly.
template <typename T> T* Find(const QObject* window, const char* name)
{
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("the window has no %s named %s", T::staticMetaObject.className(), name);
    return found;
}

inline Controls C(const Varn& window)
{
    Controls c{};
    const WindowActions& a = *window.findChild<WindowActions*>();
    c.file = a.file, c.view = a.view, c.recitor = a.recitor, c.language = a.language, c.help = a.help;
    c.practice = a.practice;
#define VARNEL_FIND(member) c.member = Find<std::remove_pointer_t<decltype(c.member)>>(&window, #member)
    VARNEL_FIND(heartProgress);
    VARNEL_FIND(juzProgress);
    VARNEL_FIND(heart);
    VARNEL_FIND(closeCompleted);
    VARNEL_FIND(chooser);
    VARNEL_FIND(dragLabel);
    VARNEL_FIND(bismillah);
    VARNEL_FIND(title);
    c.innerSplitter = Find<QSplitter>(&window, "ayaSplitter");
    VARNEL_FIND(ayaView);
    VARNEL_FIND(textPanel);
    VARNEL_FIND(ayaSlider);
    VARNEL_FIND(singleBar);
    VARNEL_FIND(singleStart);
    VARNEL_FIND(singleEnd);
    VARNEL_FIND(singlePlay);
    VARNEL_FIND(singleStop);
    VARNEL_FIND(singlePrev);
    VARNEL_FIND(singleNext);
    VARNEL_FIND(startSpin);
    VARNEL_FIND(endSpin);
    VARNEL_FIND(partSlider);
    VARNEL_FIND(buttonBar);
    VARNEL_FIND(playButton);
    VARNEL_FIND(stopButton);
    VARNEL_FIND(prevButton);
    VARNEL_FIND(nextButton);
    VARNEL_FIND(repeatSpin);
    VARNEL_FIND(pauseSpin);
    VARNEL_FIND(fromSpin);
    VARNEL_FIND(toSpin);
    VARNEL_FIND(rangeCheck);
    VARNEL_FIND(loopCheck);
    VARNEL_FIND(stackCheck);
    VARNEL_FIND(singleCheck);
    VARNEL_FIND(suraProgress);
    c.reviewPanel = window.findChild<ReviewPanel*>();
    VARNEL_FIND(testMeCheck);
    VARNEL_FIND(pauseUnit);
    VARNEL_FIND(pauseFactor);
    VARNEL_FIND(speedSpin);
    VARNEL_FIND(timesSpin);
    VARNEL_FIND(passageKind);
    VARNEL_FIND(passageNumber);
    VARNEL_FIND(passagePlay);
    VARNEL_FIND(statusLine);
    VARNEL_FIND(recordButton);
    VARNEL_FIND(playMineButton);
    VARNEL_FIND(compareButton);
    VARNEL_FIND(deleteRecordingButton);
    VARNEL_FIND(recordLevel);
    VARNEL_FIND(waveforms);
    VARNEL_FIND(checkButton);
    VARNEL_FIND(hearLeftOutButton);
    VARNEL_FIND(checkResult);
#undef VARNEL_FIND
    c.heartDock = Find<QDockWidget>(&window, "heartPanel");
    c.reviewDock = Find<QDockWidget>(&window, "reviewPanel");
    c.settingsDock = Find<QDockWidget>(&window, "settingsPanel");
    c.recitationDock = Find<QDockWidget>(&window, "recitationPanel");
    return c;
}

} // namespace fixtures
