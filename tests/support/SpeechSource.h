#pragma once

#include "audio/SampleSource.h"
#include "batch/TunedConversion.h"

#include <algorithm>
#include <cstring>
#include <vector>

// Given samples as a recording's, in pieces of changing size as a decoder
// gives them, odd byte counts among them.
class CGivenSamples final : public CSampleSource {
public:
    CGivenSamples(std::vector<std::int16_t> samples, std::uint32_t rate)
        : m_samples(std::move(samples)), m_nRate(rate) {}
    std::uint32_t SampleRate() override { return m_nRate; }
    bool ReadSamples(SampleBuffer& out) override {
        const std::size_t bytes =
            std::min(2 * m_samples.size() - m_nAt, 777 + 300 * (++m_nCalls % 3));
        out.ResizeAndClear(static_cast<std::uint32_t>(std::max<std::size_t>(bytes, 1)));
        std::memcpy(out.data.get(), reinterpret_cast<const char*>(m_samples.data()) + m_nAt, bytes);
        out.length = static_cast<std::int32_t>(bytes);
        m_nAt += bytes;
        return bytes > 0;
    }
    bool ReadFailed() override { return false; }
    std::string FailureReason() override { return {}; }

private:
    std::vector<std::int16_t> m_samples;
    std::uint32_t m_nRate;
    std::size_t m_nAt = 0, m_nCalls = 0;
};

// A maker of those samples, whatever file is opened.
inline SampleSourceMaker GivenSamples(const std::vector<std::int16_t>& samples,
                                      std::uint32_t rate) {
    return [samples, rate](std::unique_ptr<CByteStream>, const std::filesystem::path&) {
        return std::unique_ptr<CSampleSource>(new CGivenSamples(samples, rate));
    };
}
