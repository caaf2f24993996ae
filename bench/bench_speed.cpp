// SPDX-License-Identifier: GPL-3.0-or-later
// Playback speed: the CPU a time-stretch stage costs per second of recitation, Rubber Band's R3 ("finer",
// the one the player uses) against its R2 ("faster") and SoundTouch, at 0.75x and 1.25x; and the time to
// the first 100 ms of audio at 0.75x against the bypassed 1.0x. The recitation is the demo's sura 78
// (build/demo, synthetic speech) when it is there, else a speech-like tone.
#include "decoder.h"
#include "kelres.h"
#include "naming.h"
#include "sound.h"
#include "stretch.h"

#include <benchmark/benchmark.h>
#include <soundtouch/SoundTouch.h>

#include <chrono>
#include <cmath>

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

void RubberBandStage(benchmark::State& state)
{
    const double speed = state.range(0) / 100.0;
    const auto engine = state.range(1) == 3 ? sound::Stretch::Engine::Finer : sound::Stretch::Engine::Faster;
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
BENCHMARK(RubberBandStage)
    ->Args({75, 3})
    ->Args({125, 3})
    ->Args({75, 2})
    ->Args({125, 2})
    ->Unit(benchmark::kMillisecond);

void SoundTouchStage(benchmark::State& state)
{
    const double speed = state.range(0) / 100.0;
    std::vector<int16_t> in(1024);
    std::vector<float> floats(1024), out(4096);
    for (auto _ : state) {
        sound::Result r;
        auto decoder = sound::Decoder::Open(Recitation(), &r);
        soundtouch::SoundTouch st;
        st.setSampleRate(uint(decoder->Rate()));
        st.setChannels(1);
        st.setTempo(speed);
        size_t got = 0;
        while ((got = decoder->Read(in.data(), in.size())) > 0) {
            for (size_t i = 0; i < got; ++i)
                floats[i] = in[i] / 32768.0f;
            st.putSamples(floats.data(), uint(got));
            while (st.receiveSamples(out.data(), uint(out.size())) > 0) {
            }
        }
        st.flush();
        while (st.receiveSamples(out.data(), uint(out.size())) > 0) {
        }
    }
    CoreShare(state);
}
BENCHMARK(SoundTouchStage)->Arg(75)->Arg(125)->Unit(benchmark::kMillisecond);

// From a fresh decoder to the first 100 ms chunk of output: 1.0x reads the decoder, 0.75x goes through R3.
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

BENCHMARK_MAIN();
