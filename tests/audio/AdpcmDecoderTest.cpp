#include "audio/ADCPMObj.h"
#include "audio/AdpcmFileBuilder.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

using namespace adpcmtest;

// The records are packed: fields are read by value (unary +), never bound to a reference.

namespace {

AdpcmState StateWith(std::int32_t sample1, std::int32_t sample2, std::int16_t coef1,
                     std::int16_t coef2, std::int16_t delta, std::uint8_t nibble) {
    AdpcmState state{};
    state.sample1 = sample1;
    state.sample2 = sample2;
    state.coef1 = coef1;
    state.coef2 = coef2;
    state.delta = delta;
    state.nibble = nibble;
    return state;
}

// Opens the built file from a temporary folder that lives as long as the object.
struct OpenedFile {
    TempDir dir;
    CADCPMObj source;

    explicit OpenedFile(const AdpcmFile& file) {
        WriteFileBytes(dir / "in.wav", file.Bytes());
        if (!source.Open(dir / "in.wav", false))
            throw std::runtime_error("test file did not open");
    }
};

} // namespace

TEST(AdpcmDecodeNibble, FollowsThePublishedArithmetic) {
    CADCPMObj decoder;
    decoder.m_nSamplesLeft = 10;

    // Code 8 is -8: -8 x 16 = -128, and delta becomes 16 x 768 / 256 = 48.
    AdpcmState state = StateWith(1000, 0, 256, 0, 16, 8);
    EXPECT_EQ(decoder.DecodeNibble(state), 1000 - 128);
    EXPECT_EQ(+state.delta, 48);
    EXPECT_EQ(+state.sample1, 872);
    EXPECT_EQ(+state.sample2, 1000);
    EXPECT_EQ(decoder.m_nSamplesLeft, 9);

    // Code 0 keeps the prediction and scales delta by 230/256, never below 16.
    state = StateWith(-500, 0, 256, 0, 1000, 0);
    EXPECT_EQ(decoder.DecodeNibble(state), -500);
    EXPECT_EQ(+state.delta, 898); // 1000 x 230 / 256 = 898.4
    state.delta = 17;
    decoder.DecodeNibble(state);
    EXPECT_EQ(+state.delta, 16); // 15.3 raised to the floor
    decoder.DecodeNibble(state);
    EXPECT_EQ(+state.delta, 16);

    // The new sample uses the old delta; both coefficients and both samples count.
    state = StateWith(1000, 600, 460, -208, 40, 3);
    // (1000 x 460 - 600 x 208) / 256 = 1309.375 -> 1309; + 3 x 40
    EXPECT_EQ(decoder.DecodeNibble(state), 1309 + 120);
    EXPECT_EQ(+state.delta, 35); // 40 x 230 / 256 = 35.9
}

TEST(AdpcmDecodeNibble, PredictionTruncatesTowardZero) {
    CADCPMObj decoder;
    decoder.m_nSamplesLeft = 10;
    AdpcmState state = StateWith(-1, 0, 255, 0, 16, 0); // -255 / 256
    EXPECT_EQ(decoder.DecodeNibble(state), 0);
    state = StateWith(-3, -1, 256, 255, 16, 0); // (-768 - 255) / 256 = -3.996
    EXPECT_EQ(decoder.DecodeNibble(state), -3);
    state = StateWith(3, 1, 256, 255, 16, 0);
    EXPECT_EQ(decoder.DecodeNibble(state), 3);
}

TEST(AdpcmDecodeNibble, ClampsToTheSixteenBitRange) {
    CADCPMObj decoder;
    decoder.m_nSamplesLeft = 100;

    AdpcmState state = StateWith(32000, 0, 256, 0, 200, 7); // 32000 + 1400
    EXPECT_EQ(decoder.DecodeNibble(state), 32767);
    EXPECT_EQ(+state.sample1, 32767); // the clamped value predicts the next one

    state = StateWith(-32000, 0, 256, 0, 200, 8); // -32000 - 1600
    EXPECT_EQ(decoder.DecodeNibble(state), -32768);
    EXPECT_EQ(+state.sample1, -32768);

    // Both products at their extreme: 2 x 2^30 does not fit in 32 bits before the
    // division. Sanitizer builds fail here on any signed overflow.
    state = StateWith(-32768, -32768, -32768, -32768, 0x7FFF, 7);
    EXPECT_EQ(decoder.DecodeNibble(state), 32767);
    state = StateWith(-32768, -32768, 32767, 32767, 0x7FFF, 8);
    EXPECT_EQ(decoder.DecodeNibble(state), -32768);

    // Delta is kept to its low 16 bits: 32767 x 768 / 256 = 98301 = 0x17FFD.
    state = StateWith(0, 0, 256, 0, 32767, 8);
    decoder.DecodeNibble(state);
    EXPECT_EQ(+state.delta, 0x7FFD);
    // 20000 x 768 / 256 = 60000, which reads back negative.
    state = StateWith(0, 0, 256, 0, 20000, 8);
    decoder.DecodeNibble(state);
    EXPECT_EQ(+state.delta, static_cast<std::int16_t>(60000 - 65536));
    // A negative delta adapts to below 16, so it comes back as 16.
    decoder.DecodeNibble(state);
    EXPECT_EQ(+state.delta, 16);
}

