#pragma once

#include <cstddef>
#include <cstdint>

// Where speech is in a block of samples: from the first sample of its first
// run of loud samples too long for the detector to let pass, to the end of
// its last. Empty when the block is quiet or holds only clicks.
struct LoudSpan {
    std::size_t first = 0, end = 0;
    bool Empty() const { return first == end; }
};

// The span of count samples (16-bit, little-endian) at samples, loud being
// above maxQuiet. Runs are not followed across blocks.
LoudSpan FindLoudSpan(const std::uint8_t* samples, std::size_t count, std::int16_t maxQuiet);
