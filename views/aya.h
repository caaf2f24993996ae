// SPDX-License-Identifier: GPL-3.0-or-later
// Aya shows the picture of the current aya and is the drag source of single ayas: a press on it starts
// a copy drag carrying the aya key (for example "002.255"). Before any aya is shown there is nothing
// to carry, and a press starts no drag.
#pragma once

#include "qjpixmapview.h"

#include <string>

class Aya : public QjPixmapView
{
    Q_OBJECT
public:
    explicit Aya(QWidget* parent = nullptr);

    std::string dragText; // the key of the aya shown; written by the main window

signals:
    void message(const std::string& text);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};
