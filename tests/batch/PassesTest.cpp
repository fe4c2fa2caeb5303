// Each phrase heard several times: the passes at tempo 1 and their bounded
// pauses, held to the pause rules' sample-by-sample model.

#include "batch/TunedConversion.h"
#include "support/PauseModel.h"
#include "support/PcmWav.h"
#include "support/RecordingWindow.h"
#include "support/SpeechSource.h"
#include "support/Streams.h"

#include <gtest/gtest.h>

#include <limits>
#include <sstream>

namespace {

struct Recipe {
    const char* name;
    int passes;
    double minPause, maxPause; // negative: no bound
    PauseSettings pauses;
    std::uint32_t rate = 22050;
    std::size_t memory = CPhraseStore::DefaultMemoryLimit;
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
    options.labels = LabelFormat::Audacity;
    if (recipe.minPause >= 0)
        options.minPauseSeconds = recipe.minPause;
    if (recipe.maxPause >= 0)
        options.maxPauseSeconds = recipe.maxPause;
    TunedMedia media;
    media.makeSamples = GivenSamples(samples, recipe.rate);
    media.phraseMemoryLimit = recipe.memory;
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

    // One label a pass, each on its pass to the sample: microseconds hold them.
    std::istringstream labels(files.files["out.labels.txt"]);
    std::size_t pass = 0;
    for (double start, end; labels >> start >> end; ++pass) {
        labels.ignore(100, '\n');
        ASSERT_LT(pass, model.passBounds.size());
        EXPECT_EQ(std::llround(start * recipe.rate), model.passBounds[pass].first) << pass;
        EXPECT_EQ(std::llround(end * recipe.rate), model.passBounds[pass].second) << pass;
    }
    EXPECT_EQ(pass, model.passBounds.size());
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
                    Recipe{"TwiceHeldInAFile", 2, 0, 60, {}, 44100, 4096}),
    [](const auto& param) { return std::string(param.param.name); });
