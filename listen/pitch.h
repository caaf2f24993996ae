// SPDX-License-Identifier: GPL-3.0-or-later
// The melody of a recitation: the voice's pitch every hundredth of a second (aubio's fast YIN), kept
// only where the pitch follower is sure of it, so that breath, noise and silence leave gaps rather than
// wild jumps. No Qt.
#pragma once

#include "sound.h"

#include <vector>

namespace listen
{

// Seconds per pitch value.
constexpr double kPitchSeconds = 0.01;
// The voice's range that is followed, in Hz: below the lowest chanting voice, above a child's.
constexpr float kLowestPitch = 60;
constexpr float kHighestPitch = 600;

// The pitch of pcm (any rate; channels mixed), one value per kPitchSeconds from the recording's start;
// 0 where it cannot be followed.
std::vector<float> PitchContour(const sound::Pcm& pcm);

// Whether a contour has enough followed pitch to be drawn: a voice that is mostly whispered, noise or
// silence has not.
bool Followable(const std::vector<float>& contour);

// The middle pitch of a contour's followed values (0 when none): the voice's own level, against which
// its melody rises and falls.
float MedianPitch(const std::vector<float>& contour);

} // namespace listen
