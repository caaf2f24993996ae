// SPDX-License-Identifier: GPL-3.0-or-later
// Rubber Band, the speed stage's stretcher, loaded when a recitation is first played at another speed
// rather than with the program (it brings its FFT and resampling libraries with it). Its C interface,
// each function with the library's own signature. No Qt.
#pragma once

#include <rubberband/rubberband-c.h>

namespace sound
{

struct RubberBandFunctions {
    decltype(&::rubberband_new) create;
    decltype(&::rubberband_delete) destroy;
    decltype(&::rubberband_reset) reset;
    decltype(&::rubberband_get_preferred_start_pad) preferredStartPad;
    decltype(&::rubberband_get_start_delay) startDelay;
    decltype(&::rubberband_process) process;
    decltype(&::rubberband_available) available;
    decltype(&::rubberband_retrieve) retrieve;
};

// The library, loaded once for the program's life; null when it cannot be (then nothing is stretched).
const RubberBandFunctions* RubberBandLibrary();

} // namespace sound