TEST(AdpcmDecodeBlock, AFullStandardBlockGives1010Samples) {
    AdpcmFile file;
    file.sampleCount = 5000;
    // Predictor 0 (256, 0), delta 16, sample1 100: code 1 then code 0, then code -1 twice.
    file.payload = Block(0, 16, 100, 50, "\x10\xFF");
    OpenedFile opened(file);
    SampleBuffer out;
    ASSERT_TRUE(opened.source.ReadBlock(out));
    EXPECT_EQ(out.length, 2020);
    EXPECT_EQ(out.capacity, 2024u);
    EXPECT_EQ(opened.source.m_nSamplesLeft, 5000 - 1010);
    const std::vector<std::int16_t> samples = Samples(out);
    ASSERT_EQ(samples.size(), 1010u);
    // The header samples only seed the predictor.
    EXPECT_EQ(samples[0], 116); // 100 + 1 x 16; delta 16 x 230 / 256 -> 16
    EXPECT_EQ(samples[1], 116);
    EXPECT_EQ(samples[2], 100);
    EXPECT_EQ(samples[3], 84);
    EXPECT_EQ(samples[4], 84); // zero codes from here on
    EXPECT_EQ(samples[1009], 84);
}

TEST(AdpcmDecodeBlock, EachBlockUsesItsOwnPredictorFromTheFileTable) {
    AdpcmFile file;
    file.sampleCount = 4 * 1010;
    file.coefs[3] = {-256, 0}; // not a standard pair: the table is used as given
    file.payload = Block(3, 16, 1000, 0, "\x00") + Block(1, 16, 10, 5, "\x00") +
                   Block(2, 20, 700, 800, "\x70");
    OpenedFile opened(file);
    SampleBuffer out;
    ASSERT_TRUE(opened.source.ReadBlock(out));
    EXPECT_EQ(Samples(out)[0], -1000);
    EXPECT_EQ(Samples(out)[1], 1000);
    ASSERT_TRUE(opened.source.ReadBlock(out));
    EXPECT_EQ(Samples(out)[0], 15); // (10 x 512 - 5 x 256) / 256
    ASSERT_TRUE(opened.source.ReadBlock(out));
    EXPECT_EQ(Samples(out)[0], 140); // pair (0, 0): 7 x 20; no state from the block before
    EXPECT_EQ(+opened.source.m_state.coef1, 0);
}

TEST(AdpcmDecodeBlock, APredictorOfSevenOrMoreSkipsTheBlock) {
    AdpcmFile file;
    file.sampleCount = 3000;
    file.payload = Block(7, 16, 0, 0, "\x77\x77") + Block(0, 16, 0, 0) + Block(0xFF, 16, 0, 0) +
                   Block(0, 16, 0, 0);
    OpenedFile opened(file);
    SampleBuffer out(64);
    out.length = 64;
    ASSERT_TRUE(opened.source.ReadBlock(out));
    EXPECT_EQ(out.length, 0);
    EXPECT_EQ(out.capacity, 64u);
    EXPECT_EQ(opened.source.m_nSamplesLeft, 3000);
    ASSERT_TRUE(opened.source.ReadBlock(out));
    EXPECT_EQ(out.length, 2020);
    ASSERT_TRUE(opened.source.ReadBlock(out));
    EXPECT_EQ(out.length, 0);
    EXPECT_EQ(opened.source.m_nSamplesLeft, 3000 - 1010);
    ASSERT_TRUE(opened.source.ReadBlock(out));
    EXPECT_EQ(out.length, 2020);
    EXPECT_FALSE(opened.source.ReadBlock(out));
}

