#pragma once

#include "audio/ByteStream.h"

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
class CBinaryFile final : public CByteStream {
public:
    enum class Mode { Read, CreateWrite };

    static constexpr std::size_t BufferSize = 256 * 1024;

    CBinaryFile() = default;
    ~CBinaryFile() override;

    bool Open(const std::filesystem::path& path, Mode mode);
    bool IsOpen() const { return m_fd >= 0; }

    std::size_t Read(void* buffer, std::size_t count) override;
    bool Write(const void* buffer, std::size_t count) override;
    bool Seek(std::int64_t offset) override;
    std::int64_t Tell() override;
    std::int64_t Size() override;
    bool Close() override; // flushes; false when that or the close failed
    bool Failed() const override { return m_bFailed; }
    // The system's reason for the first failure.
    std::string FailureReason() const override;

private:
    void Release();
    // Notes a failure and errno, its reason; false.
    bool Fail();
    bool FlushWrites();

    int m_fd = -1;
    bool m_bWriting = false;
    bool m_bFailed = false;
    int m_nError = 0; // errno of the first failure
    std::unique_ptr<std::uint8_t[]> m_buffer;
    std::size_t m_nPending = 0; // write mode: bytes waiting in the buffer
    std::size_t m_nReadPos = 0; // read mode: next unread byte in the buffer
    std::size_t m_nReadEnd = 0; // read mode: bytes held in the buffer
};
