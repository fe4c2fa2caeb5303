#include "audio/AdpcmFileBuilder.h"
#include "audio/WAVException.h"
#include "audio/WAVObj.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using adpcmtest::U16;
using adpcmtest::U32;

namespace {

// A PCM header with every field open to change, for the refusal tests.
struct PcmFile {
    std::string riff = "RIFF", wave = "WAVE", fmt = "fmt ", data = "data";
    std::uint32_t riffSize = 0; // 0: computed
    std::uint32_t fmtSize = 16;
    std::uint16_t formatTag = 1, channels = 1, blockAlign = 2, bits = 16;
    std::uint32_t rate = 22050;
    std::string between;                 // bytes between the fmt and data chunks
    std::string payload;                 // the data chunk's bytes
    std::string after;                   // bytes after the data chunk
    std::uint32_t dataSize = 0xFFFFFFFF; // default: payload size

    std::string Bytes() const {
        const std::uint32_t size =
            dataSize == 0xFFFFFFFF ? static_cast<std::uint32_t>(payload.size()) : dataSize;
        std::string fmtBody = U16(formatTag) + U16(channels) + U32(rate) + U32(rate * 2) +
                              U16(blockAlign) + U16(bits);
        std::string rest =
            wave + fmt + U32(fmtSize) + fmtBody + between + data + U32(size) + payload + after;
        const std::uint32_t riffLen =
            riffSize ? riffSize : static_cast<std::uint32_t>(4 + 24 + between.size() + 8 + size);
        return riff + U32(riffLen) + rest;
    }
};

std::string OpenError(const std::string& bytes) {
    TempDir dir;
    WriteFileBytes(dir / "in.wav", bytes);
    CWAVObj wav;
    try {
        wav.Open(dir / "in.wav", false);
    } catch (const CWAVException& e) {
        return e.m_message;
    }
    return "";
}

} // namespace

TEST(PcmHeader, InitAndWriteProduceTheCanonicalBytes) {
    TempDir dir;
    {
        CWAVObj out;
        ASSERT_TRUE(out.Open(dir / "out.wav", true));
        out.InitPcmHeader(4026);
        EXPECT_EQ(out.GetHeaderSize(), 44);
        ASSERT_TRUE(out.WriteHeader());
        ASSERT_TRUE(out.Close());
    }
    const std::string expected = std::string("RIFF") + U32(36 + 4026) + "WAVEfmt " + U32(16) +
                                 U16(1) + U16(1) + U32(22050) + U32(44100) + U16(2) + U16(16) +
                                 "data" + U32(4026);
    EXPECT_EQ(ReadFileBytes(dir / "out.wav"), expected);

    CWAVObj empty;
    ASSERT_TRUE(empty.Open(dir / "empty.wav", true));
    empty.InitPcmHeader(0);
    EXPECT_EQ(empty.m_header.format.riffSize, 36u);
    ASSERT_TRUE(empty.WriteHeader());
    ASSERT_TRUE(empty.Close());
    EXPECT_EQ(ReadFileBytes(dir / "empty.wav").size(), 44u);
}

TEST(PcmHeader, RefusalsReportTheFirstRuleBroken) {
    PcmFile good;
    good.payload = std::string(8, '\1');
    EXPECT_EQ(OpenError(good.Bytes()), "");

    EXPECT_EQ(OpenError(""), "The RIFF chunk is missing");
    EXPECT_EQ(OpenError("RIFF"), "The WAVE chunk is missing");
    // Cut inside the format chunk: the zeros beyond the end fail the tag check.
    EXPECT_EQ(OpenError(good.Bytes().substr(0, 20)), "The WAV format must be PCM");

    auto broken = [&](auto change) {
        PcmFile f = good;
        change(f);
        return OpenError(f.Bytes());
    };
    EXPECT_EQ(broken([](PcmFile& f) { f.riff = "RIFX"; }), "The RIFF chunk is missing");
    EXPECT_EQ(broken([](PcmFile& f) { f.wave = "AVI "; }), "The WAVE chunk is missing");
    EXPECT_EQ(broken([](PcmFile& f) { f.fmt = "junk"; }), "The fmt chunk is missing");
    EXPECT_EQ(broken([](PcmFile& f) { f.formatTag = 2; }), "The WAV format must be PCM");
    EXPECT_EQ(broken([](PcmFile& f) { f.blockAlign = 4; }), "The Block align must be 2");
    EXPECT_EQ(broken([](PcmFile& f) { f.channels = 2; }), "The Number of channels must be 1");
    EXPECT_EQ(broken([](PcmFile& f) { f.data = "DATA"; }), "The Data chunk is missing");
    // A list chunk between format and data is not searched past.
    EXPECT_EQ(broken([](PcmFile& f) { f.between = "LIST" + U32(4) + "INFO"; }),
              "The Data chunk is missing");

    // Several rules broken: the earliest check wins.
    EXPECT_EQ(broken([](PcmFile& f) {
                  f.formatTag = 3;
                  f.blockAlign = 4;
                  f.channels = 2;
              }),
              "The WAV format must be PCM");
    EXPECT_EQ(broken([](PcmFile& f) {
                  f.blockAlign = 4;
                  f.channels = 2;
                  f.data = "xxxx";
              }),
              "The Block align must be 2");
    EXPECT_EQ(broken([](PcmFile& f) {
                  f.channels = 0;
                  f.data = "xxxx";
              }),
              "The Number of channels must be 1");
}

