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

// Removes a temporary file or folder with what it holds.
void Discard(const fs::path& temporary) {
    std::error_code ignored;
    fs::remove_all(temporary, ignored);
}

// A new, hidden file (or folder) beside path, made by us alone: its name, or empty.
fs::path CreateTemporary(const fs::path& path, bool folder = false) {
    thread_local std::minstd_rand random(std::random_device{}());
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, ".%08x.part", static_cast<unsigned>(random()));
        // Appended rather than "." + a temporary string, which GCC 12 at -O2
        // takes for an overlapping copy (a false -Wrestrict warning).
        std::string name = ".";
        name.append(path.filename().string()).append(suffix);
        fs::path temporary = path;
        temporary.replace_filename(name);
        if (folder) {
            if (::mkdir(temporary.c_str(), 0755) == 0)
                return temporary;
        } else if (const int fd = ::open(temporary.c_str(),
                                         O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0644);
                   fd >= 0) {
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
    const std::scoped_lock lock(m_mutex);
    for (const auto& [path, temporary] : m_pending)
        Discard(temporary);
}

std::unique_ptr<CByteStream> CFileOpener::Open(const fs::path& path, bool forWriting) {
    auto file = std::make_unique<CBinaryFile>();
    if (!file->Open(path, forWriting ? CBinaryFile::Mode::CreateWrite : CBinaryFile::Mode::Read))
        return nullptr;
    return file;
}

std::unique_ptr<CByteStream> CFileOpener::OpenReplacing(const fs::path& path) {
    const std::scoped_lock lock(m_mutex);
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

fs::path CFileOpener::OpenFolderReplacing(const fs::path& path) {
    const std::scoped_lock lock(m_mutex);
    std::error_code ec;
    const fs::file_status st = fs::symlink_status(path, ec);
    if (m_pending.count(path) != 0 || (fs::exists(st) && !fs::is_directory(st)))
        return {};
    fs::path temporary = CreateTemporary(path, true);
    if (!temporary.empty())
        m_pending.emplace(path, temporary);
    return temporary;
}

bool CFileOpener::Commit(const fs::path& path) {
    const std::scoped_lock lock(m_mutex);
    const auto found = m_pending.find(path);
    if (found == m_pending.end())
        return false;
    const fs::path temporary = found->second;
    m_pending.erase(found);
    // A folder cannot be renamed over one that holds files: the two are
    // swapped in one step, and the old one then goes.
    std::error_code ec;
    const bool swap = fs::is_directory(temporary, ec) && fs::is_directory(path, ec);
    const bool renamed = swap ? ::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, path.c_str(),
                                            RENAME_EXCHANGE) == 0
                              : ::rename(temporary.c_str(), path.c_str()) == 0;
    Discard(temporary);
    return renamed;
}

void CFileOpener::Remove(const fs::path& path) {
    const std::scoped_lock lock(m_mutex);
    if (const auto found = m_pending.find(path); found != m_pending.end()) {
        Discard(found->second);
        m_pending.erase(found);
        return;
    }
    std::error_code ignored; // nothing more can be done about a file that stays
    fs::remove(path, ignored);
}
