#pragma once

#include "audio/WAVObj.h"
#include "audio/WavHeader.h"

#include <array>
#include <cstdint>

#pragma pack(push, 1)
struct AdpcmCoefPair {
    std::int16_t coef1; // applied to the most recent sample
    std::int16_t coef2; // applied to the one before it
};

// The fixed-size parts of the four chunks the header walk accepts, as in the file.
struct AdpcmHeader {
    WavFormat format;
    std::uint16_t extraBytes;
    std::uint16_t samplesPerBlock;
    std::uint16_t coefCount;
    AdpcmCoefPair coefs[7];
    char factId[4];
    std::uint32_t factSize;
    std::uint32_t sampleCount;
    char dataId[4];
    std::uint32_t dataSize;
};

struct AdpcmState {
    std::uint8_t predictor;
    std::int16_t delta;
    std::int32_t sample1;
    std::int32_t sample2;
    std::int16_t coef1;
    std::int16_t coef2;
    std::uint8_t nibble;
};
#pragma pack(pop)

static_assert(sizeof(AdpcmCoefPair) == 4);
static_assert(sizeof(AdpcmHeader) == 90, "AdpcmHeader must match the file layout exactly");
static_assert(sizeof(AdpcmState) == 16);

// A mono Microsoft ADPCM source with 512-byte blocks.
class CADCPMObj : public CWAVObj {
public:
    static constexpr std::uint32_t RequiredBlockAlign = 512;
    static constexpr std::uint16_t RequiredCoefCount = 7;
    static constexpr std::uint32_t BlockHeaderBytes = 7;

    CADCPMObj();
    ~CADCPMObj();

    void Reset() override;
    std::int32_t ParseHeader(const std::uint8_t* buffer, std::int32_t length) override;
    std::uint32_t GetSampleCount() override;
    bool DecodeBlock(SampleBuffer& in, SampleBuffer& out) override;
    virtual std::int16_t DecodeNibble(AdpcmState& state);

    static constexpr int MaxBlocksTogether = 4;
    // ReadBlock for up to count blocks (at most MaxBlocksTogether), decoded
    // side by side into outs[0], outs[1] ... Returns how many blocks ReadBlock
    // would have delivered; fewer than count means that it would then say false.
    int ReadBlocks(SampleBuffer* outs, int count);

    AdpcmHeader m_adpcmHeader{};
    AdpcmState m_state{};

private:
    std::uint8_t* HeaderBytes() { return reinterpret_cast<std::uint8_t*>(&m_adpcmHeader); }
    void ClearAdpcm();

    std::array<SampleBuffer, MaxBlocksTogether> m_rawBlocks; // reused by ReadBlocks
};
