#pragma once

#include <string>
#include <vector>

// One file a job's source holds.
struct ListedFile {
    std::string path;
    std::string name;
    std::string title; // the name without its extension
};

// A job's source as the job found it when it was put together: a folder's
// entries or a single file, listed once, so that the files whose subtitles
// were checked are the files converted and reported on, and a file added
// meanwhile is in none of them.
class CSourceListing {
public:
    enum class Kind { None, Folder, File };

    CSourceListing() = default;
    // Lists source, a path taken literally.
    explicit CSourceListing(std::string source);

    const std::string& Source() const { return m_source; }
    Kind SourceKind() const { return m_kind; }
    // The files the job takes: a folder's whose names match pattern (as
    // MatchesWildcard takes it), in the folder search's name order; or the
    // single file.
    std::vector<ListedFile> Files(const std::string& folderPattern) const;

private:
    std::string m_source;
    Kind m_kind = Kind::None;
    std::vector<ListedFile> m_files; // a folder's, its folders left out
};
