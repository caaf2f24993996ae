// SPDX-License-Identifier: GPL-3.0-or-later
#include "fitted_picture.h"

#include <QResizeEvent>
#include <algorithm>

FittedPicture::FittedPicture(QWidget* parent) : QLabel(parent)
{
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Maximum);
}

void FittedPicture::SetPicture(const QPixmap& picture, int height)
{
    picture_ = picture;
    height_ = height;
    updateGeometry();
    Fit();
}

QSize FittedPicture::sizeHint() const
{
    const QSize natural = picture_.deviceIndependentSize().toSize();
    if (natural.isEmpty() || height_ <= 0)
        return QSize(0, 0);
    return QSize(int(qint64(natural.width()) * height_ / natural.height()), height_);
}

void FittedPicture::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    Fit();
}

void FittedPicture::Fit()
{
    const QSize natural = picture_.deviceIndependentSize().toSize();
    if (natural.isEmpty()) {
        shown_ = QSize();
        setPixmap(QPixmap());
        return;
    }
    // The largest size with the picture's proportions within the room and the height asked for.
    const QSize room(std::max(1, width()), std::max(1, std::min(height(), height_)));
    const QSize logical = natural.scaled(room, Qt::KeepAspectRatio);
    if (logical == shown_ && !pixmap().isNull())
        return;
    shown_ = logical;
    // Scaled in the screen's own pixels, so it stays sharp at any density.
    const qreal ratio = devicePixelRatioF();
    QPixmap scaled = picture_.scaled(logical * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    setPixmap(scaled);
}
