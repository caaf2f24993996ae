// SPDX-License-Identifier: GPL-3.0-or-later
// Small builders the window's frame and its panels share: a box of widgets with its margins and spacing.
#pragma once

#include <QBoxLayout>
#include <QWidget>

namespace frame_parts
{

// A plain widget laid out as a row or a column, with margin and spacing in pixels.
inline QWidget* Box(QWidget* parent, Qt::Orientation orientation, int margin, int spacing)
{
    auto* box = new QWidget(parent);
    auto* layout = new QBoxLayout(
        orientation == Qt::Horizontal ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom, box);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(spacing);
    return box;
}

// widget, named for tools and tests that find it in the window's tree.
template <typename W> W* Named(W* widget, const char* objectName)
{
    widget->setObjectName(objectName);
    return widget;
}

// Adds child to a Box, with a stretch factor.
inline void Add(QWidget* box, QWidget* child, int stretch = 0)
{
    static_cast<QBoxLayout*>(box->layout())->addWidget(child, stretch);
}

} // namespace frame_parts
