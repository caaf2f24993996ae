// SPDX-License-Identifier: GPL-3.0-or-later
// The recitation session without a window: where the learner is, the modes, the range and the drills.
#include "arabic.h"
#include "fixtures.h"
#include "heart_data.h"
#include "mp3.h"
#include "naming.h"
#include "passage.h"
#include "recitation_session.h"
#include "single.h"
#include "stack.h"
#include "sura.h"
#include "test_drill.h"
#include "whole.h"

#include <QLocale>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using fixtures::Keys;

namespace
{

// A drill of the test's own, the lesson's ayas from the last to the first. Nothing in the session
// changes for it: it is added and chosen by name.
class Backwards : public TestDrill
{
  public:
    Backwards() : TestDrill("Backwards") {}
    void SetAyas(const std::vector<AyaRef>& ayas) override { SetKeys({ayas.rbegin(), ayas.rend()}); }

  protected:
    int EntryOf(int at) const override { return int(keys_.size()) - 1 - at; }
};

} // namespace

class TestSession : public QObject
{
    Q_OBJECT
    QTemporaryDir dir_;
    KelRes pack_;
    // Page 602 (106:1-4, 107:1-7, 108:1-3) in two packs: 106 and 107 in one, 108 in the other.
    KelRes page602_, sura108_;

  private slots:
    void initTestCase()
    {
        std::map<std::string, QByteArray> items;
        const QByteArray shortTone = fixtures::ToneOgg(120), longTone = fixtures::ToneOgg(600);
        for (int aya = 1; aya <= 5; ++aya)
            items[SoundName(AyaKey("105", aya))] = aya == 3 ? longTone : shortTone;
        for (int aya = 1; aya <= 3; ++aya)
            items[SoundName(AyaKey("108", aya))] = shortTone;
        QVERIFY(fixtures::WriteArchive(dir_.filePath("pack.dat"), items));
        pack_ = fixtures::OpenArchive(dir_.filePath("pack.dat"));

        const QByteArray tick = fixtures::ToneOgg(60);
        std::map<std::string, QByteArray> page, other;
        for (int aya = 1; aya <= 4; ++aya)
            page[SoundName(AyaKey("106", aya))] = tick;
        for (int aya = 1; aya <= 7; ++aya)
            page[SoundName(AyaKey("107", aya))] = tick;
        for (int aya = 1; aya <= 3; ++aya)
            other[SoundName(AyaKey("108", aya))] = tick;
        QVERIFY(fixtures::WriteArchive(dir_.filePath("page.dat"), page));
        QVERIFY(fixtures::WriteArchive(dir_.filePath("sura108.dat"), other));
        page602_ = fixtures::OpenArchive(dir_.filePath("page.dat"));
        sura108_ = fixtures::OpenArchive(dir_.filePath("sura108.dat"));
    }

    // A session over page 602, whose last sura is in another pack.
    void OpenPage602(RecitationSession& session)
    {
        session.SetPack(page602_);
        session.SetPackFinder([this](const std::string& name) {
            return QString::fromStdString(name).startsWith("108") ? &sura108_ : nullptr;
        });
        session.ChoosePassage(Passage::Make(PassageKind::Page, 602));
    }

    void choosingASura()
    {
        RecitationSession session;
        session.SetPack(pack_);
        QSignalSpy range(&session, &RecitationSession::RangeChanged);
        QSignalSpy shown(&session, &RecitationSession::AyaShown);
        session.ChooseSura(105);
        QCOMPARE(session.SuraKey(), std::string("105"));
        QCOMPARE(session.CurrentAya(), std::string("105.001"));
        QCOMPARE(range.last(), QVariantList({1, 5, 5}));
        QCOMPARE(int(session.WholeDrill()->Keys().size()), 5);
        QVERIFY(!session.Busy()); // chosen, not yet started
        QCOMPARE(shown.count(), 0);
        session.Start();
        QVERIFY(session.Busy());
        QCOMPARE(Keys(shown), QStringList({"105.001"}));
        session.Next();
        QCOMPARE(session.CurrentAya(), std::string("105.002")); // the cursor follows what plays
        session.Stop();
        QVERIFY(!session.Busy());
    }

