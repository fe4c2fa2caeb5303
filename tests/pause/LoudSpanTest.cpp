// Where a block's speech is: loud runs longer than the detector lets pass.

#include "pause/LoudSpan.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Block {
    const char* name;
    std::vector<std::pair<std::size_t, std::size_t>> loud; // [from, to) at 20000 of 200 quiet
    std::int16_t maxQuiet;
    std::size_t first, end; // expected; equal for none
};

void PrintTo(const Block& row, std::ostream* os) {
    *os << row.name;
}

class LoudSpanRows : public testing::TestWithParam<Block> {};

} // namespace

TEST_P(LoudSpanRows, SpansTheLongLoudRuns) {
    const Block& row = GetParam();
    std::vector<std::int16_t> samples(1010, 200);
    for (const auto& [from, to] : row.loud)
        for (std::size_t i = from; i < to; ++i)
            samples[i] = i % 2 ? 20000 : -20000;
    const LoudSpan span =
        FindLoudSpan(reinterpret_cast<const std::uint8_t*>(samples.data()), 1010, row.maxQuiet);
    EXPECT_EQ(span.Empty(), row.first == row.end);
    if (!span.Empty()) {
        EXPECT_EQ(span.first, row.first);
        EXPECT_EQ(span.end, row.end);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LoudSpanRows,
    testing::Values(Block{"Quiet", {}, 3276, 0, 0},
                    Block{"ClicksOfFive", {{10, 15}, {500, 505}}, 3276, 0, 0},
                    Block{"RunOfSix", {{10, 16}}, 3276, 10, 16},
                    Block{"AcrossAWord", {{61, 67}, {900, 903}}, 3276, 61, 67},
                    Block{"FirstToLastRun", {{3, 9}, {200, 210}, {1000, 1010}}, 3276, 3, 1010},
                    Block{"NoiseOverALowLimit", {}, 100, 0, 1010},
                    Block{"AllQuietUnderTheTopLimit", {{0, 1010}}, 32767, 0, 0}),
    [](const auto& param) { return std::string(param.param.name); });
