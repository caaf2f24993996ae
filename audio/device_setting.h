// SPDX-License-Identifier: GPL-3.0-or-later
// The output device the learner chose, stored in "config.ini" as its number and a line end.
#pragma once

#include <string>

// The device number stored in root/config.ini, or -1 when the file is missing, no regular file, or
// holds no number.
int ReadDeviceNumber(const std::string& root = ".");
// Writes root/config.ini (the number and a line end) whole or not at all.
bool WriteDeviceNumber(int device, const std::string& root, std::string* error);
