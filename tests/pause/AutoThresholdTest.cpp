// The automatic quiet limit, held to where the test material has its silences.
#include "pause/AutoThreshold.h"
#include "batch/TunedConversion.h"
#include "support/RecordingWindow.h"
#include "support/SpeechSource.h"
#include "support/Streams.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numbers>
#include <random>

namespace {

constexpr std::uint32_t Rate = 16000;

struct Lesson {
    const char* name;
    double noiseDb;             // room noise throughout, RMS below full scale
    std::vector<double> voices; // each sentence's RMS, 2.6 s long
    double gapSeconds;          // room noise alone after each sentence
    int offset = 0;             // DC offset
    bool clicks = false; // five loud samples every 40 ms of a gap, which the detector lets by
};

void PrintTo(const Lesson& lesson, std::ostream* os) {
    *os << lesson.name;
}

// A voice-like sound (a 140 Hz voice in syllables that swell and fade) over
// room noise that is never exactly 0; gaps holds where each gap lies.
std::vector<std::int16_t> Speak(const Lesson& lesson,
                                std::vector<std::pair<double, double>>& gaps) {
    std::mt19937 rng(7);
    std::normal_distribution<double> noise(0, 32767 * std::pow(10, lesson.noiseDb / 20));
    std::vector<std::int16_t> samples;
    const auto add = [&](double value) {
        const auto v = static_cast<std::int16_t>(std::clamp(std::lround(value), -32768L, 32767L));
        samples.push_back(v == 0 ? 1 : v);
    };
    for (const double& db : lesson.voices) {
        const double amplitude = 32767 * std::pow(10, db / 20) / 0.55;
        for (int i = 0; i < static_cast<int>(2.6 * Rate); ++i) {
            const double t = double(i) / Rate, w = 2 * std::numbers::pi * 140 * t;
            const double syllables = 0.15 + 0.85 * std::abs(std::sin(std::numbers::pi * 3.7 * t));
            add(lesson.offset + noise(rng) +
                amplitude * syllables *
                    (std::sin(w) + 0.5 * std::sin(2 * w) + 0.3 * std::sin(5 * w + 0.5)));
        }
        if (&db == &lesson.voices.back())
            break; // the lesson ends with the voice, and the last phrase's own pause
        const double start = double(samples.size()) / Rate;
        for (int i = 0; i < static_cast<int>(lesson.gapSeconds * Rate); ++i)
            add(lesson.offset + noise(rng) + (lesson.clicks && i % 640 < 5 ? 20000 : 0));
        // A gap takes a pause from about half a second on, as the manual page says.
        if (lesson.gapSeconds >= 0.5)
            gaps.emplace_back(start, double(samples.size()) / Rate);
    }
    return samples;
}

// Where each pause of the lesson's practice file falls, in seconds of the lesson.
std::vector<double> PausesOf(const std::vector<std::int16_t>& samples, PauseReport& report) {
    MemoryFiles files;
    files.files["in"] = "";
    RecordingWindow window;
    JobOptions options;
    options.tuned = options.pauses.autoThreshold = true;
    TunedMedia media;
    media.makeSamples = GivenSamples(samples, Rate);
    media.report = [&](auto&, const PauseReport& told) { report = told; };
    EXPECT_TRUE(ConvertTuned(window, "in", "out.WAV", files, options, media));

    // Every 0 in the practice file is a pause: the material has none.
    std::vector<double> pauses;
    const std::string& out = files.files["out.WAV"];
    for (std::size_t at = 44, read = 0; at + 1 < out.size(); at += 2) {
        if (out[at] != 0 || out[at + 1] != 0)
            ++read;
        else if (pauses.empty() || out[at - 2] != 0 || out[at - 1] != 0)
            pauses.push_back(double(read) / Rate);
    }
    return pauses;
}

class AutoThreshold : public testing::TestWithParam<Lesson> {};

} // namespace

TEST_P(AutoThreshold, PausesLandInTheGapsAndOnlyThere) {
    std::vector<std::pair<double, double>> gaps;
    const std::vector<std::int16_t> samples = Speak(GetParam(), gaps);
    PauseReport report;
    std::vector<double> pauses = PausesOf(samples, report);
    ASSERT_FALSE(pauses.empty());
    EXPECT_EQ(pauses.back(), double(samples.size()) / Rate); // the last phrase's
    // An offset moves no pause: the same lesson without it has them where it has.
    if (GetParam().offset != 0) {
        Lesson centred = GetParam();
        centred.offset = 0;
        std::vector<std::pair<double, double>> sameGaps;
        PauseReport unused;
        EXPECT_EQ(PausesOf(Speak(centred, sameGaps), unused), pauses);
    }
    pauses.pop_back();
    ASSERT_EQ(pauses.size(), gaps.size());
    for (std::size_t k = 0; k < gaps.size(); ++k) {
        // After the silence the detector waits for, before the voice is near.
        EXPECT_GE(pauses[k], gaps[k].first + 0.3) << k;
        EXPECT_LE(pauses[k], gaps[k].second - 0.1) << k;
    }
    EXPECT_TRUE(report.automatic);
    EXPECT_EQ(report.pauses, gaps.size() + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Lessons, AutoThreshold,
    testing::Values(Lesson{"QuietPhone", -75, {-40, -40, -40, -40}, 0.7},
                    Lesson{"RoomNoise12dBBelowTheVoice", -32, {-20, -20, -20, -20}, 0.7},
                    Lesson{"QuieterSecondSpeaker", -70, {-12, -12, -12, -38, -38, -38}, 0.7},
                    Lesson{"DcOffset", -60, {-30, -30, -30, -30}, 0.7, 2500},
                    Lesson{"DcOffsetOf2000", -70, {-40, -40, -40, -40}, 0.7, 2000},
                    Lesson{"ClicksInTheGaps", -70, {-25, -25, -25, -25}, 0.7, 0, true},
                    Lesson{"GapsTooShortForTheMargins", -70, {-25, -25, -25, -25, -25, -25}, 0.42},
                    Lesson{"NoQuietAtAll", -30, {-20, -20, -20, -20, -20, -20}, 0}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(AutoThreshold, LimitsDoNotDependOnHowTheBytesArrive) {
    std::vector<std::pair<double, double>> gaps;
    const std::vector<std::int16_t> samples = Speak({"", -50, {-20, -30, -20}, 0.5, 300}, gaps);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(samples.data());
    CAutoThreshold whole(Rate), pieces(Rate);
    whole.Analyse(bytes, 2 * samples.size());
    for (std::size_t at = 0; at < 2 * samples.size(); at += 3)
        pieces.Analyse(bytes + at, std::min<std::size_t>(3, 2 * samples.size() - at));
    whole.Finish();
    pieces.Finish();
    for (std::uint64_t position = 0; position < samples.size(); position += 1010)
        ASSERT_EQ(whole.MaxQuiet(position), pieces.MaxQuiet(position)) << position;
}
