// SPDX-License-Identifier: GPL-3.0-or-later
// The drills driven through a player that only writes down what it is asked: what each drill plays,
// in what order, what it shows and when it ends, with no sound device. And a drill written here, played
// aside through the session: the learner's drill is set aside and comes back.
#include "fake_player.h"
#include "recitation_session.h"
#include "single.h"
#include "stack.h"
#include "test_drill.h"
#include "whole.h"

#include <QSignalSpy>
#include <QTest>

namespace
{

template <typename D> std::unique_ptr<D> Make(FakePlayer** player)
{
    auto fake = std::make_unique<FakePlayer>();
    *player = fake.get();
    return std::make_unique<D>(std::move(fake));
}

QStringList Keys(const QSignalSpy& spy)
{
    QStringList keys;
    for (const QList<QVariant>& args : spy)
        keys << QString::fromStdString(args.at(0).value<AyaRef>().Key());
    return keys;
}

// What was asked to start, without the queueing and stopping around it.
QStringList Started(const FakePlayer& player)
{
    QStringList started;
    for (const QString& asked : player.asked)
        if (asked.startsWith("play ") || asked.startsWith("range "))
            started << asked;
    return started;
}

// A drill of the test's own: the lesson's last aya, then its first, once each.
class Recap : public TestDrill
{
  public:
    explicit Recap(std::unique_ptr<AyaPlayer> player) : TestDrill("Recap", std::move(player)) {}
    void SetAyas(const std::vector<AyaRef>& ayas) override
    {
        SetKeys(ayas.size() < 2 ? ayas : std::vector<AyaRef>{ayas.back(), ayas.front()});
    }
};

} // namespace

class TestDrills : public QObject
{
    Q_OBJECT

  private slots:
    // Whole-sura playback plays each aya with the next one queued behind it, stops after the last, and
    // plays the lesson as many times as Times says; Next and Previous step from the aya heard.
    void wholeSura()
    {
        FakePlayer* player = nullptr;
        auto whole = Make<Whole>(&player);
        QSignalSpy shown(whole.get(), &Drill::AyaShown);
        QSignalSpy finished(whole.get(), &Drill::Finished);
        whole->SetAyas(AyaRef::FromKeys({"108.001", "108.002", "108.003"}));
        QVERIFY(player->asked.isEmpty()); // built, not played
        whole->Play();
        QCOMPARE(player->asked, QStringList({"play 108.001.ogg", "next 108.002.ogg"}));
        for (int end = 0; end < 3; ++end)
            player->End();
        QCOMPARE(Keys(shown), QStringList({"108.001", "108.002", "108.003", "108.001"}));
        QCOMPARE(finished.count(), 1);
        QCOMPARE(player->Last(), QString("stop"));
        QVERIFY(!player->asked.contains("next 108.001.ogg")); // nothing queued after the last

        DrillOptions twice;
        twice.times = 2;
        whole->Apply(twice);
        shown.clear();
        whole->Play();
        for (int end = 0; end < 6; ++end)
            player->End();
        QCOMPARE(Keys(shown).size(), 7);
        QCOMPARE(finished.count(), 2);

        player->asked.clear();
        whole->GoTo(1, true);
        whole->NextOne();
        whole->PrevOne();
        whole->PrevOne();
        whole->PrevOne(); // before the first: the first plays on
        QCOMPARE(Started(*player), QStringList({"play 108.002.ogg", "play 108.003.ogg", "play 108.002.ogg",
                                                "play 108.001.ogg"}));
        QVERIFY(player->Busy());
    }

    // The stack builds up from the first aya, and from the aya chosen when the learner chooses one.
    void stack()
    {
        FakePlayer* player = nullptr;
        auto stack = Make<Stack>(&player);
        QSignalSpy shown(stack.get(), &Drill::AyaShown);
        QSignalSpy finished(stack.get(), &Drill::Finished);
        stack->SetAyas(AyaRef::FromKeys({"105.001", "105.002", "105.003"}));
        stack->Play();
        while (finished.isEmpty() && shown.count() < 20)
            player->End();
        QCOMPARE(Keys(shown),
                 QStringList({"105.001", "105.001", "105.002", "105.001", "105.002", "105.003", "105.001"}));
        shown.clear();
        QCOMPARE(stack->GoTo(1, true), 1); // the lesson now begins at the aya chosen
        QCOMPARE(stack->Keys(), AyaRef::FromKeys({"105.002", "105.002", "105.003"}));
        QCOMPARE(Keys(shown), QStringList({"105.002"}));
    }

