#include "audio/ADCPMObj.h"
#include "audio/AdpcmFileBuilder.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

using namespace adpcmtest;

// The records are packed: fields are read by value (unary +), never bound to a reference.

namespace {

AdpcmFile OneBlockFile() {
    AdpcmFile file;
    file.payload = Block(0, 16, 0, 0, "\x12\x34\x56\x78");
    return file;
}

// A canonical 16-bit PCM file: what a user might pick by mistake.
std::string PcmFileBytes() {
    const std::string samples(200, '\x11');
    return "RIFF" + U32(36 + 200) + "WAVE" + "fmt " + U32(16) + U16(1) + U16(1) + U32(22050) +
           U32(44100) + U16(2) + U16(16) + "data" + U32(200) + samples;
}

} // namespace

TEST(AdpcmHeader, TheUsualLayoutIsAcceptedAndCopiedIntoTheRecord) {
    TempDir dir;
    AdpcmFile file = OneBlockFile();
    file.sampleCount = 777;
    WriteFileBytes(dir / "in.wav", file.Bytes());

    CADCPMObj source;
    ASSERT_TRUE(source.Open(dir / "in.wav", false));
    EXPECT_EQ(source.GetHeaderSize(), 90);
    EXPECT_EQ(source.GetBlockAlign(), 512u);
    EXPECT_EQ(source.GetDataSize(), 512u);
    EXPECT_EQ(source.GetSampleCount(), 777u);
    EXPECT_EQ(source.GetSampleRate(), 22050u);
    EXPECT_EQ(source.GetBitsPerSample(), 4u);
    EXPECT_EQ(source.m_nSamplesLeft, 777);
    EXPECT_EQ(+source.m_adpcmHeader.samplesPerBlock, 1012);
    EXPECT_EQ(+source.m_adpcmHeader.coefs[5].coef1, 460);
    EXPECT_EQ(+source.m_adpcmHeader.coefs[5].coef2, -208);
    // The base class's PCM record stays untouched in an ADPCM object.
    EXPECT_EQ(source.m_header.format.riffSize, 0u);
}

