// SPDX-License-Identifier: GPL-3.0-or-later
// The Review panel beside the heart: what is due today (most overdue first) with each item's sura, ayas,
// last review and retention, the next days' load, the review buttons and a calendar of the last 12
// weeks. It shows a ReviewBook and passes the learner's requests on; the book and the drill are the
// window's.
#pragma once

#include "fsrs.h"

#include <QDate>
#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class ReviewBook;

// A heat-map of reviews per day over the last 12 weeks, a column a week from the locale's first day of the
// week, with the streak and totals; right to left, the newest week stands at the left.
class ReviewCalendar : public QWidget
{
    Q_OBJECT
  public:
    static constexpr int kWeeks = 12;
    explicit ReviewCalendar(QWidget* parent = nullptr);
    void Show(const ReviewBook& book, const QDate& today);
    QSize sizeHint() const override;
    const QString& Summary() const { return summary_; }
    // The first day the grid shows when today is today: the start of the week kWeeks - 1 weeks back.
    static QDate FirstDay(const QDate& today);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    std::map<QDate, int> days_;
    QDate today_;
    QString summary_;
};

class ReviewPanel : public QWidget
{
    Q_OBJECT
  public:
    explicit ReviewPanel(QWidget* parent = nullptr);
    // The panel's own words in the interface's language; the items' are written by Show().
    void Retranslate();

    // An item as the learner knows it: its sura and first aya (never its place in a list).
    struct ItemKey {
        int sura = 0;
        int first = 0;
        bool Valid() const { return sura > 0; }
        bool operator==(const ItemKey& o) const { return sura == o.sura && first == o.first; }
    };

    // Shows book as of today; the selection stays on the same item where it can.
    void Show(const ReviewBook& book, const QDate& today);
    // The item chosen: the one being reviewed, else the one selected in the list; invalid for none.
    ItemKey ChosenItem() const;
    QTreeWidget* DueList() const { return list_; }
    QPushButton* ReviewNowButton() const { return reviewNow_; }
    QPushButton* GradeButton(fsrs::Grade grade) const { return grades_[int(grade) - 1]; }
    ReviewCalendar* Calendar() const { return calendar_; }
    // "Review by": suras (and parts of long suras) or pages of the mushaf.
    QComboBox* UnitBox() const { return unit_; }
    QString LoadText() const;
    // After a grade: when that item comes back ("Next review: Mon 14 Dec"); empty before any.
    QString NextText() const;
    // The load ahead in words: "Tomorrow: 1 · This week: 3" (this week: the next seven days).
    static QString LoadWords(const std::vector<int>& upcoming);

  public slots:
    // The drill of the item began; its grade buttons wait for the learner.
    void MarkReviewing(int sura, int first);
    // The item was graded and comes back on due.
    void MarkGraded(const QDate& due);

  signals:
    // The learner chose to review by page (or by sura).
    void UnitChosen(bool pages);
    void ReviewRequested(int sura, int first);
    void Graded(int sura, int first, fsrs::Grade grade);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void RequestReview();
    void GradeChosen(fsrs::Grade grade);

    QLabel* title_ = nullptr;
    QComboBox* unit_ = nullptr;
    QLabel* load_ = nullptr;
    QLabel* next_ = nullptr;
    QTreeWidget* list_ = nullptr;
    QPushButton* reviewNow_ = nullptr;
    QPushButton* grades_[4] = {};
    ReviewCalendar* calendar_ = nullptr;
    ItemKey reviewing_;
    QDate due_; // when the item graded last comes back
};
