#include "batch/BatchTestFiles.h"
#include "cli/ChildProcess.h"
#include "support/Envelope.h"
#include "support/Ffmpeg.h"
#include "support/PcmWav.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <arpa/inet.h>
#include <cmath>
#include <csignal>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <random>
#include <regex>
#include <sstream>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

using namespace batchtest;
namespace fs = std::filesystem;
using Stream = ChildProcess::Stream;
using namespace std::chrono_literals;

namespace {

const std::string Stopping =
    "brellow-cli: stopping after the current file (Ctrl+C again to quit at once)";
const std::string Stopped = "Info: Application has stopped by user request";
const std::string Removing = "Removing unfinished files...";

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

    EXPECT_EQ(stderrText, "1 of 4\n2 of 4\n3 of 4\n4 of 4\n4 converted, 0 skipped\n");
    EXPECT_EQ(stdoutText, "");
    EXPECT_EQ(Names(out), (std::vector<std::string>{"A.WAV", "b.WAV", "c.WAV", "leçon ü.WAV"}));
    EXPECT_EQ(ReadFileBytes(out / "b.WAV"), ConvertedAlone(src / "b.wav"));
    EXPECT_EQ(Snapshot(src), before);
}

TEST_F(Cli, ConvertsTheBundledExample) {
    EXPECT_EQ(Run({Recording("example.wav").string(), out.string()}), 0);

    EXPECT_EQ(stderrText, "1 of 1\n");
    EXPECT_EQ(Names(out), (std::vector<std::string>{"example.WAV"}));
    EXPECT_EQ(ReadFileBytes(out / "example.WAV"), ConvertedAlone(Recording("example.wav")));
}

TEST_F(Cli, RefusedPathsPrintTheirBoxAndExitWithTwo) {
    // Which paths are refused is the job's; here, how each kind of refusal is told.
    const struct {
        std::string source, destination, message;
    } cases[] = {
        {"", "", "Wrong path: Please, specify path\n"},
        {"-", out.string(), "Wrong source: The source '-' does not exists\n"}, // not an option
        {src.string(), out.string() + " ",
         "Wrong destination: The directory '" + out.string() + " ' does not exists\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        EXPECT_EQ(Run({c.source, c.destination}), 2);
        EXPECT_EQ(stderrText, c.message);
        EXPECT_EQ(stdoutText, "");
    }
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
          {"--output-format", "mp3", "--bitrate", "64.5", "a", "b"},
          {"--output-format", "opus", "--bitrate", "300", "a", "b"},
          {"--passes", "", "a", "b"},
          {"--passes=0.75,3", "a", "b"},
          {"--passes", "1,1,1,1,1,1,1,1,1", "a", "b"},
          {"--min-pause", "5", "--max-pause", "2", "a", "b"},
          {"--labels", "vtt", "a", "b"},
          {"--detector", "vad", "a", "b"}}) {
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

TEST_F(Cli, OptionsAtTheEdgesOfTheirRangesAreAccepted) {
    for (const std::vector<std::string>& options : {std::vector<std::string>{"--threshold", "0"},
                                                    {"--min-phrase", "60"},
                                                    {"--output-format", "mp3", "--bitrate", "32"},
                                                    {"--output-format", "mp3", "--bitrate", "320"},
                                                    {"--min-pause", "5", "--max-pause", "5"},
                                                    {"--output-format", "wav"}}) {
        SCOPED_TRACE(options[0]);
        std::vector<std::string> arguments = options;
        arguments.insert(arguments.end(), {src.string(), out.string()});
        // Taken: the job runs, and finds nothing to convert in the empty folder.
        EXPECT_EQ(Run(arguments), 4);
        EXPECT_EQ(stderrText, "No recordings in '" + src.string() + "'\n");
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
        EXPECT_NE(stdoutText.find(heading), std::string::npos)
            << heading; // The whole text pinned: a layout fault in the table shows here.
    const fs::path help = tmp / "help.txt";
    WriteFileBytes(help, stdoutText);
    std::string digest(64, ' ');
    FILE* sum = popen(("sha256sum '" + help.string() + "'").c_str(), "r");
    ASSERT_TRUE(sum && std::fread(digest.data(), 1, digest.size(), sum) == digest.size());
    pclose(sum);
    EXPECT_EQ(digest, "a43088203c4561860b0763c1a39fd14bcf4d8d00d9c887c17917f5d0bd7573a5");
}

// The options a text lists, in order: each entry's first line (up to a double space) names them.
std::vector<std::string> ListedOptions(const std::string& text, const std::regex& entry) {
    static const std::regex name(R"((?:--|\\-\\-)([a-z-]*)(?=[ ,"]|$))");
    std::vector<std::string> names;
    std::istringstream lines(text);
    for (std::string line, previous; std::getline(lines, line); previous = line) {
        if (!std::regex_search(previous + "\n" + line, entry))
            continue;
        const std::string heading = line.substr(0, line.find("  ", 4));
        for (std::sregex_iterator it(heading.begin(), heading.end(), name), end; it != end; ++it)
            names.push_back((*it)[1]);
    }
    return names;
}

TEST_F(Cli, ManualPageListsTheOptionsOfHelp) {
    ASSERT_EQ(Run({"--help"}), 0);
    const auto help = ListedOptions(stdoutText, std::regex(R"(\n    --[a-z-]*( |,|$))"));
    const auto manual =
        ListedOptions(ReadFileBytes(BRELLOW_MANPAGE), std::regex(R"(^\.TP\n\.BI? \\-\\-)"));
    EXPECT_GT(help.size(), 20u);
    EXPECT_EQ(manual, help);
}

// --- questions ---

