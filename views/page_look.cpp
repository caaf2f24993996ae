// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_look.h"

#include <QWidget>

PageColours DayPage() { return {Qt::white, Qt::black}; }
PageColours NightPage() { return {QColor(0x1c, 0x1e, 0x22), QColor(0xe6, 0xe2, 0xd8)}; }

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
