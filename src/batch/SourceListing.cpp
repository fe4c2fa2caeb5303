#include "batch/SourceListing.h"

#include "batch/FileFind.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

CSourceListing::CSourceListing(std::string source) : m_source(std::move(source)) {
    std::error_code ec;
    const fs::file_status status = fs::status(fs::path(m_source), ec); // none on any failure
    if (fs::is_directory(status))
        m_kind = Kind::Folder;
    else if (fs::is_regular_file(status))
        m_kind = Kind::File;
    else
        return;
    // Every entry, those whose names start with a dot too: the patterns choose later.
    CFileFind finder;
    for (bool more = finder.FindFile(m_source, m_kind == Kind::Folder ? "/*;.*" : ""); more;) {
        more = finder.FindNextFile();
        if (!finder.IsDots() && !finder.IsDirectory())
            m_files.push_back({finder.GetFilePath(), finder.GetFileName(), finder.GetFileTitle()});
    }
}

std::vector<ListedFile> CSourceListing::Files(const std::string& folderPattern) const {
    if (m_kind != Kind::Folder)
        return m_files;
    std::vector<ListedFile> matching;
    for (const ListedFile& file : m_files)
        if (MatchesWildcard(file.name, folderPattern))
            matching.push_back(file);
    return matching;
}
