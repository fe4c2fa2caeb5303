#pragma once

#include "audio/ByteStream.h"

#include <cstdint>
#include <memory>

// A stream that fails where a disk would: it passes everything on to another
// stream until a read or a write crosses the given byte offset. That call
// gets as far as the offset, then fails, and so does everything after it, as
// with a bad sector on reading or a full disk on writing.
class CFailingStream : public CByteStream {
public:
    CFailingStream(std::unique_ptr<CByteStream> inner, std::int64_t failAt);

    std::size_t Read(void* buffer, std::size_t count) override;
    bool Write(const void* buffer, std::size_t count) override;
    bool Seek(std::int64_t offset) override;
    std::int64_t Tell() override { return m_inner->Tell(); }
    std::int64_t Size() override { return m_inner->Size(); }
    bool Close() override;
    bool Failed() const override { return m_bFailed || m_inner->Failed(); }
    // A disk's reason: no space left for a write, an input/output error for a read.
    std::string FailureReason() const override;

private:
    // How much of count bytes from the current position stays before the offset.
    std::size_t Allowed(std::size_t count);

    std::unique_ptr<CByteStream> m_inner;
    std::int64_t m_nFailAt;
    bool m_bFailed = false;
    int m_nError = 0; // the errno a disk would have given
};
