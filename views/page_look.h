// SPDX-License-Identifier: GPL-3.0-or-later
// The reading page's colours. Where a colour is forced on a widget its text colour is forced with it, so
// the page stays readable on any desktop palette, a dark one included.
#pragma once

#include <QColor>
#include <QImage>
#include <QPalette>

class QWidget;

struct PageColours {
    QColor page;
    QColor text;
};

// The page as the program has always shown it: white, with black text.
PageColours DayPage();
// Night Reading: a dark page with light text.
PageColours NightPage();

// A dark desktop's palette, as a learner's theme may give one: for the documentation's pictures and the
// tests that check the page stays readable on it.
QPalette DarkDesktopPalette();

// Forces colours.page on role (Window, Base) and colours.text on every text role, in every colour group.
void ForceColours(QWidget* widget, QPalette::ColorRole role, const PageColours& colours);

// The aya's picture for Night Reading: light ink on a dark page, the colours turned round.
QImage NightInk(const QImage& picture);
