// SPDX-License-Identifier: GPL-3.0-or-later
// The learner's drill settings as one value: repeat, pause, speed, loop, stack and the rest, with their
// ranges and defaults defined here once. The learner's record keeps it; the window's boxes show it and
// send changes of it.
#pragma once

#include "passage.h"

#include <string>

// How the learner drills: kept per learner, so that each finds the settings they left.
struct DrillSettings {
    static constexpr const char* kVersionLine = "varnel-drill 1";
    static constexpr int kMaxRepeat = 999;
    static constexpr int kMaxPause = 999;
    static constexpr int kMaxTimes = 99;
    // The speed, the pitch kept, and the pause as a multiple of the aya's length: their ranges, steps
    // and defaults, for the boxes, the file and whoever clamps a value from elsewhere.
    static constexpr double kMinSpeed = 0.5;
    static constexpr double kMaxSpeed = 1.5;
    static constexpr double kSpeedStep = 0.05;
    static constexpr double kDefaultSpeed = 1.0;
    static constexpr double kMinPauseFactor = 0.5;
    static constexpr double kMaxPauseFactor = 3.0;
    static constexpr double kPauseFactorStep = 0.25;
    static constexpr double kDefaultPauseFactor = 1.0;

    int repeat = 1;    // 0: without end
    int pause = 0;     // seconds
    int pauseUnit = 0; // 0: seconds, 1: times the aya's length
    double pauseFactor = kDefaultPauseFactor;
    bool loop = false;
    bool stack = false;
    double speed = kDefaultSpeed;
    int times = 0; // with loop, the passes through the lesson; 0: without end
    // The passage chosen last ("passage page 602"), and whether the learner was in it.
    Passage passage;
    bool inPassage = false;
    bool reviewByPages = false; // the review's items: suras (and their parts), or pages

    // "varnel-drill 1" then one "name value" line each. Parse() is false for text that is not such a
    // file or holds a value out of range; unknown names are skipped (a later version may add some).
    std::string Serialize() const;
    // Each value brought into its range (a speed of 2 is 1.5), the multiples to the hundredth.
    DrillSettings Clamped() const;
    bool Parse(const std::string& text);
    bool operator==(const DrillSettings& o) const;
};
