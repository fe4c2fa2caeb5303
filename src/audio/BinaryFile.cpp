#include "audio/BinaryFile.h"

#include "audio/ErrorReason.h"
#include "audio/WriteAll.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

CBinaryFile::~CBinaryFile() {
    Close();
}

bool CBinaryFile::Open(const std::filesystem::path& path, Mode mode) {
    Close();
    m_bFailed = false;
    const bool writing = mode == Mode::CreateWrite;
    // No O_TRUNC: the file is truncated only once the lock is ours. O_NONBLOCK
    // keeps a FIFO from blocking the open; anything but a regular file is refused.
    const int flags = (writing ? O_WRONLY | O_CREAT : O_RDONLY) | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
    const int fd = ::open(path.c_str(), flags, 0644);
    if (fd < 0)
        return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || ::flock(fd, LOCK_EX | LOCK_NB) != 0 ||
        (writing && ::ftruncate(fd, 0) != 0)) {
        // Not a regular file, or held by another (the source, say): as the caller sees it, busy.
        const int error = S_ISREG(st.st_mode) && errno != EWOULDBLOCK ? errno : EBUSY;
        ::close(fd);
        errno = error;
        return false;
    }
    const int fl = ::fcntl(fd, F_GETFL);
    if (fl >= 0)
        ::fcntl(fd, F_SETFL, fl & ~O_NONBLOCK);
    m_fd = fd;
    m_bWriting = writing;
    if (!m_buffer)
        m_buffer = std::make_unique_for_overwrite<std::uint8_t[]>(BufferSize); // touched as used
    m_nPending = m_nReadPos = m_nReadEnd = 0;
    return true;
}

std::size_t CBinaryFile::Read(void* buffer, std::size_t count) {
    if (m_fd < 0 || m_bWriting) {
        m_bFailed = true;
        return 0;
    }
    auto* out = static_cast<std::uint8_t*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        if (m_nReadPos == m_nReadEnd) {
            const std::size_t want = count - done;
            // A large request bypasses the buffer; a small one refills it.
            std::uint8_t* target = want >= BufferSize ? out + done : m_buffer.get();
            const std::size_t size = want >= BufferSize ? want : BufferSize;
            ssize_t n;
            do {
                n = ::read(m_fd, target, size);
            } while (n < 0 && errno == EINTR);
            if (n < 0) {
                Fail();
                break;
            }
            if (n == 0)
                break;
            if (target != m_buffer.get()) {
                done += static_cast<std::size_t>(n);
                continue;
            }
            m_nReadPos = 0;
            m_nReadEnd = static_cast<std::size_t>(n);
        }
        const std::size_t take = std::min(count - done, m_nReadEnd - m_nReadPos);
        std::memcpy(out + done, m_buffer.get() + m_nReadPos, take);
        m_nReadPos += take;
        done += take;
    }
    return done;
}

bool CBinaryFile::Write(const void* buffer, std::size_t count) {
    if (m_fd < 0 || !m_bWriting || m_bFailed)
        return false;
    const auto* in = static_cast<const std::uint8_t*>(buffer);
    if (m_nPending + count > BufferSize) {
        if (!FlushWrites())
            return false;
        if (count >= BufferSize) {
            if (!WriteAll(m_fd, in, count))
                return Fail();
            return true;
        }
    }
    std::memcpy(m_buffer.get() + m_nPending, in, count);
    m_nPending += count;
    return true;
}

bool CBinaryFile::FlushWrites() {
    if (m_nPending == 0)
        return true;
    const bool ok = WriteAll(m_fd, m_buffer.get(), m_nPending);
    m_nPending = 0;
    return ok || Fail();
}

bool CBinaryFile::Seek(std::int64_t offset) {
    if (m_fd < 0 || offset < 0 || (m_bWriting && !FlushWrites())) {
        m_bFailed = true;
        return false;
    }
    m_nReadPos = m_nReadEnd = 0;
    if (::lseek(m_fd, static_cast<off_t>(offset), SEEK_SET) < 0)
        return Fail();
    return true;
}

std::int64_t CBinaryFile::Tell() {
    if (m_fd < 0)
        return -1;
    const off_t at = ::lseek(m_fd, 0, SEEK_CUR);
    if (at < 0)
        return -1;
    // What sits in our buffers is ahead of (writing) or behind (reading) the descriptor.
    return m_bWriting ? at + static_cast<off_t>(m_nPending)
                      : at - static_cast<off_t>(m_nReadEnd - m_nReadPos);
}

std::int64_t CBinaryFile::Size() {
    struct stat st {};
    if (m_fd < 0 || ::fstat(m_fd, &st) != 0)
        return -1;
    return std::max<std::int64_t>(st.st_size, m_bWriting ? Tell() : 0);
}

bool CBinaryFile::Close() {
    if (m_fd < 0)
        return true;
    bool ok = true;
    if (m_bWriting)
        ok = FlushWrites() && !m_bFailed;
    if (::close(m_fd) != 0 && m_bWriting)
        ok = Fail();
    Release();
    return ok;
}

bool CBinaryFile::Fail() {
    if (!m_bFailed)
        m_nError = errno;
    m_bFailed = true;
    return false;
}

std::string CBinaryFile::FailureReason() const {
    return m_bFailed ? ErrorReason(m_nError) : std::string();
}

void CBinaryFile::Release() {
    m_fd = -1;
    m_nPending = m_nReadPos = m_nReadEnd = 0;
}
