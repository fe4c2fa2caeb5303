#pragma once

#include "audio/ByteStream.h"

#include <cstdint>
#include <span>
#include <string>

// Bytes in memory as a stream, for the tests and the fuzzers: either read
// from bytes that the caller keeps alive, or written into a string that the
// caller owns (emptied first, as a created file is).
class CMemoryStream : public CByteStream {
public:
    explicit CMemoryStream(std::span<const std::uint8_t> bytes);
    explicit CMemoryStream(const std::string& bytes);
    // A temporary would be gone before the first read.
    explicit CMemoryStream(std::string&& bytes) = delete;
    // Written into *sink.
    explicit CMemoryStream(std::string* sink);

    std::size_t Read(void* buffer, std::size_t count) override;
    bool Write(const void* buffer, std::size_t count) override;
    bool Seek(std::int64_t offset) override;
    std::int64_t Tell() override { return static_cast<std::int64_t>(m_nPosition); }
    std::int64_t Size() override;
    bool Close() override { return !m_bFailed; }
    bool Failed() const override { return m_bFailed; }

private:
    std::span<const std::uint8_t> m_source; // reading
    std::string* m_pSink = nullptr;         // writing
    std::size_t m_nPosition = 0;
    bool m_bFailed = false;
};
