// SPDX-License-Identifier: GPL-3.0-or-later
#include "central_area.h"

#include "aya.h"
#include "aya_text.h"
#include "draglabel.h"
#include "fitted_picture.h"
#include "frame_parts.h"
#include "interface_language.h"
#include "kelres.h"
#include "page_look.h"
#include "passage.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>

namespace
{

using frame_parts::Named;

// The smallest room the picture and the text panel are given: the text panel shows two lines.
constexpr int kMinPictureHeight = 60;
constexpr int kMinTextPanelHeight = 70;
// The sura chooser is as wide as this many letters ("114. An-Nas (Mankind)" mostly fits).
constexpr int kChooserLetters = 16;

// The kinds' names, for the translations: Passage::KindName() gives them in English.
[[maybe_unused]] const char* const kKindWords[] = {
    QT_TRANSLATE_NOOP("ChooserRow", "Page"), QT_TRANSLATE_NOOP("ChooserRow", "Juz"),
    QT_TRANSLATE_NOOP("ChooserRow", "Hizb"), QT_TRANSLATE_NOOP("ChooserRow", "Quarter")};

} // namespace

ChooserRow::ChooserRow(QWidget* parent) : QWidget(parent)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    setMaximumHeight(40);
    chooseLabel_ = new QLabel(this);
    chooseLabel_->setAlignment(Qt::AlignVCenter);
    chooser = Named(new QComboBox(this), "chooser");
    chooseLabel_->setBuddy(chooser);
    const QSize book = PixmapFromResource("quran.png").deviceIndependentSize().toSize();
    chooser->setMinimumHeight(book.height() + 10);
    chooser->setIconSize(book);
    // Wide enough for most names; the list that opens shows every name whole.
    chooser->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    chooser->setMinimumContentsLength(kChooserLetters);
    chooser->view()->setTextElideMode(Qt::ElideNone);
    row->addWidget(chooseLabel_);
    row->addWidget(chooser);
    // Or a passage of the mushaf, which may cross suras.
    orLabel_ = new QLabel(this);
    passageKind = Named(new QComboBox(this), "passageKind");
    for (size_t i = 0; i < std::size(Passage::kKinds); ++i)
        passageKind->addItem(QString());
    orLabel_->setBuddy(passageKind);
    passageNumber = Named(new QSpinBox(this), "passageNumber");
    passageNumber->setRange(1, Passage::CountOf(PassageKind::Page)); // the largest kind's count
    passagePlay = Named(new QPushButton(this), "passagePlay");
    for (QWidget* widget : std::initializer_list<QWidget*>{orLabel_, passageKind, passageNumber, passagePlay})
        row->addWidget(widget);
    dragLabel = Named(new DragLabel(this), "dragLabel");
    dragLabel->setPixmap(PixmapFromResource("iknow.png"));
    row->addWidget(dragLabel);
    // The bismillah fills what room is left, up to the row's height, and gives way on a narrow window.
    auto* picture = Named(new FittedPicture(this), "bismillah");
    picture->SetPicture(PixmapFromResource("bismillah.png"), 40);
    picture->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    bismillah = picture;
    row->addWidget(bismillah, 1);
    Retranslate();
}

void ChooserRow::ShowSuras(const std::vector<int>& suras)
{
    const QIcon icon = IconFromResource("quran.png");
    chooser->clear();
    for (int sura : suras)
        chooser->addItem(icon, interface_language::SuraName(sura), sura);
    chooser->setCurrentIndex(chooser->count() - 1);
}

int ChooserRow::SuraAt(int index) const { return chooser->itemData(index).toInt(); }

int ChooserRow::IndexOf(int sura) const { return chooser->findData(sura); }

void ChooserRow::Retranslate()
{
    for (int i = 0; i < chooser->count(); ++i)
        chooser->setItemText(i, interface_language::SuraName(SuraAt(i)));
    chooseLabel_->setText(tr("<b>Choose a sura:<b>"));
    chooser->setAccessibleName(tr("Sura"));
    orLabel_->setText(tr(" or"));
    for (size_t i = 0; i < std::size(Passage::kKinds); ++i)
        passageKind->setItemText(int(i), tr(Passage::KindName(Passage::kKinds[i])));
    passageKind->setAccessibleName(tr("Passage kind"));
    passageKind->setToolTip(tr("Memorise by page, juz, hizb or quarter of the Madinah mushaf"));
    passageNumber->setAccessibleName(tr("Passage number"));
    passagePlay->setText(tr("Play Passage"));
    passagePlay->setToolTip(tr("Play the passage chosen, across the suras it holds"));
    dragLabel->setToolTip(tr("Tabaarakallah! You know this sura? Drag me to your heart!"));
    dragLabel->setAccessibleName(tr("Drag this sura to your heart"));
    bismillah->setToolTip(tr("In the Name of Allah the Most Beneficent, the Most Merciful"));
}

