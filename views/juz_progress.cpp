// SPDX-License-Identifier: GPL-3.0-or-later
#include "juz_progress.h"

#include "naming.h"
#include "passage.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QToolTip>

namespace
{

constexpr int kColumns = 15;
constexpr int kCell = 11;
constexpr int kGap = 2;

} // namespace

JuzProgress::JuzProgress(QWidget* parent) : QWidget(parent)
{
    for (int juz = 1; juz <= kJuz; ++juz)
        size_[size_t(juz - 1)] = Passage::Make(PassageKind::Juz, juz).AyaCount();
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(tr("Progress by juz"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    Describe();
}

void JuzProgress::SetAyas(const std::vector<std::string>& keys)
{
    learnt_.fill(0);
    for (const std::string& key : keys) {
        int sura = 0, aya = 0;
        if (!SplitAyaKey(key, &sura, &aya))
            continue;
        const int juz = Passage::NumberOf(PassageKind::Juz, sura, aya);
        if (juz > 0)
            ++learnt_[size_t(juz - 1)];
    }
    Describe();
    update();
}

QString JuzProgress::CellText(int juz) const
{
    const int learnt = Learnt(juz), size = Size(juz);
    const int percent = size > 0 ? (learnt * 100 + size / 2) / size : 0;
    return tr("Juz %L1: %L2 of %L3 ayas (%L4%)").arg(juz).arg(learnt).arg(size).arg(percent);
}

QSize JuzProgress::sizeHint() const
{
    const int rows = (kJuz + kColumns - 1) / kColumns;
    return QSize(kColumns * (kCell + kGap) + kGap, rows * (kCell + kGap) + kGap);
}

QRect JuzProgress::CellRect(int juz) const
{
    const int column = (juz - 1) % kColumns, row = (juz - 1) / kColumns;
    const int x = kGap + column * (kCell + kGap);
    // Right to left, juz 1 stands at the right.
    return QRect(layoutDirection() == Qt::RightToLeft ? sizeHint().width() - x - kCell : x,
                 kGap + row * (kCell + kGap), kCell, kCell);
}

int JuzProgress::JuzAt(const QPoint& point) const
{
    for (int juz = 1; juz <= kJuz; ++juz)
        if (CellRect(juz).contains(point))
            return juz;
    return 0;
}

void JuzProgress::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor frame = palette().color(QPalette::Mid);
    const QColor fill(200, 30, 40); // the heart's red, as the progress bar above shows it
    for (int juz = 1; juz <= kJuz; ++juz) {
        const QRect cell = CellRect(juz);
        painter.fillRect(cell, palette().color(QPalette::Base));
        const int size = Size(juz);
        const int height = size > 0 ? (cell.height() * Learnt(juz) + size - 1) / size : 0;
        painter.fillRect(QRect(cell.left(), cell.bottom() + 1 - height, cell.width(), height), fill);
        painter.setPen(hasFocus() && juz == current_ ? palette().color(QPalette::Highlight) : frame);
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
    }
}

bool JuzProgress::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int juz = JuzAt(help->pos());
        juz > 0 ? QToolTip::showText(help->globalPos(), CellText(juz), this) : QToolTip::hideText();
        return true;
    }
    if (event->type() == QEvent::LanguageChange) {
        setAccessibleName(tr("Progress by juz"));
        Describe();
    }
    return QWidget::event(event);
}

void JuzProgress::keyPressEvent(QKeyEvent* event)
{
    const int step = event->key() == Qt::Key_Right ? 1 : event->key() == Qt::Key_Left ? -1 : 0;
    const int row = event->key() == Qt::Key_Down ? kColumns : event->key() == Qt::Key_Up ? -kColumns : 0;
    if (step == 0 && row == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    // A right-to-left layout mirrors the cells, and the arrows with them.
    SetCurrent(current_ + (layoutDirection() == Qt::RightToLeft ? -step : step) + row);
}

void JuzProgress::mousePressEvent(QMouseEvent* event)
{
    if (const int juz = JuzAt(event->position().toPoint()))
        SetCurrent(juz);
}

void JuzProgress::SetCurrent(int juz)
{
    if (juz < 1 || juz > kJuz)
        return;
    current_ = juz;
    Describe();
    update();
}

void JuzProgress::Describe()
{
    int learnt = 0, total = 0, begun = 0;
    for (int juz = 1; juz <= kJuz; ++juz) {
        learnt += Learnt(juz);
        total += Size(juz);
        begun += Learnt(juz) > 0;
    }
    setAccessibleDescription(
        CellText(current_) +
        tr(". %L1 of 30 juz begun, %L2 of %L3 ayas in all.").arg(begun).arg(learnt).arg(total));
}