TEST(AdpcmDecodeBlock, TheSampleCountEndsDecodingAndCanEndAtMinusOne) {
    AdpcmFile file;
    file.sampleCount = 3; // both halves of the second byte are decoded: 4 samples
    file.payload = Block(0, 16, 0, 0, "\x11\x11\x11") + Block(0, 16, 0, 0) + Block(0, 16, 0, 0);
    OpenedFile opened(file);
    SampleBuffer out;
    ASSERT_TRUE(opened.source.ReadBlock(out));
    EXPECT_EQ(out.length, 8);
    EXPECT_EQ(opened.source.m_nSamplesLeft, -1);
    // Past zero the rest of the data still reads, as empty blocks.
    ASSERT_TRUE(opened.source.ReadBlock(out));
    EXPECT_EQ(out.length, 0);
    ASSERT_TRUE(opened.source.ReadBlock(out));
    EXPECT_EQ(out.length, 0);
    EXPECT_EQ(opened.source.m_nSamplesLeft, -1);
    EXPECT_FALSE(opened.source.ReadBlock(out));
}

TEST(AdpcmDecodeBlock, ACountOfExactlyZeroEndsTheSource) {
    AdpcmFile file;
    file.sampleCount = 1010 + 6;
    file.payload = Block(0, 16, 0, 0) + Block(0, 16, 0, 0) + Block(0, 16, 0, 0);
    OpenedFile opened(file);
    SampleBuffer out;
    ASSERT_TRUE(opened.source.ReadBlock(out));
    EXPECT_EQ(out.length, 2020);
    ASSERT_TRUE(opened.source.ReadBlock(out));
    EXPECT_EQ(out.length, 12);
    EXPECT_EQ(opened.source.m_nSamplesLeft, 0);
    EXPECT_FALSE(opened.source.ReadBlock(out)); // one more block in the data, not read as audio
    EXPECT_EQ(opened.source.m_nSamplesLeft, 0);
}

TEST(AdpcmDecodeBlock, AShortLastBlockDecodesItsZeroPaddingUpToTheCount) {
    AdpcmFile file;
    file.sampleCount = 1010 + 400;
    file.payload = Block(0, 16, 0, 0) + Block(0, 16, 3000, 3000, "\x77").substr(0, 100);
    OpenedFile opened(file);
    SampleBuffer out;
    ASSERT_TRUE(opened.source.ReadBlock(out));
    ASSERT_TRUE(opened.source.ReadBlock(out));
    // 100 bytes read; 400 samples decoded, the codes past byte 100 as zeros.
    ASSERT_EQ(out.length, 800);
    const std::vector<std::int16_t> samples = Samples(out);
    EXPECT_EQ(samples[0], 3112); // 3000 + 7 x 16
    EXPECT_EQ(samples[1], 3378); // delta 16 x 614 / 256 = 38: 3112 + 7 x 38
    EXPECT_EQ(samples[2], 3378); // the zeros beyond the bytes read are code 0
    EXPECT_EQ(samples[399], 3378);
    EXPECT_FALSE(opened.source.ReadBlock(out));
}

TEST(AdpcmSource, ReadingStopsAtTheEndOfTheDataChunk) {
    AdpcmFile file;
    file.sampleCount = 100000;
    file.payload = Block(0, 16, 0, 0) + Block(0, 16, 0, 0);
    // A trailing chunk that would decode as two more blocks.
    file.after = "LIST" + U32(1016) + std::string(1016, '\x01');
    OpenedFile opened(file);
    SampleBuffer out;
    EXPECT_TRUE(opened.source.ReadBlock(out));
    EXPECT_TRUE(opened.source.ReadBlock(out));
    EXPECT_EQ(opened.source.m_dwBytesRead, 1024u);
    EXPECT_FALSE(opened.source.ReadBlock(out));
    EXPECT_FALSE(opened.source.ReadBlock(out));
    EXPECT_EQ(opened.source.m_dwBytesRead, 1024u);

    // A data size that ends inside a block counts only those bytes.
    file.dataSize = 700;
    file.riffSize = 4 + 70 + 8 + 700;
    OpenedFile partial(file);
    EXPECT_TRUE(partial.source.ReadBlock(out));
    EXPECT_TRUE(partial.source.ReadBlock(out));
    EXPECT_EQ(partial.source.m_dwBytesRead, 700u);
    EXPECT_FALSE(partial.source.ReadBlock(out));
}

