// SPDX-License-Identifier: GPL-3.0-or-later
// Where an installed Varnel keeps the learner's files: packs, profiles and settings.
#pragma once

#include <QString>

// The learner's data folder, $XDG_DATA_HOME/varnel (~/.local/share/varnel by default). Not made here.
QString LearnerDataFolder();

// The img.vnl of an installation: share/varnel/img.vnl beside the bin folder that holds the running
// program; empty when there is none.
QString InstalledImagesPath();

// An installation's packs for everybody: share/varnel beside the bin folder that holds the running
// program, when it holds a quran/ folder; empty when there is none.
QString SharedDataFolder();
