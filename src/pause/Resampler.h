#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// 16-bit samples at any rate to floats at 16 kHz for the speech network: a
// windowed-sinc low-pass at 7.6 kHz (speech's band, with room before 8 kHz),
// from a table of kernel phases. Good enough for a detector's ears; no player
// hears it.
class CResampler16k {
public:
    static constexpr std::uint32_t Rate = 16000;

    explicit CResampler16k(std::uint32_t inputRate);

    // Takes count samples; appends what it can give at 16 kHz to out, in [-1, 1].
    void Take(const std::int16_t* samples, std::size_t count, std::vector<float>& out);
    // After the last samples: the rest, as if silence followed.
    void Finish(std::vector<float>& out);
    // As before the first sample: the next ones start a new stretch.
    void Reset();

private:
    static constexpr int Phases = 256;

    double m_dStep;              // input samples per output sample
    int m_nHalf;                 // kernel taps on each side
    std::vector<float> m_kernel; // [phase][2 x half]
    std::vector<float> m_input;  // samples from m_nFirst on
    std::uint64_t m_nFirst = 0;
    std::uint64_t m_nOut = 0; // outputs given
    std::uint64_t m_nIn = 0;  // inputs taken
    bool m_bPass;             // already 16 kHz
};
