// SPDX-License-Identifier: GPL-3.0-or-later
// What each learner keeps beside the profile, without a window: review, practice aids, drill settings.
#include "fixtures.h"
#include "heart_data.h"
#include "learner_record.h"
#include "naming.h"
#include "passage.h"
#include "profile_file.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <string>
#include <unistd.h>

class TestLearnerRecord : public QObject
{
    Q_OBJECT
    QTemporaryDir dir_;
    QString Path(const char* name) const { return dir_.filePath(QString("profiles/") + name); }

  private slots:
    void initTestCase() { QVERIFY(QDir(dir_.path()).mkpath("profiles")); }

    // Two learners on one machine keep their own drill settings, aids and review; the profile file is
    // never touched.
    void twoLearners()
    {
        const QByteArray profile = SerializeProfile(ProfileData{"Amina", {"108.001"}, "108.001", true});
        QVERIFY(fixtures::PutFile(Path("Amina.varn"), profile));
        {
            LearnerRecord amina;
            amina.Load(Path("Amina.varn").toStdString());
            QVERIFY(amina.TakeProblems().empty());
            DrillSettings drill;
            drill.repeat = 3;
            drill.pause = 2;
            drill.pauseUnit = 1;
            drill.pauseFactor = 1.5;
            drill.loop = true;
            drill.stack = true;
            drill.speed = 0.75;
            std::string error;
            QSignalSpy changed(&amina, &LearnerRecord::DrillChanged);
            QVERIFY(amina.SetDrill(drill, &error));
            QVERIFY(amina.SetDrill(drill, &error)); // unchanged: not told again
            QCOMPARE(changed.count(), 1);
            amina.Aids().SetTestMe(true);
            QVERIFY(amina.SaveAids(&error));
            // The heart holds ayas: a key read at an edge is the same aya, and a key of no aya is refused.
            HeartData heart;
            for (int a = 1; a <= 3; ++a)
                heart.Add(AyaRef{108, a});
            QVERIFY(!heart.Add("108.2") && !heart.Add("all.108") && heart.Contains("108.003"));
            QVERIFY(heart.Ayas() == (std::vector<AyaRef>{{108, 1}, {108, 2}, {108, 3}}));
            amina.Review().Sync(heart, QDate(2026, 12, 1));
            QVERIFY(amina.SaveReview(&error));

            LearnerRecord bilal;
            bilal.Load(Path("Bilal.varn").toStdString());
            QCOMPARE(bilal.Drill().repeat, 1);
            QVERIFY(!bilal.Aids().TestMe());
            QVERIFY(bilal.Review().Items().empty());
        }
        LearnerRecord again;
        again.Load(Path("Amina.varn").toStdString());
        QVERIFY(again.TakeProblems().empty());
        QCOMPARE(again.Drill().repeat, 3);
        QCOMPARE(again.Drill().speed, 0.75);
        QVERIFY(again.Drill().loop && again.Drill().stack);
        QCOMPARE(again.Drill().pauseUnit, 1);
        QVERIFY(again.Aids().TestMe());
        QCOMPARE(int(again.Review().Items().size()), 1);
        QCOMPARE(fixtures::ReadFile(Path("Amina.varn")), profile);
        QVERIFY(!QFile::exists(Path("Bilal.drill"))); // nothing written for a learner who changed nothing
    }

