#include "pause/Resampler.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double CutoffHz = 7600;
constexpr int ZeroCrossings = 8; // of the sinc on each side

double Sinc(double x) {
    return x == 0 ? 1 : std::sin(std::numbers::pi * x) / (std::numbers::pi * x);
}

} // namespace

CResampler16k::CResampler16k(std::uint32_t inputRate)
    : m_dStep(double(std::max<std::uint32_t>(inputRate, 1)) / Rate), m_bPass(inputRate == Rate) {
    // The cutoff relative to the input's rate, no higher than its own band.
    const double cutoff = std::min(CutoffHz / std::max<std::uint32_t>(inputRate, 1), 0.5);
    m_nHalf = static_cast<int>(std::ceil(ZeroCrossings / (2 * cutoff)));
    m_kernel.resize(std::size_t(Phases) * 2 * std::size_t(m_nHalf));
    for (int p = 0; p < Phases; ++p) {
        double sum = 0;
        float* k = m_kernel.data() + std::size_t(p) * 2 * std::size_t(m_nHalf);
        for (int t = 0; t < 2 * m_nHalf; ++t) {
            // Tap t sits at input offset t - half + 1 from the output's integer part.
            const double x = (t - m_nHalf + 1) - double(p) / Phases;
            const double window = 0.5 + 0.5 * std::cos(std::numbers::pi * x / m_nHalf);
            k[t] = static_cast<float>(2 * cutoff * Sinc(2 * cutoff * x) * window);
            sum += double(k[t]);
        }
        for (int t = 0; t < 2 * m_nHalf; ++t)
            k[t] = static_cast<float>(double(k[t]) / sum);
    }
}

void CResampler16k::Take(const std::int16_t* samples, std::size_t count, std::vector<float>& out) {
    if (m_bPass) {
        for (std::size_t i = 0; i < count; ++i)
            out.push_back(samples[i] / 32768.0f);
        return;
    }
    if (m_input.empty()) // silence before the first sample
        m_input.assign(std::size_t(m_nHalf), 0.0f);
    for (std::size_t i = 0; i < count; ++i)
        m_input.push_back(samples[i] / 32768.0f);
    m_nIn += count;
    // Input index i of the recording is m_input[i + half - m_nFirst].
    for (;;) {
        const double at = double(m_nOut) * m_dStep;
        const auto whole = static_cast<std::uint64_t>(at);
        if (whole + std::uint64_t(m_nHalf) >= m_nIn)
            break;
        const int phase =
            std::min(Phases - 1, static_cast<int>((at - double(whole)) * Phases + 0.5));
        const float* k = m_kernel.data() + std::size_t(phase) * 2 * std::size_t(m_nHalf);
        // Taps from whole - half + 1: index whole - half + 1 + half - m_nFirst.
        const float* x = m_input.data() + (whole + 1 - m_nFirst);
        float sum = 0;
        for (int t = 0; t < 2 * m_nHalf; ++t)
            sum += k[t] * x[t];
        out.push_back(sum);
        ++m_nOut;
    }
    // Keep what the next outputs reach back to.
    const auto next = static_cast<std::uint64_t>(double(m_nOut) * m_dStep);
    if (next > m_nFirst + 4096) {
        m_input.erase(m_input.begin(),
                      m_input.begin() + static_cast<std::ptrdiff_t>(next - m_nFirst));
        m_nFirst = next;
    }
}

void CResampler16k::Reset() {
    m_input.clear();
    m_nFirst = m_nOut = m_nIn = 0;
}

void CResampler16k::Finish(std::vector<float>& out) {
    if (m_bPass || m_nIn == 0)
        return;
    const std::uint64_t wanted = static_cast<std::uint64_t>(double(m_nIn) / m_dStep);
    const std::vector<std::int16_t> silence(std::size_t(2 * m_nHalf) + 2, 0);
    const std::uint64_t in = m_nIn;
    Take(silence.data(), silence.size(), out);
    m_nIn = in;
    while (m_nOut > wanted && !out.empty()) {
        out.pop_back();
        --m_nOut;
    }
}
