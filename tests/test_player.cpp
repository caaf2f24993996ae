// SPDX-License-Identifier: GPL-3.0-or-later
// The audio player and the three drills, on OpenAL Soft's null output in real time.
#include "fixtures.h"
#include "messages.h"
#include "mp3.h"
#include "single.h"
#include "sound_messages.h"
#include "stack.h"
#include "whole.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using fixtures::WaitFor;

class TestPlayer : public QObject
{
    Q_OBJECT
    QTemporaryDir dir_;
    KelRes pack_;
    QStringList messages_;
    SoundMessages sounds_; // the window's rules for showing the players' failures

    // The player's failures reach the window's rules as the session relays them.
    void Watch(MP3* player)
    {
        connect(player, &AyaPlayer::Failed, &sounds_, &SoundMessages::Show);
        connect(player, &AyaPlayer::OutputLost, &sounds_, &SoundMessages::ShowOutputLost);
    }

  private slots:
    void initTestCase()
    {
        SetMessagePresenter(
            [this](const QString& title, const QString& text) { messages_ << title + "|" + text; });
        std::map<std::string, QByteArray> items;
        items["tone.ogg"] = fixtures::ToneOgg(300);
        items["long.ogg"] = fixtures::ToneOgg(1500);
        items["009.001.ogg"] = items["long.ogg"];
        for (int aya = 1; aya <= 7; ++aya)
            items["001." + std::string(aya < 10 ? "00" : "0") + std::to_string(aya) + ".ogg"] =
                fixtures::ToneOgg(120);
        items["empty.ogg"] = QByteArray();
        items["junk.ogg"] = QByteArray(2000, 'j');
        const QString path = dir_.filePath("pack.dat");
        QVERIFY(fixtures::WriteArchive(path, items));
        pack_ = fixtures::OpenArchive(path);
    }

    void init() { messages_.clear(); }

    void missingOrEmptyEntryChangesNothing()
    {
        MP3 player;
        Watch(&player);
        player.SetRes(pack_);
        QSignalSpy done(&player, &MP3::Done);
        QSignalSpy pos(&player, &MP3::CurSoundPos);
        player.Play("long.ogg");
        QVERIFY(WaitFor([&] { return pos.count() > 0; }, 1000));
        player.Play("missing.ogg");
        player.Play("empty.ogg");
        const int before = pos.count();
        fixtures::Idle(350);
        QVERIFY(pos.count() > before); // the earlier sound plays on
        QCOMPARE(done.count(), 0);
        QVERIFY(messages_.isEmpty());
        // Bytes that are no audio: one box that says so, and nothing else.
        player.Play("junk.ogg");
        QCOMPARE(messages_.size(), 1);
        QVERIFY(messages_.first().startsWith("Sound Error|The recording could not be read"));
        fixtures::Idle(300);
        QCOMPARE(messages_.size(), 1);
        QCOMPARE(done.count(), 0);
        messages_.clear();
        QCOMPARE(player.GetLength("missing.ogg"), 0);
        QCOMPARE(player.GetLength("junk.ogg"), 0);
        QVERIFY(qAbs(player.GetLength("long.ogg") - 1500) <= 5);
    }

    void repeats_data()
    {
        QTest::addColumn<int>("repeat");
        QTest::newRow("once") << 1;
        QTest::newRow("three times") << 3;
    }
    void repeats()
    {
        QFETCH(int, repeat);
        MP3 player;
        Watch(&player);
        player.SetRes(pack_);
        player.SetRepeat(repeat);
        QSignalSpy done(&player, &MP3::Done);
        QElapsedTimer t;
        t.start();
        player.PlayAll("tone.ogg");
        QVERIFY(WaitFor([&] { return done.count() > 0; }, 5000));
        const qint64 elapsed = t.elapsed();
        QVERIFY2(elapsed >= 300 * repeat && elapsed < 300 * repeat + 150 * repeat + 200,
                 qPrintable(QString::number(elapsed)));
        fixtures::Idle(400);
        QCOMPARE(done.count(), 1);
        QVERIFY(player.Stopped());
    }

    void repeatZeroNeverEnds()
    {
        MP3 player;
        Watch(&player);
        player.SetRes(pack_);
        player.SetRepeat(0);
        QSignalSpy done(&player, &MP3::Done);
        player.Play("tone.ogg");
        fixtures::Idle(1400);
        QCOMPARE(done.count(), 0);
        QVERIFY(player.Busy());
        player.Stop();
        QVERIFY(!player.Busy());
    }