TEST(PcmHeader, ChunkSizesThatLeadOutsideTheHeaderBufferReportTheChunkMissing) {
    PcmFile f;
    f.payload = "abcd";
    for (std::uint32_t size : {1000u, 1004u, 1005u, 0x7FFFFFFFu, 0xFFFFFFF0u, 0xFFFFFFFFu}) {
        f.fmtSize = size;
        EXPECT_EQ(OpenError(f.Bytes()), "The Data chunk is missing") << size;
    }
    // An odd format size is stepped over without a pad byte.
    f.fmtSize = 17;
    f.between.assign(1, 'X'); // assign(): GCC 12 -O3 warns falsely on = "X"
    EXPECT_EQ(OpenError(f.Bytes()), "");
}

TEST(PcmFile, ReadingStopsAtTheEndOfTheDataChunk) {
    TempDir dir;
    PcmFile f;
    f.payload = std::string(5, 'a') + std::string(3, 'b');
    f.after = "LIST" + U32(64) + std::string(64, 'z'); // a trailing chunk
    f.riffSize = static_cast<std::uint32_t>(4 + 24 + 8 + f.payload.size());
    WriteFileBytes(dir / "in.wav", f.Bytes());

    CWAVObj in;
    ASSERT_TRUE(in.Open(dir / "in.wav", false));
    EXPECT_EQ(in.GetHeaderSize(), 44);
    EXPECT_EQ(in.GetSampleCount(), 4u);
    EXPECT_EQ(in.m_nSamplesLeft, 4);
    SampleBuffer out(16);
    // A PCM file reads its block but is not decoded.
    EXPECT_FALSE(in.ReadBlock(out));
    EXPECT_EQ(in.m_dwBytesRead, 2u);
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(in.ReadBlock(out));
    EXPECT_EQ(in.m_dwBytesRead, 8u); // exactly the data chunk, none of the LIST chunk
    EXPECT_FALSE(in.ReadBlock(out));
    EXPECT_EQ(in.m_dwBytesRead, 8u);
}

TEST(PcmFile, OddDataSizeSetsThePadAndTheHeaderSizeFollowsTheRiffSize) {
    PcmFile f;
    f.payload = "abc";
    f.after = std::string(1, '\0');
    f.riffSize = 4 + 24 + 8 + 3 + 1;
    TempDir dir;
    WriteFileBytes(dir / "in.wav", f.Bytes());
    {
        CWAVObj in;
        ASSERT_TRUE(in.Open(dir / "in.wav", false));
        EXPECT_EQ(in.m_dwDataPad, 1u);
        EXPECT_EQ(in.GetHeaderSize(), 44);
    }

    // A RIFF size that also counts a later chunk moves the start past the first audio byte.
    f.riffSize += 16;
    WriteFileBytes(dir / "in.wav", f.Bytes());
    {
        CWAVObj later;
        ASSERT_TRUE(later.Open(dir / "in.wav", false));
        EXPECT_EQ(later.GetHeaderSize(), 60);
    }

    // A RIFF size too small for its data: a header size below 1 is a failed open.
    f.riffSize = 2;
    f.dataSize = 1000;
    WriteFileBytes(dir / "in.wav", f.Bytes());
    CWAVObj small;
    EXPECT_FALSE(small.Open(dir / "in.wav", false));
}

TEST(PcmFile, SecondsToBytesRoundsDownToGroupsOfEightSamples) {
    CWAVObj out;
    out.InitPcmHeader(0);
    EXPECT_EQ(out.SecondsToBytes(0.3), 13216u);
    EXPECT_EQ(out.SecondsToBytes(2.3), 101424u);
    EXPECT_EQ(out.SecondsToBytes(0.0), 0u);
    out.SetSampleRate(8000);
    EXPECT_EQ(out.m_header.format.byteRate, 16000u);
    EXPECT_EQ(out.SecondsToBytes(0.3), 4800u); // 2400 samples, 300 groups

    // Zero divisors give 0 instead of a fault.
    CWAVObj zero;
    EXPECT_EQ(zero.GetSampleCount(), 0u);
}

TEST(PcmFile, WriteSilenceWritesPiecesAndCountsThemAsWrittenOnly) {
    TempDir dir;
    CWAVObj out;
    ASSERT_TRUE(out.Open(dir / "out.wav", true));
    ASSERT_TRUE(out.WriteSilenceBytes(1000));
    EXPECT_EQ(out.m_dwBytesWritten, 1000u);
    EXPECT_EQ(out.m_dwPhraseBytes, 0u);
    ASSERT_TRUE(out.WriteSilenceBytes(0));
    ASSERT_TRUE(out.WriteSilenceBytes(-5));

    SampleBuffer audio(6);
    audio.SetLength(6);
    audio.data[0] = 7;
    ASSERT_TRUE(out.Write(audio, true));
    ASSERT_TRUE(out.Write(audio, false));
    EXPECT_EQ(out.m_dwPhraseBytes, 6u);
    EXPECT_EQ(out.m_dwBytesWritten, 1012u);
    ASSERT_TRUE(out.Close());
    const std::string bytes = ReadFileBytes(dir / "out.wav");
    ASSERT_EQ(bytes.size(), 1012u);
    EXPECT_EQ(bytes.find_first_not_of('\0'), 1000u);

    // Nothing open: writes fail and change no counter.
    CWAVObj closed;
    EXPECT_FALSE(closed.Write(audio, true));
    EXPECT_FALSE(closed.WriteSilenceBytes(10));
    EXPECT_EQ(closed.m_dwBytesWritten, 0u);
    EXPECT_EQ(closed.m_dwPhraseBytes, 0u);
}
