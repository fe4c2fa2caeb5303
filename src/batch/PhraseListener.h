#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The text of each phrase, phrase 1 first, when subtitles gave the phrases.
using PhraseTexts = std::optional<std::vector<std::string>>;

// The text of phrase (from 1); "" past the subtitles' last.
inline const std::string& PhraseText(const PhraseTexts& texts, std::uint64_t phrase) {
    static const std::string none;
    return texts && phrase >= 1 && phrase <= texts->size() ? (*texts)[phrase - 1] : none;
}

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
