// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for start-up: a bare Qt main window holding as many widgets of each standard kind as
// Varn's window, in plain layouts, with no data, pictures or settings behind them.
#pragma once
#include <QMainWindow>
#include <map>
#include <memory>
#include <string>

// Widget kinds (Qt class names) and how many of each.
using WidgetKinds = std::map<std::string, int>;

// The bare window holding kinds; kinds Qt has no plain constructor for here are left out.
std::unique_ptr<QMainWindow> BareWindow(const WidgetKinds& kinds);

// "QPushButton 22" lines, one kind a line; and read back (lines that are not "name count" are skipped).
std::string WriteKinds(const WidgetKinds& kinds);
WidgetKinds ReadKinds(const std::string& text);
