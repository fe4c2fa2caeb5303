// The speech network against onnxruntime's run of the published model, and
// its model file read as untrusted bytes.
#include "pause/SpeechNet.h"
#include "audio/FailingStream.h"
#include "audio/MemoryStream.h"
#include "pause/SpeechGate.h"
#include "pause/SpeechModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>

namespace {

const std::string ModelPath = BRELLOW_SOURCE_DIR "/res/models/speech-v5.bin";

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The CRC-32 the converter writes, put back after an edit (python's zlib.crc32).
void Reseal(std::string& bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i + 4 < bytes.size(); ++i) {
        crc ^= static_cast<std::uint8_t>(bytes[i]);
        for (int k = 0; k < 8; ++k)
            crc = crc & 1 ? 0xEDB88320u ^ (crc >> 1) : crc >> 1;
    }
    crc = ~crc;
    for (int k = 0; k < 4; ++k)
        bytes[bytes.size() - 4 + k] = static_cast<char>(crc >> (8 * k));
}

} // namespace

// tests/data/speech-16k.s16 is 4 s of tests/data/english.wav at 16 kHz;
// speech-16k.trace its windows' probabilities from onnxruntime-node 1.20.1
// running silero_vad_v5.onnx (bench/speech-trace.mjs).
TEST(SpeechNet, EveryWindowMatchesOnnxruntime) {
    const SpeechModelResult loaded = LoadSpeechModel(ModelPath);
    ASSERT_TRUE(loaded.model) << loaded.error;
    const std::string raw = Slurp(BRELLOW_TEST_DATA "/speech-16k.s16");
    std::vector<float> samples(raw.size() / 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        std::int16_t s;
        std::memcpy(&s, raw.data() + 2 * i, 2);
        samples[i] = s / 32768.0f;
    }
    std::ifstream trace(BRELLOW_TEST_DATA "/speech-16k.trace");
    const std::vector<double> expected{std::istream_iterator<double>(trace), {}};
    ASSERT_EQ(expected.size(), samples.size() / CSpeechNet::Window);

    CSpeechNet net(std::make_shared<const SpeechLayers>(*loaded.model));
    for (int pass = 0; pass < 2; ++pass) { // Reset starts the recording over
        for (std::size_t w = 0; w < expected.size(); ++w)
            ASSERT_NEAR(net.Next(samples.data() + w * CSpeechNet::Window), expected[w], 1e-3)
                << "window " << w << ", pass " << pass;
        net.Reset();
    }
}

struct Damage {
    const char* name;
    std::function<void(std::string&)> edit;
    const char* reason;
};

void PrintTo(const Damage& d, std::ostream* os) {
    *os << d.name;
}

class DamagedModel : public testing::TestWithParam<Damage> {};

TEST_P(DamagedModel, IsRefusedWithItsReason) {
    std::string bytes = Slurp(ModelPath);
    ASSERT_GT(bytes.size(), 1000000u);
    GetParam().edit(bytes);
    CMemoryStream stream(bytes);
    const SpeechModelResult result = ReadSpeechModel(stream);
    EXPECT_FALSE(result.model);
    EXPECT_NE(result.error.find(GetParam().reason), std::string::npos) << result.error;
}

