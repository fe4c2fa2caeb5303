#include "pause/QuietLimits.h"

#include <algorithm>
#include <cmath>

CQuietLimits::CQuietLimits(CSampleSource& samples, const PauseSettings& settings)
    : m_samples(samples), m_dFixedDb(settings.thresholdDb),
      m_nFixed(static_cast<std::int16_t>(settings.MaxQuietMagnitude())) {
    if (!settings.autoThreshold)
        return;
    const std::uint32_t rate = samples.SampleRate();
    m_auto.emplace(rate);
    // A block's window reaches this far past its own end.
    m_nAheadWanted =
        2 * static_cast<std::uint64_t>(std::ceil(CAutoThreshold::SecondsAhead * rate) + 1010);
}

bool CQuietLimits::ReadSamples(SampleBuffer& out) {
    if (!m_auto)
        return m_samples.ReadSamples(out);
    while (!m_bEnded && m_nAheadBytes < m_nAheadWanted) {
        SampleBuffer chunk;
        if (!m_spare.empty()) {
            chunk = std::move(m_spare.back());
            m_spare.pop_back();
        }
        if (!m_samples.ReadSamples(chunk)) {
            m_bEnded = true;
            m_auto->Finish();
            break;
        }
        const auto bytes = static_cast<std::size_t>(std::max(chunk.length, 0));
        m_auto->Analyse(chunk.data.get(), bytes);
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
    return m_auto ? m_auto->MaxQuiet(position) : m_nFixed;
}

PauseReport CQuietLimits::Report() const {
    PauseReport report;
    report.automatic = m_auto.has_value();
    report.lowestDb = report.highestDb = m_dFixedDb;
    if (m_auto && m_auto->Highest() >= 0) {
        // Quiet is below the limit plus one.
        const auto db = [](std::int16_t limit) { return 20 * std::log10((limit + 1) / 32767.0); };
        report.lowestDb = db(m_auto->Lowest());
        report.highestDb = db(m_auto->Highest());
    }
    return report;
}