TEST(AdpcmHeader, RefusalsReportTheFirstRuleBroken) {
    struct Case {
        const char* name;
        std::string bytes;
        const char* expected;
    };
    const auto with = [](auto change) {
        AdpcmFile file = OneBlockFile();
        change(file);
        return file.Bytes();
    };
    const Case cases[] = {
        {"empty file", "", "The RIFF chunk is missing"},
        {"RIFX", with([](AdpcmFile& f) { f.riffId = "RIFX"; }), "The RIFF chunk is missing"},
        {"not WAVE", with([](AdpcmFile& f) { f.waveId = "AVI "; }), "The WAVE chunk is missing"},
        {"no fmt", with([](AdpcmFile& f) { f.fmtId = "LIST"; }), "The fmt chunk is missing"},
        {"PCM file", PcmFileBytes(), "The WAV format must be ADPCM"},
        {"IMA ADPCM", with([](AdpcmFile& f) { f.formatTag = 0x11; }),
         "The WAV format must be ADPCM"},
        {"PCM tag wins over everything else", with([](AdpcmFile& f) {
             f.formatTag = 1;
             f.coefCount = 8;
             f.blockAlign = 1024;
             f.channels = 2;
         }),
         "The WAV format must be ADPCM"},
        {"8 coefficients", with([](AdpcmFile& f) {
             f.coefCount = 8;
             f.fmtSize = 54;
             f.coefs.push_back({100, 100});
         }),
         "The Coef must equal to 7"},
        {"8 coefficients and block align 1024", with([](AdpcmFile& f) {
             f.coefCount = 8;
             f.fmtSize = 54;
             f.coefs.push_back({100, 100});
             f.blockAlign = 1024;
             f.samplesPerBlock = 2036;
         }),
         "The Coef must equal to 7"},
        {"8 coefficients and stereo", with([](AdpcmFile& f) {
             f.coefCount = 8;
             f.channels = 2;
         }),
         "The Coef must equal to 7"},
        {"block align 256", with([](AdpcmFile& f) { f.blockAlign = 256; }),
         "The Block align must be 512"},
        {"stereo at 512", with([](AdpcmFile& f) {
             f.channels = 2;
             f.samplesPerBlock = 500;
         }),
         "The Number of channels must be 1"},
        {"stereo at 1024", with([](AdpcmFile& f) {
             f.channels = 2;
             f.blockAlign = 1024;
         }),
         "The Block align must be 512"},
        {"no channels", with([](AdpcmFile& f) { f.channels = 0; }),
         "The Number of channels must be 1"},
        {"fmt followed directly by data", with([](AdpcmFile& f) { f.withFact = false; }),
         "The Fact chunk is missing"},
        {"LIST between fmt and fact",
         with([](AdpcmFile& f) { f.fmtTail = "LIST" + U32(4) + "INFO"; }),
         "The Fact chunk is missing"},
        {"LIST between fact and data",
         with([](AdpcmFile& f) { f.factTail = "LIST" + U32(4) + "INFO"; }),
         "The Data chunk is missing"},
        {"no data", with([](AdpcmFile& f) { f.dataId = "dat "; }), "The Data chunk is missing"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AdpcmOpenError(c.bytes), c.expected) << c.name;
}

TEST(AdpcmHeader, AFileCutShortReadsAsZerosAndFailsTheFirstCheckTheZerosBreak) {
    const std::string whole = OneBlockFile().Bytes();
    struct Case {
        std::size_t length;
        const char* expected;
    };
    const Case cases[] = {
        {3, "The RIFF chunk is missing"},     {10, "The WAVE chunk is missing"},
        {14, "The fmt chunk is missing"},     // inside the fmt id
        {20, "The WAV format must be ADPCM"}, // id and size only
        {30, "The Coef must equal to 7"},     // format fields half there
        {40, "The Coef must equal to 7"},     // all but the coefficient count
        {41, "The Fact chunk is missing"},    // its low byte, 7, is enough
        {42, "The Fact chunk is missing"},    // fmt fields complete, the table cut off
        {70, "The Fact chunk is missing"},    // exactly the fmt chunk
        {80, "The Data chunk is missing"},    // inside the fact chunk: its id is there
        {85, "The Data chunk is missing"},    // inside the data id
    };
    for (const Case& c : cases)
        EXPECT_EQ(AdpcmOpenError(whole.substr(0, c.length)), c.expected) << c.length;
}

TEST(AdpcmHeader, FmtChunkSizesAreSteppedOverWithoutAPadByte) {
    // Size 52: two extra bytes after the table; the fact chunk sits 60 bytes after "fmt ".
    AdpcmFile wide = OneBlockFile();
    wide.fmtSize = 52;
    wide.fmtTail = "\xAB\xCD";
    wide.sampleCount = 555;
    const std::string bytes = wide.Bytes();
    ASSERT_EQ(bytes.substr(12 + 60, 4), "fact");
    EXPECT_EQ(AdpcmOpenError(bytes), "");

    TempDir dir;
    WriteFileBytes(dir / "wide.wav", bytes);
    AdpcmFile usualFile = OneBlockFile();
    usualFile.sampleCount = 555;
    WriteFileBytes(dir / "usual.wav", usualFile.Bytes());
    CADCPMObj source, usual;
    ASSERT_TRUE(source.Open(dir / "wide.wav", false));
    ASSERT_TRUE(usual.Open(dir / "usual.wav", false));
    EXPECT_EQ(source.GetSampleCount(), 555u);
    EXPECT_EQ(source.GetHeaderSize(), 92);
    // Positioned at the first block: it decodes as in the usual layout.
    SampleBuffer a, b;
    ASSERT_TRUE(source.ReadBlock(a));
    ASSERT_TRUE(usual.ReadBlock(b));
    EXPECT_EQ(Samples(a), Samples(b));

    // An odd size gets no pad byte: the next chunk starts right after the odd body.
    AdpcmFile odd = OneBlockFile();
    odd.fmtSize = 51;
    odd.fmtTail = "\x01";
    EXPECT_EQ(AdpcmOpenError(odd.Bytes()), "");
    odd.fmtTail = std::string("\x01\x00", 2); // a writer that padded it
    EXPECT_EQ(AdpcmOpenError(odd.Bytes()), "The Fact chunk is missing");

    // A chunk without its table: the 58 bytes are copied all the same, and the walk
    // steps by the declared size.
    AdpcmFile narrow = OneBlockFile();
    narrow.fmtSize = 22;
    narrow.coefs.clear();
    narrow.sampleCount = 321;
    const std::string narrowBytes = narrow.Bytes();
    ASSERT_EQ(narrowBytes.substr(12 + 30, 4), "fact");
    WriteFileBytes(dir / "narrow.wav", narrowBytes);
    CADCPMObj tableless;
    ASSERT_TRUE(tableless.Open(dir / "narrow.wav", false));
    EXPECT_EQ(tableless.GetSampleCount(), 321u);
    EXPECT_EQ(tableless.GetHeaderSize(), 62);
}

TEST(AdpcmHeader, ChunkSizesLeadingOutsideTheHeaderBufferReportTheChunkMissing) {
    const auto withFmtSize = [](std::uint32_t size, std::string tail = {}) {
        AdpcmFile file = OneBlockFile();
        file.fmtSize = size;
        file.fmtTail = std::move(tail);
        return file.Bytes();
    };
    EXPECT_EQ(AdpcmOpenError(withFmtSize(0xFFFFFFFF)), "The Fact chunk is missing");
    EXPECT_EQ(AdpcmOpenError(withFmtSize(0xFFFFFFF0)), "The Fact chunk is missing");
    EXPECT_EQ(AdpcmOpenError(withFmtSize(0x80000000)), "The Fact chunk is missing");
    EXPECT_EQ(AdpcmOpenError(withFmtSize(5000)), "The Fact chunk is missing");

    // Fact chunks placed by the fmt size near the end of the 1024-byte buffer:
    // fact at 12 + 8 + size, data 12 bytes later.
    const auto factAt = [](std::uint32_t position) {
        AdpcmFile file = OneBlockFile();
        file.fmtSize = position - 20;
        file.fmtTail = std::string(position - 20 - 50, '\x5A');
        return file;
    };
    // Data head ends exactly at byte 1024: still inside, and the audio follows at 1024.
    {
        AdpcmFile file = factAt(1004);
        const std::string bytes = file.Bytes();
        ASSERT_EQ(bytes.substr(1016, 4), "data");
        EXPECT_EQ(AdpcmOpenError(bytes), "");
        TempDir dir;
        WriteFileBytes(dir / "in.wav", bytes);
        CADCPMObj source;
        ASSERT_TRUE(source.Open(dir / "in.wav", false));
        EXPECT_EQ(source.GetHeaderSize(), 1024);
        SampleBuffer out;
        EXPECT_TRUE(source.ReadBlock(out));
        EXPECT_EQ(out.length, 2020);
    }
    // Data head one byte further: its size field would cross the end.
    EXPECT_EQ(AdpcmOpenError(factAt(1005).Bytes()), "The Data chunk is missing");
    // Fact head and count end exactly at 1024; the data chunk is then outside.
    EXPECT_EQ(AdpcmOpenError(factAt(1012).Bytes()), "The Data chunk is missing");
    // The fact id inside but its sample count beyond: the fact chunk is missing.
    EXPECT_EQ(AdpcmOpenError(factAt(1013).Bytes()), "The Fact chunk is missing");
    EXPECT_EQ(AdpcmOpenError(factAt(1020).Bytes()), "The Fact chunk is missing");
    EXPECT_EQ(AdpcmOpenError(factAt(1024).Bytes()), "The Fact chunk is missing");

    const auto withFactSize = [](std::uint32_t size) {
        AdpcmFile file = OneBlockFile();
        file.factSize = size;
        return file.Bytes();
    };
    EXPECT_EQ(AdpcmOpenError(withFactSize(0xFFFFFFFF)), "The Data chunk is missing");
    EXPECT_EQ(AdpcmOpenError(withFactSize(0xFFFFFFF4)), "The Data chunk is missing");
    EXPECT_EQ(AdpcmOpenError(withFactSize(2000)), "The Data chunk is missing");
    EXPECT_EQ(AdpcmOpenError(withFactSize(0)), "The Data chunk is missing"); // lands on the count

    // Sizes that would wrap a 32-bit position back to byte 4, where the RIFF size
    // field is made to spell the id the walk looks for.
    const auto spelled = [](const char* id) {
        return static_cast<std::uint32_t>(id[0] | id[1] << 8 | id[2] << 16 | id[3] << 24);
    };
    AdpcmFile wrapsToFact = OneBlockFile();
    wrapsToFact.fmtSize = 0xFFFFFFFFu - 20 + 1 + 4;
    wrapsToFact.riffSize = spelled("fact");
    EXPECT_EQ(AdpcmOpenError(wrapsToFact.Bytes()), "The Fact chunk is missing");
    AdpcmFile wrapsToData = OneBlockFile();
    wrapsToData.factSize = 0xFFFFFFFFu - 78 + 1 + 4;
    wrapsToData.riffSize = spelled("data");
    EXPECT_EQ(AdpcmOpenError(wrapsToData.Bytes()), "The Data chunk is missing");
}

TEST(AdpcmHeader, HeaderSizeFollowsTheRiffAndDataSizes) {
    TempDir dir;
    // An odd data size counts its pad byte in the RIFF size; the audio still starts at 90.
    AdpcmFile odd = OneBlockFile();
    odd.payload += "\x77";
    odd.dataSize = 513;
    odd.after = std::string(1, '\0');
    WriteFileBytes(dir / "odd.wav", odd.Bytes());
    CADCPMObj source;
    ASSERT_TRUE(source.Open(dir / "odd.wav", false));
    EXPECT_EQ(source.m_dwDataPad, 1u);
    EXPECT_EQ(source.GetHeaderSize(), 90);

    // A RIFF size too small for the data size: no header, no exception, just false.
    AdpcmFile tooSmall = OneBlockFile();
    tooSmall.riffSize = 100;
    WriteFileBytes(dir / "small.wav", tooSmall.Bytes());
    CADCPMObj refused;
    EXPECT_FALSE(refused.Open(dir / "small.wav", false));

    EXPECT_FALSE(refused.Open(dir / "does-not-exist.wav", false));
}

TEST(AdpcmHeader, OpenStartsFromAResetObject) {
    TempDir dir;
    AdpcmFile file = OneBlockFile();
    file.sampleCount = 4000;
    WriteFileBytes(dir / "good.wav", file.Bytes());
    AdpcmFile bad = OneBlockFile();
    bad.withFact = false;
    WriteFileBytes(dir / "bad.wav", bad.Bytes());

    CADCPMObj source;
    ASSERT_TRUE(source.Open(dir / "good.wav", false));
    SampleBuffer out;
    ASSERT_TRUE(source.ReadBlock(out));
    EXPECT_NE(+source.m_state.delta, 0);
    EXPECT_THROW(source.Open(dir / "bad.wav", false), CWAVException);
    EXPECT_EQ(source.m_nSamplesLeft, 0);
    EXPECT_EQ(source.m_dwBytesRead, 0u);
    EXPECT_EQ(+source.m_state.delta, 0);
    EXPECT_EQ(+source.m_adpcmHeader.sampleCount, 0u);
    // What the walk copied before the refusal stays.
    EXPECT_EQ(+source.m_adpcmHeader.format.blockAlign, 512);
}
