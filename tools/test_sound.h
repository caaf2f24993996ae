// SPDX-License-Identifier: GPL-3.0-or-later
// The test sound of img.vnl ("bism.ogg"): a soft two-note chime of 1.6 s, C5 then G5.
#pragma once

#include <vector>

// The chime as Ogg Vorbis bytes; empty when it could not be encoded.
std::vector<char> TestSound();
