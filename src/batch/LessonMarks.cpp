#include "batch/LessonMarks.h"

#include <algorithm>
#include <cstdlib>

CLessonMarks::CLessonMarks(std::span<const std::int16_t> samples, std::uint32_t rate,
                           std::uint32_t blockSamples, const std::vector<std::uint64_t>& ends)
    : m_samples(samples), m_nRate(rate), m_nBlock(blockSamples) {
    for (const std::uint64_t end : ends)
        if (end > 0 && end < Length() && (m_state.marks.empty() || m_state.marks.back() < end))
            m_state.marks.push_back(end);
    m_state.texts.resize(Phrases());
}

std::uint64_t CLessonMarks::Start(std::size_t phrase) const {
    return phrase == 0 ? 0 : m_state.marks[phrase - 1];
}

std::uint64_t CLessonMarks::End(std::size_t phrase) const {
    return phrase < m_state.marks.size() ? m_state.marks[phrase] : Length();
}

std::size_t CLessonMarks::PhraseAt(std::uint64_t position) const {
    const auto& marks = m_state.marks;
    return static_cast<std::size_t>(std::upper_bound(marks.begin(), marks.end(), position) -
                                    marks.begin());
}

std::size_t CLessonMarks::NearestMark(std::uint64_t position) const {
    const auto& marks = m_state.marks;
    const std::size_t after = static_cast<std::size_t>(
        std::lower_bound(marks.begin(), marks.end(), position) - marks.begin());
    if (after == marks.size())
        return after == 0 ? 0 : after - 1;
    if (after > 0 && position - marks[after - 1] < marks[after] - position)
        return after - 1;
    return after;
}

std::uint64_t CLessonMarks::Loudness(std::uint64_t position) const {
    const std::uint64_t half = std::max<std::uint64_t>(m_nRate / 200, 1);
    const std::uint64_t from = position > half ? position - half : 0;
    const std::uint64_t to = std::min(position + half, Length());
    std::uint64_t sum = 0;
    for (std::uint64_t i = from; i < to; ++i)
        sum += static_cast<std::uint64_t>(std::abs(static_cast<int>(m_samples[i])));
    return to > from ? sum / (to - from) : 0;
}

std::uint64_t CLessonMarks::Snap(std::uint64_t position) const {
    const std::uint64_t reach = static_cast<std::uint64_t>(SnapSeconds * m_nRate);
    const std::uint64_t low = position > reach ? position - reach : 0;
    std::uint64_t first = (low + m_nBlock - 1) / m_nBlock * m_nBlock;
    if (first > position + reach) // no boundary that close: the nearest one
        return (position + m_nBlock / 2) / m_nBlock * m_nBlock;
    std::uint64_t best = first;
    for (std::uint64_t at = first; at <= position + reach; at += m_nBlock) {
        const auto distance = [&](std::uint64_t p) {
            return p > position ? p - position : position - p;
        };
        const std::uint64_t loud = Loudness(at), bestLoud = Loudness(best);
        if (loud < bestLoud || (loud == bestLoud && distance(at) < distance(best)))
            best = at;
    }
    return best;
}

void CLessonMarks::Push() {
    m_undo.push_back(m_state);
    m_bModified = true;
}

bool CLessonMarks::Drag(std::size_t mark, std::uint64_t position) {
    auto& marks = m_state.marks;
    if (mark >= marks.size())
        return false;
    // At least one block from either neighbour, so that no phrase vanishes.
    const std::uint64_t low = (mark == 0 ? 0 : marks[mark - 1]) + m_nBlock;
    const std::uint64_t high = mark + 1 < marks.size() ? marks[mark + 1] : Length();
    if (high < m_nBlock || low > high - m_nBlock)
        return false;
    const std::uint64_t target = std::clamp(Snap(position), low, high - m_nBlock);
    const std::uint64_t snapped = target / m_nBlock * m_nBlock;
    if (snapped < low || snapped == marks[mark])
        return false;
    Push();
    marks[mark] = snapped;
    return true;
}

