// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech.h"

#include "shared_library.h"

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <cmath>
#include <mutex>

namespace listen
{
namespace
{

struct EspeakFunctions {
    decltype(&::espeak_Initialize) initialize;
    decltype(&::espeak_SetSynthCallback) setSynthCallback;
    decltype(&::espeak_SetVoiceByName) setVoiceByName;
    decltype(&::espeak_SetParameter) setParameter;
    decltype(&::espeak_Synth) synth;
};

// One speaker at a time: the library keeps its voice, parameters and callback as its own state.
std::mutex g_speaking;

// The library, loaded and initialised once for the program's life; null, with the reason, when it
// cannot be. rate receives the rate of its sound.
const EspeakFunctions* Espeak(int* rate, std::string* problem)
{
    static std::once_flag once;
    static EspeakFunctions functions{};
    static int sampleRate = 0;
    static std::string why;
    std::call_once(once, [] {
        std::string reason;
        void* library = sound::OpenLibrary(VARNEL_ESPEAK_LIBRARY, &reason);
        if (!library) {
            why = std::string("espeak-ng (") + VARNEL_ESPEAK_LIBRARY + ") cannot be loaded" +
                  (reason.empty() ? std::string() : ": " + reason);
            return;
        }
        using sound::Resolve;
        EspeakFunctions f{};
        std::string missing;
        if (!Resolve(library, "espeak_Initialize", &f.initialize, &missing) ||
            !Resolve(library, "espeak_SetSynthCallback", &f.setSynthCallback, &missing) ||
            !Resolve(library, "espeak_SetVoiceByName", &f.setVoiceByName, &missing) ||
            !Resolve(library, "espeak_SetParameter", &f.setParameter, &missing) ||
            !Resolve(library, "espeak_Synth", &f.synth, &missing)) {
            why = "the espeak-ng library has no " + missing;
            return;
        }
        const int r = f.initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, 0);
        if (r <= 0) {
            why = "espeak-ng cannot start (is its data, espeak-ng-data, installed?)";
            return;
        }
        sampleRate = r;
        functions = f;
    });
    if (sampleRate <= 0) {
        *problem = why;
        return nullptr;
    }
    *rate = sampleRate;
    return &functions;
}

// What one synthesis gathers from the library's callback.
struct Gathered {
    std::vector<short> samples;
    std::vector<std::pair<int, int>> wordEvents; // (text position, ms)
};

int Gather(short* wav, int count, espeak_EVENT* events)
{
    if (!events)
        return 0;
    auto* gathered = static_cast<Gathered*>(events->user_data);
    if (!gathered)
        return 0;
    if (wav && count > 0)
        gathered->samples.insert(gathered->samples.end(), wav, wav + count);
    for (espeak_EVENT* e = events; e->type != espeakEVENT_LIST_TERMINATED; ++e)
        if (e->type == espeakEVENT_WORD)
            gathered->wordEvents.emplace_back(e->text_position, e->audio_position);
    return 0;
}

// Code points in UTF-8 text (espeak-ng counts text positions in characters).
int CodePoints(const std::string& text)
{
    return int(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// The last sound at or before sample end: the end of a word without the pause after it.
size_t SoundEnd(const std::vector<short>& samples, size_t begin, size_t end, int rate)
{
    const size_t frame = size_t(rate / 100);
    constexpr int kQuiet = 300; // of 32767: about -40 dB
    while (end > begin + frame) {
        const auto loudest =
            std::max_element(samples.begin() + long(end - frame), samples.begin() + long(end),
                             [](short a, short b) { return std::abs(a) < std::abs(b); });
        if (std::abs(*loudest) > kQuiet)
            break;
        end -= frame;
    }
    return end;
}

} // namespace

bool Speak(const std::vector<std::string>& words, const SpeechVoice& voice, sound::Pcm* pcm,
           std::vector<WordTime>* times, std::string* error)
{
    if (words.empty()) {
        *error = "there are no words to speak";
        return false;
    }
    std::string text;
    std::vector<int> starts; // each word's first character, counted from 1 as espeak-ng counts
    for (const std::string& w : words) {
        if (!text.empty())
            text += ' ';
        starts.push_back(CodePoints(text) + 1);
        text += w;
    }
    std::lock_guard<std::mutex> lock(g_speaking);
    int rate = 0;
    const EspeakFunctions* espeak = Espeak(&rate, error);
    if (!espeak)
        return false;
    if (espeak->setVoiceByName(voice.name.c_str()) != EE_OK) {
        *error = "espeak-ng has no voice \"" + voice.name + "\"";
        return false;
    }
    espeak->setParameter(espeakRATE, voice.wordsPerMinute, 0);
    espeak->setParameter(espeakPITCH, voice.pitch, 0);
    Gathered gathered;
    espeak->setSynthCallback(Gather);
    const espeak_ERROR r = espeak->synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8,
                                         nullptr, &gathered);
    if (r != EE_OK || gathered.samples.empty()) {
        *error = "espeak-ng could not speak the text";
        return false;
    }
    // Each word starts at the first event that falls within it.
    std::vector<int> startMs(words.size(), -1);
    for (const auto& [position, ms] : gathered.wordEvents) {
        const auto after = std::upper_bound(starts.begin(), starts.end(), position);
        if (after == starts.begin())
            continue;
        const size_t word = size_t(after - starts.begin() - 1);
        if (startMs[word] < 0)
            startMs[word] = ms;
    }
    if (std::find(startMs.begin(), startMs.end(), -1) != startMs.end()) {
        *error = "espeak-ng told no time for some of the words";
        return false;
    }
    const int totalMs = int(gathered.samples.size() * 1000 / size_t(rate));
    times->assign(words.size(), {});
    for (size_t w = 0; w < words.size(); ++w) {
        const int next = w + 1 < words.size() ? startMs[w + 1] : totalMs;
        const size_t begin = size_t(startMs[w]) * size_t(rate) / 1000;
        const size_t end =
            std::min(gathered.samples.size(), size_t(std::max(next, startMs[w])) * size_t(rate) / 1000);
        const int soundEnd = int(SoundEnd(gathered.samples, begin, end, rate) * 1000 / size_t(rate));
        (*times)[w] = {startMs[w], std::max(soundEnd, startMs[w] + 1)};
    }
    pcm->rate = rate;
    pcm->channels = 1;
    pcm->samples.resize(gathered.samples.size());
    std::transform(gathered.samples.begin(), gathered.samples.end(), pcm->samples.begin(),
                   [](short s) { return float(s) / 32768.f; });
    return true;
}

} // namespace listen
