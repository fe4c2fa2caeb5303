#pragma once

#include <cstdint>

// The phrase detector's constants; its state lives in the destination CWAVObj.
namespace PhraseDetector {

// How long a quiet run must last before a phrase may end.
inline constexpr double MinimumSilenceSeconds = 0.3;
// Least audio since the last pause for which a pause is inserted.
inline constexpr double MinimumPhraseSeconds = 2.3;
// A sample whose magnitude is below this counts as quiet (3276.7000000000003).
inline constexpr double QuietThreshold = 32767 * 0.1;
// Up to this many consecutive loud samples leave a quiet run intact.
inline constexpr std::uint32_t ToleratedLoudRun = 5;
inline constexpr std::uint32_t QuietBytesPerSample = 2;

} // namespace PhraseDetector
