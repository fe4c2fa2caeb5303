#include "media/plugin/EncoderSink.h"
#include "audio/FileOpener.h"
#include "audio/MemoryStream.h"
#include "batch/PracticeConverter.h"
#include "support/Envelope.h"
#include "support/Ffmpeg.h"
#include "support/RecordingWindow.h"
#include "support/Streams.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

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

// Writes the samples in pieces of ever other sizes, runs of zeros as
// silence, as a practice file's pauses are written. False at the first failure.
bool WriteLesson(CSampleSink& sink, const std::vector<std::int16_t>& samples, std::uint32_t rate) {
    if (!sink.Begin(rate))
        return false;
    for (std::size_t at = 0, n = 1; at < samples.size(); at += n, n = n * 7 % 2049 + 1) {
        n = std::min(n, samples.size() - at);
        const bool zeros = std::all_of(samples.begin() + at, samples.begin() + at + n,
                                       [](std::int16_t x) { return x == 0; });
        if (!(zeros ? sink.WriteSilence(n)
                    : sink.Write(reinterpret_cast<const std::uint8_t*>(samples.data() + at), n)))
            return false;
    }
    return true;
}

CEncoderSink Sink(std::unique_ptr<CByteStream> output, const Row& row) {
    return CEncoderSink(std::move(output), row.format, row.kbps, Title);
}

class Encoding : public testing::TestWithParam<Row> {};

} // namespace

TEST_P(Encoding, DecodesByFfmpegToTheSamplesWithTheirPauses) {
    const Row& row = GetParam();
    const std::vector<std::int16_t> wav = Lesson(row.rate);
    TempDir dir;
    CEncoderSink sink = Sink(CFileOpener().Open(dir / "out", true), row);
    ASSERT_TRUE(WriteLesson(sink, wav, row.rate));
    ASSERT_TRUE(sink.Finish());
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

TEST_P(Encoding, FullDiskFailsTheSink) {
    std::string bytes;
    CEncoderSink sink = Sink(FailingSink(bytes, 3000), GetParam());
    EXPECT_FALSE(WriteLesson(sink, Lesson(GetParam().rate), GetParam().rate)); // not only at Finish
    EXPECT_FALSE(sink.Finish());
}

TEST_P(Encoding, NoSamplesGiveAFileWithoutAudio) {
    TempDir dir;
    CEncoderSink empty = Sink(CFileOpener().Open(dir / "empty", true), GetParam());
    ASSERT_TRUE(empty.Begin(GetParam().rate) && empty.Finish());
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

TEST(EncoderSink, BeginsAndFinishesAsItsEncoderAndStreamAllow) {
    struct FailingClose final : CMemoryStream {
        using CMemoryStream::CMemoryStream;
        bool Close() override { return false; }
    };
    struct RateRow {
        const char* name;
        OutputFormat format;
        std::uint32_t rate;
        bool closes, taken;
        const char* reason; // the sink's, after Finish: the encoder's words kept
    };
    // LAME takes 8 kHz, the rate nearest; FLAC up to 100000; 999 Hz is no recording's.
    for (const RateRow& row :
         {RateRow{"mp3_7000", OutputFormat::Mp3, 7000, true, true, ""},
          RateRow{"flac_100001", OutputFormat::Flac, 100001, true, true, ""},
          RateRow{"mp3_999", OutputFormat::Mp3, 999, true, false,
                  "the recording's sample rate of 999 Hz is outside the 1 kHz to 768 kHz that can "
                  "be converted"},
          RateRow{"close_fails", OutputFormat::Flac, 22050, false, false, ""}}) {
        std::string bytes;
        CEncoderSink sink(row.closes ? std::make_unique<CMemoryStream>(&bytes)
                                     : std::make_unique<FailingClose>(&bytes),
                          row.format, 0, Title);
        const bool begun = sink.Begin(row.rate);
        EXPECT_EQ(sink.Finish() && begun, row.taken) << row.name; // Finish after a failure too
        EXPECT_EQ(sink.FailureReason(), row.reason) << row.name;
    }
}

// Both conversions of a compressed practice file, into the encoder's sinks.
struct EncodedRow {
    const char* name;
    bool tuned;
    int kbps;
    std::int64_t failAt; // where the disk fills up; -1 never
    const char* details; // after "Details: ", once
};

TEST(EncodedPracticeFile, AFailureIsToldOnceWithItsReasonAndTheFileRemoved) {
    TempDir dir;
    std::filesystem::copy_file(std::filesystem::path(BRELLOW_TEST_DATA) / "english.wav",
                               dir / "lesson.wav");
    const char* refused = "the encoder libopus refused its settings: The bit rate 1000000 bps";
    for (const EncodedRow& row :
         {EncodedRow{"exact_disk_full", false, 0, 20000, "No space left on device"},
          EncodedRow{"tuned_disk_full", true, 0, 20000, "No space left on device"},
          EncodedRow{"exact_refused", false, 1000, -1, refused},
          EncodedRow{"tuned_refused", true, 1000, -1, refused}}) {
        SCOPED_TRACE(row.name);
        const OutputFormat format = row.kbps ? OutputFormat::Opus : OutputFormat::Mp3;
        const SinkMaker encode = [&](std::unique_ptr<CByteStream> output,
                                     const std::string& title) {
            return std::make_unique<CEncoderSink>(std::move(output), format, row.kbps, title);
        };
        JobOptions options;
        options.tuned = row.tuned;
        TunedMedia media;
        media.makeSink = encode;
        CPracticeConverter converter(options, media, std::make_unique<CFileConverter>(encode));
        FaultyFiles files(dir / "lesson.out", row.failAt < 0 ? 1 << 30 : row.failAt);
        RecordingWindow window;
        EXPECT_FALSE(converter.Convert(window, dir / "lesson.wav", dir / "lesson.out", files));
        ASSERT_EQ(window.boxes.size(), 1u);
        const std::string told =
            "Cannot write file '" + (dir / "lesson.out").string() + "'\nDetails: " + row.details;
        EXPECT_TRUE(window.boxes[0].text.starts_with(told)) << window.boxes[0].text;
        EXPECT_EQ(window.boxes[0].text.find("Details", told.size()), std::string::npos);
        EXPECT_FALSE(std::filesystem::exists(dir / "lesson.out"));
    }
}
