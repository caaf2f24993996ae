// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's widgets: made, labelled and laid out as the window shows them. Varn connects them.
#include "window_frame.h"

#include "aya.h"
#include "draglabel.h"
#include "heart.h"
#include "juz_progress.h"
#include "kelres.h"
#include "page_look.h"
#include "passage.h"
#include "review_panel.h"
#include "waveform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace
{

QWidget* Box(QWidget* parent, Qt::Orientation orientation, int margin, int spacing)
{
    auto* box = new QWidget(parent);
    QBoxLayout* layout = orientation == Qt::Horizontal ? static_cast<QBoxLayout*>(new QHBoxLayout(box))
                                                       : static_cast<QBoxLayout*>(new QVBoxLayout(box));
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(spacing);
    return box;
}

void Add(QWidget* box, QWidget* child, int stretch = 0)
{
    static_cast<QBoxLayout*>(box->layout())->addWidget(child, stretch);
}

QPushButton* FlatButton(QWidget* parent, const QPixmap& icon, int maxWidth, const QString& tip,
                        const QString& name)
{
    auto* b = new QPushButton(QIcon(icon), QString(), parent);
    b->setFlat(true);
    b->setMaximumWidth(maxWidth);
    b->setToolTip(tip);
    b->setAccessibleName(name);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

void BuildSingleBar(QWidget* parent, VarnWidgets& w);
void BuildSettings(QWidget* parent, VarnWidgets& w);

} // namespace

void BuildCentralArea(QMainWindow* window, VarnWidgets& w)
{
    w.outerSplitter = new QSplitter(Qt::Horizontal, window);
    w.outerSplitter->setContentsMargins(2, 2, 2, 2);
    w.outerSplitter->setFrameStyle(QFrame::NoFrame);

    // Left column: the heart.
    QWidget* left = Box(w.outerSplitter, Qt::Vertical, 2, 2);
    QWidget* progressRow = Box(left, Qt::Horizontal, 2, 4);
    auto* progressLabel = new QLabel(QObject::tr("Progress: "), progressRow);
    w.heartProgress = new QProgressBar(progressRow);
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
    QWidget* closeBox = Box(left, Qt::Vertical, 0, 0);
    w.closeCompleted = new QCheckBox(QObject::tr("Close Completed Suras"), closeBox);
    w.closeCompleted->setChecked(true);
    Add(closeBox, w.closeCompleted);
    Add(left, closeBox);
    w.reviewPanel = new ReviewPanel(left);
    Add(left, w.reviewPanel);

    // Right column.
    QWidget* right = Box(w.outerSplitter, Qt::Vertical, 4, 2);
    auto* top = new QWidget(right);
    auto* topGrid = new QGridLayout(top);
    topGrid->setContentsMargins(0, 0, 0, 0);
    topGrid->setSpacing(2);
    top->setMaximumHeight(40);
    QWidget* chooserBox = Box(top, Qt::Horizontal, 0, 4);
    auto* chooseLabel = new QLabel(QObject::tr("<b>Choose a sura:<b>"), chooserBox);
    chooseLabel->setAlignment(Qt::AlignVCenter);
    w.chooser = new QComboBox(chooserBox);
    chooseLabel->setBuddy(w.chooser);
    w.chooser->setAccessibleName(QObject::tr("Sura"));
    const QSize book = PixmapFromResource("quran.png").deviceIndependentSize().toSize();
    w.chooser->setMinimumHeight(book.height() + 10);
    w.chooser->setIconSize(book);
    w.chooser->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    Add(chooserBox, chooseLabel);
    Add(chooserBox, w.chooser);
    // Or a passage of the mushaf, which may cross suras.
    auto* orLabel = new QLabel(QObject::tr(" or"), chooserBox);
    w.passageKind = new QComboBox(chooserBox);
    // The kinds' names, for the translations: Passage::KindName() gives them in English.
    static const char* const kKindWords[] = {
        QT_TRANSLATE_NOOP("QObject", "Page"), QT_TRANSLATE_NOOP("QObject", "Juz"),
        QT_TRANSLATE_NOOP("QObject", "Hizb"), QT_TRANSLATE_NOOP("QObject", "Quarter")};
    (void)kKindWords;
    for (PassageKind kind : Passage::kKinds)
        w.passageKind->addItem(QObject::tr(Passage::KindName(kind)));
    w.passageKind->setAccessibleName(QObject::tr("Passage kind"));
    w.passageKind->setToolTip(QObject::tr("Memorise by page, juz, hizb or quarter of the Madinah mushaf"));
    orLabel->setBuddy(w.passageKind);
    w.passageNumber = new QSpinBox(chooserBox);
    w.passageNumber->setRange(1, Passage::CountOf(PassageKind::Page));
    w.passageNumber->setAccessibleName(QObject::tr("Passage number"));
    w.passagePlay = new QPushButton(QObject::tr("Play Passage"), chooserBox);
    w.passagePlay->setToolTip(QObject::tr("Play the passage chosen, across the suras it holds"));
    for (QWidget* widget :
         std::initializer_list<QWidget*>{orLabel, w.passageKind, w.passageNumber, w.passagePlay})
        Add(chooserBox, widget);
    topGrid->addWidget(chooserBox, 0, 0);
    w.dragLabel = new DragLabel(top);
    w.dragLabel->setPixmap(PixmapFromResource("iknow.png"));
    w.dragLabel->setToolTip(QObject::tr("Tabaarakallah! You know this sura? Drag me to your heart!"));
    w.dragLabel->setAccessibleName(QObject::tr("Drag this sura to your heart"));
    topGrid->addWidget(w.dragLabel, 0, 1);
    w.bismillah = new QLabel(top);
    const QPixmap bismillah = PixmapFromResource("bismillah.png");
    const int rowHeight = qBound(20, top->height(), 40);
    if (!bismillah.isNull()) {
        // Scaled in the screen's own pixels, so it stays sharp at any density.
        const qreal ratio = bismillah.devicePixelRatio();
        QPixmap scaled = bismillah.scaledToHeight(int(rowHeight * ratio), Qt::SmoothTransformation);
        scaled.setDevicePixelRatio(ratio);
        w.bismillah->setPixmap(scaled);
    }
    w.bismillah->setAlignment(Qt::AlignCenter);
    w.bismillah->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Maximum);
    w.bismillah->setToolTip(QObject::tr("In the Name of Allah the Most Beneficent, the Most Merciful"));
    topGrid->addWidget(w.bismillah, 0, 2);
    Add(right, top);

    QWidget* rest = Box(right, Qt::Vertical, 0, 2);
    QWidget* titleStrip = Box(rest, Qt::Vertical, 2, 0);
    titleStrip->setMaximumHeight(20 + 4);
    w.title = new DragLabel(titleStrip);
    w.title->setCursor(Qt::ArrowCursor); // a drag source only while a passage is shown
    w.title->setAutoFillBackground(true);
    ForceColours(w.title, QPalette::Window, DayPage());
    w.title->setAlignment(Qt::AlignCenter);
    Add(titleStrip, w.title);
    Add(rest, titleStrip);

    w.innerSplitter = new QSplitter(Qt::Vertical, rest);
    w.ayaView = new Aya(w.innerSplitter);
    w.ayaView->viewport()->setAutoFillBackground(true);
    ForceColours(w.ayaView->viewport(), QPalette::Window, DayPage());
    ForceColours(w.ayaView->viewport(), QPalette::Base, DayPage());
    w.ayaView->setFrameStyle(QFrame::Panel | QFrame::Plain);
    w.ayaView->setLineWidth(2);
    w.ayaView->setContentsMargins(4, 4, 4, 4);
    w.ayaView->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    w.ayaView->setAccessibleName(QObject::tr("Aya picture; drag it to your heart"));
    w.waveforms = new WaveformView(w.innerSplitter);
    w.waveforms->hide();
    w.textPanel = new QTextBrowser(w.innerSplitter);
    w.textPanel->zoomIn(8);
    w.textPanel->setFrameStyle(QFrame::Panel | QFrame::Plain);
    w.textPanel->setLineWidth(2);
    w.textPanel->setContentsMargins(4, 4, 4, 4);
    w.textPanel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    w.textPanel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    w.textPanel->setAccessibleName(QObject::tr("Translation and transliteration"));
    ForceColours(w.textPanel, QPalette::Base, {Qt::red, Qt::black}); // until the first aya is shown
    Add(rest, w.innerSplitter, 1);

    w.ayaSlider = new QSlider(Qt::Horizontal, rest);
    w.ayaSlider->setTickPosition(QSlider::TicksBelow);
    w.ayaSlider->setTickInterval(1);
    w.ayaSlider->setEnabled(false);
    w.ayaSlider->setAccessibleName(QObject::tr("Aya"));
    Add(rest, w.ayaSlider);

    BuildSingleBar(rest, w);
    Add(rest, w.singleBar);

    w.buttonBar = Box(rest, Qt::Horizontal, 0, 4);
    w.buttonBar->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum);
    w.playButton =
        new QPushButton(QIcon(PixmapFromResource("play.png")), QObject::tr("Play Aya"), w.buttonBar);
    w.stopButton =
        new QPushButton(QIcon(PixmapFromResource("stop.png")), QObject::tr("Stop Playing"), w.buttonBar);
    // The arrows point the way the ayas run: leftwards in a right-to-left window.
    const bool rtl = QGuiApplication::isRightToLeft();
    const char* backwards = rtl ? "right2.png" : "left2.png";
    const char* onwards = rtl ? "left2.png" : "right2.png";
    w.prevButton =
        new QPushButton(QIcon(PixmapFromResource(backwards)), QObject::tr("Previous Aya"), w.buttonBar);
    w.nextButton = new QPushButton(QIcon(PixmapFromResource(onwards)), QObject::tr("Next Aya"), w.buttonBar);
    w.playButton->setToolTip(QObject::tr("Plays the current aya (Space, Ctrl+Space or the Play key)"));
    w.stopButton->setToolTip(
        QObject::tr("Stops playing the current aya (Space, Ctrl+Space or the Stop key)"));
    w.prevButton->setToolTip(
        QObject::tr("Play the previous aya in this surah (Left, Ctrl+Left or the Previous key)"));
    w.nextButton->setToolTip(
        QObject::tr("Play the next aya in this surah (Right, Ctrl+Right or the Next key)"));
    // As in media players, a click does not take the keyboard focus, so Space and the arrows keep
    // driving playback after it; Tab still reaches the buttons.
    // Play stays a push button (its accessible default action plays, as a click does); it looks
    // pressed while something plays, and its accessible description says so.
    for (QPushButton* b : {w.playButton, w.stopButton, w.prevButton, w.nextButton}) {
        b->setFocusPolicy(Qt::TabFocus);
        Add(w.buttonBar, b);
    }
    Add(rest, w.buttonBar);
    // Where the learner is, in a quiet line of its own (the status bar stays empty).
    w.statusLine = new QLabel(rest);
    w.statusLine->setAccessibleName(QObject::tr("Playing status"));
    w.statusLine->setTextFormat(Qt::PlainText);
    QPalette quiet = w.statusLine->palette();
    quiet.setColor(QPalette::WindowText, quiet.color(QPalette::PlaceholderText));
    w.statusLine->setPalette(quiet);
    Add(rest, w.statusLine);

    BuildSettings(rest, w);
    Add(right, rest, 1);
    window->setCentralWidget(w.outerSplitter);
}

