// Phrases that reach the longest length, cut at their quietest boundary.

#include "batch/PhraseCutter.h"

#include <gtest/gtest.h>

namespace {

struct Cutting {
    const char* name;
    std::uint64_t maxBlocks;
    std::vector<std::int16_t> levels; // one block of 10 samples each
    std::vector<std::size_t> given;   // blocks a phrase ends before, as found
    PhraseTexts texts;
    std::vector<std::size_t> ends; // as cut
    PhraseTexts cutTexts;
};

void PrintTo(const Cutting& row, std::ostream* os) {
    *os << row.name;
}

class PhraseCutter : public testing::TestWithParam<Cutting> {};

} // namespace

TEST_P(PhraseCutter, EndsLongPhrasesAtTheQuietestBoundaryOfTheirLastThird) {
    const Cutting& row = GetParam();
    PhraseTexts texts = row.texts;
    CPhraseCutter cutter(row.maxBlocks, &texts);
    std::vector<std::size_t> ends;
    std::size_t out = 0;
    const auto take = [&] {
        CPhraseCutter::Block block;
        for (; cutter.Pop(block); ++out)
            if (block.phraseEndsBefore)
                ends.push_back(out);
    };
    for (std::size_t i = 0; i < row.levels.size(); ++i) {
        const std::vector<std::int16_t> samples(10, row.levels[i]);
        cutter.Push(reinterpret_cast<const std::uint8_t*>(samples.data()), samples.size(),
                    std::find(row.given.begin(), row.given.end(), i) != row.given.end(), {});
        take();
    }
    cutter.End();
    take();
    EXPECT_EQ(out, row.levels.size());
    EXPECT_EQ(ends, row.ends);
    EXPECT_EQ(texts, row.cutTexts);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PhraseCutter,
    testing::Values(
        // Seven blocks would be too long: the cut falls between the two quiet ones in 4..6.
        Cutting{"BetweenQuietBlocks", 6, {5, 5, 5, 5, 0, 0, 5, 5, 5, 5, 5, 5}, {}, {}, {5, 11}, {}},
        // A quiet block before the last third is too early.
        Cutting{"NotBeforeTheLastThird", 6, {5, 0, 0, 5, 5, 5, 5, 5}, {}, {}, {6}, {}},
        // The second cue's phrase is cut; the part after it has no text.
        Cutting{"TextWithTheFirstPart",
                6,
                std::vector<std::int16_t>(14, 5),
                {3},
                std::vector<std::string>{"a", "b", "c"},
                {3, 9},
                std::vector<std::string>{"a", "b", "", "c"}},
        Cutting{"Off", 0, std::vector<std::int16_t>(40, 5), {0, 3}, {}, {0, 3}, {}}),
    [](const auto& param) { return std::string(param.param.name); });
