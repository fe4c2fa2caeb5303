// The word-at-a-time detector against the plain sample-by-sample rule, on
// random material shaped like speech: quiet stretches, loud bursts of every
// length around the tolerated run, and the threshold's edge values.
#include "audio/WAVObj.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

namespace {

// The rule as stated, one sample at a time.
struct Model {
    std::uint32_t phrase = 0, quiet = 0, loudRun = 0, written = 0;

    // Returns the pause length inserted before this block, or 0.
    std::uint32_t Block(const std::vector<std::int16_t>& samples, std::uint32_t silence,
                        std::uint32_t phraseMin) {
        std::uint32_t pause = 0;
        for (const std::int16_t s : samples) {
            const std::int32_t magnitude = s < 0 ? -std::int32_t{s} : s;
            if (magnitude < 32767 * 0.1) {
                quiet += 2;
                loudRun = 0;
            } else if (++loudRun > 5) {
                quiet = 0;
            }
            if (quiet >= silence && phrase >= phraseMin) {
                pause = phrase;
                phrase = 0;
                quiet = 0;
                break;
            }
        }
        const auto bytes = static_cast<std::uint32_t>(2 * samples.size());
        phrase += bytes;
        written += pause + bytes;
        return pause;
    }
};

std::int16_t Pick(std::mt19937& rng, bool loud) {
    static const std::int16_t quietValues[] = {0, 1, -1, 3276, -3276, 100, -2000};
    static const std::int16_t loudValues[] = {3277, -3277, -32768, 32767, 12000, -9000};
    if (loud)
        return loudValues[rng() % std::size(loudValues)];
    return quietValues[rng() % std::size(quietValues)];
}

} // namespace

TEST(DetectorModel, MatchesTheSampleBySampleRuleOnRandomMaterial) {
    std::mt19937 rng(20261207);
    for (int trial = 0; trial < 40; ++trial) {
        TempDir dir;
        CWAVObj out;
        ASSERT_TRUE(out.Open(dir / "out.wav", true));
        out.InitPcmHeader(0);
        if (trial % 4 == 3)
            out.SetSampleRate(8000); // other thresholds
        const std::uint32_t silence = out.SecondsToBytes(0.3);
        const std::uint32_t phraseMin = out.SecondsToBytes(2.3);
        Model model;

        // Runs of quiet and loud samples; loud runs cluster around 5 and 6.
        std::vector<std::int16_t> stream;
        while (stream.size() < 400000) {
            const bool loud = rng() % 2 == 0;
            std::size_t length;
            switch (rng() % 4) {
            case 0:
                length = 1 + rng() % 8;
                break;
            case 1:
                length = 4 + rng() % 4;
                break;
            case 2:
                length = 100 + rng() % 3000;
                break;
            default:
                length = 3000 + rng() % (trial % 2 ? 9000 : 70000);
                break;
            }
            for (std::size_t i = 0; i < length; ++i)
                stream.push_back(Pick(rng, loud));
        }

        SampleBuffer block(2020);
        for (std::size_t at = 0; at < stream.size();) {
            // Mostly full blocks, some short or empty ones.
            std::size_t size = rng() % 10 == 0 ? rng() % 1011 : 1010;
            size = std::min(size, stream.size() - at);
            const std::vector<std::int16_t> samples(stream.begin() + static_cast<long>(at),
                                                    stream.begin() + static_cast<long>(at + size));
            at += size;
            if (size > 0)
                std::memcpy(block.data.get(), samples.data(), 2 * size);
            block.SetLength(static_cast<std::int32_t>(2 * size));
            const std::uint32_t expected = model.Block(samples, silence, phraseMin);
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
