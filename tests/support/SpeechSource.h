#pragma once

#include "audio/SampleSource.h"
#include "batch/TunedConversion.h"

#include <algorithm>
#include <cstring>
#include <vector>

// Given samples as a recording's, in pieces of odd sizes as a decoder gives them.
class CGivenSamples final : public CSampleSource {
public:
    CGivenSamples(std::vector<std::int16_t> samples, std::uint32_t rate)
        : m_samples(std::move(samples)), m_nRate(rate) {}
    std::uint32_t SampleRate() override { return m_nRate; }
    bool ReadSamples(SampleBuffer& out) override {
        const std::size_t take = std::min<std::size_t>(777, m_samples.size() - m_nAt);
        out.ResizeAndClear(static_cast<std::uint32_t>(2 * std::max<std::size_t>(take, 1)));
        std::memcpy(out.data.get(), m_samples.data() + m_nAt, 2 * take);
        out.length = static_cast<std::int32_t>(2 * take);
        m_nAt += take;
        return take > 0;
    }
    bool ReadFailed() override { return false; }
    std::string DecodeFailure() override { return {}; }

private:
    std::vector<std::int16_t> m_samples;
    std::uint32_t m_nRate;
    std::size_t m_nAt = 0;
};

// A maker of those samples, whatever file is opened.
inline SampleSourceMaker GivenSamples(const std::vector<std::int16_t>& samples,
                                      std::uint32_t rate) {
    return [samples, rate](std::unique_ptr<CByteStream>, const std::filesystem::path&) {
        return std::unique_ptr<CSampleSource>(new CGivenSamples(samples, rate));
    };
}
