#include "audio/FileOpener.h"

#include "audio/BinaryFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// An existing file may be replaced only where it could be opened for
// writing: a regular file that we may write and that nobody holds (the
// source of the conversion holds its file exclusively).
bool MayReplace(const fs::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return errno == ENOENT;
    struct stat st {};
    const bool free = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
                      ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0 &&
                      ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return free;
}

// A new, hidden file beside path, made by us alone: its name, or empty.
fs::path CreateTemporary(const fs::path& path) {
    static std::minstd_rand random(std::random_device{}());
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, ".%08x.part", static_cast<unsigned>(random()));
        // Appended rather than "." + a temporary string, which GCC 12 at -O2
        // takes for an overlapping copy (a false -Wrestrict warning).
        std::string name = ".";
        name.append(path.filename().string()).append(suffix);
        fs::path temporary = path;
        temporary.replace_filename(name);
        const int fd =
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0644);
        if (fd >= 0) {
            ::close(fd);
            return temporary;
        }
        if (errno != EEXIST)
            break;
    }
    return {};
}

} // namespace

CFileOpener::~CFileOpener() {
    for (const auto& [path, temporary] : m_pending)
        ::unlink(temporary.c_str());
}

std::unique_ptr<CByteStream> CFileOpener::Open(const fs::path& path, bool forWriting) {
    auto file = std::make_unique<CBinaryFile>();
    if (!file->Open(path, forWriting ? CBinaryFile::Mode::CreateWrite : CBinaryFile::Mode::Read))
        return nullptr;
    return file;
}

std::unique_ptr<CByteStream> CFileOpener::OpenReplacing(const fs::path& path) {
    if (m_pending.count(path) != 0 || !MayReplace(path))
        return nullptr;
    const fs::path temporary = CreateTemporary(path);
    if (temporary.empty())
        return nullptr;
    auto file = std::make_unique<CBinaryFile>();
    if (!file->Open(temporary, CBinaryFile::Mode::CreateWrite)) {
        ::unlink(temporary.c_str());
        return nullptr;
    }
    m_pending.emplace(path, temporary);
    return file;
}

bool CFileOpener::Commit(const fs::path& path) {
    const auto found = m_pending.find(path);
    if (found == m_pending.end())
        return false;
    const bool renamed = ::rename(found->second.c_str(), path.c_str()) == 0;
    if (!renamed)
        ::unlink(found->second.c_str());
    m_pending.erase(found);
    return renamed;
}

void CFileOpener::Remove(const fs::path& path) {
    if (const auto found = m_pending.find(path); found != m_pending.end()) {
        ::unlink(found->second.c_str());
        m_pending.erase(found);
        return;
    }
    std::error_code ignored; // nothing more can be done about a file that stays
    fs::remove(path, ignored);
}
