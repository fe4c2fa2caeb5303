#include "audio/WAVObj.h"

#include "audio/Abandon.h"
#include "audio/ByteOrder.h"
#include "audio/FileOpener.h"
#include "audio/Translation.h"
#include "audio/WAVException.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>

// Where a field of the format chunk lies from the start of the chunk, as in the record.
#define FMT_FIELD(field) (offsetof(WavHeader, field) - offsetof(WavHeader, format.fmtId))

CWAVObj::CWAVObj() {
    KeepHeaderAt(m_header.format,
                 reinterpret_cast<const std::uint8_t*>(&m_header) + offsetof(WavHeader, dataSize));
    ClearFields();
}

CWAVObj::~CWAVObj() {
    ClearFields();
}

void CWAVObj::ClearFields() {
    m_header = WavHeader{};
    m_dwDataPad = 0;
    m_nSamplesLeft = 0;
    m_dwBytesWritten = 0;
    m_dwBytesRead = 0;
    m_dwPhraseBytes = 0;
    m_dwQuietBytes = 0;
    m_dwLoudRun = 0;
}

void CWAVObj::Reset() {
    ClearFields();
}

void CWAVObj::InitPcmHeader(std::uint32_t dataSize) {
    std::memcpy(m_header.format.riffId, "RIFF", 4);
    m_header.format.riffSize = 36 + dataSize;
    std::memcpy(m_header.format.waveId, "WAVE", 4);
    std::memcpy(m_header.format.fmtId, "fmt ", 4);
    m_header.format.fmtSize = 16;
    m_header.format.formatTag = 1;
    m_header.format.channels = 1;
    m_header.format.sampleRate = 22050;
    m_header.format.byteRate = 44100;
    m_header.format.blockAlign = 2;
    m_header.format.bitsPerSample = 16;
    std::memcpy(m_header.dataId, "data", 4);
    m_header.dataSize = dataSize;
}

void CWAVObj::SetSampleRate(std::uint32_t rate) {
    m_header.format.sampleRate = rate;
    m_header.format.byteRate = rate * 2u; // 16-bit mono
}

std::int32_t CWAVObj::ParseHeader(const std::uint8_t* buffer, std::int32_t /*length*/) {
    Reset();
    const std::uint32_t p = ParseRiffChunk(buffer, 0, HeaderBytes());
    const FormatRule rules[] = {
        {FMT_FIELD(format.formatTag), 1, Tr("Job", "The WAV format must be PCM")},
        {FMT_FIELD(format.blockAlign), 2, Tr("Job", "The Block align must be 2")}};
    // The id, the size and the 16 bytes from the format tag to the bits per sample.
    constexpr std::size_t fmtAt = offsetof(WavHeader, format.fmtId);
    const std::uint32_t next = ParseFormatChunk(
        buffer, p, rules, {HeaderBytes() + fmtAt, offsetof(WavHeader, dataId) - fmtAt});
    ParseDataChunk(buffer, next, HeaderBytes() + offsetof(WavHeader, dataId));
    return GetHeaderSize();
}

std::uint32_t CWAVObj::ParseRiffChunk(const std::uint8_t* buffer, std::uint32_t position,
                                      std::uint8_t* destination) {
    if (!Fits(position, 12) || !HasId(buffer + position, "RIFF"))
        throw CWAVException(Tr("Job", "The RIFF chunk is missing"));
    if (!HasId(buffer + position + 8, "WAVE"))
        throw CWAVException(Tr("Job", "The WAVE chunk is missing"));
    std::memcpy(destination, buffer + position, 12);
    return position + 12;
}

std::uint32_t CWAVObj::ParseFormatChunk(const std::uint8_t* buffer, std::uint32_t position,
                                        std::span<const FormatRule> rules,
                                        std::span<std::uint8_t> destination) {
    const std::uint8_t* p = buffer + position;
    if (!Fits(position, destination.size()) || !HasId(p, "fmt "))
        throw CWAVException(Tr("Job", "The fmt chunk is missing"));
    for (const FormatRule& rule : rules)
        if (LoadU16(p + rule.offset) != rule.value)
            throw CWAVException(rule.broken);
    if (LoadU16(p + FMT_FIELD(format.channels)) != 1)
        throw CWAVException(Tr("Job", "The Number of channels must be 1"));
    std::memcpy(destination.data(), p, destination.size());
    // Positions beyond the buffer are reported as the next chunk missing.
    const std::uint64_t next = std::uint64_t{position} + 8 + LoadU32(p + FMT_FIELD(format.fmtSize));
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(next, HeaderBufferSize));
}

std::uint32_t CWAVObj::ParseDataChunk(const std::uint8_t* buffer, std::uint64_t position,
                                      std::uint8_t* destination) {
    if (!Fits(position, 8) || !HasId(buffer + position, "data"))
        throw CWAVException(Tr("Job", "The Data chunk is missing"));
    std::memcpy(destination, buffer + position, 8);
    m_dwDataPad = LoadU32(buffer + position + 4) & 1u;
    return static_cast<std::uint32_t>(position + 8);
}

