#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

static_assert(std::endian::native == std::endian::little,
              "the file records are laid out as little-endian in memory");

// Unaligned little-endian loads from a byte buffer.
inline std::uint16_t LoadU16(const std::uint8_t* p) {
    std::uint16_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

inline std::uint32_t LoadU32(const std::uint8_t* p) {
    std::uint32_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

inline std::int16_t LoadS16(const std::uint8_t* p) {
    std::int16_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

inline bool HasId(const std::uint8_t* p, const char (&id)[5]) {
    return std::memcmp(p, id, 4) == 0;
}
