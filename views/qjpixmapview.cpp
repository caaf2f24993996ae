// SPDX-License-Identifier: GPL-3.0-or-later
#include "qjpixmapview.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

struct QjPixmapView::Private {
    double zoom = 1.0;
    QPixmap picture;
    QSize contents;
    QColor page = Qt::white;
};

namespace {

// The picture's size in the view's own pixels: a picture drawn for a high-density screen carries a
// device pixel ratio and takes no more room than its logical size.
QSize LogicalSize(const QPixmap& picture) { return picture.deviceIndependentSize().toSize(); }

} // namespace

QjPixmapView::QjPixmapView(QWidget* parent) : QAbstractScrollArea(parent), d_(std::make_unique<Private>())
{
    setPixmap(QPixmap(), 1.0);
}

QjPixmapView::~QjPixmapView() = default;

const QPixmap& QjPixmapView::pixmap() const { return d_->picture; }
double QjPixmapView::zoom() const { return d_->zoom; }
const QColor& QjPixmapView::PageColour() const { return d_->page; }

void QjPixmapView::SetPageColour(const QColor& colour)
{
    d_->page = colour;
    viewport()->update();
}
QSize QjPixmapView::contentsSize() const { return d_->contents; }

void QjPixmapView::ResizeContents()
{
    d_->contents = d_->picture.isNull() ? QSize(0, 0)
                                        : QSize(int(LogicalSize(d_->picture).width() * d_->zoom),
                                                int(LogicalSize(d_->picture).height() * d_->zoom));
    UpdateScrollBars();
}

void QjPixmapView::UpdateScrollBars()
{
    const QSize view = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, d_->contents.width() - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    verticalScrollBar()->setRange(0, std::max(0, d_->contents.height() - view.height()));
    verticalScrollBar()->setPageStep(view.height());
}

void QjPixmapView::setPixmap(const QPixmap& pixmap, double zoom)
{
    d_->picture = pixmap;
    if (zoom != d_->zoom) {
        d_->zoom = zoom;
        ResizeContents();
        emit zoomChanged(zoom);
    } else {
        ResizeContents();
    }
    viewport()->update();
}

void QjPixmapView::setPixmap(const QPixmap& pixmap) { setPixmap(pixmap, d_->zoom); }

void QjPixmapView::setZoom(double zoom)
{
    if (zoom == d_->zoom)
        return;
    d_->zoom = zoom;
    ResizeContents();
    emit zoomChanged(zoom);
    viewport()->update();
}

QPoint QjPixmapView::PictureOffset(const QSize& picture, double zoom, const QSize& viewport)
{
    const double w = picture.width() * zoom;
    const double h = picture.height() * zoom;
    const int ox = w < viewport.width() ? int(viewport.width() - w) / 2 : 0;
    const int oy = h < viewport.height() ? int(viewport.height() - h) / 2 : 0;
    return QPoint(ox, oy);
}

void QjPixmapView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void QjPixmapView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const QPoint scroll(horizontalScrollBar()->value(), verticalScrollBar()->value());
    painter.translate(-scroll);
    const QRect exposed = event->rect().translated(scroll);
    drawContents(&painter, exposed.x(), exposed.y(), exposed.width(), exposed.height());
}

void QjPixmapView::drawContents(QPainter* p, int cx, int cy, int cw, int ch)
{
    p->setBrush(d_->page);
    p->setPen(d_->page);
    p->drawRect(cx, cy, cw, ch);
    const QPixmap& picture = d_->picture;
    if (picture.width() == 0)
        return;
    p->setClipping(false);
    const double zoom = d_->zoom;
    const QSize size = LogicalSize(picture);
    const QPoint o = PictureOffset(size, zoom, viewport()->size());
    if (zoom != 1.0) {
        p->save();
        // Keep the picture's top-left corner at the offset while it is magnified.
        p->translate((zoom - 1) * -o.x(), (zoom - 1) * -o.y());
        p->scale(zoom, zoom);
    }
    p->drawPixmap(o, picture);
    if (zoom != 1.0)
        p->restore();
    p->setPen(d_->page);
    p->setBrush(Qt::NoBrush);
    p->drawRect(o.x() - 1, o.y() - 1, int(size.width() * zoom + 2), int(size.height() * zoom + 2));
}
