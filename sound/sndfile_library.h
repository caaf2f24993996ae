// SPDX-License-Identifier: GPL-3.0-or-later
// libsndfile, loaded when the first recording is read or written rather than with the program: it brings
// its codecs' libraries with it (FLAC, Ogg, Vorbis, Opus, MPEG), which a window that has not played yet
// need not wait for. No Qt.
#pragma once

#include <sndfile.h>

namespace sound
{

// The functions of libsndfile the layer uses, each with the library's own signature.
struct SndfileFunctions {
    decltype(&::sf_open_virtual) openVirtual;
    decltype(&::sf_close) close;
    decltype(&::sf_command) command;
    decltype(&::sf_readf_short) readfShort;
    decltype(&::sf_readf_float) readfFloat;
    decltype(&::sf_readf_double) readfDouble;
    decltype(&::sf_writef_float) writefFloat;
    decltype(&::sf_seek) seek;
};

// The library, loaded once for the program's life; null when it cannot be.
const SndfileFunctions* Sndfile();

} // namespace sound
