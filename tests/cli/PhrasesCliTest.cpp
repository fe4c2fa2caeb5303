// Where each phrase is, written beside the practice files: labels, clips and
// their table, checked by the tools that read them (ffprobe, ffmpeg, Python).

#include "batch/BatchTestFiles.h"
#include "cli/ChildProcess.h"
#include "support/Ffmpeg.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <sstream>

using namespace batchtest;
namespace fs = std::filesystem;

namespace {

int RunCli(const std::vector<std::string>& arguments, std::string& err) {
    ChildProcess child(arguments, {});
    const int status = child.Wait();
    err = child.err;
    return status;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t from = 0, end; (end = text.find('\n', from)) != std::string::npos;
         from = end + 1)
        lines.push_back(text.substr(from, end - from));
    return lines;
}

} // namespace

TEST(PhrasesCli, EveryLessonOfAFolderGetsItsLabelsClipsAndTable) {
    TempDir tmp;
    fs::create_directories(tmp / "in");
    fs::create_directories(tmp / "out");
    const char* lessons[] = {"english", "german", "french-whole-blocks"};
    // Lessons that FFmpeg's libraries read as ffmpeg does, sample for sample.
    for (const std::string lesson : lessons)
        CommandOutput("ffmpeg -nostdin -v error -i " +
                      ShellQuoted(Recording(lesson + ".wav").string()) + " " +
                      ShellQuoted((tmp / "in" / (lesson + ".flac")).string()));
    std::string err;
    ASSERT_EQ(RunCli({"--any-format", "--labels", "srt", "--passes", "1,1", "--clips",
                      "--output-format", "flac", (tmp / "in").string(), (tmp / "out").string()},
                     err),
              0)
        << err;
    // The same passes in a WAV file, which the pause rules' model holds to the sample.
    fs::create_directories(tmp / "wav");
    ASSERT_EQ(
        RunCli({"--any-format", "--passes", "1,1", (tmp / "in").string(), (tmp / "wav").string()},
               err),
        0);
    for (const std::string lesson : lessons) {
        SCOPED_TRACE(lesson);
        EXPECT_TRUE(DecodeWithFfmpeg(tmp / "out" / (lesson + ".flac")) ==
                    DecodeWithFfmpeg(tmp / "wav" / (lesson + ".WAV")));
        const fs::path folder = tmp / "out" / (lesson + "-phrases");
        // The table names exactly the clips in the folder, in order, one row a phrase.
        const std::vector<std::string> rows = Lines(CommandOutput(
            "python3 -c 'import csv,sys\nfor r in csv.reader(open(sys.argv[1], newline=\"\", "
            "encoding=\"utf-8\")): print(r[0], r[1])' " +
            ShellQuoted((folder / (lesson + ".csv")).string())));
        std::set<std::string> named;
        std::vector<std::int16_t> joined;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            char clip[256];
            std::snprintf(clip, sizeof clip, "%s-%03zu.flac", lesson.c_str(), i + 1);
            EXPECT_EQ(rows[i], "[sound:" + std::string(clip) + "] " + std::to_string(i + 1));
            named.insert(clip);
            const std::vector<std::int16_t> samples = DecodeWithFfmpeg(folder / clip);
            joined.insert(joined.end(), samples.begin(), samples.end());
        }
        named.insert(lesson + ".csv");
        const std::vector<std::string> names = Names(folder);
        EXPECT_EQ(std::set<std::string>(names.begin(), names.end()), named);
        // Nothing lost or doubled at the clips' edges.
        EXPECT_TRUE(joined == DecodeWithFfmpeg(tmp / "in" / (lesson + ".flac")));
        // One cue a pass: two a phrase.
        EXPECT_EQ(CommandOutput("ffprobe -v error -count_packets -show_entries "
                                "stream=nb_read_packets -of csv=p=0 " +
                                ShellQuoted((tmp / "out" / (lesson + ".srt")).string())),
                  std::to_string(2 * rows.size()) + "\n");
    }
}

TEST(PhrasesCli, SubtitlesThatAreNotSubRipEndTheJobBeforeItBegins) {
    const struct {
        const char* name;
        std::string text;
        const char* line;
    } rows[] = {
        {"BadTime", "1\n00:00:01,000 --> 00:00:02,000\nA\n\n2\n00:00:03,000 --> 00:0:04,000\n",
         "line 6: "},
        {"MissingArrow", "1\n00:00:01,000 -> 00:00:02,000\nA\n", "line 2: "},
        {"TextOnly", "Good morning.\n", "line 1: "},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempDir tmp;
        WriteFileBytes(tmp / "cues.srt", row.text);
        CopyRecording("english.wav", tmp / "english.wav");
        std::string err;
        EXPECT_EQ(RunCli({"--phrases-from", (tmp / "cues.srt").string(),
                          (tmp / "english.wav").string(), tmp.path().string()},
                         err),
                  2);
        EXPECT_NE(err.find(row.line), std::string::npos) << err;
        EXPECT_EQ(Names(tmp.path()), (std::vector<std::string>{"cues.srt", "english.wav"}));
    }
}

TEST(PhrasesCli, SlowedPassesLastLongerAtTheirPitchAndTempoOnePassesAreThePhrase) {
    TempDir tmp;
    // Two phrases of a steady 440 Hz tone, each followed by a second of silence.
    CommandOutput("sox -n -r 22050 -c 1 " + ShellQuoted((tmp / "tone.flac").string()) +
                  " synth 1.5 sine 440 vol 0.5 pad 0 1 : synth 2.5 sine 440 vol 0.5 pad 0 1");
    std::string err;
    ASSERT_EQ(
        RunCli({"--any-format", "--threshold", "-20", "--min-phrase", "1", "--passes", "0.6,1",
                "--labels", "audacity", (tmp / "tone.flac").string(), tmp.path().string()},
               err),
        0)
        << err;
    const std::vector<std::int16_t> out = DecodeWithFfmpeg(tmp / "tone.WAV");
    std::vector<std::pair<std::size_t, std::size_t>> passes;
    std::istringstream labels(ReadFileBytes(tmp / "tone.txt"));
    for (double start, end; labels >> start >> end; labels.ignore(100, '\n'))
        passes.emplace_back(static_cast<std::size_t>(std::llround(start * 22050)),
                            static_cast<std::size_t>(std::llround(end * 22050)));
    ASSERT_GE(passes.size(), 4u);
    ASSERT_EQ(passes.size() % 2, 0u);
    std::vector<std::int16_t> asRecorded;
    for (std::size_t i = 0; i < passes.size(); i += 2) {
        const auto [slowStart, slowEnd] = passes[i];
        const auto [start, end] = passes[i + 1];
        const double slow = static_cast<double>(slowEnd - slowStart);
        const double phrase = static_cast<double>(end - start);
        EXPECT_NEAR(slow, phrase / 0.6, std::max(0.01 * phrase / 0.6, 0.010 * 22050)) << i;
        // The pitch, by the sign changes of the first slowed tone's middle second.
        int changes = 0;
        for (std::size_t s = slowStart + 11025; i == 0 && s < slowStart + 33075; ++s)
            changes += (out[s] < 0) != (out[s + 1] < 0);
        if (i == 0) {
            EXPECT_NEAR(changes / 2.0, 440, 4.4);
        }
        asRecorded.insert(asRecorded.end(), out.begin() + static_cast<std::ptrdiff_t>(start),
                          out.begin() + static_cast<std::ptrdiff_t>(end));
    }
    // The tempo-1 passes, end to end, are the recording.
    EXPECT_TRUE(asRecorded == DecodeWithFfmpeg(tmp / "tone.flac"));
}