    // A stretch played aside (Hear Left Out, a click on a word) ends; Play goes on from the aya shown.
    void playAfterAnAsideStaysAtTheAya()
    {
        RecitationSession session;
        session.SetPack(pack_);
        session.ChooseSura(105);
        session.Stop();
        session.MarkShown(AyaRef{105, 3});
        QVERIFY(session.PlayReciterPart(AyaRef{105, 3}, 0, 200));
        QVERIFY(fixtures::WaitFor([&] { return !session.AsideDrill(); }, 3000));
        QCOMPARE(session.CurrentAya(), std::string("105.003"));
        QSignalSpy shown(&session, &RecitationSession::AyaShown);
        session.Play();
        QVERIFY(fixtures::WaitFor([&] { return shown.count() > 0; }, 2000));
        QCOMPARE(Keys(shown).first(), QString("105.003"));
        session.Stop();
    }

    void rangeAndStack()
    {
        RecitationSession session;
        session.SetPack(pack_);
        session.ChooseSura(105);
        session.SetRange(true);
        session.SetFrom(4);
        session.SetTo(2); // empty
        QVERIFY(session.WholeDrill()->Keys().empty());
        session.SetRange(false); // the whole sura again
        QCOMPARE(session.From(), 1);
        QCOMPARE(session.To(), 5);
        QCOMPARE(int(session.WholeDrill()->Keys().size()), 5);
        QVERIFY(session.Busy());
        session.Stop();

        session.SetStack(true);
        QCOMPARE(session.ActiveDrill()->Name(), std::string("Stack"));
        QCOMPARE(int(session.StackDrill()->Keys().size()), 15);
        QSignalSpy reset(&session, &RecitationSession::ProgressReset);
        session.PlayFromAya(105, 4); // the stack builds up from aya 4
        QCOMPARE(session.From(), 4);
        QCOMPARE(int(session.StackDrill()->Keys().size()), 3);
        QVERIFY(session.StackDrill()->Player()->Busy());
        QCOMPARE(reset.count(), 1);
        session.SetStack(false);
        QVERIFY(!session.StackDrill()->Player()->Busy());
        QCOMPARE(session.ActiveDrill()->Name(), std::string("Whole"));
    }

    // Single mode takes the aya shown, drops stack, range and loop, and starts nothing.
    void singleMode()
    {
        RecitationSession session;
        session.SetPack(pack_);
        session.ChooseSura(105);
        session.SetLoop(true);
        session.SetRange(true);
        session.SetFrom(3);
        QVERIFY(fixtures::WaitFor([&] { return session.CurrentAya() == "105.003"; }, 2000));
        QSignalSpy part(&session, &RecitationSession::PartChanged);
        QSignalSpy shown(&session, &RecitationSession::AyaShown);
        session.SetSingle(true);
        QCOMPARE(session.ActiveDrill()->Name(), std::string("Single"));
        QVERIFY(!session.RangeOn() && !session.Loop());
        QCOMPARE(Keys(shown), QStringList({"105.003"}));
        QVERIFY2(qAbs(part.last().at(1).toInt() - 600) <= 5, qPrintable(part.last().at(1).toString()));
        for (AyaPlayer* p : {session.WholeDrill()->Player(), session.StackDrill()->Player(),
                             session.SingleDrill()->Player()})
            QVERIFY(!p->Busy());

        session.Next();
        QCOMPARE(session.CurrentAya(), std::string("105.004"));
        QVERIFY2(qAbs(session.PartEnd() - 120) <= 5, qPrintable(QString::number(session.PartEnd())));
        session.Play();
        QVERIFY(session.SingleDrill()->Player()->Busy());
        session.ChooseSura(108); // shows its first aya, plays nothing
        QCOMPARE(Keys(shown).last(), QString("108.001"));
        QVERIFY(!session.SingleDrill()->Player()->Busy());
        session.Start();
        QVERIFY(!session.Busy());
    }

    void cueDoesNotPlay()
    {
        RecitationSession session;
        session.SetPack(pack_);
        QSignalSpy shown(&session, &RecitationSession::AyaShown);
        session.CueAya(108, 2);
        QCOMPARE(Keys(shown), QStringList({"108.002"}));
        QVERIFY(!session.Busy());
        session.Play(); // whole-sura playback starts from the cued aya
        QCOMPARE(Keys(shown).last(), QString("108.002"));
        session.Stop();
    }

