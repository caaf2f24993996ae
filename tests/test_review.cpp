// SPDX-License-Identifier: GPL-3.0-or-later
// Review: the FSRS formulas against values worked by hand, and the review book's items, dates and file.
#include "fsrs.h"
#include "heart_data.h"
#include "naming.h"
#include "review_book.h"

#include <set>

#include <QTest>

namespace
{

// Values worked by hand from the formulas in fsrs.h, with FSRS-5's default parameters:
//   D0(G) = 7.1949 - e^(0.5345 (G-1)) + 1: Again 7.1949, Hard 6.48831, Good 5.28243, Easy 3.22450
//   S0(G) = w[G-1]: 0.40255, 1.18385, 3.173, 15.69105 -> intervals 1, 1, 3, 16 days
// Good first, then reviewed 3 days later: R = (1 + 19/81 * 3/3.173)^-0.5 = 0.904698
//   Good: S = 3.173 (1 + e^1.54575 (11 - 5.28243) 3.173^-0.1192 (e^(1.01925 * 0.095302) - 1)) = 10.73893
//         D = 0.0046 * 3.22450 + 0.9954 * 5.28243 = 5.27297
//   Hard: S x (... * 0.2315) = 4.92451, D = 6.72665; Easy: S x (... * 2.9898) = 25.79361, D = 3.81929
//   Again: S = min(3.173, 1.9395 * 5.28243^-0.11 ((4.173)^0.29605 - 1) e^(2.2698 * 0.095302)) = 1.05556,
//          D = 8.18033
// A long interval: S = 100, D = 5, reviewed after 100 days (R = 0.9 exactly):
//   Good: S = 274.44695; Again: S = 5.95508
constexpr double kTolerance = 1e-4;

QDate Day(const char* iso) { return QDate::fromString(iso, Qt::ISODate); }

} // namespace

class TestReview : public QObject
{
    Q_OBJECT

  private slots:
    void firstReview_data()
    {
        QTest::addColumn<int>("grade");
        QTest::addColumn<double>("stability");
        QTest::addColumn<double>("difficulty");
        QTest::addColumn<int>("interval");
        QTest::newRow("again") << 1 << 0.40255 << 7.1949 << 1;
        QTest::newRow("hard") << 2 << 1.18385 << 6.48831 << 1;
        QTest::newRow("good") << 3 << 3.173 << 5.28243 << 3;
        QTest::newRow("easy") << 4 << 15.69105 << 3.22450 << 16;
    }
    void firstReview()
    {
        QFETCH(int, grade);
        QFETCH(double, stability);
        QFETCH(double, difficulty);
        QFETCH(int, interval);
        const fsrs::Memory m = fsrs::Review({}, 0, fsrs::Grade(grade));
        QVERIFY(qAbs(m.stability - stability) < kTolerance);
        QVERIFY(qAbs(m.difficulty - difficulty) < kTolerance);
        QCOMPARE(fsrs::IntervalDays(m), interval);
    }

    void secondReview_data()
    {
        QTest::addColumn<int>("grade");
        QTest::addColumn<double>("stability");
        QTest::addColumn<double>("difficulty");
        QTest::addColumn<int>("interval");
        QTest::newRow("lapse") << 1 << 1.05556 << 8.18033 << 1;
        QTest::newRow("hard") << 2 << 4.92451 << 6.72665 << 5;
        QTest::newRow("good") << 3 << 10.73893 << 5.27297 << 11;
        QTest::newRow("easy") << 4 << 25.79361 << 3.81929 << 26;
    }
    void secondReview()
    {
        QFETCH(int, grade);
        QFETCH(double, stability);
        QFETCH(double, difficulty);
        QFETCH(int, interval);
        const fsrs::Memory first = fsrs::Review({}, 0, fsrs::Grade::Good);
        QVERIFY(qAbs(fsrs::Retrievability(3, first) - 0.904698) < 1e-6);
        const fsrs::Memory m = fsrs::Review(first, 3, fsrs::Grade(grade));
        QVERIFY2(qAbs(m.stability - stability) < kTolerance,
                 qPrintable(QString::number(m.stability, 'f', 6)));
        QVERIFY2(qAbs(m.difficulty - difficulty) < kTolerance,
                 qPrintable(QString::number(m.difficulty, 'f', 6)));
        QCOMPARE(fsrs::IntervalDays(m), interval);
    }

    void longInterval()
    {
        const fsrs::Memory m{100, 5};
        QVERIFY(qAbs(fsrs::Retrievability(100, m) - 0.9) < 1e-12);
        QVERIFY(qAbs(fsrs::Review(m, 100, fsrs::Grade::Good).stability - 274.44695) < kTolerance);
        QVERIFY(qAbs(fsrs::Review(m, 100, fsrs::Grade::Again).stability - 5.95508) < kTolerance);
        QCOMPARE(fsrs::IntervalDays({1e9, 5}), fsrs::kMaximumInterval);
        QCOMPARE(fsrs::Retrievability(10, {}), 1.0);
    }

