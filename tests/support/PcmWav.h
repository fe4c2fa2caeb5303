#pragma once

#include <cstdint>
#include <string>

// The canonical 44-byte header of a 16-bit PCM WAV file, spelled out byte by byte.
inline std::string PcmWavHeader(std::uint32_t rate, std::uint32_t dataBytes,
                                std::uint16_t channels = 1) {
    const auto le = [](std::uint32_t v, int bytes) {
        std::string s;
        for (int i = 0; i < bytes; ++i)
            s += static_cast<char>(v >> (8 * i));
        return s;
    };
    return "RIFF" + le(36 + dataBytes, 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(channels, 2) +
           le(rate, 4) + le(rate * 2 * channels, 4) + le(2 * channels, 2) + le(16, 2) + "data" +
           le(dataBytes, 4);
}

// A whole 16-bit PCM WAV file of the given data.
inline std::string PcmWav(const std::string& data, std::uint32_t rate, std::uint16_t channels = 1) {
    return PcmWavHeader(rate, static_cast<std::uint32_t>(data.size()), channels) + data;
}
