// SPDX-License-Identifier: GPL-3.0-or-later
#include "aya.h"

#include "drag.h"

#include <QDragEnterEvent>
#include <QMouseEvent>

Aya::Aya(QWidget* parent) : QjPixmapView(parent)
{
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
}

void Aya::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (!dragText.empty())
        StartTextDrag(this, dragText);
}

void Aya::dragEnterEvent(QDragEnterEvent* event) { event->accept(); }

void Aya::dragMoveEvent(QDragMoveEvent* event) { AcceptCopyOnly(event); }

void Aya::dragLeaveEvent(QDragLeaveEvent*) { emit message(std::string()); }

void Aya::dropEvent(QDropEvent*) {}
