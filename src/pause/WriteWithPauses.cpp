#include "audio/WAVObj.h"
#include "pause/LoudMask.h"
#include "pause/PhraseDetector.h"

#include <bit>
#include <cmath>

namespace {

using namespace PhraseDetector;

constexpr int WordBits = 64;

std::uint64_t LowBits(int n) {
    return n >= WordBits ? ~std::uint64_t{0} : (std::uint64_t{1} << n) - 1;
}

// The detector walks 64 samples at a time on bit masks instead of sample by
// sample. A loud sample resets the quiet run when it and the five before it
// (across words and blocks, through loudRun) are all loud.
struct Detector {
    std::uint32_t quietBytes;
    std::uint32_t loudRun;
    std::uint32_t threshold; // silence threshold in bytes, above 0

    // Bits of the loud samples that reset the quiet run.
    std::uint64_t Resets(std::uint64_t loud) const {
        const int carried = loudRun >= ToleratedLoudRun ? static_cast<int>(ToleratedLoudRun)
                                                        : static_cast<int>(loudRun);
        // The previous samples' loud bits, as the top of a word before this one.
        const std::uint64_t before = carried == 0 ? 0 : ~std::uint64_t{0} << (WordBits - carried);
        std::uint64_t all = loud;
        for (int k = 1; k <= static_cast<int>(ToleratedLoudRun); ++k)
            all &= (loud << k) | (before >> (WordBits - k));
        return all;
    }

    // Loud run after sample `last` of a word of loud bits.
    std::uint32_t RunAfter(std::uint64_t loud, int last) const {
        const std::uint64_t quiet = ~loud & LowBits(last + 1);
        if (quiet == 0)
            return loudRun + static_cast<std::uint32_t>(last + 1);
        return static_cast<std::uint32_t>(last - (WordBits - 1 - std::countl_zero(quiet)));
    }

    // Moves over `count` samples; when canEnd, stops at the first sample after
    // which the quiet run reaches the threshold and returns its index, else -1.
    int Scan(std::uint64_t loud, int count, bool canEnd) {
        const std::uint64_t valid = LowBits(count);
        loud &= valid;
        const std::uint64_t resets = Resets(loud);
        const std::uint64_t quiet = ~loud & valid;
        if (canEnd) {
            for (int pos = 0; pos < count;) {
                const std::uint64_t ahead = resets & ~LowBits(pos);
                const int end = ahead ? std::countr_zero(ahead) : count;
                const std::uint64_t span = quiet & LowBits(end) & ~LowBits(pos);
                int hit = -1;
                if (quietBytes >= threshold && pos < end) {
                    hit = pos; // already long enough: the first sample that keeps it ends it
                } else {
                    const std::uint32_t needed = (threshold - quietBytes + 1) / 2;
                    if (static_cast<std::uint32_t>(std::popcount(span)) >= needed) {
                        std::uint64_t bits = span;
                        for (std::uint32_t k = 1; k < needed; ++k)
                            bits &= bits - 1;
                        hit = std::countr_zero(bits);
                    }
                }
                if (hit >= 0) {
                    quietBytes += QuietBytesPerSample * static_cast<std::uint32_t>(
                                                            std::popcount(span & LowBits(hit + 1)));
                    loudRun = RunAfter(loud, hit);
                    return hit;
                }
                quietBytes += QuietBytesPerSample * static_cast<std::uint32_t>(std::popcount(span));
                if (end < count)
                    quietBytes = 0;
                pos = end + 1;
            }
        } else if (resets != 0) {
            const int last = WordBits - 1 - std::countl_zero(resets);
            quietBytes = QuietBytesPerSample *
                         static_cast<std::uint32_t>(std::popcount(quiet & ~LowBits(last + 1)));
        } else {
            quietBytes += QuietBytesPerSample * static_cast<std::uint32_t>(std::popcount(quiet));
        }
        loudRun = RunAfter(loud, count - 1);
        return -1;
    }
};

} // namespace

std::int32_t PauseSettings::MaxQuietMagnitude() const {
    // The largest integer below the threshold: one integer comparison per sample.
    const double threshold = 32767 * std::pow(10.0, thresholdDb / 20);
    return static_cast<std::int32_t>(std::ceil(threshold)) - 1;
}

std::uint64_t PauseSettings::PauseBytes(std::uint32_t phraseBytes, std::uint32_t rate) const {
    if (pauseFactor == 1 && pauseExtraSeconds == 0)
        return phraseBytes; // as long as the phrase, to the byte
    return 2 * static_cast<std::uint64_t>(PauseSamples(phraseBytes / 2, rate));
}

double PauseSettings::PauseSamples(std::uint64_t phraseSamples, std::uint32_t rate) const {
    const auto samples = static_cast<double>(phraseSamples);
    return (pauseFactor == 1 ? samples : std::floor(pauseFactor * samples)) +
           std::floor(pauseExtraSeconds * static_cast<double>(rate));
}

std::optional<std::uint64_t> FindPhraseEnd(CWAVObj& out, const SampleBuffer& block,
                                           const PauseSettings& settings) {
    return FindPhraseEnd(out, block, settings,
                         static_cast<std::int16_t>(settings.MaxQuietMagnitude()));
}

std::optional<std::uint64_t> FindPhraseEnd(CWAVObj& out, const SampleBuffer& block,
                                           const PauseSettings& settings, std::int16_t maxQuiet) {
    const std::uint32_t silenceThreshold = out.SecondsToBytes(settings.minSilenceSeconds);
    const std::uint32_t phraseThreshold = out.SecondsToBytes(settings.minPhraseSeconds);

    // Taken, and the detector reset, as a phrase ends.
    const auto phraseEnds = [&] {
        const std::uint64_t pause = settings.PauseBytes(out.m_dwPhraseBytes, out.GetSampleRate());
        out.m_dwPhraseBytes = 0;
        out.m_dwQuietBytes = 0;
        return pause;
    };

    const std::int32_t n = block.length / 2;
    // The phrase length changes only when the block is written, so within the
    // scan a phrase can end only if it is already long enough.
    const bool canEnd = out.m_dwPhraseBytes >= phraseThreshold;
    if (canEnd && silenceThreshold == 0 && n > 0) {
        // Formats too slow for a threshold: the first sample ends the phrase.
        const std::uint64_t first = LoudMask(block.data.get(), 1, maxQuiet);
        out.m_dwLoudRun = first ? out.m_dwLoudRun + 1 : 0;
        return phraseEnds();
    }

    Detector detector{out.m_dwQuietBytes, out.m_dwLoudRun, silenceThreshold};
    for (std::int32_t start = 0; start < n; start += WordBits) {
        const int count = static_cast<int>(std::min<std::int32_t>(WordBits, n - start));
        const std::uint64_t loud = LoudMask(block.data.get() + 2 * start, count, maxQuiet);
        if (detector.Scan(loud, count, canEnd) >= 0) {
            out.m_dwLoudRun = detector.loudRun; // a pause does not end a loud run
            return phraseEnds();                // the rest of the block takes no part in detection
        }
    }
    out.m_dwQuietBytes = detector.quietBytes;
    out.m_dwLoudRun = detector.loudRun;
    return std::nullopt;
}

bool CWAVObj::WriteWithPauses(SampleBuffer& block) {
    const std::optional<std::uint64_t> pause = FindPhraseEnd(*this, block, PauseSettings{});
    if (pause && !WriteLongSilenceBytes(*pause))
        return false;
    return Write(block, true);
}
