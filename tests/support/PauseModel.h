#pragma once

// The pause rules as they are stated, one sample at a time: the independent
// model that the word-at-a-time detector and the tuned conversion are held to.

#include "pause/PhraseDetector.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

struct PauseModel {
    PauseSettings settings;
    std::uint32_t rate = 22050;
    std::uint64_t phrase = 0, quiet = 0, loudRun = 0, written = 0;
    bool ended = false; // a phrase ended before the last block

    // A duration in bytes: whole groups of 8 samples of 16 bits.
    std::uint64_t Bytes(double seconds) const {
        const auto samples = static_cast<std::uint32_t>(static_cast<std::int64_t>(rate * seconds));
        return 16 * (samples / 8);
    }

    std::uint64_t Pause(std::uint64_t phraseBytes) const {
        return 2 * static_cast<std::uint64_t>(
                       std::floor(settings.pauseFactor * static_cast<double>(phraseBytes / 2)) +
                       std::floor(settings.pauseExtraSeconds * rate));
    }

    // The pause written before this block, or 0; then the block is written.
    std::uint64_t Block(const std::int16_t* samples, std::size_t count) {
        const double below = 32767 * std::pow(10.0, settings.thresholdDb / 20);
        std::uint64_t pause = 0;
        ended = false;
        for (std::size_t i = 0; i < count; ++i) {
            if (std::abs(std::int32_t{samples[i]}) < below) {
                quiet += 2;
                loudRun = 0;
            } else if (++loudRun > 5) {
                quiet = 0;
            }
            if (quiet >= Bytes(settings.minSilenceSeconds) &&
                phrase >= Bytes(settings.minPhraseSeconds)) {
                pause = Pause(phrase);
                phrase = quiet = 0;
                ended = true;
                break;
            }
        }
        phrase += 2 * count;
        written += pause + 2 * count;
        return pause;
    }

    // The data of a tuned practice file: blocks of 1010 samples with their
    // pauses, and the last phrase's pause.
    std::string TunedData(const std::vector<std::int16_t>& samples) {
        std::string data;
        for (std::size_t at = 0; at < samples.size(); at += 1010) {
            const std::size_t count = std::min<std::size_t>(1010, samples.size() - at);
            data.append(Block(samples.data() + at, count), '\0');
            data.append(reinterpret_cast<const char*>(samples.data() + at), 2 * count);
        }
        return data.append(phrase > 0 ? Pause(phrase) : 0, '\0');
    }

    // The same with every phrase played count times, each time followed
    // by its pause, bounded in whole samples to [minPause, maxPause] seconds.
    std::string PassesData(const std::vector<std::int16_t>& samples, int count, double minPause,
                           double maxPause) {
        std::vector<std::size_t> ends; // where each phrase ends, in samples
        for (std::size_t at = 0; at < samples.size(); at += 1010) {
            Block(samples.data() + at, std::min<std::size_t>(1010, samples.size() - at));
            if (ended)
                ends.push_back(at);
        }
        return Practice(samples, ends, count, minPause, maxPause);
    }

    // Where each pass is in the data that Practice made: start and end samples.
    std::vector<std::pair<std::size_t, std::size_t>> passBounds{};

    // Whether samples [from, end) hold speech: more loud samples in a row
    // than the tolerated run, within one of the blocks of 1010 from `from`.
    bool Speaks(const std::vector<std::int16_t>& samples, std::size_t from, std::size_t end) const {
        const double below = 32767 * std::pow(10.0, settings.thresholdDb / 20);
        for (std::size_t i = from, run = 0; i < end; ++i) {
            run = (i - from) % 1010 == 0 ? 0 : run;
            run = std::abs(std::int32_t{samples[i]}) < below ? 0 : run + 1;
            if (run > 5)
                return true;
        }
        return false;
    }

    // The phrases that end at ends (and the last one) played count times;
    // one of quiet alone played once, and no pass of it in passBounds.
    std::string Practice(const std::vector<std::int16_t>& samples, std::vector<std::size_t> ends,
                         int count, double minPause, double maxPause) {
        ends.push_back(samples.size());
        std::string data;
        std::size_t from = 0;
        for (const std::size_t end : ends) {
            if (end <= from)
                continue;
            const std::string audio(reinterpret_cast<const char*>(samples.data() + from),
                                    2 * (end - from));
            const double pause =
                std::clamp(static_cast<double>(Pause(audio.size()) / 2),
                           std::floor(minPause * rate), std::floor(maxPause * rate));
            const bool speaks = Speaks(samples, from, end);
            for (int k = 0; k < (speaks ? count : 1); ++k) {
                if (speaks)
                    passBounds.emplace_back(data.size() / 2, data.size() / 2 + (end - from));
                data.append(audio).append(2 * static_cast<std::size_t>(pause), '\0');
            }
            from = end;
        }
        return data;
    }
};

// Random material shaped like speech: quiet stretches, loud bursts of every
// length around the tolerated run, and the threshold's edge values.
inline std::vector<std::int16_t> SpeechLike(std::mt19937& rng, std::size_t count,
                                            std::size_t longest = 70000) {
    static const std::int16_t quietValues[] = {0, 1, -1, 3276, -3276, 100, -2000};
    static const std::int16_t loudValues[] = {3277, -3277, -32768, 32767, 12000, -9000};
    std::vector<std::int16_t> samples;
    while (samples.size() < count) {
        const bool loud = rng() % 2 == 0;
        const std::size_t lengths[] = {1 + rng() % 8, 4 + rng() % 4, 100 + rng() % 3000,
                                       3000 + rng() % longest};
        for (std::size_t i = lengths[rng() % 4]; i > 0; --i)
            samples.push_back(loud ? loudValues[rng() % std::size(loudValues)]
                                   : quietValues[rng() % std::size(quietValues)]);
    }
    samples.resize(count);
    return samples;
}
