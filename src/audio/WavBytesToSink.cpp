#include "audio/WavBytesToSink.h"

#include "audio/WavHeader.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

// The header fields that a rewrite at the end may change: the RIFF and data sizes.
bool IsSizeField(std::size_t offset) {
    return (offset >= 4 && offset < 8) || (offset >= 40 && offset < 44);
}

} // namespace

CWavBytesToSink::CWavBytesToSink(std::unique_ptr<CSampleSink> sink) : m_sink(std::move(sink)) {
    m_bFailed = !m_sink;
}

std::string CWavBytesToSink::FailureReason() const {
    return m_bFailed && m_sink ? m_sink->Failure() : std::string();
}

bool CWavBytesToSink::Fail() {
    m_bFailed = true;
    return false;
}

std::size_t CWavBytesToSink::Read(void* /*buffer*/, std::size_t /*count*/) {
    Fail();
    return 0;
}

bool CWavBytesToSink::Write(const void* buffer, std::size_t count) {
    return Put(static_cast<const std::uint8_t*>(buffer), count);
}

bool CWavBytesToSink::WriteZeros(std::size_t count) {
    // Straight into the encoder's frames, with no zero bytes in between.
    return Put(nullptr, count);
}

bool CWavBytesToSink::Put(const std::uint8_t* bytes, std::size_t count) {
    if (m_bFailed || m_bClosed)
        return Fail();
    try {
        if (m_nPosition < static_cast<std::int64_t>(HeaderSize)) {
            const std::size_t take =
                std::min(count, HeaderSize - static_cast<std::size_t>(m_nPosition));
            if (!PutHeader(bytes, take))
                return Fail();
            if (bytes)
                bytes += take;
            count -= take;
        }
        if (count == 0)
            return true;
        // Samples go only at the end: the one seek back is to the header.
        if (m_nPosition != m_nSize || !PutSamples(bytes, count))
            return Fail();
        return true;
    } catch (...) { // out of memory
        return Fail();
    }
}

bool CWavBytesToSink::PutHeader(const std::uint8_t* bytes, std::size_t count) {
    const auto at = static_cast<std::size_t>(m_nPosition);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t byte = bytes ? bytes[i] : 0;
        if (!m_bHeaderDone)
            m_header[at + i] = byte;
        else if (m_header[at + i] != byte && !IsSizeField(at + i))
            return false; // a rewrite may change the sizes, nothing else
    }
    m_nPosition += static_cast<std::int64_t>(count);
    m_nSize = std::max(m_nSize, m_nPosition);
    if (m_bHeaderDone || m_nPosition < static_cast<std::int64_t>(HeaderSize))
        return true;
    m_bHeaderDone = true;
    WavHeader header;
    std::memcpy(&header, m_header.data(), sizeof header);
    return HeaderIsValid() && m_sink->Begin(header.sampleRate);
}

bool CWavBytesToSink::HeaderIsValid() const {
    WavHeader h;
    std::memcpy(&h, m_header.data(), sizeof h);
    return std::memcmp(h.riffId, "RIFF", 4) == 0 && std::memcmp(h.waveId, "WAVE", 4) == 0 &&
           std::memcmp(h.fmtId, "fmt ", 4) == 0 && std::memcmp(h.dataId, "data", 4) == 0 &&
           h.fmtSize == 16 && h.formatTag == 1 && h.channels == 1 && h.blockAlign == 2 &&
           h.bitsPerSample == 16 && h.sampleRate > 0 &&
           std::uint64_t{h.byteRate} == 2 * std::uint64_t{h.sampleRate};
}

bool CWavBytesToSink::PutSamples(const std::uint8_t* bytes, std::size_t count) {
    m_nPosition += static_cast<std::int64_t>(count);
    m_nSize = m_nPosition;
    if (m_bHasOddByte) {
        const std::uint8_t sample[2] = {m_oddByte, bytes ? bytes[0] : std::uint8_t{0}};
        if (!m_sink->Write(sample, 1))
            return false;
        m_bHasOddByte = false;
        if (bytes)
            ++bytes;
        --count;
    }
    if (!(bytes ? m_sink->Write(bytes, count / 2) : m_sink->WriteSilence(count / 2)))
        return false;
    if (count % 2 != 0) {
        m_bHasOddByte = true;
        m_oddByte = bytes ? bytes[count - 1] : 0;
    }
    return true;
}

bool CWavBytesToSink::Seek(std::int64_t offset) {
    if (m_bFailed || m_bClosed)
        return Fail();
    // Back to rewrite the header with its final sizes, or from there to the end again.
    const bool allowed =
        offset == m_nPosition ||
        (m_bHeaderDone && (offset == 0 || (offset == m_nSize &&
                                           m_nPosition <= static_cast<std::int64_t>(HeaderSize))));
    if (!allowed)
        return Fail();
    m_nPosition = offset;
    return true;
}

bool CWavBytesToSink::Close() {
    if (m_bClosed)
        return !m_bFailed;
    m_bClosed = true;
    // A last odd byte is half a sample, which no WAV reader would play either.
    const bool finished = m_sink && m_sink->Finish();
    if (!finished || !m_bHeaderDone)
        m_bFailed = true;
    return !m_bFailed;
}
