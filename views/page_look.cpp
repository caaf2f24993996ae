// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_look.h"

#include <QWidget>

PageColours DayPage() { return {Qt::white, Qt::black}; }
PageColours NightPage() { return {QColor(0x1c, 0x1e, 0x22), QColor(0xe6, 0xe2, 0xd8)}; }

QPalette DarkDesktopPalette()
{
    QPalette p;
    p.setColor(QPalette::Window, QColor(0x2b, 0x2d, 0x31));
    p.setColor(QPalette::WindowText, QColor(0xe8, 0xe8, 0xe8));
    p.setColor(QPalette::Base, QColor(0x1f, 0x20, 0x23));
    p.setColor(QPalette::AlternateBase, QColor(0x33, 0x35, 0x3a));
    p.setColor(QPalette::Text, QColor(0xe8, 0xe8, 0xe8));
    p.setColor(QPalette::Button, QColor(0x3a, 0x3d, 0x42));
    p.setColor(QPalette::ButtonText, QColor(0xe8, 0xe8, 0xe8));
    p.setColor(QPalette::Highlight, QColor(0x3d, 0x7e, 0xc9));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::PlaceholderText, QColor(0x9a, 0x9a, 0x9a));
    return p;
}

void ForceColours(QWidget* widget, QPalette::ColorRole role, const PageColours& colours)
{
    QPalette palette = widget->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, role, colours.page);
        for (QPalette::ColorRole text : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
            palette.setColor(group, text, colours.text);
    }
    widget->setPalette(palette);
}

QImage NightInk(const QImage& picture)
{
    if (picture.isNull())
        return picture;
    QImage night = picture.convertToFormat(QImage::Format_ARGB32);
    night.invertPixels(QImage::InvertRgb);
    return night;
}
