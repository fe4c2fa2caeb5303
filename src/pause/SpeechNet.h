#pragma once

#include "pause/SpeechModel.h"

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

// The network's weights, rearranged once for its loops. Read-only, so every
// network of the process (one per worker) shares one copy.
struct SpeechLayers {
    // A layer of weights transposed so that the innermost loop runs over the
    // outputs, contiguous and independent: code the compiler vectorises
    // without reordering a sum.
    struct Conv {
        std::size_t in, out, stride;
        std::vector<float> weight; // [tap][in][out]
        std::vector<float> bias;
    };

    explicit SpeechLayers(const SpeechModel& model);

    std::vector<float> basis; // [tap][272]
    Conv conv[4];
    std::vector<float> weights, bias; // [input, then hidden][512]; both biases summed
    std::vector<float> outW;
    float outB;
};

// The installed model's layers, found and arranged once for the whole
// process (its file's tensors are not kept), or why there are none.
struct SharedSpeechLayers {
    std::shared_ptr<const SpeechLayers> layers;
    std::string error;
};
const SharedSpeechLayers& FindSharedSpeechLayers();

// The speech detector's network, run one window at a time: the probability
// that a window of 32 ms at 16 kHz holds speech. The network remembers what
// it heard (its recurrent state and the last samples of the window before),
// so windows go in the order of the recording.
class CSpeechNet {
public:
    static constexpr std::size_t Window = 512; // samples at 16 kHz
    static constexpr std::size_t Context = 64; // of the window before, put in front
    static constexpr std::size_t Hidden = 128;

    explicit CSpeechNet(std::shared_ptr<const SpeechLayers> layers);

    // samples: Window floats in [-1, 1]. Returns the window's speech probability.
    float Next(const float* samples);
    // As at the start of a recording.
    void Reset();

private:
    // Kernel 3, padding 1, ReLU after; in is [time][in], returns [time'][out].
    static std::size_t Run(const SpeechLayers::Conv& conv, const float* in, std::size_t frames,
                           float* out);

    std::shared_ptr<const SpeechLayers> m_layers;

    std::array<float, Context> m_context{};
    std::array<float, Hidden> m_h{}, m_c{};
};
