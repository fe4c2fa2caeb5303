#include "batch/JobFiles.h"

#include <cerrno>
#include <sys/stat.h>

std::pair<std::uintmax_t, std::uintmax_t> CJobFiles::Identity(const std::filesystem::path& path,
                                                              bool& found) {
    struct stat st {};
    found = ::stat(path.c_str(), &st) == 0;
    return {found ? st.st_dev : 0, found ? st.st_ino : 0};
}

bool CJobFiles::IsNew(const std::filesystem::path& path) const {
    // Another name for a file written before (other letter case on a
    // case-insensitive disk, a link) is caught by its identity.
    bool found = false;
    const auto identity = Identity(path, found);
    const bool isNew = !(found && m_written.count(identity) != 0) &&
                       m_writtenPaths.count(path.lexically_normal().string()) == 0;
    if (!isNew)
        errno = 0; // no fault of the system's: the question says it all
    return isNew;
}

void CJobFiles::Written(const std::filesystem::path& path) {
    bool found = false;
    const auto identity = Identity(path, found);
    if (found)
        m_written.insert(identity);
    m_writtenPaths.insert(path.lexically_normal().string()); // also for streams not on disk
}

std::unique_ptr<CByteStream> CJobFiles::Open(const std::filesystem::path& path, bool forWriting) {
    if (!forWriting)
        return m_files.Open(path, false);
    const std::scoped_lock lock(m_mutex);
    if (!IsNew(path))
        return nullptr;
    auto stream = m_files.Open(path, true);
    if (stream)
        Written(path);
    return stream;
}

std::unique_ptr<CByteStream> CJobFiles::OpenReplacing(const std::filesystem::path& path) {
    const std::scoped_lock lock(m_mutex);
    if (!IsNew(path))
        return nullptr;
    auto stream = m_files.OpenReplacing(path);
    if (stream) // by name now; by identity once it is in its place
        m_writtenPaths.insert(path.lexically_normal().string());
    return stream;
}

std::filesystem::path CJobFiles::OpenFolderReplacing(const std::filesystem::path& path) {
    const std::scoped_lock lock(m_mutex);
    if (!IsNew(path))
        return {};
    std::filesystem::path temporary = m_files.OpenFolderReplacing(path);
    if (!temporary.empty())
        m_writtenPaths.insert(path.lexically_normal().string());
    return temporary;
}

bool CJobFiles::Commit(const std::filesystem::path& path) {
    const std::scoped_lock lock(m_mutex);
    if (!m_files.Commit(path))
        return false;
    Written(path);
    return true;
}
