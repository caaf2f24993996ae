// SPDX-License-Identifier: GPL-3.0-or-later
#include "review_panel.h"

#include "interface_language.h"
#include "naming.h"
#include "passage.h"
#include "review_book.h"
#include "sura.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace
{

constexpr int kCell = 9;     // pixels of a day's square
constexpr int kGap = 2;      // between squares
constexpr int kUpcoming = 7; // days of load shown
constexpr int kSuraRole = Qt::UserRole + 1;
constexpr int kFirstRole = Qt::UserRole + 2;

QString SuraName(int sura)
{
    const auto& titles = SuraTable().ShortTitles();
    const auto it = titles.find(PadSura(IntToString(sura)));
    return it == titles.end() ? QString::number(sura)
                              : interface_language::SuraName(sura, it->second).trimmed();
}

} // namespace

ReviewCalendar::ReviewCalendar(QWidget* parent) : QWidget(parent)
{
    setAccessibleName(tr("Review calendar"));
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
}

void ReviewCalendar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        setAccessibleName(tr("Review calendar"));
    QWidget::changeEvent(event);
}

QDate ReviewCalendar::FirstDay(const QDate& today)
{
    // The grid ends with today's week; each column starts on the locale's first day of the week.
    const int intoWeek = (today.dayOfWeek() - int(QLocale().firstDayOfWeek()) + 7) % 7;
    return today.addDays(-intoWeek - 7 * (kWeeks - 1));
}

QSize ReviewCalendar::sizeHint() const
{
    // The grid, then the summary in two lines (the streak, then the reviews), so it fits a narrow column.
    return {kWeeks * (kCell + kGap) + kGap, 7 * (kCell + kGap) + kGap + 2 * fontMetrics().height() + 4};
}

void ReviewCalendar::Show(const ReviewBook& book, const QDate& today)
{
    today_ = today;
    const QDate first = FirstDay(today);
    days_ = book.ReviewsPerDay(first, today);
    int total = 0;
    for (const auto& [day, count] : days_)
        total += count;
    const int streak = book.Streak(today);
    // The count given to tr() picks the plural form in languages that have several (Arabic has six).
    summary_ = (streak == 1 ? tr("Streak: 1 day") : tr("Streak: %1 days", nullptr, streak).arg(streak)) +
               " · " +
               (total == 1 ? tr("1 review in %1 weeks").arg(kWeeks)
                           : tr("%1 reviews in %2 weeks", nullptr, total).arg(total).arg(kWeeks));
    setAccessibleDescription(summary_);
    setToolTip(summary_);
    update();
}

void ReviewCalendar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!today_.isValid())
        return;
    const QDate first = FirstDay(today_);
    // An empty day is a faint square on any palette: the page's colour moved a little towards the text's.
    const QColor base = palette().color(QPalette::Base), ink = palette().color(QPalette::Text);
    const QColor empty((base.red() * 85 + ink.red() * 15) / 100, (base.green() * 85 + ink.green() * 15) / 100,
                       (base.blue() * 85 + ink.blue() * 15) / 100);
    const QColor full(0x2e, 0x8b, 0x57);
    for (int week = 0; week < kWeeks; ++week)
        for (int day = 0; day < 7; ++day) {
            const QDate date = first.addDays(week * 7 + day);
            if (date > today_)
                continue;
            const auto it = days_.find(date);
            const int count = it == days_.end() ? 0 : it->second;
            QColor c = count == 0 ? empty : full.lighter(100 + 60 * std::max(0, 3 - count));
            // Right to left, the weeks run from the right: this week stands at the left.
            const int x = kGap + week * (kCell + kGap);
            p.fillRect(isRightToLeft() ? sizeHint().width() - x - kCell : x, kGap + day * (kCell + kGap),
                       kCell, kCell, c);
        }
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRect(0, 7 * (kCell + kGap) + kGap, width(), 2 * fontMetrics().height() + 4), Qt::AlignLeading,
               QString(summary_).replace(QString::fromUtf8(" · "), "\n"));
}

