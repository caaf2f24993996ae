// SPDX-License-Identifier: GPL-3.0-or-later
// What a learner would hear: OpenAL Soft's wave driver writes the mixed output to a WAV file, which is
// read back and cut into bursts of sound and silences.
#include "fixtures.h"
#include "heard_sound.h"
#include "mp3.h"
#include "naming.h"
#include "passage.h"
#include "recitation_session.h"
#include "whole.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <thread>

namespace
{

QTemporaryDir* g_dir = nullptr;

QString WavPath() { return g_dir->filePath("heard.wav"); }

sound::Pcm ReadWav()
{
    QFile f(WavPath());
    sound::Pcm pcm;
    if (f.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = f.readAll();
        sound::DecodeAll(bytes.constData(), size_t(bytes.size()), &pcm);
    }
    return pcm;
}

} // namespace

class TestAudible : public QObject
{
    Q_OBJECT
    KelRes pack_;

  private slots:
    void initTestCase()
    {
        std::map<std::string, QByteArray> items;
        items["tone.ogg"] = fixtures::ToneOgg(300, {440.0});
        items["steps.ogg"] = fixtures::ToneOgg(900, {300.0, 1200.0, 2400.0}); // 0-300, 300-600, 600-900 ms
        QVERIFY(fixtures::WriteArchive(g_dir->filePath("pack.dat"), items));
        pack_ = fixtures::OpenArchive(g_dir->filePath("pack.dat"));
    }

    // One player, one recording: repeat 3 with a 1 s pause, then a range of one part of a sound.
    void repeatsPausesAndRange()
    {
        QElapsedTimer clock;
        {
            MP3 player; // opens the wave device: the recording starts now
            connect(&player, &MP3::Failed,
                    [](const QString& title, const QString& text) { qWarning() << title << text; });
            clock.start();
            QVERIFY(player.HasOutput());
            player.SetRes(pack_);
            player.SetRepeat(3);
            player.SetPauseTime(1);
            player.Pause(true);
            QSignalSpy done(&player, &MP3::Done);
            fixtures::Idle(300);
            const double startedAt = clock.elapsed() / 1000.0;
            player.PlayAll("tone.ogg");
            QVERIFY(fixtures::WaitFor([&] { return done.count() > 0; }, 8000));
            const double doneAt = clock.elapsed() / 1000.0;

            player.Pause(false);
            player.SetRange(300, 600);
            QSignalSpy doneR(&player, &MP3::DoneR);
            fixtures::Idle(500);
            player.PlayRange("steps.ogg");
            QVERIFY(fixtures::WaitFor([&] { return doneR.count() > 0; }, 3000));
            player.Stop();
            fixtures::Idle(400);
            QTest::qWait(0);
            QVERIFY2(doneAt - startedAt > 0.3 * 3 + 2.9 && doneAt - startedAt < 0.3 * 3 + 3 + 0.6,
                     qPrintable(QString::number(doneAt - startedAt)));
        } // closing the device finishes the WAV file

        const sound::Pcm pcm = ReadWav();
        QVERIFY2(pcm.Frames() > size_t(pcm.rate) * 4, "the wave driver wrote the output");
        const std::vector<Burst> bursts = Bursts(pcm);
        QVERIFY2(bursts.size() == 4, qPrintable(Describe(bursts)));
        for (int i = 0; i < 3; ++i) {
            const Burst& b = bursts[size_t(i)];
            QVERIFY2(b.end - b.start > 0.25 && b.end - b.start < 0.36, qPrintable(Describe(bursts)));
            QVERIFY2(std::abs(b.hz - 440) < 30, qPrintable(Describe(bursts)));
            if (i > 0) {
                const double gap = b.start - bursts[size_t(i - 1)].end;
                QVERIFY2(gap > 0.9 && gap < 1.35, qPrintable(Describe(bursts)));
            }
        }
        // Silence after the third play until the range: at least the final pause.
        QVERIFY2(bursts[3].start - bursts[2].end > 1.4, qPrintable(Describe(bursts)));
        // The range: the middle step (1200 Hz), 300 ms up to the next 100 ms tick.
        const Burst& range = bursts[3];
        QVERIFY2(range.end - range.start > 0.27 && range.end - range.start < 0.45,
                 qPrintable(Describe(bursts)));
        QVERIFY2(range.hz > 1000 && range.hz < 1700, qPrintable(Describe(bursts)));
    }

