#include "audio/WAVObj.h"
#include "support/Streams.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

namespace {

constexpr int SamplesPerBlock = 1010;
constexpr std::uint32_t BlockBytes = 2 * SamplesPerBlock;

struct Pause {
    int beforeBlock;
    std::uint32_t bytes;
    bool operator==(const Pause&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Pause& p) {
    return os << "{before block " << p.beforeBlock << ", " << p.bytes << " bytes}";
}

// Feeds a synthetic recording, sample(i) for i in [0, total), through the
// detector in blocks of 1010 samples and notes where pauses were written.
class DetectorRun {
public:
    DetectorRun() {
        EXPECT_TRUE(out.Open(dir / "out.wav", true));
        out.InitPcmHeader(0);
    }

    std::vector<Pause> Feed(const std::function<std::int16_t(long)>& sample, long total) {
        std::vector<Pause> pauses;
        SampleBuffer block(BlockBytes);
        for (long start = 0, index = 0; start < total; start += SamplesPerBlock, ++index) {
            const long count = std::min<long>(SamplesPerBlock, total - start);
            for (long i = 0; i < count; ++i) {
                const std::int16_t s = sample(start + i);
                std::memcpy(block.data.get() + 2 * i, &s, 2);
            }
            block.SetLength(static_cast<std::int32_t>(2 * count));
            const std::uint32_t before = out.m_dwBytesWritten;
            EXPECT_TRUE(out.WriteWithPauses(block));
            const std::uint32_t added = out.m_dwBytesWritten - before;
            if (added > static_cast<std::uint32_t>(block.length))
                pauses.push_back(
                    {static_cast<int>(index), added - static_cast<std::uint32_t>(block.length)});
        }
        return pauses;
    }