    // Cueing an aya (loading a profile) rebuilds the drill of the mode on: the stack builds up from the
    // loaded aya, the single-aya part fits the loaded aya's recording.
    void cueInEachMode()
    {
        RecitationSession session;
        session.SetPack(pack_);
        session.ChooseSura(108);
        session.SetStack(true);
        QSignalSpy shown(&session, &RecitationSession::AyaShown);
        session.CueAya(105, 2);
        QCOMPARE(Keys(shown), QStringList({"105.002"}));
        QVERIFY(!session.Busy());
        QCOMPARE(session.StackDrill()->Keys().front(), (AyaRef{105, 2}));
        session.Play();
        QCOMPARE(Keys(shown).last(), QString("105.002"));
        QCOMPARE(session.SuraKey(), std::string("105"));
        session.Stop();

        session.SetStack(false);
        session.SetSingle(true);
        session.CueAya(105, 3); // the long recording: the part is all of it
        QCOMPARE(Keys(shown).last(), QString("105.003"));
        QVERIFY2(qAbs(session.PartEnd() - 600) <= 5, qPrintable(QString::number(session.PartEnd())));
    }

    // A part marked on one recording is fitted again when another recitation brings a shorter one.
    void partFollowsTheRecording()
    {
        std::map<std::string, QByteArray> items;
        for (int aya = 1; aya <= 5; ++aya)
            items[SoundName(AyaKey("105", aya))] = fixtures::ToneOgg(200);
        QVERIFY(fixtures::WriteArchive(dir_.filePath("other.dat"), items));
        RecitationSession session;
        session.SetPack(pack_);
        session.CueAya(105, 3);
        session.SetSingle(true);
        session.SetPart(300, 600);
        session.SetPack(pack_); // the same recording keeps the learner's marks
        QCOMPARE(session.PartStart(), 300);
        QSignalSpy part(&session, &RecitationSession::PartChanged);
        session.SetPack(fixtures::OpenArchive(dir_.filePath("other.dat")));
        QCOMPARE(part.count(), 1);
        QCOMPARE(session.PartStart(), 0);
        QVERIFY2(qAbs(session.PartEnd() - 200) <= 5, qPrintable(QString::number(session.PartEnd())));
    }

    // The review plays each aya once without a pause, whatever the pause unit; the settings come back.
    void reviewHasNoPauses()
    {
        RecitationSession session;
        session.SetPack(pack_);
        session.ChooseSura(105);
        session.SetRepeat(2);
        session.SetPauseFactor(2.0);
        session.PlayReview(108, 1, 3);
        AyaPlayer* review = session.ActiveDrill()->Player();
        QVERIFY(review != session.WholeDrill()->Player());
        QVERIFY(!review->Pausing());
        session.SetPause(3); // changed during the review: kept for after it
        session.SetRepeat(3);
        QVERIFY(!review->Pausing());
        QCOMPARE(review->Repeat(), 1);
        QSignalSpy paused(&session, &RecitationSession::PauseChanged);
        QSignalSpy finished(&session, &RecitationSession::ReviewFinished);
        QVERIFY(fixtures::WaitFor([&] { return finished.count() > 0; }, 3000));
        QCOMPARE(paused.count(), 0);
        QCOMPARE(session.WholeDrill()->Player()->Repeat(), 3);
        QCOMPARE(session.WholeDrill()->Player()->PauseFactor(), 2.0);
        QVERIFY(session.WholeDrill()->Player()->PauseEnabled());
    }

    // The stack's passes are counted with Loop on even when the stack has one entry.
    void stackPassesWithOneEntry()
    {
        RecitationSession session;
        session.SetPack(pack_);
        session.ChooseSura(108);
        session.SetStack(true);
        session.SetLoop(true);
        session.SetRange(true);
        session.SetTo(1);
        QCOMPARE(int(session.StackDrill()->Keys().size()), 1);
        QVERIFY(fixtures::WaitFor(
            [&] { return QString::fromStdString(session.StatusLine()).contains("pass 3"); }, 3000));
        session.Stop();
    }

    // The session says when something starts or stops playing and when a repetition begins: the window
    // needs no timer to learn it.
    void playingBySignal()
    {
        RecitationSession session;
        session.SetPack(pack_);
        session.ChooseSura(108);
        session.SetRepeat(2);
        QSignalSpy playing(&session, &RecitationSession::PlayingChanged);
        QStringList lines;
        connect(&session, &RecitationSession::StateChanged,
                [&] { lines << QString::fromStdString(session.StatusLine()); });
        QSignalSpy finished(&session, &RecitationSession::DrillFinished);
        session.Start();
        QVERIFY(fixtures::WaitFor([&] { return finished.count() > 0; }, 4000));
        QVERIFY(fixtures::WaitFor([&] { return playing.count() >= 2; }, 1000));
        QCOMPARE(playing.first().at(0).toBool(), true);
        QCOMPARE(playing.last().at(0).toBool(), false);
        QVERIFY2(lines.contains(QString::fromUtf8("Aya 2 of 3 · repetition 2 of 2")),
                 qPrintable(lines.join('|')));
    }

