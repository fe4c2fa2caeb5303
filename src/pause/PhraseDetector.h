#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

class CWAVObj;
struct SampleBuffer;

// The size of a decoded ADPCM block, which the detector's figures were made
// for; phrases end on the boundaries of blocks of this size.
inline constexpr std::uint32_t SamplesPerBlock = 1010;

// The phrase detector's constants; its state lives in the CWAVObj it is run for.
namespace PhraseDetector {

// How long a quiet run must last before a phrase may end.
inline constexpr double MinimumSilenceSeconds = 0.3;
// Least audio since the last pause for which a pause is inserted.
inline constexpr double MinimumPhraseSeconds = 2.3;
// Up to this many consecutive loud samples leave a quiet run intact.
inline constexpr std::uint32_t ToleratedLoudRun = 5;
inline constexpr std::uint32_t QuietBytesPerSample = 2;

} // namespace PhraseDetector

// What tells quiet from voice: the level (a threshold, fixed or following the
// recording), the speech network, or the level where the recording's
// loudness leaves clear quiet between phrases and the network where not.
enum class PauseDetector { Level, Speech, Auto };

// As --detector takes them.
struct PauseDetectorName {
    PauseDetector detector;
    const char* name;
};

inline constexpr PauseDetectorName PauseDetectorNames[] = {{PauseDetector::Level, "level"},
                                                           {PauseDetector::Speech, "speech"},
                                                           {PauseDetector::Auto, "auto"}};

// The detector of that name, or null.
constexpr const PauseDetectorName* FindPauseDetector(std::string_view name) {
    for (const PauseDetectorName& entry : PauseDetectorNames)
        if (name == entry.name)
            return &entry;
    return nullptr;
}

// The detector's thresholds and the length of its pauses. The defaults are
// the constants above, with which the arithmetic is exactly the fixed one.
struct PauseSettings {
    // Quiet means a magnitude below 32767 x 10^(dB/20).
    double thresholdDb = -20;
    double minSilenceSeconds = PhraseDetector::MinimumSilenceSeconds;
    double minPhraseSeconds = PhraseDetector::MinimumPhraseSeconds;
    // A pause is floor(factor x the phrase's samples) + floor(extra x rate) samples.
    double pauseFactor = 1;
    double pauseExtraSeconds = 0;
    // The quiet limit follows the recording (CAutoThreshold) instead of thresholdDb.
    bool autoThreshold = false;
    PauseDetector detector = PauseDetector::Level;

    // The largest magnitude that counts as quiet.
    std::int32_t MaxQuietMagnitude() const;
    // The pause that follows a phrase of phraseBytes at the given rate.
    std::uint64_t PauseBytes(std::uint32_t phraseBytes, std::uint32_t rate) const;
    // The same in samples, before any bounds: floor(factor x phraseSamples) + floor(extra x rate).
    double PauseSamples(std::uint64_t phraseSamples, std::uint32_t rate) const;
};

// Runs the detector over one block written to out. When a phrase ends before
// the block, returns the pause due there, the detector's state already reset
// as for a pause; the caller writes the pause and then the block.
std::optional<std::uint64_t> FindPhraseEnd(CWAVObj& out, const SampleBuffer& block,
                                           const PauseSettings& settings);
// The same with the block's own quiet limit: magnitudes above maxQuiet are loud.
std::optional<std::uint64_t> FindPhraseEnd(CWAVObj& out, const SampleBuffer& block,
                                           const PauseSettings& settings, std::int16_t maxQuiet);
