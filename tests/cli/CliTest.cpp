#include "batch/BatchTestFiles.h"
#include "cli/ChildProcess.h"
#include "support/Ffmpeg.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <map>
#include <random>

using namespace batchtest;
namespace fs = std::filesystem;
using Stream = ChildProcess::Stream;

namespace {

const std::string Stopping =
    "brellow-cli: stopping after the current file (Ctrl+C again to quit at once)";
const std::string Stopped = "Info: Application has stopped by user request";

// Every file of a folder with its bytes, to show that a run changed nothing.
std::map<std::string, std::string> Snapshot(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(dir))
        if (entry.is_regular_file())
            files[entry.path().filename().string()] = ReadFileBytes(entry.path());
    return files;
}

// The lines of a stream, blank ones (the pipe's filler) left out.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t end; (end = text.find('\n', from)) != std::string::npos; from = end + 1)
        if (end > from)
            lines.push_back(text.substr(from, end - from));
    return lines;
}

class Cli : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directory(src);
        fs::create_directory(out);
    }

    int Run(const std::vector<std::string>& arguments, ChildProcess::Setup setup = {}) {
        ChildProcess child(arguments, setup);
        const int status = child.Wait();
        stdoutText = child.out;
        stderrText = child.err;
        return status;
    }

    TempDir tmp;
    fs::path src = tmp / "src";
    fs::path out = tmp / "out";
    std::string stdoutText;
    std::string stderrText;
};

TEST_F(Cli, ConvertsAFolderAsTheLibraryDoesAndLeavesTheSourcesAlone) {
    CopyRecording("german.wav", src / "b.wav");
    CopyRecording("english.wav", src / "A.WAV");
    CopyRecording("french-whole-blocks.wav", src / "c.Wav");
    CopyRecording("english.wav", src / "leçon ü.wav");
    CopyRecording("english.wav", src / "notes.txt");
    const auto before = Snapshot(src);

    EXPECT_EQ(Run({src.string(), out.string()}), 0);

    EXPECT_EQ(stderrText, "1 of 4\n2 of 4\n3 of 4\n4 of 4\n");
    EXPECT_EQ(stdoutText, "");
    EXPECT_EQ(Names(out), (std::vector<std::string>{"A.WAV", "b.WAV", "c.WAV", "leçon ü.WAV"}));
    for (const auto& [name, source] : {std::pair{"A.WAV", "A.WAV"},
                                       {"b.WAV", "b.wav"},
                                       {"c.WAV", "c.Wav"},
                                       {"leçon ü.WAV", "leçon ü.wav"}})
        EXPECT_EQ(ReadFileBytes(out / name), ConvertedAlone(src / source)) << name;
    EXPECT_EQ(Snapshot(src), before);
}

TEST_F(Cli, ConvertsTheBundledExample) {
    EXPECT_EQ(Run({Recording("example.wav").string(), out.string()}), 0);

    EXPECT_EQ(stderrText, "1 of 1\n");
    EXPECT_EQ(Names(out), (std::vector<std::string>{"example.WAV"}));
    EXPECT_EQ(ReadFileBytes(out / "example.WAV"), ConvertedAlone(Recording("example.wav")));
}

