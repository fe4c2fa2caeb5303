#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

// Root mean square of each 10 ms.
inline std::vector<double> Envelope(const std::vector<std::int16_t>& samples, std::uint32_t rate) {
    const std::size_t n = rate / 100;
    std::vector<double> rms(samples.size() / n);
    for (std::size_t i = 0; i < rms.size() * n; ++i)
        rms[i / n] += static_cast<double>(samples[i]) * samples[i] / static_cast<double>(n);
    std::transform(rms.begin(), rms.end(), rms.begin(), [](double r) { return std::sqrt(r); });
    return rms;
}

// The 10 ms windows of decoded that are not near silence inside the pauses
// of expected, or about as loud inside its bursts: none, unless something
// shifted by 20 ms or more.
inline int MisplacedWindows(const std::vector<std::int16_t>& expected, std::uint32_t expectedRate,
                            const std::vector<std::int16_t>& decoded, std::uint32_t decodedRate) {
    const std::vector<double> want = Envelope(expected, expectedRate),
                              got = Envelope(decoded, decodedRate);
    int misplaced = 0;
    for (std::size_t w = 2; w + 2 < std::min(want.size(), got.size()); ++w) {
        const auto [low, high] = std::minmax_element(&want[w - 2], &want[w + 3]);
        misplaced +=
            (*high == 0 && got[w] > 30) || (*low > 1000 && std::abs(got[w] / want[w] - 1) > 0.5);
    }
    return misplaced;
}