    // Short suras are one item once complete; long ones are parts of 20 ayas, each once complete.
    void itemsFollowTheHeart()
    {
        HeartData heart;
        for (int a = 1; a <= 3; ++a)
            heart.Add(AyaKey("108", a));
        for (int a = 1; a <= 4; ++a)
            heart.Add(AyaKey("112", a - (a == 4))); // 112.001-112.003: not complete
        for (int a = 1; a <= 40; ++a)
            heart.Add(AyaKey("080", a)); // sura 80 has 42 ayas: parts 1-20 and 21-40 held, 41-42 not
        using Item = std::array<int, 3>;
        QCOMPARE(ReviewBook::ItemsOf(heart), (std::vector<Item>{{80, 1, 20}, {80, 21, 40}, {108, 1, 3}}));

        ReviewBook book;
        const QDate today = Day("2026-12-07");
        QVERIFY(book.Sync(heart, today));
        QCOMPARE(int(book.Items().size()), 3);
        QCOMPARE(book.Items()[0].due, Day("2026-12-08"));
        QVERIFY(book.Due(today).empty());
        QCOMPARE(book.Upcoming(today, 3), (std::vector<int>{3, 0, 0}));
        QVERIFY(!book.Sync(heart, today.addDays(5))); // nothing new: the items keep their dates
        heart.Remove("108.002");
        QVERIFY(book.Sync(heart, today));
        QCOMPARE(int(book.Items().size()), 2);
        heart.Add("108.002");
        heart.Add("112.004");
        QVERIFY(book.Sync(heart, today.addDays(1)));
        // In the order they entered review: 108 came back after 80's parts, then 112.
        QCOMPARE(book.Items()[2].sura, 108);
        QCOMPARE(book.Items()[3].sura, 112);
    }

    // A book by page: a page enters when all its ayas are in the heart, across its suras; it is named by
    // its first aya and reviews the whole page; its file has its own version line.
    void pages()
    {
        HeartData heart;
        for (int sura = 106; sura <= 108; ++sura)
            for (int a = 1; a <= 7; ++a)
                heart.Add(AyaKey(IntToString(sura), a)); // 106 has 4 ayas, 108 has 3: page 602 whole
        heart.Add("109.001"); // page 603 begins with 109:1; one aya does not make the page
        using Item = std::array<int, 3>;
        QCOMPARE(ReviewBook::ItemsOf(heart, ReviewBook::Unit::Page), (std::vector<Item>{{106, 1, 602}}));
        ReviewBook book(ReviewBook::Unit::Page);
        QVERIFY(book.Sync(heart, Day("2026-12-07")));
        QCOMPARE(book.Find(106, 1), 0);
        QCOMPARE(int(book.Ayas(book.Items()[0]).size()), 14);
        QCOMPARE(book.Ayas(book.Items()[0]).back(), std::string("108.003"));
        QCOMPARE(book.DueSuras(Day("2026-12-08")), (std::set<int>{106, 107, 108}));
        QVERIFY(book.Grade(0, fsrs::Grade::Good, Day("2026-12-08")));

        const QByteArray text = book.Serialize();
        QVERIFY(text.startsWith("varnel-page-review 1\n"));
        ReviewBook again(ReviewBook::Unit::Page);
        std::string problem;
        QVERIFY(again.Parse(text, &problem));
        QCOMPARE(again.Items()[0].reviews.size(), size_t(1));
        ReviewBook bySura;
        QVERIFY(!bySura.Parse(text, &problem)); // each book reads its own file only
        QVERIFY(!again.Parse(ReviewBook().Serialize(), &problem));
        // A line whose first aya is not where its page begins is no page item.
        QByteArray wrong = text;
        wrong.replace("106\t1\t602", "106\t2\t602");
        QVERIFY(!again.Parse(wrong, &problem));
        QCOMPARE(problem, std::string("line 2 is not a review item"));
    }

    // Grades move the dates; the due list puts the most overdue first; the calendar counts the days.
    void gradesAndDueList()
    {
        HeartData heart;
        for (const char* s : {"108", "112"})
            for (int a = 1; a <= (s == std::string("108") ? 3 : 4); ++a)
                heart.Add(AyaKey(s, a));
        ReviewBook book;
        book.Sync(heart, Day("2026-12-01"));
        const QDate day = Day("2026-12-05");
        QCOMPARE(book.Due(day), (std::vector<int>{0, 1}));
        QCOMPARE(book.DueSuras(day), (std::set<int>{108, 112}));
        QVERIFY(book.Grade(1, fsrs::Grade::Good, day));
        QCOMPARE(book.Items()[1].due, day.addDays(3));
        QCOMPARE(book.Due(day), std::vector<int>{0});
        QVERIFY(!book.Grade(7, fsrs::Grade::Good, day));
        QVERIFY(book.Grade(0, fsrs::Grade::Easy, day));
        QVERIFY(book.Grade(1, fsrs::Grade::Again, day.addDays(3)));
        QCOMPARE(book.Items()[1].due, day.addDays(4));
        QVERIFY(qAbs(book.Retention(book.Items()[0], day.addDays(16)) - 0.9) < 0.01);

        QCOMPARE(book.Streak(day.addDays(3)), 1);
        QCOMPARE(book.Streak(day.addDays(4)), 1); // yesterday's review still counts until today ends
        QCOMPARE(book.Streak(day.addDays(5)), 0);
        const std::map<QDate, int> days = book.ReviewsPerDay(day.addDays(-84), day.addDays(3));
        QCOMPARE(days.at(day), 2);
        QCOMPARE(days.at(day.addDays(3)), 1);

        // Days are calendar days: a span over a change of summer time is whole days.
        QCOMPARE(Day("2026-03-28").daysTo(Day("2026-03-30")), 2);
        QCOMPARE(Day("2026-10-24").daysTo(Day("2026-10-26")), 2);
    }

