// SPDX-License-Identifier: GPL-3.0-or-later
// Recording the learner: the take's rules on plain samples, and a whole take through a real input
// device. The device is a virtual microphone (scripts/virtual-mic): a PulseAudio pipe source, read
// through OpenAL Soft's pulse driver, that records what this test writes to its FIFO.
#include "capture.h"
#include "fixtures.h"
#include "learner_record.h"
#include "mic_writer.h"
#include "profile_file.h"
#include "recording_take.h"
#include "waveform.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <cerrno>
#include <cmath>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

namespace
{
constexpr int kRate = 44100;

// A voice-like sound: three partials under a slow swell, at amplitude up to 0.4.
std::vector<int16_t> Voice(double seconds)
{
    const size_t n = size_t(seconds * kRate);
    std::vector<int16_t> out(n);
    for (size_t k = 0; k < n; ++k) {
        const double t = double(k) / kRate;
        const double swell = std::sin(M_PI * t / seconds);
        const double v = 0.2 * std::sin(2 * M_PI * 220 * t) + 0.12 * std::sin(2 * M_PI * 330 * t + 1) +
                         0.08 * std::sin(2 * M_PI * 550 * t + 2);
        out[k] = int16_t(std::lround(32767 * v * swell));
    }
    return out;
}

std::vector<int16_t> Silence(double seconds) { return std::vector<int16_t>(size_t(seconds * kRate), 0); }

std::vector<int16_t> Joined(std::initializer_list<std::vector<int16_t>> parts)
{
    std::vector<int16_t> all;
    for (const auto& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

// The best normalised correlation of got against sent, over the shifts near where their sounds begin.
double Correlation(const std::vector<float>& got, const std::vector<int16_t>& sent)
{
    auto onset = [](auto begin, auto end, double scale) {
        for (auto it = begin; it != end; ++it)
            if (std::abs(double(*it) * scale) > 0.05)
                return long(it - begin);
        return -1L;
    };
    const long a = onset(got.begin(), got.end(), 1.0);
    const long b = onset(sent.begin(), sent.end(), 1.0 / 32768);
    if (a < 0 || b < 0)
        return 0;
    double best = 0;
    for (long shift = b - a - 400; shift <= b - a + 400; ++shift) {
        double xy = 0, xx = 0, yy = 0;
        for (long k = 0; k < long(got.size()); ++k) {
            const long j = k + shift;
            const double y = j >= 0 && j < long(sent.size()) ? sent[size_t(j)] / 32768.0 : 0.0;
            xy += got[size_t(k)] * y;
            xx += double(got[size_t(k)]) * got[size_t(k)];
            yy += y * y;
        }
        if (xx > 0 && yy > 0)
            best = std::max(best, xy / std::sqrt(xx * yy));
    }
    return best;
}

} // namespace

class TestRecording : public QObject
{
    Q_OBJECT
    QTemporaryDir dir_;

  private slots:
    // The take keeps the voice with a margin on each side, and ends on quiet after the voice, at the
    // cap, or when no voice comes; fed in any slices, it judges the same.
    void takeRules()
    {
        TakeRules rules;
        rules.endQuiet = 1.0;
        rules.waitForVoice = 2.0;
        rules.maxSeconds = 5.0;
        const std::vector<int16_t> all = Joined({Silence(0.7), Voice(0.8), Silence(1.2)});
        for (size_t slice : {size_t(1), size_t(441), size_t(5000), all.size()}) {
            RecordingTake take(rules);
            for (size_t k = 0; k < all.size() && !take.Done(); k += slice)
                take.Add(all.data() + k, std::min(slice, all.size() - k));
            QVERIFY(take.Done());
            QVERIFY(take.HeardVoice());
            const double kept = double(take.Trimmed().size()) / kRate;
            // The swell is below the voice level for its first and last ~25 ms.
            QVERIFY2(std::abs(kept - (0.8 + 2 * rules.margin)) < 0.1, qPrintable(QString::number(kept)));
        }
        RecordingTake quiet(rules);
        quiet.Add(Silence(1.9));
        QVERIFY(!quiet.Done());
        quiet.Add(Silence(0.2));
        QVERIFY(quiet.Done());
        QVERIFY(quiet.Trimmed().empty());

        RecordingTake endless(rules);
        endless.Add(Voice(7.0)); // more than the cap: only the cap is kept
        QVERIFY(endless.Done());
        QCOMPARE(endless.Seconds(), 5.0);
        QVERIFY(endless.Level() >= 0 && endless.Level() <= 1);
    }

    // A known sound written to the virtual microphone comes back in the learner's saved file: trimmed to
    // the voice, and alike (a correlation of at least 0.99).
    void throughTheMicrophone()
    {
        const QByteArray fifo = qgetenv("VARNEL_TEST_MIC");
        QVERIFY2(!fifo.isEmpty(), "VARNEL_TEST_MIC is not set: run scripts/virtual-mic start (ctest does)");
        QVERIFY2(!sound::InputDevices().empty(), "no input device: is the virtual microphone running?");

        const std::vector<int16_t> sent = Joined({Silence(0.5), Voice(0.8), Silence(2.0)});
        fixtures::DrainMic(fifo.toStdString());
        sound::Capture capture;
        QCOMPARE(capture.Start(), sound::Ok);
        QCOMPARE(capture.Start(), sound::ErrAlreadyInitialized);
        std::atomic<bool> quit{false};
        std::thread writer([&] {
            const int fd = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK);
            if (fd < 0)
                return;
            // In real time, 20 ms at a time, as a microphone gives it.
            const size_t step = kRate / 50;
            const auto start = std::chrono::steady_clock::now();
            size_t k = 0;
            while (k < sent.size() && !quit) {
                const ssize_t n =
                    ::write(fd, sent.data() + k, std::min(step, sent.size() - k) * sizeof(int16_t));
                if (n < 0 && errno != EAGAIN)
                    break;
                k += n > 0 ? size_t(n) / sizeof(int16_t) : 0;
                std::this_thread::sleep_until(start + std::chrono::milliseconds(20 * (k / step + 1)));
            }
            ::close(fd);
        });
        TakeRules rules;
        rules.endQuiet = 1.0;
        RecordingTake take(rules);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(8);
        while (!take.Done() && std::chrono::steady_clock::now() < deadline) {
            const std::vector<int16_t> got = capture.Take();
            take.Add(got);
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
        }
        capture.Stop();
        quit = true;
        writer.join();
        // Ended by the quiet after the voice, before the sound written was over.
        QVERIFY(take.Done());
        QVERIFY2(take.Seconds() < 2.8, qPrintable(QString::number(take.Seconds())));
        QVERIFY(!capture.Recording());

        QVERIFY(QDir(dir_.path()).mkpath("profiles"));
        const QString profile = dir_.filePath("profiles/Amina.varn");
        const QByteArray profileBytes = SerializeProfile(ProfileData{"Amina", {"108.001"}, "108.001", true});
        QVERIFY(fixtures::PutFile(profile, profileBytes));
        LearnerRecord record;
        record.Load(profile.toStdString());
        QSignalSpy changed(&record, &LearnerRecord::RecordingsChanged);
        sound::Pcm pcm;
        pcm.rate = capture.Rate();
        pcm.channels = 1;
        for (int16_t v : take.Trimmed())
            pcm.samples.push_back(float(v) / 32768.0f);
        std::string error;
        QVERIFY2(record.SaveRecording(108, 2, pcm, &error), error.c_str());
        QCOMPARE(changed.count(), 1);
        const QString file = dir_.filePath("profiles/Amina.recordings/108002.ogg");
        QVERIFY(QFile::exists(file));

        const QByteArray bytes = fixtures::ReadFile(file);
        sound::Pcm back;
        QCOMPARE(sound::DecodeAll(bytes.constData(), size_t(bytes.size()), &back), sound::Ok);
        QCOMPARE(back.rate, kRate);
        const double seconds = double(back.Frames()) / back.rate;
        QVERIFY2(std::abs(seconds - (0.8 + 2 * rules.margin)) < 0.1, qPrintable(QString::number(seconds)));
        const double r = Correlation(back.samples, sent);
        QVERIFY2(r >= 0.99, qPrintable(QString::number(r)));
        qInfo("correlation %.4f", r);

        // Another learner loaded from the same folder finds it; the profile keeps its bytes.
        LearnerRecord again;
        again.Load(profile.toStdString());
        QVERIFY(again.Recorded().Has(108, 2));
        QVERIFY(again.Recorded().Bytes(108, 2));
        QCOMPARE(fixtures::ReadFile(profile), profileBytes);
    }

    // The waveform's peaks: each bucket's lowest and highest sample, read back at any span; drawn only
    // where there is sound, on the shared time axis.
    // The learner's time on the reciter's axis: straight between the alignment's pairs, on past its ends
    // at the same pace, and back again; a stretch the reciter stands still for goes to one place.
    void timeOnTheReciterAxis()
    {
        const TimeMap none;
        QCOMPARE(none.Own(1.5), 1.5);
        QCOMPARE(none.Axis(1.5), 1.5);
        const TimeMap map({{0.5, 0.2}, {1.0, 1.2}, {1.5, 1.3}, {1.5, 1.9}, {2.0, 2.4}});
        QCOMPARE(map.Own(0.75), 0.7);
        QCOMPARE(map.Own(0.4), 0.1);
        QCOMPARE(map.Own(2.5), 2.9);
        QCOMPARE(map.Axis(0.7), 0.75);
        QCOMPARE(map.Axis(1.6), 1.5); // held still: the learner's 1.3 to 1.9 s all lie at 1.5 s
        QCOMPARE(map.Axis(3.0), 2.6);
        for (double t = 0; t < 2.4; t += 0.05) {
            QVERIFY(map.Own(t + 0.05) >= map.Own(t));
            QVERIFY(map.Axis(t + 0.05) >= map.Axis(t));
        }
    }

    void waveformPeaks()
    {
        std::vector<float> samples(size_t(kRate), 0.0f); // 0.5 s of a 0.5 tone, then 0.5 s of silence
        for (size_t k = 0; k < samples.size() / 2; ++k)
            samples[k] = float(0.5 * std::sin(2 * M_PI * 200 * double(k) / kRate));
        const WavePeaks peaks = WavePeaks::Build(samples.data(), samples.size(), 1, kRate);
        QCOMPARE(peaks.Buckets(), size_t(WavePeaks::kBucketsPerSecond));
        QCOMPARE(peaks.Seconds(), 1.0);
        float low = 0, high = 0;
        peaks.Range(0.1, 0.2, &low, &high);
        QVERIFY(std::abs(high - 0.5f) < 0.01f && std::abs(low + 0.5f) < 0.01f);
        peaks.Range(0.6, 0.9, &low, &high);
        QCOMPARE(high, 0.0f);
        peaks.Range(5, 6, &low, &high); // past the end
        QCOMPARE(high, 0.0f);
        QVERIFY(WavePeaks::Build(nullptr, 0, 1, kRate).Empty());

        // Drawn across a span of 2 s: the sound fills the first quarter of the width, and no more.
        QImage image(400, 100, QImage::Format_ARGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            PaintWave(painter, QRectF(0, 0, 400, 100), peaks, 2.0, Qt::black);
        }
        auto inked = [&](int x) {
            int n = 0;
            for (int y = 0; y < 100; ++y)
                n += qGray(image.pixel(x, y)) < 128;
            return n;
        };
        QVERIFY(inked(50) > 40);  // ±0.5 of a half-height of 50: about 50 pixels
        QVERIFY(inked(150) <= 2); // silence: the middle line only
        QVERIFY(inked(300) <= 2); // past the sound
    }

    // Kept, listed from the folder, deleted one or all; a file that is not a recording is left alone.
    void keptAndRemoved()
    {
        QTemporaryDir dir;
        const std::string profile = dir.filePath("profiles/Bilal.varn").toStdString();
        LearnerRecord record;
        record.Load(profile);
        QVERIFY(record.Recorded().All().empty());
        sound::Pcm pcm;
        pcm.rate = kRate;
        pcm.channels = 1;
        for (int16_t v : Voice(0.3))
            pcm.samples.push_back(float(v) / 32768.0f);
        std::string error;
        QVERIFY2(record.SaveRecording(1, 1, pcm, &error), error.c_str());
        QVERIFY(record.SaveRecording(1, 7, pcm, &error));
        QVERIFY(record.SaveRecording(114, 6, pcm, &error));
        QVERIFY(fixtures::PutFile(dir.filePath("profiles/Bilal.recordings/notes.ogg"), "mine"));
        QVERIFY(fixtures::PutFile(dir.filePath("profiles/Bilal.recordings/001008.ogg"), "no such aya"));

        // The last check's match is kept beside the recordings, and forgotten by a new take.
        QVERIFY(record.NoteCheck(1, 1, true, &error) && record.NoteCheck(114, 6, true, &error));
        QVERIFY(record.SaveRecording(114, 6, pcm, &error));
        QVERIFY(fixtures::PutFile(dir.filePath("profiles/Bilal.recordings/damaged.txt"), "x"));

        LearnerRecord reloaded;
        reloaded.Load(profile);
        QCOMPARE(reloaded.Recorded().All(), (std::set<Recordings::Aya>{{1, 1}, {1, 7}, {114, 6}}));
        QCOMPARE(reloaded.Recorded().AllMatched(), (std::set<Recordings::Aya>{{1, 1}}));
        // The matched take a new one replaced is kept as the previous, with its mark, and comes back; the
        // one it replaces is kept in turn.
        QVERIFY(reloaded.Recorded().HasPrevious(114, 6) && reloaded.Recorded().PreviousMatched(114, 6));
        QVERIFY(!reloaded.Recorded().HasPrevious(1, 7));
        QVERIFY(reloaded.BringBackPreviousTake(114, 6, &error));
        QVERIFY(reloaded.Recorded().Matched(114, 6) && !reloaded.Recorded().PreviousMatched(114, 6));
        QVERIFY(reloaded.Recorded().HasPrevious(114, 6));
        QVERIFY(reloaded.RemoveRecording(1, 1, &error));
        QVERIFY(!reloaded.Recorded().Matched(1, 1));
        QVERIFY(reloaded.SaveRecording(1, 1, pcm, &error));
        QVERIFY(reloaded.RemoveRecording(1, 7, &error));
        QVERIFY(!reloaded.Recorded().Has(1, 7));
        QVERIFY(!QFile::exists(dir.filePath("profiles/Bilal.recordings/001007.ogg")));
        QVERIFY(reloaded.RemoveAllRecordings(&error));
        QVERIFY(reloaded.Recorded().All().empty());
        QVERIFY(QFile::exists(dir.filePath("profiles/Bilal.recordings/notes.ogg")));
        QVERIFY(!QFile::exists(dir.filePath("profiles/Bilal.recordings/114006.ogg")));
        QVERIFY(!QFile::exists(dir.filePath("profiles/Bilal.recordings/114006.previous.ogg")));

        int sura = 0, aya = 0;
        QVERIFY(Recordings::ParseFileName("002255.ogg", &sura, &aya));
        QCOMPARE(sura * 1000 + aya, 2255);
        for (const char* bad :
             {"002286.og", "115001.ogg", "000001.ogg", "002287.ogg", "00225a.ogg", "2255.ogg"})
            QVERIFY2(!Recordings::ParseFileName(bad, &sura, &aya), bad);
    }
};

int main(int argc, char** argv)
{
    // The virtual microphone is a PulseAudio source; playback is not heard here.
    qputenv("ALSOFT_DRIVERS", "pulse");
    QGuiApplication app(argc, argv);
    TestRecording test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_recording.moc"
