#include "pause/SpeechNet.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::size_t Taps = 256, Hop = 128, Bins = 129, Frames = 4;
constexpr std::size_t Padded = CSpeechNet::Context + CSpeechNet::Window + 64;
constexpr std::size_t Gates = 4 * CSpeechNet::Hidden;

constexpr std::size_t Block = 16, BasisStride = 272; // 2 x 129 rounded up to blocks

// acc[t][o] += sum over i of x[t][i] w[i][o], for Batch vectors x and o
// below outCount (a multiple of Block): each row of weights is read once for
// all of them, and their sums stay in registers while the inputs go by. The
// loops are plain; the compiler makes vector code of them, with AVX2 and FMA
// where the processor has them.
template <std::size_t Batch>
[[gnu::always_inline]] inline void MatVecs(const float* w, std::size_t stride,
                                           const float* const* x, std::size_t inCount,
                                           float* const* acc, std::size_t outCount) {
    for (std::size_t ob = 0; ob < outCount; ob += Block) {
        float s[Batch][Block];
        for (std::size_t t = 0; t < Batch; ++t)
            std::copy(acc[t] + ob, acc[t] + ob + Block, s[t]);
        const float* row = w + ob;
        for (std::size_t i = 0; i < inCount; ++i, row += stride)
            for (std::size_t t = 0; t < Batch; ++t) {
                const float xi = x[t][i];
                for (std::size_t j = 0; j < Block; ++j)
                    s[t][j] += row[j] * xi;
            }
        for (std::size_t t = 0; t < Batch; ++t)
            std::copy(s[t], s[t] + Block, acc[t] + ob);
    }
}

#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define BRELLOW_VECTOR_CLONES [[gnu::target_clones("fma", "default")]]
#else
#define BRELLOW_VECTOR_CLONES
#endif

BRELLOW_VECTOR_CLONES
void MatVec(const float* w, std::size_t stride, const float* x, std::size_t inCount, float* acc,
            std::size_t outCount) {
    MatVecs<1>(w, stride, &x, inCount, &acc, outCount);
}

BRELLOW_VECTOR_CLONES
void MatVec4(const float* w, std::size_t stride, const float* const* x, std::size_t inCount,
             float* const* acc, std::size_t outCount) {
    MatVecs<4>(w, stride, x, inCount, acc, outCount);
}

float Sigmoid(float x) {
    return 1.0f / (1.0f + std::exp(-x));
}

// rows x cols to cols x rows.
std::vector<float> Transposed(const std::vector<float>& m, std::size_t rows, std::size_t cols) {
    std::vector<float> t(m.size());
    for (std::size_t r = 0; r < rows; ++r)
        for (std::size_t c = 0; c < cols; ++c)
            t[c * rows + r] = m[r * cols + c];
    return t;
}

// The transform's rows as columns, each tap's row padded to BasisStride.
std::vector<float> Basis(const std::vector<float>& rows) {
    std::vector<float> t(Taps * BasisStride);
    for (std::size_t r = 0; r < 2 * Bins; ++r)
        for (std::size_t k = 0; k < Taps; ++k)
            t[k * BasisStride + r] = rows[r * Taps + k];
    return t;
}

SpeechLayers::Conv MakeConv(const std::vector<float>& w, const std::vector<float>& b,
                            std::size_t in, std::size_t out, std::size_t stride) {
    SpeechLayers::Conv conv{in, out, stride, std::vector<float>(3 * in * out), b};
    for (std::size_t o = 0; o < out; ++o)
        for (std::size_t i = 0; i < in; ++i)
            for (std::size_t k = 0; k < 3; ++k)
                conv.weight[(k * in + i) * out + o] = w[(o * in + i) * 3 + k];
    return conv;
}

} // namespace

SpeechLayers::SpeechLayers(const SpeechModel& model)
    : basis(Basis(model[SpeechModel::Basis])),
      conv{MakeConv(model[SpeechModel::Enc0W], model[SpeechModel::Enc0B], Bins, 128, 1),
           MakeConv(model[SpeechModel::Enc1W], model[SpeechModel::Enc1B], 128, 64, 2),
           MakeConv(model[SpeechModel::Enc2W], model[SpeechModel::Enc2B], 64, 64, 2),
           MakeConv(model[SpeechModel::Enc3W], model[SpeechModel::Enc3B], 64, 128, 1)},
      weights(Transposed(model[SpeechModel::LstmWih], Gates, CSpeechNet::Hidden)), bias(Gates),
      outW(model[SpeechModel::OutW]), outB(model[SpeechModel::OutB][0]) {
    const std::vector<float> hh =
        Transposed(model[SpeechModel::LstmWhh], Gates, CSpeechNet::Hidden);
    weights.insert(weights.end(), hh.begin(), hh.end());
    for (std::size_t g = 0; g < Gates; ++g)
        bias[g] = model[SpeechModel::LstmBih][g] + model[SpeechModel::LstmBhh][g];
}

