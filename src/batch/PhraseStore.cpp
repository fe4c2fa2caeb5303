#include "batch/PhraseStore.h"

#include "audio/WriteAll.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

constexpr std::size_t ReadPiece = 256 * 1024;

} // namespace

CPhraseStore::CPhraseStore(std::filesystem::path folder, std::size_t memoryLimit)
    : m_folder(std::move(folder)), m_nMemoryLimit(memoryLimit) {}

CPhraseStore::~CPhraseStore() {
    Clear();
}

bool CPhraseStore::Spill() {
    // Unnamed: the file system removes it when it is closed, or the program ends.
    const std::filesystem::path folder = m_folder.empty() ? "." : m_folder;
    m_fd = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (m_fd < 0) {
        // A file system without unnamed files: a named one, unlinked at once.
        std::string name = (folder / ".brellow-phrase-XXXXXX").string();
        m_fd = ::mkostemp(name.data(), O_CLOEXEC);
        if (m_fd < 0)
            return false;
        ::unlink(name.c_str());
    }
    if (!WriteAll(m_fd, m_memory.data(), m_memory.size()))
        return false;
    m_memory = {};
    return true;
}

bool CPhraseStore::Append(const std::uint8_t* samples, std::size_t count) {
    const std::size_t bytes = 2 * count;
    if (m_fd < 0 && m_memory.size() + bytes > m_nMemoryLimit && !Spill())
        return false;
    if (m_fd >= 0) {
        if (::lseek(m_fd, 0, SEEK_END) < 0 || !WriteAll(m_fd, samples, bytes))
            return false;
    } else {
        m_memory.insert(m_memory.end(), samples, samples + bytes);
    }
    m_nBytes += bytes;
    return true;
}

bool CPhraseStore::Read(
    const std::function<bool(const std::uint8_t* samples, std::size_t count)>& read) {
    if (m_fd < 0) {
        for (std::size_t at = 0; at < m_memory.size(); at += ReadPiece) {
            const std::size_t take = std::min(ReadPiece, m_memory.size() - at);
            if (!read(m_memory.data() + at, take / 2))
                return false;
        }
        return true;
    }
    const auto buffer = std::make_unique_for_overwrite<std::uint8_t[]>(ReadPiece);
    for (std::uint64_t at = 0; at < m_nBytes;) {
        const std::size_t want =
            static_cast<std::size_t>(std::min<std::uint64_t>(ReadPiece, m_nBytes - at));
        const ssize_t n = ::pread(m_fd, buffer.get(), want, static_cast<off_t>(at));
        if (n < 0 && errno == EINTR)
            continue;
        // Whole samples only: a piece that ends inside one is read again from it.
        const std::size_t whole = n > 0 ? static_cast<std::size_t>(n) & ~std::size_t{1} : 0;
        if (whole == 0 || !read(buffer.get(), whole / 2))
            return false;
        at += whole;
    }
    return true;
}

void CPhraseStore::Clear() {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_memory.clear();
    m_nBytes = 0;
}