void ChooserRow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QWidget::changeEvent(event);
}

CentralArea::CentralArea(QWidget* parent) : QWidget(parent)
{
    using frame_parts::Add;
    // The aya first: the picture and its text take every pixel the rows around them leave.
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(2);
    top = new ChooserRow(this);
    column->addWidget(top);

    QWidget* titleStrip = frame_parts::Box(this, Qt::Vertical, 2, 0);
    titleStrip->setMaximumHeight(20 + 4);
    title = Named(new DragLabel(titleStrip), "title");
    title->setCursor(Qt::ArrowCursor); // a drag source only while a passage is shown
    title->setAutoFillBackground(true);
    ForceColours(title, QPalette::Window, DayPage());
    title->setAlignment(Qt::AlignCenter);
    Add(titleStrip, title);
    column->addWidget(titleStrip);

    innerSplitter = Named(new QSplitter(Qt::Vertical, this), "ayaSplitter");
    innerSplitter->setChildrenCollapsible(false);
    ayaView = Named(new Aya(innerSplitter), "ayaView");
    ayaView->viewport()->setAutoFillBackground(true);
    ForceColours(ayaView->viewport(), QPalette::Window, DayPage());
    ForceColours(ayaView->viewport(), QPalette::Base, DayPage());
    ayaView->setFrameStyle(QFrame::Panel | QFrame::Plain);
    ayaView->setLineWidth(2);
    ayaView->setContentsMargins(4, 4, 4, 4);
    ayaView->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    ayaView->setMinimumHeight(kMinPictureHeight);
    textPanel = Named(new QTextBrowser(innerSplitter), "textPanel");
    textPanel->zoomIn(8);
    // The headings ("Transliteration:", "English Translation:") smaller than the text they introduce,
    // so that a short panel still shows the text.
    textPanel->document()->setDefaultStyleSheet(kAyaTextStyle);
    textPanel->setFrameStyle(QFrame::Panel | QFrame::Plain);
    textPanel->setLineWidth(2);
    textPanel->setContentsMargins(4, 4, 4, 4);
    textPanel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    textPanel->setMinimumHeight(kMinTextPanelHeight);
    textPanel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ForceColours(textPanel, QPalette::Base, {Qt::red, Qt::black}); // until the first aya is shown
    // The picture takes three parts of the room and the text two, and so they share what the window
    // gains or loses.
    innerSplitter->setStretchFactor(0, 3);
    innerSplitter->setStretchFactor(1, 2);
    innerSplitter->setSizes({300, 200});
    column->addWidget(innerSplitter, 1);

    ayaSlider = Named(new QSlider(Qt::Horizontal, this), "ayaSlider");
    ayaSlider->setTickPosition(QSlider::TicksBelow);
    ayaSlider->setTickInterval(1);
    ayaSlider->setEnabled(false);
    column->addWidget(ayaSlider);

    singleBar = new SingleBar(this);
    column->addWidget(singleBar);
    transport = new Transport(this);
    column->addWidget(transport);
    // Where the learner is, in a quiet line of its own under the transport.
    statusLine = Named(new QLabel(this), "statusLine");
    statusLine->setTextFormat(Qt::PlainText);
    QPalette quiet = statusLine->palette();
    quiet.setColor(QPalette::WindowText, quiet.color(QPalette::PlaceholderText));
    statusLine->setPalette(quiet);
    column->addWidget(statusLine);
    Retranslate();
}

void CentralArea::Retranslate()
{
    ayaView->setAccessibleName(tr("Aya picture; drag it to your heart"));
    textPanel->setAccessibleName(tr("Translation and transliteration"));
    ayaSlider->setAccessibleName(tr("Aya"));
    statusLine->setAccessibleName(tr("Playing status"));
}

void CentralArea::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QWidget::changeEvent(event);
}
