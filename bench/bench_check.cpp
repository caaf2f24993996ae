// SPDX-License-Identifier: GPL-3.0-or-later
// The check of a 30 s aya: espeak-ng says a long aya in the reciter's voice and in another, and the two
// are decoded, turned into features and aligned. CPU time per check, as the learner waits for it.
#include "recitation_check.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace
{

// Ayat al-Kursi (2:255), about 30 s in espeak-ng's voice at 115 words a minute.
const char* const kLongAya =
    "الله لا إله إلا هو الحي القيوم لا تأخذه سنة ولا نوم له ما في السماوات وما في الأرض من ذا الذي يشفع "
    "عنده إلا بإذنه يعلم ما بين أيديهم وما خلفهم ولا يحيطون بشيء من علمه إلا بما شاء وسع كرسيه السماوات "
    "والأرض ولا يئوده حفظهما وهو العلي العظيم";

std::vector<char> Spoken(const QStringList& voice)
{
    QTemporaryDir dir;
    QProcess espeak;
    espeak.start("espeak-ng", QStringList(voice) << "-w" << dir.filePath("a.wav") << QString::fromUtf8(kLongAya));
    espeak.waitForFinished(60000);
    QFile f(dir.filePath("a.wav"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = f.readAll();
    return std::vector<char>(bytes.begin(), bytes.end());
}

void CheckLongAya(benchmark::State& state)
{
    const std::vector<char> reference = Spoken({"-v", "ar", "-s", "115", "-p", "45"});
    const std::vector<char> learner = Spoken({"-v", "ar+m3", "-s", "120", "-p", "35"});
    if (reference.empty() || learner.empty()) {
        state.SkipWithError("espeak-ng is not installed");
        return;
    }
    listen::CheckResult result;
    std::string error;
    for (auto _ : state)
        benchmark::DoNotOptimize(listen::Check(reference, learner, &result, &error));
    state.counters["reference_s"] = double(result.path.empty() ? 0 : result.path.back().first);
    state.counters["verdict_match"] = result.verdict == listen::Verdict::Match;
}
BENCHMARK(CheckLongAya)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

} // namespace

BENCHMARK_MAIN();
