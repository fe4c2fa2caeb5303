#pragma once

#include "batch/JobOptions.h"
#include "batch/PhraseListener.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Where each pass of each phrase is in a practice file, as a subtitle file,
// a lyrics file or an audio editor's labels, for players and editors.
class CLabelWriter final : public CPhraseListener {
public:
    struct Entry {
        std::uint64_t phrase;
        std::uint64_t index; // where its text is
        std::size_t pass;
        std::uint64_t start, end; // samples of the practice file
    };

    CLabelWriter(LabelFormat format, std::uint32_t rate, std::size_t passes,
                 const PhraseTexts* texts = nullptr)
        : m_format(format), m_nRate(rate), m_nPasses(passes), m_texts(texts) {}

    bool PhraseSamples(const std::uint8_t*, std::size_t) override { return true; }
    bool PhraseEnd(const Phrase&) override { return true; }
    void Pass(const Phrase& phrase, std::size_t pass, std::uint64_t start,
              std::uint64_t end) override {
        m_entries.push_back({phrase.number, phrase.index, pass, start, end});
    }

    const std::vector<Entry>& Entries() const { return m_entries; }
    // The file's text, times rounded to the nearest unit the format allows.
    std::string Text() const;

private:
    LabelFormat m_format;
    std::uint32_t m_nRate;
    std::size_t m_nPasses;
    const PhraseTexts* m_texts; // read as the labels are written
    std::vector<Entry> m_entries;
};

// What follows a practice file's title in the name of its label file.
const char* LabelExtension(LabelFormat format);