TEST_F(Cli, RefusedPathsPrintTheirBoxAndExitWithTwo) {
    CopyRecording("english.wav", src / "a.wav");
    const std::string missing = (tmp / "missing").string();
    const std::string file = (src / "a.wav").string();
    const struct {
        std::string source, destination, message;
    } cases[] = {
        {"", "", "Wrong path: Please, specify path\n"},
        {" \t", "  ", "Wrong path: Please, specify path\n"},
        {missing, out.string(), "Wrong source: The source '" + missing + "' does not exists\n"},
        {"", out.string(), "Wrong source: The source '' does not exists\n"},
        {"-", out.string(), "Wrong source: The source '-' does not exists\n"}, // not an option
        {src.string(), missing,
         "Wrong destination: The directory '" + missing + "' does not exists\n"},
        {src.string(), file, "Wrong destination: The directory '" + file + "' does not exists\n"},
        {src.string(), out.string() + " ",
         "Wrong destination: The directory '" + out.string() + " ' does not exists\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        EXPECT_EQ(Run({c.source, c.destination}), 2);
        EXPECT_EQ(stderrText, c.message);
        EXPECT_EQ(stdoutText, "");
    }
    EXPECT_TRUE(Names(out).empty());
}

TEST_F(Cli, SourceIsTrimmedAndDashPathsFollowTheEndOfOptions) {
    fs::create_directory(tmp / "-in");
    CopyRecording("english.wav", tmp / "-in" / "a.wav");

    EXPECT_EQ(Run({"--", "  -in ", "out"}, {.workingDirectory = tmp.path()}), 0);

    EXPECT_EQ(Names(out), (std::vector<std::string>{"a.WAV"}));
}

TEST_F(Cli, UsageErrorsExitWithTwoAndShowTheUsage) {
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{},
          {"only-one"},
          {"a", "b", "c"},
          {"--yes"},
          {"-x", "a", "b"},
          {"--bogus", "a", "b"},
          {"a", "b", "--", "c"},
          {"-h"},
          {"--threshold", "1", "a", "b"},
          {"--threshold", "a", "b"},
          {"--min-silence=0", "a", "b"},
          {"--min-phrase", "61", "a", "b"},
          {"--pause-factor", "x", "a", "b"},
          {"--pause-extra=-1", "a", "b"},
          {"--bitrate", "64", "a", "b"},
          {"--output-format", "ogg", "a", "b"},
          {"--output-format=flac", "--bitrate=64", "a", "b"},
          {"--output-format", "mp3", "--bitrate", "16", "a", "b"},
          {"--output-format", "opus", "--bitrate", "300", "a", "b"}}) {
        SCOPED_TRACE(arguments.empty() ? "(none)" : arguments[0]);
        EXPECT_EQ(Run(arguments), 2);
        EXPECT_TRUE(stderrText.starts_with("brellow-cli: ")) << stderrText;
        // A wrong value names its option.
        if (arguments.size() > 1 && arguments[0].starts_with("--") && arguments[0] != "--bogus") {
            const std::string named = stderrText.substr(13, stderrText.find(' ', 13) - 13);
            EXPECT_TRUE(std::any_of(arguments.begin(), arguments.end(), [&](const std::string& a) {
                return a.substr(0, a.find('=')) == named;
            })) << stderrText;
        }
        EXPECT_NE(stderrText.find("\nUsage: brellow-cli [OPTION]... [--] SOURCE DESTINATION\n"),
                  std::string::npos)
            << stderrText;
        EXPECT_EQ(stdoutText, "");
    }
}

TEST_F(Cli, HelpAndVersionGoToStandardOutput) {
    EXPECT_EQ(Run({"--version"}), 0);
    EXPECT_EQ(stdoutText, "brellow-cli 1.0.0.1\n");
    EXPECT_EQ(stderrText, "");

    EXPECT_EQ(Run({"a", "--help"}), 0);
    EXPECT_EQ(stderrText, "");
    for (const char* heading :
         {"NAME\n    brellow-cli - ", "\nUSAGE\n", "\nDESCRIPTION\n", "\nOPTIONS\n",
          "\nEXIT STATUS\n", "\nEXAMPLES\n", "--yes", "--version", "Ctrl+C"})
        EXPECT_NE(stdoutText.find(heading), std::string::npos) << heading;
}

// --- questions ---

TEST_F(Cli, WithoutATerminalAQuestionIsAnsweredNo) {
    CopyRecording("english.wav", src / "a.wav");
    CopyRecording("german.wav", src / "b.wav");
    fs::create_directory(out / "a.WAV"); // in the way of the first output

    EXPECT_EQ(Run({src.string(), out.string()}), 1);

    EXPECT_EQ(stderrText, "1 of 2\nFailure: Cannot open file ' " + (out / "a.WAV").string() +
                              "' for writing. Do you want to continue? [y/n/c] n\n");
    EXPECT_EQ(Names(out), (std::vector<std::string>{"a.WAV"}));
}

