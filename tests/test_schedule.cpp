// SPDX-License-Identifier: GPL-3.0-or-later
// The play schedule's rules in virtual time: repeats, pauses, ranges, stops, in microseconds of real time.
#include "play_schedule.h"

#include <QTest>
#include <array>
#include <optional>

namespace
{

// A clock, timers and a sound that exist only in the test. Positions advance with the virtual clock
// while the sound plays; a paused sound holds its place.
class VirtualHost : public ScheduleHost
{
  public:
    explicit VirtualHost(unsigned lengthMs) : length_(lengthMs) {}

    PlaySchedule schedule{this};
    QStringList events; // "265 restart", "1265 unpause", "2530 done" ...

    // A new request, as the player makes one: the sound starts at start ms (a range's start).
    void Request(unsigned startMs = 0)
    {
        schedule.Begin();
        schedule.Started();
        playing_ = true;
        paused_ = false;
        offset_ = startMs;
        startedAt_ = now_;
    }

    // Runs the clock until until ms, firing every timer that falls due.
    void RunUntil(long until)
    {
        for (;;) {
            std::optional<long> next;
            int which = -1;
            for (int t = 0; t < TimerCount; ++t)
                if (timers_[t].active && (!next || timers_[t].due < *next)) {
                    next = timers_[t].due;
                    which = t;
                }
            if (!next || *next > until)
                break;
            now_ = *next;
            Timer& t = timers_[which];
            if (which == EndCheck)
                t.active = false;
            else
                t.due += t.interval;
            if (which == Tick || which == EndCheck) {
                if (which == EndCheck && !timers_[Tick].active)
                    continue;
                schedule.OnPosition(Position(), length_, playing_);
            } else {
                schedule.OnTimer(ScheduleHost::Timer(which));
            }
        }
        now_ = until;
    }
    long Now() const { return now_; }

  private:
    struct Timer {
        bool active = false;
        long due = 0;
        int interval = 0;
    };
    unsigned Position() const
    {
        if (!playing_)
            return 0;
        const long heard = paused_ ? 0 : now_ - startedAt_;
        return unsigned(std::min<long>(long(length_), long(offset_) + heard));
    }
    void Log(const char* what) { events << QString("%1 %2").arg(now_).arg(what); }

    void StartTimer(ScheduleHost::Timer timer, int ms) override { timers_[timer] = {true, now_ + ms, ms}; }
    void StopTimer(ScheduleHost::Timer timer) override { timers_[timer].active = false; }
    bool TimerActive(ScheduleHost::Timer timer) const override { return timers_[timer].active; }
    void RestartSound(bool paused) override
    {
        playing_ = true;
        paused_ = paused;
        offset_ = 0;
        startedAt_ = now_;
        Log(paused ? "restart paused" : "restart");
    }
    void UnpauseSound() override
    {
        if (paused_) {
            paused_ = false;
            startedAt_ = now_;
        }
        Log("unpause");
    }
    void StopSound() override { playing_ = false; }
    void Finished(bool range) override { Log(range ? "doneR" : "done"); }
    void Pausing(bool on, int ms) override
    {
        if (logPauses)
            Log(on ? qPrintable(QString("pause %1").arg(ms)) : "pause off");
    }

  public:
    bool logPauses = false;

  private:
    unsigned length_;
    long now_ = 0;
    long startedAt_ = 0;
    unsigned offset_ = 0;
    bool playing_ = false;
    bool paused_ = false;
    std::array<Timer, TimerCount> timers_{};
};

} // namespace

class TestSchedule : public QObject
{
    Q_OBJECT

  private slots:
    // Each repetition follows the end at once: the extra look comes 15 ms after the expected end.
    void repeatsWithoutPause()
    {
        VirtualHost host(250);
        host.schedule.SetRepeat(3);
        host.Request();
        host.RunUntil(5000);
        QCOMPARE(host.events, QStringList({"265 restart", "530 restart", "795 done"}));
        QVERIFY(!host.schedule.Busy());
        QVERIFY(host.schedule.Stopped());
        QCOMPARE(PlaySchedule::PlayCounter(), 0);
    }

    // A pause before each repetition, and one after the last before the request is done.
    void repeatsWithPauses()
    {
        VirtualHost host(250);
        host.schedule.SetRepeat(2);
        host.schedule.SetPauseTime(1);
        host.schedule.SetPauseEnabled(true);
        host.Request();
        host.RunUntil(10000);
        QCOMPARE(host.events,
                 QStringList({"265 restart paused", "1265 unpause", "1530 restart paused", "2530 done"}));
    }