TEST_F(Cli, WithoutATerminalAQuestionIsAnsweredNo) {
    CopyRecording("english.wav", src / "a.wav");
    CopyRecording("german.wav", src / "b.wav");
    fs::create_directory(out / "a.WAV"); // in the way of the first output

    EXPECT_EQ(Run({src.string(), out.string()}), 1);

    EXPECT_EQ(stderrText,
              "1 of 2\nFailure: Cannot open file ' " + (out / "a.WAV").string() +
                  "' for writing (Is a directory). Do you want to continue? [y/n/c] n\n");
    EXPECT_EQ(Names(out), (std::vector<std::string>{"a.WAV"}));
}

TEST_F(Cli, YesAnswersEveryQuestion) {
    CopyRecording("english.wav", src / "a.wav");
    CopyRecording("german.wav", src / "b.wav");
    CopyRecording("english.wav", src / "c.wav");
    fs::create_directory(out / "a.WAV");
    fs::create_directory(out / "c.WAV");

    EXPECT_EQ(Run({"--yes", src.string(), out.string()}), 3);

    const std::string question =
        "' for writing (Is a directory). Do you want to continue? [y/n/c] y\n";
    EXPECT_EQ(stderrText, "1 of 3\nFailure: Cannot open file ' " + (out / "a.WAV").string() +
                              question + "2 of 3\n3 of 3\nFailure: Cannot open file ' " +
                              (out / "c.WAV").string() + question + "1 converted, 2 skipped\n");
}

TEST_F(Cli, OutputThatWouldOverwriteItsSourceIsRefusedAndTheSourceKept) {
    CopyRecording("english.wav", src / "lesson.WAV");
    CopyRecording("german.wav", src / "other.wav");

    EXPECT_EQ(Run({"--yes", src.string(), src.string()}), 3);

    EXPECT_NE(stderrText.find("Failure: Cannot open file ' " + (src / "lesson.WAV").string() +
                              "' for writing (Device or resource busy)."),
              std::string::npos)
        << stderrText;
    EXPECT_TRUE(stderrText.ends_with("1 converted, 1 skipped\n")) << stderrText;
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
    EXPECT_EQ(child.Wait(), 3);

    // The bar stands at the file's index out of the count; the terminal ends lines with \r\n.
    const std::string bar1 = "\r1 of 2 [" + std::string(15, '#') + std::string(15, '.') + "]";
    const std::string bar2 = "\r2 of 2 [" + std::string(30, '#') + "]";
    EXPECT_TRUE(child.err.starts_with(bar1 + "\r\nFailure: Cannot open file ' ")) << child.err;
    EXPECT_TRUE(child.err.ends_with("Y\r\n" + bar2 + "\r\n1 converted, 1 skipped\r\n"))
        << child.err;
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
        EXPECT_EQ(child.Wait(), answer == "yes" ? 3 : 1);
        EXPECT_NE(child.err.find("Do you want to continue? [y/n/c] "), std::string::npos);
        EXPECT_EQ(fs::exists(out / "b.WAV"), answer == "yes");
    }
}

// --- how a job ends early ---

