// SPDX-License-Identifier: GPL-3.0-or-later
#include "transport.h"

#include "frame_parts.h"
#include "kelres.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

namespace
{

using frame_parts::Add;

QPushButton* Button(QWidget* parent, const char* objectName, const char* icon = nullptr)
{
    auto* b = new QPushButton(parent);
    b->setObjectName(objectName);
    if (icon)
        b->setIcon(IconFromResource(icon));
    // As in media players, a click does not take the keyboard focus, so Space and the arrows keep
    // driving playback after it; Tab still reaches the buttons.
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

QPushButton* FlatButton(QWidget* parent, const char* objectName, const char* icon, int maxWidth)
{
    QPushButton* b = Button(parent, objectName, icon);
    b->setFlat(true);
    b->setMaximumWidth(maxWidth);
    return b;
}

} // namespace

void PointOnwards(QPushButton* previous, QPushButton* next)
{
    const bool rtl = QGuiApplication::isRightToLeft();
    previous->setIcon(IconFromResource(rtl ? "right2.png" : "left2.png"));
    next->setIcon(IconFromResource(rtl ? "left2.png" : "right2.png"));
}

Transport::Transport(QWidget* parent) : QWidget(parent)
{
    setObjectName("buttonBar");
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum);
    // Play stays a push button (its accessible default action plays, as a click does); it looks pressed
    // while something plays, and its accessible description says so.
    playButton = Button(this, "playButton", "play.png");
    stopButton = Button(this, "stopButton", "stop.png");
    prevButton = Button(this, "prevButton");
    nextButton = Button(this, "nextButton");
    for (QPushButton* b : {playButton, stopButton, prevButton, nextButton})
        row->addWidget(b);
    Retranslate();
}

void Transport::Retranslate()
{
    playButton->setText(tr("Play Aya"));
    stopButton->setText(tr("Stop Playing"));
    prevButton->setText(tr("Previous Aya"));
    nextButton->setText(tr("Next Aya"));
    playButton->setToolTip(tr("Plays the current aya (Space, Ctrl+Space or the Play key)"));
    stopButton->setToolTip(tr("Stops playing the current aya (Space, Ctrl+Space or the Stop key)"));
    prevButton->setToolTip(tr("Play the previous aya in this surah (Left, Ctrl+Left or the Previous key)"));
    nextButton->setToolTip(tr("Play the next aya in this surah (Right, Ctrl+Right or the Next key)"));
    PointOnwards(prevButton, nextButton);
}

void Transport::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QWidget::changeEvent(event);
}

SingleBar::SingleBar(QWidget* parent) : QWidget(parent)
{
    setObjectName("singleBar");
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    singleStart = FlatButton(this, "singleStart", "start.png", 20);
    startSpin = new QSpinBox(this);
    startSpin->setObjectName("startSpin");
    singleEnd = FlatButton(this, "singleEnd", "end.png", 20);
    endSpin = new QSpinBox(this);
    endSpin->setObjectName("endSpin");
    singlePlay = FlatButton(this, "singlePlay", "playr.png", 30);
    singleStop = FlatButton(this, "singleStop", "stop.png", 30);
    singlePrev = FlatButton(this, "singlePrev", nullptr, 30);
    singleNext = FlatButton(this, "singleNext", nullptr, 30);
    partSlider = new QSlider(Qt::Horizontal, this);
    partSlider->setObjectName("partSlider");
    partSlider->setTickInterval(1);
    for (QWidget* widget : std::initializer_list<QWidget*>{singleStart, startSpin, singleEnd, endSpin,
                                                           singlePlay, singleStop, singlePrev, singleNext})
        row->addWidget(widget);
    row->addWidget(partSlider, 1);
    Retranslate();
    hide();
}

void SingleBar::Retranslate()
{
    auto name = [](QWidget* control, const QString& tip, const QString& accessible) {
        control->setToolTip(tip);
        control->setAccessibleName(accessible);
    };
    name(singleStart, tr("Start the part here (the slider's position)"), tr("Part start from slider"));
    name(startSpin, tr("Where the part starts, in milliseconds"), tr("Part start"));
    name(singleEnd, tr("End the part here (the slider's position)"), tr("Part end from slider"));
    name(endSpin, tr("Where the part ends, in milliseconds"), tr("Part end"));
    name(singlePlay, tr("Play the part again and again (Space or Ctrl+Space)"), tr("Play part repeatedly"));
    name(singleStop, tr("Stop (Space or Ctrl+Space)"), tr("Stop"));
    name(singlePrev, tr("Previous aya (Left or Ctrl+Left)"), tr("Previous aya"));
    name(singleNext, tr("Next aya (Right or Ctrl+Right)"), tr("Next aya"));
    name(partSlider, tr("Where the recitation is; drag to jump"), tr("Position in the aya"));
    startSpin->setSuffix(tr(" ms"));
    endSpin->setSuffix(tr(" ms"));
    PointOnwards(singlePrev, singleNext);
}

void SingleBar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QWidget::changeEvent(event);
}