    TempDir dir;
    CWAVObj out;
};

// Loud speech that never dips below the threshold: +-10000.
std::int16_t Speech(long i) {
    return i % 2 ? 10000 : -10000;
}

} // namespace

TEST(WriteWithPauses, WorkedExampleOfTwoThreeSecondPhrases) {
    // 3 s speech, silence until 4.0 s, 3 s speech, then silence to 8 s.
    const auto sample = [](long i) -> std::int16_t {
        if (i < 66150)
            return Speech(i);
        if (i >= 88200 && i < 88200 + 66150)
            return Speech(i);
        return 0;
    };
    DetectorRun run;
    const auto pauses = run.Feed(sample, 8 * 22050);
    const std::vector<Pause> expected = {{72, 145440}, {159, 175740}};
    EXPECT_EQ(pauses, expected);
}

TEST(WriteWithPauses, ShortPhraseWaitsForTheMinimumPhraseLength) {
    const auto sample = [](long i) -> std::int16_t { return i < 22050 ? Speech(i) : 0; };
    DetectorRun run;
    const auto pauses = run.Feed(sample, 4 * 22050);
    const std::vector<Pause> expected = {{51, 103020}};
    EXPECT_EQ(pauses, expected);
}

TEST(WriteWithPauses, QuietThresholdAndLoudRunBoundaries) {
    // 51 loud blocks make the phrase long enough; then a quiet run made of
    // the value under test decides whether and where the pause comes.
    const auto pauseWith = [](std::int16_t quietValue, int loudBurst, int burstEvery) {
        const auto sample = [=](long i) -> std::int16_t {
            if (i < 51 * SamplesPerBlock)
                return Speech(i);
            const long q = i - 51 * SamplesPerBlock;
            if (loudBurst > 0 && q % burstEvery < loudBurst && q >= burstEvery)
                return -32768;
            return quietValue;
        };
        DetectorRun run;
        return run.Feed(sample, 70 * SamplesPerBlock);
    };
    // 6608 quiet samples after block 51 starts: block 51 + 6608/1010 -> block 57.
    EXPECT_EQ(pauseWith(3276, 0, 1), (std::vector<Pause>{{57, 57 * BlockBytes}}));
    EXPECT_EQ(pauseWith(-3276, 0, 1), (std::vector<Pause>{{57, 57 * BlockBytes}}));
    EXPECT_TRUE(pauseWith(3277, 0, 1).empty());
    EXPECT_TRUE(pauseWith(-3277, 0, 1).empty());
    // Bursts of 5 loud samples (-32768 among them) neither add to the run nor end it:
    // 6608 quiet samples then need 6608 + 5 * bursts positions.
    const auto withFive = pauseWith(0, 5, 1000);
    ASSERT_EQ(withFive.size(), 1u);
    EXPECT_EQ(withFive[0].beforeBlock, 57);
    // A 6th loud sample resets the run each time: no run of 6608 quiet samples fits.
    EXPECT_TRUE(pauseWith(0, 6, 3000).empty());
}

TEST(WriteWithPauses, APhraseExactlyAsLongAsTheThresholdEndsAtTheNextQuietSample) {
    // Loud audio, then 6608 quiet samples: 101424 bytes in all, exactly the
    // phrase threshold, with the quiet run just long enough as well.
    DetectorRun run;
    std::vector<Pause> pauses;
    const int sizes[] = {44104, 6608, 10, 10};
    for (int index = 0; index < 4; ++index) {
        SampleBuffer block(static_cast<std::uint32_t>(2 * sizes[index]));
        for (int i = 0; index == 0 && i < sizes[0]; ++i) {
            const std::int16_t s = Speech(i);
            std::memcpy(block.data.get() + 2 * i, &s, 2);
        }
        block.SetLength(2 * sizes[index]);
        const std::uint32_t before = run.out.m_dwBytesWritten;
        ASSERT_TRUE(run.out.WriteWithPauses(block));
        if (run.out.m_dwBytesWritten - before > static_cast<std::uint32_t>(block.length))
            pauses.push_back({index, run.out.m_dwBytesWritten - before -
                                         static_cast<std::uint32_t>(block.length)});
    }
    EXPECT_EQ(pauses, (std::vector<Pause>{{2, 101424}}));
}

TEST(WriteWithPauses, EmptyAndOddBlocks) {
    DetectorRun run;
    SampleBuffer block(8);
    block.SetLength(0);
    ASSERT_TRUE(run.out.WriteWithPauses(block));
    EXPECT_EQ(run.out.m_dwBytesWritten, 0u);
    EXPECT_EQ(run.out.m_dwQuietBytes, 0u);
    EXPECT_EQ(run.out.m_dwLoudRun, 0u);

    // 3 bytes: one sample examined, the odd byte written too.
    block.data[0] = 0x10;
    block.data[2] = 0x7F;
    block.SetLength(3);
    ASSERT_TRUE(run.out.WriteWithPauses(block));
    EXPECT_EQ(run.out.m_dwQuietBytes, 2u);
    EXPECT_EQ(run.out.m_dwPhraseBytes, 3u);
    ASSERT_TRUE(run.out.Close());
    EXPECT_EQ(ReadFileBytes(run.dir / "out.wav"), std::string("\x10\0\x7F", 3));
}

TEST(WriteWithPauses, RestOfThePauseBlockIsNotExamined) {
    // After the pause before block 51, the remaining samples of block 51 are
    // loud; had they been scanned, the loud run would stand at 1009.
    const auto sample = [](long i) -> std::int16_t {
        if (i < 22050)
            return Speech(i);
        if (i >= 51 * SamplesPerBlock && i < 52 * SamplesPerBlock)
            return i == 51 * SamplesPerBlock ? 0 : 20000;
        return 0;
    };
    DetectorRun run;
    const auto pauses = run.Feed(sample, 52 * SamplesPerBlock);
    ASSERT_EQ(pauses, (std::vector<Pause>{{51, 103020}}));
    EXPECT_EQ(run.out.m_dwLoudRun, 0u);
    EXPECT_EQ(run.out.m_dwQuietBytes, 0u);
    EXPECT_EQ(run.out.m_dwPhraseBytes, BlockBytes);
}

TEST(WriteWithPauses, AFailedPauseWriteLeavesTheBlockUnwritten) {
    // 70 loud blocks, then quiet ones: a pause is due before block 76, and
    // the disk fills up part way through it.
    const std::uint32_t audio = 76 * BlockBytes;
    std::string bytes;
    CWAVObj out;
    ASSERT_TRUE(out.Open(FailingSink(bytes, 44 + audio + 1000), true));
    out.InitPcmHeader(0);
    ASSERT_TRUE(out.WriteHeader());
    SampleBuffer block(BlockBytes);
    block.SetLength(BlockBytes);
    bool ok = true;
    int index = 0;
    for (; index < 100 && ok; ++index) {
        for (int i = 0; i < SamplesPerBlock; ++i) {
            const std::int16_t s = index < 70 ? Speech(i) : std::int16_t{1};
            std::memcpy(block.data.get() + 2 * i, &s, 2);
        }
        ok = out.WriteWithPauses(block);
    }
    EXPECT_FALSE(ok);
    EXPECT_EQ(index, 77); // failed on block 76
    // Neither the pause nor the block counts as written.
    EXPECT_EQ(out.m_dwBytesWritten, audio);
    EXPECT_EQ(out.m_dwPhraseBytes, 0u);
    EXPECT_EQ(out.m_dwQuietBytes, 0u);
    EXPECT_FALSE(out.Close());
    EXPECT_EQ(bytes.size(), 44u + audio + 1000);
}

TEST(WriteWithPauses, LongSilencesReadBackAsZerosAtTheirFullSize) {
    TempDir dir;
    CWAVObj out;
    ASSERT_TRUE(out.Open(dir / "out.wav", true));
    SampleBuffer block(6);
    block.SetLength(6);
    block.data[0] = 9;
    block.data[5] = 9;
    ASSERT_TRUE(out.Write(block, true));
    ASSERT_TRUE(out.WriteSilenceBytes(300000));
    ASSERT_TRUE(out.Write(block, true));
    ASSERT_TRUE(out.WriteSilenceBytes(70000));
    ASSERT_TRUE(out.WriteSilenceBytes(100));
    ASSERT_TRUE(out.WriteLongSilenceBytes(200000));
    EXPECT_EQ(out.m_dwBytesWritten, 6 + 300000 + 6 + 70100 + 200000u);
    ASSERT_TRUE(out.Close());
    std::string expected(6 + 300000 + 6 + 70100 + 200000, '\0');
    expected[0] = expected[5] = expected[300006] = expected[300011] = 9;
    EXPECT_EQ(ReadFileBytes(dir / "out.wav"), expected);
}
