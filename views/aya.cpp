// SPDX-License-Identifier: GPL-3.0-or-later
#include "aya.h"

#include "drag.h"
#include "page_look.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QDragEnterEvent>
#include <QKeyEvent>
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
    if (dragText.empty())
        return;
    // A press starts the drag at once; a drag carried nowhere that ends where it began was a click.
    const int word = WordAtPoint(event->position().toPoint());
    const QPoint pressed = QCursor::pos();
    const bool carried = StartTextDrag(this, dragText);
    if (!carried && word >= 0 &&
        (QCursor::pos() - pressed).manhattanLength() < QApplication::startDragDistance())
        emit wordClicked(word);
}

void Aya::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (event->modifiers() == Qt::NoModifier && key >= Qt::Key_1 && key <= Qt::Key_9 &&
        key - Qt::Key_1 < WordCount() && hidden_ <= 0) {
        event->accept();
        emit wordClicked(key - Qt::Key_1);
        return;
    }
    QjPixmapView::keyPressEvent(event);
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

void Aya::SetWords(std::vector<QRect> boxes)
{
    boxes_ = std::move(boxes);
    heard_ = -1;
    flagged_.clear();
    viewport()->update();
}

void Aya::SetHeardWord(int index)
{
    index = index >= 0 && index < WordCount() ? index : -1;
    if (index == heard_)
        return;
    heard_ = index;
    viewport()->update();
}

void Aya::SetFlaggedWords(std::vector<int> indexes)
{
    flagged_ = std::move(indexes);
    viewport()->update();
}

int Aya::RevealedWords() const { return int(std::lround((1.0 - hidden_) * WordCount())); }

QRectF Aya::ContentsRect(int index) const
{
    if (index < 0 || index >= WordCount() || pixmap().isNull() || original_.isNull())
        return {};
    const QSize size = pixmap().deviceIndependentSize().toSize();
    const QPoint o = PictureOffset(size, zoom(), viewport()->size());
    const double scale = size.width() * zoom() / original_.width();
    const QRect& box = boxes_[size_t(index)];
    return QRectF(o.x() + box.x() * scale, o.y() + box.y() * scale, box.width() * scale,
                  box.height() * scale);
}

QRect Aya::WordRect(int index) const
{
    const QPoint scroll(horizontalScrollBar()->value(), verticalScrollBar()->value());
    return ContentsRect(index).toAlignedRect().translated(-scroll);
}

int Aya::WordAtPoint(const QPoint& point) const
{
    for (int i = 0; i < WordCount(); ++i)
        if (WordRect(i).contains(point))
            return i;
    return -1;
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
    if (pixmap().isNull())
        return;
    DrawWordMarks(painter);
    if (hidden_ <= 0)
        return;
    if (!boxes_.empty() && hidden_ < 1) {
        CoverWords(painter);
        return;
    }
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

void Aya::DrawWordMarks(QPainter* painter) const
{
    // A tint over the word heard and a line under it; a dashed frame about each word the check flagged.
    // Both in colours that stand apart from the ink on the day page and on Night Reading's dark one.
    const QColor accent = night_ ? QColor(0xe8, 0xc0, 0x60) : QColor(0x2e, 0x8b, 0x57);
    painter->save();
    painter->setClipping(false);
    painter->setRenderHint(QPainter::Antialiasing);
    if (const QRectF r = ContentsRect(heard_); !r.isEmpty()) {
        QColor tint = accent;
        tint.setAlpha(night_ ? 60 : 40);
        painter->fillRect(r, tint);
        const double thick = std::max(2.0, r.height() * 0.03);
        painter->fillRect(
            QRectF(r.left(), r.bottom() - r.height() * kUnderlineRise - thick, r.width(), thick), accent);
    }
    const QColor flag = night_ ? QColor(0xff, 0x8a, 0x80) : QColor(0xc0, 0x2a, 0x2a);
    painter->setPen(QPen(flag, 2, Qt::DashLine));
    painter->setBrush(Qt::NoBrush);
    for (int index : flagged_)
        if (const QRectF r = ContentsRect(index); !r.isEmpty())
            painter->drawRoundedRect(r.adjusted(1, 1, -1, -1), 4, 4);
    painter->restore();
}

void Aya::CoverWords(QPainter* painter) const
{
    // The page covered, then the words revealed drawn again from the picture.
    const QSize size = pixmap().deviceIndependentSize().toSize();
    const QPoint o = PictureOffset(size, zoom(), viewport()->size());
    painter->save();
    painter->setClipping(false);
    painter->fillRect(
        QRect(o.x() - 1, o.y() - 1, int(size.width() * zoom()) + 2, int(size.height() * zoom()) + 2),
        night_ ? QColor(0x30, 0x33, 0x38) : QColor(0xe4, 0xe1, 0xd8));
    const double toPixels = double(pixmap().width()) / std::max(1.0, double(size.width() * zoom()));
    const double pictureRight = o.x() + size.width() * zoom();
    for (int i = 0; i < RevealedWords(); ++i) {
        // Each word with the gap before it (to its right), and a line's first word from the picture's
        // edge: the line uncovered as one stretch, as far as it is revealed.
        QRectF r = ContentsRect(i);
        const bool lineGoesOn = i > 0 && boxes_[size_t(i - 1)].top() == boxes_[size_t(i)].top();
        r.setRight(lineGoesOn ? ContentsRect(i - 1).left() : pictureRight);
        const QRectF source((r.x() - o.x()) * toPixels, (r.y() - o.y()) * toPixels, r.width() * toPixels,
                            r.height() * toPixels);
        painter->drawPixmap(r, pixmap(), source);
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
