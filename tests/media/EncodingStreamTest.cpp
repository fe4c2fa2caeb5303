#include "audio/FileOpener.h"
#include "audio/MemoryStream.h"
#include "audio/WavBytesToSink.h"
#include "batch/PracticeConverter.h"
#include "media/EncodedConverter.h"
#include "media/plugin/EncoderSink.h"
#include "support/Envelope.h"
#include "support/Ffmpeg.h"
#include "support/PcmWav.h"
#include "support/RecordingWindow.h"
#include "support/Streams.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// The stream the exact conversion writes a compressed practice file into.
class CEncodingStream final : public CWavBytesToSink {
public:
    CEncodingStream(std::unique_ptr<CByteStream> output, OutputFormat format, int kbps,
                    const std::string& title)
        : CWavBytesToSink(std::make_unique<CEncoderSink>(std::move(output), format, kbps, title)) {}
};

const std::string Title = "Leçon 7 – « Au café »";

struct Row {
    const char* name;
    OutputFormat format;
    std::uint32_t rate;
    int kbps;                // asked for; 0 for the default
    double minKbps, maxKbps; // what the file may average, pauses included
    const char* magic;       // the file's first four bytes
};

void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

// Bursts of a voiced sound with overtones and noise at a syllable rhythm, each
// followed by a pause of exact zeros as long as itself.
std::vector<std::int16_t> Lesson(std::uint32_t rate) {
    std::vector<std::int16_t> samples;
    std::uint32_t noise = 1;
    for (const double seconds : {0.8, 1.3, 0.5, 2.0}) {
        const auto count = static_cast<std::size_t>(seconds * rate);
        for (std::size_t i = 0; i < count; ++i) {
            const double t = static_cast<double>(i) / rate;
            const double envelope = 0.3 + 0.7 * std::pow(std::sin(M_PI * 4 * t), 2);
            noise = noise * 1664525u + 1013904223u;
            const double voice = 5000 * std::sin(2 * M_PI * 180 * t) +
                                 2000 * std::sin(2 * M_PI * 540 * t) +
                                 static_cast<double>(noise >> 20) - 2048;
            samples.push_back(static_cast<std::int16_t>(envelope * voice));
        }
        samples.resize(samples.size() + count, 0);
    }
    return samples;
}

// Writes a WAV stream as a writer that does not know its length yet: sizes 0
// first, pieces of ever other sizes (zeros through WriteZeros), then the
// header again with the sizes. False at the first call that fails.
bool WriteLesson(CByteStream& out, const std::vector<std::int16_t>& samples, std::uint32_t rate) {
    const std::string wav =
        PcmWavHeader(rate, 0) +
        std::string(reinterpret_cast<const char*>(samples.data()), 2 * samples.size());
    for (std::size_t at = 0, n = 1; at < wav.size(); at += n, n = n * 7 % 4099 + 1) {
        n = std::min(n, wav.size() - at);
        const bool zeros = wav.find_first_not_of('\0', at) >= at + n;
        if (!(zeros ? out.WriteZeros(n) : out.Write(wav.data() + at, n)))
            return false;
    }
    const std::string final = PcmWavHeader(rate, static_cast<std::uint32_t>(2 * samples.size()));
    return out.Tell() == static_cast<std::int64_t>(wav.size()) && out.Seek(0) &&
           out.Write(final.data(), final.size());
}

class Encoding : public testing::TestWithParam<Row> {};

} // namespace

TEST_P(Encoding, DecodesByFfmpegToTheWavSamplesWithTheirPauses) {
    const Row& row = GetParam();
    const std::vector<std::int16_t> wav = Lesson(row.rate);
    TempDir dir;
    CEncodingStream stream(CFileOpener().Open(dir / "out", true), row.format, row.kbps, Title);
    ASSERT_TRUE(WriteLesson(stream, wav, row.rate));
    ASSERT_TRUE(stream.Close());
    EXPECT_EQ(TitleByFfprobe(dir / "out"), Title);
    const std::vector<std::int16_t> decoded = DecodeWithFfmpeg(dir / "out");
    const double seconds = static_cast<double>(wav.size()) / row.rate;
    if (row.format == OutputFormat::Flac) {
        EXPECT_TRUE(decoded == wav) << decoded.size() << " samples of " << wav.size();
        return;
    }
    const std::uint32_t decodedRate = row.format == OutputFormat::Opus ? 48000 : row.rate;
    // The gapless tags and the resampler's tail make the length exact to a sample or so,
    // well inside the 60 ms allowed.
    EXPECT_NEAR(static_cast<double>(decoded.size()) / decodedRate, seconds, 0.001);
    const double kbps =
        8.0 * static_cast<double>(std::filesystem::file_size(dir / "out")) / seconds / 1000;
    EXPECT_TRUE(kbps >= row.minKbps && kbps <= row.maxKbps) << kbps << " kbit/s";
    EXPECT_EQ(MisplacedWindows(wav, row.rate, decoded, decodedRate), 0);
}

