#pragma once

// The block decoder's arithmetic, shared by the one-block and the
// several-blocks paths of the ADPCM source.

#include "audio/ADCPMObj.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace AdpcmKernel {

// The published Microsoft ADPCM step adaptation, indexed by the unsigned nibble.
inline constexpr std::int32_t AdaptationTable[16] = {230, 230, 230, 230, 307, 409, 512, 614,
                                                     768, 614, 512, 409, 307, 230, 230, 230};

inline constexpr std::int32_t MinimumDelta = 16;

// The predictor as plain values, so that the hot loop keeps it in registers.
struct Predictor {
    std::int32_t sample1, sample2, coef1, coef2, delta;

    // One 4-bit code: the new sample, and the state moved on.
    std::int16_t Decode(std::uint32_t nibble) {
        // Formed in 64 bits: two products of -32768 sum past the 32-bit range.
        const std::int64_t sum = std::int64_t{sample1} * coef1 + std::int64_t{sample2} * coef2;
        const auto prediction = static_cast<std::int32_t>(sum / 256); // truncates toward zero
        const std::int32_t code = static_cast<std::int32_t>(nibble ^ 8u) - 8; // signed 4 bits
        const std::int32_t sample = std::clamp(prediction + code * delta, -32768, 32767);
        // A negative delta (from a block header or the wrapped 16-bit field)
        // ends below the floor either way, so the shift's rounding never shows.
        const std::int32_t next = std::max(delta * AdaptationTable[nibble] >> 8, MinimumDelta);
        delta = static_cast<std::int16_t>(next); // the field keeps the low 16 bits
        sample2 = sample1;
        sample1 = sample;
        return static_cast<std::int16_t>(sample);
    }
};

inline Predictor Load(const AdpcmState& state) {
    return {state.sample1, state.sample2, state.coef1, state.coef2, state.delta};
}

inline void Store(const Predictor& p, AdpcmState& state) {
    state.sample1 = p.sample1;
    state.sample2 = p.sample2;
    state.delta = static_cast<std::int16_t>(p.delta);
}

// One block's decoding, set up and waiting to run.
struct BlockPlan {
    Predictor predictor;
    const std::uint8_t* codes;
    std::uint8_t* out;
    std::uint32_t steps; // bytes to decode, two samples each
};

// Two samples from one code byte, stored little-endian.
inline void DecodeByte(Predictor& predictor, std::uint8_t codes, std::uint8_t* out) {
    const std::int16_t high = predictor.Decode(codes >> 4u);
    const std::int16_t low = predictor.Decode(codes & 0x0Fu);
    std::memcpy(out, &high, sizeof high);
    std::memcpy(out + 2, &low, sizeof low);
}

inline void DecodeSteps(BlockPlan& plan, std::uint32_t from, std::uint32_t to) {
    // Locals: the output bytes could alias the plan, which would keep the
    // predictor in memory instead of registers.
    Predictor predictor = plan.predictor;
    const std::uint8_t* codes = plan.codes;
    std::uint8_t* out = plan.out;
    for (std::uint32_t i = from; i < to; ++i)
        DecodeByte(predictor, codes[i], out + 4 * i);
    plan.predictor = predictor;
}

// Blocks do not share state, so N of them decode side by side: the serial
// chain from sample to sample is what bounds a single block.
template <int N> void DecodeTogether(BlockPlan* plans) {
    Predictor predictors[N];
    const std::uint8_t* codes[N];
    std::uint8_t* outs[N];
    std::uint32_t common = plans[0].steps;
    for (int k = 0; k < N; ++k) {
        predictors[k] = plans[k].predictor;
        codes[k] = plans[k].codes;
        outs[k] = plans[k].out;
        common = std::min(common, plans[k].steps);
    }
    for (std::uint32_t i = 0; i < common; ++i)
        for (int k = 0; k < N; ++k)
            DecodeByte(predictors[k], codes[k][i], outs[k] + 4 * i);
    for (int k = 0; k < N; ++k) {
        plans[k].predictor = predictors[k];
        DecodeSteps(plans[k], common, plans[k].steps);
    }
}

// Decodes the planned blocks, side by side where there are several.
void DecodeAll(BlockPlan* plans, int count);

} // namespace AdpcmKernel
