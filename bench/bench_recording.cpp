// SPDX-License-Identifier: GPL-3.0-or-later
// Recording the learner: the CPU a take costs while the learner speaks, against parec recording the same
// input (the lower bound: a bare client of the sound server), and the time to build and draw both
// waveforms of a 30 s aya. The recording runs need the virtual microphone (scripts/virtual-mic start,
// PULSE_SERVER and VARNEL_TEST_MIC set as scripts/bench-recording sets them).
#include "capture.h"
#include "recorder.h"
#include "waveform.h"

#include <QApplication>
#include <QEventLoop>
#include <QImage>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <cmath>
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace
{

constexpr int kRate = 44100;
constexpr double kTakeSeconds = 3.0;

std::vector<float> Speechlike(double seconds, double pitch)
{
    std::vector<float> out(size_t(seconds * kRate));
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kRate;
        out[i] = float(0.3 * std::sin(2 * M_PI * (pitch + 40 * std::sin(t * 3)) * t) *
                       (0.6 + 0.4 * std::sin(t * 7)));
    }
    return out;
}

double CpuSeconds(const rusage& u)
{
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// A process that speaks into the virtual microphone in real time until it is killed: its CPU is
// nobody's under test.
pid_t StartSpeaking(const char* fifo)
{
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    const int fd = ::open(fifo, O_WRONLY | O_NONBLOCK);
    std::vector<int16_t> block(kRate / 50);
    for (size_t n = 0;; ++n) {
        for (size_t k = 0; k < block.size(); ++k)
            block[k] = int16_t(8000 * std::sin(2 * M_PI * 220 * double(n * block.size() + k) / kRate));
        if (fd >= 0 && ::write(fd, block.data(), block.size() * sizeof(int16_t)) < 0) {
        }
        usleep(20000);
    }
}

void StopProcess(pid_t pid, rusage* usage)
{
    kill(pid, SIGTERM);
    int status = 0;
    wait4(pid, &status, 0, usage);
}

const char* Fifo() { return getenv("VARNEL_TEST_MIC"); }

void BM_RecordCpu(benchmark::State& state)
{
    if (!Fifo() || sound::InputDevices().empty()) {
        state.SkipWithError("no virtual microphone: run scripts/bench-recording");
        return;
    }
    for (auto _ : state) {
        const pid_t speaker = StartSpeaking(Fifo());
        Recorder recorder;
        TakeRules rules;
        rules.endQuiet = rules.waitForVoice = rules.maxSeconds = 100;
        rusage before{}, after{};
        getrusage(RUSAGE_SELF, &before);
        recorder.Start(AyaRef{112, 1}, rules);
        QEventLoop loop;
        QTimer::singleShot(int(kTakeSeconds * 1000), &loop, &QEventLoop::quit);
        loop.exec();
        recorder.Cancel();
        getrusage(RUSAGE_SELF, &after);
        rusage ignored{};
        StopProcess(speaker, &ignored);
        state.counters["cpu_ms_per_s"] = (CpuSeconds(after) - CpuSeconds(before)) * 1000 / kTakeSeconds;
    }
}
BENCHMARK(BM_RecordCpu)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_ParecCpu(benchmark::State& state)
{
    if (!Fifo() || sound::InputDevices().empty()) {
        state.SkipWithError("no virtual microphone: run scripts/bench-recording");
        return;
    }
    for (auto _ : state) {
        const pid_t speaker = StartSpeaking(Fifo());
        const pid_t parec = fork();
        if (parec == 0) {
            const int null = ::open("/dev/null", O_WRONLY);
            dup2(null, 1);
            execlp("parec", "parec", "--raw", "--format=s16le", "--rate=44100", "--channels=1", "-d",
                   "varnel_mic", static_cast<char*>(nullptr));
            _exit(127);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(int(kTakeSeconds * 1000)));
        rusage usage{}, ignored{};
        StopProcess(parec, &usage);
        StopProcess(speaker, &ignored);
        state.counters["cpu_ms_per_s"] = CpuSeconds(usage) * 1000 / kTakeSeconds;
    }
}
BENCHMARK(BM_ParecCpu)->Iterations(1)->Unit(benchmark::kMillisecond);

// Both voices' peaks, built once from decoded samples: a 30 s aya and a 30 s take.
void BM_WaveformPeaks(benchmark::State& state)
{
    const std::vector<float> reciter = Speechlike(30, 180), learner = Speechlike(30, 220);
    for (auto _ : state) {
        WavePeaks a = WavePeaks::Build(reciter.data(), reciter.size(), 1, kRate);
        WavePeaks b = WavePeaks::Build(learner.data(), learner.size(), 1, kRate);
        benchmark::DoNotOptimize(a.Buckets() + b.Buckets());
    }
}
BENCHMARK(BM_WaveformPeaks)->Unit(benchmark::kMillisecond);

// Drawing both at the window's size, as every repaint does.
void BM_WaveformPaint(benchmark::State& state)
{
    const std::vector<float> reciter = Speechlike(30, 180), learner = Speechlike(30, 220);
    WaveformView view;
    view.resize(820, 130);
    view.SetVoices(WavePeaks::Build(reciter.data(), reciter.size(), 1, kRate),
                   WavePeaks::Build(learner.data(), learner.size(), 1, kRate));
    view.SetPosition(12.5, true);
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        view.render(&image);
}
BENCHMARK(BM_WaveformPaint)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("ALSOFT_DRIVERS", "pulse");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
