#pragma once

#include "audio/SampleSource.h"
#include "pause/AutoThreshold.h"
#include "pause/PhraseDetector.h"
#include "pause/SpeechGate.h"

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

// What a tuned conversion tells of one file: the quiet limits it used, as
// levels in dB below full scale (quiet is below them), and its pauses.
struct PauseReport {
    bool automatic = false;
    double lowestDb = 0, highestDb = 0;
    std::uint64_t pauses = 0;
    // The detector used ("level", "speech", or "level and speech" where auto
    // switched), and why, in plain words.
    std::string detector = "level";
    std::string why;
    double longestPhraseSeconds = 0;
};

// Told of each recording converted with tuned pauses.
using PauseReporter =
    std::function<void(const std::filesystem::path& source, const PauseReport& report)>;

// The tuned path's samples on their way to the detector, with the quiet limit
// for each block of them: the settings' fixed one, or with autoThreshold one
// that follows the recording, or one from the speech network, for which the
// samples are read that far ahead of the blocks (a few seconds, however long
// the recording).
class CQuietLimits final : public CSampleSource {
public:
    CQuietLimits(CSampleSource& samples, const PauseSettings& settings);

    std::uint32_t SampleRate() override { return m_samples.SampleRate(); }
    bool ReadSamples(SampleBuffer& out) override;
    bool ReadFailed() override { return m_samples.ReadFailed(); }
    std::string FailureReason() override { return m_samples.FailureReason(); }

    // The largest quiet magnitude for the next block, of `bytes`, read from here.
    std::int16_t NextBlock(std::int32_t bytes);
    // The limits given so far, pauses left at 0.
    PauseReport Report() const;

private:
    CSampleSource& m_samples;
    double m_dFixedDb;
    std::int16_t m_nFixed;
    std::optional<CAutoThreshold> m_auto;
    std::optional<CSpeechGate> m_gate;
    bool m_bAutoDetector = false;
    double m_dShortestQuiet = 0; // seconds: below it, auto takes the network
    std::string m_strWhy;
    std::uint64_t m_nLevelBlocks = 0, m_nSpeechBlocks = 0;
    std::uint64_t m_nAheadWanted = 0; // bytes
    std::deque<SampleBuffer> m_ahead;
    std::uint64_t m_nAheadBytes = 0;
    std::vector<SampleBuffer> m_spare;
    bool m_bEnded = false;
    std::uint64_t m_nPosition = 0; // bytes handed to blocks
};
