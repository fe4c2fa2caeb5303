#include "audio/FileOpener.h"

#include "audio/BinaryFile.h"

#include <cerrno>
#include <climits>
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
// source of the conversion holds its file exclusively). When not, errno says why.
bool MayReplace(const fs::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return errno == ENOENT;
    struct stat st {};
    int error = 0;
    if (::fstat(fd, &st) != 0)
        error = errno;
    else if (S_ISDIR(st.st_mode))
        error = EISDIR;
    else if (!S_ISREG(st.st_mode))
        error = EBUSY;
    else if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0)
        error = errno;
    else if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
        error = EBUSY; // held: the source, say
    ::close(fd);
    errno = error;
    return error == 0;
}

// Removes a temporary file or folder with what it holds; errno stays as it was.
void Discard(const fs::path& temporary) {
    const int error = errno;
    std::error_code ignored;
    fs::remove_all(temporary, ignored);
    errno = error;
}

// The first bytes of name, at most size of them, not cutting a character apart.
std::string Shortened(const std::string& name, std::size_t size) {
    if (name.size() <= size)
        return name;
    while (size > 0 && (static_cast<unsigned char>(name[size]) & 0xC0) == 0x80)
        --size;
    return name.substr(0, size);
}

// A new, hidden file (or folder) beside path, made by us alone: its name, or empty.
fs::path CreateTemporary(const fs::path& path, bool folder = false) {
    thread_local std::minstd_rand random(std::random_device{}());
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[16];
        const int length =
            std::snprintf(suffix, sizeof suffix, ".%08x.part", static_cast<unsigned>(random()));
        // Appended rather than "." + a temporary string, which GCC 12 at -O2
        // takes for an overlapping copy (a false -Wrestrict warning). A long
        // name is shortened so that the temporary's fits where the output's does.
        std::string name = ".";
        name.append(Shortened(path.filename().string(),
                              NAME_MAX - 1 - static_cast<std::size_t>(length)))
            .append(suffix);
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
    if (m_pending.count(path) != 0) {
        errno = EBUSY;
        return nullptr;
    }
    if (!MayReplace(path))
        return nullptr;
    const fs::path temporary = CreateTemporary(path);
    if (temporary.empty())
        return nullptr;
    auto file = std::make_unique<CBinaryFile>();
    if (!file->Open(temporary, CBinaryFile::Mode::CreateWrite)) {
        Discard(temporary);
        return nullptr;
    }
    m_pending.emplace(path, temporary);
    return file;
}

fs::path CFileOpener::OpenFolderReplacing(const fs::path& path) {
    const std::scoped_lock lock(m_mutex);
    std::error_code ec;
    const fs::file_status st = fs::symlink_status(path, ec);
    if (m_pending.count(path) != 0 || (fs::exists(st) && !fs::is_directory(st))) {
        errno = m_pending.count(path) != 0 ? EBUSY : EEXIST; // a file in the folder's place
        return {};
    }
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
    std::error_code ec;
    const bool swap = fs::is_directory(temporary, ec) && fs::is_directory(path, ec);
    const bool renamed =
        swap ? ReplaceFolder(temporary, path) : ::rename(temporary.c_str(), path.c_str()) == 0;
    Discard(temporary);
    return renamed;
}

bool CFileOpener::Exchange(const fs::path& first, const fs::path& second) {
    return ::renameat2(AT_FDCWD, first.c_str(), AT_FDCWD, second.c_str(), RENAME_EXCHANGE) == 0;
}

bool CFileOpener::ReplaceFolder(const fs::path& temporary, const fs::path& path) {
    // A folder cannot be renamed over one that holds files: the two are
    // swapped in one step, and the old one then goes with the temporary.
    if (Exchange(temporary, path))
        return true;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return false;
    // A file system without the swap: the old folder aside (over an empty
    // one made for the purpose), the new one in, the old one gone; put back
    // when the new one cannot go in.
    const fs::path aside = CreateTemporary(path, true);
    if (aside.empty() || ::rename(path.c_str(), aside.c_str()) != 0) {
        Discard(aside);
        return false;
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::rename(aside.c_str(), path.c_str());
        errno = error;
        return false;
    }
    Discard(aside);
    return true;
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
