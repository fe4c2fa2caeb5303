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
// nothing, and no file is opened twice.
class CJobSubtitles {
public:
    // Reads, with files, those the options name: the file phrasesFrom, for
    // every source, or else when beside is set those beside each of sources.
    // Stops at the first that cannot be read: its error, or "".
    std::string Read(CFileOpener& files, const std::vector<std::filesystem::path>& sources,
                     const std::string& phrasesFrom, bool beside);
    // Those read for source; null when nothing was read for it.
    const SourceSubtitles* Of(const std::filesystem::path& source) const;

private:
    bool m_bRead = false;
    bool m_bBeside = false;
    std::optional<SourceSubtitles> m_phrasesFrom;
    std::map<std::filesystem::path, SourceSubtitles> m_beside;
    SourceSubtitles m_none; // the options take none
};
