#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>

// A binary file on a POSIX descriptor, held exclusively while open.
//
// The exclusive advisory lock is taken right after opening and before a
// destination is truncated, so opening for writing a file that another
// object holds (the source itself, say) fails and leaves its bytes intact.
// Writes go through a buffer of our own; reads are buffered too. Failures are
// false results, never exceptions, and stick in Failed().
class CBinaryFile {
public:
    enum class Mode { Read, CreateWrite };

    static constexpr std::size_t BufferSize = 256 * 1024;

    CBinaryFile() = default;
    CBinaryFile(const CBinaryFile&) = delete;
    CBinaryFile& operator=(const CBinaryFile&) = delete;
    ~CBinaryFile();

    bool Open(const std::filesystem::path& path, Mode mode);
    bool IsOpen() const { return m_fd >= 0; }

    // Reads up to count bytes; returns how many were read, 0 at the end or on failure.
    std::size_t Read(void* buffer, std::size_t count);
    bool Write(const void* buffer, std::size_t count);
    // Appends count zero bytes.
    bool WriteZeros(std::size_t count);
    bool Seek(std::int64_t offset); // absolute, from the beginning
    bool Close();                   // flushes; false when that or the close failed

    // True once a read, write, seek or flush has failed on this file.
    bool Failed() const { return m_bFailed; }

private:
    void Release();
    bool FlushWrites();

    int m_fd = -1;
    bool m_bWriting = false;
    bool m_bFailed = false;
    std::unique_ptr<std::uint8_t[]> m_buffer;
    std::size_t m_nPending = 0; // write mode: bytes waiting in the buffer
    std::size_t m_nReadPos = 0; // read mode: next unread byte in the buffer
    std::size_t m_nReadEnd = 0; // read mode: bytes held in the buffer
};
