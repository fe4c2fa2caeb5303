#pragma once

#include <cstddef>
#include <cstdint>

// Told where each phrase is while a practice file is written: labels and
// clips. Phrases are numbered from 1, passes from 1; positions are samples,
// on the recording's time line (source) or the practice file's (output).
class CPhraseListener {
public:
    virtual ~CPhraseListener() = default;

    // The samples of the phrase under way, as recorded, in order.
    virtual bool PhraseSamples(const std::uint8_t* samples, std::size_t count) = 0;
    // The phrase has ended; it spans [sourceStart, sourceEnd) of the recording.
    virtual bool PhraseEnd(std::uint64_t phrase, std::uint64_t sourceStart,
                           std::uint64_t sourceEnd) = 0;
    // A pass of the phrase spans [start, end) of the practice file, its pause after it.
    virtual void Pass(std::uint64_t phrase, std::size_t pass, std::uint64_t start,
                      std::uint64_t end) = 0;
};
