// The word-at-a-time detector against the plain sample-by-sample rule, on
// random material shaped like speech: quiet stretches, loud bursts of every
// length around the tolerated run, and the threshold's edge values.
#include "audio/WAVObj.h"
#include "support/PauseModel.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

TEST(DetectorModel, MatchesTheSampleBySampleRuleOnRandomMaterial) {
    std::mt19937 rng(20261207);
    for (int trial = 0; trial < 40; ++trial) {
        TempDir dir;
        CWAVObj out;
        ASSERT_TRUE(out.Open(dir / "out.wav", true));
        out.InitPcmHeader(0);
        if (trial % 4 == 3)
            out.SetSampleRate(8000); // other thresholds
        PauseModel model;
        model.rate = out.GetSampleRate();
        // Runs of quiet and loud samples; loud runs cluster around 5 and 6.
        const std::vector<std::int16_t> stream = SpeechLike(rng, 400000, trial % 2 ? 9000 : 70000);

        SampleBuffer block(2020);
        for (std::size_t at = 0; at < stream.size();) {
            // Mostly full blocks, some short or empty ones.
            std::size_t size = rng() % 10 == 0 ? rng() % 1011 : 1010;
            size = std::min(size, stream.size() - at);
            if (size > 0)
                std::memcpy(block.data.get(), stream.data() + at, 2 * size);
            block.SetLength(static_cast<std::int32_t>(2 * size));
            const std::uint64_t expected = model.Block(stream.data() + at, size);
            at += size;
            const std::uint32_t before = out.m_dwBytesWritten;
            ASSERT_TRUE(out.WriteWithPauses(block));
            ASSERT_EQ(out.m_dwBytesWritten - before - 2 * size, expected)
                << "trial " << trial << " at sample " << at;
            ASSERT_EQ(out.m_dwQuietBytes, model.quiet) << "trial " << trial << " at " << at;
            ASSERT_EQ(out.m_dwLoudRun, model.loudRun) << "trial " << trial << " at " << at;
            ASSERT_EQ(out.m_dwPhraseBytes, model.phrase);
        }
        EXPECT_EQ(out.m_dwBytesWritten, model.written);
    }
}
