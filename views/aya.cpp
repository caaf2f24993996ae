// SPDX-License-Identifier: GPL-3.0-or-later
#include "aya.h"

#include "drag.h"
#include "page_look.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

Aya::Aya(QWidget* parent) : QjPixmapView(parent)
{
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
}

void Aya::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (hidden_ > 0) {
        emit revealRequested();
        return;
    }
    if (!dragText.empty())
        StartTextDrag(this, dragText);
}

void Aya::dragEnterEvent(QDragEnterEvent* event) { event->accept(); }

void Aya::dragMoveEvent(QDragMoveEvent* event) { AcceptCopyOnly(event); }

void Aya::dragLeaveEvent(QDragLeaveEvent*) { emit message(std::string()); }

void Aya::dropEvent(QDropEvent*) {}

std::pair<double, double> InkRows(const QImage& picture)
{
    if (picture.isNull() || picture.height() < 1)
        return {0, 1};
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const bool alpha = picture.hasAlphaChannel();
    const QRgb page = image.pixel(0, 0);
    auto inked = [&](QRgb p) {
        if (alpha)
            return qAlpha(p) > 24;
        return std::abs(qRed(p) - qRed(page)) + std::abs(qGreen(p) - qGreen(page)) +
                   std::abs(qBlue(p) - qBlue(page)) >
               48;
    };
    int top = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (inked(row[x])) {
                if (top < 0)
                    top = y;
                bottom = y + 1;
                break;
            }
    }
    if (top < 0)
        return {0, 1};
    return {double(top) / image.height(), double(bottom) / image.height()};
}

void Aya::ShowPicture(const QImage& picture)
{
    original_ = picture;
    ink_ = InkRows(picture);
    Present();
}

void Aya::KeepInkInView()
{
    const QSize shown = contentsSize();
    const QSize view = viewport()->size();
    if (shown.height() > view.height()) {
        const double top = ink_.first * shown.height(), bottom = ink_.second * shown.height();
        const double wanted = bottom - top <= view.height() ? (top + bottom - view.height()) / 2 : top;
        verticalScrollBar()->setValue(int(std::lround(wanted)));
    }
    if (shown.width() > view.width())
        horizontalScrollBar()->setValue(horizontalScrollBar()->maximum());
}

double Aya::Steppable() const
{
    if (readerZoom_ != kFitWidth || original_.isNull())
        return readerZoom_;
    return double(pixmap().deviceIndependentSize().width()) / std::max(1, original_.width());
}

void Aya::SetReaderZoom(double zoom)
{
    zoom = zoom == kFitWidth ? kFitWidth : std::clamp(zoom, kMinZoom, kMaxZoom);
    if (zoom == readerZoom_)
        return;
    readerZoom_ = zoom;
    Present();
    emit readerZoomChanged(zoom);
}

void Aya::SetNight(bool night)
{
    night_ = night;
    Present();
}

void Aya::SetHidden(double hidden)
{
    hidden_ = std::clamp(hidden, 0.0, 1.0);
    viewport()->update();
}

void Aya::Present()
{
    if (original_.isNull()) {
        setPixmap(QPixmap());
        return;
    }
    // A picture drawn at a multiple of the screen's resolution says so in its dots per metre; it takes
    // the room of its size divided by that multiple.
    const int density = std::clamp(int(std::lround(original_.dotsPerMeterX() / 3780.0)), 1, 4);
    // The picture fitted to the view: its width less a margin, and its height.
    QSize size = original_.size() / density;
    // The view's own height, not its viewport's, which lags behind while the view is hidden.
    const QSize room(width() - kFitMargin, height() - 2 * frameWidth() - kFitMarginHeight);
    const double fit = FitScale(size, room, readerZoom_ == kFitWidth);
    if (fit != 1.0) {
        const int fitted = std::max(1, int(std::lround(size.width() * fit)));
        size = QSize(fitted, std::max(1, int(qint64(size.height()) * fitted / size.width())));
    }
    const double scale = (readerZoom_ == kFitWidth ? 1.0 : readerZoom_) * devicePixelRatioF();
    const double ratio = devicePixelRatioF();
    QImage image = original_;
    const QSize pixels =
        scale == 1.0 ? size
                     : QSize(int(std::lround(size.width() * scale)), int(std::lround(size.height() * scale)));
    if (pixels != image.size() && !pixels.isEmpty())
        image = image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (night_)
        image = NightInk(image);
    QPixmap shown = QPixmap::fromImage(image);
    shown.setDevicePixelRatio(ratio);
    setPixmap(shown);
    KeepInkInView();
}

void Aya::drawContents(QPainter* painter, int cx, int cy, int cw, int ch)
{
    QjPixmapView::drawContents(painter, cx, cy, cw, ch);
    if (hidden_ <= 0 || pixmap().isNull())
        return;
    const QSize size = pixmap().deviceIndependentSize().toSize();
    const QPoint o = PictureOffset(size, zoom(), viewport()->size());
    const QRect cover(o.x() - 1, o.y() - 1, int(std::ceil(size.width() * hidden_)) + 2, size.height() + 2);
    painter->save();
    painter->setClipping(false);
    painter->fillRect(cover, night_ ? QColor(0x30, 0x33, 0x38) : QColor(0xe4, 0xe1, 0xd8));
    if (hidden_ >= 1) {
        painter->setPen(night_ ? QColor(0xa0, 0xa0, 0xa0) : QColor(0x60, 0x60, 0x60));
        painter->drawText(cover, Qt::AlignCenter,
                          QCoreApplication::translate("AyaView", "Hidden: press R to reveal"));
    }
    painter->restore();
}

void Aya::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QjPixmapView::wheelEvent(event);
        return;
    }
    event->accept();
    if (event->angleDelta().y() > 0)
        ZoomIn();
    else if (event->angleDelta().y() < 0)
        ZoomOut();
}

void Aya::resizeEvent(QResizeEvent* event)
{
    QjPixmapView::resizeEvent(event);
    Present(); // the fit follows the view's size
}

double Aya::FitScale(const QSize& picture, const QSize& room, bool grow)
{
    if (picture.isEmpty() || room.width() <= 0 || room.height() <= 0)
        return 1.0;
    const double byWidth = double(room.width()) / picture.width();
    const double byHeight = double(room.height()) / picture.height();
    double scale = std::min(byWidth, std::max(byHeight, byWidth * kMinFitShare));
    if (!grow)
        scale = std::min(scale, 1.0);
    return scale;
}