namespace
{

void BuildSingleBar(QWidget* parent, VarnWidgets& w)
{
    w.singleBar = Box(parent, Qt::Horizontal, 0, 2);
    QWidget* bar = w.singleBar;
    w.singleStart = FlatButton(bar, PixmapFromResource("start.png"), 20,
                               QObject::tr("Start the part here (the slider's position)"),
                               QObject::tr("Part start from slider"));
    w.startSpin = new QSpinBox(bar);
    w.startSpin->setSuffix(QObject::tr(" ms"));
    w.startSpin->setAccessibleName(QObject::tr("Part start"));
    w.startSpin->setToolTip(QObject::tr("Where the part starts, in milliseconds"));
    w.singleEnd = FlatButton(bar, PixmapFromResource("end.png"), 20,
                             QObject::tr("End the part here (the slider's position)"),
                             QObject::tr("Part end from slider"));
    w.endSpin = new QSpinBox(bar);
    w.endSpin->setSuffix(QObject::tr(" ms"));
    w.endSpin->setAccessibleName(QObject::tr("Part end"));
    w.endSpin->setToolTip(QObject::tr("Where the part ends, in milliseconds"));
    w.singlePlay = FlatButton(bar, PixmapFromResource("playr.png"), 30,
                              QObject::tr("Play the part again and again (Space or Ctrl+Space)"),
                              QObject::tr("Play part repeatedly"));
    w.singleStop = FlatButton(bar, PixmapFromResource("stop.png"), 30,
                              QObject::tr("Stop (Space or Ctrl+Space)"), QObject::tr("Stop"));
    const bool rtl = QGuiApplication::isRightToLeft();
    w.singlePrev = FlatButton(bar, PixmapFromResource(rtl ? "right2.png" : "left2.png"), 30,
                              QObject::tr("Previous aya (Left or Ctrl+Left)"), QObject::tr("Previous aya"));
    w.singleNext = FlatButton(bar, PixmapFromResource(rtl ? "left2.png" : "right2.png"), 30,
                              QObject::tr("Next aya (Right or Ctrl+Right)"), QObject::tr("Next aya"));
    w.partSlider = new QSlider(Qt::Horizontal, bar);
    w.partSlider->setTickInterval(1);
    w.partSlider->setAccessibleName(QObject::tr("Position in the aya"));
    w.partSlider->setToolTip(QObject::tr("Where the recitation is; drag to jump"));
    for (QWidget* widget :
         std::initializer_list<QWidget*>{w.singleStart, w.startSpin, w.singleEnd, w.endSpin, w.singlePlay,
                                         w.singleStop, w.singlePrev, w.singleNext})
        Add(bar, widget);
    Add(bar, w.partSlider, 1);
    bar->hide();
}

void BuildSettings(QWidget* parent, VarnWidgets& w)
{
    auto* settings = new QGroupBox(QObject::tr("Recitation Settings"), parent);
    settings->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum);
    auto* grid = new QGridLayout(settings);
    grid->setSpacing(4);
    settings->setAccessibleName(QObject::tr("Recitation Settings"));
    auto group = [settings](const char* source) {
        const QString title = QObject::tr(source);
        auto* g = new QGroupBox(title, settings);
        g->setAccessibleName(title); // each group is announced by its own title
        auto* row = new QHBoxLayout(g);
        row->setSpacing(4);
        return g;
    };
    auto addTo = [](QGroupBox* g, QWidget* widget) {
        static_cast<QHBoxLayout*>(g->layout())->addWidget(widget);
    };

