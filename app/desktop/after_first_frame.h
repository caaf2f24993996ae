// SPDX-License-Identifier: GPL-3.0-or-later
// Work put off until a window's first frame is drawn: what the learner need not wait for at start.
#pragma once
#include <QWidget>
#include <functional>

// Runs work once, just after window's first frame is painted and shown (or never, if window goes first).
void AfterFirstFrame(QWidget* window, std::function<void()> work);
