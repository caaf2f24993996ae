// SPDX-License-Identifier: GPL-3.0-or-later
// The sound layer on OpenAL Soft's null output (real-time mixing, no device).
#include "fixtures.h"
#include "sound.h"
#include "streaming.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <cmath>
#include <thread>

using namespace sound;

namespace
{

// A 16-bit PCM WAV whose header claims rate and channels, with dataBytes of silence after it.
QByteArray ClaimedWav(uint32_t rate, uint16_t channels, uint32_t dataBytes)
{
    QByteArray w;
    auto le32 = [&w](uint32_t v) {
        for (int i = 0; i < 4; ++i)
            w.append(char(v >> (8 * i)));
    };
    auto le16 = [&w](uint16_t v) {
        w.append(char(v));
        w.append(char(v >> 8));
    };
    w.append("RIFF");
    le32(36 + dataBytes);
    w.append("WAVEfmt ");
    le32(16);
    le16(1);
    le16(channels);
    le32(rate);
    le32(uint32_t(uint64_t(rate) * channels * 2));
    le16(uint16_t(channels * 2));
    le16(16);
    w.append("data");
    le32(dataBytes);
    w.append(QByteArray(int(dataBytes), '\0'));
    return w;
}

// The threads of this process now.
int Threads()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("Threads:"))
            return line.mid(8).trimmed().toInt();
    return -1;
}

void Sleep(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

std::unique_ptr<System> Started()
{
    std::unique_ptr<System> s;
    System::Create(&s);
    if (s->Init(8) != Ok)
        return nullptr;
    return s;
}

} // namespace

class TestSoundLayer : public QObject
{
    Q_OBJECT
  private slots:
    void init()
    {
        if (qEnvironmentVariable("ALSOFT_DRIVERS") == "none-such" &&
            QTest::currentTestFunction() != QByteArray("noOutputDevice"))
            QSKIP("this run checks the machine without output");
    }

    void errorTexts()
    {
        QCOMPARE(QString(ErrorString(12345)), QString("Unknown error."));
        QCOMPARE(QString(ErrorString(-1)), QString("Unknown error."));
        for (int r = ErrChannelStolen; r <= ErrTooLarge; ++r)
            QVERIFY(QString(ErrorString(r)) != "Unknown error.");
    }

    // A whole decode is brought down as it is read: eight channels at 96 kHz become two (the even ones
    // and the odd ones mixed) or one at 48 kHz; past the length asked for it stops, and gives nothing.
    void boundedDecode()
    {
        const int rate = 96000, channels = 8, frames = rate / 2;
        QByteArray wav = ClaimedWav(uint32_t(rate), uint16_t(channels), uint32_t(frames * channels * 2));
        auto* samples = reinterpret_cast<int16_t*>(wav.data() + 44);
        for (int f = 0; f < frames; ++f)
            for (int c = 0; c < channels; ++c)
                samples[f * channels + c] = c % 2 ? int16_t(-8192) : int16_t(16384);
        Pcm pcm;
        QCOMPARE(DecodeAll(wav.constData(), size_t(wav.size()), &pcm), Ok);
        QCOMPARE(pcm.rate, 48000);
        QCOMPARE(pcm.channels, 2);
        QCOMPARE(int(pcm.Frames()), frames / 2);
        QVERIFY(std::abs(pcm.samples[0] - 0.5f) < 1e-3f && std::abs(pcm.samples[1] + 0.25f) < 1e-3f);
        DecodeLimits mono;
        mono.maxChannels = 1;
        mono.maxRate = 16000;
        QCOMPARE(DecodeAll(wav.constData(), size_t(wav.size()), &pcm, mono), Ok);
        QCOMPARE(pcm.channels, 1);
        QCOMPARE(int(pcm.Frames()), 8000);
        QVERIFY(std::abs(pcm.samples[100] - 0.125f) < 1e-3f);
        DecodeLimits brief;
        brief.maxSeconds = 0.25;
        QCOMPARE(DecodeAll(wav.constData(), size_t(wav.size()), &pcm, brief), ErrTooLong);
        QVERIFY(pcm.samples.empty() && pcm.channels == 0);
        // Two minutes at 384 kHz in eight channels hold more samples than ten minutes of any aya: refused
        // as too large, not as too long.
        const QByteArray flood = ClaimedWav(384000, 8, uint32_t(120) * 384000 * 8 * 2);
        QCOMPARE(DecodeAll(flood.constData(), size_t(flood.size()), &pcm), ErrTooLarge);
        QVERIFY(QString(ErrorString(ErrTooLarge)).contains("too large"));
        QVERIFY(!QString(ErrorString(ErrTooLong)).contains("too large"));

        // A stream cut short: whatever length it claims, the length and the decode stay sane.
        Pcm tone;
        tone.rate = 22050;
        tone.channels = 1;
        for (int k = 0; k < tone.rate; ++k)
            tone.samples.push_back(float(0.3 * std::sin(k * 0.1)));
        std::vector<char> ogg;
        QCOMPARE(EncodeOggVorbis(tone, 0.4, &ogg), Ok);
        ogg.resize(ogg.size() * 6 / 10);
        // libsndfile cannot find the end of an Ogg stream cut short: it is refused alike by the length and
        // the decode, as no audio, and nothing is sized by what it claims.
        unsigned ms = 0;
        QCOMPARE(MeasureLength(ogg.data(), ogg.size(), &ms), ErrFormat);
        QCOMPARE(DecodeAll(ogg.data(), ogg.size(), &pcm), ErrFormat);
    }

