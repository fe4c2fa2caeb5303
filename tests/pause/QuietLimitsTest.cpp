// Which detector auto takes, from the quiet the level leaves between bursts.
#include "pause/QuietLimits.h"
#include "support/SpeechSource.h"

#include <gtest/gtest.h>

#include <random>

namespace {

struct Gaps {
    const char* name;
    double gapSeconds, minSilence;
    const char* detector;
};
void PrintTo(const Gaps& g, std::ostream* os) {
    *os << g.name;
}

class AutoDetector : public testing::TestWithParam<Gaps> {};

// Noise bursts of 1.2 s over a floor 48 dB down: clear quiet, so only the
// gaps' length decides. A pause needs the minimum silence, the 0.07 s and
// 0.12 s margins and 0.1 s to spare; frames are 20 ms.
TEST_P(AutoDetector, TakesTheNetworkWhereNoGapHoldsAPauseWithItsMargins) {
    constexpr std::uint32_t Rate = 22050;
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> noise(-1, 1);
    std::vector<std::int16_t> samples;
    const auto gap = static_cast<std::size_t>(GetParam().gapSeconds * Rate);
    for (std::size_t i = 0; i < 12 * (gap + Rate * 12 / 10); ++i)
        samples.push_back(
            static_cast<std::int16_t>(noise(rng) * (i % (gap + Rate * 12 / 10) < gap ? 30 : 8000)));
    CGivenSamples source(samples, Rate);
    PauseSettings settings{.minSilenceSeconds = GetParam().minSilence,
                           .autoThreshold = true,
                           .detector = PauseDetector::Auto};
    CQuietLimits limits(source, settings);
    for (SampleBuffer buffer; limits.ReadSamples(buffer);)
        limits.NextBlock(buffer.length);
    EXPECT_EQ(limits.Report().detector, GetParam().detector) << limits.Report().why;
}

INSTANTIATE_TEST_SUITE_P(Gaps, AutoDetector,
                         testing::Values(Gaps{"LongGaps", 0.8, 0.3, "level"},
                                         Gaps{"JustLongEnough", 0.64, 0.3, "level"},
                                         Gaps{"JustTooShort", 0.54, 0.3, "speech"},
                                         Gaps{"FastSpeech", 0.4, 0.3, "speech"},
                                         Gaps{"FastSpeechShortSilence", 0.45, 0.1, "level"}),
                         [](const testing::TestParamInfo<Gaps>& row) { return row.param.name; });

} // namespace
