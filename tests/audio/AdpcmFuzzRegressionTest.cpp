// Replays the inputs kept from fuzzing the ADPCM source
// (tests/data/fuzz-regressions/adpcm-source). Each one once crashed a build
// of the header walk or the decoder; the sanitizer build of this test catches
// any return of the fault, and the outcome is pinned too.

#include "audio/ADCPMObj.h"
#include "audio/WAVException.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

namespace {

struct Outcome {
    std::string refusal; // "" when the header is accepted
    std::size_t samples = 0;
};

// The same path as the fuzzer: Open, then ReadBlock to the end.
Outcome Replay(const std::filesystem::path& file) {
    Outcome outcome;
    CADCPMObj source;
    try {
        if (!source.Open(file, false))
            return {"(not opened)", 0};
    } catch (const CWAVException& e) {
        outcome.refusal = e.m_message;
        return outcome;
    }
    SampleBuffer out;
    while (source.ReadBlock(out))
        outcome.samples += static_cast<std::size_t>(out.length) / 2;
    return outcome;
}

} // namespace

TEST(AdpcmFuzzRegressions, EveryKeptInputEndsAsExpected) {
    // What each input must do now; a new input needs its line here.
    const std::map<std::string, Outcome> expected = {
        // A 16 MB fmt size once sent the walk to look for "fact" far outside the
        // 1024-byte header buffer.
        {"fmt-size-past-header-buffer.bin", {"The Fact chunk is missing", 0}},
    };
    const std::filesystem::path folder =
        std::filesystem::path(BRELLOW_TEST_DATA) / "fuzz-regressions" / "adpcm-source";
    std::size_t replayed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        const auto it = expected.find(name);
        ASSERT_NE(it, expected.end()) << "kept input without an expected outcome";
        const Outcome outcome = Replay(entry.path());
        EXPECT_EQ(outcome.refusal, it->second.refusal);
        EXPECT_EQ(outcome.samples, it->second.samples);
        ++replayed;
    }
    EXPECT_EQ(replayed, expected.size());
}
