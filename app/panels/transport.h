// SPDX-License-Identifier: GPL-3.0-or-later
// The player's controls under the aya: the transport (Play, Stop, Previous, Next) and the single-aya bar
// (the part's start and end, its own transport and the position in the aya). Each builds its controls,
// which DrillControls drives, and writes their words in Retranslate(), again at each change of language.
#pragma once

#include <QWidget>

class QPushButton;
class QSlider;
class QSpinBox;

class Transport : public QWidget
{
    Q_OBJECT
  public:
    explicit Transport(QWidget* parent);
    void Retranslate();

    // Built by the constructor, owned by the bar.
    QPushButton *playButton, *stopButton, *prevButton, *nextButton;

  protected:
    void changeEvent(QEvent* event) override;
};

class SingleBar : public QWidget
{
    Q_OBJECT
  public:
    explicit SingleBar(QWidget* parent);
    void Retranslate();

    // Built by the constructor, owned by the bar.
    QPushButton *singleStart, *singleEnd, *singlePlay, *singleStop, *singlePrev, *singleNext;
    QSpinBox *startSpin, *endSpin;
    QSlider* partSlider;

  protected:
    void changeEvent(QEvent* event) override;
};

// The arrows point the way the ayas run: leftwards in a right-to-left window.
void PointOnwards(QPushButton* previous, QPushButton* next);
