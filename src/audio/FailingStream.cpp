#include "audio/FailingStream.h"

#include "audio/ErrorReason.h"

#include <algorithm>
#include <cerrno>
#include <utility>

CFailingStream::CFailingStream(std::unique_ptr<CByteStream> inner, std::int64_t failAt)
    : m_inner(std::move(inner)), m_nFailAt(failAt) {}

std::size_t CFailingStream::Allowed(std::size_t count) {
    const std::int64_t at = m_inner->Tell();
    if (m_bFailed || at < 0)
        return 0;
    return static_cast<std::size_t>(
        std::clamp<std::int64_t>(m_nFailAt - at, 0, static_cast<std::int64_t>(count)));
}

std::size_t CFailingStream::Read(void* buffer, std::size_t count) {
    const std::size_t allowed = Allowed(count);
    const std::size_t n = allowed > 0 ? m_inner->Read(buffer, allowed) : 0;
    // A read that ends short of the offset met the end of the stream, not the
    // fault; so does one that reaches the offset where the stream ends.
    const std::int64_t size = m_inner->Size();
    if (n == allowed && allowed < count && (size < 0 || m_inner->Tell() < size)) {
        m_bFailed = true;
        m_nError = m_nError != 0 ? m_nError : EIO;
    }
    return n;
}

bool CFailingStream::Write(const void* buffer, std::size_t count) {
    const std::size_t allowed = Allowed(count);
    if (allowed > 0 && !m_inner->Write(buffer, allowed))
        return false;
    if (allowed < count) {
        m_bFailed = true;
        m_nError = m_nError != 0 ? m_nError : ENOSPC;
    }
    return !m_bFailed;
}

std::string CFailingStream::FailureReason() const {
    return m_bFailed ? ErrorReason(m_nError) : m_inner->FailureReason();
}

bool CFailingStream::Seek(std::int64_t offset) {
    return !m_bFailed && m_inner->Seek(offset);
}

bool CFailingStream::Close() {
    const bool closed = m_inner->Close();
    return closed && !m_bFailed;
}
