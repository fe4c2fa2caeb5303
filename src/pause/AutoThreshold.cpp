#include "pause/AutoThreshold.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr std::uint32_t FramesPerSecond = 50;

// The limit lies this share of the way from the room's level (the 10th
// percentile) to the voice's (the 90th), in decibels; frames above the
// voice share count as voice, which keeps the blocks near them from being
// quiet. Both shares, and the margins, were measured on bench/detection.sh.
constexpr std::uint32_t RoomPermille = 100, VoicePermille = 900;
constexpr double QuietShare = 0.3, VoiceShare = 0.4;
// The DC offset follows the frames' means over about half a second.
constexpr double OffsetFrames = 25;

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
      m_nOnset(static_cast<std::uint64_t>(OnsetSeconds * rate)),
      m_nTail(static_cast<std::uint64_t>(TailSeconds * rate)), m_frame(m_nFrameSamples),
      m_magnitudes(5 + m_nFrameSamples) {}

void CAutoThreshold::Analyse(const std::uint8_t* bytes, std::size_t count) {
    std::size_t i = 0;
    if (m_nCarry >= 0 && count > 0) {
        const auto sample = static_cast<std::int16_t>(m_nCarry | bytes[0] << 8);
        m_frame[m_nInFrame] = sample;
        if (++m_nInFrame == m_nFrameSamples)
            EndFrame();
        m_nCarry = -1;
        i = 1;
    }
    while (i + 1 < count) {
        const std::size_t n = std::min<std::size_t>((count - i) / 2, m_nFrameSamples - m_nInFrame);
        std::memcpy(m_frame.data() + m_nInFrame, bytes + i, 2 * n);
        m_nInFrame += static_cast<std::uint32_t>(n);
        i += 2 * n;
        if (m_nInFrame == m_nFrameSamples)
            EndFrame();
    }
    if (i < count)
        m_nCarry = bytes[i];
}

void CAutoThreshold::Finish() {
    if (m_nInFrame > 0)
        EndFrame();
}

void CAutoThreshold::EndFrame() {
    // Plain loops over 16-bit values, which the compiler turns into vector code.
    const std::uint32_t n = m_nInFrame;
    std::int16_t* magnitude = m_magnitudes.data() + 5;
    std::int64_t sum = 0;
    for (std::uint32_t k = 0; k < n; ++k) {
        sum += m_frame[k];
        const std::int32_t centred = m_frame[k] - m_nOffset;
        magnitude[k] = static_cast<std::int16_t>(std::min(centred < 0 ? -centred : centred, 32767));
    }
    // Each sample's magnitude with the five before it: the least of the six.
    std::int16_t held = 0;
    const std::int16_t* a = m_magnitudes.data();
    for (std::uint32_t k = 0; k < n; ++k)
        held = std::max(held,
                        std::min(std::min(std::min(a[k], a[k + 1]), std::min(a[k + 2], a[k + 3])),
                                 std::min(a[k + 4], a[k + 5])));
    std::memmove(m_magnitudes.data(), m_magnitudes.data() + n, 5 * sizeof(std::int16_t));

    m_frames.push_back({Level(held), static_cast<std::int16_t>(m_nOffset)});
    const double mean = double(sum) / n;
    m_dOffset = m_bOffsetKnown ? m_dOffset + (mean - m_dOffset) / OffsetFrames : mean;
    m_bOffsetKnown = true;
    m_nOffset = static_cast<std::int32_t>(std::lround(m_dOffset));
    m_nInFrame = 0;
}

std::int16_t CAutoThreshold::MaxQuiet(std::uint64_t position) {
    const std::uint64_t frame = position / m_nFrameSamples;
    const std::uint64_t analysed = m_nFirstFrame + m_frames.size();
    Slide(frame > m_nBehind ? frame - m_nBehind : 0,
          std::min<std::uint64_t>(frame + 1 + m_nAhead, analysed));
    if (m_nCountedTo == m_nCountedFrom)
        return 0;
    const double room = Percentile(RoomPermille) / 2.0, voice = Percentile(VoicePermille) / 2.0;
    m_dSpread = voice - room;
    const double quiet = room + QuietShare * (voice - room);
    // The longest run of frames quiet under that limit in the window.
    const double quietLevel = 1 + 2 * quiet;
    std::uint64_t run = 0, longest = 0;
    for (std::uint64_t f = m_nCountedFrom; f < m_nCountedTo; ++f) {
        run = m_frames[f - m_nFirstFrame].level <= quietLevel ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    m_dLongestQuiet = double(longest) / FramesPerSecond;
    const double voiced = 1 + 2 * (room + VoiceShare * (voice - room)); // in levels
    const std::int32_t offset = m_frames[std::min(frame, analysed - 1) - m_nFirstFrame].offset;
    const auto limit = static_cast<std::int16_t>(std::min(
        32767.0, std::floor(std::pow(10.0, quiet / 20)) + (offset < 0 ? -offset : offset)));
    m_nLowest = std::min(m_nLowest, limit);
    m_nHighest = std::max(m_nHighest, limit);

    // Near the voice nothing is quiet.
    const std::uint64_t from = (position > m_nTail ? position - m_nTail : 0) / m_nFrameSamples;
    const std::uint64_t to = std::min((position + m_nOnset) / m_nFrameSamples, analysed - 1);
    for (std::uint64_t f = std::max(from, m_nFirstFrame); f <= to; ++f)
        if (m_frames[f - m_nFirstFrame].level > voiced)
            return 0;
    return limit;
}

void CAutoThreshold::Slide(std::uint64_t first, std::uint64_t end) {
    for (; m_nCountedTo < end; ++m_nCountedTo)
        ++m_histogram[m_frames[m_nCountedTo - m_nFirstFrame].level];
    for (; m_nCountedFrom < std::min(first, m_nCountedTo); ++m_nCountedFrom)
        --m_histogram[m_frames[m_nCountedFrom - m_nFirstFrame].level];
    // Frames behind the window go; the margins lie well inside it.
    while (m_nFirstFrame < m_nCountedFrom) {
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
