// SPDX-License-Identifier: GPL-3.0-or-later
#include "draglabel.h"

#include "drag.h"

#include <QDragEnterEvent>
#include <QMouseEvent>

DragLabel::DragLabel(QWidget* parent) : QLabel(parent)
{
    setAcceptDrops(true);
    setCursor(Qt::OpenHandCursor);
}

void DragLabel::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (!dragText.empty())
        StartTextDrag(this, dragText);
}

void DragLabel::dragEnterEvent(QDragEnterEvent* event) { event->accept(); }

void DragLabel::dragMoveEvent(QDragMoveEvent* event) { AcceptCopyOnly(event); }

void DragLabel::dragLeaveEvent(QDragLeaveEvent*) { emit message(std::string()); }

void DragLabel::dropEvent(QDropEvent*) {}
