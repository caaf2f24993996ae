// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill_settings.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace
{

// A multiple or a speed as the boxes show and the file keeps it: to the hundredth, so that a value read
// is the value written back.
double Hundredths(double value) { return std::round(value * 100) / 100; }

} // namespace

DrillSettings DrillSettings::Clamped() const
{
    DrillSettings c = *this;
    c.repeat = std::clamp(repeat, 0, kMaxRepeat);
    c.pause = std::clamp(pause, 0, kMaxPause);
    c.pauseUnit = pauseUnit == 1 ? 1 : 0;
    c.pauseFactor = std::isfinite(pauseFactor)
                        ? Hundredths(std::clamp(pauseFactor, kMinPauseFactor, kMaxPauseFactor))
                        : kDefaultPauseFactor;
    c.speed = std::isfinite(speed) ? Hundredths(std::clamp(speed, kMinSpeed, kMaxSpeed)) : kDefaultSpeed;
    c.times = std::clamp(times, 0, kMaxTimes);
    return c;
}

std::string DrillSettings::Serialize() const
{
    std::ostringstream out;
    out << kVersionLine << "\nrepeat " << repeat << "\npause " << pause << "\npause-unit " << pauseUnit
        << "\npause-factor " << pauseFactor << "\nloop " << (loop ? 1 : 0) << "\nstack " << (stack ? 1 : 0)
        << "\nspeed " << speed << "\ntimes " << times << "\n";
    if (!passage.Empty())
        out << "passage " << passage.Serialize() << "\nin-passage " << (inPassage ? 1 : 0) << "\n";
    if (reviewByPages)
        out << "review-unit 1\n";
    return out.str();
}

bool DrillSettings::Parse(const std::string& text)
{
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || line != kVersionLine)
        return false;
    DrillSettings read;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string name;
        double value = 0;
        if (!(words >> name))
            continue;
        if (name == "passage") {
            std::string rest;
            std::getline(words >> std::ws, rest);
            read.passage = Passage::Parse(rest);
            if (read.passage.Empty())
                return false;
            continue;
        }
        const bool ours = name == "repeat" || name == "pause" || name == "pause-unit" ||
                          name == "pause-factor" || name == "loop" || name == "stack" || name == "speed" ||
                          name == "times" || name == "in-passage" || name == "review-unit";
        if (!ours)
            continue; // a later version's
        if (!(words >> value) || !std::isfinite(value))
            return false;
        const bool whole = value == std::floor(value);
        if (name == "repeat" && whole && value >= 0 && value <= kMaxRepeat)
            read.repeat = int(value);
        else if (name == "pause" && whole && value >= 0 && value <= kMaxPause)
            read.pause = int(value);
        else if (name == "pause-unit" && (value == 0 || value == 1))
            read.pauseUnit = int(value);
        else if (name == "pause-factor" && value >= kMinPauseFactor && value <= kMaxPauseFactor)
            read.pauseFactor = Hundredths(value);
        else if (name == "loop" && (value == 0 || value == 1))
            read.loop = value == 1;
        else if (name == "stack" && (value == 0 || value == 1))
            read.stack = value == 1;
        else if (name == "speed" && value >= kMinSpeed && value <= kMaxSpeed)
            read.speed = Hundredths(value);
        else if (name == "times" && whole && value >= 0 && value <= kMaxTimes)
            read.times = int(value);
        else if (name == "in-passage" && (value == 0 || value == 1))
            read.inPassage = value == 1;
        else if (name == "review-unit" && (value == 0 || value == 1))
            read.reviewByPages = value == 1;
        else
            return false; // ours, but out of range
    }
    // In a passage only with a passage to be in: the file keeps the one with the other.
    read.inPassage = read.inPassage && !read.passage.Empty();
    *this = read;
    return true;
}

bool DrillSettings::operator==(const DrillSettings& o) const
{
    return repeat == o.repeat && pause == o.pause && pauseUnit == o.pauseUnit &&
           pauseFactor == o.pauseFactor && loop == o.loop && stack == o.stack && speed == o.speed &&
           times == o.times && passage == o.passage && inPassage == o.inPassage &&
           reviewByPages == o.reviewByPages;
}
