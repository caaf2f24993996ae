// SPDX-License-Identifier: GPL-3.0-or-later
// QjPixmapView shows one picture in a scroll area: centred while it is smaller than the viewport,
// scrollable when larger, magnified by a zoom factor. The contents size is the picture's size times
// the zoom (0 x 0 for a null picture). A one-pixel frame of the page colour surrounds the picture. A
// picture with a device pixel ratio takes the room of its logical size.
#pragma once

#include <QAbstractScrollArea>
#include <QPixmap>
#include <memory>

class QjPixmapView : public QAbstractScrollArea
{
    Q_OBJECT
public:
    explicit QjPixmapView(QWidget* parent = nullptr);
    ~QjPixmapView() override;

    void setPixmap(const QPixmap& pixmap, double zoom);
    void setPixmap(const QPixmap& pixmap);
    const QPixmap& pixmap() const;
    double zoom() const;
    QSize contentsSize() const;
    // The colour around the picture and of its frame: white unless a reading look asks for another.
    const QColor& PageColour() const;
    void SetPageColour(const QColor& colour);

    // Where the picture's top-left corner goes, in contents coordinates: centred on each axis where
    // the zoomed picture is smaller than the viewport, else 0.
    static QPoint PictureOffset(const QSize& picture, double zoom, const QSize& viewport);

public slots:
    void setZoom(double zoom);

signals:
    void zoomChanged(double zoom);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Draws the exposed rectangle (contents coordinates) of the contents.
    virtual void drawContents(QPainter* painter, int cx, int cy, int cw, int ch);

private:
    void ResizeContents();
    void UpdateScrollBars();

    struct Private;
    std::unique_ptr<Private> d_;
};