    void pauseAfterEveryPlay()
    {
        MP3 player;
        Watch(&player);
        player.SetRes(pack_);
        player.SetRepeat(2);
        player.SetPauseTime(1);
        player.Pause(true);
        QSignalSpy done(&player, &MP3::Done);
        QElapsedTimer t;
        t.start();
        player.Play("tone.ogg");
        QVERIFY(WaitFor([&] { return done.count() > 0; }, 6000));
        // play, 1 s, play, 1 s, Done
        QVERIFY2(t.elapsed() >= 2600 && t.elapsed() < 3600, qPrintable(QString::number(t.elapsed())));
    }

    // The pause inside a drill keeps the device running, so the next play starts at once; the
    // learner's Stop pauses it at once, so it mixes nothing and wakes nobody.
    void stopDuringTheFinalPauseStaysStopped()
    {
        MP3 player;
        Watch(&player);
        player.SetRes(pack_);
        player.SetPauseTime(1);
        player.Pause(true);
        QSignalSpy done(&player, &MP3::Done);
        player.Play("tone.ogg");
        fixtures::Idle(600); // the sound has ended; the final pause runs
        QVERIFY(sound::OutputOpen() && !sound::OutputPaused());
        QElapsedTimer stopped;
        stopped.start();
        player.Stop();
        QVERIFY(WaitFor([] { return sound::OutputPaused(); }, 1000));
        QVERIFY2(stopped.elapsed() < 300, qPrintable(QString::number(stopped.elapsed())));
        fixtures::Idle(1200);
        QCOMPARE(done.count(), 0);
    }

    void range()
    {
        MP3 player;
        Watch(&player);
        player.SetRes(pack_);
        player.SetRange(500, 800);
        QSignalSpy doneR(&player, &MP3::DoneR);
        QSignalSpy pos(&player, &MP3::CurSoundPos);
        player.PlayRange("long.ogg");
        QVERIFY(player.RangeMode());
        QVERIFY(WaitFor([&] { return doneR.count() > 0; }, 3000));
        QVERIFY(pos.count() >= 2);
        QVERIFY2(pos.first().at(0).toInt() >= 500, qPrintable(pos.first().at(0).toString()));
        QVERIFY(pos.last().at(0).toInt() >= 800);
        QVERIFY(player.Stopped());

        // A start beyond the sound plays it from the beginning.
        pos.clear();
        player.SetRange(5000, 200);
        player.PlayRange("tone.ogg");
        QVERIFY(WaitFor([&] { return pos.count() > 0; }, 1000));
        QVERIFY(pos.first().at(0).toInt() < 250);
        player.Stop();

        // SetPos after Stop does nothing and reports nothing.
        player.SetPos(100);
        QVERIFY(messages_.isEmpty());
        player.PlayAll("tone.ogg");
        QVERIFY(!player.RangeMode());
        player.Stop();
    }

    void deviceErrorsAreReportedOnce()
    {
        MP3 player;
        Watch(&player);
        const std::vector<std::string> devices = player.GetDevices();
        QVERIFY(!devices.empty());
        player.SetDevice(int(devices.size()) + 5);
        QVERIFY(!messages_.isEmpty());
        QVERIFY2(messages_.first().startsWith("Sound Error|"), qPrintable(messages_.first()));
        QVERIFY(messages_.first().endsWith("<br><br>To fix: Select a valid sound device"));
        // The same failure of another player right after is not shown again.
        MP3 other;
        Watch(&other);
        other.SetDevice(int(devices.size()) + 5);
        QCOMPARE(messages_.size(), 1);
        // The default device took over: the player still plays.
        player.SetRes(pack_);
        QSignalSpy done(&player, &MP3::Done);
        player.Play("tone.ogg");
        QVERIFY(WaitFor([&] { return done.count() > 0; }, 2000));
    }

    void wholeSura()
    {
        Whole whole;
        whole.SetRes(pack_);
        QSignalSpy aya(&whole, &Whole::WholeSuraAya);
        QSignalSpy stat(&whole, &Whole::WholeStat);
        QSignalSpy desc(&whole, &Whole::WholeDesc);
        QSignalSpy done(&whole, &Whole::WholeDone);
        whole.GenerateWhole("1", 1, 7);
        QCOMPARE(int(whole.Keys().size()), 7);
        QCOMPARE(whole.Keys().front().Key(), std::string("001.001"));
        whole.Play();
        QVERIFY(WaitFor([&] { return done.count() > 0; }, 8000));
        QCOMPARE(stat.count(), 7);
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(stat.at(i).at(0).toInt(), i);
            QCOMPARE(stat.at(i).at(1).toInt(), 6);
            QCOMPARE(aya.at(i).at(0).value<AyaRef>(), whole.Keys()[size_t(i)]);
        }
        QCOMPARE(aya.count(), 8);
        QCOMPARE(aya.last().at(0).value<AyaRef>().Key(), std::string("001.001"));
        QCOMPARE(desc.at(6).at(0).value<std::string>(), std::string("1"));
        QCOMPARE(desc.at(6).at(1).value<std::string>(), std::string("7"));
        fixtures::Idle(300);
        QCOMPARE(aya.count(), 8);