    void endlessRepeats()
    {
        VirtualHost host(250);
        host.schedule.SetRepeat(0);
        host.Request();
        host.RunUntil(10000);
        QVERIFY(host.events.size() >= 35);
        QVERIFY(!host.events.join(' ').contains("done"));
        QVERIFY(host.schedule.Busy());
    }

    void rangeEndsAtItsEnd_data()
    {
        QTest::addColumn<int>("pause");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("no pause") << 0 << QStringList({"100 doneR"});
        QTest::newRow("2 s pause") << 2 << QStringList({"2100 doneR"});
        QTest::newRow("an end between ticks") << -1 << QStringList({"150 doneR"});
        // A part marked on a longer recording: the pass ends with the sound, 900 ms after its start.
        QTest::newRow("an end beyond the sound") << -2 << QStringList({"900 doneR"});
    }
    void rangeEndsAtItsEnd()
    {
        QFETCH(int, pause);
        QFETCH(QStringList, events);
        VirtualHost host(1000);
        host.schedule.SetRangeMode(true);
        // 250: its end falls between two ticks; 5000: beyond the sound's end
        host.schedule.SetRange(100, pause == -1 ? 250 : pause == -2 ? 5000 : 200);
        host.schedule.SetPauseTime(std::max(pause, 0));
        host.schedule.SetPauseEnabled(pause > 0);
        host.Request(100);
        host.RunUntil(10000);
        QCOMPARE(host.events, events);
        QVERIFY(!host.schedule.Busy());
    }

    // A stopped request stays stopped: its pending pause never ends in done; a new request cancels
    // what the previous one had pending.
    void stopsAndNewRequests()
    {
        VirtualHost host(250);
        host.schedule.SetRepeat(1);
        host.schedule.SetPauseTime(3);
        host.schedule.SetPauseEnabled(true);
        host.Request();
        host.RunUntil(600); // in the pause after the only play
        QVERIFY(host.schedule.Busy());
        host.schedule.Stop();
        host.RunUntil(10000);
        QCOMPARE(host.events, QStringList({"265 restart paused"}));
        QVERIFY(!host.schedule.Busy());

        host.events.clear();
        host.Request();
        host.RunUntil(10600);
        host.Request(); // again, in the pause
        host.RunUntil(20000);
        QCOMPARE(host.events, QStringList({"10265 restart paused", "10865 restart paused", "13865 done"}));
    }

    // Pauses as long as the aya (or the part) itself, and the pause's start and end reported.
    void proportionalPauses()
    {
        VirtualHost host(800);
        host.logPauses = true;
        host.schedule.SetRepeat(2);
        host.schedule.SetPauseFactor(1.0);
        host.Request();
        host.RunUntil(10000);
        QCOMPARE(host.events,
                 QStringList({"800 restart paused", "800 pause 800", "1600 pause off", "1600 unpause",
                              "2400 restart paused", "2400 pause 800", "3200 pause off", "3200 done"}));

        VirtualHost part(1000);
        part.logPauses = true;
        part.schedule.SetRangeMode(true);
        part.schedule.SetRange(100, 300);
        part.schedule.SetPauseFactor(2.0);
        part.Request(100);
        part.RunUntil(5000);
        QCOMPARE(part.events, QStringList({"200 pause 400", "600 pause off", "600 doneR"}));

        // A stop in the pause ends it; a factor of 0 goes back to the seconds.
        VirtualHost stopped(300);
        stopped.logPauses = true;
        stopped.schedule.SetPauseFactor(1.5);
        stopped.Request();
        stopped.RunUntil(400);
        stopped.schedule.Stop();
        QCOMPARE(stopped.events, QStringList({"300 restart paused", "300 pause 450", "400 pause off"}));
        stopped.schedule.SetPauseFactor(0);
        QVERIFY(!stopped.schedule.PauseEnabled());
        QCOMPARE(stopped.schedule.PauseFactor(), 0.0);
    }

    void rangeBounds()
    {
        VirtualHost host(100);
        host.schedule.SetRange(-5, -1);
        QCOMPARE(host.schedule.RangeStart(), 0u);
        QCOMPARE(host.schedule.RangeEnd(), 0u);
    }
};

QTEST_GUILESS_MAIN(TestSchedule)
#include "test_schedule.moc"
