#pragma once

#include <cstdint>
#include <string>

// The sample rates a recording may have where its samples are decoded, tuned
// or encoded; the exact conversion keeps whatever rate it is given. Outside
// them a header is damaged or hostile: at 1 Hz a resampler to 48 kHz makes
// 48000 samples of each one, and far above, the detector's thresholds no
// longer fit its 32-bit byte counts.
inline constexpr std::uint32_t MinSourceRate = 1000;
inline constexpr std::uint32_t MaxSourceRate = 768000;
// The longest threshold, a 60-second phrase, in 16-bit bytes.
static_assert(std::uint64_t{MaxSourceRate} * 60 * 2 < (std::uint64_t{1} << 32));

// Why a recording at that rate is refused, in plain words; empty when it is not.
inline std::string SourceRateRefusal(std::uint32_t rate) {
    if (rate >= MinSourceRate && rate <= MaxSourceRate)
        return {};
    return "the recording's sample rate of " + std::to_string(rate) +
           " Hz is outside the 1 kHz to 768 kHz that can be converted";
}