    // Without a pause, repetitions and the next aya follow on the same source: one unbroken tone.
    void gaplessRepeatsAndAyas()
    {
        std::map<std::string, QByteArray> items;
        items["001.001.ogg"] = fixtures::ToneOgg(300, {440.0}, 44100);
        items["001.002.ogg"] = fixtures::ToneOgg(300, {440.0}, 44100);
        QVERIFY(fixtures::WriteArchive(g_dir->filePath("gapless.dat"), items));
        QStringList shown;
        {
            Whole drill;
            drill.SetRes(fixtures::OpenArchive(g_dir->filePath("gapless.dat")));
            drill.Player()->SetRepeat(2);
            drill.GenerateWhole("001", 1, 2);
            QSignalSpy done(&drill, &Whole::WholeDone);
            connect(&drill, &Whole::WholeSuraAya,
                    [&shown](AyaRef aya) { shown << QString::fromStdString(aya.Key()); });
            fixtures::Idle(300);
            drill.Play();
            QVERIFY(fixtures::WaitFor([&] { return done.count() > 0; }, 5000));
            fixtures::Idle(300);
        }
        QCOMPARE(shown, QStringList({"001.001", "001.002", "001.001"}));
        const sound::Pcm pcm = ReadWav();
        const std::vector<Burst> bursts = Bursts(pcm);
        QVERIFY2(bursts.size() == 1, qPrintable(Describe(bursts)));
        // Four passes of 300 ms, and not one 5 ms stretch of silence anywhere inside them.
        QVERIFY2(std::abs((bursts[0].end - bursts[0].start) - 1.2) < 0.04, qPrintable(Describe(bursts)));
        const int quiet = QuietWindows(pcm, bursts[0]);
        QCOMPARE(quiet, 0);
    }