    // Headers that claim absurd formats are refused before anything is sized by them.
    void absurdFormats_data()
    {
        QTest::addColumn<uint32_t>("rate");
        QTest::addColumn<int>("channels");
        QTest::addColumn<uint32_t>("dataBytes");
        QTest::addColumn<bool>("plays");
        QTest::newRow("2 GHz, 1024 channels") << 2000000000u << 1024 << 8192u << false;
        QTest::newRow("2 GHz, stereo") << 2000000000u << 2 << 8192u << false;
        QTest::newRow("384 kHz and 1 Hz more") << 384001u << 2 << 8192u << false;
        QTest::newRow("9 channels") << 48000u << 9 << 9u * 2 * 480 << false;
        QTest::newRow("no frames") << 48000u << 2 << 0u << false;
        QTest::newRow("384 kHz stereo") << 384000u << 2 << 4u * 38400 << true;
        QTest::newRow("8 channels") << 48000u << 8 << 16u * 4800 << true;
    }
    void absurdFormats()
    {
        QFETCH(uint32_t, rate);
        QFETCH(int, channels);
        QFETCH(uint32_t, dataBytes);
        QFETCH(bool, plays);
        const QByteArray wav = ClaimedWav(rate, uint16_t(channels), dataBytes);
        unsigned ms = 0;
        const Result measured = MeasureLength(wav.constData(), size_t(wav.size()), &ms);
        QCOMPARE(measured == Ok, plays);
        Pcm pcm;
        QCOMPARE(DecodeAll(wav.constData(), size_t(wav.size()), &pcm) == Ok, plays);
        if (!plays) {
            QVERIFY(measured == ErrUnsupported || measured == ErrFormat);
            return;
        }
        QCOMPARE(ms, 100u);
        auto s = Started();
        QVERIFY(s);
        SoundHandle sound = 0;
        QCOMPARE(s->CreateSound(wav.constData(), size_t(wav.size()), &sound), Ok);
        ChannelHandle ch = 0;
        QCOMPARE(s->PlaySound(sound, false, &ch), Ok);
        QVERIFY(fixtures::WaitFor(
            [&] {
                unsigned pos = 0;
                return s->GetPosition(ch, &pos) != Ok || pos >= 100;
            },
            3000));
    }

    void drivers()
    {
        auto s = Started();
        QVERIFY(s);
        int count = 0;
        QCOMPARE(s->GetNumDrivers(&count), Ok);
        QVERIFY(count >= 1);
        std::string name;
        QCOMPARE(s->GetDriverName(0, &name), Ok);
        QVERIFY(!name.empty());
        QCOMPARE(s->GetDriverName(count, &name), ErrInvalidParam);
        QCOMPARE(s->Init(8), ErrAlreadyInitialized);
    }

    void soundsFromBytes()
    {
        auto s = Started();
        QVERIFY(s);
        SoundHandle h = 0;
        const QByteArray junk(5000, 'x');
        QCOMPARE(s->CreateSound(junk.constData(), size_t(junk.size()), &h), ErrFormat);
        QCOMPARE(s->CreateSound(nullptr, 0, &h), ErrFormat);
        const QByteArray ogg = fixtures::ToneOgg(300);
        QCOMPARE(s->CreateSound(ogg.constData(), size_t(ogg.size()), &h), Ok);
        unsigned ms = 0;
        QCOMPARE(s->GetLength(h, &ms), Ok);
        QVERIFY2(ms >= 295 && ms <= 305, qPrintable(QString::number(ms)));
        QCOMPARE(MeasureLength(ogg.constData(), size_t(ogg.size()), &ms), Ok);
        QVERIFY(ms >= 295 && ms <= 305);
        QCOMPARE(s->ReleaseSound(h), Ok);
        QCOMPARE(s->GetLength(h, &ms), ErrInvalidHandle);
    }