TEST_F(Cli, UnsupportedFileEndsTheJobWithItsReason) {
    CopyRecording("english.wav", src / "1.wav");
    WritePcmTagged(src / "2.wav");
    CopyRecording("german.wav", src / "3.wav");

    EXPECT_EQ(Run({src.string(), out.string()}), 1);

    EXPECT_EQ(stderrText, std::string("1 of 3\n2 of 3\n") +
                              "Error: The software does not support given audio format\n" +
                              "Details: " + PcmTaggedReason + "\n1 converted, 0 skipped\n");
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

    EXPECT_EQ(stderrText, "1 of 3\n2 of 3\n3 of 3\n3 converted, 0 skipped\n");
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
    WriteFileBytes(src / "no-samples.wav", PcmWav("", 22050));
    // Joined at another rate, the second part without the tags that would start a file.
    Ffmpeg(tmp.path(), "-i lesson.wav -ar 44100 -b:a 64k fast.mp3");
    Ffmpeg(tmp.path(), "-i lesson.wav -ar 22050 -b:a 64k -id3v2_version 0 -write_xing 0 slow.mp3");
    WriteFileBytes(src / "joined.mp3",
                   ReadFileBytes(tmp / "fast.mp3") + ReadFileBytes(tmp / "slow.mp3"));
    const struct {
        const char* file;
        const char* reason;
    } rows[] = {
        {"truncated.mp3", "the recording is cut short: the file ends before it does"},
        {"random.mp3", "the file is not a recording in a format that can be read"},
        {"silent.mp4", "the file holds no audio"},
        {"empty.flac", "the file is empty"},
        {"no-samples.wav", "no audio could be decoded from it"},
        {"joined.mp3", "the recording changes its sample rate part way through"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        EXPECT_EQ(Run({"--any-format", (src / row.file).string(), out.string()}), 1);
        EXPECT_EQ(stderrText, std::string("1 of 1\nError: The software does not support given ") +
                                  "audio format\nDetails: " + row.reason + "\n");
        EXPECT_TRUE(Names(out).empty());
    }
}

// --- hostile files ---

// What a traced run opened under dir, source and folders aside ("socket" for a socket).
std::vector<std::string> OpenedBeside(const fs::path& source, const fs::path& trace,
                                      const fs::path& dir) {
    std::vector<std::string> opened;
    std::ifstream in(trace);
    for (std::string line; std::getline(in, line);) {
        const std::size_t from = line.find('"') + 1;
        const fs::path path = source.parent_path() / line.substr(from, line.find('"', from) - from);
        if (line.find("socket(") != std::string::npos ||
            (from > 0 && line.find("O_DIRECTORY") == std::string::npos && path != source &&
             path.string().starts_with(dir.string())))
            opened.push_back(from > 0 ? path.string() : "socket");
    }
    return opened;
}

TEST_F(Cli, HostileContainersAreRefusedAndOpenNothingButThemselves) {
    CopyRecording("english.wav", src / "secret.wav");
    // An http server on the loopback, which no run may reach.
    const int server = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
    sockaddr_in address{AF_INET, 0, {htonl(INADDR_LOOPBACK)}, {}};
    socklen_t size = sizeof address;
    ASSERT_TRUE(::bind(server, reinterpret_cast<sockaddr*>(&address), size) == 0 &&
                ::listen(server, 4) == 0 &&
                ::getsockname(server, reinterpret_cast<sockaddr*>(&address), &size) == 0);
    const std::string http = "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port));
    const std::string hls = "#EXTM3U\n#EXT-X-TARGETDURATION:10\n#EXTINF:10,\n";
    const std::string local = hls + (src / "secret.wav").string() + "\n#EXT-X-ENDLIST\n";
    const std::pair<std::string, std::string> rows[] = {
        // the file, its bytes
        {"ffconcat.mp3", "ffconcat version 1.0\nfile secret.wav\n"},
        {"hls-to-a-local-file.m3u8", local},
        {"hls-to-http.m3u8", hls + http + "/lesson.ts\n#EXT-X-ENDLIST\n"},
        {"lesson.sdp", "v=0\r\nc=IN IP4 127.0.0.1\r\nm=audio 5004 RTP/AVP 0\r\n"},
        {"playlist.m4a", local},
    };
    // LeakSanitizer, in the sanitized build, cannot work under a tracer.
    std::vector<std::string> strace = {"strace", "-fqqo" + (tmp / "trace").string(),
                                       "-etrace=open,openat,openat2,creat,socket",
                                       "-ELSAN_OPTIONS=detect_leaks=0"};
    if (std::system("strace -o /dev/null true 2>/dev/null") != 0) {
        std::cerr << "strace cannot trace here: the files and sockets opened go unchecked\n";
        strace.clear();
    }
    for (const auto& [file, bytes] : rows) {
        SCOPED_TRACE(file);
        WriteFileBytes(src / file, bytes);
        // Ended at the program's deadline otherwise: an SDP file waited forever.
        EXPECT_EQ(Run({"--any-format", (src / file).string(), out.string()},
                      {.workingDirectory = src, .runner = strace}),
                  1);
        EXPECT_TRUE(stderrText.starts_with(
            "1 of 1\nError: The software does not support given audio format\nDetails: "));
        EXPECT_TRUE(Names(out).empty());
        EXPECT_LT(::accept(server, nullptr, nullptr), 0) << "it reached " << http;
        EXPECT_TRUE(strace.empty() || OpenedBeside(src / file, tmp / "trace", tmp.path()).empty())
            << ReadFileBytes(tmp / "trace");
        fs::remove(src / file);
    }
    ::close(server);
}

TEST_F(Cli, RatesOutsideWhatCanBeConvertedAreRefusedAtOnce) {
    WriteFileBytes(src / "1.wav", PcmWav(std::string(4000, '\1'), 1));
    WriteFileBytes(src / "768001.wav", PcmWav(std::string(4000, '\1'), 768001));
    std::string adpcm = ReadFileBytes(Recording("english.wav"));
    WriteFileBytes(src / "adpcm.wav", adpcm.replace(24, 4, std::string("\1\0\0\0", 4)));
    for (const std::vector<std::string>& row : {std::vector<std::string>{"--any-format", "1.wav"},
                                                {"--any-format", "768001.wav"},
                                                {"--pause-factor=1.5", "adpcm.wav"},
                                                {"--output-format=opus", "adpcm.wav"}}) {
        SCOPED_TRACE(row[0] + " " + row[1]);
        EXPECT_EQ(Run({row[0], (src / row[1]).string(), out.string()}), 1);
        const std::string rate = row[1] == "adpcm.wav" ? "1" : row[1].substr(0, row[1].find('.'));
        EXPECT_NE(stderrText.find("\nDetails: the recording's sample rate of " + rate + " Hz is"),
                  std::string::npos)
            << stderrText;
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

// --- how a run ends: skips, nothing to convert, a hint, a second Ctrl+C ---

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);)
        parts.push_back(part);
    return parts;
}

// Makes "name=what" files in dir: a bundled recording, "damaged", "folder", an encoding
// by ffmpeg ("mp3", "m4a"; "long": the example 100 times), or else the text itself.
void MakeFiles(const fs::path& dir, const std::string& files) {
    const std::map<std::string, std::string> encodings = {
        {"mp3", "-i english.wav"},
        {"m4a", "-i english.wav"},
        {"aac", "-i english.wav -f adts"},
        {"long", "-stream_loop 99 -i example.wav -c:a adpcm_ms -block_size 512 -fflags +bitexact"}};
    for (const std::string& file : Split(files, ' ')) {
        const std::string name = file.substr(0, file.find('=')),
                          what = file.substr(name.size() + 1);
        if (encodings.count(what))
            Ffmpeg(BRELLOW_TEST_DATA, encodings.at(what) + " " + (dir / name).string());
        else if (what == "damaged")
            WritePcmTagged(dir / name);
        else if (what == "folder")
            fs::create_directory(dir / name);
        else if (what == "unreadable") { // for anyone but root, whom these runs are not
            WriteFileBytes(dir / name, "");
            fs::permissions(dir / name, fs::perms::none);
        } else if (what.ends_with(".wav"))
            CopyRecording(what, dir / name);
        else
            WriteFileBytes(dir / name, what);
    }
}