ReviewPanel::ReviewPanel(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 2, 0, 0);
    layout->setSpacing(3);
    title_ = new QLabel(this);
    unit_ = new QComboBox(this);
    unit_->addItems({QString(), QString()});
    title_->setBuddy(unit_);
    auto* titleRow = new QHBoxLayout;
    titleRow->addWidget(title_);
    titleRow->addWidget(unit_, 1);
    load_ = new QLabel(this);
    load_->setWordWrap(true);
    next_ = new QLabel(this);
    next_->hide();
    list_ = new QTreeWidget(this);
    list_->setColumnCount(3);
    list_->setRootIsDecorated(false);
    // Every column in the heart's narrow column: the sura's name gives way (elided), the rest fit.
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setTextElideMode(Qt::ElideRight);
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list_->setMinimumHeight(60);
    reviewNow_ = new QPushButton(this);
    // Two rows, so the heart's column stays narrow: "Review now", then the four grades.
    auto* buttons = new QGridLayout;
    buttons->setSpacing(2);
    buttons->addWidget(reviewNow_, 0, 0, 1, 4);
    for (int g = 0; g < 4; ++g) {
        grades_[g] = new QPushButton(this);
        grades_[g]->setShortcut(QKeySequence(QString::number(g + 1)));
        grades_[g]->setEnabled(false);
        grades_[g]->setMinimumWidth(0);
        grades_[g]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        buttons->addWidget(grades_[g], 1, g);
        connect(grades_[g], &QPushButton::clicked, this, [this, g] { GradeChosen(fsrs::Grade(g + 1)); });
    }
    calendar_ = new ReviewCalendar(this);
    layout->addLayout(titleRow);
    layout->addWidget(load_);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    layout->addWidget(next_);
    layout->addWidget(calendar_);
    connect(unit_, qOverload<int>(&QComboBox::activated), this,
            [this](int index) { emit UnitChosen(index == 1); });
    connect(reviewNow_, &QPushButton::clicked, this, &ReviewPanel::RequestReview);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &ReviewPanel::RequestReview);
    connect(list_, &QTreeWidget::currentItemChanged, this, [this] {
        for (QPushButton* b : grades_)
            b->setEnabled(ChosenItem().Valid());
    });
    Retranslate();
}

void ReviewPanel::Retranslate()
{
    setAccessibleName(tr("Review"));
    title_->setText(tr("<b>Review</b> by"));
    unit_->setItemText(0, tr("Suras"));
    unit_->setItemText(1, tr("Pages"));
    unit_->setAccessibleName(tr("Review unit"));
    unit_->setToolTip(tr("Review whole suras (long ones in parts), or pages of the mushaf"));
    next_->setAccessibleName(tr("Next review"));
    if (due_.isValid())
        next_->setText(tr("Next review: %1").arg(QLocale().toString(due_, "ddd d MMM")));
    list_->setAccessibleName(tr("Due today"));
    list_->headerItem()->setText(0, unit_->currentIndex() == 1 ? tr("Page") : tr("Sura"));
    list_->headerItem()->setText(1, tr("Last"));
    list_->headerItem()->setText(2, tr("Recall"));
    list_->headerItem()->setToolTip(1, tr("Last review"));
    list_->headerItem()->setToolTip(2, tr("Chance of recall today"));
    reviewNow_->setText(tr("Review now"));
    reviewNow_->setAccessibleName(tr("Review now"));
    reviewNow_->setToolTip(
        tr("Plays the chosen item: each aya once, no pause. Then grade how well you knew it."));
    const QString names[4] = {tr("Again"), tr("Hard"), tr("Good"), tr("Easy")};
    for (int g = 0; g < 4; ++g) {
        grades_[g]->setText(names[g]);
        grades_[g]->setAccessibleName(names[g]);
        grades_[g]->setToolTip(QString("%1 (%2)").arg(names[g]).arg(g + 1));
    }
}

QString ReviewPanel::LoadText() const { return load_->text(); }
QString ReviewPanel::NextText() const { return next_->isHidden() ? QString() : next_->text(); }