    // A setting changed while a gapless run plays applies from the next boundary not yet begun: what was
    // queued for later with the old settings is taken back.
    void settingsChangedWhilePlaying_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("bursts");         // bursts of sound heard
        QTest::addColumn<double>("soundLength"); // seconds of sound heard in all
        QTest::newRow("pause on") << "pause" << 3 << 0.9;
        QTest::newRow("pause as aya length") << "factor" << 3 << 0.9;
        QTest::newRow("repeat 1 to 3") << "repeat3" << 1 << 2.7;
        QTest::newRow("repeat 3 to 1") << "repeat1" << 1 << 0.9;
    }
    void settingsChangedWhilePlaying()
    {
        QFETCH(QString, change);
        QFETCH(int, bursts);
        QFETCH(double, soundLength);
        std::map<std::string, QByteArray> items;
        for (int aya = 1; aya <= 3; ++aya)
            items[QString("105.%1.ogg").arg(aya, 3, 10, QChar('0')).toStdString()] =
                fixtures::ToneOgg(300, {330.0 + 110 * aya}, 44100);
        QVERIFY(fixtures::WriteArchive(g_dir->filePath("change.dat"), items));
        {
            Whole drill;
            drill.SetRes(fixtures::OpenArchive(g_dir->filePath("change.dat")));
            drill.Player()->SetRepeat(change == "repeat1" ? 3 : 1);
            drill.GenerateWhole("105", 1, 3);
            QSignalSpy done(&drill, &Whole::WholeDone);
            fixtures::Idle(300);
            drill.Play();
            fixtures::Idle(113);
            if (change == "pause") {
                drill.PauseTime(1);
            } else if (change == "factor") {
                drill.Player()->SetPauseFactor(3.0);
            } else {
                drill.Player()->SetRepeat(change == "repeat3" ? 3 : 1);
            }
            QVERIFY(fixtures::WaitFor([&] { return done.count() > 0; }, 8000));
            fixtures::Idle(300);
        }
        const std::vector<Burst> heard = Bursts(ReadWav());
        QVERIFY2(int(heard.size()) == bursts, qPrintable(Describe(heard)));
        double total = 0;
        for (const Burst& b : heard)
            total += b.end - b.start;
        QVERIFY2(std::abs(total - soundLength) < 0.08, qPrintable(Describe(heard)));
        for (size_t i = 1; i < heard.size(); ++i) {
            const double gap = heard[i].start - heard[i - 1].end;
            QVERIFY2(gap > 0.85 && gap < 1.2, qPrintable(Describe(heard)));
        }
    }

    // Next follows the aya heard, not the one queued behind it: pressed just before an aya's end, the
    // following aya is heard whole; pressed just after, that aya is cut and the one after it starts.
    // Either way no aya is skipped, and the aya shown is the one heard. What is heard is read off the
    // output file as it is written.
    void nextFollowsTheAyaHeard_data()
    {
        QTest::addColumn<int>("at"); // ms into aya 2 when Next is pressed
        for (int at : {250, 330, 370, 390, 410, 440, 480})
            QTest::newRow(qPrintable(QString("at %1 ms of 400").arg(at))) << at;
    }
    void nextFollowsTheAyaHeard()
    {
        QFETCH(int, at);
        std::map<std::string, QByteArray> items;
        for (int aya = 1; aya <= 5; ++aya)
            items[SoundName(AyaKey("105", aya))] = fixtures::ToneOgg(400, {200.0 * aya + 200}, 44100);
        QVERIFY(fixtures::WriteArchive(g_dir->filePath("next.dat"), items));
        QStringList shown;
        QString pressedTo;
        {
            Whole drill;
            drill.SetRes(fixtures::OpenArchive(g_dir->filePath("next.dat")));
            drill.GenerateWhole("105", 1, 5);
            connect(&drill, &Whole::WholeSuraAya,
                    [&shown](AyaRef aya) { shown << QString::fromStdString(aya.Key()); });
            QSignalSpy done(&drill, &Whole::WholeDone);
            fixtures::Idle(300);
            drill.Play();
            // Aya 2 begins 400 ms into the first burst heard.
            QVERIFY(fixtures::WaitFor([&] { return HeardSinceFirstSound(ReadWav()) >= 0.4 + at / 1000.0; },
                                      5000));
            drill.NextOne();
            pressedTo = shown.last();
            QVERIFY(fixtures::WaitFor([&] { return done.count() > 0; }, 8000));
            fixtures::Idle(300);
        }
        const sound::Pcm pcm = ReadWav();
        const std::vector<Burst> bursts = Bursts(pcm);
        QVERIFY2(!bursts.empty(), "something was heard");
        const QList<QPair<int, double>> runs =
            AyaRuns(pcm, {bursts[0].start, bursts.back().end, 0}, 200, 200);
        const QString heard = pressedTo + " after the press; heard " + Describe(runs);
        QList<int> order;
        for (const auto& run : runs) {
            if (run.second >= 0.03) // a few ms at a boundary may read as a tone between two
                order << run.first;
        }
        QCOMPARE(order, QList<int>({1, 2, 3, 4, 5}));
        const int target = pressedTo.mid(4).toInt();
        QVERIFY2(target == 3 || target == 4, qPrintable(heard));
        for (const auto& run : runs)
            if (run.first == target)
                QVERIFY2(run.second > 0.36, qPrintable(heard));
    }

    // At another speed the speed stage runs on across repetitions and ayas: as gapless as at 1.0. A speed
    // changed while the run plays applies from the next aya, however late this thread or the feeder runs:
    // with two threads spinning on the two cores as well.
    void speedOnTheGaplessPath_data()
    {
        QTest::addColumn<double>("before");
        QTest::addColumn<double>("after"); // set 113 ms after the start; 0: no change
        QTest::addColumn<bool>("load");
        for (bool load : {false, true}) {
            const char* under = load ? ", under load" : "";
            QTest::newRow(qPrintable(QString("0.75x%1").arg(under))) << 0.75 << 0.0 << load;
            QTest::newRow(qPrintable(QString("1.0x to 0.5x%1").arg(under))) << 1.0 << 0.5 << load;
            QTest::newRow(qPrintable(QString("0.75x to 1.25x%1").arg(under))) << 0.75 << 1.25 << load;
        }
    }
    void speedOnTheGaplessPath()
    {
        QFETCH(double, before);
        QFETCH(double, after);
        QFETCH(bool, load);
        // Each aya its own tone, so that what is heard of each can be told apart.
        std::map<std::string, QByteArray> items;
        for (int aya = 1; aya <= 3; ++aya)
            items[SoundName(AyaKey("001", aya))] = fixtures::ToneOgg(300, {220.0 + 220 * aya}, 44100);
        QVERIFY(fixtures::WriteArchive(g_dir->filePath("speed-gapless.dat"), items));
        std::atomic<bool> spin{load};
        std::vector<std::thread> hogs;
        for (int i = 0; i < 2 && load; ++i)
            hogs.emplace_back([&spin] {
                volatile uint64_t n = 0;
                while (spin)
                    n = n + 1;
            });
        {
            Whole drill;
            drill.SetRes(fixtures::OpenArchive(g_dir->filePath("speed-gapless.dat")));
            drill.Player()->SetRepeat(after > 0 ? 1 : 2);
            drill.Player()->SetSpeed(before);
            // With a change: three ayas, the first at the old speed, the next (queued already) at the new.
            drill.GenerateWhole("001", 1, after > 0 ? 3 : 2);
            QSignalSpy done(&drill, &Whole::WholeDone);
            fixtures::Idle(300);
            drill.Play();
            if (after > 0) {
                fixtures::Idle(113);
                drill.Player()->SetSpeed(after);
            }
            QVERIFY(fixtures::WaitFor([&] { return done.count() > 0; }, 8000));
            fixtures::Idle(300);
        }
        spin = false;
        for (std::thread& t : hogs)
            t.join();
        const sound::Pcm pcm = ReadWav();
        const std::vector<Burst> bursts = Bursts(pcm);
        QVERIFY2(bursts.size() == 1, qPrintable(Describe(bursts)));
        // Each aya as long as its passes at its speed: none cut, none heard twice.
        const QList<QPair<int, double>> runs = AyaRuns(pcm, bursts[0], 220, 220);
        // A change applies from the next aya not yet begun: the second, unless this thread came so late
        // (on a loaded machine) that the second had begun, then the third. Each aya is heard whole at one
        // speed, the old until the change and the new from it on, the last at the new.
        const int ayas = after > 0 ? 3 : 2;
        const double length = after > 0 ? 0.3 : 0.6;
        QList<double> heard(ayas, 0.0);
        for (const auto& run : runs)
            if (run.first >= 1 && run.first <= ayas)
                heard[run.first - 1] += run.second;
        for (int aya = 0, changed = 0; aya < ayas; ++aya) {
            changed = changed || (after > 0 && aya > 0 && std::abs(heard[aya] - length / before) >= 0.04);
            const bool whole = std::abs(heard[aya] - length / (changed ? after : before)) < 0.04;
            QVERIFY2(whole && (aya < ayas - 1 || after == 0 || changed), qPrintable(Describe(runs)));
        }
        const int quiet = QuietWindows(pcm, bursts[0]);
        // At a steady speed not one 5 ms stretch of silence. A change takes back what was queued ahead and
        // plays the aya heard on from where it is, from a queue made ready before the switch: no gap is
        // heard there; where the next aya starts a new stage, the old one's last frames fade for at most
        // 10 ms.
        QVERIFY2(quiet <= (after > 0 ? 2 : 0), qPrintable(QString::number(quiet) + "; " + Describe(runs)));
    }

    // Speed keeps the pitch: a 2 s tone of 440 Hz lasts 2 s / speed and stays 440 Hz.
    // Page 602 heard: its fourteen ayas, each at its own pitch, in mushaf order across three suras and
    // two packs, paused by their own length; Times 2 with Loop plays the page twice, then stops.
    void passageHeardInOrder()
    {
        const std::vector<std::string> keys = Passage::Make(PassageKind::Page, 602).Ayas();
        std::map<std::string, QByteArray> page, other;
        for (size_t k = 0; k < keys.size(); ++k)
            (keys[k].rfind("108", 0) == 0 ? other : page)[SoundName(keys[k])] =
                fixtures::ToneOgg(120, {400.0 + 120.0 * double(k)}, 44100);
        QVERIFY(fixtures::WriteArchive(g_dir->filePath("page602.dat"), page));
        QVERIFY(fixtures::WriteArchive(g_dir->filePath("sura108.dat"), other));
        const KelRes sura108 = fixtures::OpenArchive(g_dir->filePath("sura108.dat"));
        {
            RecitationSession session;
            session.SetPack(fixtures::OpenArchive(g_dir->filePath("page602.dat")));
            session.SetPackFinder([&](const std::string& name) {
                return QString::fromStdString(name).startsWith("108") ? &sura108 : nullptr;
            });
            session.SetPauseFactor(1.0);
            session.PresetLoop(true);
            session.SetTimes(2);
            session.ChoosePassage(Passage::Make(PassageKind::Page, 602));
            QSignalSpy finished(&session, &RecitationSession::DrillFinished);
            fixtures::Idle(300);
            session.Start();
            QVERIFY(fixtures::WaitFor([&] { return finished.count() > 0; }, 15000));
            fixtures::Idle(500);
        }
        const sound::Pcm pcm = ReadWav();
        const std::vector<Burst> bursts = Bursts(pcm);
        QVERIFY2(bursts.size() == 28, qPrintable(Describe(bursts)));
        for (size_t i = 0; i < bursts.size(); ++i) {
            const double expected = 400.0 + 120.0 * double(i % 14);
            const double hz = Frequency(pcm, bursts[i].start + 0.02, bursts[i].end - 0.02);
            QVERIFY2(std::abs(hz - expected) < 20,
                     qPrintable(QString("burst %1: %2 Hz, expected %3; ").arg(i).arg(hz).arg(expected) +
                                Describe(bursts)));
        }
    }

    // Compare, heard: for each recorded aya the reciter and then the learner, an aya not recorded left
    // out, the learner's recordings at another rate than the reciter's; at 1.25x both are faster.
    // Afterwards the lesson's drill is back, and Play Mine plays the learner alone.
    void compareHeardInOrder()
    {
        std::map<std::string, QByteArray> items;
        for (int aya = 1; aya <= 3; ++aya)
            items[SoundName(AyaKey("112", aya))] = fixtures::ToneOgg(250, {300.0 + 100 * aya}, 44100);
        QVERIFY(fixtures::WriteArchive(g_dir->filePath("compare.dat"), items));
        std::map<std::string, std::shared_ptr<const std::vector<char>>> mine;
        for (int aya : {1, 3}) {
            const QByteArray ogg = fixtures::ToneOgg(250, {900.0 + 200 * aya}, 22050);
            mine[AyaKey("112", aya)] = std::make_shared<const std::vector<char>>(ogg.begin(), ogg.end());
        }
        {
            RecitationSession session;
            session.SetPack(fixtures::OpenArchive(g_dir->filePath("compare.dat")));
            session.SetOwnRecordings([&](AyaRef aya) { return mine.count(aya.Key()) > 0; },
                                     [&](const std::string& key) {
                                         const auto it = mine.find(key);
                                         return it == mine.end() ? nullptr : it->second;
                                     });
            session.SetSpeed(1.25);
            session.SetRepeat(3); // not for Compare: each voice once
            session.ChooseSura(112);
            QSignalSpy finished(&session, &RecitationSession::DrillFinished);
            fixtures::Idle(300);
            QVERIFY(session.PlayCompare());
            QVERIFY(session.Comparing());
            QVERIFY(fixtures::WaitFor([&] { return finished.count() > 0; }, 8000));
            QVERIFY(!session.Comparing());
            QCOMPARE(session.ActiveDrill(), static_cast<Drill*>(session.WholeDrill()));
            fixtures::Idle(400);
            session.CueAya(112, 2);
            QVERIFY(!session.PlayMine()); // not recorded
            session.CueAya(112, 3);
            QVERIFY(session.PlayMine());
            QVERIFY(fixtures::WaitFor([&] { return finished.count() > 1; }, 4000));
            fixtures::Idle(300);
        }
        const sound::Pcm pcm = ReadWav();
        const std::vector<Burst> bursts = Bursts(pcm);
        // The voices in the order heard, from 30 ms looks along each burst (the reciter's aya and the
        // learner's may run together without a gap): a voice is two looks in a row that agree.
        std::vector<double> voices;
        for (size_t b = 0; b + 1 < bursts.size(); ++b) {
            double before = -1000;
            for (double t = bursts[b].start + 0.01; t + 0.04 <= bursts[b].end; t += 0.03) {
                const double hz = Frequency(pcm, t, t + 0.03);
                if (std::abs(hz - before) < 30 && (voices.empty() || std::abs(voices.back() - hz) > 60))
                    voices.push_back(hz);
                before = hz;
            }
        }
        const std::vector<double> expected = {400, 1100, 600, 1500};
        QVERIFY2(voices.size() == expected.size(), qPrintable(Describe(bursts)));
        for (size_t i = 0; i < voices.size(); ++i)
            QVERIFY2(std::abs(voices[i] - expected[i]) < 30,
                     qPrintable(QString("voice %1: %2 Hz; ").arg(i).arg(voices[i]) + Describe(bursts)));
        // Play Mine last: the learner's 250 ms at 1.25x, 200 ms.
        const Burst& last = bursts.back();
        QVERIFY2(std::abs(Frequency(pcm, last.start + 0.02, last.end - 0.02) - 1500) < 30,
                 qPrintable(Describe(bursts)));
        QVERIFY2(std::abs((last.end - last.start) - 0.2) < 0.04, qPrintable(Describe(bursts)));
    }

    void speedKeepsThePitch_data()
    {
        QTest::addColumn<double>("speed");
        QTest::newRow("0.75x") << 0.75;
        QTest::newRow("1.25x") << 1.25;
    }
    void speedKeepsThePitch()
    {
        QFETCH(double, speed);
        std::map<std::string, QByteArray> items;
        items["long.ogg"] = fixtures::ToneOgg(2000, {440.0}, 44100);
        QVERIFY(fixtures::WriteArchive(g_dir->filePath("speed.dat"), items));
        {
            MP3 player;
            player.SetRes(fixtures::OpenArchive(g_dir->filePath("speed.dat")));
            player.SetSpeed(speed);
            QSignalSpy done(&player, &MP3::Done);
            QSignalSpy positions(&player, &MP3::CurSoundPos);
            player.PlayAll("long.ogg");
            QVERIFY(fixtures::WaitFor([&] { return done.count() > 0; }, 6000));
            // Positions are in the recording's time: they reach its length, 2000 ms.
            QVERIFY(positions.count() > 5);
            QVERIFY(positions.last().at(0).toInt() <= 2000);
            fixtures::Idle(300);
        }
        const sound::Pcm pcm = ReadWav();
        const std::vector<Burst> bursts = Bursts(pcm);
        QVERIFY2(bursts.size() == 1, qPrintable(Describe(bursts)));
        const double expected = 2.0 / speed;
        QVERIFY2(std::abs((bursts[0].end - bursts[0].start) - expected) < expected * 0.02 + 0.02,
                 qPrintable(Describe(bursts)));
        // The pitch, over the middle half of the tone, away from its edges.
        const double quarter = (bursts[0].end - bursts[0].start) / 4;
        const double hz = Frequency(pcm, bursts[0].start + quarter, bursts[0].end - quarter);
        QVERIFY2(std::abs(hz - 440) <= 2, qPrintable(QString::number(hz) + " Hz; " + Describe(bursts)));
    }
};

int main(int argc, char** argv)
{
    QTemporaryDir dir;
    g_dir = &dir;
    // OpenAL Soft reads its configuration when it is first used: point it at the wave driver now.
    const QString conf = dir.filePath("alsoft.conf");
    QFile f(conf);
    if (!f.open(QIODevice::WriteOnly))
        return 1;
    f.write(QString("[general]\ndrivers = wave\nfrequency = 44100\nchannels = stereo\n[wave]\nfile = %1\n")
                .arg(WavPath())
                .toUtf8());
    f.close();
    qputenv("ALSOFT_CONF", conf.toUtf8());
    qputenv("ALSOFT_DRIVERS", "wave");
    QApplication app(argc, argv);
    // The wave driver writes nothing while the device is paused: keep it running through every silence
    // measured here.
    sound::SetIdlePause(std::chrono::hours(1));
    TestAudible test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_audible.moc"
