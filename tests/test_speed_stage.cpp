// SPDX-License-Identifier: GPL-3.0-or-later
// The speed stage of the streaming path on its own, fed from memory: no device, no thread.
#include "stretch.h"

#include <QTest>
#include <algorithm>
#include <cmath>

using namespace sound;

namespace
{

// Zero crossings a second over frames [from, to) of a mono signal, halved: the frequency of a tone.
double CrossingHz(const std::vector<int16_t>& x, size_t from, size_t to, int rate)
{
    int crossings = 0;
    for (size_t i = from + 1; i < to && i < x.size(); ++i)
        crossings += (x[i - 1] < 0) != (x[i] < 0);
    return crossings / 2.0 / (double(to - from) / rate);
}

} // namespace

class TestSpeedStage : public QObject
{
    Q_OBJECT
  private slots:
    // The speed stage on its own: 0.3 s of silence, 0.3 s at 440 Hz, 0.3 s at 660 Hz (a segment marked at
    // its start) come out at 1/speed of their length each, where the speed puts them, at their pitch;
    // the read stops where the marked segment begins, and the end is the input's length at that speed.
    void theSpeedStagePlacesEachPart_data()
    {
        QTest::addColumn<int>("engine");
        QTest::addColumn<double>("speed");
        for (double speed : {0.5, 0.75, 1.25, 1.5})
            QTest::newRow(qPrintable(QString("SoundTouch %1x").arg(speed)))
                << int(Stretch::Engine::SoundTouch) << speed;
        QTest::newRow("Rubber Band R3 0.75x") << int(Stretch::Engine::Finer) << 0.75;
    }
    void theSpeedStagePlacesEachPart()
    {
        QFETCH(int, engine);
        QFETCH(double, speed);
        if (!Stretch::Available(Stretch::Engine(engine)))
            QSKIP("the stretcher's library is not installed");
        constexpr int rate = 22050;
        const size_t part = size_t(0.3 * rate);
        std::vector<int16_t> in(3 * part, 0);
        for (size_t i = 0; i < part; ++i) {
            in[part + i] = int16_t(16000 * std::sin(2 * M_PI * 440 * double(i) / rate));
            in[2 * part + i] = int16_t(16000 * std::sin(2 * M_PI * 660 * double(i) / rate));
        }
        Stretch stage(rate, 1, speed, Stretch::Engine(engine));
        stage.Mark(int64_t(2 * part));
        size_t given = 0;
        const Stretch::Source source = [&](int16_t* to, size_t n, bool* ended) {
            n = std::min(n, in.size() - given);
            std::copy_n(in.begin() + long(given), n, to);
            given += n;
            *ended = given == in.size();
            return n;
        };
        std::vector<int16_t> out(in.size() * 3);
        size_t firstSegment = 0, total = 0;
        for (size_t got = 1; got > 0;) {
            got = stage.Read(source, out.data() + total, 700);
            total += got;
            if (stage.MarksPassed() == 0)
                firstSegment = total;
        }
        out.resize(total);
        const auto at = [&](double seconds) { return size_t(std::lround(seconds * rate / speed)); };
        QCOMPARE(total, at(0.9));
        QCOMPARE(firstSegment, at(0.6));
        QCOMPARE(stage.OutputFrames(), int64_t(total));
        // The tone begins where the speed puts it, within one of the pieces the stretcher places (40 ms).
        const size_t onset = size_t(
            std::find_if(out.begin(), out.end(), [](int16_t v) { return std::abs(v) > 1600; }) - out.begin());
        QVERIFY2(std::abs(double(onset) - double(at(0.3))) <= 0.040 * rate,
                 qPrintable(QString("onset at %1 s").arg(double(onset) / rate)));
        // Each tone at its own pitch over its middle, away from the joins.
        QVERIFY(std::abs(CrossingHz(out, at(0.35), at(0.55), rate) - 440) < 440 * 0.02);
        QVERIFY(std::abs(CrossingHz(out, at(0.65), at(0.85), rate) - 660) < 660 * 0.02);
    }
};

QTEST_GUILESS_MAIN(TestSpeedStage)
#include "test_speed_stage.moc"
