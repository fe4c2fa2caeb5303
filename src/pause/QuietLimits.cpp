#include "pause/QuietLimits.h"

#include <sched.h>

#include <algorithm>
#include <cmath>
#include <thread>

namespace {
// Auto takes the speech network for blocks whose window's voice lies less than
// this above its room (bench/RESULTS.md: clean and noisy speech measure 25 dB
// and more, speech over music or rumble less).
constexpr double ClearQuietDb = 18;
// ... and where the window holds no quiet stretch long enough for a pause with
// both margins and this to spare: the level can then find no pause there
// (fast speech, or music whose dips are too short), the network may.
constexpr double SpareSeconds = 0.1;

// Whether this process may run on two cores or more: taskset or a container
// may allow fewer than the machine has, and then a second thread only waits.
bool SecondCore() {
    cpu_set_t allowed;
    if (sched_getaffinity(0, sizeof allowed, &allowed) == 0)
        return CPU_COUNT(&allowed) >= 2;
    return std::thread::hardware_concurrency() >= 2;
}
} // namespace

CQuietLimits::CQuietLimits(CSampleSource& samples, const PauseSettings& settings)
    : m_samples(samples), m_dFixedDb(settings.thresholdDb),
      m_nFixed(static_cast<std::int16_t>(settings.MaxQuietMagnitude())) {
    const std::uint32_t rate = samples.SampleRate();
    if (settings.detector != PauseDetector::Level) {
        const SharedSpeechLayers& model = FindSharedSpeechLayers();
        if (model.layers) {
            m_bAutoDetector = settings.detector == PauseDetector::Auto;
            m_dShortestQuiet = settings.minSilenceSeconds + CAutoThreshold::OnsetSeconds +
                               CAutoThreshold::TailSeconds + SpareSeconds;
            // The network beside the decoding where there is a second core.
            m_gate.emplace(model.layers, rate, settings.minSilenceSeconds, m_bAutoDetector,
                           SecondCore());
            m_strWhy = m_bAutoDetector ? "" : "--detector speech";
        } else {
            m_strWhy = model.error + "; the level is used instead";
        }
    }
    if (!settings.autoThreshold && !m_bAutoDetector && !m_gate)
        return;
    if (settings.autoThreshold || m_bAutoDetector)
        m_auto.emplace(rate);
    // A block's window reaches this far past its own end.
    m_nAheadWanted = 2 * static_cast<std::uint64_t>(std::ceil(CAutoThreshold::SecondsAhead * rate) +
                                                    SamplesPerBlock);
}

bool CQuietLimits::ReadSamples(SampleBuffer& out) {
    if (!m_auto && !m_gate)
        return m_samples.ReadSamples(out);
    while (!m_bEnded && m_nAheadBytes < m_nAheadWanted) {
        SampleBuffer chunk;
        if (!m_spare.empty()) {
            chunk = std::move(m_spare.back());
            m_spare.pop_back();
        }
        if (!m_samples.ReadSamples(chunk)) {
            m_bEnded = true;
            if (m_auto)
                m_auto->Finish();
            if (m_gate)
                m_gate->Finish();
            break;
        }
        const auto bytes = static_cast<std::size_t>(std::max(chunk.length, 0));
        if (m_auto)
            m_auto->Analyse(chunk.data.get(), bytes);
        if (m_gate)
            m_gate->Analyse(chunk.data.get(), bytes);
        m_nAheadBytes += bytes;
        m_ahead.push_back(std::move(chunk));
    }
    if (m_ahead.empty())
        return false;
    std::swap(out, m_ahead.front());
    m_nAheadBytes -= static_cast<std::size_t>(std::max(out.length, 0));
    m_spare.push_back(std::move(m_ahead.front()));
    m_ahead.pop_front();
    return true;
}

std::int16_t CQuietLimits::NextBlock(std::int32_t bytes) {
    const std::uint64_t position = m_nPosition / 2;
    m_nPosition += static_cast<std::uint64_t>(std::max(bytes, 0));
    if (m_gate && !m_bAutoDetector)
        return m_gate->MaxQuiet(position);
    if (!m_auto)
        return m_nFixed;
    const std::int16_t level = m_auto->MaxQuiet(position);
    if (m_bAutoDetector &&
        (m_auto->SpreadDb() < ClearQuietDb || m_auto->LongestQuietSeconds() < m_dShortestQuiet)) {
        ++m_nSpeechBlocks;
        return m_gate->MaxQuiet(position);
    }
    if (m_gate)
        m_gate->NotNeeded(position);
    ++m_nLevelBlocks;
    return level;
}

PauseReport CQuietLimits::Report() const {
    PauseReport report;
    report.automatic = m_auto.has_value();
    report.why = m_strWhy;
    if (m_gate && !m_bAutoDetector) {
        report.detector = "speech";
        report.automatic = false;
    } else if (m_bAutoDetector) {
        const std::uint64_t blocks = m_nLevelBlocks + m_nSpeechBlocks;
        const int share = blocks ? static_cast<int>(100 * m_nSpeechBlocks / blocks) : 0;
        report.detector = m_nSpeechBlocks == 0  ? "level"
                          : m_nLevelBlocks == 0 ? "speech"
                                                : "level and speech";
        report.why = m_nSpeechBlocks == 0
                         ? "auto: clear quiet between phrases throughout"
                         : "auto: no clear quiet (voice less than " +
                               std::to_string(static_cast<int>(ClearQuietDb)) +
                               " dB above the room, or no quiet stretch of " +
                               std::to_string(std::lround(1000 * m_dShortestQuiet)) + " ms) in " +
                               std::to_string(share) + " % of it";
    }
    report.lowestDb = report.highestDb = m_dFixedDb;
    if (m_auto && m_auto->Highest() >= 0) {
        // Quiet is below the limit plus one.
        const auto db = [](std::int16_t limit) { return 20 * std::log10((limit + 1) / 32767.0); };
        report.lowestDb = db(m_auto->Lowest());
        report.highestDb = db(m_auto->Highest());
    }
    return report;
}
