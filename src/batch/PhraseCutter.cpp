#include "batch/PhraseCutter.h"

#include <algorithm>

namespace {

double MeanSquare(const std::uint8_t* samples, std::size_t count) {
    double sum = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const auto sample = static_cast<std::int16_t>(samples[2 * i] | samples[2 * i + 1] << 8);
        sum += static_cast<double>(sample) * sample;
    }
    return count > 0 ? sum / static_cast<double>(count) : 0;
}

} // namespace

CPhraseCutter::CPhraseCutter(std::uint64_t maxBlocks, PhraseTexts* texts)
    : m_nMaxBlocks(maxBlocks), m_texts(texts) {}

void CPhraseCutter::Push(const std::uint8_t* samples, std::size_t count, bool phraseEndsBefore,
                         LoudSpan speech) {
    Held held{{std::vector<std::uint8_t>(samples, samples + 2 * count), phraseEndsBefore, speech},
              m_nMaxBlocks > 0 ? MeanSquare(samples, count) : 0};
    m_held.push_back(std::move(held));
    if (phraseEndsBefore && m_nPhraseBlocks > 0) {
        ++m_nPhrases;
        m_nPhraseBlocks = 0;
    }
    ++m_nPhraseBlocks;
    if (m_nMaxBlocks > 0 && m_nPhraseBlocks > m_nMaxBlocks)
        Cut();
}

void CPhraseCutter::Cut() {
    // The phrase is the last m_nPhraseBlocks blocks; it may end at any boundary
    // of its last third, the one before the block just come the latest.
    const std::uint64_t length = m_nPhraseBlocks - 1;
    // Its first blocks may be gone already; its last third is held.
    const std::size_t start =
        m_held.size() -
        std::min<std::size_t>(m_held.size(), static_cast<std::size_t>(m_nPhraseBlocks));
    const std::size_t third = static_cast<std::size_t>(std::max<std::uint64_t>(1, length / 3));
    const std::size_t first = std::max(start + 1, m_held.size() - 1 - third);
    std::size_t best = m_held.size() - 1;
    double quietest = -1;
    for (std::size_t at = first; at < m_held.size(); ++at) {
        // Quiet on both sides: a boundary between words, not a word's quiet consonant.
        const double loudness = m_held[at - 1].loudness + m_held[at].loudness;
        if (quietest < 0 || loudness <= quietest) {
            quietest = loudness;
            best = at;
        }
    }
    m_held[best].block.phraseEndsBefore = true;
    ++m_nPhrases;
    m_nPhraseBlocks = m_held.size() - best;
    if (m_texts && *m_texts && m_nPhrases < (*m_texts)->size())
        (*m_texts)->insert((*m_texts)->begin() + static_cast<std::ptrdiff_t>(m_nPhrases), "");
}

bool CPhraseCutter::Pop(Block& block) {
    // A cut may reach a third of the longest phrase back: so many stay held.
    const std::size_t kept =
        m_bEnded || m_nMaxBlocks == 0 ? 0 : static_cast<std::size_t>(m_nMaxBlocks / 3 + 1);
    if (m_held.size() <= kept)
        return false;
    block = std::move(m_held.front().block);
    m_held.pop_front();
    return true;
}
