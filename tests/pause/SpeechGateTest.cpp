// The speech gate on demand: where it runs the network, and that a run after a
// stop hears the recording as a new one from its lead-in.
#include "pause/SpeechGate.h"
#include "support/Ffmpeg.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace {

constexpr std::uint32_t Rate = 44100; // not 16 kHz, so the resampler is used
constexpr std::uint64_t Ahead = 4 * Rate + 1010, Block = 1010, Chunk = 4410;

using Seconds = std::vector<std::pair<double, double>>;
struct Needs {
    const char* name;
    Seconds needs, runs; // blocks in needs take the network; runs: first and last need
};
void PrintTo(const Needs& n, std::ostream* os) {
    *os << n.name;
}

// example.wav three times over (64 s), at 44.1 kHz by ffmpeg's resampler.
const std::vector<std::int16_t>& Samples() {
    static const std::vector<std::int16_t> samples = [] {
        const auto once = DecodeWithFfmpeg(BRELLOW_TEST_DATA "/example.wav", "-ar 44100");
        std::vector<std::int16_t> all;
        for (int k = 0; k < 3; ++k)
            all.insert(all.end(), once.begin(), once.end());
        return all;
    }();
    return samples;
}

// The gate fed as the conversion feeds it, read ahead; its limits for every
// block (-2 where not needed) and the windows the network heard.
struct Heard {
    std::vector<int> limits;
    std::map<std::uint64_t, float> windows;
};
Heard Drive(CSpeechGate& gate, const Seconds& needs) {
    const std::vector<std::int16_t>& samples = Samples();
    Heard heard;
    gate.Observe(
        [&](std::uint64_t w, float p) { EXPECT_TRUE(heard.windows.emplace(w, p).second); });
    std::uint64_t block = 0;
    const auto blocksUpTo = [&](std::uint64_t end) {
        for (; block < end; block += Block) {
            bool need = false;
            for (const auto& [from, to] : needs)
                need |= double(block) >= from * Rate && double(block) < to * Rate;
            heard.limits.push_back(need ? gate.MaxQuiet(block) : -2);
            if (!need)
                gate.NotNeeded(block);
        }
    };
    for (std::uint64_t analysed = 0; analysed < samples.size(); analysed += Chunk) {
        const std::uint64_t n = std::min<std::uint64_t>(Chunk, samples.size() - analysed);
        gate.Analyse(reinterpret_cast<const std::uint8_t*>(samples.data() + analysed), 2 * n);
        blocksUpTo(analysed + n > Ahead ? analysed + n - Ahead : 0);
    }
    gate.Finish();
    blocksUpTo(samples.size());
    return heard;
}

class SpeechGateOnDemand : public testing::TestWithParam<Needs> {};

TEST_P(SpeechGateOnDemand, RunsFromTheLeadInUntilIdleAsIfFresh) {
    const SharedSpeechLayers& loaded = FindSharedSpeechLayers();
    ASSERT_TRUE(loaded.layers) << loaded.error;
    const std::vector<std::int16_t>& samples = Samples();
    ASSERT_GT(samples.size(), 60u * Rate);
    CSpeechGate gate(loaded.layers, Rate, 0.3, true);
    const std::map<std::uint64_t, float> heard = Drive(gate, GetParam().needs).windows;

    const auto window = [](double seconds) {
        return static_cast<std::uint64_t>(seconds * 16000) / CSpeechNet::Window;
    };
    auto it = heard.begin();
    for (const auto& [from, last] : GetParam().runs) {
        ASSERT_TRUE(it != heard.end());
        const std::uint64_t first = it->first;
        const double need = std::ceil(from * Rate / Block) * Block / Rate; // its first block
        EXPECT_EQ(first, window(std::max(0.0, need - CSpeechGate::LeadInSeconds)));
        // Each window as a fresh network hears it from the run's first window.
        CResampler16k resampler(Rate);
        CSpeechNet net(loaded.layers);
        std::vector<float> fresh;
        const std::uint64_t start = (first * CSpeechNet::Window * Rate + 15999) / 16000;
        resampler.Take(samples.data() + start, samples.size() - start, fresh);
        std::uint64_t w = first;
        for (; it != heard.end() && it->first == w; ++it, ++w) {
            ASSERT_LE((w - first + 1) * CSpeechNet::Window, fresh.size());
            ASSERT_EQ(it->second, net.Next(fresh.data() + (w - first) * CSpeechNet::Window)) << w;
        }
        // Stops once no block needed it for the idle time, heard that far ahead.
        EXPECT_GE(w, window(std::min(last + CSpeechGate::IdleSeconds, 60.0)));
        EXPECT_LE(w, window(last + CSpeechGate::IdleSeconds + double(Ahead + Chunk) / Rate + 0.1));
    }
    EXPECT_TRUE(it == heard.end()) << "a run too many, from window " << it->first;
}

INSTANTIATE_TEST_SUITE_P(
    Needs, SpeechGateOnDemand,
    testing::Values(Needs{"OneStretch", {{20, 20.5}}, {{20, 20.5}}},
                    Needs{"TwoFarApart", {{10, 10.5}, {40, 41}}, {{10, 10.5}, {40, 41}}},
                    Needs{"LeadInCutAtTheStart", {{1, 2}}, {{1, 2}}},
                    Needs{"CloseTogetherOneRun", {{10, 10.5}, {15, 15.5}}, {{10, 15.5}}}),
    [](const testing::TestParamInfo<Needs>& row) { return row.param.name; });

// The network's own thread changes nothing: the same windows, the same limits.
TEST_P(SpeechGateOnDemand, GivesTheSameOnItsOwnThread) {
    const SharedSpeechLayers& loaded = FindSharedSpeechLayers();
    ASSERT_TRUE(loaded.layers) << loaded.error;
    for (const bool onDemand : {false, true}) {
        CSpeechGate alone(loaded.layers, Rate, 0.3, onDemand, false);
        CSpeechGate threaded(loaded.layers, Rate, 0.3, onDemand, true);
        const Heard a = Drive(alone, GetParam().needs), b = Drive(threaded, GetParam().needs);
        EXPECT_EQ(a.limits, b.limits) << "on demand " << onDemand;
        EXPECT_EQ(a.windows, b.windows) << "on demand " << onDemand;
    }
}

} // namespace