    // A new drill needs one class and one registration: the learner's settings, the status line,
    // progress, Next and the end reach it through the session as they reach the built-in drills.
    void addedDrill()
    {
        RecitationSession session;
        session.SetPack(pack_);
        session.SetRepeat(2);
        Drill* backwards = session.AddDrill(std::make_unique<Backwards>());
        QCOMPARE(backwards->Player()->Repeat(), 2); // settings given before it came
        QVERIFY(!session.UseDrill("Sideways"));
        session.ChooseSura(108);
        QVERIFY(session.UseDrill("Backwards"));
        QCOMPARE(session.ActiveDrill(), backwards);
        session.SetRepeat(1);
        QSignalSpy shown(&session, &RecitationSession::AyaShown);
        QSignalSpy progress(&session, &RecitationSession::Progress);
        QSignalSpy finished(&session, &RecitationSession::DrillFinished);
        session.Start();
        QCOMPARE(session.CurrentAya(), std::string("108.003"));
        QVERIFY(backwards->Player()->Busy() && !session.WholeDrill()->Player()->Busy());
        QVERIFY(fixtures::WaitFor([&] { return finished.count() > 0; }, 3000));
        QCOMPARE(Keys(shown), QStringList({"108.003", "108.002", "108.001"}));
        QCOMPARE(progress.last(), QVariantList({2, 2}));
        // From the heart's double-click: the drill plays from the aya chosen, onwards in its order.
        shown.clear();
        session.PlayFromAya(108, 2);
        QVERIFY(fixtures::WaitFor([&] { return finished.count() > 1; }, 3000));
        QCOMPARE(Keys(shown), QStringList({"108.002", "108.001"}));
        session.PlayFromAya(105, 5);
        session.Next();
        QCOMPARE(session.CurrentAya(), std::string("105.004"));
        QVERIFY(QString::fromStdString(session.StatusLine()).startsWith("Aya 4 of 5"));
        session.Stop();
        QVERIFY(!session.Busy());
    }

    // Page 602 plays in mushaf order across three suras and two packs; the cursor follows each sura.
    void passageAcrossSuras()
    {
        RecitationSession session;
        OpenPage602(session);
        QCOMPARE(session.SuraKey(), std::string("106"));
        QSignalSpy shown(&session, &RecitationSession::AyaShown);
        QSignalSpy finished(&session, &RecitationSession::DrillFinished);
        QSignalSpy failed(session.WholeDrill()->Player(), &AyaPlayer::Failed);
        QStringList lines;
        connect(&session, &RecitationSession::AyaShown,
                [&] { lines << QString::fromStdString(session.StatusLine()); });
        session.Start();
        const bool ended = fixtures::WaitFor([&] { return finished.count() > 0; }, 5000);
        QVERIFY2(ended, qPrintable(Keys(shown).join(' ') + " failed " +
                                   (failed.isEmpty() ? QString() : failed[0][1].toString())));
        QStringList expected;
        for (const std::string& key : Passage::Make(PassageKind::Page, 602).Ayas())
            expected << QString::fromStdString(key);
        QCOMPARE(Keys(shown).mid(0, 14), expected);
        QCOMPARE(failed.count(), 0); // 108 came from its own pack
        QVERIFY2(lines.contains(QString::fromUtf8("Page 602 · aya 5 of 14 (107:1) · repetition 1 of 1")),
                 qPrintable(lines.join('|')));
        QCOMPARE(session.PositionOf(AyaRef{108, 2}), 13);
        QCOMPARE(session.PositionOf(AyaRef{105, 1}), 0);
        // Choosing a sura leaves the passage.
        session.ChooseSura(105);
        QVERIFY(session.CurrentPassage().Empty());
        QCOMPARE(int(session.WholeDrill()->Keys().size()), 5);
    }