    void playsToItsEnd()
    {
        auto s = Started();
        QVERIFY(s);
        const QByteArray ogg = fixtures::ToneOgg(400);
        SoundHandle h = 0;
        QCOMPARE(s->CreateSound(ogg.constData(), size_t(ogg.size()), &h), Ok);
        ChannelHandle c = 0;
        QCOMPARE(s->PlaySound(h, false, &c), Ok);
        unsigned first = 0, later = 0, length = 0;
        s->GetLength(h, &length);
        Sleep(150);
        QCOMPARE(s->GetPosition(c, &first), Ok);
        Sleep(120);
        QCOMPARE(s->GetPosition(c, &later), Ok);
        QVERIFY2(first > 50 && later > first, qPrintable(QString("%1 %2").arg(first).arg(later)));
        Sleep(500);
        unsigned end = 0;
        QCOMPARE(s->GetPosition(c, &end), Ok);
        QCOMPARE(end, length); // a finished sound reports its length, not 0
        bool playing = true;
        QCOMPARE(s->IsPlaying(c, &playing), Ok);
        QVERIFY(!playing);
        SoundHandle current = 0;
        QCOMPARE(s->GetCurrentSound(c, &current), Ok);
        QCOMPARE(current, h);
    }

    // What is reported is what is heard: a sound queued to follow is current, and positions start
    // again, only once the device has sounded the last frames of the one before, a latency after
    // the mixer moved on.
    void theSoundHeardLagsTheMixer()
    {
        auto s = Started();
        QVERIFY(s);
        const QByteArray first = fixtures::ToneOgg(300, {440.0}, 44100),
                         second = fixtures::ToneOgg(300, {660.0}, 44100);
        SoundHandle a = 0, b = 0;
        QCOMPARE(s->CreateSound(first.constData(), size_t(first.size()), &a), Ok);
        QCOMPARE(s->CreateSound(second.constData(), size_t(second.size()), &b), Ok);
        ChannelHandle c = 0;
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(s->PlaySound(a, false, &c), Ok);
        QCOMPARE(s->QueueNext(c, b, 0), Ok);
        unsigned latency = 0;
        Sleep(100);
        QCOMPARE(s->GetLatency(c, &latency), Ok);
        QVERIFY2(latency > 5 && latency < 1000, qPrintable(QString::number(latency)));
        SoundHandle current = a;
        unsigned position = 0, lastPosition = 0;
        while (current == a && clock.elapsed() < 2000) {
            lastPosition = position;
            s->GetPosition(c, &position);
            s->GetCurrentSound(c, &current);
            Sleep(1);
        }
        QCOMPARE(current, b);
        const qint64 switched = clock.elapsed();
        QVERIFY2(switched >= 300 + qint64(latency) - 25,
                 qPrintable(QString("after %1 ms, latency %2 ms").arg(switched).arg(latency)));
        QVERIFY2(lastPosition > 250, qPrintable(QString::number(lastPosition))); // the first ran to its end
        QVERIFY2(position < 60, qPrintable(QString::number(position)));
    }

    void seekPauseAndStop()
    {
        auto s = Started();
        QVERIFY(s);
        const QByteArray ogg = fixtures::ToneOgg(3000);
        SoundHandle h = 0;
        QCOMPARE(s->CreateSound(ogg.constData(), size_t(ogg.size()), &h), Ok);
        ChannelHandle c = 0;
        QCOMPARE(s->PlaySound(h, true, &c), Ok);
        unsigned pos = 99;
        Sleep(150);
        QCOMPARE(s->GetPosition(c, &pos), Ok);
        QCOMPARE(pos, 0u); // started paused
        QCOMPARE(s->SetPosition(c, 2000), Ok);
        QCOMPARE(s->GetPosition(c, &pos), Ok);
        QVERIFY(pos >= 2000 && pos < 2050);
        QCOMPARE(s->SetPaused(c, false), Ok);
        Sleep(200);
        QCOMPARE(s->GetPosition(c, &pos), Ok);
        QVERIFY2(pos > 2100, qPrintable(QString::number(pos)));
        QCOMPARE(s->SetPaused(c, true), Ok);
        unsigned held = 0;
        s->GetPosition(c, &held);
        Sleep(150);
        s->GetPosition(c, &pos);
        QVERIFY(pos - held < 30);
        QCOMPARE(s->SetPosition(c, 999999), ErrInvalidParam);

        QCOMPARE(s->Stop(c), Ok);
        QCOMPARE(s->GetPosition(c, &pos), ErrInvalidHandle);
        QCOMPARE(s->SetPaused(c, false), ErrInvalidHandle);
        QCOMPARE(s->Stop(c), ErrInvalidHandle);
        QCOMPARE(s->GetPosition(987654, &pos), ErrInvalidHandle);
    }