    QGroupBox* ayaSettings = group(QT_TRANSLATE_NOOP("QObject", "Aya Settings"));
    QGroupBox* playback = group(QT_TRANSLATE_NOOP("QObject", "Playback Settings"));
    QGroupBox* range = group(QT_TRANSLATE_NOOP("QObject", "Aya Range Settings"));
    QGroupBox* progress = group(QT_TRANSLATE_NOOP("QObject", "Sura Playback Progress"));
    for (QGroupBox* g : {ayaSettings, playback, range})
        g->setAlignment(Qt::AlignVCenter);
    ayaSettings->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum);

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
    for (QWidget* widget :
         std::initializer_list<QWidget*>{repeatLabel, w.repeatSpin, pauseLabel, w.pauseSpin})
        addTo(ayaSettings, widget);
    // The practice aids have a row of their own under the four settings groups, so the window still fits
    // an 800-pixel screen. Pauses in seconds, or as a multiple of the aya's length (the multiple shows
    // only then).
    QGroupBox* aids = group(QT_TRANSLATE_NOOP("QObject", "Practice Aids"));
    w.pauseUnit = new QComboBox(aids);
    w.pauseUnit->addItems({QObject::tr("seconds"), QObject::tr("\u00d7 aya length")});
    w.pauseUnit->setAccessibleName(QObject::tr("Pause unit"));
    w.pauseUnit->setToolTip(
        QObject::tr("Pause for a number of seconds, or for a multiple of the aya's own length"));
    w.pauseFactor = new QDoubleSpinBox(aids);
    w.pauseFactor->setRange(0.5, 3.0);
    w.pauseFactor->setSingleStep(0.25);
    w.pauseFactor->setValue(1.0);
    w.pauseFactor->setSuffix(QString::fromUtf8("\u00d7"));
    w.pauseFactor->setAccessibleName(QObject::tr("Pause factor"));
    w.pauseFactor->setToolTip(
        QObject::tr("Each pause lasts this many times the aya (or the part) just heard"));
    w.pauseFactor->hide();
    auto* unitLabel = new QLabel(QObject::tr("Pause in:"), aids);
    unitLabel->setBuddy(w.pauseUnit);
    addTo(aids, unitLabel);
    addTo(aids, w.pauseUnit);
    addTo(aids, w.pauseFactor);
    auto* speedLabel = new QLabel(QObject::tr(" Speed:"), aids);
    w.speedSpin = new QDoubleSpinBox(aids);
    w.speedSpin->setRange(0.5, 1.5);
    w.speedSpin->setSingleStep(0.05);
    w.speedSpin->setValue(1.0);
    w.speedSpin->setSuffix(QString::fromUtf8("\u00d7"));
    w.speedSpin->setAccessibleName(QObject::tr("Speed"));
    w.speedSpin->setToolTip(QObject::tr("Playback speed; the pitch stays the same ([ slower, ] faster)"));
    speedLabel->setBuddy(w.speedSpin);
    addTo(aids, speedLabel);
    addTo(aids, w.speedSpin);
    auto* timesLabel = new QLabel(QObject::tr(" Times:"), aids);
    w.timesSpin = new QSpinBox(aids);
    w.timesSpin->setRange(0, 99);
    w.timesSpin->setSpecialValueText(QObject::tr("endless"));
    w.timesSpin->setAccessibleName(QObject::tr("Times"));
    w.timesSpin->setToolTip(QObject::tr("With Loop, play the sura or passage this many times, then stop"));
    timesLabel->setBuddy(w.timesSpin);
    addTo(aids, timesLabel);
    addTo(aids, w.timesSpin);

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
    for (QWidget* widget :
         std::initializer_list<QWidget*>{w.rangeCheck, fromLabel, w.fromSpin, toLabel, w.toSpin})
        addTo(range, widget);

    w.loopCheck = new QCheckBox(QObject::tr("Loop Sura"), playback);
    w.loopCheck->setToolTip(QObject::tr("Loop the playback of the whole surah"));
    w.stackCheck = new QCheckBox(QObject::tr("Stack Ayas"), playback);
    w.stackCheck->setToolTip(
        QObject::tr("&nbsp;Recite aya 1 a number of times<br>&nbsp;Recite aya 2 a number of times<br>"
                    "&nbsp;Recite aya 1 and 2 a number of times<br>&nbsp;and so on ..."));
    w.singleCheck = new QCheckBox(QObject::tr("Single Aya Mode"), playback);
    w.singleCheck->setToolTip(QObject::tr("Break aya into parts for easy memorization"));
    w.testMeCheck = new QCheckBox(QObject::tr("Test me"), aids);
    w.testMeCheck->setAccessibleName(QObject::tr("Test me"));
    w.testMeCheck->setToolTip(
        QObject::tr("During each pause the aya is hidden while you recite it from memory; it comes back "
                    "when the pause ends (set a pause)"));
    for (QWidget* widget : std::initializer_list<QWidget*>{w.loopCheck, w.stackCheck, w.singleCheck})
        addTo(playback, widget);
    static_cast<QHBoxLayout*>(aids->layout())->addSpacing(8);
    addTo(aids, w.testMeCheck);
    static_cast<QHBoxLayout*>(aids->layout())->addStretch(1);
    for (QCheckBox* box :
         {w.rangeCheck, w.loopCheck, w.stackCheck, w.singleCheck, w.testMeCheck, w.closeCompleted})
        box->setFocusPolicy(Qt::TabFocus);

    w.suraProgress = new QProgressBar(progress);
    w.suraProgress->setAccessibleName(QObject::tr("Sura playback progress"));
    w.suraProgress->setValue(0);
    addTo(progress, w.suraProgress);

    grid->addWidget(ayaSettings, 0, 0);
    grid->addWidget(playback, 0, 1);
    grid->addWidget(range, 1, 0);
    grid->addWidget(progress, 1, 1);
    grid->addWidget(aids, 2, 0, 1, 2);

    QGroupBox* mine = group(QT_TRANSLATE_NOOP("QObject", "My Recitation"));
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
    w.recordLevel = new QProgressBar(mine);
    w.recordLevel->setRange(0, 100);
    w.recordLevel->setTextVisible(false);
    w.recordLevel->setAccessibleName(QObject::tr("Recording level"));
    w.recordLevel->setMaximumHeight(12);
    w.recordLevel->hide();
    for (QWidget* widget : std::initializer_list<QWidget*>{w.recordButton, w.playMineButton, w.compareButton,
                                                           w.deleteRecordingButton})
        addTo(mine, widget);
    static_cast<QHBoxLayout*>(mine->layout())->addWidget(w.recordLevel, 1);
    static_cast<QHBoxLayout*>(mine->layout())->addStretch(0);
    grid->addWidget(mine, 3, 0, 1, 2);
    static_cast<QBoxLayout*>(parent->layout())->addWidget(settings);
}

} // namespace
