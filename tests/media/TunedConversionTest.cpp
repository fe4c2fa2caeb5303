// Tuned practice files from recordings that FFmpeg's libraries decode, held
// to the pause rules' sample-by-sample model and to ffmpeg's own decoding.

#include "batch/TunedConversion.h"
#include "audio/WAVException.h"
#include "media/plugin/MediaSource.h"
#include "support/Ffmpeg.h"
#include "support/PauseModel.h"
#include "support/PcmWav.h"
#include "support/RecordingWindow.h"
#include "support/Streams.h"
#include "support/TempDir.h"
#include "support/TunedWav.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

std::string Bytes(const std::vector<std::int16_t>& samples) {
    return {reinterpret_cast<const char*>(samples.data()), 2 * samples.size()};
}

bool ConvertWith(CFileOpener& files, const std::filesystem::path& source,
                 const std::filesystem::path& destination, const PauseSettings& settings = {}) {
    RecordingWindow window;
    const FileResult converted =
        ConvertTuned(window, source, destination, files, settings, CMediaSource::Open);
    EXPECT_TRUE(window.boxes.empty()) << window.boxes.front().text;
    return converted.GoesOn();
}

struct Tuned {
    const char* name;
    std::uint32_t rate;
    PauseSettings settings;
};

void PrintTo(const Tuned& tuned, std::ostream* os) {
    *os << tuned.name;
}

class TunedPcm : public testing::TestWithParam<Tuned> {};

} // namespace

TEST_P(TunedPcm, MatchesTheModelOfThePauseRules) {
    const Tuned& tuned = GetParam();
    std::mt19937 rng(tuned.rate);
    const std::vector<std::int16_t> samples = SpeechLike(rng, 40 * tuned.rate);
    MemoryFiles files;
    files.files["in.wav"] = PcmWav(Bytes(samples), tuned.rate);
    ASSERT_TRUE(ConvertWith(files, "in.wav", "out.WAV", tuned.settings));
    PauseModel model{tuned.settings, tuned.rate};
    const std::string expected = PcmWav(model.TunedData(samples), tuned.rate);
    ASSERT_EQ(files.files["out.WAV"].size(), expected.size());
    EXPECT_TRUE(files.files["out.WAV"] == expected);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, TunedPcm,
    testing::Values(
        Tuned{"Defaults", 22050, {}}, Tuned{"DefaultsAt48000", 48000, {}},
        Tuned{
            "QuieterThresholdLongerSilence", 44100, {.thresholdDb = -30, .minSilenceSeconds = 0.5}},
        Tuned{"LouderThresholdNoMinimumPhrase", 8000, {.thresholdDb = -6, .minPhraseSeconds = 0}},
        Tuned{"LongerPausesAndExtra", 16000, {.pauseFactor = 1.5, .pauseExtraSeconds = 0.2501}},
        Tuned{"FullScaleThreshold", 11025, {.thresholdDb = 0}},
        Tuned{"ShortPhrasesHalfPauses", 22050, {.minPhraseSeconds = 1, .pauseFactor = 0.5}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(TunedConversion, FlacGivesExactlyWhatItsPcmOriginalGives) {
    TempDir dir;
    std::mt19937 rng(7);
    WriteFileBytes(dir / "in.wav", PcmWav(Bytes(SpeechLike(rng, 2 * 44100 * 20)), 44100, 2));
    const std::string encode = "ffmpeg -nostdin -v error -i " + (dir / "in.wav").string() + " " +
                               (dir / "in.flac").string();
    ASSERT_EQ(std::system(encode.c_str()), 0);
    CFileOpener files;
    ASSERT_TRUE(ConvertWith(files, dir / "in.wav", dir / "wav.WAV"));
    ASSERT_TRUE(ConvertWith(files, dir / "in.flac", dir / "flac.WAV"));
    EXPECT_TRUE(ReadFileBytes(dir / "wav.WAV") == ReadFileBytes(dir / "flac.WAV"));
}

TEST(TunedConversion, ChannelsInNoKnownOrderCountTheSame) {
    std::mt19937 rng(9);
    const std::vector<std::int16_t> mono = SpeechLike(rng, 22050 * 10);
    std::vector<std::int16_t> nine;
    for (const std::int16_t sample : mono)
        nine.insert(nine.end(), 9, sample);
    MemoryFiles files;
    files.files = {{"1.wav", PcmWav(Bytes(mono), 22050)}, {"9.wav", PcmWav(Bytes(nine), 22050, 9)}};
    ASSERT_TRUE(ConvertWith(files, "1.wav", "1.WAV") && ConvertWith(files, "9.wav", "9.WAV"));
    EXPECT_TRUE(files.files["9.WAV"] == files.files["1.WAV"]);
}

TEST(MediaSource, AJobGivenUpEndsItsOpeningAsAFailedRead) {
    const std::string wav = PcmWav(std::string(44100, '\1'), 22050);
    for (const int abandoned : {0, 1})
        EXPECT_EQ(CMediaSource::OpenInterruptible(
                      std::make_unique<CMemoryStream>(wav), "in.wav",
                      abandoned ? +[] { return 1; } : +[] { return 0; }) == nullptr,
                  abandoned == 1);
}

struct Lossy {
    const char* name;
    const char* encode; // ffmpeg's output options
    std::uint32_t rate; // decoded
};

void PrintTo(const Lossy& lossy, std::ostream* os) {
    *os << lossy.name;
}

class LossySource : public testing::TestWithParam<Lossy> {};

// The same decoder and the same mix-down as ffmpeg's, so the same samples:
// the practice file is what the model makes of ffmpeg's own decoding.
TEST_P(LossySource, FollowsFfmpegsOwnDecoding) {
    TempDir dir;
    const std::filesystem::path source = dir / (std::string("lesson.") + GetParam().name);
    const std::string encode = "ffmpeg -nostdin -v error -i " BRELLOW_TEST_DATA "/english.wav " +
                               std::string(GetParam().encode) + " " + source.string();
    ASSERT_EQ(std::system(encode.c_str()), 0);
    CFileOpener files;
    ASSERT_TRUE(ConvertWith(files, source, dir / "out.WAV"));
    const std::vector<std::int16_t> reference = DecodeWithFfmpeg(source, "-ac 1");
    ASSERT_FALSE(reference.empty());
    const std::string out = ReadFileBytes(dir / "out.WAV");
    PauseModel model;
    model.rate = GetParam().rate;
    const std::string expected = model.TunedData(reference);
    EXPECT_EQ(out.substr(0, 44), PcmWav(expected, model.rate).substr(0, 44));
    EXPECT_EQ(out.size(), 44 + expected.size());
    EXPECT_TRUE(out.compare(44, std::string::npos, expected) == 0);
}

INSTANTIATE_TEST_SUITE_P(Formats, LossySource,
                         testing::Values(Lossy{"mp3", "-ar 44100 -ac 2 -b:a 128k", 44100},
                                         Lossy{"m4a", "-ar 44100 -ac 2 -c:a aac -b:a 96k", 44100},
                                         Lossy{"ogg", "-ar 32000 -c:a libvorbis -q:a 3", 32000},
                                         Lossy{"opus", "-c:a libopus -b:a 32k", 48000},
                                         // The lesson first, a sine after it: the first is read.
                                         Lossy{"mka",
                                               "-f lavfi -i sine=sample_rate=22050:duration=30 "
                                               "-map 0:a -map 1:a -c:a flac -disposition:a:1 0",
                                               22050}),
                         [](const auto& param) { return std::string(param.param.name); });
