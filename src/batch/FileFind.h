#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

// The directory search of the batch run: one path, or the entries of a
// folder whose names match a wildcard, letter case ignored, in
// case-insensitive name order.
//
// The listing is taken when the search starts, so files created while it is
// walked (the job's own output, say) never show up in it.
class CFileFind {
public:
    // Starts a search for path + pattern. An empty pattern searches for the
    // path itself; "/" (or "\") + wildcard searches the folder's entries, as
    // in "/*.WAV". True when anything matched.
    bool FindFile(const std::string& path, const std::string& pattern = {});
    // Moves to the next match; true when a further match follows it.
    bool FindNextFile();
    void Close();

    // Of the current match.
    bool IsDots() const;
    bool IsDirectory() const;
    std::string GetFileName() const;
    std::string GetFilePath() const;
    // The name without its extension.
    std::string GetFileTitle() const;

private:
    struct Match {
        std::string name;
        std::string path;
        bool directory;
    };

    std::vector<Match> m_matches;
    std::size_t m_nNext = 0; // one past the current match
};

// Wildcard match of a file name ('*' any run, '?' one byte), with ASCII
// letters compared without regard to case. As in a shell, names starting
// with a dot match only a pattern that starts with one. Patterns joined by
// ';' match a name that any of them matches.
bool MatchesWildcard(const std::string& name, const std::string& pattern);

// Name order of the search: ASCII letters compared without regard to case,
// ties and other bytes by their unsigned value, so the order is total.
bool FileNameLess(const std::string& a, const std::string& b);
