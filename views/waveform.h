// SPDX-License-Identifier: GPL-3.0-or-later
// Waveforms of two voices, the reciter's and the learner's, one above the other on a shared time axis.
// Three parts, as in a music player: WavePeaks, a pure builder that reduces decoded samples once to
// the lowest and highest value of each short bucket; PaintWave, which draws peaks into a rectangle at
// any width from those buckets alone; and WaveformView, a thin widget that holds two sets of peaks and
// paints them. Nothing is decoded or read from a file while painting.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <utility>
#include <vector>

class QPainter;

class WavePeaks
{
  public:
    static constexpr int kBucketsPerSecond = 400;

    WavePeaks() = default;
    // Interleaved samples in -1..1; every channel counts.
    static WavePeaks Build(const float* samples, size_t frames, int channels, int rate);

    bool Empty() const { return low_.empty(); }
    double Seconds() const { return double(low_.size()) / kBucketsPerSecond; }
    size_t Buckets() const { return low_.size(); }
    // The lowest and highest sample between two times, in seconds; 0 and 0 outside the sound.
    void Range(double from, double to, float* low, float* high) const;

  private:
    std::vector<float> low_, high_;
};

// The time of a recording drawn on another's axis: pairs (axis time, own time) of an alignment, both
// rising, and straight lines between them. Empty, the two times are one.
class TimeMap
{
  public:
    TimeMap() = default;
    explicit TimeMap(std::vector<std::pair<double, double>> pairs);
    bool Empty() const { return pairs_.empty(); }
    double Own(double axis) const;
    double Axis(double own) const;

  private:
    std::vector<std::pair<double, double>> pairs_;
};

// Draws peaks in rect, span seconds across its width (the shared axis), mirrored about its middle line;
// with a map, each column shows the stretch of the recording that the map puts there.
void PaintWave(QPainter& painter, const QRectF& rect, const WavePeaks& peaks, double span,
               const QColor& color, const TimeMap& map = TimeMap());

// A voice's melody: its pitch every step seconds (0 where it cannot be followed), and its middle pitch.
struct Melody {
    std::vector<float> pitch;
    float middle = 0;
};

// Draws a melody in rect, span seconds across, as it rises and falls about its middle pitch (an octave
// above it at the top, an octave below at the bottom); with a map, on the axis the map puts it.
void PaintPitch(QPainter& painter, const QRectF& rect, const Melody& melody, double step, double span,
                const QColor& color, const TimeMap& map);

class WaveformView : public QWidget
{
    Q_OBJECT
  public:
    explicit WaveformView(QWidget* parent = nullptr);

    void SetVoices(WavePeaks reciter, WavePeaks learner);
    // Stretches to mark, in seconds: of the reciter's voice, what the learner left out (hatched) and what
    // the learner said differently (cross-hatched, framed); of the learner's, what has no counterpart in
    // the reciter's. Cleared by SetVoices.
    void SetMarks(std::vector<std::pair<double, double>> missing,
                  std::vector<std::pair<double, double>> extra,
                  std::vector<std::pair<double, double>> changed = {});
    // Draws the learner's voice on the reciter's time, by an alignment's pairs (reciter's time, the
    // learner's time); cleared by SetVoices.
    void SetAlignment(std::vector<std::pair<double, double>> path);
    // The melodies, drawn over each voice's waveform as they rise and fall about the voice's own middle
    // pitch, the learner's on the reciter's time once aligned. An empty one draws none; cleared by
    // SetVoices.
    void SetPitch(Melody reciter, Melody learner, double step);
    bool ShowsPitch() const { return !reciterMelody_.pitch.empty() || !learnerMelody_.pitch.empty(); }
    // The time heard now in the voice playing (mine: the learner's); negative: none.
    void SetPosition(double seconds, bool mine);
    QSize sizeHint() const override { return {480, 120}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // The view's name, and its voices' lengths, in the interface's language.
    void Describe();

    WavePeaks reciter_, learner_;
    std::vector<std::pair<double, double>> missing_, extra_, changed_;
    TimeMap aligned_; // the learner's time on the reciter's axis, once checked
    Melody reciterMelody_, learnerMelody_;
    double pitchStep_ = 0.01;
    double position_ = -1;
    bool mine_ = false;
};
