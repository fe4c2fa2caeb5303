#include "pause/AutoThreshold.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr std::uint32_t FramesPerSecond = 50;

// DEV: tuning knobs, read once.
struct Knobs {
    double lo = 100, hi = 900, alpha = 0.3, beta = 0.4, onset = 100, tail = 50, follow = 25;
    Knobs() {
        if (const char* s = std::getenv("BRELLOW_AT"))
            std::sscanf(s, "%lf,%lf,%lf,%lf,%lf,%lf,%lf", &lo, &hi, &alpha, &beta, &onset, &tail,
                        &follow);
    }
};
const Knobs& K() {
    static const Knobs k;
    return k;
}

// A held peak as a level in half decibels above one step, 0 for none.
std::uint8_t Level(std::int32_t held) {
    if (held <= 0)
        return 0;
    return static_cast<std::uint8_t>(1 + std::lround(40 * std::log10(double(held))));
}

} // namespace

CAutoThreshold::CAutoThreshold(std::uint32_t rate)
    : m_nFrameSamples(std::max<std::uint32_t>(1, rate / FramesPerSecond)),
      m_nBehind(static_cast<std::uint64_t>(SecondsBehind * FramesPerSecond)),
      m_nAhead(static_cast<std::uint64_t>(SecondsAhead * FramesPerSecond)),
      m_nOnset(static_cast<std::uint64_t>(K().onset / 1000 * rate)),
      m_nTail(static_cast<std::uint64_t>(K().tail / 1000 * rate)) {}

void CAutoThreshold::Analyse(const std::uint8_t* bytes, std::size_t count) {
    const auto offset = static_cast<std::int32_t>(std::lround(m_dOffset));
    const auto sample = [&](std::int32_t v) {
        m_nSum += v;
        const std::int32_t centred = v - offset;
        const std::int32_t magnitude = centred < 0 ? -centred : centred;
        std::int32_t held = magnitude;
        for (const std::int32_t r : m_recent)
            held = std::min(held, r);
        m_recent = {m_recent[1], m_recent[2], m_recent[3], m_recent[4], magnitude};
        m_nHeld = std::max(m_nHeld, held);
        if (++m_nInFrame == m_nFrameSamples)
            EndFrame();
    };
    std::size_t i = 0;
    if (m_nCarry >= 0 && count > 0) {
        sample(static_cast<std::int16_t>(m_nCarry | bytes[0] << 8));
        m_nCarry = -1;
        i = 1;
    }
    for (; i + 1 < count; i += 2)
        sample(static_cast<std::int16_t>(bytes[i] | bytes[i + 1] << 8));
    if (i < count)
        m_nCarry = bytes[i];
}

void CAutoThreshold::Finish() {
    if (m_nInFrame > 0)
        EndFrame();
}

void CAutoThreshold::EndFrame() {
    const double mean = double(m_nSum) / m_nInFrame;
    m_frames.push_back({Level(m_nHeld), static_cast<std::int16_t>(std::lround(m_dOffset))});
    m_dOffset = m_bOffsetKnown ? m_dOffset + (mean - m_dOffset) / K().follow : mean;
    m_bOffsetKnown = true;
    m_nHeld = 0;
    m_nInFrame = 0;
    m_nSum = 0;
}

std::int16_t CAutoThreshold::MaxQuiet(std::uint64_t position, std::uint32_t count) {
    const std::uint64_t frame = position / m_nFrameSamples;
    const std::uint64_t analysed = m_nFirstFrame + m_frames.size();
    Slide(frame > m_nBehind ? frame - m_nBehind : 0,
          std::min<std::uint64_t>(frame + 1 + m_nAhead, analysed));
    if (m_nCountedTo == m_nCountedFrom)
        return 0;
    const double low = Percentile(static_cast<std::uint32_t>(K().lo)) / 2.0;
    const double high = Percentile(static_cast<std::uint32_t>(K().hi)) / 2.0;
    const double quiet = low + K().alpha * (high - low);
    const double voice = low + K().beta * (high - low);
    const std::int32_t offset = m_frames[std::min(frame, analysed - 1) - m_nFirstFrame].offset;
    const auto limit = static_cast<std::int16_t>(std::min(
        32767.0, std::floor(std::pow(10.0, quiet / 20)) + (offset < 0 ? -offset : offset)));
    m_nLowest = std::min(m_nLowest, limit);
    m_nHighest = std::max(m_nHighest, limit);

    // Near the voice nothing is quiet.
    const std::uint64_t from = (position > m_nTail ? position - m_nTail : 0) / m_nFrameSamples;
    const std::uint64_t to =
        std::min((position + count + m_nOnset) / m_nFrameSamples, analysed - 1);
    for (std::uint64_t f = std::max(from, m_nFirstFrame); f <= to; ++f)
        if (m_frames[f - m_nFirstFrame].level > 1 + 2 * voice)
            return 0;
    return limit;
}

void CAutoThreshold::Slide(std::uint64_t first, std::uint64_t end) {
    for (; m_nCountedTo < end; ++m_nCountedTo)
        ++m_histogram[m_frames[m_nCountedTo - m_nFirstFrame].level];
    for (; m_nCountedFrom < std::min(first, m_nCountedTo); ++m_nCountedFrom)
        --m_histogram[m_frames[m_nCountedFrom - m_nFirstFrame].level];
    // Frames behind the window and behind the margin before the next block go.
    const std::uint64_t keep = std::min(m_nCountedFrom, first > 16 ? first - 16 : 0);
    while (m_nFirstFrame < keep) {
        m_frames.pop_front();
        ++m_nFirstFrame;
    }
}

int CAutoThreshold::Percentile(std::uint32_t permille) const {
    const std::uint64_t total = m_nCountedTo - m_nCountedFrom;
    const std::uint64_t rank = std::max<std::uint64_t>(1, (total * permille + 999) / 1000);
    std::uint64_t seen = 0;
    for (int bin = 0; bin < Bins; ++bin) {
        seen += m_histogram[static_cast<std::size_t>(bin)];
        if (seen >= rank)
            return bin == 0 ? 0 : bin - 1;
    }
    return Bins - 1;
}
