#include "ui/WaveformView.h"

#include "batch/LessonMarks.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

// How close to a mark, in pixels, a press takes hold of it.
constexpr int MarkReach = 4;

} // namespace

CWaveformView::CWaveformView(const CLessonMarks& marks, std::span<const std::int16_t> samples,
                             QWidget* parent)
    : QWidget(parent), m_marks(marks), m_samples(samples) {
    setMinimumSize(400, 160);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

void CWaveformView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Clamp();
}

void CWaveformView::Clamp() {
    const double whole =
        static_cast<double>(std::max<std::size_t>(m_samples.size(), 1)) / std::max(width(), 1);
    if (m_dSamplesPerPixel <= 0 || m_dSamplesPerPixel > whole)
        m_dSamplesPerPixel = whole;
    m_dSamplesPerPixel = std::max(m_dSamplesPerPixel, 1.0 / 16);
    const double last = static_cast<double>(m_samples.size()) - m_dSamplesPerPixel * width();
    m_dFirst = std::clamp(m_dFirst, 0.0, std::max(last, 0.0));
}

std::uint64_t CWaveformView::SampleAt(int x) const {
    const double sample = m_dFirst + x * m_dSamplesPerPixel;
    return static_cast<std::uint64_t>(
        std::clamp(sample, 0.0, static_cast<double>(m_samples.size())));
}

int CWaveformView::XOf(std::uint64_t sample) const {
    return static_cast<int>(
        std::lround((static_cast<double>(sample) - m_dFirst) / m_dSamplesPerPixel));
}

std::optional<std::uint64_t> CWaveformView::MouseSample() const {
    const QPoint at = mapFromGlobal(QCursor::pos());
    if (!rect().contains(at))
        return std::nullopt;
    return SampleAt(at.x());
}

void CWaveformView::SetCurrent(std::size_t phrase) {
    m_nCurrent = phrase;
    ShowSample(m_marks.Start(phrase));
    update();
}

void CWaveformView::SetPlayPosition(std::int64_t position) {
    m_nPlay = position;
    if (position >= 0)
        ShowSample(static_cast<std::uint64_t>(position));
    update();
}

void CWaveformView::ShowSample(std::uint64_t sample) {
    const int x = XOf(sample);
    if (x < 0 || x >= width()) {
        m_dFirst = static_cast<double>(sample) - m_dSamplesPerPixel * width() / 8;
        Clamp();
    }
}

void CWaveformView::Zoom(int steps) {
    const std::uint64_t about =
        m_nPlay >= 0 ? static_cast<std::uint64_t>(m_nPlay) : m_marks.Start(m_nCurrent);
    const int x = std::clamp(XOf(about), 0, width());
    m_dSamplesPerPixel *= std::pow(0.5, steps);
    Clamp();
    m_dFirst = static_cast<double>(about) - x * m_dSamplesPerPixel;
    Clamp();
    update();
}

void CWaveformView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    const int h = height(), middle = h / 2;
    // The current phrase behind the wave.
    const int from = std::max(XOf(m_marks.Start(m_nCurrent)), 0);
    const int to = std::min(XOf(m_marks.End(m_nCurrent)), width());
    if (to > from)
        painter.fillRect(from, 0, to - from, h, palette().highlight().color().lighter(170));
    painter.setPen(palette().text().color());
    for (int x = 0; x < width(); ++x) {
        const std::uint64_t first = SampleAt(x);
        const std::uint64_t last = std::max(SampleAt(x + 1), first + 1);
        if (first >= m_samples.size())
            break;
        const auto [low, high] = std::minmax_element(
            m_samples.begin() + static_cast<std::ptrdiff_t>(first),
            m_samples.begin() +
                static_cast<std::ptrdiff_t>(std::min<std::uint64_t>(last, m_samples.size())));
        painter.drawLine(x, middle - *high * middle / 32768, x, middle - *low * middle / 32768);
    }
    painter.setPen(QPen(palette().highlight().color().darker(130), 2));
    for (std::size_t mark = 0; mark < m_marks.Marks().size(); ++mark) {
        const int x = m_drag == mark ? m_nDragX : XOf(m_marks.Marks()[mark]);
        painter.drawLine(x, 0, x, h);
    }
    if (m_nPlay >= 0) {
        painter.setPen(QPen(Qt::red, 1));
        const int x = XOf(static_cast<std::uint64_t>(m_nPlay));
        painter.drawLine(x, 0, x, h);
    }
}

void CWaveformView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const int x = event->position().toPoint().x();
    const std::size_t mark = m_marks.NearestMark(SampleAt(x));
    if (mark < m_marks.Marks().size() && std::abs(XOf(m_marks.Marks()[mark]) - x) <= MarkReach) {
        m_drag = mark;
        m_nDragX = x;
        return;
    }
    emit phraseClicked(SampleAt(x));
}

void CWaveformView::mouseMoveEvent(QMouseEvent* event) {
    const int x = event->position().toPoint().x();
    if (m_drag) {
        m_nDragX = std::clamp(x, 0, width() - 1);
        update();
        return;
    }
    const std::size_t mark = m_marks.NearestMark(SampleAt(x));
    const bool over =
        mark < m_marks.Marks().size() && std::abs(XOf(m_marks.Marks()[mark]) - x) <= MarkReach;
    setCursor(over ? Qt::SplitHCursor : Qt::ArrowCursor);
}

void CWaveformView::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_drag || event->button() != Qt::LeftButton)
        return;
    const std::size_t mark = *m_drag;
    m_drag.reset();
    emit markDropped(mark, SampleAt(std::clamp(event->position().toPoint().x(), 0, width() - 1)));
    update();
}

void CWaveformView::wheelEvent(QWheelEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) {
        Zoom(event->angleDelta().y() > 0 ? 1 : -1);
        event->accept();
        return;
    }
    // Without Ctrl the wheel scrolls through the lesson.
    m_dFirst -= event->angleDelta().y() / 120.0 * m_dSamplesPerPixel * width() / 8;
    Clamp();
    update();
    event->accept();
}
