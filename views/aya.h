// SPDX-License-Identifier: GPL-3.0-or-later
// Aya shows the picture of the current aya and is the drag source of single ayas: a press on it starts
// a copy drag carrying the aya key (for example "002.255"). Before any aya is shown there is nothing
// to carry, and a press starts no drag.
#pragma once

#include "qjpixmapview.h"

#include <QImage>
#include <string>
#include <utility>
#include <vector>

// The rows of picture that hold ink, as shares of its height: [top, bottom) in 0..1. Ink is any pixel
// that stands out from the picture's corner (its page colour) or, in a picture with transparency, any
// pixel that is not transparent. A blank or empty picture gives {0, 1}.
std::pair<double, double> InkRows(const QImage& picture);

class Aya : public QjPixmapView
{
    Q_OBJECT
  public:
    explicit Aya(QWidget* parent = nullptr);

    std::string dragText; // the key of the aya shown; written by the main window

    // The reader's zoom over the picture's fitted size: 1 shows it at its own size, scaled down when it
    // is wider than the view less a margin or taller than the view; kFitWidth scales it up or down to
    // the width, but never so that a line leaves the view's height.
    static constexpr double kFitWidth = 0;
    static constexpr double kMinZoom = 0.5;
    static constexpr double kMaxZoom = 4.0;
    static constexpr double kZoomStep = 1.25;
    static constexpr int kFitMargin = 80;
    static constexpr int kFitMarginHeight = 8;
    // Fitting to the height never makes the picture smaller than this share of its width's fit: a long
    // aya of many lines scrolls rather than shrinking to an unreadable size.
    static constexpr double kMinFitShare = 0.6;

    // The scale that fits a picture of this size into room (width and height available): down only, or
    // up too when grow is set.
    static double FitScale(const QSize& picture, const QSize& room, bool grow);
    // Shows picture at the reader's zoom, for the screen's pixel density, as light ink on dark in
    // Night Reading.
    void ShowPicture(const QImage& picture);
    double ReaderZoom() const { return readerZoom_; }
    void SetReaderZoom(double zoom);
    void ZoomIn() { SetReaderZoom(Steppable() * kZoomStep); }
    void ZoomOut() { SetReaderZoom(Steppable() / kZoomStep); }
    void SetNight(bool night);
    // Covers the part of the picture not yet revealed: hidden is the share covered, 0 to 1, from the
    // left, since Arabic is read from the right.
    void SetHidden(double hidden);
    double Hidden() const { return hidden_; }

    // The boxes of the aya's words, in the picture's own pixels, in reading order; none when the pack
    // does not tell them. With words, the cover of SetHidden() covers whole words: the share revealed,
    // rounded to words, from the first.
    void SetWords(std::vector<QRect> boxes);
    int WordCount() const { return int(boxes_.size()); }
    // The word heard now, marked on the picture; -1: none.
    void SetHeardWord(int index);
    int HeardWord() const { return heard_; }
    // Words the listening check found left out or said differently, marked apart.
    void SetFlaggedWords(std::vector<int> indexes);
    const std::vector<int>& FlaggedWords() const { return flagged_; }
    // A word's box where the view shows it (viewport coordinates); empty when there is no such word.
    QRect WordRect(int index) const;
    // The word at a point of the viewport; -1 when none is there.
    int WordAtPoint(const QPoint& point) const;
    // The number of words not covered now.
    int RevealedWords() const;

  signals:
    void message(const std::string& text);
    void readerZoomChanged(double zoom);
    // A press on a covered picture asks for it to be revealed (and starts no drag).
    void revealRequested();
    // A click (a press and a release where it began, no drag carried off) on a word, or its number key.
    void wordClicked(int index);

  protected:
    void drawContents(QPainter* painter, int cx, int cy, int cw, int ch) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // With the picture focused, the keys 1 to 9 act as a click on the first nine words.
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void Present();
    double Steppable() const;
    // Scrolls so that the ink is in view: centred when it fits the view, its top line at the top when
    // it does not; a picture wider than the view shows its right end, where an Arabic line begins.
    void KeepInkInView();

    // Draws the heard word's mark and the flagged words' frames; covers the words not revealed.
    void DrawWordMarks(QPainter* painter) const;
    void CoverWords(QPainter* painter) const;
    // How far above its box's bottom a word's underline stands, as a share of the box's height: the
    // box holds the line's leading below the letters' marks.
    static constexpr double kUnderlineRise = 0.12;
    // A word's box in contents coordinates.
    QRectF ContentsRect(int index) const;

    QImage original_;
    std::vector<QRect> boxes_;
    std::vector<int> flagged_;
    int heard_ = -1;
    std::pair<double, double> ink_{0, 1};
    double readerZoom_ = 1.0;
    bool night_ = false;
    double hidden_ = 0;
};
