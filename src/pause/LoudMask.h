#pragma once

#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Bit i set when sample i of the count (at most 64) samples at p is loud:
// its magnitude, taken in 32 bits, is above maxQuiet.
inline std::uint64_t LoudMask(const std::uint8_t* p, int count, std::int16_t maxQuiet) {
    std::uint64_t mask = 0;
    int i = 0;
#if defined(__SSE2__)
    const __m128i high = _mm_set1_epi16(maxQuiet);
    const __m128i low = _mm_set1_epi16(static_cast<std::int16_t>(-maxQuiet));
    for (; i + 16 <= count; i += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 2 * i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 2 * i + 16));
        // -32768 is below -maxQuiet, so it is loud without taking its magnitude.
        const __m128i la = _mm_or_si128(_mm_cmpgt_epi16(a, high), _mm_cmplt_epi16(a, low));
        const __m128i lb = _mm_or_si128(_mm_cmpgt_epi16(b, high), _mm_cmplt_epi16(b, low));
        const auto bits = static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_packs_epi16(la, lb)));
        mask |= std::uint64_t{bits} << i;
    }
#endif
    for (; i < count; ++i) {
        std::int16_t s;
        std::memcpy(&s, p + 2 * i, sizeof s);
        const std::int32_t v = s;
        mask |= std::uint64_t{(v < 0 ? -v : v) > maxQuiet} << i;
    }
    return mask;
}