TEST(AdpcmSource, ExtremeCoefficientsInTheFileDoNotOverflow) {
    AdpcmFile file;
    file.sampleCount = 2020;
    file.coefs[0] = {-32768, -32768};
    file.payload = Block(0, 0x7FFF, -32768, -32768, std::string(505, '\x78')) +
                   Block(0, -32768, 32767, -32768, std::string(505, '\x87'));
    OpenedFile opened(file);
    SampleBuffer out;
    ASSERT_TRUE(opened.source.ReadBlock(out));
    std::vector<std::int16_t> samples = Samples(out);
    ASSERT_EQ(samples.size(), 1010u);
    EXPECT_EQ(samples[0], 32767); // 2^31 / 256 + 7 x 32767
    // Delta 32767 x 614 / 256 = 78589 keeps its low 16 bits, 13053; then
    // (32767 x -32768 + -32768 x -32768) / 256 = 128, and 128 - 8 x 13053 clamps.
    EXPECT_EQ(samples[1], -32768);
    ASSERT_TRUE(opened.source.ReadBlock(out));
    EXPECT_EQ(Samples(out).size(), 1010u);
}

namespace {

struct Decoded {
    std::vector<std::vector<std::int16_t>> blocks;
    std::int32_t samplesLeft;
    std::uint32_t bytesRead;
    AdpcmState state;
};

Decoded OneByOne(const std::filesystem::path& file) {
    CADCPMObj source;
    EXPECT_TRUE(source.Open(file, false));
    Decoded d;
    SampleBuffer out;
    while (source.ReadBlock(out))
        d.blocks.push_back(Samples(out));
    d.samplesLeft = source.m_nSamplesLeft;
    d.bytesRead = source.m_dwBytesRead;
    d.state = source.m_state;
    return d;
}

Decoded SideBySide(const std::filesystem::path& file, int batch) {
    CADCPMObj source;
    EXPECT_TRUE(source.Open(file, false));
    Decoded d;
    std::vector<SampleBuffer> outs(static_cast<std::size_t>(batch));
    for (int got = batch; got == batch;) {
        got = source.ReadBlocks(outs.data(), batch);
        for (int i = 0; i < got; ++i)
            d.blocks.push_back(Samples(outs[static_cast<std::size_t>(i)]));
    }
    d.samplesLeft = source.m_nSamplesLeft;
    d.bytesRead = source.m_dwBytesRead;
    d.state = source.m_state;
    return d;
}

} // namespace

TEST(AdpcmDecoder, BlocksDecodedSideBySideEqualBlocksDecodedOneByOne) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(BRELLOW_TEST_DATA))
        if (entry.path().extension() == ".wav")
            files.push_back(entry.path());
    // Skipped blocks among decoded ones, a count ending mid-block at -1 and a short last block.
    TempDir dir;
    AdpcmFile mixed;
    for (int i = 0; i < 11; ++i)
        mixed.payload += Block(static_cast<std::uint8_t>(i % 3 == 2 ? 7 : i % 7),
                               static_cast<std::int16_t>(20 + 300 * i), 1000, -1000,
                               std::string(505, static_cast<char>(0x1F * i + 3)));
    mixed.payload += Block(1, 100, 5, 6, "\x77\x88").substr(0, 200);
    mixed.sampleCount = 5 * 1010 + 333;
    WriteFileBytes(dir / "mixed.wav", mixed.Bytes());
    files.push_back(dir / "mixed.wav");
    // Extreme coefficients and samples, where a 32-bit sum of products would wrap.
    AdpcmFile extreme;
    extreme.coefs = {{-32768, -32768}, {32767, 32767}, {-32768, 32767}, {256, 0},
                     {0, -32768},      {512, -256},    {1, 1}};
    for (int i = 0; i < 9; ++i)
        extreme.payload +=
            Block(static_cast<std::uint8_t>(i < 4 ? i + 1 : i % 7),
                  static_cast<std::int16_t>(-32768 + 5000 * i), -32768, i % 2 ? 32767 : -32768,
                  std::string(505, static_cast<char>(0x97 + 13 * i)));
    extreme.sampleCount = 9 * 1010;
    WriteFileBytes(dir / "extreme.wav", extreme.Bytes());
    files.push_back(dir / "extreme.wav");
    ASSERT_GE(files.size(), 6u);

    for (const auto& file : files) {
        const Decoded expected = OneByOne(file);
        for (const int batch : {1, 2, 3, 4}) {
            const Decoded got = SideBySide(file, batch);
            ASSERT_EQ(got.blocks, expected.blocks) << file << " in batches of " << batch;
            EXPECT_EQ(got.samplesLeft, expected.samplesLeft) << file;
            EXPECT_EQ(got.bytesRead, expected.bytesRead) << file;
            EXPECT_EQ(std::memcmp(&got.state, &expected.state, sizeof got.state), 0) << file;
        }
    }
}