TEST_P(Encoding, FullDiskFailsTheStream) {
    std::string sink;
    CEncodingStream stream(FailingSink(sink, 3000), GetParam().format, GetParam().kbps, Title);
    EXPECT_FALSE(
        WriteLesson(stream, Lesson(GetParam().rate), GetParam().rate)); // not only at Close
    EXPECT_FALSE(stream.Close());
    EXPECT_TRUE(stream.Failed());
}

TEST_P(Encoding, HeaderAloneGivesAFileWithoutAudio) {
    TempDir dir;
    const std::string header = PcmWavHeader(GetParam().rate, 0);
    CEncodingStream empty(CFileOpener().Open(dir / "empty", true), GetParam().format,
                          GetParam().kbps, Title);
    ASSERT_TRUE(empty.Write(header.data(), header.size()) && empty.Close());
    const std::string bytes = ReadFileBytes(dir / "empty");
    EXPECT_EQ(bytes.substr(0, 4), GetParam().magic);
    EXPECT_NE(bytes.find(Title), std::string::npos);
    // ffmpeg opens an MP3 or Opus file only with audio in it (its own empty ones neither).
    EXPECT_TRUE(GetParam().format != OutputFormat::Flac || DecodeWithFfmpeg(dir / "empty").empty());
}

INSTANTIATE_TEST_SUITE_P(
    Formats, Encoding,
    testing::Values(Row{"flac_22050", OutputFormat::Flac, 22050, 0, 0, 0, "fLaC"},
                    Row{"flac_44100", OutputFormat::Flac, 44100, 0, 0, 0, "fLaC"},
                    Row{"mp3_22050_default", OutputFormat::Mp3, 22050, 0, 62, 68, "ID3\x04"},
                    Row{"mp3_44100_128", OutputFormat::Mp3, 44100, 128, 124, 134, "ID3\x04"},
                    // Half of the lesson is pauses, which take Opus next to nothing: 24 and 40
                    // kbit/s average 14.6 and 23.7.
                    Row{"opus_22050_default", OutputFormat::Opus, 22050, 0, 17, 21, "OggS"},
                    Row{"opus_8000_64", OutputFormat::Opus, 8000, 64, 30, 68, "OggS"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(EncodingStream, TakesOnlyTheWavWritersOwnStream) {
    const std::string header = PcmWavHeader(22050, 0), sized = PcmWavHeader(22050, 4);
    const std::string stereo = header.substr(0, 22) + '\2' + header.substr(23);
    // Whether the stream works to the end, given first bytes and then what is done to it.
    const auto works = [&](OutputFormat format, const std::string& first,
                           const std::function<void(CByteStream&)>& use) {
        std::string sink;
        CEncodingStream stream(std::make_unique<CMemoryStream>(&sink), format, 0, Title);
        stream.Write(first.data(), first.size());
        use(stream);
        return stream.Close() && !stream.Failed();
    };
    EXPECT_TRUE(works(OutputFormat::Flac, header, [&](CByteStream& s) {
        s.Write("abcd", 4), s.Seek(0), s.Write(sized.data(), 44), s.Seek(48), s.WriteZeros(9);
    }));
    EXPECT_FALSE(
        works(OutputFormat::Flac, header, [](CByteStream& s) { s.Write("ab", 2), s.Seek(45); }));
    EXPECT_FALSE(works(OutputFormat::Flac, header, [&](CByteStream& s) {
        s.Write("abcd", 4), s.Seek(0), s.Write(sized.data(), 44), s.Write("ab", 2);
    }));
    EXPECT_FALSE(works(OutputFormat::Flac, header, [&](CByteStream& s) {
        s.Seek(0), s.Write(PcmWavHeader(44100, 0).data(), 44);
    }));
    EXPECT_FALSE(works(OutputFormat::Opus, header,
                       [&](CByteStream& s) { s.Seek(0), s.Write(stereo.data(), 44); }));
    const auto nothing = [](CByteStream&) {};
    EXPECT_FALSE(works(OutputFormat::Opus, stereo, nothing));
    EXPECT_FALSE(works(OutputFormat::Flac, header.substr(0, 43), nothing));
    // A header rewritten for 16 MiB changes the top bytes of both sizes.
    EXPECT_TRUE(works(OutputFormat::Flac, header, [&](CByteStream& s) {
        s.Seek(0), s.Write(PcmWavHeader(22050, 16 << 20).data(), 44);
    }));
    EXPECT_FALSE(
        works(OutputFormat::Flac, header.substr(0, 20) + '\3' + header.substr(21), nothing));
    // LAME takes 8 kHz, the rate nearest; 999 Hz is no recording's.
    EXPECT_TRUE(works(OutputFormat::Mp3, PcmWavHeader(7000, 0), nothing));
    EXPECT_TRUE(works(OutputFormat::Flac, PcmWavHeader(100001, 0), nothing)); // FLAC: 100000
    EXPECT_FALSE(works(OutputFormat::Mp3, PcmWavHeader(999, 0), nothing));
}

TEST(EncodingStream, AnEncodersRefusalIsToldInFfmpegsOwnWords) {
    std::string sink;
    CEncodingStream stream(std::make_unique<CMemoryStream>(&sink), OutputFormat::Opus, 1000, Title);
    EXPECT_FALSE(stream.Write(PcmWavHeader(22050, 0).data(), 44));
    EXPECT_TRUE(stream.FailureReason().starts_with(
        "the encoder libopus refused its settings: The bit rate 1000000 bps is unsupported"))
        << stream.FailureReason();
}

TEST(EncodingStream, ASinkThatFailsToCloseFailsTheClose) {
    struct FailingClose final : CMemoryStream {
        using CMemoryStream::CMemoryStream;
        bool Close() override { return false; }
    };
    std::string sink;
    CEncodingStream stream(std::make_unique<FailingClose>(&sink), OutputFormat::Flac, 0, Title);
    EXPECT_TRUE(stream.Write(PcmWavHeader(22050, 0).data(), 44));
    EXPECT_FALSE(stream.Close());
}

TEST(EncodedConverter, AFileThatCannotBeWrittenIsToldAndRemoved) {
    TempDir dir;
    std::filesystem::copy_file(std::filesystem::path(BRELLOW_TEST_DATA) / "english.wav",
                               dir / "lesson.wav");
    const EncoderMaker encode = [](std::unique_ptr<CByteStream> output, OutputFormat format,
                                   int kbps, const std::string& title) {
        return std::make_unique<CEncodingStream>(std::move(output), format, kbps, title);
    };
    for (const bool tuned : {false, true}) {
        SCOPED_TRACE(tuned ? "tuned" : "exact");
        JobOptions options;
        options.tuned = tuned;
        TunedMedia media;
        media.makeSink = [](std::unique_ptr<CByteStream> output, const std::string& title) {
            return std::make_unique<CEncoderSink>(std::move(output), OutputFormat::Mp3, 0, title);
        };
        CPracticeConverter converter(
            options, media,
            std::make_unique<CEncodedConverter>(std::make_unique<CFileConverter>(),
                                                OutputFormat::Mp3, 0, encode));
        FaultyFiles files(dir / "lesson.mp3", 20000); // the disk fills up
        RecordingWindow window;
        EXPECT_FALSE(converter.Convert(window, dir / "lesson.wav", dir / "lesson.mp3", files));
        ASSERT_EQ(window.boxes.size(), 1u);
        EXPECT_EQ(window.boxes[0].text, "Cannot write file '" + (dir / "lesson.mp3").string() +
                                            "'\nDetails: No space left on device");
        EXPECT_FALSE(std::filesystem::exists(dir / "lesson.mp3"));
    }
}