    void releasedSoundEndsItsChannels()
    {
        auto s = Started();
        QVERIFY(s);
        const QByteArray ogg = fixtures::ToneOgg(1000);
        SoundHandle h = 0;
        QCOMPARE(s->CreateSound(ogg.constData(), size_t(ogg.size()), &h), Ok);
        ChannelHandle c = 0;
        QCOMPARE(s->PlaySound(h, false, &c), Ok);
        QCOMPARE(s->ReleaseSound(h), Ok);
        unsigned pos = 0;
        QCOMPARE(s->GetPosition(c, &pos), ErrInvalidHandle);
        QCOMPARE(s->PlaySound(h, false, &c), ErrInvalidHandle);
    }

    void channelsAreStolenWhenAllAreBusy()
    {
        std::unique_ptr<System> s;
        System::Create(&s);
        QCOMPARE(s->Init(2), Ok);
        const QByteArray ogg = fixtures::ToneOgg(2000);
        SoundHandle h = 0;
        QCOMPARE(s->CreateSound(ogg.constData(), size_t(ogg.size()), &h), Ok);
        ChannelHandle a = 0, b = 0, c = 0;
        QCOMPARE(s->PlaySound(h, false, &a), Ok);
        QCOMPARE(s->PlaySound(h, false, &b), Ok);
        QCOMPARE(s->PlaySound(h, false, &c), Ok);
        unsigned pos = 0;
        QCOMPARE(s->GetPosition(a, &pos), ErrChannelStolen);
        QCOMPARE(s->GetPosition(c, &pos), Ok);
        QCOMPARE(s->Close(), Ok);
        QCOMPARE(s->GetPosition(c, &pos), ErrNotInitialized);
        QCOMPARE(s->Init(2), Ok); // a closed system starts again
    }

    void longSoundStartsAtOnce()
    {
        auto s = Started();
        QVERIFY(s);
        const QByteArray ogg = fixtures::ToneOgg(120000, {440.0}, 44100);
        SoundHandle h = 0;
        QCOMPARE(s->CreateSound(ogg.constData(), size_t(ogg.size()), &h), Ok);
        ChannelHandle c = 0;
        QCOMPARE(s->PlaySound(h, false, &c), Ok); // streams: no need to decode two minutes first
        QCOMPARE(s->SetPosition(c, 100000), Ok);
        Sleep(300);
        unsigned pos = 0;
        QCOMPARE(s->GetPosition(c, &pos), Ok);
        QVERIFY2(pos > 100150 && pos < 100600, qPrintable(QString::number(pos)));
    }

