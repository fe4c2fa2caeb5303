#pragma once

#include <cstdint>

// The canonical 44-byte header of a PCM WAV file, byte for byte as on disk
// (little-endian host assumed, as on every platform we build for).
#pragma pack(push, 1)
struct WavHeader {
    char riffId[4];
    std::uint32_t riffSize;
    char waveId[4];
    char fmtId[4];
    std::uint32_t fmtSize;
    std::uint16_t formatTag;
    std::uint16_t channels;
    std::uint32_t sampleRate;
    std::uint32_t byteRate;
    std::uint16_t blockAlign;
    std::uint16_t bitsPerSample;
    char dataId[4];
    std::uint32_t dataSize;
};
#pragma pack(pop)

static_assert(sizeof(WavHeader) == 44, "WavHeader must match the file layout exactly");
