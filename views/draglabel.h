// SPDX-License-Identifier: GPL-3.0-or-later
// DragLabel is the picture next to the sura chooser with which the learner puts the whole current
// sura into the heart: a press starts a copy drag carrying "all." and the sura number. Before any sura
// is chosen there is nothing to carry, and a press starts no drag.
#pragma once

#include <QLabel>
#include <string>

class DragLabel : public QLabel
{
    Q_OBJECT
  public:
    explicit DragLabel(QWidget* parent = nullptr);

    std::string dragText; // written by the main window

  signals:
    void message(const std::string& text);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};
