// Phrases that end where a lesson's subtitles end.

#include "batch/Subtitles.h"
#include "batch/JobSubtitles.h"
#include "batch/TunedConversion.h"
#include "support/PauseModel.h"
#include "support/PcmWav.h"
#include "support/RecordingWindow.h"
#include "support/SpeechSource.h"
#include "support/Streams.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>

namespace {

struct Subtitles {
    const char* name;
    std::string text;
    std::uint32_t rate;
    std::vector<std::uint64_t> ends; // samples, each a multiple of 1010
    std::string error = {};
    std::vector<std::string> texts = {}; // each phrase's, when the row tells them
    decltype(&ParseSubRip) parse = ParseSubRip;
};

void PrintTo(const Subtitles& subtitles, std::ostream* os) {
    *os << subtitles.name;
}

class SubRip : public testing::TestWithParam<Subtitles> {};

} // namespace

TEST_P(SubRip, CueEndsMoveToTheNextBlockBoundary) {
    const Subtitles& row = GetParam();
    std::string error;
    const std::vector<SubtitleCue> cues = row.parse(row.text, error);
    EXPECT_EQ(error, row.error);
    EXPECT_EQ(PhraseEndsOfCues(cues, row.rate, 1010), row.ends);
    std::vector<std::string> texts;
    for (const CuePhrase& phrase : CuePhrases(cues, row.rate, 1010))
        texts.push_back(phrase.text);
    if (!row.texts.empty()) {
        EXPECT_EQ(texts, row.texts);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, SubRip,
    testing::Values(
        // 2 s is 44100 samples, in block 44; 4.5 s is 99225, in block 98.
        Subtitles{"NumberedWithCrLfAndByteOrderMark",
                  "\xEF\xBB\xBF"
                  "1\r\n00:00:01,000 --> 00:00:02,000\r\nHi\r\n\r\n2\r\n00:00:03,000 --> "
                  "00:00:04,500 X1:10\r\nThere\r\n",
                  22050,
                  {44440, 99990}},
        // 1.0-2.5, 2.0-3.2 and 3.0-4.0 s are one stretch ending at 4 s, 88200 samples.
        Subtitles{"UnnumberedOverlappingOutOfOrder",
                  "00:00:03.000 --> 00:00:04.000\nc\n\n00:00:01,000 --> 00:00:02,500\na\n\n"
                  "00:00:02,000 --> 00:00:03,200\nb &amp;\n<i>b2</i>\n",
                  22050,
                  {88880},
                  "",
                  {"a b & b2 c"}},
        Subtitles{"EndsBeforeItStarts",
                  "1\n00:00:00,500 --> 00:00:01,000\na\n\n2\n00:00:01,500 --> 00:00:01,001\n"
                  "b\n",
                  10100,
                  {},
                  "line 6: the cue ends before it starts"},
        Subtitles{"BoundaryAndJustPast",
                  "1\n00:00:00,500 --> 00:00:01,000\na\n\n2\n00:00:01,000 --> 00:00:01,001\n",
                  10100,
                  {10100, 11110}},
        Subtitles{"BadTime",
                  "1\n00:00:01,000 --> 00:00:0x,000\nHi\n",
                  22050,
                  {},
                  "line 2: a time such as 00:01:02,500 was expected"},
        Subtitles{"MissingArrow",
                  "1\n00:00:01,000 00:00:02,000\nHi\n",
                  22050,
                  {},
                  "line 2: '-->' between two times was expected"},
        Subtitles{"TextOnly",
                  "Hello there\nand here\n",
                  22050,
                  {},
                  "line 1: a cue number or a line of times was expected, not 'Hello there'"},
        Subtitles{"Empty", "\n\n", 22050, {}, "it holds no cues"},
        // WebVTT: blocks that are not cues, identifiers, settings, voices, times without hours.
        Subtitles{"WebVttOfEveryKind",
                  "WEBVTT\r\nKind: captions\r\n\r\nSTYLE\r\n::cue { color: lime }\r\n\r\n"
                  "NOTE 00:00:09.000 --> 00:00:10.000 is no cue\r\n\r\nREGION\r\nid:a\r\n\r\n"
                  "intro\r\n00:01.000 --> 00:02.000 region:a line:0\r\n<v Anna>Hi</v> "
                  "<00:01.500>you\r\n\r\n01:00:03.000 --> 01:00:04.500\r\nThere\r\n",
                  22050,
                  {44440, 79479930},
                  "",
                  {"Hi you", "There"},
                  ParseWebVtt},
        Subtitles{"WebVttWithoutItsFirstLine",
                  "00:01.000 --> 00:02.000\nHi\n",
                  22050,
                  {},
                  "line 1: 'WEBVTT' was expected",
                  {},
                  ParseWebVtt},
        Subtitles{"WebVttWithCommas",
                  "WEBVTT\n\n00:01,000 --> 00:02,000\nHi\n",
                  22050,
                  {},
                  "line 3: a time such as 01:02.500 was expected",
                  {},
                  ParseWebVtt},
        Subtitles{"WebVttIdentifierWithoutTimes",
                  "WEBVTT\n\nfirst\nHi\n",
                  22050,
                  {},
                  "line 4: '-->' between two times was expected",
                  {},
                  ParseWebVtt},
        Subtitles{"WebVttEndsAfterAnIdentifier",
                  "WEBVTT\n\nfirst",
                  22050,
                  {},
                  "line 3: the file ends before the cue's times",
                  {},
                  ParseWebVtt},
        Subtitles{"WebVttOfNotesOnly",
                  "WEBVTT\n\nNOTE\n00:01.000 --> 00:02.000\n",
                  22050,
                  {},
                  "it holds no cues",
                  {},
                  ParseWebVtt}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(SubRip, PausesFallWhereTheCuesEndAndAfterTheLastPhrase) {
    std::mt19937 rng(11);
    const std::vector<std::int16_t> samples = SpeechLike(rng, 6 * 22050);
    MemoryFiles files;
    files.files["in.wav"] = "";
    // The last cue ends past the audio: the last phrase ends with it.
    files.files["in.srt"] =
        "1\n00:00:01,000 --> 00:00:02,000\nHi\n\n2\n00:00:03,000 --> 00:00:04,500\nThere\n\n"
        "3\n00:00:05,000 --> 00:00:09,000\nEnd\n";
    JobOptions options;
    options.tuned = options.phrasesFromSrt = true;
    TunedMedia media;
    media.makeSamples = GivenSamples(samples, 22050);
    RecordingWindow window;
    ASSERT_TRUE(ConvertTuned(window, "in.wav", "out.WAV", files, options, media));
    PauseModel model;
    EXPECT_TRUE(files.files["out.WAV"] ==
                PcmWav(model.Practice(samples, {44440, 99990}, 1, 0,
                                      std::numeric_limits<double>::infinity()),
                       22050));
}

// A job reads each subtitle file once, before it converts anything, and
// each source gets its own cues: a file spoilt after that read changes nothing.
TEST(SubRip, AJobReadsEachSubtitleFileOnceAndGivesEachSourceItsOwn) {
    const std::string early = "1\n00:00:01,000 --> 00:00:02,000\nHi\n";
    const std::string late = "WEBVTT\n\n00:03.000 --> 00:04.500\nThere\n";
    const struct {
        const char* name;
        std::string phrasesFrom; // "" for those beside each source
        std::map<std::filesystem::path, std::string> subtitles;
        std::vector<std::uint64_t> aEnds, bEnds; // no ends: the detector's phrases
        std::size_t keptBytes = CJobSubtitles::DefaultKeptBytes;
        std::set<std::filesystem::path> readAgain = {}; // past the limit: read when converted
    } rows[] = {
        {"beside each", "", {{"a.srt", early}, {"b.vtt", late}}, {44440}, {99990}},
        {"beside one only", "", {{"b.srt", early}}, {}, {44440}},
        {"one for all", "cues.srt", {{"cues.srt", late}, {"a.srt", early}}, {99990}, {99990}},
        // Room for a's one short cue, not for b's as well.
        {"past the limit",
         "",
         {{"a.srt", early}, {"b.vtt", late}},
         {44440},
         {99990},
         100,
         {"b.srt", "b.vtt"}},
    };
    std::mt19937 rng(5);
    const std::vector<std::int16_t> samples = SpeechLike(rng, 5 * 22050);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CountingFiles files;
        files.files = {{"a.wav", ""}, {"b.wav", ""}};
        files.files.insert(row.subtitles.begin(), row.subtitles.end());
        JobOptions options;
        options.tuned = options.phrasesFromSrt = true;
        options.phrasesFrom = row.phrasesFrom;
        auto subtitles = std::make_shared<CJobSubtitles>(row.keptBytes);
        ASSERT_EQ(subtitles->Read(files, {"a.wav", "b.wav"}, row.phrasesFrom, true), "");
        for (const auto& subtitle : row.subtitles)
            if (!row.readAgain.contains(subtitle.first))
                files.files[subtitle.first] = "spoilt";
        TunedMedia media;
        media.makeSamples = GivenSamples(samples, 22050);
        media.subtitles = subtitles;
        RecordingWindow window;
        ASSERT_TRUE(ConvertTuned(window, "a.wav", "a.WAV", files, options, media));
        ASSERT_TRUE(ConvertTuned(window, "b.wav", "b.WAV", files, options, media));
        for (const auto& [path, count] : files.opened)
            EXPECT_EQ(count, row.readAgain.contains(path) ? 2 : 1) << path;
        for (const auto& [ends, output] : {std::pair(row.aEnds, "a.WAV"), {row.bEnds, "b.WAV"}})
            if (!ends.empty()) {
                EXPECT_TRUE(files.files[output] ==
                            PcmWav(PauseModel().Practice(samples, ends, 1, 0,
                                                         std::numeric_limits<double>::infinity()),
                                   22050))
                    << output;
            }
    }
}
