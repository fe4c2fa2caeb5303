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

// Around its speech, a phrase's clip keeps this much of the quiet, in seconds.
inline constexpr double SpeechMarginSeconds = 0.25;

// A phrase as it ends. One with no speech in it (quiet only) is told too, as
// number 0: it has no clip, card or label, and no passes but its first.
struct Phrase {
    std::uint64_t number = 0;                     // among the phrases with speech, from 1
    std::uint64_t index = 0;                      // among all phrases, from 1: where its text is
    std::uint64_t sourceStart = 0, sourceEnd = 0; // [ , ) of the recording
    std::uint64_t heardStart = 0, heardEnd = 0;   // its speech and margins, within those
    bool Spoken() const { return number > 0; }
};

// Told where each phrase is while a practice file is written: labels and
// clips. Passes are numbered from 1; positions are samples, on the
// recording's time line (source) or the practice file's (output).
class CPhraseListener {
public:
    virtual ~CPhraseListener() = default;

    // The samples of the phrase under way, as recorded, in order.
    virtual bool PhraseSamples(const std::uint8_t* samples, std::size_t count) = 0;
    // The phrase has ended.
    virtual bool PhraseEnd(const Phrase& phrase) = 0;
    // A pass of a phrase with speech spans [start, end) of the practice file, its pause after it.
    virtual void Pass(const Phrase& phrase, std::size_t pass, std::uint64_t start,
                      std::uint64_t end) = 0;
};
