// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress_bar.h"

#include <QStyleOptionProgressBar>
#include <QStylePainter>

void ProgressBar::paintEvent(QPaintEvent* event)
{
    QStyleOptionProgressBar option;
    initStyleOption(&option);
    const bool filledFromRight = (option.direction == Qt::RightToLeft) != option.invertedAppearance;
    if (!filledFromRight || !option.textVisible || orientation() == Qt::Vertical) {
        QProgressBar::paintEvent(event);
        return;
    }
    // The groove and the fill as the style draws them; the words here, over the fill in the fill's text
    // colour and beside it in the ordinary one.
    QStylePainter painter(this);
    option.textVisible = false;
    painter.drawControl(QStyle::CE_ProgressBar, option);
    const QRect area = style()->subElementRect(QStyle::SE_ProgressBarContents, &option, this);
    const qint64 steps = std::max<qint64>(1, qint64(maximum()) - minimum());
    const int filled = int((qint64(value()) - minimum()) * area.width() / steps);
    const QRect fill(area.right() + 1 - filled, area.top(), filled, area.height());
    const QString words = text();
    const QTextOption centred(Qt::AlignAbsolute | Qt::AlignHCenter | Qt::AlignVCenter);
    painter.save();
    painter.setClipRegion(QRegion(rect()).subtracted(fill));
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QRectF(rect()), words, centred);
    painter.setClipRect(fill);
    painter.setPen(palette().color(QPalette::HighlightedText));
    painter.drawText(QRectF(rect()), words, centred);
    painter.restore();
}
