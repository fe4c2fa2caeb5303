#pragma once

#include "audio/SampleSink.h"

#include <cstdint>
#include <limits>
#include <vector>

// A sink that keeps what is written in memory, silence as zeros, and fails
// (as a full disk) once more than failAt samples would be in it.
class CMemorySink : public CSampleSink {
public:
    explicit CMemorySink(std::uint64_t failAt = std::numeric_limits<std::uint64_t>::max())
        : m_nFailAt(failAt) {}
    bool Begin(std::uint32_t rate) override { return (m_nRate = rate) > 0; }
    bool Write(const std::uint8_t* samples, std::size_t count) override {
        if (!Fits(count))
            return false;
        for (std::size_t i = 0; i < count; ++i)
            m_samples.push_back(
                static_cast<std::int16_t>(samples[2 * i] | samples[2 * i + 1] << 8));
        return true;
    }
    bool WriteSilence(std::uint64_t count) override {
        return Fits(count) && (m_samples.resize(m_samples.size() + count), true);
    }
    bool Finish() override { return !m_bFailed; }

    std::vector<std::int16_t> m_samples;
    std::uint32_t m_nRate = 0;

private:
    bool Fits(std::uint64_t count) {
        m_bFailed = m_bFailed || m_samples.size() + count > m_nFailAt;
        return !m_bFailed;
    }
    std::uint64_t m_nFailAt;
    bool m_bFailed = false;
};
