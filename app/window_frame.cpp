// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's widgets: made, labelled and laid out as the window shows them. Varn connects them.
#include "window_frame.h"

#include "aya.h"
#include "aya_text.h"
#include "draglabel.h"
#include "fitted_picture.h"
#include "frame_parts.h"
#include "kelres.h"
#include "page_look.h"
#include "passage.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>

namespace
{

// The smallest room the picture and the text panel are given: the text panel shows two lines.
constexpr int kMinPictureHeight = 60;
constexpr int kMinTextPanelHeight = 70;
// The sura chooser is as wide as this many letters ("114. An-Nas (Mankind)" mostly fits).
constexpr int kChooserLetters = 16;

using frame_parts::Add;
using frame_parts::Box;

QPushButton* FlatButton(QWidget* parent, const char* icon, int maxWidth, const QString& tip,
                        const QString& name)
{
    auto* b = new QPushButton(IconFromResource(icon), QString(), parent);
    b->setFlat(true);
    b->setMaximumWidth(maxWidth);
    b->setToolTip(tip);
    b->setAccessibleName(name);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

QWidget* BuildTopRow(QWidget* parent, VarnWidgets& w);
void BuildSingleBar(QWidget* parent, VarnWidgets& w);
void BuildTransport(QWidget* parent, VarnWidgets& w);

} // namespace

void BuildCentralArea(QMainWindow* window, VarnWidgets& w)
{
    // The aya first: the picture and its text take every pixel the rows around them leave.
    QWidget* centre = Box(window, Qt::Vertical, 4, 2);
    Add(centre, BuildTopRow(centre, w));

    QWidget* titleStrip = Box(centre, Qt::Vertical, 2, 0);
    titleStrip->setMaximumHeight(20 + 4);
    w.title = new DragLabel(titleStrip);
    w.title->setCursor(Qt::ArrowCursor); // a drag source only while a passage is shown
    w.title->setAutoFillBackground(true);
    ForceColours(w.title, QPalette::Window, DayPage());
    w.title->setAlignment(Qt::AlignCenter);
    Add(titleStrip, w.title);
    Add(centre, titleStrip);

    w.innerSplitter = new QSplitter(Qt::Vertical, centre);
    w.innerSplitter->setObjectName("ayaSplitter");
    w.innerSplitter->setChildrenCollapsible(false);
    w.ayaView = new Aya(w.innerSplitter);
    w.ayaView->viewport()->setAutoFillBackground(true);
    ForceColours(w.ayaView->viewport(), QPalette::Window, DayPage());
    ForceColours(w.ayaView->viewport(), QPalette::Base, DayPage());
    w.ayaView->setFrameStyle(QFrame::Panel | QFrame::Plain);
    w.ayaView->setLineWidth(2);
    w.ayaView->setContentsMargins(4, 4, 4, 4);
    w.ayaView->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    w.ayaView->setMinimumHeight(kMinPictureHeight);
    w.ayaView->setAccessibleName(QObject::tr("Aya picture; drag it to your heart"));
    w.textPanel = new QTextBrowser(w.innerSplitter);
    w.textPanel->zoomIn(8);
    // The headings ("Transliteration:", "English Translation:") smaller than the text they introduce,
    // so that a short panel still shows the text.
    w.textPanel->document()->setDefaultStyleSheet(kAyaTextStyle);
    w.textPanel->setFrameStyle(QFrame::Panel | QFrame::Plain);
    w.textPanel->setLineWidth(2);
    w.textPanel->setContentsMargins(4, 4, 4, 4);
    w.textPanel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    w.textPanel->setMinimumHeight(kMinTextPanelHeight);
    w.textPanel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    w.textPanel->setAccessibleName(QObject::tr("Translation and transliteration"));
    ForceColours(w.textPanel, QPalette::Base, {Qt::red, Qt::black}); // until the first aya is shown
    // The picture takes three parts of the room and the text two, and so they share what the window
    // gains or loses.
    w.innerSplitter->setStretchFactor(0, 3);
    w.innerSplitter->setStretchFactor(1, 2);
    w.innerSplitter->setSizes({300, 200});
    Add(centre, w.innerSplitter, 1);

    w.ayaSlider = new QSlider(Qt::Horizontal, centre);
    w.ayaSlider->setTickPosition(QSlider::TicksBelow);
    w.ayaSlider->setTickInterval(1);
    w.ayaSlider->setEnabled(false);
    w.ayaSlider->setAccessibleName(QObject::tr("Aya"));
    Add(centre, w.ayaSlider);

    BuildSingleBar(centre, w);
    Add(centre, w.singleBar);
    BuildTransport(centre, w);
    window->setCentralWidget(centre);
}

namespace
{

QWidget* BuildTopRow(QWidget* parent, VarnWidgets& w)
{
    auto* top = new QWidget(parent);
    auto* row = new QHBoxLayout(top);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    top->setMaximumHeight(40);
    auto* chooseLabel = new QLabel(QObject::tr("<b>Choose a sura:<b>"), top);
    chooseLabel->setAlignment(Qt::AlignVCenter);
    w.chooser = new QComboBox(top);
    chooseLabel->setBuddy(w.chooser);
    w.chooser->setAccessibleName(QObject::tr("Sura"));
    const QSize book = PixmapFromResource("quran.png").deviceIndependentSize().toSize();
    w.chooser->setMinimumHeight(book.height() + 10);
    w.chooser->setIconSize(book);
    // Wide enough for most names; the list that opens shows every name whole.
    w.chooser->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    w.chooser->setMinimumContentsLength(kChooserLetters);
    w.chooser->view()->setTextElideMode(Qt::ElideNone);
    row->addWidget(chooseLabel);
    row->addWidget(w.chooser);
    // Or a passage of the mushaf, which may cross suras.
    auto* orLabel = new QLabel(QObject::tr(" or"), top);
    w.passageKind = new QComboBox(top);
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
    w.passageNumber = new QSpinBox(top);
    w.passageNumber->setRange(1, Passage::CountOf(PassageKind::Page)); // the largest kind's count
    w.passageNumber->setAccessibleName(QObject::tr("Passage number"));
    w.passagePlay = new QPushButton(QObject::tr("Play Passage"), top);
    w.passagePlay->setToolTip(QObject::tr("Play the passage chosen, across the suras it holds"));
    for (QWidget* widget :
         std::initializer_list<QWidget*>{orLabel, w.passageKind, w.passageNumber, w.passagePlay})
        row->addWidget(widget);
    w.dragLabel = new DragLabel(top);
    w.dragLabel->setPixmap(PixmapFromResource("iknow.png"));
    w.dragLabel->setToolTip(QObject::tr("Tabaarakallah! You know this sura? Drag me to your heart!"));
    w.dragLabel->setAccessibleName(QObject::tr("Drag this sura to your heart"));
    row->addWidget(w.dragLabel);
    // The bismillah fills what room is left, up to the row's height, and gives way on a narrow window.
    auto* bismillah = new FittedPicture(top);
    bismillah->SetPicture(PixmapFromResource("bismillah.png"), 40);
    bismillah->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    bismillah->setToolTip(QObject::tr("In the Name of Allah the Most Beneficent, the Most Merciful"));
    w.bismillah = bismillah;
    row->addWidget(bismillah, 1);
    return top;
}

void BuildTransport(QWidget* parent, VarnWidgets& w)
{
    w.buttonBar = Box(parent, Qt::Horizontal, 0, 4);
    w.buttonBar->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum);
    w.playButton = new QPushButton(IconFromResource("play.png"), QObject::tr("Play Aya"), w.buttonBar);
    w.stopButton = new QPushButton(IconFromResource("stop.png"), QObject::tr("Stop Playing"), w.buttonBar);
    // The arrows point the way the ayas run: leftwards in a right-to-left window.
    const bool rtl = QGuiApplication::isRightToLeft();
    const char* backwards = rtl ? "right2.png" : "left2.png";
    const char* onwards = rtl ? "left2.png" : "right2.png";
    w.prevButton = new QPushButton(IconFromResource(backwards), QObject::tr("Previous Aya"), w.buttonBar);
    w.nextButton = new QPushButton(IconFromResource(onwards), QObject::tr("Next Aya"), w.buttonBar);
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
    Add(parent, w.buttonBar);
    // Where the learner is, in a quiet line of its own under the transport.
    w.statusLine = new QLabel(parent);
    w.statusLine->setAccessibleName(QObject::tr("Playing status"));
    w.statusLine->setTextFormat(Qt::PlainText);
    QPalette quiet = w.statusLine->palette();
    quiet.setColor(QPalette::WindowText, quiet.color(QPalette::PlaceholderText));
    w.statusLine->setPalette(quiet);
    Add(parent, w.statusLine);
}

void BuildSingleBar(QWidget* parent, VarnWidgets& w)
{
    w.singleBar = Box(parent, Qt::Horizontal, 0, 2);
    QWidget* bar = w.singleBar;
    w.singleStart =
        FlatButton(bar, "start.png", 20, QObject::tr("Start the part here (the slider's position)"),
                   QObject::tr("Part start from slider"));
    w.startSpin = new QSpinBox(bar);
    w.startSpin->setSuffix(QObject::tr(" ms"));
    w.startSpin->setAccessibleName(QObject::tr("Part start"));
    w.startSpin->setToolTip(QObject::tr("Where the part starts, in milliseconds"));
    w.singleEnd = FlatButton(bar, "end.png", 20, QObject::tr("End the part here (the slider's position)"),
                             QObject::tr("Part end from slider"));
    w.endSpin = new QSpinBox(bar);
    w.endSpin->setSuffix(QObject::tr(" ms"));
    w.endSpin->setAccessibleName(QObject::tr("Part end"));
    w.endSpin->setToolTip(QObject::tr("Where the part ends, in milliseconds"));
    w.singlePlay =
        FlatButton(bar, "playr.png", 30, QObject::tr("Play the part again and again (Space or Ctrl+Space)"),
                   QObject::tr("Play part repeatedly"));
    w.singleStop =
        FlatButton(bar, "stop.png", 30, QObject::tr("Stop (Space or Ctrl+Space)"), QObject::tr("Stop"));
    const bool rtl = QGuiApplication::isRightToLeft();
    w.singlePrev = FlatButton(bar, rtl ? "right2.png" : "left2.png", 30,
                              QObject::tr("Previous aya (Left or Ctrl+Left)"), QObject::tr("Previous aya"));
    w.singleNext = FlatButton(bar, rtl ? "left2.png" : "right2.png", 30,
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

} // namespace
