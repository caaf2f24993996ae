// SPDX-License-Identifier: GPL-3.0-or-later
// A progress bar whose words show when it fills from the right (a right-to-left window): the style
// (Qt 6.4's Fusion) then draws them in the fill's text colour beside the fill, white on white.
#pragma once

#include <QProgressBar>

class ProgressBar : public QProgressBar
{
  public:
    using QProgressBar::QProgressBar;

  protected:
    void paintEvent(QPaintEvent* event) override;
};