// Offsets into the file: header 16 bytes, then 48-byte table rows (name 24,
// rank, four dims, offset).
INSTANTIATE_TEST_SUITE_P(
    Model, DamagedModel,
    testing::Values(
        Damage{"Empty", [](std::string& b) { b.clear(); }, "not a speech model"},
        Damage{"OtherMagic", [](std::string& b) { b[0] = 'X'; }, "not a speech model"},
        Damage{"FlippedWeight", [](std::string& b) { b[b.size() / 2] ^= 1; }, "checksum"},
        Damage{"CutShort", [](std::string& b) { b.resize(b.size() - 100); }, "checksum"},
        Damage{"OtherVersion",
               [](std::string& b) {
                   b[8] = 2;
                   Reseal(b);
               },
               "another version"},
        Damage{"TransposedShape",
               [](std::string& b) { // enc1.weight claims 128 x 64 x 3
                   b[16 + 3 * 48 + 28] = static_cast<char>(128);
                   b[16 + 3 * 48 + 32] = 64;
                   Reseal(b);
               },
               "enc1.weight"},
        Damage{"OffsetPastTheEnd",
               [](std::string& b) {
                   b[16 + 14 * 48 + 47] = 0x7f;
                   Reseal(b);
               },
               "out.bias"},
        Damage{"NotANumber",
               [](std::string& b) { // the last float, out.bias
                   const char nan[4] = {0, 0, '\xc0', '\x7f'};
                   b.replace(b.size() - 8, 4, nan, 4);
                   Reseal(b);
               },
               "no number"},
        Damage{"TooLarge", [](std::string& b) { b.resize(8u << 20); }, "far too large"}),
    [](const testing::TestParamInfo<Damage>& row) { return row.param.name; });

TEST(SpeechModelFile, ReadFailureAndMissingFileAreReasonsNotCrashes) {
    const std::string bytes = Slurp(ModelPath);
    CFailingStream failing(std::make_unique<CMemoryStream>(bytes), 4096);
    EXPECT_EQ(ReadSpeechModel(failing).error, "it cannot be read");
    const SpeechModelResult missing = LoadSpeechModel("/nonexistent/speech-v5.bin");
    EXPECT_FALSE(missing.model);
    EXPECT_EQ(missing.error,
              "The speech model /nonexistent/speech-v5.bin cannot be used: it cannot be opened");
}

// In the committed audio onnxruntime's probabilities fall below the release
// level from window 24 to 34: a gap of 0.35 s, between the voice before and
// after it. Its pause goes in the gap, and the quiet leading to it is one
// minimum silence long, so a gap that short still takes one.
TEST(SpeechGate, PutsTheShortGapsPauseInsideIt) {
    const SharedSpeechLayers& loaded = FindSharedSpeechLayers();
    ASSERT_TRUE(loaded.layers) << loaded.error;
    const std::string raw = Slurp(BRELLOW_TEST_DATA "/speech-16k.s16");
    std::ifstream trace(BRELLOW_TEST_DATA "/speech-16k.trace");
    const std::vector<double> expected{std::istream_iterator<double>(trace), {}};
    std::size_t gapFrom = 24, gapTo = 24; // in windows, from the trace
    while (gapTo < expected.size() && expected[gapTo] < double(CSpeechGate::Release))
        ++gapTo;
    ASSERT_GE(gapTo, gapFrom + 10);

    constexpr double MinSilence = 0.3;
    CSpeechGate gate(loaded.layers, 16000, MinSilence);
    gate.Analyse(reinterpret_cast<const std::uint8_t*>(raw.data()), raw.size());
    gate.Finish();
    std::vector<std::uint64_t> quiet; // the quiet blocks of 10 ms
    for (std::uint64_t at = 0; at < (gapTo + 2) * CSpeechNet::Window; at += 160)
        if (gate.MaxQuiet(at) == 32767)
            quiet.push_back(at);
    ASSERT_FALSE(quiet.empty());
    const std::uint64_t pause = quiet.front() + static_cast<std::uint64_t>(MinSilence * 16000);
    EXPECT_GT(pause, gapFrom * CSpeechNet::Window + 1120) // 70 ms
        << "the word before keeps a margin";
    EXPECT_LT(pause, gapTo * CSpeechNet::Window) << "the pause is inside the gap";
    EXPECT_EQ(quiet.back() / CSpeechNet::Window, gapTo - 1) << "quiet ends with the gap";
    for (std::size_t k = 1; k < quiet.size(); ++k)
        ASSERT_EQ(quiet[k] - quiet[k - 1], 160u) << "one quiet stretch only";
}
