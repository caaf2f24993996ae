// SPDX-License-Identifier: GPL-3.0-or-later
// Two recordings' features aligned in time by dynamic time warping, within a band about the line
// between their ends: only the band is kept, half a byte a cell, so memory grows with the length
// times the band's width and never with the product of the lengths. No Qt.
#pragma once

#include "analysis.h"

#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace listen
{

// The distance between frame i of a and frame j of b: the root mean square of their difference.
inline float FrameDistance(const Features& a, size_t i, const Features& b, size_t j)
{
    const float* x = &a.frames[i * size_t(a.dims)];
    const float* y = &b.frames[j * size_t(b.dims)];
    float sum = 0;
    for (int k = 0; k < a.dims; ++k)
        sum += (x[k] - y[k]) * (x[k] - y[k]);
    return std::sqrt(sum / float(a.dims));
}

struct Alignment {
    // Pairs of frames (of a, of b) from (0, 0) to the last of each, both never going back.
    std::vector<std::pair<uint32_t, uint32_t>> path;
    std::vector<float> distance; // at each point of the path
    double cost = 0;             // the path's mean distance where both recordings hold voice
};

// The best alignment of a with b that keeps within radius frames of the line between their ends.
// A step that holds one recording still while the other's voice goes on costs holdPenalty beyond its
// distance; one that passes a pause in the other costs pauseCost alone, so that a hesitation is held
// over rather than matched. With missCost above 0 the end is open: b may end before a does, the rest of a
// left unsaid at missCost a frame of voice (and pauseCost a frame of pause), and the path then runs on
// holding b's last frame. Empty when either is.
Alignment Align(const Features& a, const Features& b, size_t radius, float holdPenalty, float pauseCost,
                float missCost = 0);

} // namespace listen
