// SPDX-License-Identifier: GPL-3.0-or-later
// Text spoken by the espeak-ng synthesiser, with the time each word begins and ends: the demo's
// recitations and their exact word times, and the rendering of an aya's text that a learner's own
// recording is aligned with to estimate its words' times. espeak-ng is loaded when first asked for, not
// with the program, and is used by one caller at a time (it keeps its voice in the library). No Qt.
#pragma once

#include "sound.h"

#include <string>
#include <vector>

namespace listen
{

struct SpeechVoice {
    std::string name = "ar"; // an espeak-ng voice
    int wordsPerMinute = 135;
    int pitch = 45; // 0 to 100
};

struct WordTime {
    int startMs = 0, endMs = 0;
};

// Speaks words (UTF-8, one entry a word) in voice, one after another as one text, into pcm (mono, the
// synthesiser's rate) and times (one entry a word: from the word's first sound to its last, without
// the pause after it). False, with the reason, when espeak-ng or the voice cannot be loaded, it fails,
// or it tells no time for some word.
bool Speak(const std::vector<std::string>& words, const SpeechVoice& voice, sound::Pcm* pcm,
           std::vector<WordTime>* times, std::string* error);

} // namespace listen
