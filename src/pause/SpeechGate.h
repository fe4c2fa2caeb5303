#pragma once

#include "pause/Resampler.h"
#include "pause/SpeechNet.h"

#include <cstdint>
#include <deque>
#include <vector>

// The quiet limit from the speech network: a block is quiet only where the
// recording holds no speech, in a gap between voiced windows of at least the
// minimum silence. The pause goes in the middle of the gap (at most MaxLead
// after the voice), so the gap's quiet is made to end there: the blocks from
// one minimum silence before that point to the gap's end are quiet, all the
// others loud. Both word edges keep the rest of the gap as their margin, and
// a gap only as long as the minimum silence still takes its pause.
class CSpeechGate {
public:
    // A window is voiced from this probability on, and stays so until it
    // falls below Release: the network's own recommended hysteresis.
    static constexpr float Attack = 0.5f, Release = 0.35f;
    static constexpr double MaxLeadSeconds = 0.4;

    CSpeechGate(const SpeechModel& model, std::uint32_t rate, double minSilenceSeconds);

    // The recording's next samples, 16-bit little-endian, any number of bytes.
    void Analyse(const std::uint8_t* bytes, std::size_t count);
    void Finish();
    // 32767 (all quiet) or -1 (all loud) for the block at position (in
    // samples from the first analysed one). Positions never go back.
    std::int16_t MaxQuiet(std::uint64_t position);
    // Windows analysed, and how many of them were voiced.
    std::uint64_t Windows() const { return m_nFirstWindow + m_voiced.size(); }
    std::uint64_t VoicedWindows() const { return m_nVoiced; }

private:
    void Classify(const float* samples);

    CSpeechNet m_net;
    CResampler16k m_resampler;
    std::uint32_t m_nRate;
    std::uint64_t m_nMinGap;      // in 16 kHz samples
    std::uint64_t m_nMaxLead;     // in 16 kHz samples
    std::vector<float> m_pending; // 16 kHz samples not yet a whole window
    std::vector<std::int16_t> m_samples;
    int m_nCarry = -1;
    bool m_bVoice = false, m_bFinished = false;
    std::deque<bool> m_voiced; // windows from m_nFirstWindow on
    std::uint64_t m_nFirstWindow = 0, m_nVoiced = 0;
};
