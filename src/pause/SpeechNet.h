#pragma once

#include "pause/SpeechModel.h"

#include <array>
#include <cstddef>
#include <vector>

// The speech detector's network, run one window at a time: the probability
// that a window of 32 ms at 16 kHz holds speech. The network remembers what
// it heard (its recurrent state and the last samples of the window before),
// so windows go in the order of the recording.
class CSpeechNet {
public:
    static constexpr std::size_t Window = 512; // samples at 16 kHz
    static constexpr std::size_t Context = 64; // of the window before, put in front
    static constexpr std::size_t Hidden = 128;

    explicit CSpeechNet(const SpeechModel& model);

    // samples: Window floats in [-1, 1]. Returns the window's speech probability.
    float Next(const float* samples);
    // As at the start of a recording.
    void Reset();

private:
    // A layer of weights transposed so that the innermost loop runs over the
    // outputs, contiguous and independent: code the compiler vectorises
    // without reordering a sum.
    struct Conv {
        std::size_t in, out, stride;
        std::vector<float> weight; // [tap][in][out]
        std::vector<float> bias;
    };
    static Conv MakeConv(const std::vector<float>& w, const std::vector<float>& b, std::size_t in,
                         std::size_t out, std::size_t stride);
    // Kernel 3, padding 1, ReLU after; in is [time][in], returns [time'][out].
    static std::size_t Run(const Conv& conv, const float* in, std::size_t frames, float* out);

    std::vector<float> m_basis; // [tap][272]
    Conv m_conv[4];
    std::vector<float> m_weights, m_bias; // [input, then hidden][512]; both biases summed
    std::vector<float> m_outW;
    float m_outB;

    std::array<float, Context> m_context{};
    std::array<float, Hidden> m_h{}, m_c{};
};
