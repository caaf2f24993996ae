// SPDX-License-Identifier: GPL-3.0-or-later
// FittedPicture is a label that shows a picture as large as its room allows, up to its natural size,
// keeping its proportions: a decoration that gives way when the window is narrow instead of widening it.
#pragma once

#include <QLabel>
#include <QPixmap>

class FittedPicture : public QLabel
{
    Q_OBJECT
  public:
    explicit FittedPicture(QWidget* parent = nullptr);

    // The picture, shown at most height pixels high (its logical pixels; sharp at any density).
    void SetPicture(const QPixmap& picture, int height);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return QSize(0, 0); }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Fit();
    QPixmap picture_;
    int height_ = 0;
    QSize shown_; // the logical size last shown
};
