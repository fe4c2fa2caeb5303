#include "audio/AdpcmKernel.h"

#include <algorithm>
#include <array>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace AdpcmKernel {

namespace {

#if defined(__SSE2__)

constexpr std::uint32_t MaxSteps = 505; // a 512-byte block after its 7-byte header

// Per nibble, two 16-bit halves of one 32-bit lane: the signed code below
// and its step adaptation above, so that one multiply-add of the lane with
// the delta in either half gives code x delta or adaptation x delta.
constexpr std::uint32_t CodeAndAdaptation(std::uint32_t nibble) {
    const auto code = static_cast<std::uint16_t>(static_cast<std::int32_t>(nibble ^ 8u) - 8);
    return code | static_cast<std::uint32_t>(AdaptationTable[nibble]) << 16;
}

// Whether the 32-bit multiply-add can wrap: only for -32768 in both
// coefficients (and both samples), where the 64-bit sum is needed.
bool FitsMultiplyAdd(const BlockPlan& plan) {
    return plan.predictor.coef1 != -32768 || plan.predictor.coef2 != -32768;
}

// The first `steps` bytes of four blocks, one block to a 32-bit lane: the
// same arithmetic as Predictor::Decode, four samples per instruction.
void DecodeFourSse2(BlockPlan* plans, std::uint32_t steps) {
    static constexpr auto table = [] {
        std::array<std::uint32_t, 16> t{};
        for (std::uint32_t n = 0; n < 16; ++n)
            t[n] = CodeAndAdaptation(n);
        return t;
    }();
    // The codes, turned lane-wise: sample j of block k is lane k of row j.
    alignas(16) std::uint32_t rows[2 * MaxSteps][4];
    for (int k = 0; k < 4; ++k) {
        const std::uint8_t* codes = plans[k].codes;
        for (std::uint32_t i = 0; i < steps; ++i) {
            rows[2 * i][k] = table[codes[i] >> 4u];
            rows[2 * i + 1][k] = table[codes[i] & 0x0Fu];
        }
    }
    const auto lanes = [&](auto field) {
        return _mm_setr_epi32(field(plans[0].predictor), field(plans[1].predictor),
                              field(plans[2].predictor), field(plans[3].predictor));
    };
    __m128i sample1 = lanes([](const Predictor& p) { return p.sample1; });
    __m128i sample2 = lanes([](const Predictor& p) { return p.sample2; });
    __m128i delta = lanes([](const Predictor& p) { return p.delta; });
    const __m128i coefs = lanes([](const Predictor& p) {
        return static_cast<std::int32_t>(static_cast<std::uint16_t>(p.coef1) |
                                         static_cast<std::uint32_t>(p.coef2) << 16);
    });
    const __m128i low16 = _mm_set1_epi32(0xFFFF);
    const __m128i floor = _mm_set1_epi32(MinimumDelta);

    for (std::uint32_t j = 0; j < 2 * steps; ++j) {
        // sample1 x coef1 + sample2 x coef2, then divided by 256 toward zero.
        const __m128i pair =
            _mm_or_si128(_mm_and_si128(sample1, low16), _mm_slli_epi32(sample2, 16));
        const __m128i sum = _mm_madd_epi16(pair, coefs);
        const __m128i bias = _mm_srli_epi32(_mm_srai_epi32(sum, 31), 24);
        const __m128i prediction = _mm_srai_epi32(_mm_add_epi32(sum, bias), 8);

        const __m128i row = _mm_load_si128(reinterpret_cast<const __m128i*>(rows[j]));
        const __m128i stepped = _mm_madd_epi16(row, _mm_and_si128(delta, low16));
        // Saturation to 16 bits is the clamp.
        const __m128i packed = _mm_packs_epi32(_mm_add_epi32(prediction, stepped), stepped);
        const __m128i sample = _mm_srai_epi32(_mm_unpacklo_epi16(packed, packed), 16);

        const __m128i adapted = _mm_srai_epi32(_mm_madd_epi16(row, _mm_slli_epi32(delta, 16)), 8);
        const __m128i above = _mm_cmpgt_epi32(adapted, floor);
        const __m128i next =
            _mm_or_si128(_mm_and_si128(above, adapted), _mm_andnot_si128(above, floor));
        delta = _mm_srai_epi32(_mm_slli_epi32(next, 16), 16); // the low 16 bits, signed
        sample2 = sample1;
        sample1 = sample;

        const auto store = [&](std::uint8_t* out, int value) {
            const auto v = static_cast<std::uint16_t>(value);
            std::memcpy(out + 2 * j, &v, sizeof v);
        };
        store(plans[0].out, _mm_extract_epi16(packed, 0));
        store(plans[1].out, _mm_extract_epi16(packed, 1));
        store(plans[2].out, _mm_extract_epi16(packed, 2));
        store(plans[3].out, _mm_extract_epi16(packed, 3));
    }

    alignas(16) std::int32_t s1[4], s2[4], d[4];
    _mm_store_si128(reinterpret_cast<__m128i*>(s1), sample1);
    _mm_store_si128(reinterpret_cast<__m128i*>(s2), sample2);
    _mm_store_si128(reinterpret_cast<__m128i*>(d), delta);
    for (int k = 0; k < 4; ++k) {
        plans[k].predictor.sample1 = s1[k];
        plans[k].predictor.sample2 = s2[k];
        plans[k].predictor.delta = d[k];
    }
}

#endif

} // namespace

void DecodeAll(BlockPlan* plans, int count) {
    switch (count) {
    case 4:
#if defined(__SSE2__)
        if (std::all_of(plans, plans + 4, FitsMultiplyAdd)) {
            std::uint32_t common = MaxSteps;
            for (int k = 0; k < 4; ++k)
                common = std::min(common, plans[k].steps);
            DecodeFourSse2(plans, common);
            for (int k = 0; k < 4; ++k)
                DecodeSteps(plans[k], common, plans[k].steps);
            break;
        }
#endif
        DecodeTogether<4>(plans);
        break;
    case 3:
        DecodeTogether<3>(plans);
        break;
    case 2:
        DecodeTogether<2>(plans);
        break;
    case 1:
        DecodeSteps(plans[0], 0, plans[0].steps);
        break;
    default:
        break;
    }
}

} // namespace AdpcmKernel
