// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the program's text drags: a copy drag carrying plain text, with "heartcursor.png" as its
// picture and the hot spot at the picture's top-left corner. Tests can take the drags over.
#pragma once

#include <QPixmap>
#include <QString>
#include <functional>
#include <string>

class QWidget;

struct TextDrag {
    QString text;
    QPixmap pixmap;
    QPoint hotSpot;
};

// A runner says whether the drag was carried to a place that took it.
using DragRunner = std::function<bool(QWidget* source, const TextDrag& drag)>;

// Runs the drag and returns when it ends: true when a drop site took the text.
bool StartTextDrag(QWidget* source, const std::string& text);

// The drag sources also act as drop sites that take nothing: a drag over them is welcome as a copy only.
void AcceptCopyOnly(class QDragMoveEvent* event);

// Replaces how drags run (an empty runner restores QDrag); returns the previous runner.
DragRunner SetDragRunner(DragRunner runner);