TEST_F(Cli, YesAnswersEveryQuestion) {
    CopyRecording("english.wav", src / "a.wav");
    CopyRecording("german.wav", src / "b.wav");
    CopyRecording("english.wav", src / "c.wav");
    fs::create_directory(out / "a.WAV");
    fs::create_directory(out / "c.WAV");

    EXPECT_EQ(Run({"--yes", src.string(), out.string()}), 0);

    const std::string question = "' for writing. Do you want to continue? [y/n/c] y\n";
    EXPECT_EQ(stderrText, "1 of 3\nFailure: Cannot open file ' " + (out / "a.WAV").string() +
                              question + "2 of 3\n3 of 3\nFailure: Cannot open file ' " +
                              (out / "c.WAV").string() + question);
    EXPECT_EQ(ReadFileBytes(out / "b.WAV"), ConvertedAlone(src / "b.wav"));
}

TEST_F(Cli, OutputThatWouldOverwriteItsSourceIsRefusedAndTheSourceKept) {
    CopyRecording("english.wav", src / "lesson.WAV");
    CopyRecording("german.wav", src / "other.wav");
    const auto before = Snapshot(src);

    EXPECT_EQ(Run({"--yes", src.string(), src.string()}), 0);

    EXPECT_NE(stderrText.find("Failure: Cannot open file ' " + (src / "lesson.WAV").string() +
                              "' for writing."),
              std::string::npos)
        << stderrText;
    EXPECT_EQ(ReadFileBytes(src / "lesson.WAV"), before.at("lesson.WAV"));
    EXPECT_EQ(ReadFileBytes(src / "other.wav"), before.at("other.wav"));
    EXPECT_EQ(ReadFileBytes(src / "other.WAV"), ConvertedAlone(src / "other.wav"));
}

TEST_F(Cli, OnATerminalTheQuestionIsAskedAndProgressStaysOnOneLine) {
    CopyRecording("english.wav", src / "a.wav");
    CopyRecording("german.wav", src / "b.wav");
    fs::create_directory(out / "a.WAV");

    ChildProcess child({src.string(), out.string()}, {Stream::Terminal, Stream::Terminal, {}});
    ASSERT_TRUE(child.ReadUntilTail("Do you want to continue? [y/n/c] "));
    child.Type("maybe\n");
    ASSERT_TRUE(child.ReadUntilTail("Please answer y (yes), n (no) or c (cancel): "));
    child.Type("Y\n");
    EXPECT_EQ(child.Wait(), 0);

    // The bar stands at the file's index out of the count; the terminal ends lines with \r\n.
    const std::string bar1 = "\r1 of 2 [" + std::string(15, '#') + std::string(15, '.') + "]";
    const std::string bar2 = "\r2 of 2 [" + std::string(30, '#') + "]";
    EXPECT_TRUE(child.err.starts_with(bar1 + "\r\nFailure: Cannot open file ' ")) << child.err;
    EXPECT_TRUE(child.err.ends_with("Y\r\n" + bar2 + "\r\n")) << child.err;
    EXPECT_EQ(ReadFileBytes(out / "b.WAV"), ConvertedAlone(src / "b.wav"));
}

TEST_F(Cli, OnATerminalEachAnswerButYesEndsTheJob) {
    CopyRecording("english.wav", src / "a.wav");
    CopyRecording("german.wav", src / "b.wav");
    fs::create_directory(out / "a.WAV");
    for (const std::string answer : {"n", "no", "c", "cancel", "yes"}) {
        SCOPED_TRACE(answer);
        fs::remove(out / "b.WAV");
        ChildProcess child({src.string(), out.string()}, {Stream::Terminal, Stream::File, {}});
        child.Type(answer + "\n"); // typed ahead: waits in the terminal until the question reads it
        EXPECT_EQ(child.Wait(), answer == "yes" ? 0 : 1);
        EXPECT_NE(child.err.find("Do you want to continue? [y/n/c] "), std::string::npos);
        EXPECT_EQ(fs::exists(out / "b.WAV"), answer == "yes");
    }
}

// --- how a job ends early ---

TEST_F(Cli, UnsupportedFileEndsTheJobWithItsReason) {
    CopyRecording("english.wav", src / "1.wav");
    WritePcmTagged(src / "2.wav");
    CopyRecording("german.wav", src / "3.wav");
    const auto before = Snapshot(src);

    EXPECT_EQ(Run({src.string(), out.string()}), 1);

    EXPECT_EQ(stderrText, std::string("1 of 3\n2 of 3\n") +
                              "Error: The software does not support given audio format\n" +
                              "Details: " + PcmTaggedReason + "\n");
    EXPECT_EQ(Names(out), (std::vector<std::string>{"1.WAV"}));
    EXPECT_EQ(Snapshot(src), before);
}