    // The stack builds up across the sura boundary; Times ends a loop after its passes.
    void stackAndTimesOverAPassage()
    {
        RecitationSession session;
        OpenPage602(session);
        session.SetStack(true);
        session.SetRange(true);
        session.Stop();
        session.SetFrom(4); // 106:4, 107:1, 107:2
        session.Stop();
        QSignalSpy shown(&session, &RecitationSession::AyaShown);
        QSignalSpy finished(&session, &RecitationSession::DrillFinished);
        session.SetTo(6);
        QVERIFY(fixtures::WaitFor([&] { return finished.count() > 0; }, 5000));
        QCOMPARE(Keys(shown).mid(0, 6),
                 QStringList({"106.004", "106.004", "107.001", "106.004", "107.001", "107.002"}));

        session.SetStack(false);
        session.SetTo(5); // 106:4, 107:1
        session.Stop();
        session.SetTimes(2);
        shown.clear();
        const int before = finished.count();
        session.SetLoop(true);
        QVERIFY(fixtures::WaitFor([&] { return finished.count() > before; }, 5000));
        QTest::qWait(200); // nothing more follows
        QCOMPARE(Keys(shown).mid(0, 4), QStringList({"106.004", "107.001", "106.004", "107.001"}));
        QCOMPARE(shown.count(), 5); // and the first again, shown where the drill stopped
        QVERIFY(!session.Busy());

        // Times plays its passes without Loop too, and the status line counts them.
        session.SetLoop(false);
        session.Stop();
        shown.clear();
        QStringList lines;
        connect(&session, &RecitationSession::Progress, this,
                [&] { lines << QString::fromStdString(session.StatusLine()); });
        const int once = finished.count();
        session.Play();
        QVERIFY(fixtures::WaitFor([&] { return finished.count() > once; }, 5000));
        QCOMPARE(Keys(shown).mid(0, 4), QStringList({"106.004", "107.001", "106.004", "107.001"}));
        QVERIFY2(lines.first().contains("pass 1 of 2") && lines[2].contains("pass 2 of 2"),
                 qPrintable(lines.join(" | ")));
    }

    // The single-aya drill steps across the boundary too.
    void singleOverAPassage()
    {
        RecitationSession session;
        OpenPage602(session);
        session.SetSingle(true);
        QCOMPARE(session.CurrentAya(), std::string("106.001"));
        for (int i = 0; i < 4; ++i)
            session.Next();
        QCOMPARE(session.CurrentAya(), std::string("107.001"));
        QCOMPARE(session.SuraKey(), std::string("107"));
        QVERIFY(QString::fromStdString(session.StatusLine())
                    .startsWith(QString::fromUtf8("Page 602 · aya 5 of 14")));
        session.Previous();
        QCOMPARE(session.CurrentAya(), std::string("106.004"));
    }

    void statusWords()
    {
        QCOMPARE(PauseWords(2100), std::string("2 s"));
        QCOMPARE(PauseWords(2600), std::string("3 s"));
        QCOMPARE(PauseWords(400), std::string("0.4 s"));
        QCOMPARE(PauseWords(12400), std::string("12 s"));
        // Numbers as the language writes them.
        QLocale::setDefault(QLocale(QLocale::French));
        QCOMPARE(PauseWords(800), std::string("0,8 s"));
        QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
        QCOMPARE(QString::fromStdString(PauseWords(3000)), QString::fromUtf8("\u0663 s"));
        QLocale::setDefault(QLocale::c());
        RecitationSession nothing; // no pack: no "Aya 1 of 0"
        nothing.ChooseSura(0);
        QCOMPARE(nothing.StatusLine(), std::string("No sura pack installed"));
    }

    void heartData()
    {
        HeartData heart;
        QVERIFY(heart.Add("108.002"));
        QVERIFY(!heart.Add("108.002"));
        QVERIFY(heart.Add("105.001"));
        QVERIFY(heart.Add("108.001"));
        QCOMPARE(heart.Keys(), (std::vector<std::string>{"105.001", "108.001", "108.002"}));
        QCOMPARE(heart.PictureOf("108"), std::string("heart4.png")); // 2 of 3
        QVERIFY(heart.CompleteSuras().empty());
        QVERIFY(heart.Add("108.003"));
        QCOMPARE(heart.CompleteSuras(), std::vector<std::string>{"108"});
        QCOMPARE(heart.PictureOf("108"), std::string("heart6.png"));
        QCOMPARE(heart.RemoveSura("108"), 3);
        QVERIFY(heart.Remove("105.001"));
        QVERIFY(!heart.Remove("105.001"));
        QCOMPARE(heart.Count(), 0);
        QVERIFY(heart.Keys().empty());
        QCOMPARE(&SuraTable(), &SuraTable()); // one table for everyone
    }
};

QTEST_GUILESS_MAIN(TestSession)
#include "test_session.moc"