const SharedSpeechLayers& FindSharedSpeechLayers() {
    static const SharedSpeechLayers shared = [] {
        const SpeechModelResult found = FindSpeechModel();
        if (!found.model)
            return SharedSpeechLayers{nullptr, found.error};
        return SharedSpeechLayers{std::make_shared<const SpeechLayers>(*found.model), {}};
    }();
    return shared;
}

CSpeechNet::CSpeechNet(std::shared_ptr<const SpeechLayers> layers) : m_layers(std::move(layers)) {}

void CSpeechNet::Reset() {
    m_context.fill(0);
    m_h.fill(0);
    m_c.fill(0);
}

std::size_t CSpeechNet::Run(const SpeechLayers::Conv& conv, const float* in, std::size_t frames,
                            float* out) {
    static const std::array<float, 256> zeros{}; // the padding frame, as wide as any input
    const std::size_t outFrames = (frames - 1) / conv.stride + 1;
    for (std::size_t t = 0; t < outFrames; ++t)
        std::copy(conv.bias.begin(), conv.bias.end(), out + t * conv.out);
    for (std::size_t k = 0; k < 3; ++k) {
        const float* weight = conv.weight.data() + k * conv.in * conv.out;
        // Output frame t reads input frame t x stride + k - 1, or padding.
        const auto input = [&](std::size_t t) {
            const std::size_t at = t * conv.stride + k;
            return at == 0 || at > frames ? zeros.data() : in + (at - 1) * conv.in;
        };
        if (outFrames == Frames) {
            const float* x[Frames] = {input(0), input(1), input(2), input(3)};
            float* acc[Frames] = {out, out + conv.out, out + 2 * conv.out, out + 3 * conv.out};
            MatVec4(weight, conv.out, x, conv.in, acc, conv.out);
        } else {
            for (std::size_t t = 0; t < outFrames; ++t)
                MatVec(weight, conv.out, input(t), conv.in, out + t * conv.out, conv.out);
        }
    }
    for (std::size_t o = 0; o < outFrames * conv.out; ++o)
        out[o] = std::max(out[o], 0.0f);
    return outFrames;
}

float CSpeechNet::Next(const float* samples) {
    // The context, the window, and the window's end mirrored (reflection padding).
    std::array<float, Padded> x;
    std::copy(m_context.begin(), m_context.end(), x.begin());
    std::copy(samples, samples + Window, x.begin() + Context);
    for (std::size_t k = 0; k < 64; ++k)
        x[Context + Window + k] = x[Context + Window - 2 - k];
    std::copy(samples + Window - Context, samples + Window, m_context.begin());

    // Magnitudes of the short-time transform: four frames of 129 bins.
    std::array<float, Frames * Bins> spectrum;
    std::array<std::array<float, BasisStride>, Frames> acc{};
    const float* frame[Frames] = {x.data(), x.data() + Hop, x.data() + 2 * Hop, x.data() + 3 * Hop};
    float* sums[Frames] = {acc[0].data(), acc[1].data(), acc[2].data(), acc[3].data()};
    MatVec4(m_layers->basis.data(), BasisStride, frame, Taps, sums, BasisStride);
    for (std::size_t t = 0; t < Frames; ++t) {
        for (std::size_t b = 0; b < Bins; ++b)
            spectrum[t * Bins + b] =
                std::sqrt(acc[t][b] * acc[t][b] + acc[t][Bins + b] * acc[t][Bins + b]);
    }

    std::array<float, Frames * 128> a, b;
    std::size_t frames = Run(m_layers->conv[0], spectrum.data(), Frames, a.data());
    frames = Run(m_layers->conv[1], a.data(), frames, b.data());
    frames = Run(m_layers->conv[2], b.data(), frames, a.data());
    Run(m_layers->conv[3], a.data(), frames, b.data()); // one frame of 128 left

    // The LSTM cell.
    std::array<float, Gates> gates;
    std::copy(m_layers->bias.begin(), m_layers->bias.end(), gates.begin());
    std::array<float, 2 * Hidden> xh;
    std::copy(b.begin(), b.begin() + Hidden, xh.begin());
    std::copy(m_h.begin(), m_h.end(), xh.begin() + Hidden);
    MatVec(m_layers->weights.data(), Gates, xh.data(), 2 * Hidden, gates.data(), Gates);
    float logit = m_layers->outB;
    for (std::size_t j = 0; j < Hidden; ++j) {
        const float in = Sigmoid(gates[j]), forget = Sigmoid(gates[Hidden + j]);
        const float cell = std::tanh(gates[2 * Hidden + j]), out = Sigmoid(gates[3 * Hidden + j]);
        m_c[j] = forget * m_c[j] + in * cell;
        m_h[j] = out * std::tanh(m_c[j]);
        logit += m_layers->outW[j] * std::max(m_h[j], 0.0f);
    }
    return Sigmoid(logit);
}
