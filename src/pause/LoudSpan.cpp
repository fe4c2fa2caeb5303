#include "pause/LoudSpan.h"

#include "pause/LoudMask.h"
#include "pause/PhraseDetector.h"

#include <algorithm>
#include <bit>

LoudSpan FindLoudSpan(const std::uint8_t* samples, std::size_t count, std::int16_t maxQuiet) {
    constexpr int Run = PhraseDetector::ToleratedLoudRun + 1;
    constexpr int WordBits = 64;
    LoudSpan span;
    bool found = false;
    std::uint64_t before = 0; // the previous word's loud bits
    for (std::size_t start = 0; start < count; start += WordBits) {
        const int n = static_cast<int>(std::min<std::size_t>(WordBits, count - start));
        const std::uint64_t loud = LoudMask(samples + 2 * start, n, maxQuiet);
        // Bit i: sample i ends a run of Run loud samples.
        std::uint64_t runs = loud;
        for (int k = 1; k < Run; ++k)
            runs &= (loud << k) | (before >> (WordBits - k));
        before = loud;
        if (runs == 0)
            continue;
        if (!found)
            span.first = start + static_cast<std::size_t>(std::countr_zero(runs)) + 1 - Run;
        found = true;
        span.end = start + static_cast<std::size_t>(WordBits - std::countl_zero(runs));
    }
    return span;
}
