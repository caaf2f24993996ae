// SPDX-License-Identifier: GPL-3.0-or-later
#include "review_panel.h"

#include "naming.h"
#include "review_book.h"
#include "sura.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace
{

constexpr int kCell = 9;     // pixels of a day's square
constexpr int kGap = 2;      // between squares
constexpr int kUpcoming = 7; // days of load shown
constexpr int kIndexRole = Qt::UserRole + 1;

QString SuraName(int sura)
{
    const auto& titles = SuraTable().ShortTitles();
    const auto it = titles.find(PadSura(IntToString(sura)));
    return it == titles.end() ? QString::number(sura) : QString::fromLatin1(it->second.c_str()).trimmed();
}

} // namespace

ReviewCalendar::ReviewCalendar(QWidget* parent) : QWidget(parent)
{
    setAccessibleName("Review calendar");
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
}

QSize ReviewCalendar::sizeHint() const
{
    return {kWeeks * (kCell + kGap) + kGap, 7 * (kCell + kGap) + kGap + fontMetrics().height() + 4};
}

void ReviewCalendar::Show(const ReviewBook& book, const QDate& today)
{
    today_ = today;
    // The grid ends with today's week; each column runs Monday to Sunday.
    const QDate first = today.addDays(-(today.dayOfWeek() - 1) - 7 * (kWeeks - 1));
    days_ = book.ReviewsPerDay(first, today);
    int total = 0;
    for (const auto& [day, count] : days_)
        total += count;
    const int streak = book.Streak(today);
    summary_ = QString("Streak: %1 day%2 · %3 review%4 in %5 weeks")
                   .arg(streak)
                   .arg(streak == 1 ? "" : "s")
                   .arg(total)
                   .arg(total == 1 ? "" : "s")
                   .arg(kWeeks);
    setAccessibleDescription(summary_);
    setToolTip(summary_);
    update();
}

void ReviewCalendar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!today_.isValid())
        return;
    const QDate first = today_.addDays(-(today_.dayOfWeek() - 1) - 7 * (kWeeks - 1));
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
            p.fillRect(kGap + week * (kCell + kGap), kGap + day * (kCell + kGap), kCell, kCell, c);
        }
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRect(0, 7 * (kCell + kGap) + kGap, width(), fontMetrics().height() + 4), Qt::AlignLeft,
               summary_);
}

ReviewPanel::ReviewPanel(QWidget* parent) : QWidget(parent)
{
    setAccessibleName("Review");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 2, 0, 0);
    layout->setSpacing(3);
    auto* title = new QLabel("<b>Review</b>", this);
    load_ = new QLabel(this);
    load_->setWordWrap(true);
    list_ = new QTreeWidget(this);
    list_->setAccessibleName("Due today");
    list_->setHeaderLabels({"Sura", "Ayas", "Last review", "Retention"});
    list_->setRootIsDecorated(false);
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->setMinimumHeight(60);
    reviewNow_ = new QPushButton("Review now", this);
    reviewNow_->setAccessibleName("Review now");
    reviewNow_->setToolTip(
        "Plays the chosen item: each aya once, no pause. Then grade how well you knew it.");
    // Two rows, so the heart's column stays narrow: "Review now", then the four grades.
    auto* buttons = new QGridLayout;
    buttons->setSpacing(2);
    buttons->addWidget(reviewNow_, 0, 0, 1, 4);
    const char* names[4] = {"Again", "Hard", "Good", "Easy"};
    for (int g = 0; g < 4; ++g) {
        grades_[g] = new QPushButton(names[g], this);
        grades_[g]->setAccessibleName(names[g]);
        grades_[g]->setShortcut(QKeySequence(QString::number(g + 1)));
        grades_[g]->setToolTip(QString("%1 (%2)").arg(names[g]).arg(g + 1));
        grades_[g]->setEnabled(false);
        grades_[g]->setMinimumWidth(0);
        grades_[g]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        buttons->addWidget(grades_[g], 1, g);
        connect(grades_[g], &QPushButton::clicked, this, [this, g] { GradeChosen(fsrs::Grade(g + 1)); });
    }
    calendar_ = new ReviewCalendar(this);
    layout->addWidget(title);
    layout->addWidget(load_);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    layout->addWidget(calendar_);
    connect(reviewNow_, &QPushButton::clicked, this, &ReviewPanel::RequestReview);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &ReviewPanel::RequestReview);
    connect(list_, &QTreeWidget::currentItemChanged, this, [this] {
        for (QPushButton* b : grades_)
            b->setEnabled(ChosenItem() >= 0);
    });
}

QString ReviewPanel::LoadText() const { return load_->text(); }

void ReviewPanel::Show(const ReviewBook& book, const QDate& today)
{
    const int chosen = ChosenItem();
    list_->clear();
    const std::vector<int> due = book.Due(today);
    for (int index : due) {
        const ReviewItem& item = book.Items()[size_t(index)];
        const int count = SuraTable().AyaCount(std::to_string(item.sura));
        const QString ayas = item.first == 1 && item.last == count
                                 ? QString("all %1").arg(count)
                                 : QString("%1-%2").arg(item.first).arg(item.last);
        const QString last =
            item.lastReview.isValid() ? item.lastReview.toString(Qt::ISODate) : QString("new");
        auto* row = new QTreeWidgetItem(list_, {SuraName(item.sura), ayas, last, QString()});
        row->setData(0, kIndexRole, index);
        const int retention = int(std::lround(book.Retention(item, today) * 100));
        auto* bar = new QProgressBar(list_);
        bar->setRange(0, 100);
        bar->setValue(retention);
        bar->setMaximumHeight(list_->fontMetrics().height());
        bar->setAccessibleName(QString("Retention %1%").arg(retention));
        row->setText(3, QString("%1%").arg(retention));
        list_->setItemWidget(row, 3, bar);
        if (index == chosen)
            list_->setCurrentItem(row);
    }
    if (!list_->currentItem() && list_->topLevelItemCount() > 0)
        list_->setCurrentItem(list_->topLevelItem(0));
    QStringList upcoming;
    for (int n : book.Upcoming(today, kUpcoming))
        upcoming << QString::number(n);
    load_->setText(
        QString("%1 due today · next %2 days: %3").arg(due.size()).arg(kUpcoming).arg(upcoming.join(' ')));
    reviewNow_->setEnabled(!due.empty());
    for (QPushButton* b : grades_)
        b->setEnabled(ChosenItem() >= 0);
    calendar_->Show(book, today);
}

int ReviewPanel::ChosenItem() const
{
    if (reviewing_ >= 0)
        return reviewing_;
    const QTreeWidgetItem* row = list_->currentItem();
    return row ? row->data(0, kIndexRole).toInt() : -1;
}

void ReviewPanel::MarkReviewing(int index)
{
    reviewing_ = index;
    for (QPushButton* b : grades_)
        b->setEnabled(index >= 0);
}

void ReviewPanel::RequestReview()
{
    const QTreeWidgetItem* row = list_->currentItem();
    if (row)
        emit ReviewRequested(row->data(0, kIndexRole).toInt());
}

void ReviewPanel::GradeChosen(fsrs::Grade grade)
{
    const int index = ChosenItem();
    if (index < 0)
        return;
    reviewing_ = -1;
    emit Graded(index, grade);
}
