// Each phrase heard several times: the passes at tempo 1 and their bounded
// pauses, held to the pause rules' sample-by-sample model.

#include "batch/LabelWriter.h"
#include "batch/TunedConversion.h"
#include "support/PauseModel.h"
#include "support/PcmWav.h"
#include "support/RecordingWindow.h"
#include "support/SpeechSource.h"
#include "support/Streams.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <regex>

namespace {

struct Recipe {
    const char* name;
    int passes;
    double minPause, maxPause; // negative: no bound
    PauseSettings pauses;
    std::uint32_t rate = 22050;
    std::size_t memory = CPhraseStore::DefaultMemoryLimit;
    LabelFormat labels = LabelFormat::Audacity;
};

// Each label's start and end (-1 for LRC, which has none) in units of
// 1/perSecond s, read from the text as its format writes it.
std::vector<std::pair<long long, long long>> LabelTimes(const std::string& text, LabelFormat format,
                                                        long long& perSecond) {
    const char* time = format == LabelFormat::Srt   ? R"((\d\d):(\d\d):(\d\d),(\d{3}))"
                       : format == LabelFormat::Lrc ? R"(\[()(\d\d):(\d\d)\.(\d\d)\])"
                                                    : R"(()()(\d+)\.(\d{6}))";
    perSecond = format == LabelFormat::Srt ? 1000 : format == LabelFormat::Lrc ? 100 : 1000000;
    const std::string separator = format == LabelFormat::Srt ? " --> " : "\t";
    const std::regex line(std::string(time) + (format == LabelFormat::Lrc ? "" : separator + time));
    std::vector<std::pair<long long, long long>> times;
    const auto units = [&](const std::smatch& m, int at) {
        const auto number = [&](int k) { return m[at + k].length() ? std::stoll(m[at + k]) : 0; };
        return ((number(0) * 60 + number(1)) * 60 + number(2)) * perSecond + number(3);
    };
    for (std::sregex_iterator m(text.begin(), text.end(), line), end; m != end; ++m)
        times.emplace_back(units(*m, 1), format == LabelFormat::Lrc ? -1 : units(*m, 5));
    return times;
}

// Counts the open descriptors at each phrase's end.
struct DescriptorCount final : CPhraseListener {
    bool PhraseSamples(const std::uint8_t*, std::size_t) override { return true; }
    bool PhraseEnd(const Phrase&) override {
        counts.push_back(std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {}));
        return true;
    }
    void Pass(const Phrase&, std::size_t, std::uint64_t, std::uint64_t) override {}
    std::vector<std::ptrdiff_t> counts;
};

void PrintTo(const Recipe& recipe, std::ostream* os) {
    *os << recipe.name;
}

class Passes : public testing::TestWithParam<Recipe> {};

} // namespace

TEST_P(Passes, EachPhraseRepeatsWithItsBoundedPause) {
    const Recipe& recipe = GetParam();
    std::mt19937 rng(recipe.rate + static_cast<std::uint32_t>(recipe.passes));
    const std::vector<std::int16_t> samples = SpeechLike(rng, 30 * recipe.rate);
    JobOptions options;
    options.tuned = true;
    options.pauses = recipe.pauses;
    options.passes.assign(static_cast<std::size_t>(recipe.passes), 1.0);
    options.labels = recipe.labels;
    if (recipe.minPause >= 0)
        options.minPauseSeconds = recipe.minPause;
    if (recipe.maxPause >= 0)
        options.maxPauseSeconds = recipe.maxPause;
    TunedMedia media;
    media.makeSamples = GivenSamples(samples, recipe.rate);
    media.phraseMemoryLimit = recipe.memory;
    DescriptorCount descriptors;
    media.listener = &descriptors;
    MemoryFiles files;
    files.files["in"] = "";
    RecordingWindow window;
    ASSERT_TRUE(ConvertTuned(window, "in", "out.WAV", files, options, media));
    EXPECT_TRUE(window.boxes.empty());

    PauseModel model{recipe.pauses, recipe.rate};
    const double none = std::numeric_limits<double>::infinity();
    const std::string expected =
        PcmWav(model.PassesData(samples, recipe.passes, recipe.minPause >= 0 ? recipe.minPause : 0,
                                recipe.maxPause >= 0 ? recipe.maxPause : none),
               recipe.rate);
    ASSERT_EQ(files.files["out.WAV"].size(), expected.size());
    EXPECT_TRUE(files.files["out.WAV"] == expected);

    // One label a pass, each on its pass to the format's unit.
    long long perSecond = 0;
    const auto labels = LabelTimes(files.files[std::string("out") + LabelExtension(recipe.labels)],
                                   recipe.labels, perSecond);
    ASSERT_EQ(labels.size(), model.passBounds.size());
    const auto units = [&](std::uint64_t at) {
        return std::llround(double(at) * double(perSecond) / recipe.rate);
    };
    for (std::size_t pass = 0; pass < labels.size(); ++pass) {
        EXPECT_EQ(labels[pass].first, units(model.passBounds[pass].first)) << pass;
        if (labels[pass].second >= 0) {
            EXPECT_EQ(labels[pass].second, units(model.passBounds[pass].second)) << pass;
        }
    }
    // A phrase held in a file lets it go once done.
    ASSERT_FALSE(descriptors.counts.empty());
    EXPECT_EQ(descriptors.counts.back(), descriptors.counts.front());
}

INSTANTIATE_TEST_SUITE_P(
    Recipes, Passes,
    testing::Values(Recipe{"ThreeTimes", 3, -1, -1, {}},
                    Recipe{"OnceWithinTwoAndThreeSeconds", 1, 2, 3, {}},
                    Recipe{"TwiceShortPausesRaisedToTheMinimum", 2, 1.5, 8, {.pauseFactor = 0.2}},
                    Recipe{"ThreeTimesFactorAndExtra",
                           3,
                           -1,
                           4.25,
                           {.pauseFactor = 1.5, .pauseExtraSeconds = 0.25},
                           16000},
                    Recipe{"TwiceHeldInAFile", 2, 0, 60, {}, 44100, 4096},
                    Recipe{"TwiceWithSubRipLabels", 2, -1, -1, {}, 22050, 4096, LabelFormat::Srt},
                    Recipe{"ThreeTimesWithLrcLabels",
                           3,
                           -1,
                           -1,
                           {},
                           16000,
                           CPhraseStore::DefaultMemoryLimit,
                           LabelFormat::Lrc}),
    [](const auto& param) { return std::string(param.param.name); });
