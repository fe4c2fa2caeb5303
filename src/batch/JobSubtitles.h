#pragma once

#include "audio/FileOpener.h"
#include "batch/Subtitles.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

// What reading the subtitles of one source gave, as ReadSourceSubtitles
// gives it: the cues, none, or why they cannot be read.
struct SourceSubtitles {
    std::optional<std::vector<SubtitleCue>> cues;
    std::string error;
};

// The subtitles of a job's sources, each file read once before anything is
// converted, and kept for the conversion: a file changed meanwhile changes
// nothing, and no file is opened twice. What is kept has a limit, so that a
// folder of huge subtitle files cannot fill the memory: past it, a source's
// subtitles are checked and dropped, and its conversion reads them again.
class CJobSubtitles {
public:
    static constexpr std::size_t DefaultKeptBytes = 64 * 1024 * 1024;

    explicit CJobSubtitles(std::size_t keptBytes = DefaultKeptBytes) : m_nRoom(keptBytes) {}

    // Reads, with files, those the options name: the file phrasesFrom, for
    // every source, or else when beside is set those beside each of sources.
    // Stops at the first that cannot be read: its error, or "".
    std::string Read(CFileOpener& files, const std::vector<std::filesystem::path>& sources,
                     const std::string& phrasesFrom, bool beside);
    // Those read for source; null when nothing was read or kept for it.
    const SourceSubtitles* Of(const std::filesystem::path& source) const;

private:
    bool m_bRead = false;
    bool m_bBeside = false;
    std::optional<SourceSubtitles> m_phrasesFrom;
    std::map<std::filesystem::path, SourceSubtitles> m_beside;
    SourceSubtitles m_none; // the options take none
    std::size_t m_nRoom;    // bytes of cues that may still be kept
};
