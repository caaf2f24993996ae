// SPDX-License-Identifier: GPL-3.0-or-later
// What of the heart is due for review, and when. Each memorised sura is one review item; a sura of more
// than 40 ayas is reviewed in parts of at most 20 ayas (1-20, 21-40, ...), each an item once all its
// ayas are in the heart. Items follow the heart: a part learnt enters review (due the next day), a part
// no longer held leaves it. Grades move each item's memory by FSRS (fsrs.h).
//
// A book may instead hold pages of the Madinah mushaf: each page whose ayas are all in the heart is one
// item, named by its first aya (SURA and FIRST) with the page's number as LAST; such a book is kept in
// profiles/NAME.pages under the version line "varnel-page-review 1". The learner chooses which book
// the window shows; both follow the heart, so neither loses its history.
//
// The book is kept in profiles/NAME.review, written whole at every grade:
//   varnel-review 1
//   SURA<TAB>FIRST<TAB>LAST<TAB>DUE<TAB>LAST-REVIEW<TAB>STABILITY<TAB>DIFFICULTY<TAB>REVIEW-DATES
// one line per item in the order the items entered review; dates are YYYY-MM-DD ("-" for none), the
// review dates a comma-separated list of the last reviews.
#pragma once

#include "fsrs.h"

#include <QByteArray>
#include <QDate>
#include <map>
#include <set>
#include <string>
#include <vector>

class HeartData;

struct ReviewItem {
    int sura = 0;
    int first = 0;
    int last = 0;
    QDate due;
    QDate lastReview; // null before the first review
    fsrs::Memory memory;
    std::vector<QDate> reviews; // oldest first
};

class ReviewBook
{
  public:
    static constexpr int kLongSura = 40;
    static constexpr int kPartLength = 20;
    static constexpr size_t kReviewsKept = 400;
    static constexpr const char* kVersionLine = "varnel-review 1";
    static constexpr const char* kPageVersionLine = "varnel-page-review 1";
    enum class Unit { Sura, Page };

    explicit ReviewBook(Unit unit = Unit::Sura) : unit_(unit) {}
    Unit ItemUnit() const { return unit_; }
    const char* VersionLine() const { return unit_ == Unit::Page ? kPageVersionLine : kVersionLine; }
    // The ayas an item reviews, in order: a part of a sura, or a whole page.
    std::vector<std::string> Ayas(const ReviewItem& item) const;

    // The items the heart's ayas make, as (sura, first, last), in sura and aya order (pages: the page's
    // first aya, and its number as last).
    static std::vector<std::array<int, 3>> ItemsOf(const HeartData& heart, Unit unit = Unit::Sura);

    // True when a heart of these ayas would not make every item now in the book: a sync would drop some.
    bool WouldLoseItems(const std::vector<std::string>& ayas) const;
    // Brings the items in step with the heart; true when any entered or left.
    bool Sync(const HeartData& heart, const QDate& today);
    const std::vector<ReviewItem>& Items() const { return items_; }
    int Find(int sura, int first) const;

    // The items due on or before today: the most overdue first, then in the order they entered.
    std::vector<int> Due(const QDate& today) const;
    // How many items fall due on each of the days days after today (the first entry is tomorrow).
    std::vector<int> Upcoming(const QDate& today, int days) const;
    // The chance of recall today; 1 for an item never reviewed.
    double Retention(const ReviewItem& item, const QDate& today) const;
    // The suras with an item due on or before today.
    std::set<int> DueSuras(const QDate& today) const;

    // Records a review of item index graded grade today; false for an unknown index.
    bool Grade(int index, fsrs::Grade grade, const QDate& today);

    // Reviews by day between from and to (inclusive), the days in a row up to today with a review
    // (today may still be empty), and all reviews in that span.
    std::map<QDate, int> ReviewsPerDay(const QDate& from, const QDate& to) const;
    int Streak(const QDate& today) const;

    QByteArray Serialize() const;
    // Replaces the items with the text's; false, with what is wrong and the book left empty, for text
    // that is not a review book.
    bool Parse(const QByteArray& text, std::string* problem);
    void Clear() { items_.clear(); }

  private:
    Unit unit_;
    std::vector<ReviewItem> items_;
};

// The review book's file beside a profile file: "profiles/Amina.varn" gives "profiles/Amina.review".
std::string ReviewPathFor(const std::string& profilePath);

// Today's date: VARNEL_TODAY=YYYY-MM-DD when set (for tests and demonstrations), else the local date.
QDate ReviewToday();