QString ReviewPanel::LoadWords(const std::vector<int>& upcoming)
{
    int week = 0;
    for (size_t d = 0; d < upcoming.size() && d < 7; ++d)
        week += upcoming[d];
    return tr("Tomorrow: %1 · This week: %2").arg(upcoming.empty() ? 0 : upcoming[0]).arg(week);
}

void ReviewPanel::Show(const ReviewBook& book, const QDate& today)
{
    const ItemKey chosen = ChosenItem();
    const bool pages = book.ItemUnit() == ReviewBook::Unit::Page;
    unit_->setCurrentIndex(pages ? 1 : 0);
    list_->headerItem()->setText(0, pages ? tr("Page") : tr("Sura"));
    list_->clear();
    const std::vector<int> due = book.Due(today);
    for (int index : due) {
        const ReviewItem& item = book.Items()[size_t(index)];
        const int count = SuraTable().AyaCount(std::to_string(item.sura));
        // A whole sura is its name; a part of a long sura adds its ayas ("2. Al-Baqara 21-40"); a page
        // its number ("Page 602").
        const bool whole = item.first == 1 && item.last == count;
        const Passage page = pages ? Passage::Make(PassageKind::Page, item.last) : Passage();
        const QString name =
            pages   ? QString::fromStdString(page.Name())
            : whole ? SuraName(item.sura)
                    : QString("%1 %L2-%L3").arg(SuraName(item.sura)).arg(item.first).arg(item.last);
        const QString last =
            item.lastReview.isValid() ? QLocale().toString(item.lastReview, "d MMM") : tr("new");
        const int retention = int(std::lround(book.Retention(item, today) * 100));
        auto* row =
            new QTreeWidgetItem(list_, {name, last, QLocale().toString(retention) + QLocale().percent()});
        row->setToolTip(0, pages   ? QString::fromStdString(page.Title())
                           : whole ? tr("All %1 ayas", nullptr, count).arg(count)
                                   : tr("Ayas %1 to %2").arg(item.first).arg(item.last));
        row->setToolTip(1, item.lastReview.isValid()
                               ? QLocale().toString(item.lastReview, QLocale::LongFormat)
                               : tr("Not reviewed yet"));
        row->setData(0, kSuraRole, item.sura);
        row->setData(0, kFirstRole, item.first);
        if (chosen == ItemKey{item.sura, item.first})
            list_->setCurrentItem(row);
    }
    if (!list_->currentItem() && list_->topLevelItemCount() > 0)
        list_->setCurrentItem(list_->topLevelItem(0));
    load_->setText(tr("%1 due today\n%2", nullptr, int(due.size()))
                       .arg(due.size())
                       .arg(LoadWords(book.Upcoming(today, kUpcoming))));
    reviewNow_->setEnabled(!due.empty());
    for (QPushButton* b : grades_)
        b->setEnabled(ChosenItem().Valid());
    calendar_->Show(book, today);
}

ReviewPanel::ItemKey ReviewPanel::ChosenItem() const
{
    if (reviewing_.Valid())
        return reviewing_;
    const QTreeWidgetItem* row = list_->currentItem();
    return row ? ItemKey{row->data(0, kSuraRole).toInt(), row->data(0, kFirstRole).toInt()} : ItemKey{};
}

void ReviewPanel::MarkReviewing(int sura, int first)
{
    reviewing_ = {sura, first};
    for (QPushButton* b : grades_)
        b->setEnabled(reviewing_.Valid());
}

void ReviewPanel::MarkGraded(const QDate& due)
{
    due_ = due;
    next_->setText(tr("Next review: %1").arg(QLocale().toString(due, "ddd d MMM")));
    next_->setVisible(due.isValid());
}

void ReviewPanel::RequestReview()
{
    const QTreeWidgetItem* row = list_->currentItem();
    if (row)
        emit ReviewRequested(row->data(0, kSuraRole).toInt(), row->data(0, kFirstRole).toInt());
}

void ReviewPanel::GradeChosen(fsrs::Grade grade)
{
    const ItemKey item = ChosenItem();
    if (!item.Valid())
        return;
    reviewing_ = {};
    emit Graded(item.sura, item.first, grade);
}

void ReviewPanel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QWidget::changeEvent(event);
}
