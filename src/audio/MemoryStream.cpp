#include "audio/MemoryStream.h"

#include <algorithm>
#include <cstring>

CMemoryStream::CMemoryStream(std::span<const std::uint8_t> bytes) : m_source(bytes) {}

CMemoryStream::CMemoryStream(const std::string& bytes)
    : m_source(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()) {}

CMemoryStream::CMemoryStream(std::string* sink) : m_pSink(sink) {
    sink->clear();
}

std::size_t CMemoryStream::Read(void* buffer, std::size_t count) {
    if (m_pSink) {
        m_bFailed = true;
        return 0;
    }
    const std::size_t n =
        m_nPosition < m_source.size() ? std::min(count, m_source.size() - m_nPosition) : 0;
    if (n > 0)
        std::memcpy(buffer, m_source.data() + m_nPosition, n);
    m_nPosition += n;
    return n;
}

bool CMemoryStream::Write(const void* buffer, std::size_t count) {
    if (!m_pSink || m_bFailed) {
        m_bFailed = true;
        return false;
    }
    // Past the end, as after a seek there, the gap reads as zeros, as in a file.
    if (m_pSink->size() < m_nPosition + count)
        m_pSink->resize(m_nPosition + count, '\0');
    if (count > 0)
        std::memcpy(m_pSink->data() + m_nPosition, buffer, count);
    m_nPosition += count;
    return true;
}

bool CMemoryStream::Seek(std::int64_t offset) {
    if (offset < 0) {
        m_bFailed = true;
        return false;
    }
    m_nPosition = static_cast<std::size_t>(offset);
    return true;
}

std::int64_t CMemoryStream::Size() {
    return static_cast<std::int64_t>(m_pSink ? m_pSink->size() : m_source.size());
}
