#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

// The quiet limit that follows the recording: for each block of samples, the
// largest magnitude that counts as quiet there, from the recording around it.
//
// Why it works. The detector calls a stretch quiet while no more than five
// samples in a row rise above the limit, so each 20 ms frame is measured the
// way the detector sees it: by the highest level that six samples in a row
// all reach (its held peak). Frames gather in two heaps, the room between
// words (hiss, hum, breath, reverberation) and the voice; the 10th and 90th
// percentiles of the frames within a few seconds of a block fall in one
// each, and the limit is set between them, nearer the room, where the
// room's frames stay below it and the voice's rise above it. The window
// moves with the recording, so a quieter speaker or a louder part gets its
// own limit, and it reaches ahead, so the limit changes before the new
// level arrives. Weak sounds at a word's edges (an s, an h, a fading vowel)
// can sink to the room's level, and the detector puts its pause as a quiet
// stretch completes, which may be right where the next word begins: so a
// block close to the voice gets no quiet at all, and a pause lands only in
// a gap long enough to hold the silence and both margins. A recording with
// no quiet (music, speech without a break) has no room heap: its limit lies
// in the voice's own lows, and the margins keep them from adding up to a
// pause, so the phrase grows. Levels are taken around the recording's DC
// offset, which is added back to the limit.
class CAutoThreshold {
public:
    // How far the window reaches behind and ahead of a block.
    static constexpr double SecondsBehind = 6;
    static constexpr double SecondsAhead = 4;
    // No quiet this long after the voice's end or before its onset.
    static constexpr double OnsetSeconds = 0.12, TailSeconds = 0.07;

    explicit CAutoThreshold(std::uint32_t rate);

    // The recording's next samples, 16-bit little-endian, any number of bytes.
    void Analyse(const std::uint8_t* bytes, std::size_t count);
    // After the last samples: the frame under way counts too.
    void Finish();
    // The largest quiet magnitude for the block that begins at position
    // (counted from the first analysed sample), from the frames analysed so
    // far that lie in the window around it. Positions never go back.
    std::int16_t MaxQuiet(std::uint64_t position);
    // The lowest and highest limits set between the heaps so far (blocks close
    // to the voice aside); highest is -1 before the first.
    std::int16_t Lowest() const { return m_nLowest; }
    std::int16_t Highest() const { return m_nHighest; }
    // How far the voice's level lies above the room's, in dB, in the window
    // of the last block asked about: small where there is no clear quiet.
    double SpreadDb() const { return m_dSpread; }
    // The longest quiet stretch in that window, in seconds (to 20 ms).
    double LongestQuietSeconds() const { return m_dLongestQuiet; }

private:
    static constexpr int Bins = 200; // held peaks in half decibels above one step

    struct Frame {
        std::uint8_t level; // held peak around the offset, in bins
        std::int16_t offset;
    };

    void EndFrame();
    void Slide(std::uint64_t first, std::uint64_t end);
    int Percentile(std::uint32_t permille) const;

    std::uint32_t m_nFrameSamples;
    std::uint64_t m_nBehind, m_nAhead; // the window, in frames
    std::uint64_t m_nOnset, m_nTail;   // the margins around the voice, in samples
    // The frame under way, its magnitudes after the last five of the frame
    // before, and a byte of a sample split between two calls.
    std::vector<std::int16_t> m_frame, m_magnitudes;
    std::uint32_t m_nInFrame = 0;
    int m_nCarry = -1;
    // The DC offset, followed from frame to frame; unknown before the first.
    double m_dOffset = 0;
    bool m_bOffsetKnown = false;
    std::int32_t m_nOffset = 0; // m_dOffset rounded
    // Frames from m_nFirstFrame on; those of the window counted in m_histogram.
    std::deque<Frame> m_frames;
    std::uint64_t m_nFirstFrame = 0;
    std::uint64_t m_nCountedFrom = 0, m_nCountedTo = 0;
    std::array<std::uint32_t, Bins> m_histogram{};
    std::int16_t m_nLowest = 32767, m_nHighest = -1;
    double m_dSpread = 0, m_dLongestQuiet = 0;
};