        // Loop: the first aya follows the seventh, without WholeDone.
        whole.SetLoop(true);
        whole.GenerateWhole("1", 6, 7);
        aya.clear();
        done.clear();
        whole.Play();
        QVERIFY(WaitFor([&] { return aya.count() >= 3; }, 3000));
        QCOMPARE(aya.at(2).at(0).value<AyaRef>().Key(), std::string("001.006"));
        QCOMPARE(done.count(), 0);
        whole.Stop();
    }

    void wholeEdges()
    {
        Whole whole;
        whole.SetRes(pack_);
        QSignalSpy aya(&whole, &Whole::WholeSuraAya);
        whole.GenerateWhole("1", 3, 2);
        QVERIFY(whole.Keys().empty());
        whole.Play();
        whole.NextOne();
        QCOMPARE(aya.count(), 0);
        whole.GenerateWhole("1", 1, 7);
        whole.PrevOne(); // at the first aya: back to index 0, nothing played
        QCOMPARE(whole.Index(), 0);
        QCOMPARE(aya.count(), 0);
        whole.GoTo(5);
        QCOMPARE(aya.last().at(0).value<AyaRef>().Key(), std::string("001.005"));
        whole.SetMax(6);
        QCOMPARE(int(whole.Keys().size()), 6);
        QCOMPARE(aya.last().at(0).value<AyaRef>().Key(), std::string("001.001"));
        whole.SetMin(4);
        QCOMPARE(whole.Keys().front().Key(), std::string("001.004"));
        QCOMPARE(whole.Keys().back().Key(), std::string("001.006"));
        whole.PauseTime(0);
        QVERIFY(!whole.Player()->PauseEnabled());
        whole.PauseTime(3);
        QVERIFY(whole.Player()->PauseEnabled());
        QCOMPARE(whole.Player()->PauseSeconds(), 3);
        whole.Stop();
    }

    void stackSequence()
    {
        Stack stack;
        stack.GenerateStack("1", 1, 4);
        std::vector<std::string> expected;
        for (int last = 1; last <= 4; ++last)
            for (int a = 1; a <= last; ++a)
                expected.push_back("001.00" + std::to_string(a));
        QCOMPARE(stack.Keys(), AyaRef::FromKeys(expected));
        stack.GenerateStack("2", 5, 5);
        QCOMPARE(stack.Keys(), AyaRef::FromKeys({"002.005"}));
        stack.GenerateStack("2", 3, 2);
        QVERIFY(stack.Keys().empty());
        QSignalSpy aya(&stack, &Stack::StackSuraAya);
        stack.Play();
        QCOMPARE(aya.count(), 0);
    }

    void stackPlays()
    {
        Stack stack;
        stack.SetRes(pack_);
        stack.SetRepeat(1);
        QSignalSpy aya(&stack, &Stack::StackSuraAya);
        QSignalSpy stat(&stack, &Stack::StackStat);
        QSignalSpy done(&stack, &Stack::StackDone);
        stack.GenerateStack("1", 1, 3);
        stack.PrevOne();
        QCOMPARE(stack.Index(), 0);
        QCOMPARE(aya.count(), 0);
        stack.Play();
        QVERIFY(WaitFor([&] { return done.count() > 0; }, 8000));
        QStringList heard;
        for (const auto& args : aya)
            heard << QString::fromStdString(args.at(0).value<AyaRef>().Key());
        QCOMPARE(heard,
                 QStringList({"001.001", "001.001", "001.002", "001.001", "001.002", "001.003", "001.001"}));
        QCOMPARE(stat.count(), 6);
        QCOMPARE(stat.last().at(0).toInt(), 5);
        QCOMPARE(stat.last().at(1).toInt(), 5);
    }

    void singleRepeatsItsPart()
    {
        Single single;
        single.SetRes(pack_);
        QCOMPARE(single.GetSoundLen("missing.ogg"), 0);
        QVERIFY(qAbs(single.GetSoundLen("long.ogg") - 1500) <= 5);
        single.SetRange(0, 200);
        QSignalSpy aya(&single, &Single::SingleSuraAya);
        QSignalSpy pos(&single, &Single::CurSoundPos);
        single.PlayRange(AyaRef{9, 1}); // the long tone
        QVERIFY(WaitFor([&] { return aya.count() >= 3; }, 3000));
        QVERIFY(pos.count() > 0);
        for (const auto& p : pos)
            QVERIFY(p.at(0).toInt() < 450);
        single.Stop();
        const int passes = aya.count();
        fixtures::Idle(500);
        QCOMPARE(aya.count(), passes);
        single.Jump(100); // while stopped: nothing
        QVERIFY(messages_.isEmpty());
    }
};

QTEST_MAIN(TestPlayer)
#include "test_player.moc"