// --- any recording in ---

// Runs ffmpeg with the given arguments, in the folder dir.
void Ffmpeg(const fs::path& dir, const std::string& arguments) {
    const std::string command =
        "cd '" + dir.string() + "' && ffmpeg -nostdin -v error " + arguments;
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

TEST_F(Cli, AnyFormatConvertsTheFoldersRecordingsAndTheExactOnesExactly) {
    CopyRecording("english.wav", src / "a.wav");
    Ffmpeg(src, "-i a.wav -b:a 64k B.MP3");
    Ffmpeg(src, "-i a.wav c.flac");
    WriteFileBytes(src / "notes.txt", "not a recording");

    EXPECT_EQ(Run({"--any-format", src.string(), out.string()}), 0);

    EXPECT_EQ(stderrText, "1 of 3\n2 of 3\n3 of 3\n");
    EXPECT_EQ(Names(out), (std::vector<std::string>{"B.WAV", "a.WAV", "c.WAV"}));
    EXPECT_EQ(ReadFileBytes(out / "a.WAV"), ConvertedAlone(src / "a.wav"));
}

TEST_F(Cli, AnyFormatRefusesWhatCannotBeDecodedAndWritesNothing) {
    CopyRecording("english.wav", tmp / "lesson.wav");
    Ffmpeg(tmp.path(), "-i lesson.wav -b:a 64k lesson.mp3");
    const std::string mp3 = ReadFileBytes(tmp / "lesson.mp3");
    WriteFileBytes(src / "truncated.mp3", mp3.substr(0, mp3.size() / 2));
    std::mt19937 rng(3);
    std::string noise(20000, '\0');
    for (char& c : noise)
        c = static_cast<char>(rng());
    WriteFileBytes(src / "random.mp3", noise);
    Ffmpeg(src, "-f lavfi -i testsrc=duration=1:size=32x32:rate=5 -c:v mpeg4 silent.mp4");
    WriteFileBytes(src / "empty.flac", "");
    const struct {
        const char* file;
        const char* reason;
    } rows[] = {
        {"truncated.mp3", "the recording is cut short: the file ends before it does"},
        {"random.mp3", "the file is not a recording in a format that can be read"},
        {"silent.mp4", "the file holds no audio"},
        {"empty.flac", "the file is empty"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        EXPECT_EQ(Run({"--any-format", (src / row.file).string(), out.string()}), 1);
        EXPECT_EQ(stderrText, std::string("1 of 1\nError: The software does not support given ") +
                                  "audio format\nDetails: " + row.reason + "\n");
        EXPECT_TRUE(Names(out).empty());
    }
}

TEST_F(Cli, TheQuietLimitFollowsRecordingsThatTheExactReaderDoesNotTake) {
    CopyRecording("english.wav", src / "a.wav");
    Ffmpeg(src, "-i a.wav -b:a 64k b.mp3");
    const struct {
        std::vector<std::string> options;
        const char* file;
        const char* limit; // as --verbose tells it; none for the exact conversion
    } rows[] = {
        {{"--any-format"}, "b.mp3", "dB (auto), "},
        {{"--any-format", "--pause-factor", "1"}, "b.mp3", "dB (auto), "},
        {{"--any-format", "--threshold", "-20"}, "b.mp3", "quiet below -20.0 dB, "},
        {{"--any-format", "--pause-factor", "1"}, "a.wav", "quiet below -20.0 dB, "},
        {{"--threshold=auto"}, "a.wav", "dB (auto), "},
        {{"--any-format"}, "a.wav", nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.options) + " " + row.file);
        std::vector<std::string> arguments = row.options;
        arguments.insert(arguments.end(), {"--verbose", (src / row.file).string(), out.string()});
        ASSERT_EQ(Run(arguments), 0);
        const std::vector<std::string> lines = Lines(stderrText);
        ASSERT_EQ(lines.size(), row.limit ? 2u : 1u) << stderrText;
        if (row.limit) {
            EXPECT_TRUE(lines[1].starts_with(row.file + std::string(": quiet below -")) &&
                        lines[1].find(row.limit) != std::string::npos)
                << lines[1];
        }
    }
}

// --- compressed practice files ---

TEST_F(Cli, CompressedPracticeFilesHoldTheWavFilesSamples) {
    CopyRecording("example.wav", src / "lesson.wav");
    ASSERT_EQ(Run({src.string(), out.string()}), 0);
    const std::vector<std::int16_t> pcm = DecodeWithFfmpeg(out / "lesson.WAV");
    const double seconds = static_cast<double>(pcm.size()) / 22050;
    for (const std::string format : {"flac", "mp3", "opus"}) {
        SCOPED_TRACE(format);
        EXPECT_EQ(Run({"--output-format", format, src.string(), out.string()}), 0);
        const fs::path file = out / ("lesson." + format);
        EXPECT_EQ(TitleByFfprobe(file), "lesson");
        const std::vector<std::int16_t> decoded = DecodeWithFfmpeg(file, "-ar 22050");
        if (format == "flac")
            EXPECT_TRUE(decoded == pcm);
        else
            EXPECT_NEAR(static_cast<double>(decoded.size()) / 22050, seconds, 0.06);
    }
}

class CliInterrupt : public Cli {
protected:
    static constexpr int Count = 6;

    void SetUp() override {
        Cli::SetUp();
        for (int i = 1; i <= Count; ++i)
            CopyRecording(i % 2 ? "example.wav" : "english.wav", src / Name(i, ".wav"));
        before = Snapshot(src);
    }

    static std::string Name(int index, const char* extension) {
        return "lesson" + std::to_string(index) + extension;
    }
    static std::string Status(int index) {
        return std::to_string(index) + " of " + std::to_string(Count);
    }

    // Starts a job and holds it, by a full error pipe, before it is far into
    // its first files.
    void StartHeld(ChildProcess& child) {
        ASSERT_TRUE(child.ReadUntilLine(Status(1))) << child.err;
        child.FillPipe();
    }

    std::map<std::string, std::string> before;
};

TEST_F(CliInterrupt, CtrlCFinishesTheFileUnderWayAndStartsNoOther) {
    ChildProcess child({src.string(), out.string()}, {Stream::Null, Stream::Pipe, {}});
    StartHeld(child);
    child.Signal(SIGINT);
    EXPECT_EQ(child.Wait(), 1);

    // 1 of N ... k-1 of N, the notice, then k of N and the Info box before file k.
    const std::vector<std::string> lines = Lines(child.err);
    ASSERT_GE(lines.size(), 4u) << child.err;
    EXPECT_EQ(lines.back(), Stopped);
    const std::string& last = lines[lines.size() - 2];
    const int k = std::stoi(last);
    ASSERT_GE(k, 2) << child.err;
    ASSERT_LE(k, Count) << child.err;
    std::vector<std::string> expected;
    for (int i = 1; i < k; ++i)
        expected.push_back(Status(i));
    expected.insert(expected.end(), {Stopping, Status(k), Stopped});
    EXPECT_EQ(lines, expected);

    for (int i = 1; i < k; ++i)
        EXPECT_EQ(ReadFileBytes(out / Name(i, ".WAV")), ConvertedAlone(src / Name(i, ".wav"))) << i;
    EXPECT_EQ(Names(out).size(), static_cast<std::size_t>(k - 1));
    EXPECT_EQ(Snapshot(src), before);
}

TEST_F(CliInterrupt, SecondCtrlCEndsTheProgramAtOnce) {
    ChildProcess child({src.string(), out.string()}, {Stream::Null, Stream::Pipe, {}});
    StartHeld(child);
    // Held by the full pipe, it cannot reach the end of the job before the
    // second interrupt, and two interrupts pending at once would count as one.
    child.Signal(SIGINT);
    child.AwaitDelivery(SIGINT);
    child.Signal(SIGINT);

    EXPECT_EQ(child.Wait(), 130);
    EXPECT_EQ(child.err.find(Stopped), std::string::npos);
    EXPECT_EQ(Snapshot(src), before);
}

} // namespace
