// SPDX-License-Identifier: GPL-3.0-or-later
// The keys of the working folder's own settings (varnel.ini) and their defaults, in one place. The
// window reads them once at start and writes each as it changes, through its one SettingsFile.
#pragma once

#include "drill_settings.h"

namespace app_settings
{

constexpr char kPauseUnit[] = "pause/unit"; // 0: seconds, 1: times the aya's length
constexpr int kPauseUnitDefault = 0;
constexpr char kPauseFactor[] = "pause/factor";
constexpr double kPauseFactorDefault = DrillSettings::kDefaultPauseFactor;
constexpr char kZoom[] = "view/zoom"; // the reader's zoom; 0: fit to width
constexpr double kZoomDefault = 1.0;
constexpr char kNight[] = "view/night";
constexpr bool kNightDefault = false;
constexpr char kMarkWords[] = "view/mark-words"; // the word heard marked on the picture
constexpr bool kMarkWordsDefault = true;
constexpr char kSnapWords[] = "view/snap-part"; // the single-aya part's marks snapped to word boundaries
constexpr bool kSnapWordsDefault = true;
constexpr char kSpeed[] = "sound/speed";
constexpr double kSpeedDefault = DrillSettings::kDefaultSpeed;
constexpr char kInputDevice[] = "sound/input"; // the microphone's name; empty: the system's default
// The window as the learner left it on this machine (Qt's own encodings, in base64).
constexpr char kWindowGeometry[] = "window/geometry";
constexpr char kWindowState[] = "window/panels";
constexpr int kWindowStateVersion = 1; // raised when the panels change, so an older layout is not restored
constexpr char kAyaSplit[] = "window/aya-split"; // the picture's and the text's heights

} // namespace app_settings
