#include "batch/ConvertFile.h"
#include "audio/AdpcmFileBuilder.h"
#include "audio/BinaryFile.h"
#include "audio/Translation.h"
#include "batch/ConversionMessages.h"
#include "batch/TunedConversion.h"
#include "pause/MessagePump.h"
#include "support/Ffmpeg.h"
#include "support/PauseModel.h"
#include "support/RecordingWindow.h"
#include "support/ScopedPump.h"
#include "support/Streams.h"
#include "support/TempDir.h"
#include "support/TunedWav.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace adpcmtest;

namespace {

constexpr std::uint32_t BlockBytes = 2020;
constexpr std::uint32_t MinimumPhraseBytes = 101424;

// A block that decodes to 1010 copies of its seed sample: predictor 0
// (coefficients 256, 0) with every code 0 keeps the prediction.
std::string FlatBlock(std::int16_t level) {
    return Block(0, 16, level, level);
}

AdpcmFile FlatFile(const std::vector<std::int16_t>& levels) {
    AdpcmFile file;
    for (const std::int16_t level : levels)
        file.payload += FlatBlock(level);
    file.sampleCount = static_cast<std::uint32_t>(levels.size() * 1012);
    return file;
}

std::uint32_t HeaderU32(const std::string& bytes, std::size_t offset) {
    std::uint32_t v;
    std::memcpy(&v, bytes.data() + offset, 4);
    return v;
}

// FFmpeg's decode as our blocks: the two header samples of every 1012-sample block dropped.
std::vector<std::string> ReferenceBlocks(const std::filesystem::path& file, std::size_t samples) {
    const std::vector<std::int16_t> decoded = DecodeWithFfmpeg(file);
    const std::string pcm(reinterpret_cast<const char*>(decoded.data()), 2 * decoded.size());
    std::vector<std::string> blocks;
    for (std::size_t at = 0; at < std::min(pcm.size(), samples * 2); at += 1012 * 2) {
        const std::size_t end = std::min({at + 1012 * 2, pcm.size(), samples * 2});
        if (end > at + 4)
            blocks.push_back(pcm.substr(at + 4, end - at - 4));
    }
    return blocks;
}

bool AllZero(const std::string& bytes, std::size_t from, std::size_t count) {
    return from + count <= bytes.size() &&
           std::all_of(bytes.begin() + static_cast<long>(from),
                       bytes.begin() + static_cast<long>(from + count),
                       [](char c) { return c == 0; });
}

// Walks an output data area against the reference blocks: every block in
// order, each pause only at a block boundary, made of zeros, exactly as long
// as the audio since the previous pause, never before 2.3 s of audio; then
// zeros to the end. Returns the pause lengths, or nullopt with a reason.
std::optional<std::vector<std::uint32_t>> MatchPauses(const std::string& data,
                                                      const std::vector<std::string>& blocks,
                                                      std::size_t index = 0, std::size_t pos = 0,
                                                      std::uint32_t phrase = 0) {
    if (index == blocks.size())
        return AllZero(data, pos, data.size() - pos)
                   ? std::optional<std::vector<std::uint32_t>>(std::vector<std::uint32_t>{})
                   : std::nullopt;
    const std::string& block = blocks[index];
    const auto blockLen = static_cast<std::uint32_t>(block.size());
    // With a pause first, tried before the plain block: both can match only
    // where the block is all zeros, and then the search backtracks.
    if (phrase >= MinimumPhraseBytes && AllZero(data, pos, phrase) &&
        data.compare(pos + phrase, blockLen, block) == 0) {
        if (auto rest = MatchPauses(data, blocks, index + 1, pos + phrase + blockLen, blockLen)) {
            rest->insert(rest->begin(), phrase);
            return rest;
        }
    }
    if (data.compare(pos, blockLen, block) == 0)
        return MatchPauses(data, blocks, index + 1, pos + blockLen, phrase + blockLen);
    return std::nullopt;
}

std::uint64_t Fnv1a(const std::string& bytes) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

// Files in memory whose destination gives up the job at its first silence,
// as a second Ctrl+C during a long pause would.
struct AbandoningFiles final : MemoryFiles {
    struct Stream final : CMemoryStream {
        using CMemoryStream::CMemoryStream;
        bool WriteZeros(std::size_t count) override {
            AbandonJob();
            return CMemoryStream::WriteZeros(count);
        }
    };
    std::unique_ptr<CByteStream> Open(const std::filesystem::path& path, bool write) override {
        return write ? std::make_unique<Stream>(&files[path]) : MemoryFiles::Open(path, false);
    }
    std::unique_ptr<CByteStream> OpenReplacing(const std::filesystem::path& path) override {
        return Open(path, true);
    }
};

} // namespace

