#pragma once

#include "batch/PhraseListener.h"
#include "pause/LoudSpan.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

// Ends a phrase that reaches a longest length at the quietest block boundary
// of its last third, where the blocks on both sides are quietest, so that it
// falls between words wherever there is room between them. Blocks come out
// in order, as many blocks later as the third is long; with no longest
// length, at once.
class CPhraseCutter {
public:
    struct Block {
        std::vector<std::uint8_t> samples; // 16-bit, little-endian
        bool phraseEndsBefore = false;
        LoudSpan speech; // of the samples
    };

    // maxBlocks: the longest phrase in blocks, 0 for none. texts, when
    // given, gets an empty text for each phrase a cut starts, so that the
    // subtitles' texts stay with the first part.
    CPhraseCutter(std::uint64_t maxBlocks, PhraseTexts* texts);

    void Push(const std::uint8_t* samples, std::size_t count, bool phraseEndsBefore,
              LoudSpan speech);
    // The next block that is due, or false; after the last Push, End makes all due.
    bool Pop(Block& block);
    void End() { m_bEnded = true; }

private:
    struct Held {
        Block block;
        double loudness; // mean square
    };
    void Cut();

    std::uint64_t m_nMaxBlocks;
    PhraseTexts* m_texts;
    std::deque<Held> m_held;
    std::uint64_t m_nPhraseBlocks = 0; // of the phrase under way, held or not
    std::uint64_t m_nPhrases = 0;      // phrases ended so far
    bool m_bEnded = false;
};
