#pragma once

#include <cstdint>

// The RIFF chunk's start and the fmt chunk's common fields, with which every
// WAV file begins, byte for byte as on disk (little-endian host assumed, as on
// every platform we build for).
#pragma pack(push, 1)
struct WavFormat {
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
};

// The canonical 44-byte header of a PCM WAV file.
struct WavHeader {
    WavFormat format;
    char dataId[4];
    std::uint32_t dataSize;
};
#pragma pack(pop)

static_assert(sizeof(WavFormat) == 36);
static_assert(sizeof(WavHeader) == 44, "WavHeader must match the file layout exactly");
