// SPDX-License-Identifier: GPL-3.0-or-later
// word-lag: how far the window's mark of the word heard lags behind the sound. An aya of ten words of
// 300 ms (a 3 s tone) is played five times over at each speed in the real window on the sound layer's
// output; each time the mark moves to a word is read against when that word's first sound was heard,
// as the sound layer's own reports of the heard position place it (the earliest report a pass, which
// no delivery delay can make early). Prints the median and 90th percentile lag by speed.
//   word-lag   (run with QT_QPA_PLATFORM=offscreen and a sound output; ALSOFT_DRIVERS=null will do)
#include "aya.h"
#include "percentile.h"
#include "recitation_session.h"
#include "varn.h"
#include "window_controls.h"
#include "window_helpers.h"
#include "workspace.h"

#include <QApplication>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>
#include <cstdio>

namespace
{

constexpr int kWords = 10, kWordMs = 300, kPasses = 5;

AyaWords TenWords()
{
    AyaWords words;
    for (int i = 0; i < kWords; ++i)
        words.push_back({QString("w%1").arg(i), QRect(270 - 30 * i, 0, 30, 60), i * kWordMs,
                         (i + 1) * kWordMs, WordTiming::Exact});
    return words;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Workspace ws;
    ws.Pack("quran/s104_s114.dat", 104, 114, kWords * kWordMs, {}, FormatAyaWords(TenWords()));
    ws.Write("config.ini", "0\n");
    std::printf("%-6s %10s %10s %6s\n", "speed", "median", "p90", "words");
    for (double speed : {1.0, 0.75, 1.25}) {
        Varn window;
        window.NewProfile("Bench");
        window.SetArabic("114.001");
        fixtures::C(window).repeatSpin->setValue(kPasses);
        fixtures::C(window).speedSpin->setValue(speed);
        Aya* view = fixtures::C(window).ayaView;
        QElapsedTimer clock;
        // Per pass: the earliest start the reports imply, and when each word was first marked.
        std::vector<double> passStart;
        std::vector<std::vector<double>> marked;
        int lastReport = -1;
        QObject::connect(window.Session(), &RecitationSession::SoundPosition, &window, [&](int ms) {
            if (window.Session()->CurrentAya() != "114.001")
                return;
            if (ms < lastReport || passStart.empty()) {
                passStart.push_back(1e18);
                marked.emplace_back(kWords, -1);
            }
            lastReport = ms;
            passStart.back() = std::min(passStart.back(), clock.nsecsElapsed() / 1e6 - ms / speed);
        });
        clock.start();
        fixtures::C(window).playButton->click();
        int shown = -1;
        while (clock.elapsed() < 30000 &&
               (passStart.empty() || window.Session()->CurrentAya() == "114.001")) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
            const int w = view->HeardWord();
            if (w >= 0 && w != shown && !marked.empty() && marked.back()[size_t(w)] < 0)
                marked.back()[size_t(w)] = clock.nsecsElapsed() / 1e6;
            shown = w;
        }
        window.StopAya();
        std::vector<double> lags;
        for (size_t p = 0; p < marked.size(); ++p)
            for (int w = 0; w < kWords; ++w)
                if (marked[p][size_t(w)] >= 0)
                    lags.push_back(marked[p][size_t(w)] - (passStart[p] + w * kWordMs / speed));
        std::printf("%-6.2f %7.1f ms %7.1f ms %6zu\n", speed, Percentile(lags, 0.5), Percentile(lags, 0.9),
                    lags.size());
    }
    return 0;
}