bool CLessonMarks::Nudge(std::size_t mark, int direction) {
    if (mark >= m_state.marks.size())
        return false;
    const std::uint64_t at = m_state.marks[mark];
    const std::uint64_t step =
        std::max<std::uint64_t>(static_cast<std::uint64_t>(NudgeSeconds * m_nRate), 1);
    std::uint64_t target = 0;
    if (direction > 0)
        target = (at + step + m_nBlock - 1) / m_nBlock * m_nBlock;
    else if (at >= step)
        target = (at - step) / m_nBlock * m_nBlock;
    auto& marks = m_state.marks;
    const std::uint64_t low = mark == 0 ? 0 : marks[mark - 1];
    const std::uint64_t high = mark + 1 < marks.size() ? marks[mark + 1] : Length();
    if (target <= low || target >= high)
        return false;
    Push();
    marks[mark] = target;
    return true;
}

bool CLessonMarks::Join(std::size_t phrase) {
    if (phrase >= m_state.marks.size())
        return false;
    Push();
    auto& texts = m_state.texts;
    const std::string& next = texts[phrase + 1];
    texts[phrase] += (texts[phrase].empty() || next.empty() ? "" : " ") + next;
    texts.erase(texts.begin() + static_cast<std::ptrdiff_t>(phrase) + 1);
    m_state.marks.erase(m_state.marks.begin() + static_cast<std::ptrdiff_t>(phrase));
    return true;
}

bool CLessonMarks::Split(std::size_t phrase, std::uint64_t position) {
    if (phrase >= Phrases())
        return false;
    const std::uint64_t at = Snap(position);
    if (at <= Start(phrase) || at >= End(phrase))
        return false;
    Push();
    const auto offset = static_cast<std::ptrdiff_t>(phrase);
    m_state.marks.insert(m_state.marks.begin() + offset, at);
    m_state.texts.insert(m_state.texts.begin() + offset + 1, std::string());
    return true;
}

bool CLessonMarks::Undo() {
    if (m_undo.empty())
        return false;
    m_state = std::move(m_undo.back());
    m_undo.pop_back();
    m_bModified = true;
    return true;
}

void CLessonMarks::TakeTexts(const std::vector<SubtitleCue>& cues) {
    for (const SubtitleCue& cue : cues) {
        const std::uint64_t end =
            std::min<std::uint64_t>((cue.endMs * m_nRate + 999) / 1000, Length());
        std::string& text = m_state.texts[PhraseAt(end == 0 ? 0 : end - 1)];
        if (!cue.text.empty())
            text += (text.empty() ? "" : " ") + cue.text;
    }
}

bool CLessonMarks::Load(const std::vector<SubtitleCue>& cues) {
    CLessonMarks loaded(m_samples, m_nRate, m_nBlock, PhraseEndsOfCues(cues, m_nRate, m_nBlock));
    loaded.TakeTexts(cues);
    if (cues.empty())
        return false;
    Push();
    m_state = loaded.m_state;
    return true;
}

std::uint64_t CLessonMarks::Ms(std::uint64_t samples, bool roundUp) const {
    return (samples * 1000 + (roundUp ? m_nRate - 1 : 0)) / m_nRate;
}

std::string CLessonMarks::SubRip() const {
    std::string text;
    for (std::size_t phrase = 0; phrase < Phrases(); ++phrase) {
        // A mark's time rounded down still reaches its block; the recording's
        // end rounded up cuts nothing off the last block.
        const bool last = phrase + 1 == Phrases();
        text += std::to_string(phrase + 1) + "\n" + SubRipTime(Ms(Start(phrase), false)) + " --> " +
                SubRipTime(Ms(End(phrase), last)) + "\n" + Text(phrase) + "\n\n";
    }
    return text;
}