std::int32_t CWAVObj::GetHeaderSize() {
    return static_cast<std::int32_t>(m_pFormat->riffSize - m_dwDataPad - GetDataSize() + 8u);
}

std::uint32_t CWAVObj::GetBlockAlign() {
    return m_pFormat->blockAlign;
}

std::uint32_t CWAVObj::GetDataSize() {
    std::uint32_t size;
    std::memcpy(&size, m_pDataSize, sizeof size);
    return size;
}

std::uint32_t CWAVObj::GetBitsPerSample() {
    return m_pFormat->bitsPerSample;
}

std::uint32_t CWAVObj::GetSampleCount() {
    const std::uint32_t bits = GetBitsPerSample();
    return bits == 0 ? 0 : GetDataSize() * 8u / bits;
}

std::uint32_t CWAVObj::GetSampleRate() {
    return m_pFormat->sampleRate;
}

bool CWAVObj::DecodeBlock(SampleBuffer& /*in*/, SampleBuffer& /*out*/) {
    return false;
}

bool CWAVObj::Open(const std::filesystem::path& path, bool forWriting) {
    Reset();
    m_file.reset(); // a file held from before is let go before the path is opened
    return Open(CFileOpener().Open(path, forWriting), forWriting);
}

bool CWAVObj::Open(std::unique_ptr<CByteStream> stream, bool forWriting) {
    Reset();
    m_file = std::move(stream);
    if (!m_file)
        return false;
    if (forWriting)
        return true;
    std::array<std::uint8_t, HeaderBufferSize> buffer{};
    const std::size_t n = m_file->Read(buffer.data(), buffer.size());
    if (m_file->Failed())
        return false;
    const std::int32_t size = ParseHeader(buffer.data(), static_cast<std::int32_t>(n));
    if (size < 1)
        return false;
    if (!m_file->Seek(size))
        return false;
    m_nSamplesLeft = static_cast<std::int32_t>(GetSampleCount());
    return true;
}

bool CWAVObj::ReadBlock(SampleBuffer& out) {
    SampleBuffer block(GetBlockAlign());
    return ReadRawBlock(block) && DecodeBlock(block, out);
}

bool CWAVObj::ReadRawBlock(SampleBuffer& block) {
    if (!m_file)
        return false;
    const std::size_t n = m_file->Read(block.data.get(), block.capacity);
    if (n == 0)
        return false;
    // Counted in 64 bits: the same as the signed 32-bit rule for every real
    // file, and no early end for a data chunk of 2 GiB or more.
    const std::int64_t remaining = std::int64_t{GetDataSize()} - m_dwBytesRead;
    if (remaining <= 0)
        return false;
    const auto count =
        static_cast<std::int32_t>(std::min<std::int64_t>(static_cast<std::int64_t>(n), remaining));
    block.SetLength(count);
    m_dwBytesRead += static_cast<std::uint32_t>(count);
    return true;
}

bool CWAVObj::Write(const SampleBuffer& buffer, bool countsAsAudio) {
    if (buffer.length < 0 || !m_file)
        return false;
    if (buffer.length > 0 &&
        !m_file->Write(buffer.data.get(), static_cast<std::size_t>(buffer.length)))
        return false;
    const auto length = static_cast<std::uint32_t>(buffer.length);
    if (countsAsAudio)
        m_dwPhraseBytes += length;
    m_dwBytesWritten += length;
    return true;
}

bool CWAVObj::WriteSilenceBytes(std::int32_t count) {
    if (count <= 0)
        return true;
    // One run through the file's buffer rather than 512-byte pieces; counted
    // only once all of it is taken.
    if (!m_file || !m_file->WriteZeros(static_cast<std::size_t>(count)))
        return false;
    m_dwBytesWritten += static_cast<std::uint32_t>(count);
    return true;
}

bool CWAVObj::WriteLongSilenceBytes(std::uint64_t count) {
    // Whole pieces of 256 KiB: a job given up at once stops between two of
    // them, where a long pause encoded in one piece would take seconds.
    return WriteInPieces(count, 0x40000, [this](std::uint64_t part) {
        return WriteSilenceBytes(static_cast<std::int32_t>(part));
    });
}

bool CWAVObj::WriteHeader() {
    const std::int32_t size = GetHeaderSize();
    std::array<std::uint8_t, HeaderBufferSize> buffer{};
    std::memcpy(buffer.data(), &m_header, sizeof m_header);
    if (!m_file)
        return false;
    if (size <= 0)
        return true;
    const auto count = std::min<std::size_t>(static_cast<std::size_t>(size), buffer.size());
    return m_file->Write(buffer.data(), count);
}

std::uint32_t CWAVObj::SecondsToBytes(double seconds) {
    const double product = static_cast<double>(GetSampleRate()) * seconds;
    // Truncated toward zero to 64 bits; only the low 32 bits are the sample count.
    const auto wide = static_cast<std::int64_t>(product);
    const auto samples = static_cast<std::uint32_t>(static_cast<std::uint64_t>(wide));
    return GetBitsPerSample() * (samples / 8u);
}

bool CWAVObj::Close() {
    return !m_file || m_file->Close();
}
