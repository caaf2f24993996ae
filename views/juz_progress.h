// SPDX-License-Identifier: GPL-3.0-or-later
// "Progress by juz": thirty cells, one per juz in two rows of fifteen, each filled from the bottom by the
// share of its ayas in the heart. Hovering a cell names its numbers; with the keyboard, Left and Right
// move between cells, and the cell's numbers are the widget's accessible description.
#pragma once

#include <QWidget>
#include <array>
#include <string>
#include <vector>

class JuzProgress : public QWidget
{
    Q_OBJECT
  public:
    static constexpr int kJuz = 30;

    explicit JuzProgress(QWidget* parent = nullptr);

    // Shows the heart of these aya keys.
    void SetAyas(const std::vector<std::string>& keys);
    int Learnt(int juz) const { return learnt_[size_t(juz - 1)]; }
    int Size(int juz) const { return size_[size_t(juz - 1)]; }
    // "Juz 30: 37 of 564 ayas (7%)".
    QString CellText(int juz) const;
    int Current() const { return current_; }
    // The juz under a point of the widget; 0 for none.
    int JuzAt(const QPoint& point) const;
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QRect CellRect(int juz) const;
    void SetCurrent(int juz);
    void Describe();

    std::array<int, kJuz> learnt_{};
    std::array<int, kJuz> size_{};
    int current_ = 1;
};