    // The single-aya drill waits on the aya shown, fits its part to that aya's recording, and plays the
    // part again at each end until it is stopped.
    void singleAya()
    {
        FakePlayer* player = nullptr;
        auto single = Make<Single>(&player);
        player->length = {{"108.001.ogg", 500}, {"108.002.ogg", 800}};
        QSignalSpy part(single.get(), &Single::PartChanged);
        QSignalSpy shown(single.get(), &Drill::AyaShown);
        single->SetAyas(AyaRef::FromKeys({"108.001", "108.002"}));
        single->GoTo(1, false);
        QCOMPARE(Keys(shown), QStringList({"108.002"}));
        QCOMPARE(part.last(), QVariantList({0, 800, 800}));
        QVERIFY(Started(*player).isEmpty());
        single->SetRange(200, 600);
        single->Play();
        player->End();
        player->End();
        QCOMPARE(Started(*player),
                 QStringList({"range 108.002.ogg", "range 108.002.ogg", "range 108.002.ogg"}));
        QVERIFY(player->asked.contains("part 200-600"));
        single->NextOne(); // already the last: it stays, stopped, and its part is over the whole aya again
        QCOMPARE(Keys(shown).last(), QString("108.002"));
        QVERIFY(!player->Busy());
        single->PrevOne();
        QCOMPARE(part.last(), QVariantList({0, 500, 500}));
        QCOMPARE(single->Key(), (AyaRef{108, 1}));
    }

    // A drill the session has never heard of plays aside: the learner's drill steps back, and comes
    // back over the lesson when the drill ends, or when the learner stops.
    void aDrillPlayedAside()
    {
        RecitationSession session;
        session.ChooseSura(105);
        session.SetStack(true);
        FakePlayer* player = nullptr;
        Drill* recap = session.AddDrill(Make<Recap>(&player));
        QVERIFY(!session.PlayAside(recap, {})); // nothing to play: nothing changes
        QCOMPARE(session.ActiveDrill()->Name(), std::string("Stack"));

        int finishedCalls = 0;
        QSignalSpy finished(&session, &RecitationSession::DrillFinished);
        QVERIFY(session.PlayAside(recap, AyaRef::FromKeys({"105.002", "105.003", "105.004"}), -1,
                                  [&] { ++finishedCalls; }));
        QCOMPARE(session.AsideDrill(), recap);
        QVERIFY(session.Busy());
        QCOMPARE(session.CurrentAya(), std::string("105.004"));
        session.SetStack(false); // the learner's choice waits for the drill aside to end
        QCOMPARE(session.ActiveDrill(), recap);
        player->End();
        QCOMPARE(session.CurrentAya(), std::string("105.002"));
        player->End();
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finishedCalls, 1);
        QCOMPARE(session.AsideDrill(), nullptr);
        QCOMPARE(session.ActiveDrill()->Name(), std::string("Whole"));
        QCOMPARE(session.WholeDrill()->Keys().size(), size_t(5)); // over the lesson again
        QVERIFY(!session.Busy());

        // Stopped by the learner: the learner's drill comes back, and the drill's end is not told.
        QVERIFY(
            session.PlayAside(recap, AyaRef::FromKeys({"105.001", "105.005"}), 1, [&] { ++finishedCalls; }));
        QCOMPARE(Started(*player).last(), QString("play 105.001.ogg"));
        session.Stop();
        QCOMPARE(session.ActiveDrill()->Name(), std::string("Whole"));
        QCOMPARE(finishedCalls, 1);
        QCOMPARE(finished.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TestDrills)
#include "test_drills.moc"