    // Damage in any of the learner's files: reported once, kept as .bak, the rest starts afresh.
    void damagedFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("why");
        const QString version = "does not start with";
        QTest::newRow("drill, other version")
            << "Zaid.drill" << QByteArray("varnel-drill 2\nrepeat 3\n") << version;
        QTest::newRow("drill, repeat out of range")
            << "Zaid.drill" << QByteArray("varnel-drill 1\nrepeat -4\n") << "not a drill-settings file";
        QTest::newRow("drill, speed not a number")
            << "Zaid.drill" << QByteArray("varnel-drill 1\nspeed fast\n") << "not a drill-settings file";
        QTest::newRow("aids") << "Zaid.aids" << QByteArray("varnel-aids 1\ntest-me 2\n")
                              << "practice-settings";
        QTest::newRow("aids, another program's file")
            << "Zaid.aids" << QByteArray("[General]\nx=1\n") << version;
        QTest::newRow("review") << "Zaid.review" << QByteArray("varnel-review 1\n108\t1\n") << "line 2";
        QTest::newRow("review, empty") << "Zaid.review" << QByteArray() << version;
    }
    void damagedFiles()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, why);
        const QString path = Path(qPrintable(file));
        QVERIFY(fixtures::PutFile(path, bytes));
        LearnerRecord record;
        record.Load(Path("Zaid.varn").toStdString());
        const std::vector<std::string> problems = record.TakeProblems();
        QCOMPARE(int(problems.size()), 1);
        QVERIFY2(QString::fromStdString(problems[0]).contains(file + ".bak"), problems[0].c_str());
        QVERIFY2(QString::fromStdString(problems[0]).contains(why), problems[0].c_str());
        QVERIFY(record.TakeProblems().empty()); // told once
        QCOMPARE(fixtures::ReadFile(path + ".bak"), bytes);
        QCOMPARE(record.Drill().repeat, 1);
        QFile::remove(path);
        QFile::remove(path + ".bak");
    }

    // The profile file through the record: written whole into a folder made for it, read back; a damaged
    // one is kept as a copy, what could be read is given, and the review record is kept whole before the
    // smaller heart would take its items.
    void profileFile()
    {
        const std::string path = dir_.filePath("elsewhere/Yusuf.varn").toStdString();
        const ProfileData data{"Yusuf", {"108.001", "108.002"}, "108.002", true};
        std::string error;
        QVERIFY2(LearnerRecord::SaveProfileFile(path, data, &error), error.c_str());
        LearnerRecord record;
        LearnerRecord::ProfileRead read = record.ReadProfileFile(path);
        QVERIFY(!read.damaged);
        QCOMPARE(read.data.heart, data.heart);
        QCOMPARE(read.data.currentAya, data.currentAya);
        QCOMPARE(LearnerRecord::ProfilePath("Yusuf"), std::string("profiles/Yusuf.varn"));

        QByteArray cut = fixtures::ReadFile(QString::fromStdString(path));
        cut.chop(cut.size() / 3);
        QVERIFY(fixtures::PutFile(QString::fromStdString(path), cut));
        read = record.ReadProfileFile(path);
        QVERIFY(read.damaged && !read.problem.empty());
        QCOMPARE(fixtures::ReadFile(QString::fromStdString(read.backup)), cut);
    }

    // A grade lands on the item it was given for, found by sura and first aya, while the heart changes
    // under the review; a damaged review file leaves the heart as it was.
    void gradeWhileTheHeartChanges()
    {
        QVERIFY(fixtures::PutFile(Path("Hafsa.review"), "not a review book\n"));
        LearnerRecord record;
        QSignalSpy heartChanged(&record, &LearnerRecord::HeartChanged);
        QCOMPARE(record.AddToHeart({"105.1", "105.2", "105.003", "105.4", "105.5", "all.108"}), 5);
        QCOMPARE(record.AddToHeart({"108.001", "108.002", "108.003", "105.005"}), 3);
        QCOMPARE(record.AddToHeart({"105.005", "nonsense"}), 0); // nothing new: not told
        QCOMPARE(heartChanged.count(), 2);
        QCOMPARE(heartChanged.last().at(0).toInt(), 8);
        record.Load(Path("Hafsa.varn").toStdString());
        QCOMPARE(int(record.TakeProblems().size()), 1);
        QCOMPARE(int(record.Heart().Keys().size()), 8);
        const QDate day(2026, 12, 1);
        std::string error;
        QSignalSpy changed(&record, &LearnerRecord::ReviewChanged);
        QVERIFY(record.SyncReview(day, &error));
        QCOMPARE(int(record.Review().Items().size()), 2);
        // 108 is offered; meanwhile 105 leaves the heart, and 108's item moves to the front.
        QVERIFY(record.RemoveSuraFromHeart("105"));
        QVERIFY(!record.RemoveSuraFromHeart("105"));
        QCOMPARE(heartChanged.last().at(0).toInt(), 3);
        QVERIFY(record.SyncReview(day, &error));
        QCOMPARE(int(record.Review().Items().size()), 1);
        const QDate due = record.GradeReview(108, 1, fsrs::Grade::Good, day.addDays(1), &error);
        QVERIFY(error.empty());
        QVERIFY(due > day.addDays(1));
        QCOMPARE(record.Review().Items()[0].sura, 108);
        QCOMPARE(int(record.Review().Items()[0].reviews.size()), 1);
        QVERIFY(record.GradeReview(105, 1, fsrs::Grade::Good, day, &error).isNull()); // gone: no item
        QCOMPARE(changed.count(), 3);
        LearnerRecord again; // what was graded was written
        again.Load(Path("Hafsa.varn").toStdString());
        QCOMPARE(int(again.Review().Items()[0].reviews.size()), 1);
    }

    // Both review books follow the heart; switching the unit shows the other book and keeps the first's
    // history; the unit is kept with the learner.
    void reviewByPage()
    {
        LearnerRecord record;
        record.Load(Path("Yusuf.varn").toStdString());
        record.AddToHeart(Passage::Make(PassageKind::Page, 604).Ayas());
        const QDate day(2026, 12, 1);
        std::string error;
        QVERIFY(record.SyncReview(day, &error));
        QCOMPARE(int(record.Review().Items().size()), 3); // suras 112, 113, 114
        QVERIFY(!record.GradeReview(113, 1, fsrs::Grade::Good, day.addDays(1), &error).isNull());
        QSignalSpy changed(&record, &LearnerRecord::ReviewChanged);
        QVERIFY(record.SetReviewByPages(true, &error));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(record.Review().ItemUnit(), ReviewBook::Unit::Page);
        QCOMPARE(int(record.Review().Items().size()), 1); // page 604
        QVERIFY(!record.GradeReview(112, 1, fsrs::Grade::Easy, day.addDays(1), &error).isNull());
        QVERIFY(QFile::exists(Path("Yusuf.pages")));

        LearnerRecord again;
        again.Load(Path("Yusuf.varn").toStdString());
        QVERIFY(again.TakeProblems().empty());
        QCOMPARE(again.Review().ItemUnit(), ReviewBook::Unit::Page);
        QCOMPARE(int(again.Review().Items()[0].reviews.size()), 1);
        QVERIFY(again.SetReviewByPages(false, &error));
        const int index = again.Review().Find(113, 1);
        QCOMPARE(int(again.Review().Items()[size_t(index)].reviews.size()), 1); // kept while pages showed
    }

    // A page review record found without its profile is kept aside as the sura one is.
    void orphanedPagesKeptAside()
    {
        std::string error;
        {
            LearnerRecord record;
            record.Load(Path("Yusra.varn").toStdString());
            record.AddToHeart(Passage::Make(PassageKind::Page, 604).Ayas());
            QVERIFY(record.SetReviewByPages(true, &error));
            QVERIFY(record.SyncReview(QDate(2026, 12, 1), &error) && record.SaveReview(&error));
        }
        const QByteArray pages = fixtures::ReadFile(Path("Yusra.pages"));
        QVERIFY(pages.startsWith(ReviewBook::kPageVersionLine) && pages.count('\n') > 1);
        QFile::remove(Path("Yusra.varn"));
        LearnerRecord record;
        record.Load(Path("Yusra.varn").toStdString());
        record.KeepOrphanedReviews();
        const std::vector<std::string> told = record.TakeProblems();
        QVERIFY2(!told.empty() && told[0].find("Yusra.pages.bak") != std::string::npos,
                 told.empty() ? "nothing told" : told[0].c_str());
        QCOMPARE(fixtures::ReadFile(Path("Yusra.pages.bak")), pages);
    }

    // A review record found without its profile is never emptied by the new learner's empty heart: it is
    // copied aside; on a full disk, moved aside (a rename needs no room); and when it can be neither, it
    // is left as it is and not written over, and the learner is told either way.
    void orphanedReviewKeptWithoutRoom()
    {
        QByteArray review = "varnel-review 1\n";
        for (int a = 1; a <= 200; ++a)
            review += QByteArray::fromStdString("2\t" + std::to_string(a) + "\t" + std::to_string(a)) +
                      "\t2026-12-01\t2026-11-20\t4.0\t5.0\t2026-11-20\n";
        // Neither copy nor move: a folder holds the backup's name.
        QVERIFY(fixtures::PutFile(Path("Held.review"), review));
        QVERIFY(QDir().mkpath(Path("Held.review.bak/inside")));
        {
            LearnerRecord record;
            record.Load(Path("Held.varn").toStdString());
            record.KeepOrphanedReviews();
            const std::vector<std::string> told = record.TakeProblems();
            QVERIFY2(told.size() == 1 && told[0].find("no room to keep them aside") != std::string::npos,
                     told.empty() ? "nothing told" : told[0].c_str());
            std::string error;
            QVERIFY(!record.SyncReview(QDate(2026, 12, 8), &error)); // the empty heart would empty it
            QVERIFY(!record.SaveReview(&error));
            QVERIFY2(error.find("left as it is") != std::string::npos, error.c_str());
            QCOMPARE(fixtures::ReadFile(Path("Held.review")), review);
        }
        if (::geteuid() != 0)
            QSKIP("SKIPPED: the full disk needs a small tmpfs, which needs root");
        const QString mount = dir_.filePath("small");
        QVERIFY(QDir().mkpath(mount + "/profiles"));
        if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", mount}) != 0)
            QSKIP("SKIPPED: a tmpfs could not be mounted here");
        struct Unmount {
            QString at;
            ~Unmount() { QProcess::execute("umount", {at}); }
        } unmount{mount};
        QVERIFY(QDir(mount).mkpath("profiles"));
        QVERIFY(fixtures::PutFile(mount + "/profiles/Bob.review", review));
        {
            QFile filler(mount + "/filler");
            QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            const QByteArray block(1024, 'f');
            while (filler.write(block) == block.size()) {
            }
        }
        LearnerRecord record;
        record.Load((mount + "/profiles/Bob.varn").toStdString());
        record.KeepOrphanedReviews();
        const std::vector<std::string> told = record.TakeProblems();
        QVERIFY(told.size() == 1 && told[0].find("Bob.review.bak") != std::string::npos);
        QCOMPARE(fixtures::ReadFile(mount + "/profiles/Bob.review.bak"), review);
    }

    void drillSettingsText()
    {
        DrillSettings drill;
        drill.repeat = 0; // endless
        drill.speed = 1.25;
        drill.times = 3;
        drill.passage = Passage::Make(PassageKind::Page, 602);
        drill.inPassage = true;
        DrillSettings read;
        QVERIFY(read.Parse(drill.Serialize()));
        QVERIFY(read == drill);
        QCOMPARE(read.passage.AyaCount(), 14);
        // A later version's names are skipped, whatever their values.
        QVERIFY(read.Parse("varnel-drill 1\nrepeat 5\nsomething-new 7\nreview-by pages\n"));
        QCOMPARE(read.repeat, 5);
        QVERIFY(read.passage.Empty());
        QVERIFY(!read.Parse("varnel-drill 1\npassage page 605\n"));
        QVERIFY(!read.Parse("varnel-drill 1\ntimes 100\n"));
        QVERIFY(!read.Parse(""));
        QVERIFY(!read.Parse("varnel-drill 1\npause-factor 9\n"));
        // A value finer than the boxes show is read to the hundredth, so that it writes back as read.
        QVERIFY(read.Parse("varnel-drill 1\npause-factor 1.5666666\nspeed 0.7349999\n"));
        QCOMPARE(read.pauseFactor, 1.57);
        QCOMPARE(read.speed, 0.73);
        DrillSettings again;
        QVERIFY(again.Parse(read.Serialize()) && again == read);
        // "In a passage" without one names nothing to be in (found by fuzzing: it was lost on writing).
        QVERIFY(read.Parse("varnel-drill 1\nin-passage 1\n"));
        QVERIFY(!read.inPassage);
        QVERIFY(again.Parse(read.Serialize()) && again == read);

        // A value from elsewhere (an old varnel.ini, a key held down) is brought into range, and what is
        // clamped is a value the file reads back.
        DrillSettings wild;
        wild.speed = 2.0;
        wild.pauseFactor = std::nan("");
        wild.repeat = -4;
        wild.times = 1000;
        wild.pauseUnit = 7;
        const DrillSettings tame = wild.Clamped();
        QCOMPARE(tame.speed, DrillSettings::kMaxSpeed);
        QCOMPARE(tame.pauseFactor, DrillSettings::kDefaultPauseFactor);
        QCOMPARE(tame.repeat, 0);
        QCOMPARE(tame.times, DrillSettings::kMaxTimes);
        QCOMPARE(tame.pauseUnit, 0);
        QVERIFY(again.Parse(tame.Serialize()) && again == tame);
    }
};

QTEST_GUILESS_MAIN(TestLearnerRecord)
#include "test_learner_record.moc"
