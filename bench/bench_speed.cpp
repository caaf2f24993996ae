// SPDX-License-Identifier: GPL-3.0-or-later
// Playback speed: the CPU the speed stage costs per second of recitation with SoundTouch (the player's)
// against Rubber Band's R3 ("finer") and R2 ("faster"), at 0.75x and 1.25x; and the time to the first
// 100 ms of audio at 0.75x against the bypassed 1.0x. The recitation is the demo's sura 78
// (build/demo, synthetic speech) when it is there, else a speech-like tone.
#include "core_share.h"
#include "decoder.h"
#include "kelres.h"
#include "naming.h"
#include "sound.h"
#include "stretch.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace
{

// About 20 s of recitation as one block of 16-bit mono WAV bytes.
std::shared_ptr<const std::vector<char>> Recitation()
{
    static std::shared_ptr<const std::vector<char>> bytes = [] {
        sound::Pcm all;
        KelRes pack;
        if (pack.Open("build/demo/quran/s078_s114.dat"))
            for (int aya = 1; aya <= 40 && all.Frames() < size_t(20 * 22050); ++aya) {
                const QByteArray ogg = pack.Extract(SoundName(AyaKey("078", aya)));
                sound::Pcm pcm;
                if (sound::DecodeAll(ogg.constData(), size_t(ogg.size()), &pcm) != sound::Ok ||
                    pcm.channels != 1)
                    continue;
                all.rate = pcm.rate;
                all.channels = 1;
                all.samples.insert(all.samples.end(), pcm.samples.begin(), pcm.samples.end());
            }
        if (all.samples.empty()) {
            all.rate = 22050;
            all.channels = 1;
            for (int i = 0; i < 20 * 22050; ++i) {
                const double t = i / 22050.0;
                all.samples.push_back(float(0.3 * std::sin(2 * M_PI * (180 + 40 * std::sin(t * 3)) * t)));
            }
        }
        std::vector<char> wav;
        sound::EncodeWav(all, &wav);
        return std::make_shared<const std::vector<char>>(std::move(wav));
    }();
    return bytes;
}

double AudioSeconds()
{
    sound::Result r;
    auto d = sound::Decoder::Open(Recitation(), &r);
    return double(d->Frames()) / d->Rate();
}

// CPU per second of recitation, as a share of one core: what the feeder spends while it plays.
void CoreShare(benchmark::State& state)
{
    state.counters["audio_s"] = AudioSeconds();
    // (time per iteration) / (seconds of audio) in percent: the rate of iterations x audio / 100, inverted.
    state.counters["core_share_pct"] =
        benchmark::Counter(double(state.iterations()) * AudioSeconds() / 100.0,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// The stage as the player runs it: range(0) the speed in percent, range(1) the engine (0 SoundTouch, the
// player's; 3 Rubber Band R3; 2 Rubber Band R2).
void Stage(benchmark::State& state)
{
    const double speed = state.range(0) / 100.0;
    const auto engine = state.range(1) == 0   ? sound::Stretch::Engine::SoundTouch
                        : state.range(1) == 3 ? sound::Stretch::Engine::Finer
                                              : sound::Stretch::Engine::Faster;
    if (!sound::Stretch::Available(engine)) {
        state.SkipWithError("the engine's library is not installed");
        return;
    }
    std::vector<int16_t> out(4096);
    for (auto _ : state) {
        sound::Result r;
        auto decoder = sound::Decoder::Open(Recitation(), &r);
        sound::Stretch stretch(decoder->Rate(), decoder->OutputChannels(), speed, engine);
        while (stretch.Read(*decoder, out.data(), 2048) > 0) {
        }
    }
    CoreShare(state);
}
BENCHMARK(Stage)
    ->Args({75, 0})
    ->Args({125, 0})
    ->Args({75, 3})
    ->Args({125, 3})
    ->Args({75, 2})
    ->Args({125, 2})
    ->Unit(benchmark::kMillisecond);

// The whole process's CPU, as a share of one core, while the sound layer plays the recitation in real
// time at range(0) percent to the output (OpenAL Soft's null output under scripts/bench): decoding,
// the stage, the feeder and the mixer, measured over 4 s after the first second.
void PlayingAt(benchmark::State& state)
{
    std::unique_ptr<sound::System> system;
    sound::System::Create(&system);
    sound::SoundHandle sound = 0;
    if (system->Init(8) != sound::Ok || system->SetSpeed(state.range(0) / 100.0) != sound::Ok ||
        system->CreateSound(Recitation()->data(), Recitation()->size(), &sound) != sound::Ok) {
        state.SkipWithError("no output to play to");
        return;
    }
    double share = 0;
    for (auto _ : state) {
        sound::ChannelHandle channel = 0;
        system->PlaySound(sound, false, &channel);
        std::this_thread::sleep_for(std::chrono::seconds(1));
        share = CoreShareWhileWaiting(std::chrono::seconds(4));
        system->Stop(channel);
    }
    state.counters["cpu_percent"] = share * 100;
}
BENCHMARK(PlayingAt)->Arg(100)->Arg(75)->Iterations(1)->Unit(benchmark::kSecond);

// From a fresh decoder to the first 100 ms chunk of output: 1.0x reads the decoder, 0.75x the stage.
void FirstChunk(benchmark::State& state)
{
    const double speed = state.range(0) / 100.0;
    std::vector<int16_t> out(2205);
    for (auto _ : state) {
        sound::Result r;
        auto decoder = sound::Decoder::Open(Recitation(), &r);
        if (speed == 1.0) {
            benchmark::DoNotOptimize(decoder->Read(out.data(), 2205));
        } else {
            sound::Stretch stretch(decoder->Rate(), 1, speed);
            benchmark::DoNotOptimize(stretch.Read(*decoder, out.data(), 2205));
        }
    }
}
BENCHMARK(FirstChunk)->Arg(100)->Arg(75)->Unit(benchmark::kMillisecond);

} // namespace

// "bench_speed --wav PATH [TIMES]" writes the recitation measured here, TIMES over (default 1), as a WAV
// file, so that another player can be measured on the same sound (scripts/bench-speed-mpv).
int main(int argc, char** argv)
{
    if (argc >= 3 && std::string(argv[1]) == "--wav") {
        sound::Pcm pcm;
        if (sound::DecodeAll(Recitation()->data(), Recitation()->size(), &pcm) != sound::Ok)
            return 1;
        const std::vector<float> once = pcm.samples;
        for (int k = 1; k < (argc >= 4 ? std::atoi(argv[3]) : 1); ++k)
            pcm.samples.insert(pcm.samples.end(), once.begin(), once.end());
        std::vector<char> wav;
        std::FILE* out = std::fopen(argv[2], "wb");
        const bool written = out && sound::EncodeWav(pcm, &wav) == sound::Ok &&
                             std::fwrite(wav.data(), 1, wav.size(), out) == wav.size();
        if (out)
            std::fclose(out);
        return written ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
