#include "batch/JobSubtitles.h"

namespace {
std::size_t KeptBytes(const SourceSubtitles& read) {
    std::size_t bytes = 0;
    if (read.cues)
        for (const SubtitleCue& cue : *read.cues)
            bytes += sizeof cue + cue.text.size();
    return bytes;
}
} // namespace

std::string CJobSubtitles::Read(CFileOpener& files,
                                const std::vector<std::filesystem::path>& sources,
                                const std::string& phrasesFrom, bool beside) {
    m_bRead = true;
    m_bBeside = beside && phrasesFrom.empty();
    if (!phrasesFrom.empty()) {
        SourceSubtitles& read = m_phrasesFrom.emplace();
        read.cues = ReadSubtitles(files, phrasesFrom, false, read.error);
        return read.error;
    }
    if (!m_bBeside)
        return {};
    for (const std::filesystem::path& source : sources) {
        SourceSubtitles& read = m_beside[source];
        read.cues = ReadSubtitlesBeside(files, source, read.error);
        if (!read.error.empty())
            return read.error;
        if (const std::size_t bytes = KeptBytes(read); bytes <= m_nRoom)
            m_nRoom -= bytes;
        else
            m_beside.erase(source);
    }
    return {};
}

const SourceSubtitles* CJobSubtitles::Of(const std::filesystem::path& source) const {
    if (m_phrasesFrom)
        return &*m_phrasesFrom;
    if (!m_bBeside)
        return m_bRead ? &m_none : nullptr;
    const auto found = m_beside.find(source);
    return found == m_beside.end() ? nullptr : &found->second;
}