TEST(DeclaredDataSize, FollowsTheSourceDataSizeAlone) {
    EXPECT_EQ(DeclaredDataSize(512), 4026u);
    EXPECT_EQ(DeclaredDataSize(51200), 403986u);
    EXPECT_EQ(DeclaredDataSize(100000), 789386u);
    EXPECT_EQ(DeclaredDataSize(512000), 4039986u);
    // No wrap-around below two bytes or above 2 GiB of output.
    EXPECT_EQ(DeclaredDataSize(0), 0u);
    EXPECT_EQ(DeclaredDataSize(1), 0u);
    EXPECT_EQ(DeclaredDataSize(2), 6u);
    EXPECT_EQ(DeclaredDataSize(0xFFFFFFFFu), 4040ull * 8388607 + 10 * 511 - 14);
}

struct Recording {
    const char* name;
    std::uint64_t outputHash;
};

void PrintTo(const Recording& recording, std::ostream* os) {
    *os << recording.name;
}

class ConvertRecording : public testing::TestWithParam<Recording> {};

TEST_P(ConvertRecording, OutputIsTheReferenceDecodeWithPausesFilledToTheDeclaredSize) {
    const std::filesystem::path source = std::filesystem::path(BRELLOW_TEST_DATA) / GetParam().name;
    const std::string before = ReadFileBytes(source);
    TempDir dir;
    RecordingWindow window;
    ASSERT_TRUE(ConvertFile(window, source, dir / "out.WAV"));
    EXPECT_TRUE(window.boxes.empty());
    EXPECT_EQ(ReadFileBytes(source), before);

    CADCPMObj probe;
    ASSERT_TRUE(probe.Open(source, false));
    const std::uint64_t declared = DeclaredDataSize(probe.GetDataSize());
    const std::string out = ReadFileBytes(dir / "out.WAV");
    ASSERT_EQ(out.size(), 44 + declared);
    EXPECT_EQ(HeaderU32(out, 40), declared);
    EXPECT_EQ(HeaderU32(out, 4), declared + 36);
    EXPECT_EQ(HeaderU32(out, 24), 22050u);

    const auto blocks = ReferenceBlocks(source, probe.GetSampleCount());
    ASSERT_FALSE(blocks.empty()) << "ffmpeg must be installed and decode " << source;
    const auto pauses = MatchPauses(out.substr(44), blocks);
    ASSERT_TRUE(pauses.has_value()) << "output does not follow the reference decode";
    EXPECT_FALSE(pauses->empty()) << "spoken material with gaps should get pauses";

    // Pinned once checked above, so that no later change alters a byte unnoticed.
    EXPECT_EQ(Fnv1a(out), GetParam().outputHash) << std::hex << Fnv1a(out);
}

