// SPDX-License-Identifier: GPL-3.0-or-later
// The sound layer: time from PlaySound to queued audio, and the memory a playing sound takes beyond its
// encoded bytes, for 5 s, 60 s and 240 s recordings; the length query; CPU use while playing.
#include "core_share.h"
#include "mp3.h"
#include "sound.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>
#include <malloc.h>
#include <sys/resource.h>
#include <thread>

namespace
{

std::vector<char> Speechlike(int seconds)
{
    sound::Pcm pcm;
    pcm.rate = 44100;
    pcm.channels = 1;
    pcm.samples.resize(size_t(pcm.rate) * size_t(seconds));
    for (size_t i = 0; i < pcm.samples.size(); ++i) {
        const double t = double(i) / pcm.rate;
        pcm.samples[i] = float(0.3 * std::sin(2 * M_PI * (180 + 40 * std::sin(t * 3)) * t) *
                               (0.6 + 0.4 * std::sin(t * 7)));
    }
    std::vector<char> ogg;
    sound::EncodeOggVorbis(pcm, 0.3, &ogg);
    return ogg;
}

const std::vector<char>& Recording(int seconds)
{
    static std::map<int, std::vector<char>> cache;
    if (!cache.count(seconds))
        cache[seconds] = Speechlike(seconds);
    return cache[seconds];
}

void BM_PlayToFirstAudio(benchmark::State& state)
{
    const std::vector<char>& ogg = Recording(int(state.range(0)));
    std::unique_ptr<sound::System> system;
    sound::System::Create(&system);
    system->Init(32);
    sound::SoundHandle sound = 0;
    system->CreateSound(ogg.data(), ogg.size(), &sound);
    size_t extra = 0;
    for (auto _ : state) {
        const size_t before = mallinfo2().uordblks;
        sound::ChannelHandle channel = 0;
        system->PlaySound(sound, false, &channel); // returns with the first audio queued and playing
        state.PauseTiming();
        extra = std::max(extra, mallinfo2().uordblks - before);
        system->Stop(channel);
        state.ResumeTiming();
    }
    state.counters["encoded_KB"] = double(ogg.size()) / 1024;
    state.counters["extra_KB"] = double(extra) / 1024;
}
BENCHMARK(BM_PlayToFirstAudio)->Arg(5)->Arg(60)->Arg(240)->Unit(benchmark::kMillisecond);

void BM_CreateSound(benchmark::State& state)
{
    const std::vector<char>& ogg = Recording(int(state.range(0)));
    std::unique_ptr<sound::System> system;
    sound::System::Create(&system);
    system->Init(32);
    for (auto _ : state) {
        sound::SoundHandle sound = 0;
        system->CreateSound(ogg.data(), ogg.size(), &sound);
        state.PauseTiming();
        system->ReleaseSound(sound);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CreateSound)->Arg(5)->Arg(240)->Unit(benchmark::kMillisecond);

void BM_GetLength(benchmark::State& state)
{
    const std::vector<char>& ogg = Recording(int(state.range(0)));
    for (auto _ : state) {
        unsigned ms = 0;
        sound::MeasureLength(ogg.data(), ogg.size(), &ms);
        benchmark::DoNotOptimize(ms);
    }
}
BENCHMARK(BM_GetLength)->Arg(5)->Arg(240)->Unit(benchmark::kMicrosecond);

// CPU seconds per wall second while one sound streams.
void BM_CpuWhilePlaying(benchmark::State& state)
{
    const std::vector<char>& ogg = Recording(60);
    std::unique_ptr<sound::System> system;
    sound::System::Create(&system);
    system->Init(32);
    sound::SoundHandle sound = 0;
    system->CreateSound(ogg.data(), ogg.size(), &sound);
    double share = 0;
    for (auto _ : state) {
        sound::ChannelHandle channel = 0;
        system->PlaySound(sound, false, &channel);
        share = CoreShareWhileWaiting(std::chrono::seconds(2));
        system->Stop(channel);
    }
    state.counters["cpu_percent"] = share * 100;
}
BENCHMARK(BM_CpuWhilePlaying)->Iterations(2)->Unit(benchmark::kSecond);

// Context switches of every thread of the process so far, ended ones included: each is a wake-up.
long WakeUps()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_nvcsw + usage.ru_nivcsw;
}

// Wake-ups a second of the whole process in the seconds after Stop, while the shared device is still
// open (paused after a second of quiet, closed after its idle delay). Target: under 10 a second.
void BM_WakeUpsAfterStop(benchmark::State& state)
{
    const std::vector<char>& ogg = Recording(5);
    std::unique_ptr<sound::System> system;
    sound::System::Create(&system);
    system->Init(32);
    sound::SoundHandle sound = 0;
    system->CreateSound(ogg.data(), ogg.size(), &sound);
    double rate = 0;
    for (auto _ : state) {
        sound::ChannelHandle channel = 0;
        system->PlaySound(sound, false, &channel);
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        system->Stop(channel);
        std::this_thread::sleep_for(std::chrono::milliseconds(200)); // the feeder notices
        const long before = WakeUps();
        const auto start = std::chrono::steady_clock::now();
        std::this_thread::sleep_for(std::chrono::seconds(state.range(0)));
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        rate = double(WakeUps() - before) / wall;
    }
    state.counters["device_open"] = sound::OutputOpen();
    state.counters["wakeups_per_s"] = rate;
}
BENCHMARK(BM_WakeUpsAfterStop)->Arg(29)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qgetenv("ALSOFT_DRIVERS").isEmpty())
        qputenv("ALSOFT_DRIVERS", "null");
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
