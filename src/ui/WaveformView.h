#pragma once

#include <QWidget>

#include <cstdint>
#include <optional>
#include <span>

class CLessonMarks;

// One lesson's waveform, min and max per pixel, with the phrase marks, the
// current phrase highlighted and the play position. Marks are dragged with
// the mouse; Ctrl+wheel zooms. The view scrolls to keep the play position in sight.
class CWaveformView : public QWidget {
    Q_OBJECT

public:
    CWaveformView(const CLessonMarks& marks, std::span<const std::int16_t> samples,
                  QWidget* parent = nullptr);

    void SetCurrent(std::size_t phrase);
    // The play position in samples; none below zero.
    void SetPlayPosition(std::int64_t position);
    // Zoom in (1) or out (-1) by a factor of two, about the play position or the current phrase.
    void Zoom(int steps);
    double SamplesPerPixel() const { return m_dSamplesPerPixel; }
    std::uint64_t SampleAt(int x) const;
    int XOf(std::uint64_t sample) const;
    // The sample under the mouse when it is over the view.
    std::optional<std::uint64_t> MouseSample() const;
    // Brings sample into sight.
    void ShowSample(std::uint64_t sample);

signals:
    // A click selects the phrase under it.
    void phraseClicked(std::uint64_t sample);
    // A mark was dropped at sample.
    void markDropped(std::size_t mark, std::uint64_t sample);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Clamp();

    const CLessonMarks& m_marks;
    std::span<const std::int16_t> m_samples;
    double m_dSamplesPerPixel = 0; // 0: the whole lesson in the view
    double m_dFirst = 0;           // the sample at x = 0
    std::size_t m_nCurrent = 0;
    std::int64_t m_nPlay = -1;
    std::optional<std::size_t> m_drag; // the mark being dragged
    int m_nDragX = 0;
};
