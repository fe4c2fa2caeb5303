// Where a block's speech is: loud runs longer than the detector lets pass.

#include "pause/LoudSpan.h"

#include <gtest/gtest.h>

#include <vector>

TEST(LoudSpan, SpansTheLongLoudRuns) {
    const struct {
        const char* name;
        std::vector<std::pair<std::size_t, std::size_t>> loud; // at 20000, among 200s
        std::int16_t maxQuiet;
        std::size_t first, end; // the same for none
    } rows[] = {{"Quiet", {}, 3276, 0, 0},
                {"ClicksOfFive", {{10, 15}, {500, 505}}, 3276, 0, 0},
                {"RunOfSix", {{10, 16}}, 3276, 10, 16},
                {"AcrossAWord", {{61, 67}, {900, 903}}, 3276, 61, 67},
                {"FirstToLastRun", {{3, 9}, {200, 210}, {1000, 1010}}, 3276, 3, 1010},
                {"NoiseOverALowLimit", {}, 100, 0, 1010},
                {"AllQuietUnderTheTopLimit", {{0, 1010}}, 32767, 0, 0}};
    for (const auto& row : rows) {
        std::vector<std::int16_t> samples(1010, 200);
        for (const auto& [from, to] : row.loud)
            std::fill(samples.begin() + from, samples.begin() + to, 20000);
        const LoudSpan span = FindLoudSpan(reinterpret_cast<const std::uint8_t*>(samples.data()),
                                           samples.size(), row.maxQuiet);
        using Span = std::pair<std::size_t, std::size_t>;
        EXPECT_EQ(span.Empty() ? Span() : Span(span.first, span.end), Span(row.first, row.end))
            << row.name;
    }
}
