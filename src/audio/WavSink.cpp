#include "audio/WavSink.h"

#include <utility>

CWavSink::CWavSink(std::unique_ptr<CByteStream> stream, std::optional<std::uint32_t> statedDataSize)
    : m_statedDataSize(statedDataSize) {
    m_bFailed = !m_file.Open(std::move(stream), true);
}

bool CWavSink::Fail() {
    m_bFailed = true;
    return false;
}

bool CWavSink::WriteHeader(std::uint64_t dataSize) {
    m_file.InitPcmHeader(static_cast<std::uint32_t>(dataSize));
    m_file.SetSampleRate(m_nRate);
    return m_file.WriteHeader() || Fail();
}

bool CWavSink::Begin(std::uint32_t rate) {
    m_nRate = rate;
    return !m_bFailed && WriteHeader(m_statedDataSize.value_or(0));
}

bool CWavSink::Write(const std::uint8_t* samples, std::size_t count) {
    if (m_bFailed || !m_file.m_file->Write(samples, 2 * count))
        return Fail();
    m_nDataBytes += 2 * count;
    return true;
}

bool CWavSink::WriteSilence(std::uint64_t count) {
    if (m_bFailed || !m_file.WriteLongSilenceBytes(2 * count))
        return Fail();
    m_nDataBytes += 2 * count;
    return true;
}

bool CWavSink::Finish() {
    // Sizes past what the header's 32 bits hold are the caller's to refuse before.
    if (m_bFailed)
        return false;
    if (!m_statedDataSize && (!m_file.m_file->Seek(0) || !WriteHeader(m_nDataBytes)))
        return Fail();
    return m_file.Close() || Fail();
}

std::string CWavSink::FailureReason() const {
    return m_file.m_file ? m_file.m_file->FailureReason() : std::string();
}
