// SPDX-License-Identifier: GPL-3.0-or-later
// SoundTouch, the speed stage's stretcher, loaded when a recitation is first played at another speed
// rather than with the program. Its C interface (the library's "DLL" entry points), declared here as the
// library documents them: an instance is an opaque handle, samples are interleaved 16-bit frames. No Qt.
#pragma once

namespace sound
{

using SoundTouchHandle = void*;

struct SoundTouchFunctions {
    SoundTouchHandle (*create)();
    void (*destroy)(SoundTouchHandle);
    void (*setSampleRate)(SoundTouchHandle, unsigned rate);
    void (*setChannels)(SoundTouchHandle, unsigned channels);
    void (*setTempo)(SoundTouchHandle, float tempo);
    int (*setSetting)(SoundTouchHandle, int setting, int value);
    void (*putSamples)(SoundTouchHandle, const short* frames, unsigned count);
    unsigned (*receiveSamples)(SoundTouchHandle, short* frames, unsigned most);
    unsigned (*numSamples)(SoundTouchHandle);
    void (*flush)(SoundTouchHandle);
    void (*clear)(SoundTouchHandle);
};

// The settings the stage sets (the library's own numbers).
constexpr int kSoundTouchSequenceMs = 3;
constexpr int kSoundTouchSeekWindowMs = 4;
constexpr int kSoundTouchOverlapMs = 5;

// The library, loaded once for the program's life; null when it cannot be (then nothing is stretched).
const SoundTouchFunctions* SoundTouchLibrary();

} // namespace sound