    void fileRoundTrip()
    {
        HeartData heart;
        for (int a = 1; a <= 3; ++a)
            heart.Add(AyaKey("108", a));
        ReviewBook book;
        book.Sync(heart, Day("2026-12-01"));
        book.Grade(0, fsrs::Grade::Good, Day("2026-12-02"));
        const QByteArray text = book.Serialize();
        QVERIFY(text.startsWith("varnel-review 1\n108\t1\t3\t2026-12-05\t2026-12-02\t3.173\t"));
        ReviewBook again;
        std::string problem;
        QVERIFY(again.Parse(text, &problem));
        QCOMPARE(again.Serialize(), text);
        QCOMPARE(ReviewPathFor("profiles/Amina.varn"), std::string("profiles/Amina.review"));
    }

    // Every state a grade can reach from a readable record reads back: stability and difficulty at and
    // beyond the model's bounds, and a day so late that the next review would fall after the year 9999.
    void everyGradedStateReadsBack()
    {
        const char* stabilities[] = {"0", "0.0001", "3.173", "999999", "36500"};
        const char* difficulties[] = {"-50", "0", "5", "10", "1e300", "-1e300"};
        const char* lastReviews[] = {"-", "2026-12-01", "0001-01-01"};
        for (const char* today : {"2026-12-07", "9999-12-20", "0001-01-02"})
            for (const char* stability : stabilities)
                for (const char* difficulty : difficulties)
                    for (const char* last : lastReviews)
                        for (int grade = 1; grade <= 4; ++grade) {
                            const QByteArray record = QByteArray("varnel-review 1\n108\t1\t3\t2026-12-05\t") +
                                                      last + "\t" + stability + "\t" + difficulty + "\t-\n";
                            ReviewBook book;
                            std::string problem;
                            QVERIFY2(book.Parse(record, &problem), record.constData());
                            QVERIFY(book.Grade(0, fsrs::Grade(grade), Day(today)));
                            const QByteArray graded = book.Serialize();
                            ReviewBook again;
                            QVERIFY2(again.Parse(graded, &problem), (graded + problem.c_str()).constData());
                            const fsrs::Memory& m = again.Items()[0].memory;
                            QVERIFY(m.stability >= fsrs::kMinStability && m.stability <= fsrs::kMaxStability);
                            QVERIFY(m.difficulty >= fsrs::kMinDifficulty &&
                                    m.difficulty <= fsrs::kMaxDifficulty);
                            QVERIFY(again.Items()[0].due >= Day(today));
                        }
    }

    // Whether a heart of given ayas would drop items: a profile read only in part must not cost review.
    void wouldLoseItems()
    {
        HeartData heart;
        for (int a = 1; a <= 3; ++a)
            heart.Add(AyaKey("108", a));
        for (int a = 1; a <= 4; ++a)
            heart.Add(AyaKey("112", a));
        ReviewBook book;
        book.Sync(heart, Day("2026-12-01"));
        QVERIFY(!book.WouldLoseItems(heart.Keys()));
        QVERIFY(book.WouldLoseItems({"108.001", "108.002", "108.003"}));
        QVERIFY(book.WouldLoseItems({}));
        QVERIFY(!ReviewBook().WouldLoseItems({}));
    }

    void damagedFiles_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("other version") << QByteArray("varnel-review 2\n");
        QTest::newRow("short line") << QByteArray("varnel-review 1\n108\t1\n");
        QTest::newRow("no such sura") << QByteArray("varnel-review 1\n115\t1\t3\t2026-12-05\t-\t0\t0\t-\n");
        QTest::newRow("aya outside") << QByteArray("varnel-review 1\n108\t1\t4\t2026-12-05\t-\t0\t0\t-\n");
        QTest::newRow("bad date") << QByteArray("varnel-review 1\n108\t1\t3\t2026-13-05\t-\t0\t0\t-\n");
        QTest::newRow("bad number") << QByteArray("varnel-review 1\n108\t1\t3\t2026-12-05\t-\tnan\t0\t-\n");
        QTest::newRow("bad review date")
            << QByteArray("varnel-review 1\n108\t1\t3\t2026-12-05\t-\t0\t0\t2026-12-0x\n");
    }
    void damagedFiles()
    {
        QFETCH(QByteArray, text);
        ReviewBook book;
        std::string problem;
        QVERIFY(!book.Parse(text, &problem));
        QVERIFY(!problem.empty());
        QVERIFY(book.Items().empty());
    }
};

QTEST_GUILESS_MAIN(TestReview)
#include "test_review.moc"
