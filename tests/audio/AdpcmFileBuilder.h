#pragma once

// Builds ADPCM WAV files byte by byte, with every header field open to change,
// so that tests can break one rule at a time.

#include "audio/ADCPMObj.h"
#include "audio/WAVException.h"
#include "support/TempDir.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace adpcmtest {

inline std::string U16(std::uint16_t v) {
    return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
}

inline std::string U32(std::uint32_t v) {
    return U16(static_cast<std::uint16_t>(v & 0xFFFF)) + U16(static_cast<std::uint16_t>(v >> 16));
}

inline std::string S16(std::int16_t v) {
    return U16(static_cast<std::uint16_t>(v));
}

struct CoefPair {
    std::int16_t coef1;
    std::int16_t coef2;
};

// The seven pairs every Microsoft ADPCM encoder writes.
inline std::vector<CoefPair> StandardCoefs() {
    return {{256, 0}, {512, -256}, {0, 0}, {192, 64}, {240, 0}, {460, -208}, {392, -232}};
}

// One 512-byte block: the 7-byte header, then the given code bytes, then zeros.
inline std::string Block(std::uint8_t predictor, std::int16_t delta, std::int16_t sample1,
                         std::int16_t sample2, const std::string& codes = {}) {
    std::string block = std::string(1, static_cast<char>(predictor)) + S16(delta) + S16(sample1) +
                        S16(sample2) + codes;
    block.resize(512, '\0');
    return block;
}

struct AdpcmFile {
    std::string riffId = "RIFF", waveId = "WAVE", fmtId = "fmt ", factId = "fact", dataId = "data";
    std::optional<std::uint32_t> riffSize; // default: what the chunks up to data hold
    std::uint32_t fmtSize = 50;
    std::uint16_t formatTag = 2, channels = 1;
    std::uint32_t sampleRate = 22050, byteRate = 11155;
    std::uint16_t blockAlign = 512, bitsPerSample = 4, extraBytes = 32, samplesPerBlock = 1012;
    std::uint16_t coefCount = 7;
    std::vector<CoefPair> coefs = StandardCoefs();
    std::string fmtTail; // bytes after the coefficient table, inside or beyond fmtSize
    bool withFact = true;
    std::uint32_t factSize = 4;
    std::uint32_t sampleCount = 1012;
    std::string factTail;                  // bytes after the sample count
    std::optional<std::uint32_t> dataSize; // default: the payload's size
    std::string payload;                   // the data chunk's bytes
    std::string after;                     // bytes after the data chunk

    std::string FmtChunk() const {
        std::string body = U16(formatTag) + U16(channels) + U32(sampleRate) + U32(byteRate) +
                           U16(blockAlign) + U16(bitsPerSample) + U16(extraBytes) +
                           U16(samplesPerBlock) + U16(coefCount);
        for (const CoefPair& pair : coefs)
            body += S16(pair.coef1) + S16(pair.coef2);
        return fmtId + U32(fmtSize) + body + fmtTail;
    }

    std::string Bytes() const {
        const std::uint32_t size = dataSize.value_or(static_cast<std::uint32_t>(payload.size()));
        std::string chunks = FmtChunk();
        if (withFact)
            chunks += factId + U32(factSize) + U32(sampleCount) + factTail;
        const auto head = static_cast<std::uint32_t>(4 + chunks.size() + 8);
        const std::uint32_t riff = riffSize.value_or(head + size + (size & 1u));
        return riffId + U32(riff) + waveId + chunks + dataId + U32(size) + payload + after;
    }
};

// The refusal text for the given bytes, or "" when the header is accepted.
inline std::string AdpcmOpenError(const std::string& bytes) {
    TempDir dir;
    WriteFileBytes(dir / "in.wav", bytes);
    CADCPMObj source;
    try {
        source.Open(dir / "in.wav", false);
    } catch (const CWAVException& e) {
        return e.m_message;
    }
    return "";
}

// Samples of one decoded buffer.
inline std::vector<std::int16_t> Samples(const SampleBuffer& buffer) {
    std::vector<std::int16_t> samples(static_cast<std::size_t>(buffer.length) / 2);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::int16_t>(buffer.data[2 * i] | buffer.data[2 * i + 1] << 8);
    return samples;
}

// Opens a file and decodes it with ReadBlock to the end.
inline std::vector<std::int16_t> DecodeAll(CADCPMObj& source) {
    std::vector<std::int16_t> all;
    SampleBuffer out;
    while (source.ReadBlock(out)) {
        const std::vector<std::int16_t> block = Samples(out);
        all.insert(all.end(), block.begin(), block.end());
    }
    return all;
}

} // namespace adpcmtest
