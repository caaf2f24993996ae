// SPDX-License-Identifier: GPL-3.0-or-later
#include "waveform.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

WavePeaks WavePeaks::Build(const float* samples, size_t frames, int channels, int rate)
{
    WavePeaks peaks;
    if (!samples || channels <= 0 || rate <= 0 || frames == 0)
        return peaks;
    const double perBucket = double(rate) / kBucketsPerSecond;
    const size_t buckets = size_t(std::ceil(double(frames) / perBucket));
    peaks.low_.assign(buckets, 0.0f);
    peaks.high_.assign(buckets, 0.0f);
    for (size_t b = 0; b < buckets; ++b) {
        const size_t from = size_t(double(b) * perBucket);
        const size_t to = std::min(frames, size_t(double(b + 1) * perBucket));
        float low = 1.0f, high = -1.0f;
        for (size_t f = from; f < to; ++f)
            for (int c = 0; c < channels; ++c) {
                const float v = samples[f * size_t(channels) + size_t(c)];
                low = std::min(low, v);
                high = std::max(high, v);
            }
        peaks.low_[b] = std::clamp(std::min(low, 0.0f), -1.0f, 0.0f);
        peaks.high_[b] = std::clamp(std::max(high, 0.0f), 0.0f, 1.0f);
    }
    return peaks;
}

void WavePeaks::Range(double from, double to, float* low, float* high) const
{
    *low = 0;
    *high = 0;
    const long first = std::max(0L, long(std::floor(from * kBucketsPerSecond)));
    const long last = std::min(long(low_.size()), long(std::ceil(to * kBucketsPerSecond)));
    for (long b = first; b < std::max(last, first + 1) && b < long(low_.size()); ++b) {
        *low = std::min(*low, low_[size_t(b)]);
        *high = std::max(*high, high_[size_t(b)]);
    }
}

TimeMap::TimeMap(std::vector<std::pair<double, double>> pairs) : pairs_(std::move(pairs)) {}

double TimeMap::Own(double axis) const
{
    if (pairs_.empty())
        return axis;
    const auto after =
        std::lower_bound(pairs_.begin(), pairs_.end(), axis,
                         [](const std::pair<double, double>& p, double t) { return p.first < t; });
    if (after == pairs_.begin())
        return after->second - (after->first - axis);
    if (after == pairs_.end())
        return pairs_.back().second + (axis - pairs_.back().first);
    const auto before = std::prev(after);
    const double width = after->first - before->first;
    const double share = width > 0 ? (axis - before->first) / width : 0;
    return before->second + share * (after->second - before->second);
}

double TimeMap::Axis(double own) const
{
    if (pairs_.empty())
        return own;
    const auto after =
        std::lower_bound(pairs_.begin(), pairs_.end(), own,
                         [](const std::pair<double, double>& p, double t) { return p.second < t; });
    if (after == pairs_.begin())
        return after->first - (after->second - own);
    if (after == pairs_.end())
        return pairs_.back().first + (own - pairs_.back().second);
    const auto before = std::prev(after);
    const double width = after->second - before->second;
    const double share = width > 0 ? (own - before->second) / width : 0;
    return before->first + share * (after->first - before->first);
}

void PaintWave(QPainter& painter, const QRectF& rect, const WavePeaks& peaks, double span,
               const QColor& color, const TimeMap& map)
{
    const double middle = rect.center().y();
    const double half = rect.height() / 2;
    painter.setPen(QPen(color.lighter(160), 1));
    painter.drawLine(QPointF(rect.left(), middle), QPointF(rect.right(), middle));
    if (peaks.Empty() || span <= 0 || rect.width() < 1)
        return;
    painter.setPen(QPen(color, 1));
    const int columns = int(rect.width());
    const double perColumn = span / columns;
    for (int x = 0; x < columns; ++x) {
        const double t = map.Own(x * perColumn);
        if (t >= peaks.Seconds())
            break;
        const double next = std::max(map.Own((x + 1) * perColumn), t + 1.0 / WavePeaks::kBucketsPerSecond);
        float low = 0, high = 0;
        peaks.Range(t, next, &low, &high);
        const double px = rect.left() + x + 0.5;
        painter.drawLine(QPointF(px, middle - high * half), QPointF(px, middle - low * half));
    }
}

void PaintPitch(QPainter& painter, const QRectF& rect, const Melody& melody, double step, double span,
                const QColor& color, const TimeMap& map)
{
    const std::vector<float>& contour = melody.pitch;
    if (contour.empty() || melody.middle <= 0)
        return;
    auto y = [&](float hz) {
        const double octaves = std::clamp(std::log2(double(hz) / melody.middle), -1.0, 1.0);
        return rect.center().y() - octaves * rect.height() / 2;
    };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, 1.5));
    QPainterPath path;
    bool open = false;
    for (size_t k = 0; k < contour.size(); ++k) {
        const float hz = contour[k];
        // A gap, or a leap of more than half an octave (the follower jumping), lifts the pen.
        if (hz <= 0 ||
            (open && k > 0 && contour[k - 1] > 0 && std::abs(std::log2(hz / contour[k - 1])) > 0.5)) {
            open = false;
            if (hz <= 0)
                continue;
        }
        const double at = map.Axis(double(k) * step);
        const QPointF point(rect.left() + std::clamp(at / span, 0.0, 1.0) * rect.width(), y(hz));
        open ? path.lineTo(point) : path.moveTo(point);
        open = true;
    }
    painter.drawPath(path);
    painter.restore();
}