// Without --any-format, tuned pauses go on the samples of the same reader.
TEST_P(ConvertRecording, TunedPausesFollowTheModelOnTheReadersSamples) {
    const std::filesystem::path source = std::filesystem::path(BRELLOW_TEST_DATA) / GetParam().name;
    TempDir dir;
    CFileOpener files;
    RecordingWindow window;
    const PauseSettings settings{.thresholdDb = -26, .pauseFactor = 1.25};
    ASSERT_TRUE(ConvertTuned(window, source, dir / "out.WAV", files, settings, MakeAdpcmSamples));
    // The reader's samples, which its own tests hold to FFmpeg's decoding.
    CADCPMObj probe;
    ASSERT_TRUE(probe.Open(source, false));
    const std::vector<std::int16_t> samples = DecodeAll(probe);
    PauseModel model{settings, probe.GetSampleRate()};
    EXPECT_TRUE(ReadFileBytes(dir / "out.WAV").substr(44) == model.TunedData(samples));
}

INSTANTIATE_TEST_SUITE_P(Committed, ConvertRecording,
                         testing::Values(Recording{"english.wav", 0x3bef0c468bc15e48},
                                         Recording{"german.wav", 0x4877dbb1cad4abde},
                                         Recording{"french-whole-blocks.wav", 0xaeff77b5ee8c558a},
                                         Recording{"example.wav", 0xdba0a1d4c9dd7a02}),
                         [](const auto& param) {
                             std::string name = param.param.name;
                             name = name.substr(0, name.find('.'));
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

TEST(ConvertFile, ResultsForSourcesAndDestinationsThatCannotBeUsed) {
    TempDir dir;
    WriteFileBytes(dir / "ok.wav", FlatFile({100, 100}).Bytes());
    AdpcmFile stereo = FlatFile({1});
    stereo.channels = 2;
    WriteFileBytes(dir / "stereo.wav", stereo.Bytes());
    using Kind = FileResult::Kind;
    const std::string unwritable =
        "' for writing (No such file or directory). Do you want to continue?";
    const struct {
        const char* name;
        const char *source, *destination;
        int answer;
        Kind kind;
        std::string reason, box; // the box's text after the destination's path
    } rows[] = {
        {"missing source", "missing.wav", "a.WAV", IDYES, Kind::Unopened,
         "No such file or directory", ""},
        {"refused header", "stereo.wav", "stereo.WAV", IDYES, Kind::Refused,
         "The Number of channels must be 1", ""},
        {"unreachable destination, yes", "ok.wav", "none/a.WAV", IDYES, Kind::Skipped,
         "No such file or directory", unwritable},
        {"unreachable destination, no", "ok.wav", "none/a.WAV", IDNO, Kind::Failed,
         "No such file or directory", unwritable},
        {"unreachable destination, cancel", "ok.wav", "none/a.WAV", IDCANCEL, Kind::Failed,
         "No such file or directory", unwritable},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        RecordingWindow window;
        window.answers = {row.answer};
        const FileResult result = ConvertFile(window, dir / row.source, dir / row.destination);
        EXPECT_EQ(result.kind(), row.kind);
        EXPECT_EQ(result.reason(), row.reason);
        if (row.box.empty()) {
            EXPECT_TRUE(window.boxes.empty());
        } else {
            ASSERT_EQ(window.boxes.size(), 1u);
            EXPECT_EQ(window.boxes[0].text,
                      "Cannot open file ' " + (dir / row.destination).string() + row.box);
            EXPECT_EQ(window.boxes[0].caption, "Failure");
            EXPECT_EQ(window.boxes[0].type, MB_YESNOCANCEL | MB_ICONQUESTION);
        }
        EXPECT_FALSE(std::filesystem::exists(dir / row.destination));
    }
    CBinaryFile reopened; // the refused source's exclusive hold was released
    EXPECT_TRUE(reopened.Open(dir / "stereo.wav", CBinaryFile::Mode::Read));
}

TEST(ConvertFile, DestinationThatIsTheSourceItselfIsRefusedAndTheSourceKept) {
    TempDir dir;
    const auto source = dir / "lesson.wav";
    WriteFileBytes(source, FlatFile({5000, 0, 5000}).Bytes());
    const std::string before = ReadFileBytes(source);
    RecordingWindow window;
    window.answers = {IDYES};
    EXPECT_TRUE(ConvertFile(window, source, source));
    ASSERT_EQ(window.boxes.size(), 1u);
    EXPECT_NE(window.boxes[0].text.find("' for writing (Device or resource busy). Do you want"),
              std::string::npos);
    EXPECT_EQ(ReadFileBytes(source), before);
}

TEST(ConvertFile, PumpRunsBeforeBlocksZeroHundredAndTwoHundred) {
    // Loud blocks, so no pauses: the output's size tells how many blocks went before.
    const struct {
        std::size_t blocks;
        std::vector<std::size_t> sizes; // of the output, each time the pump runs
    } rows[] = {
        {1, {44}},
        {100, {44}},
        {250, {44, 44 + 100 * BlockBytes, 44 + 200 * BlockBytes}},
    };
    for (const auto& row : rows) {
        MemoryFiles files;
        files.files["in.wav"] = FlatFile(std::vector<std::int16_t>(row.blocks, 9000)).Bytes();
        std::vector<std::size_t> sizes;
        const ScopedPump pump([&] { sizes.push_back(files.files["out.WAV"].size()); });
        RecordingWindow window;
        ASSERT_TRUE(ConvertFile(window, "in.wav", "out.WAV", files));
        EXPECT_EQ(sizes, row.sizes) << row.blocks << " blocks";
    }
}

TEST(ConvertFile, ContentAlreadyBeyondTheDeclaredSizeIsNotCut) {
    // 60 loud blocks then quiet ones, with a short last block that still
    // decodes to a full block: the pause before it pushes the content past D.
    std::vector<std::int16_t> levels(62, 12000);
    levels.resize(68, 0);
    AdpcmFile file = FlatFile(levels);
    file.payload += FlatBlock(0).substr(0, 8);
    file.sampleCount = 69 * 1012;
    TempDir dir;
    WriteFileBytes(dir / "in.wav", file.Bytes());
    RecordingWindow window;
    ASSERT_TRUE(ConvertFile(window, dir / "in.wav", dir / "out.WAV"));
    const std::uint64_t declared = DeclaredDataSize(68 * 512 + 8);
    const std::string out = ReadFileBytes(dir / "out.WAV");
    EXPECT_EQ(HeaderU32(out, 40), declared);
    EXPECT_GT(out.size(), 44 + declared);
    // All 69 blocks and the pause before the last one: nothing was cut.
    EXPECT_EQ(out.size() - 44, 69 * BlockBytes + 68 * BlockBytes);
}

TEST(ConvertFile, TinyAndOversizedSources) {
    TempDir dir;
    for (const std::uint32_t size : {0u, 1u}) {
        AdpcmFile tiny;
        tiny.payload = std::string(size, '\0');
        WriteFileBytes(dir / "tiny.wav", tiny.Bytes());
        RecordingWindow window;
        ASSERT_TRUE(ConvertFile(window, dir / "tiny.wav", dir / "tiny.WAV"));
        const std::string out = ReadFileBytes(dir / "tiny.WAV");
        // An empty data area is declared, not the wrapped size of about 4 GiB.
        EXPECT_EQ(HeaderU32(out, 40), 0u) << size;
        EXPECT_EQ(HeaderU32(out, 4), 36u) << size;
        if (size == 0) {
            EXPECT_EQ(out.size(), 44u);
        }
    }

    // A data chunk declaring more than a WAV file's output can hold.
    AdpcmFile huge = FlatFile({100});
    huge.dataSize = 600u * 1024 * 1024;
    WriteFileBytes(dir / "huge.wav", huge.Bytes());
    RecordingWindow window;
    EXPECT_FALSE(ConvertFile(window, dir / "huge.wav", dir / "huge.WAV"));
    ASSERT_EQ(window.boxes.size(), 1u);
    EXPECT_EQ(window.boxes[0].text,
              "The file '" + (dir / "huge.wav").string() + "' is too long to convert");
    EXPECT_EQ(window.boxes[0].caption, "Failure");
    EXPECT_EQ(window.boxes[0].type, MB_OK | MB_ICONERROR);
    EXPECT_FALSE(std::filesystem::exists(dir / "huge.WAV"));
}

TEST(ConvertFile, OutputKeepsTheRecordingsSampleRate) {
    TempDir dir;
    for (const auto& [rate, expected] : {std::pair{8000u, 8000u}, std::pair{0u, 22050u}}) {
        AdpcmFile file = FlatFile({100, 100});
        file.sampleRate = rate;
        WriteFileBytes(dir / "in.wav", file.Bytes());
        for (const bool tuned : {false, true}) {
            RecordingWindow window;
            CFileOpener files;
            ASSERT_TRUE(tuned ? ConvertTuned(window, dir / "in.wav", dir / "out.WAV", files, {},
                                             MakeAdpcmSamples)
                              : ConvertFile(window, dir / "in.wav", dir / "out.WAV"));
            const std::string out = ReadFileBytes(dir / "out.WAV");
            EXPECT_EQ(HeaderU32(out, 24), expected) << tuned;
            EXPECT_EQ(HeaderU32(out, 28), expected * 2) << tuned;
        }
    }
}

struct Fault {
    const char* name;
    bool inSource;       // else in the destination
    std::int64_t failAt; // bytes into the failing file
    const char* text;    // what is shown, %1 for the failing file
};

void PrintTo(const Fault& fault, std::ostream* os) {
    *os << fault.name;
}

class ConvertFault : public testing::TestWithParam<Fault> {};

// 80 loud blocks, so no pauses: the destination holds 44 + 80 x 2020 bytes
// of header and audio, then silence up to 44 + 80 x 4040 - 14.
TEST_P(ConvertFault, IsReportedEndsTheJobAndLeavesTheSourceUntouched) {
    const Fault& fault = GetParam();
    TempDir dir;
    const auto source = dir / "in.wav";
    const auto destination = dir / "out.WAV";
    WriteFileBytes(source, FlatFile(std::vector<std::int16_t>(80, 9000)).Bytes());
    const std::string before = ReadFileBytes(source);
    FaultyFiles files(fault.inSource ? source : destination, fault.failAt);
    RecordingWindow window;
    EXPECT_FALSE(SettleUnopened(window, source, ConvertFile(window, source, destination, files)));
    ASSERT_EQ(window.boxes.size(), 1u);
    const std::string path = (fault.inSource ? source : destination).string();
    EXPECT_EQ(window.boxes[0].text, FormatText(fault.text, {path}));
    EXPECT_EQ(window.boxes[0].caption, "Failure");
    EXPECT_EQ(ReadFileBytes(source), before);
    // Nothing half-made stays: not the destination, nor a temporary beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

constexpr const char* DiskFull = "Cannot write file '%1'\nDetails: No space left on device";

INSTANTIATE_TEST_SUITE_P(Streams, ConvertFault,
                         testing::Values(Fault{"SourceHeaderUnreadable", true, 100,
                                               "Cannot open file ' %1'. Do you want to continue?"},
                                         Fault{"ReadErrorMidSource", true, 90 + 40 * 512,
                                               "Cannot read file '%1'"},
                                         Fault{"DiskFullUnderTheHeader", false, 10, DiskFull},
                                         Fault{"DiskFullUnderTheAudio", false, 65536, DiskFull},
                                         Fault{"DiskFullUnderTheTrailingSilence", false,
                                               44 + 80 * 4040 - 100, DiskFull}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(ConvertTuned, AReadErrorMidSourceLeavesNoDestination) {
    TempDir dir;
    WriteFileBytes(dir / "in.wav", FlatFile(std::vector<std::int16_t>(80, 9000)).Bytes());
    FaultyFiles files(dir / "in.wav", 90 + 40 * 512);
    RecordingWindow window;
    EXPECT_FALSE(
        ConvertTuned(window, dir / "in.wav", dir / "out.WAV", files, {}, MakeAdpcmSamples));
    ASSERT_EQ(window.boxes.size(), 1u);
    EXPECT_EQ(window.boxes[0].text, "Cannot read file '" + (dir / "in.wav").string() + "'");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1); // the source
}

// The tests' own streams, held to what the tests take them for.
TEST(TestDoubles, BehaveAsTheFilesTheyStandFor) {
    static_assert(!std::is_constructible_v<CMemoryStream, std::string>, "a view of a temporary");
    MemoryFiles memory;
    for (const std::string bytes : {"the first, longer write", "second"})
        memory.Open("out.WAV", true)->Write(bytes.data(), bytes.size());
    EXPECT_EQ(memory.files["out.WAV"], "second");
    // A fault where the source ends, or past it, is never met: it converts with no box.
    TempDir dir;
    const std::string source = FlatFile({9000}).Bytes();
    WriteFileBytes(dir / "in.wav", source);
    for (const std::size_t at : {source.size(), source.size() + 1}) {
        FaultyFiles files(dir / "in.wav", static_cast<std::int64_t>(at));
        RecordingWindow window;
        EXPECT_TRUE(ConvertFile(window, dir / "in.wav", dir / "out.WAV", files) &&
                    window.boxes.empty())
            << at;
    }
}

TEST(ConvertTuned, AnOutputPastWhatAWavFileHoldsIsToldAndRemoved) {
    // Quiet samples at 100 MHz: the first pause, 30 s of silence, is 6 GB.
    struct Quiet final : CSampleSource {
        int left = 20;
        std::uint32_t SampleRate() override { return 100000000; }
        bool ReadSamples(SampleBuffer& out) override {
            out.ResizeAndClear(2020);
            out.length = 2020;
            return left-- > 0;
        }
        bool ReadFailed() override { return false; }
        std::string FailureReason() override { return {}; }
    };
    MemoryFiles files;
    files.files["in.wav"] = "";
    RecordingWindow window;
    const auto quiet = [](std::unique_ptr<CByteStream>, const std::filesystem::path&) {
        return std::unique_ptr<CSampleSource>(new Quiet);
    };
    EXPECT_FALSE(ConvertTuned(window, "in.wav", "out.WAV", files,
                              {.minPhraseSeconds = 0, .pauseExtraSeconds = 30}, quiet));
    ASSERT_EQ(window.boxes.size(), 1u);
    EXPECT_EQ(window.boxes[0].text, "The file 'in.wav' is too long to convert");
    EXPECT_EQ(window.boxes[0].caption, "Failure");
    EXPECT_EQ(files.files.count("out.WAV"), 0u);
}

// Each in a process of its own, as an abandoned job stays abandoned. 300 loud
// blocks, then quiet ones: their pause sees it between two pieces of its silence.
TEST(ConvertAbandonedDeathTest, ALongPauseThatSeesItRemovesTheOutputAndSaysNothing) {
    for (const bool tuned : {false, true}) {
        const auto convert = [tuned] {
            AbandoningFiles files;
            std::vector<std::int16_t> levels(300, 9000);
            levels.resize(320, 0);
            files.files["in.wav"] = FlatFile(levels).Bytes();
            RecordingWindow window;
            const FileResult converted =
                tuned ? ConvertTuned(window, "in.wav", "out.WAV", files, {}, MakeAdpcmSamples)
                      : ConvertFile(window, "in.wav", "out.WAV", files);
            std::_Exit(converted.GoesOn() || !window.boxes.empty() || files.files.count("out.WAV"));
        };
        EXPECT_EXIT(convert(), testing::ExitedWithCode(0), "") << (tuned ? "tuned" : "exact");
    }
}