TEST_F(Cli, RunsTellHowTheyEndedAndLeaveNothingHalfMade) {
    enum class How { Plain, Unwritable, CtrlCConverting, CtrlCAsking };
    const std::string question =
        "' for writing (Is a directory). Do you want to continue? [y/n/c] ";
    const std::string denied =
        "' for writing (Permission denied). Do you want to continue? [y/n/c] ";
    const std::string unwritable = "Failure: Cannot open file ' {out}/";
    const struct {
        const char* name;
        std::string sources, outputs, arguments; // files as MakeFiles takes them
        How how;
        int status;
        std::string err, left; // lines of standard error, '|' between; files in the destination
    } rows[] = {
        {"keep going over a damaged first file", "1.wav=damaged 2.wav=english.wav 3.wav=german.wav",
         "", "--keep-going {src} {out}", How::Plain, 3,
         "1 of 3|Skipped '{src}/1.wav': The WAV format must be ADPCM|2 of 3|3 of 3|"
         "2 converted, 1 skipped",
         "2.WAV 3.WAV"},
        {"keep going over a source that cannot be opened", "1.wav=unreadable", "",
         "--keep-going {src} {out}", How::Unwritable, 3,
         "1 of 1|Skipped '{src}/1.wav': the file cannot be opened: Permission denied|"
         "0 converted, 1 skipped",
         ""},
        {"a source that cannot be opened, answered no", "1.wav=unreadable", "", "{src} {out}",
         How::Unwritable, 1,
         "1 of 1|Failure: Cannot open file ' {src}/1.wav' (Permission denied). Do you want to "
         "continue? [y/n/c] n",
         ""},
        {"an empty folder", "", "", "{src} {out}", How::Plain, 4, "No recordings in '{src}'", ""},
        {"a folder of MP3s without --any-format", "a.mp3=mp3 B.MP3=mp3 c.m4a=m4a d.txt=text", "",
         "{src} {out}", How::Plain, 4,
         "No recordings in '{src}'; --any-format reads the 3 .mp3/.m4a files there", ""},
        {"--yes into an unwritable destination", "a.wav=english.wav b.wav=german.wav", "",
         "--yes {src} {out}", How::Unwritable, 3,
         "1 of 2|" + unwritable + "a.WAV" + denied + "y|2 of 2|" + unwritable + "b.WAV" + denied +
             "y|0 converted, 2 skipped",
         ""},
        {"an ADTS lesson", "a.aac=aac", "", "--any-format {src} {out}", How::Plain, 0, "1 of 1",
         "a.WAV"},
        {"the hint for a lone MP3", "a.mp3=mp3", "", "{src}/a.mp3 {out}", How::Plain, 1,
         "1 of 1|Error: The software does not support given audio format|Details: The RIFF chunk "
         "is missing|brellow-cli --any-format reads this recording",
         ""},
        {"a second Ctrl+C during an exact WAV", "a.wav=long", "", "{src} {out}",
         How::CtrlCConverting, 130, "1 of 1", ""},
        {"a second Ctrl+C during an Opus file that replaces one", "a.wav=long", "a.opus=older",
         "--output-format opus {src} {out}", How::CtrlCConverting, 130, "1 of 1", "a.opus"},
        {"a second Ctrl+C during a question", "a.wav=english.wav", "a.WAV=folder", "{src} {out}",
         How::CtrlCAsking, 130,
         "1 of 1 [" + std::string(30, '#') + "]|" + unwritable + "a.WAV" + question, "a.WAV"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const fs::path dir = tmp / std::to_string(&row - rows);
        const auto filled = [&](std::string text) {
            for (const auto& [key, value] :
                 {std::pair{"{src}", dir / "src"}, {"{out}", dir / "out"}})
                for (std::size_t at; (at = text.find(key)) != std::string::npos;)
                    text.replace(at, 5, value.string());
            return text;
        };
        fs::create_directories(dir / "src");
        fs::create_directory(dir / "out");
        MakeFiles(dir / "src", row.sources);
        MakeFiles(dir / "out", row.outputs);
        ChildProcess::Setup setup;
        setup.err = row.how == How::CtrlCConverting ? Stream::Pipe : Stream::File;
        if (row.how == How::CtrlCAsking)
            setup.in = setup.err = Stream::Terminal;
        if (row.how == How::Unwritable && ::geteuid() != 0) {
            fs::permissions(dir / "out", fs::perms::owner_write, fs::perm_options::remove);
        } else if (row.how == How::Unwritable) { // root writes anywhere: run it as nobody
            setup.runner = {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
            if (std::system("/usr/bin/setpriv --reuid=65534 --regid=65534 --clear-groups true")) {
                std::cout << "[ SKIPPED  ] " << row.name << ": setpriv cannot run as nobody\n";
                continue;
            }
            fs::permissions(tmp.path(), fs::perms::others_read | fs::perms::others_exec,
                            fs::perm_options::add);
        }
        const std::vector<std::string> before = Names(dir / "out");
        ChildProcess child(Split(filled(row.arguments), ' '), setup);
        if (row.how == How::CtrlCConverting || row.how == How::CtrlCAsking) {
            ASSERT_TRUE(row.how == How::CtrlCAsking ? child.ReadUntilTail(filled(question))
                                                    : child.ReadUntilLine("1 of 1"));
            if (row.how == How::CtrlCConverting)
                child.FillPipe();
            child.Signal(SIGINT);
            child.AwaitDelivery(SIGINT);
            // Converting: the second only once the output is begun, and a full pipe holds
            // the job at a pump that takes the first.
            for (int ms = 0;
                 row.how == How::CtrlCConverting && Names(dir / "out") == before && ms < 10000;
                 ++ms)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            child.Signal(SIGINT);
        }
        EXPECT_EQ(child.Wait(), row.status);
        std::erase(child.err, '\r');
        std::vector<std::string> lines = Lines(child.err + "\n");
        std::erase(lines, Stopping); // told only where a pump comes before a pause that sees it
        std::erase(lines, Removing); // told only where the error pipe has room
        EXPECT_EQ(lines, Split(filled(row.err), '|'));
        EXPECT_EQ(Names(dir / "out"), Split(row.left, ' '));
        if (row.outputs.ends_with("=older")) { // it stays as it was
            EXPECT_EQ(ReadFileBytes(dir / "out" / row.left), "older");
        }
    }
}

TEST_F(Cli, AnExistingPracticeFileIsReplacedOnlyByACompleteOne) {
    CopyRecording("english.wav", tmp / "lesson.wav");
    Ffmpeg(tmp.path(), "-i lesson.wav -b:a 64k lesson.mp3");
    const std::string mp3 = ReadFileBytes(tmp / "lesson.mp3");
    WriteFileBytes(src / "lesson.mp3", mp3.substr(0, mp3.size() / 2)); // fails at its end
    WriteFileBytes(out / "lesson.mp3", "an earlier practice file");
    const std::vector<std::string> arguments = {"--any-format", "--output-format", "mp3",
                                                (src / "lesson.mp3").string(), out.string()};
    EXPECT_EQ(Run(arguments), 1);
    EXPECT_EQ(Names(out), (std::vector<std::string>{"lesson.mp3"})); // nothing left beside it
    EXPECT_EQ(ReadFileBytes(out / "lesson.mp3"), "an earlier practice file");
    WriteFileBytes(src / "lesson.mp3", mp3);
    EXPECT_EQ(Run(arguments), 0);
    EXPECT_FALSE(DecodeWithFfmpeg(out / "lesson.mp3").empty());
}

TEST_F(Cli, TwinSourcesAnsweredNoKeepTheFirstCompressedOutput) {
    CopyRecording("english.wav", src / "lesson.WAV");
    CopyRecording("german.wav", src / "lesson.wav");
    EXPECT_EQ(Run({"--output-format", "flac", src.string(), out.string()}), 1);
    EXPECT_EQ(Names(out), (std::vector<std::string>{"lesson.flac"}));
    WriteFileBytes(tmp / "first.WAV", ConvertedAlone(src / "lesson.WAV"));
    EXPECT_TRUE(DecodeWithFfmpeg(out / "lesson.flac") == DecodeWithFfmpeg(tmp / "first.WAV"));
}

TEST_F(Cli, RatesTheEncodersDoNotTakeAreResampledWithThePausesInPlace) {
    for (const std::uint32_t rate : {96000u, 8000u}) {
        const std::string title = "lesson" + std::to_string(rate);
        const std::string source = (src / (title + ".flac")).string();
        Ffmpeg(src, "-i '" + Recording("english.wav").string() + "' -ar " + std::to_string(rate) +
                        " " + source);
        ASSERT_EQ(Run({"--any-format", source, out.string()}), 0);
        const auto wav = DecodeWithFfmpeg(out / (title + ".WAV"));
        for (const std::string format : {"mp3", "opus", "flac"}) {
            SCOPED_TRACE(title + "." + format);
            ASSERT_EQ(Run({"--any-format", "--output-format", format, source, out.string()}), 0);
            const auto decoded =
                DecodeWithFfmpeg(out / (title + "." + format), "-ar " + std::to_string(rate));
            EXPECT_NEAR(static_cast<double>(decoded.size()) / static_cast<double>(wav.size()), 1,
                        0.01);
            EXPECT_EQ(MisplacedWindows(wav, rate, decoded, rate), 0);
        }
    }
}

// Rows: --jobs 1, one file after another, and --jobs 3, files side by side.
class CliInterrupt : public Cli, public ::testing::WithParamInterface<const char*> {
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

TEST_P(CliInterrupt, CtrlCFinishesTheFilesUnderWayAndStartsNoOther) {
    ChildProcess child({"--jobs", GetParam(), src.string(), out.string()},
                       {Stream::Null, Stream::Pipe, {}});
    StartHeld(child);
    child.Signal(SIGINT);
    EXPECT_EQ(child.Wait(), 1);

    // 1 of N ... k-1 of N, the notice, then k of N, the Info box before file k and the summary.
    const std::vector<std::string> lines = Lines(child.err);
    ASSERT_GE(lines.size(), 5u) << child.err;
    EXPECT_EQ(lines[lines.size() - 2], Stopped);
    const std::string& last = lines[lines.size() - 3];
    const int k = std::stoi(last);
    ASSERT_GE(k, 2) << child.err;
    ASSERT_LE(k, Count) << child.err;
    std::vector<std::string> expected;
    for (int i = 1; i < k; ++i)
        expected.push_back(Status(i));
    expected.insert(expected.end(), {Stopping, Status(k), Stopped,
                                     std::to_string(k - 1) + " converted, 0 skipped, stopped"});
    EXPECT_EQ(lines, expected);

    for (int i = 1; i < k; ++i)
        EXPECT_EQ(ReadFileBytes(out / Name(i, ".WAV")), ConvertedAlone(src / Name(i, ".wav"))) << i;
    EXPECT_EQ(Names(out).size(), static_cast<std::size_t>(k - 1));
    EXPECT_EQ(Snapshot(src), before);
}

TEST_P(CliInterrupt, SecondCtrlCEndsTheProgramAtOnceLeavingOnlyWholeFiles) {
    ChildProcess child({"--jobs", GetParam(), src.string(), out.string()},
                       {Stream::Null, Stream::Pipe, {}});
    StartHeld(child);
    // Held by the full pipe, it cannot reach the end of the job before the
    // second interrupt, and two interrupts pending at once would count as one.
    child.Signal(SIGINT);
    child.AwaitDelivery(SIGINT);
    child.Signal(SIGINT);

    EXPECT_EQ(child.Wait(), 130);
    EXPECT_EQ(child.err.find(Stopped), std::string::npos);
    EXPECT_EQ(Snapshot(src), before);
    for (const auto& [name, bytes] : Snapshot(out)) // no temporary file, no half of one
        EXPECT_EQ(bytes, ConvertedAlone(src / (name.substr(0, name.size() - 4) + ".wav"))) << name;
}

INSTANTIATE_TEST_SUITE_P(Jobs, CliInterrupt, ::testing::Values("1", "3"),
                         [](const auto& row) { return std::string("jobs") + row.param; });

TEST_F(Cli, FilesSideBySideShowAndWriteWhatOneAfterAnotherDoes) {
    const struct {
        const char* name;
        std::string sources, outputs, arguments; // files as MakeFiles takes them
    } rows[] = {
        {"skips and a refused recording among others",
         "1.wav=english.wav 2.wav=damaged 3.wav=german.wav 4.wav=example.wav 5.wav=damaged "
         "6.wav=french-whole-blocks.wav",
         "", "--keep-going"},
        {"a refused recording ends the job",
         "1.wav=english.wav 2.wav=german.wav 3.wav=damaged 4.wav=example.wav 5.wav=english.wav", "",
         ""},
        {"twins, the second answered No",
         "a.WAV=example.wav a.wav=german.wav b.wav=english.wav c.wav=german.wav", "", ""},
        {"twins answered Yes, compressed", "a.WAV=example.wav a.wav=german.wav b.wav=english.wav",
         "", "--yes --output-format flac"},
        {"an output that cannot be made, answered No",
         "a.wav=english.wav b.wav=german.wav c.wav=example.wav d.wav=english.wav", "b.WAV=folder",
         ""},
        {"tuned Opus files with labels and their quiet limits told",
         "a.wav=german.wav b.mp3=mp3 c.wav=french-whole-blocks.wav", "c.opus=older",
         "--any-format --output-format opus --pause-factor 1.5 --labels srt --verbose"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const fs::path dir = tmp / std::to_string(&row - rows);
        fs::create_directories(dir / "src");
        MakeFiles(dir / "src", row.sources);
        std::map<std::string, std::string> seen[2]; // lines and files, by --jobs 1 and 3
        int status[2] = {};
        for (const int jobs : {1, 3}) {
            const fs::path to = dir / std::to_string(jobs);
            fs::create_directory(to);
            MakeFiles(to, row.outputs);
            std::vector<std::string> arguments = Split(row.arguments, ' ');
            arguments.insert(arguments.end(),
                             {"--jobs", std::to_string(jobs), (dir / "src").string(), to.string()});
            std::erase(arguments, "");
            const int at = jobs / 3;
            status[at] = Run(arguments);
            for (std::size_t found; (found = stderrText.find(to.string())) != std::string::npos;)
                stderrText.replace(found, to.string().size(), "{out}");
            seen[at] = Snapshot(to);
            seen[at]["standard error"] = stderrText;
        }
        EXPECT_EQ(status[1], status[0]);
        EXPECT_EQ(seen[1], seen[0]);
    }
}

} // namespace

// --- where each phrase is ---

TEST_F(Cli, EveryLessonOfAFolderGetsItsLabelsClipsAndTable) {
    const char* lessons[] = {"english", "german", "french-whole-blocks"};
    // Lessons that FFmpeg's libraries read as ffmpeg does, sample for sample.
    for (const std::string lesson : lessons)
        Ffmpeg(src, "-i '" + Recording(lesson + ".wav").string() + "' " + lesson + ".flac");
    ASSERT_EQ(Run({"--any-format", "--labels", "srt", "--passes", "1,1", "--clips",
                   "--output-format", "flac", src.string(), out.string()}),
              0)
        << stderrText;
    // The same passes in a WAV file, which the pause rules' model holds to the sample.
    ASSERT_EQ(Run({"--any-format", "--passes", "1,1", src.string(), tmp.path().string()}), 0);
    for (const std::string lesson : lessons) {
        SCOPED_TRACE(lesson);
        EXPECT_TRUE(DecodeWithFfmpeg(out / (lesson + ".flac")) ==
                    DecodeWithFfmpeg(tmp / (lesson + ".WAV")));
        const fs::path folder = out / (lesson + "-phrases");
        // The table names exactly the clips in the folder, in order, one row a phrase.
        const std::vector<std::string> rows = Lines(CommandOutput(
            "python3 -c 'import csv,sys\nfor r in csv.reader(open(sys.argv[1], newline=\"\", "
            "encoding=\"utf-8\").readlines()[3:]): print(r[0], r[2], r[3])' " +
            ShellQuoted((folder / (lesson + ".csv")).string())));
        std::vector<std::string> named = {lesson + ".apkg", lesson + ".csv"};
        const std::vector<std::int16_t> recording = DecodeWithFfmpeg(src / (lesson + ".flac"));
        const double rate = std::stod(
            CommandOutput("ffprobe -v error -show_entries stream=sample_rate -of csv=p=0 " +
                          ShellQuoted((src / (lesson + ".flac")).string())));
        for (std::size_t i = 0; i < rows.size(); ++i) {
            char clip[256];
            std::snprintf(clip, sizeof clip, "%s-%03zu.flac", lesson.c_str(), i + 1);
            const std::string row = "[sound:" + std::string(clip) + "] " + std::to_string(i + 1);
            EXPECT_EQ(rows[i].substr(0, row.size()), row);
            named.push_back(clip);
            // The clip is the recording from its row's start, to the millisecond.
            const std::vector<std::int16_t> samples = DecodeWithFfmpeg(folder / clip);
            const auto at =
                std::search(recording.begin(), recording.end(), samples.begin(), samples.end()) -
                recording.begin();
            EXPECT_NEAR(static_cast<double>(at), std::stod(rows[i].substr(row.size())) * rate,
                        rate / 1000 + 1)
                << clip;
        }
        std::sort(named.begin(), named.end());
        EXPECT_EQ(Names(folder), named);
        // One cue a pass: two a phrase.
        EXPECT_EQ(CommandOutput("ffprobe -v error -count_packets -show_entries "
                                "stream=nb_read_packets -of csv=p=0 " +
                                ShellQuoted((out / (lesson + ".srt")).string())),
                  std::to_string(2 * rows.size()) + "\n");
    }
}

TEST_F(Cli, SubtitlesAsSubRipOrWebVttGiveTheSameFilesWithTheirTextsOnCardsAndLabels) {
    const std::pair<const char*, std::string> subtitles[] = {
        {".srt", "1\n00:00:00,500 --> 00:00:02,000\nWhere is the station?\n\n"
                 "2\n00:00:02,500 --> 00:00:04,000\nIt's near,\n<i>\"here\"</i>\n\n"
                 "00:00:05,000 --> 00:00:07,000\nThanks\n"},
        {".vtt", "WEBVTT - a lesson\n\nSTYLE\n::cue { color: red }\n\nNOTE a remark\n\n"
                 "a\n00:00.500 --> 00:02.000 align:start\n<v Anna>Where is the station?\n\n"
                 "00:00:02.500 --> 00:00:04.000\nIt's near,\n<i>\"here\"</i>\n\n"
                 "REGION\nid:r\n\n00:05.000 --> 00:07.000\nThanks\n"}};
    const std::string expected = "#separator:comma\n#html:false\n#columns:Audio,Text,Phrase,"
                                 "Start,End,Source\nrow 1 Where is the station?\n"
                                 "row 2 It's near, \"here\"\nrow 3 Thanks\nrow 4 \n";
    std::vector<std::string> practice, deckNotes;
    for (const auto& [extension, text] : subtitles) {
        SCOPED_TRACE(extension);
        fs::remove_all(src);
        fs::remove_all(out);
        fs::create_directory(src);
        fs::create_directory(out);
        CopyRecording("english.wav", src / "english.wav");
        WriteFileBytes(src / (std::string("english") + extension), text);
        // The second lesson is newer: its notes are too, their ids the same.
        fs::last_write_time(src / "english.wav",
                            fs::last_write_time(src / "english.wav") + practice.size() * 1h);
        ASSERT_EQ(
            Run({"--phrases-from-srt", "--clips", "--labels", "srt", src.string(), out.string()}),
            0)
            << stderrText;
        practice.push_back(ReadFileBytes(out / "english.WAV"));
        const std::string read =
            CommandOutput("python3 " + ShellQuoted(BRELLOW_READ_CLIPS) + " " +
                          ShellQuoted((out / "english-phrases").string()) + " english");
        EXPECT_TRUE(read.starts_with(expected)) << read;
        EXPECT_NE(read.find("tables ['cards', 'col', 'graves', 'notes', 'revlog']\nversion 11\n"
                            "deck True\nnotes 4 rows 4\n"),
                  std::string::npos)
            << read;
        EXPECT_EQ(std::count(read.begin(), read.end(), '\n') - 11, 4) << read;
        EXPECT_EQ(read.find("media False"), std::string::npos) << read;
        deckNotes.push_back(read.substr(read.find("note ")));
        const std::string labels = ReadFileBytes(out / "english.srt");
        EXPECT_NE(labels.find("\n1/1  Where is the station?\n"), std::string::npos) << labels;
        EXPECT_NE(labels.find("\n4/1\n"), std::string::npos) << labels;
    }
    EXPECT_TRUE(practice[0] == practice[1]);
    EXPECT_EQ(deckNotes[0], deckNotes[1]); // the same notes, imported again
}

TEST_F(Cli, LongestPhraseCutsSpeechWhereItIsQuiet) {
    // No quiet stretch is long enough for the detector: every phrase is cut.
    for (const std::string lesson : {"english", "german", "french-whole-blocks"})
        CopyRecording(lesson + ".wav", src / (lesson + ".wav"));
    ASSERT_EQ(
        Run({"--min-silence", "10", "--max-phrase", "3", "--clips", src.string(), out.string()}), 0)
        << stderrText;
    for (const std::string lesson : {"english", "german", "french-whole-blocks"}) {
        SCOPED_TRACE(lesson);
        std::istringstream read(CommandOutput("python3 " + ShellQuoted(BRELLOW_READ_CLIPS) + " " +
                                              ShellQuoted((out / (lesson + "-phrases")).string()) +
                                              " " + ShellQuoted(lesson) + " " +
                                              ShellQuoted((src / (lesson + ".wav")).string())));
        int cuts = 0;
        for (std::string word; read >> word;) {
            if (word != "cut")
                continue;
            double seconds = 0, rate = 0, loudness = 0;
            read >> seconds >> rate >> loudness;
            EXPECT_LE(seconds, 3 + 1010 / rate);
            // Where speech goes on, the recording is louder than in half its blocks.
            if (cuts++ > 0) {
                EXPECT_LT(loudness, 0.5) << "phrase " << cuts;
            }
        }
        EXPECT_GE(cuts, 2);
    }
}

TEST_F(Cli, SubtitlesThatAreNotSubRipEndTheJobBeforeItBegins) {
    WriteFileBytes(src / "cues.srt", "1\n00:00:01,000 --> 00:00:02,000\nA\n\n2\n00:00:03 --> 1\n");
    CopyRecording("english.wav", src / "english.wav");
    EXPECT_EQ(Run({"--phrases-from", (src / "cues.srt").string(), src.string(), out.string()}), 2);
    EXPECT_EQ(stderrText, "brellow-cli: The subtitles '" + (src / "cues.srt").string() +
                              "' cannot be read: line 6: a time such as 00:01:02,500 was "
                              "expected\n");
    EXPECT_TRUE(Names(out).empty());
}

TEST_F(Cli, SlowedPassesLastLongerAtTheirPitchAndTempoOnePassesAreThePhrase) {
    // Two phrases of a steady 440 Hz tone, each followed by a second of silence.
    CommandOutput("sox -n -r 22050 -c 1 " + ShellQuoted((src / "tone.flac").string()) +
                  " synth 1.5 sine 440 vol 0.5 pad 0 1 : synth 2.5 sine 440 vol 0.5 pad 0 1");
    ASSERT_EQ(Run({"--any-format", "--threshold", "-20", "--min-phrase", "1", "--passes", "0.6,1",
                   "--labels", "audacity", (src / "tone.flac").string(), out.string()}),
              0)
        << stderrText;
    const std::vector<std::int16_t> wav = DecodeWithFfmpeg(out / "tone.WAV");
    std::vector<std::pair<std::size_t, std::size_t>> passes;
    std::istringstream labels(ReadFileBytes(out / "tone.labels.txt"));
    for (double start, end; labels >> start >> end; labels.ignore(100, '\n'))
        passes.emplace_back(static_cast<std::size_t>(std::llround(start * 22050)),
                            static_cast<std::size_t>(std::llround(end * 22050)));
    ASSERT_GE(passes.size(), 4u);
    ASSERT_EQ(passes.size() % 2, 0u);
    std::vector<std::int16_t> asRecorded;
    for (std::size_t i = 0; i < passes.size(); i += 2) {
        const auto [slowStart, slowEnd] = passes[i];
        const auto [start, end] = passes[i + 1];
        const double phrase = static_cast<double>(end - start);
        EXPECT_NEAR(static_cast<double>(slowEnd - slowStart), phrase / 0.6,
                    std::max(0.01 * phrase / 0.6, 0.010 * 22050))
            << i;
        // The slowed pass's pause is as long as that pass, and silent.
        EXPECT_EQ(start - slowEnd, slowEnd - slowStart) << i;
        EXPECT_TRUE(std::all_of(wav.begin() + static_cast<std::ptrdiff_t>(slowEnd),
                                wav.begin() + static_cast<std::ptrdiff_t>(start),
                                [](std::int16_t v) { return v == 0; }))
            << i;
        // The pitch, by the sign changes of the first slowed tone's middle second.
        int changes = 0;
        for (std::size_t at = slowStart + 11025; i == 0 && at < slowStart + 33075; ++at)
            changes += (wav[at] < 0) != (wav[at + 1] < 0);
        EXPECT_TRUE(i > 0 || std::abs(changes / 2.0 - 440) <= 4.4) << changes;
        asRecorded.insert(asRecorded.end(), wav.begin() + static_cast<std::ptrdiff_t>(start),
                          wav.begin() + static_cast<std::ptrdiff_t>(end));
    }
    // The tempo-1 passes, end to end, are the recording but its trailing quiet.
    const std::vector<std::int16_t> recording = DecodeWithFfmpeg(src / "tone.flac");
    ASSERT_LT(asRecorded.size(), recording.size());
    EXPECT_TRUE(std::equal(asRecorded.begin(), asRecorded.end(), recording.begin()));
    EXPECT_TRUE(std::all_of(recording.begin() + std::ssize(asRecorded), recording.end(),
                            [](std::int16_t s) { return std::abs(s) < 3277; }));
}

TEST_F(Cli, QuietAloneHasNoClipNoRowNoLabelAndNoRepeat) {
    // Four tones over a noise floor, with long quiet between them and after the last.
    CommandOutput("cd " + ShellQuoted(tmp.path().string()) +
                  " && sox -R -n -r 16000 -b 16 t.wav synth 0.8 sine 300 pad 0.6 2 : synth 1.2 "
                  "sine 500 pad 0 3 : synth 0.6 sine 400 pad 0 1.5 : synth 1 sine 350 pad 0 2.5 && "
                  "sox -R -n -r 16000 -b 16 n.wav synth 13.2 whitenoise vol 0.02 && "
                  "sox -m t.wav n.wav src/gaps.wav");
    WriteFileBytes(tmp / "cues.srt", "1\n00:00:00,500 --> 00:00:03,200\none\n\n"
                                     "2\n00:00:03,300 --> 00:00:04,700\ntwo\n");
    const struct {
        const char* name;
        std::vector<std::string> options;
        std::size_t passes;
        std::string labels = {}; // what they say, given subtitles
    } rows[] = {{"ShortSettingsCutTheGaps", {"--min-phrase", "0.1", "--min-silence", "0.2"}, 1},
                {"Defaults", {}, 1},
                {"ThreePasses", {"--passes", "1,1,1"}, 3},
                // The first cue's quiet part has no label; the next text stays on its phrase.
                {"CutCues",
                 {"--max-phrase", "3", "--phrases-from", (tmp / "cues.srt").string()},
                 1,
                 "|1/1  one|2/1  two|3/1|4/1"}};
    const auto quiet = [](std::int16_t s) { return std::abs(s) < 3277; };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove_all(out);
        fs::create_directory(out);
        // The level detector at a fixed level, by which the clips are measured.
        std::vector<std::string> arguments = {"--any-format", "--detector", "level",
                                              "--threshold",  "-20",        "--clips",
                                              "--labels",     "audacity"};
        arguments.insert(arguments.end(), row.options.begin(), row.options.end());
        arguments.insert(arguments.end(), {(src / "gaps.wav").string(), out.string()});
        ASSERT_EQ(Run(arguments), 0) << stderrText;
        // A clip a tone, each loud, with at most 0.25 s of quiet either side.
        EXPECT_EQ(Names(out / "gaps-phrases").size(), 2 + 4u);
        for (const char* name : {"gaps-001.WAV", "gaps-002.WAV", "gaps-003.WAV", "gaps-004.WAV"}) {
            const std::vector<std::int16_t> clip = DecodeWithFfmpeg(out / "gaps-phrases" / name);
            ASSERT_TRUE(std::any_of(clip.begin(), clip.end(), std::not_fn(quiet))) << name;
            EXPECT_LE(std::find_if_not(clip.begin(), clip.end(), quiet) - clip.begin(), 4000);
            EXPECT_LE(std::find_if_not(clip.rbegin(), clip.rend(), quiet) - clip.rbegin(), 4000);
        }
        // A label a pass, each followed by a pause as long; what the labels leave
        // out is in the practice file once, with its pause.
        std::istringstream labels(ReadFileBytes(out / "gaps.labels.txt"));
        std::size_t count = 0;
        double passed = 0;
        std::string said, text;
        for (double start, end; labels >> start >> end && std::getline(labels.ignore(1), text);
             ++count, said += "|" + text)
            passed += std::round((end - start) * 16000);
        EXPECT_EQ(count, 4 * row.passes);
        EXPECT_TRUE(row.labels.empty() || said == row.labels) << said;
        const double unheard = static_cast<double>(DecodeWithFfmpeg(src / "gaps.wav").size()) -
                               passed / static_cast<double>(row.passes);
        EXPECT_EQ(static_cast<double>(DecodeWithFfmpeg(out / "gaps.WAV").size()),
                  2 * passed + 2 * unheard);
    }
}