WaveformView::WaveformView(QWidget* parent) : QWidget(parent)
{
    setAccessibleName(tr("Waveforms of the reciter and of your recitation"));
    setMinimumHeight(90);
}

void WaveformView::SetVoices(WavePeaks reciter, WavePeaks learner)
{
    reciter_ = std::move(reciter);
    learner_ = std::move(learner);
    missing_.clear();
    extra_.clear();
    changed_.clear();
    aligned_ = TimeMap();
    reciterMelody_ = Melody();
    learnerMelody_ = Melody();
    position_ = -1;
    Describe();
    update();
}

void WaveformView::Describe()
{
    setAccessibleName(tr("Waveforms of the reciter and of your recitation"));
    if (!reciter_.Empty() || !learner_.Empty())
        setAccessibleDescription(tr("The reciter: %1 s; you: %2 s")
                                     .arg(reciter_.Seconds(), 0, 'f', 1)
                                     .arg(learner_.Seconds(), 0, 'f', 1));
}

void WaveformView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        Describe();
    QWidget::changeEvent(event);
}

void WaveformView::SetPosition(double seconds, bool mine)
{
    position_ = seconds;
    mine_ = mine;
    update();
}

void WaveformView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    // Aligned, the learner's voice is drawn on the reciter's time; else each on its own.
    const double span = std::max(
        aligned_.Empty() ? std::max(reciter_.Seconds(), learner_.Seconds()) : reciter_.Seconds(), 0.1);
    const QString reciterLabel = tr("Reciter"), learnerLabel = tr("You");
    const int labelWidth = std::max(fontMetrics().horizontalAdvance(reciterLabel),
                                    fontMetrics().horizontalAdvance(learnerLabel)) +
                           12;
    const QRectF area = QRectF(rect()).adjusted(labelWidth, 4, -6, -4);
    const double laneHeight = area.height() / 2;
    const QRectF top(area.left(), area.top(), area.width(), laneHeight - 2);
    const QRectF bottom(area.left(), area.top() + laneHeight + 2, area.width(), laneHeight - 2);
    const QColor reciterColor = palette().color(QPalette::Highlight);
    const QColor learnerColor(QColor::fromHsv((reciterColor.hue() + 150) % 360, 160, 170));
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QRectF(4, top.top(), labelWidth - 8, top.height()), Qt::AlignVCenter | Qt::AlignLeft,
                     reciterLabel);
    painter.drawText(QRectF(4, bottom.top(), labelWidth - 8, bottom.height()),
                     Qt::AlignVCenter | Qt::AlignLeft, learnerLabel);
    // The marked stretches behind the voices, hatched as well as tinted.
    const QColor mark = palette().color(QPalette::Text);
    for (const auto& [list, lane] :
         {std::pair{&missing_, top}, std::pair{&extra_, bottom}, std::pair{&changed_, top}})
        for (auto [from, to] : *list) {
            if (list == &extra_) // on the axis, where the alignment holds the reciter still
                from = aligned_.Axis(from), to = aligned_.Axis(to);
            const QRectF r(lane.left() + std::clamp(from / span, 0.0, 1.0) * lane.width(), lane.top(),
                           std::max((std::min(to, span) - std::max(from, 0.0)) / span * lane.width(), 2.0),
                           lane.height());
            const bool changed = list == &changed_;
            painter.fillRect(r, QColor(mark.red(), mark.green(), mark.blue(), 40));
            painter.fillRect(r, QBrush(QColor(mark.red(), mark.green(), mark.blue(), 90),
                                       changed ? Qt::DiagCrossPattern : Qt::BDiagPattern));
            if (changed) { // framed too: said, but differently
                painter.setPen(QPen(QColor(mark.red(), mark.green(), mark.blue(), 160), 1, Qt::DashLine));
                painter.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
            }
        }
    PaintWave(painter, top, reciter_, span, reciterColor);
    PaintWave(painter, bottom, learner_, span, learnerColor, aligned_);
    const QColor melody = palette().color(QPalette::Text);
    PaintPitch(painter, top, reciterMelody_, pitchStep_, span, melody, TimeMap());
    PaintPitch(painter, bottom, learnerMelody_, pitchStep_, span, melody, aligned_);
    if (position_ >= 0) {
        const QRectF& lane = mine_ ? bottom : top;
        const double at = mine_ ? aligned_.Axis(position_) : position_;
        const double x = lane.left() + std::clamp(at / span, 0.0, 1.0) * lane.width();
        painter.setPen(QPen(palette().color(QPalette::Text), 1));
        painter.drawLine(QPointF(x, lane.top()), QPointF(x, lane.bottom()));
    }
}

void WaveformView::SetMarks(std::vector<std::pair<double, double>> missing,
                            std::vector<std::pair<double, double>> extra,
                            std::vector<std::pair<double, double>> changed)
{
    missing_ = std::move(missing);
    extra_ = std::move(extra);
    changed_ = std::move(changed);
    update();
}

void WaveformView::SetPitch(Melody reciter, Melody learner, double step)
{
    reciterMelody_ = std::move(reciter);
    learnerMelody_ = std::move(learner);
    pitchStep_ = step > 0 ? step : 0.01;
    update();
}

void WaveformView::SetAlignment(std::vector<std::pair<double, double>> path)
{
    aligned_ = TimeMap(std::move(path));
    update();
}
