// Our decoder against FFmpeg's, sample for sample, on every committed recording.

#include "audio/ADCPMObj.h"
#include "audio/AdpcmFileBuilder.h"
#include "support/Ffmpeg.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <vector>

using namespace adpcmtest;

namespace {

constexpr std::size_t SamplesPerBlock = 1012;
constexpr std::size_t HeaderSamples = 2; // FFmpeg outputs them; we only seed the predictor

std::vector<std::filesystem::path> Recordings() {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(BRELLOW_TEST_DATA))
        if (entry.is_regular_file() && entry.path().extension() == ".wav")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

TEST(AdpcmAgainstFfmpeg, EveryRecordingDecodesToTheSameSamples) {
    const std::vector<std::filesystem::path> files = Recordings();
    ASSERT_GE(files.size(), 4u) << "the recordings in " << BRELLOW_TEST_DATA;
    std::size_t compared = 0;
    for (const std::filesystem::path& file : files) {
        SCOPED_TRACE(file.filename().string());
        CADCPMObj source;
        ASSERT_TRUE(source.Open(file, false));
        const std::size_t blocks = source.GetDataSize() / 512;
        const std::size_t count = source.GetSampleCount();
        ASSERT_GT(blocks, 1u);
        const std::vector<std::int16_t> ours = DecodeAll(source);

        const std::vector<std::int16_t> theirs = DecodeWithFfmpeg(file);
        // FFmpeg decodes every block in full, padding included, and ignores the fact count.
        ASSERT_EQ(theirs.size(), blocks * SamplesPerBlock);
        std::vector<std::int16_t> expected;
        for (std::size_t b = 0; b < blocks; ++b) {
            const auto first = theirs.begin() + static_cast<std::ptrdiff_t>(b * SamplesPerBlock);
            expected.insert(expected.end(), first + HeaderSamples, first + SamplesPerBlock);
        }
        // We stop once the fact count is used up, at whole bytes: an odd count takes one
        // sample more. Those past the real end of the last block decode its padding.
        expected.resize(std::min(expected.size(), count + count % 2));
        ASSERT_EQ(ours.size(), expected.size());
        std::size_t mismatches = 0;
        for (std::size_t i = 0; i < ours.size(); ++i)
            if (ours[i] != expected[i] && ++mismatches <= 5)
                ADD_FAILURE() << "sample " << i << " (block " << i / 1010 << "): ours " << ours[i]
                              << ", ffmpeg " << expected[i];
        EXPECT_EQ(mismatches, 0u);
        compared += ours.size();
    }
    RecordProperty("samples_compared", static_cast<int>(compared));
    std::printf("compared %zu samples in %zu recordings\n", compared, files.size());
}

TEST(AdpcmAgainstFfmpeg, RecordingsCoverEveryPredictorAndBothEndings) {
    // Guards the value of the test above: the recordings must exercise all seven
    // coefficient pairs, a partial last block and one ending exactly on a block.
    bool predictors[7] = {};
    bool partialEnd = false, wholeEnd = false;
    for (const std::filesystem::path& file : Recordings()) {
        const std::string bytes = ReadFileBytes(file);
        CADCPMObj source;
        ASSERT_TRUE(source.Open(file, false)) << file;
        const std::size_t blocks = source.GetDataSize() / 512;
        for (std::size_t b = 0; b < blocks; ++b) {
            const auto predictor = static_cast<std::uint8_t>(bytes[90 + 512 * b]);
            ASSERT_LT(predictor, 7) << file << " block " << b;
            predictors[predictor] = true;
        }
        const std::size_t lastBlockSamples = source.GetSampleCount() - (blocks - 1) * 1012;
        (lastBlockSamples == 1012 ? wholeEnd : partialEnd) = true;
    }
    for (int p = 0; p < 7; ++p)
        EXPECT_TRUE(predictors[p]) << "no block uses predictor " << p;
    EXPECT_TRUE(partialEnd);
    EXPECT_TRUE(wholeEnd);
}
