#include "audio/WavSink.h"

#include <utility>

CWavSink::CWavSink(std::unique_ptr<CByteStream> stream, std::optional<std::uint32_t> statedDataSize)
    : m_statedDataSize(statedDataSize) {
    if (!m_file.Open(std::move(stream), true))
        Fail();
}

bool CWavSink::WriteHeader(std::uint64_t dataSize) {
    m_file.InitPcmHeader(static_cast<std::uint32_t>(dataSize));
    m_file.SetSampleRate(m_nRate);
    return m_file.WriteHeader() || Fail();
}

bool CWavSink::Begin(std::uint32_t rate) {
    m_nRate = rate;
    return !Failed() && WriteHeader(m_statedDataSize.value_or(0));
}

bool CWavSink::Write(const std::uint8_t* samples, std::size_t count) {
    if (Failed() || !m_file.m_file->Write(samples, 2 * count))
        return Fail();
    m_nDataBytes += 2 * count;
    return true;
}

bool CWavSink::WriteSilence(std::uint64_t count) {
    if (Failed() || !m_file.WriteLongSilenceBytes(2 * count))
        return Fail();
    m_nDataBytes += 2 * count;
    return true;
}

bool CWavSink::Finish() {
    // Sizes past what the header's 32 bits hold are the caller's to refuse before.
    if (Failed())
        return false;
    if (!m_statedDataSize && (!m_file.m_file->Seek(0) || !WriteHeader(m_nDataBytes)))
        return Fail();
    return m_file.Close() || Fail();
}
