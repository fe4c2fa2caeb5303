#pragma once

#include "audio/ByteStream.h"
#include "audio/SampleBuffer.h"
#include "audio/WavHeader.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>

// One WAV file on disk: in its own right the 16-bit mono PCM file that every
// conversion writes, and the base of the ADPCM source.
class CWAVObj {
public:
    static constexpr std::size_t HeaderBufferSize = 1024;

    CWAVObj();
    // Not virtual on purpose: both classes live as locals and die as their own type.
    ~CWAVObj();
    CWAVObj(const CWAVObj&) = delete;
    CWAVObj& operator=(const CWAVObj&) = delete;

    // Virtual slots, in their fixed order.
    virtual void Reset();
    virtual void InitPcmHeader(std::uint32_t dataSize);
    virtual std::int32_t ParseHeader(const std::uint8_t* buffer, std::int32_t length);
    virtual std::int32_t GetHeaderSize();
    virtual std::uint32_t GetBlockAlign();
    virtual std::uint32_t GetDataSize();
    virtual std::uint32_t GetBitsPerSample();
    virtual std::uint32_t GetSampleCount();
    virtual std::uint32_t GetSampleRate();
    virtual bool DecodeBlock(SampleBuffer& in, SampleBuffer& out);

    bool Open(const std::filesystem::path& path, bool forWriting);
    // Open on a stream already open (for writing: empty), which the object then owns.
    bool Open(std::unique_ptr<CByteStream> stream, bool forWriting);
    bool ReadBlock(SampleBuffer& out);
    bool Write(const SampleBuffer& buffer, bool countsAsAudio);
    bool WriteSilenceBytes(std::int32_t count);
    // WriteSilenceBytes for counts of 2 GiB and more, which its signed count cannot
    // take. False, with what was written so far, once the job is abandoned.
    bool WriteLongSilenceBytes(std::uint64_t count);
    bool WriteHeader();
    std::uint32_t SecondsToBytes(double seconds);
    bool WriteWithPauses(SampleBuffer& block);

    // Sets the output rate and its byte rate (16-bit mono), after InitPcmHeader.
    void SetSampleRate(std::uint32_t rate);
    // Writes out what is buffered and closes; false when any write failed.
    bool Close();
    // True once a read, write or seek on the file has failed.
    bool HasFileError() const { return m_file && m_file->Failed(); }

    WavHeader m_header{};
    std::uint32_t m_dwDataPad = 0;
    std::unique_ptr<CByteStream> m_file; // null until opened
    std::int32_t m_nSamplesLeft = 0;
    std::uint32_t m_dwBytesWritten = 0;
    std::uint32_t m_dwBytesRead = 0;
    std::uint32_t m_dwPhraseBytes = 0;
    std::uint32_t m_dwQuietBytes = 0;
    std::uint32_t m_dwLoudRun = 0;

protected:
    // For a derived layout, from its constructor (once its header exists):
    // where that header keeps the fields that every WAV header has, which the
    // header getters read. A packed header may hold the data size at any
    // alignment, so it is given as its bytes.
    void KeepHeaderAt(const WavFormat& format, const std::uint8_t* dataSize) {
        m_pFormat = &format;
        m_pDataSize = dataSize;
    }

    // Header-walk steps; each throws CWAVException at the first rule broken.
    static bool Fits(std::uint64_t position, std::uint64_t count) {
        return position + count <= HeaderBufferSize;
    }
    std::uint32_t ParseRiffChunk(const std::uint8_t* buffer, std::uint32_t position,
                                 std::uint8_t* destination);
    // A 16-bit field of the fmt chunk that must hold one value, and the
    // message when it does not.
    struct FormatRule {
        std::size_t offset; // from the chunk's id
        std::uint16_t value;
        std::string broken;
    };
    // The fmt chunk at position, checked against rules in order and then for
    // one channel, copied to destination (its id on, as far as the layout
    // keeps it). The position of the next chunk.
    std::uint32_t ParseFormatChunk(const std::uint8_t* buffer, std::uint32_t position,
                                   std::span<const FormatRule> rules,
                                   std::span<std::uint8_t> destination);
    std::uint32_t ParseDataChunk(const std::uint8_t* buffer, std::uint64_t position,
                                 std::uint8_t* destination);
    void ClearFields();
    // ReadBlock without the decoding: the next block's bytes into block (its
    // capacity, zero-filled), its length the data bytes. False at the end.
    bool ReadRawBlock(SampleBuffer& block);

private:
    std::uint8_t* HeaderBytes() { return reinterpret_cast<std::uint8_t*>(&m_header); }

    const WavFormat* m_pFormat = nullptr;
    const std::uint8_t* m_pDataSize = nullptr;
};
