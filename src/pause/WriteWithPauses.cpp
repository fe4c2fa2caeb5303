#include "audio/WAVObj.h"
#include "pause/PhraseDetector.h"

#include <cstdlib>
#include <cstring>

bool CWAVObj::WriteWithPauses(SampleBuffer& block) {
    using namespace PhraseDetector;
    const std::uint32_t silenceThreshold = SecondsToBytes(MinimumSilenceSeconds);
    const std::uint32_t phraseThreshold = SecondsToBytes(MinimumPhraseSeconds);

    const std::int32_t n = block.length / 2;
    const std::uint8_t* bytes = block.data.get();
    for (std::int32_t i = 0; i < n; ++i) {
        std::int16_t sample;
        std::memcpy(&sample, bytes + 2 * i, sizeof sample);
        const std::int32_t magnitude = std::abs(std::int32_t{sample});
        if (magnitude < QuietThreshold) {
            m_dwQuietBytes += QuietBytesPerSample;
            m_dwLoudRun = 0;
        } else if (++m_dwLoudRun > ToleratedLoudRun) {
            m_dwQuietBytes = 0;
        }
        if (m_dwQuietBytes >= silenceThreshold && m_dwPhraseBytes >= phraseThreshold) {
            const std::uint32_t pause = m_dwPhraseBytes;
            m_dwPhraseBytes = 0;
            m_dwQuietBytes = 0;
            if (!WriteLongSilence(pause))
                return false;
            break; // the rest of the block takes no part in detection
        }
    }
    return Write(block, true);
}
