// SPDX-License-Identifier: GPL-3.0-or-later
// Review in the real window: suras learnt enter review, fall due with the days, play in the review drill
// and are graded; the record lives beside the profile, which keeps its bytes.
#include "heart.h"
#include "heart_data.h"
#include "mp3.h"
#include "naming.h"
#include "profile_file.h"
#include "recitation_session.h"
#include "review_book.h"
#include "review_panel.h"
#include "sura.h"
#include "varn.h"
#include "whole.h"
#include "window_controls.h"
#include "workspace.h"

#include <QHeaderView>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTreeWidget>

namespace
{

void Drop(Heart* heart, const QString& text) { QVERIFY(heart->DropText(text)); }

QStringList Rows(const QTreeWidget* list)
{
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        rows << list->topLevelItem(i)->text(0);
    return rows;
}

struct Today {
    explicit Today(const char* iso) { qputenv("VARNEL_TODAY", iso); }
    ~Today() { qunsetenv("VARNEL_TODAY"); }
};

} // namespace

class TestReviewRoad : public QObject
{
    Q_OBJECT

  private slots:
    void learnWaitReviewGrade()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114, 100);
        ws.Write("config.ini", "0\n");
        {
            Today day("2026-12-01");
            Varn window;
            window.NewProfile("Amina");
            Drop(fixtures::C(window).heart, "all.112");
            Drop(fixtures::C(window).heart, "all.108");
            QCOMPARE(ws.Read("profiles/Amina.review"),
                     QByteArray("varnel-review "
                                "1\n112\t1\t4\t2026-12-02\t-\t0\t0\t-\n108\t1\t3\t2026-12-02\t-\t0\t0\t-\n"));
            QCOMPARE(fixtures::C(window).reviewPanel->DueList()->topLevelItemCount(), 0);
            QVERIFY(!fixtures::C(window).heart->DueMarked(112));
            window.SaveProfile();
        }
        const QByteArray profile = ws.Read("profiles/Amina.varn");

        Today later("2026-12-05");
        Varn window;
        window.LoadProfile("Amina");
        ReviewPanel* panel = fixtures::C(window).reviewPanel;
        // Both are due; they entered in this order and are equally overdue.
        QCOMPARE(Rows(panel->DueList()), QStringList({"112. Al-Ikhlas", "108. Al-Kauther"}));
        QCOMPARE(panel->LoadText(), QString::fromUtf8("2 due today\nTomorrow: 0 · This week: 0"));
        QVERIFY(fixtures::C(window).heart->DueMarked(108) && fixtures::C(window).heart->DueMarked(112));

        // At the window's own size every column shows without scrolling, and so do the words under it.
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTreeWidget* list = panel->DueList();
        QVERIFY2(list->header()->length() <= list->viewport()->width(),
                 qPrintable(QString("%1 > %2").arg(list->header()->length()).arg(list->viewport()->width())));
        for (int column = 1; column < 3; ++column)
            QVERIFY(list->columnWidth(column) >=
                    list->fontMetrics().horizontalAdvance(list->topLevelItem(0)->text(column)));
        const QFontMetrics metrics = panel->Calendar()->fontMetrics();
        for (const QString& line : panel->Calendar()->Summary().split(QString::fromUtf8(" · ")))
            QVERIFY2(metrics.horizontalAdvance(line) <= panel->Calendar()->width(), qPrintable(line));

        // The review drill: each aya once, without the learner's repeats and pauses, which come back after.
        fixtures::C(window).repeatSpin->setValue(3);
        fixtures::C(window).pauseSpin->setValue(2);
        QSignalSpy shown(window.Session(), &RecitationSession::AyaShown);
        QSignalSpy finished(window.Session(), &RecitationSession::ReviewFinished);
        panel->DueList()->setCurrentItem(panel->DueList()->topLevelItem(1));
        QTest::mouseClick(panel->ReviewNowButton(), Qt::LeftButton);
        QVERIFY(fixtures::WaitFor([&] { return finished.count() == 1; }, 5000));
        QStringList keys;
        for (const auto& args : shown)
            keys << QString::fromStdString(args.at(0).value<AyaRef>().Key());
        QCOMPARE(keys.mid(0, 3), QStringList({"108.001", "108.002", "108.003"}));
        QCOMPARE(window.Session()->WholeDrill()->Player()->Repeat(), 3);
        QVERIFY(window.Session()->WholeDrill()->Player()->PauseEnabled());

        panel->GradeButton(fsrs::Grade::Good)->click();
        QCOMPARE(Rows(panel->DueList()), QStringList({"112. Al-Ikhlas"}));
        QVERIFY(!fixtures::C(window).heart->DueMarked(108));
        QVERIFY(ws.Read("profiles/Amina.review").contains("108\t1\t3\t2026-12-08\t2026-12-05\t3.173\t"));
        QVERIFY(panel->Calendar()->Summary().startsWith("Streak: 1 day · 1 review in 12 weeks"));
        QCOMPARE(panel->NextText(), QString("Next review: Tue 8 Dec"));
        // The profile file keeps its bytes; review lives beside it.
        QCOMPARE(ws.Read("profiles/Amina.varn"), profile);
        QVERIFY(ws.messages.isEmpty());
    }

    // A grade goes to the item reviewed, found by its sura and first aya, whatever the heart did
    // meanwhile.
    void gradeGoesToTheItemReviewed()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114, 100);
        ws.Write("config.ini", "0\n");
        ws.Write("profiles/Amina.varn",
                 SerializeProfile(ProfileData{"Amina",
                                              {"105.001", "105.002", "105.003", "105.004", "105.005",
                                               "111.001", "111.002", "111.003", "111.004", "111.005",
                                               "112.001", "112.002", "112.003", "112.004"},
                                              "105.001",
                                              true}));
        ws.Write("profiles/Amina.review", "varnel-review 1\n112\t1\t4\t2026-12-02\t-\t0\t0\t-\n"
                                          "111\t1\t5\t2026-12-02\t-\t0\t0\t-\n"
                                          "105\t1\t5\t2026-12-02\t-\t0\t0\t-\n");
        Today day("2026-12-05");
        Varn window;
        window.LoadProfile("Amina");
        ReviewPanel* panel = fixtures::C(window).reviewPanel;
        QCOMPARE(panel->DueList()->topLevelItemCount(), 3);
        panel->DueList()->setCurrentItem(panel->DueList()->topLevelItem(2));
        QTest::mouseClick(panel->ReviewNowButton(), Qt::LeftButton);
        QCOMPARE(window.Session()->SuraKey(), std::string("105"));
        // 112 leaves the heart during the review: the rows move up, the item reviewed stays 105.
        QTreeWidgetItem* sura = fixtures::C(window).heart->SuraItem("112");
        QVERIFY(sura);
        fixtures::C(window).heart->SetCurrent(sura);
        fixtures::C(window).heart->RemoveSura();
        QCOMPARE(panel->DueList()->topLevelItemCount(), 2);
        panel->GradeButton(fsrs::Grade::Good)->click();
        const QByteArray record = ws.Read("profiles/Amina.review");
        QVERIFY2(record.contains("105\t1\t5\t2026-12-08\t2026-12-05"), record.constData());
        QVERIFY2(record.contains("111\t1\t5\t2026-12-02\t-"), record.constData());
        QVERIFY(!record.contains("112\t"));
    }

    // A whole Quran's record with 290 reviews an item (1.1 MB) is read whole and kept as it is.
    void largeRecord()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114, 100);
        ws.Write("config.ini", "0\n");
        HeartData heart;
        std::vector<std::string> keys;
        for (int sura = 1; sura <= 114; ++sura)
            for (int aya = 1; aya <= SuraTable().AyaCount(std::to_string(sura)); ++aya) {
                keys.push_back(AyaKey(PadSura(std::to_string(sura)), aya));
                heart.Add(keys.back());
            }
        ws.Write("profiles/Hafiz.varn", SerializeProfile(ProfileData{"Hafiz", keys, "114.001", true}));
        QStringList dates;
        for (int d = 290; d >= 1; --d)
            dates << QDate(2026, 12, 5).addDays(-d * 3).toString(Qt::ISODate);
        QByteArray record = "varnel-review 1\n";
        for (const auto& item : ReviewBook::ItemsOf(heart))
            record += QString("%1\t%2\t%3\t2026-12-20\t%4\t30.5\t5.25\t%5\n")
                          .arg(item[0])
                          .arg(item[1])
                          .arg(item[2])
                          .arg(dates.last(), dates.join(','))
                          .toLatin1();
        QVERIFY(record.size() > 1100000);
        ws.Write("profiles/Hafiz.review", record);
        Today day("2026-12-05");
        Varn window;
        window.LoadProfile("Hafiz");
        QVERIFY2(ws.messages.isEmpty(), qPrintable(ws.messages.join('\n')));
        QCOMPARE(int(window.Review().Items().size()), 343);
        QCOMPARE(int(window.Review().Items().back().reviews.size()), 290);
        window.SaveProfile();
        QCOMPARE(ws.Read("profiles/Hafiz.review"), record);
    }

    // A profile that cannot be read in full never costs the review record its items unannounced: the
    // record is kept whole as a .bak, and the message says so.
    void truncatedProfileBesideAHealthyRecord()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114, 100);
        ws.Write("config.ini", "0\n");
        const QByteArray profile = SerializeProfile(
            ProfileData{"Bilal",
                        {"108.001", "108.002", "108.003", "112.001", "112.002", "112.003", "112.004"},
                        "108.001",
                        true});
        ws.Write("profiles/Bilal.varn", profile.left(profile.size() / 2));
        const QByteArray record =
            "varnel-review 1\n108\t1\t3\t2026-12-06\t2026-12-03\t3.173\t5.28\t2026-12-03\n"
            "112\t1\t4\t2026-12-06\t2026-12-03\t3.173\t5.28\t2026-12-03\n";
        ws.Write("profiles/Bilal.review", record);
        Today day("2026-12-05");
        Varn window;
        window.LoadProfile("Bilal");
        QCOMPARE(ws.messages.size(), 1);
        QVERIFY2(ws.messages[0].contains("Bilal.review.bak"), qPrintable(ws.messages[0]));
        QCOMPARE(ws.Read("profiles/Bilal.review.bak"), record);
    }

    void damagedRecord()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114, 100);
        ws.Write("config.ini", "0\n");
        ws.Write("profiles/Bilal.varn",
                 SerializeProfile(ProfileData{"Bilal", {"108.001", "108.002", "108.003"}, "108.001", true}));
        ws.Write("profiles/Bilal.review", "not a review record");
        Today day("2026-12-05");
        Varn window;
        window.LoadProfile("Bilal");
        QCOMPARE(ws.messages.size(), 1);
        QVERIFY2(ws.messages[0].contains("could not be read") && ws.messages[0].contains("Bilal.review.bak"),
                 qPrintable(ws.messages[0]));
        QCOMPARE(ws.Read("profiles/Bilal.review.bak"), QByteArray("not a review record"));
        QCOMPARE(fixtures::C(window).heart->Count(), 3);
        QVERIFY(ws.Read("profiles/Bilal.review").startsWith("varnel-review 1\n108\t1\t3\t2026-12-06"));
    }
};

QTEST_MAIN(TestReviewRoad)
#include "test_review_road.moc"