    // One device for every System, opened on the first play and released after a quiet while; one feeder
    // thread for all, asleep while nothing plays.
    void oneQuietSharedDevice()
    {
        SetIdleClose(std::chrono::milliseconds(250));
        QVERIFY(fixtures::WaitFor([] { return !OutputOpen(); }, 2000)); // what earlier tests left
        const int threadsBefore = Threads();
        std::vector<std::unique_ptr<System>> systems;
        for (int i = 0; i < 5; ++i) {
            systems.push_back(Started());
            QVERIFY(systems.back());
        }
        QVERIFY(!OutputOpen()); // listing and starting open nothing
        QVERIFY(Threads() - threadsBefore <= 1);
        const int opened = OutputOpenCount();
        const QByteArray tone = fixtures::ToneOgg(120);
        std::vector<ChannelHandle> channels;
        for (auto& s : systems) {
            SoundHandle sound = 0;
            ChannelHandle channel = 0;
            QCOMPARE(s->CreateSound(tone.constData(), size_t(tone.size()), &sound), Ok);
            QCOMPARE(s->PlaySound(sound, false, &channel), Ok);
            channels.push_back(channel);
        }
        QVERIFY(OutputOpen());
        QCOMPARE(OutputOpenCount(), opened + 1);
        // Every channel plays to its end on the one device.
        QVERIFY(fixtures::WaitFor(
            [&] {
                for (size_t i = 0; i < systems.size(); ++i) {
                    bool playing = true;
                    if (systems[i]->IsPlaying(channels[i], &playing) == Ok && playing)
                        return false;
                }
                return true;
            },
            3000));
        // Quiet: paused at once, released after the idle delay, and opened again for the next play.
        SetIdlePause(std::chrono::milliseconds(50));
        QVERIFY(fixtures::WaitFor([] { return !OutputOpen() || OutputPaused(); }, 200));
        QVERIFY(fixtures::WaitFor([] { return !OutputOpen(); }, 2000));
        SoundHandle sound = 0;
        ChannelHandle channel = 0;
        QCOMPARE(systems[0]->CreateSound(tone.constData(), size_t(tone.size()), &sound), Ok);
        QCOMPARE(systems[0]->PlaySound(sound, false, &channel), Ok);
        QVERIFY(OutputOpen());
        QCOMPARE(OutputOpenCount(), opened + 2);
        unsigned ms = 0;
        QVERIFY(fixtures::WaitFor([&] { return systems[0]->GetPosition(channel, &ms) == Ok && ms >= 120; },
                                  2000));
        // Paused while quiet, the device plays again at the next play, within its idle delay.
        SetIdleClose(std::chrono::milliseconds(5000));
        QVERIFY(fixtures::WaitFor([] { return OutputPaused(); }, 1000));
        QCOMPARE(systems[0]->PlaySound(sound, false, &channel), Ok);
        QVERIFY(!OutputPaused());
        QCOMPARE(OutputOpenCount(), opened + 2);
        QVERIFY(fixtures::WaitFor([&] { return systems[0]->GetPosition(channel, &ms) == Ok && ms >= 120; },
                                  2000));
        systems.clear();
        QVERIFY(!OutputOpen());
        SetIdleClose(std::chrono::milliseconds(30000));
    }

    // The devices asked for on a thread of its own, ahead of the players: a player made after finds
    // them known, and waits for the asking rather than asking again.
    void outputsPreparedAhead()
    {
        {
            const std::lock_guard<std::mutex> lock(detail::LayerMutex());
            detail::LastDriverNames().clear();
        }
        PrepareOutputs();
        PrepareOutputs(); // once a process
        std::unique_ptr<System> s;
        System::Create(&s);
        QCOMPARE(s->Init(8), Ok);
        const std::lock_guard<std::mutex> lock(detail::LayerMutex());
        QVERIFY(!detail::LastDriverNames().empty());
    }

    // Run by CTest a second time with ALSOFT_DRIVERS=none-such: a machine with no output at all.
    void noOutputDevice()
    {
        if (qEnvironmentVariable("ALSOFT_DRIVERS") != "none-such")
            QSKIP("needs ALSOFT_DRIVERS=none-such");
        std::unique_ptr<System> s;
        QCOMPARE(System::Create(&s), Ok);
        int count = -1;
        QCOMPARE(s->GetNumDrivers(&count), Ok);
        QCOMPARE(count, 0);
        const Result r = s->Init(32);
        QVERIFY(r == ErrNoDrivers || r == ErrOutputInit);
        const QByteArray ogg = fixtures::ToneOgg(100);
        SoundHandle h = 0;
        QCOMPARE(s->CreateSound(ogg.constData(), size_t(ogg.size()), &h), ErrNotInitialized);
        ChannelHandle c = 0;
        QCOMPARE(s->PlaySound(1, false, &c), ErrNotInitialized);
        unsigned ms = 0;
        QCOMPARE(MeasureLength(ogg.constData(), size_t(ogg.size()), &ms), Ok);
        // No device at one player's start is asked again at the next: one plugged in since is found.
        std::unique_ptr<System> again;
        System::Create(&again);
        QCOMPARE(again->Init(32), r);

        // The players that start together ask the sound server once: the devices the first found are
        // believed, and one gone since is found out when the output opens it, and told, at the play.
        {
            const std::lock_guard<std::mutex> lock(detail::LayerMutex());
            detail::LastDriverNames() = {"A speaker unplugged since"};
        }
        std::unique_ptr<System> trusting;
        System::Create(&trusting);
        QCOMPARE(trusting->Init(32), Ok);
        QCOMPARE(trusting->CreateSound(ogg.constData(), size_t(ogg.size()), &h), Ok);
        QCOMPARE(trusting->PlaySound(h, false, &c), ErrOutputInit);
        trusting.reset();
        const std::lock_guard<std::mutex> lock(detail::LayerMutex());
        detail::LastDriverNames().clear();
    }
};

QTEST_GUILESS_MAIN(TestSoundLayer)
#include "test_sound_layer.moc"
