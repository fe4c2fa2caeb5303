#include "batch/JobFiles.h"

#include <sys/stat.h>

std::pair<std::uintmax_t, std::uintmax_t> CJobFiles::Identity(const std::filesystem::path& path,
                                                              bool& found) {
    struct stat st {};
    found = ::stat(path.c_str(), &st) == 0;
    return {found ? st.st_dev : 0, found ? st.st_ino : 0};
}

std::unique_ptr<CByteStream> CJobFiles::Open(const std::filesystem::path& path, bool forWriting) {
    if (!forWriting)
        return m_files.Open(path, false);
    // Another name for a file written before (other letter case on a
    // case-insensitive disk, a link) is caught by its identity.
    bool found = false;
    const auto before = Identity(path, found);
    const std::string spelled = path.lexically_normal().string();
    if ((found && m_written.count(before) != 0) || m_writtenPaths.count(spelled) != 0)
        return nullptr;
    auto stream = m_files.Open(path, true);
    if (!stream)
        return nullptr;
    const auto created = Identity(path, found);
    if (found)
        m_written.insert(created);
    m_writtenPaths.insert(spelled); // also for streams that are not on disk
    return stream;
}
