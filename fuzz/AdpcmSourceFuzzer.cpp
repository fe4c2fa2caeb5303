// Feeds arbitrary bytes to the ADPCM source as a file in memory: the header
// walk, then every block to the end. Refused headers are fine; crashes, leaks
// and undefined behaviour are not.

#include "audio/ADCPMObj.h"
#include "audio/MemoryStream.h"
#include "audio/WAVException.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto input = [=] { return std::make_unique<CMemoryStream>(std::span(data, size)); };

    std::vector<std::vector<std::uint8_t>> blocks; // as ReadBlock delivers them
    {
        CADCPMObj source;
        try {
            if (!source.Open(input(), false))
                return 0;
        } catch (const CWAVException&) {
            return 0;
        }
        const auto count = static_cast<std::int32_t>(source.GetSampleCount());
        SampleBuffer out;
        std::int64_t samples = 0;
        while (source.ReadBlock(out)) {
            // No block yields more than its 505 code bytes hold, and the count
            // ends decoding at most one sample late.
            if (out.length < 0 || out.length > 2020 || out.length % 2 != 0 ||
                static_cast<std::uint32_t>(out.length) > out.capacity)
                std::abort();
            samples += out.length / 2;
            if (samples > std::max(count, 0) + 1)
                std::abort();
            blocks.emplace_back(out.data.get(), out.data.get() + out.length);
        }
    }

    // The conversion's path, blocks decoded side by side, must deliver the same.
    CADCPMObj source;
    if (!source.Open(input(), false))
        std::abort();
    SampleBuffer outs[CADCPMObj::MaxBlocksTogether];
    std::size_t next = 0;
    for (int got = CADCPMObj::MaxBlocksTogether; got == CADCPMObj::MaxBlocksTogether;) {
        got = source.ReadBlocks(outs, CADCPMObj::MaxBlocksTogether);
        for (int i = 0; i < got; ++i, ++next) {
            const SampleBuffer& out = outs[i];
            if (next >= blocks.size() || !std::equal(out.data.get(), out.data.get() + out.length,
                                                     blocks[next].begin(), blocks[next].end()))
                std::abort();
        }
    }
    if (next != blocks.size())
        std::abort();
    return 0;
}
