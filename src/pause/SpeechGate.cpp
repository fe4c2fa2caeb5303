#include "pause/SpeechGate.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {
constexpr std::uint64_t Window = CSpeechNet::Window;
// Windows kept behind the block under way: more than a gap's lead reaches back.
constexpr std::uint64_t KeptWindows = 64;
} // namespace

CSpeechGate::CSpeechGate(std::shared_ptr<const SpeechLayers> layers, std::uint32_t rate,
                         double minSilenceSeconds, bool onDemand, bool threaded)
    : m_net(std::move(layers)), m_resampler(rate), m_nRate(std::max<std::uint32_t>(rate, 1)),
      m_nMinGap(static_cast<std::uint64_t>(std::ceil(minSilenceSeconds * CResampler16k::Rate))),
      m_nMaxLead(static_cast<std::uint64_t>(MaxLeadSeconds * CResampler16k::Rate)),
      m_bOnDemand(onDemand), m_bRunning(!onDemand),
      m_history(onDemand ? static_cast<std::size_t>(HistorySeconds * m_nRate) : 0),
      m_nIdle(static_cast<std::uint64_t>(IdleSeconds * m_nRate)) {
    if (threaded)
        m_thread = std::thread([this] { Work(); });
}

CSpeechGate::~CSpeechGate() {
    if (m_thread.joinable()) {
        {
            const std::lock_guard lock(m_mutex);
            m_bQuit = true;
        }
        m_changed.notify_all();
        m_thread.join();
    }
}

void CSpeechGate::Work() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [&] { return m_bQuit || !m_sent.empty(); });
        if (m_bQuit)
            return;
        Sent window = std::move(m_sent.front());
        m_sent.pop_front();
        m_changed.notify_all(); // room in the queue
        lock.unlock();
        const float probability = m_net.Next(window.samples.data());
        if (m_observer)
            m_observer(window.index, probability);
        const bool voice = Voice(probability);
        lock.lock();
        m_done.push_back(voice);
        m_changed.notify_all();
    }
}

void CSpeechGate::Collect(std::uint64_t end) {
    if (!m_thread.joinable() || m_nFirstWindow + m_voiced.size() >= end)
        return;
    std::unique_lock lock(m_mutex);
    while (m_nFirstWindow + m_voiced.size() < end) {
        m_changed.wait(lock, [&] { return !m_done.empty(); });
        for (const bool voice : m_done) {
            m_voiced.push_back(voice);
            m_nVoiced += voice;
        }
        m_nInFlight -= m_done.size();
        m_done.clear();
    }
}

void CSpeechGate::Analyse(const std::uint8_t* bytes, std::size_t count) {
    m_samples.clear();
    std::size_t i = 0;
    if (m_nCarry >= 0 && count > 0) {
        m_samples.push_back(static_cast<std::int16_t>(m_nCarry | bytes[0] << 8));
        m_nCarry = -1;
        i = 1;
    }
    const std::size_t whole = (count - i) / 2;
    const std::size_t before = m_samples.size();
    m_samples.resize(before + whole);
    std::memcpy(m_samples.data() + before, bytes + i, 2 * whole);
    if (i + 2 * whole < count)
        m_nCarry = bytes[count - 1];
    if (!m_history.empty()) {
        const std::size_t size = m_history.size();
        const std::size_t n = std::min(m_samples.size(), size); // older ones would be overwritten
        const std::int16_t* from = m_samples.data() + (m_samples.size() - n);
        const std::uint64_t first = m_nAnalysed + m_samples.size() - n;
        const std::size_t at = first % size, head = std::min(n, size - at);
        std::memcpy(m_history.data() + at, from, 2 * head);
        std::memcpy(m_history.data(), from + head, 2 * (n - head));
    }
    m_nAnalysed += m_samples.size();
    if (m_bRunning)
        Run(m_samples.data(), m_samples.size());
}

void CSpeechGate::Run(const std::int16_t* samples, std::size_t count) {
    // In pieces, so that a lead-in's catching up holds a few windows, not seconds of them.
    constexpr std::size_t Piece = 8192;
    for (std::size_t from = 0; from < count; from += Piece) {
        m_resampler.Take(samples + from, std::min(Piece, count - from), m_pending);
        std::size_t used = 0;
        for (; used + Window <= m_pending.size(); used += Window)
            Classify(m_pending.data() + used);
        m_pending.erase(m_pending.begin(), m_pending.begin() + static_cast<std::ptrdiff_t>(used));
    }
}

void CSpeechGate::Finish() {
    if (m_bRunning)
        Flush();
    Collect(Windows());
    m_bFinished = true;
}

void CSpeechGate::Flush() {
    m_resampler.Finish(m_pending);
    if (!m_pending.empty()) { // the last part window, with silence after it
        m_pending.resize(((m_pending.size() + Window - 1) / Window) * Window, 0.0f);
        for (std::size_t used = 0; used < m_pending.size(); used += Window)
            Classify(m_pending.data() + used);
        m_pending.clear();
    }
}

void CSpeechGate::Start(std::uint64_t position) {
    // The first window at least the lead-in before the block, and in the history.
    const auto window = [&](std::uint64_t sample, bool up) {
        const std::uint64_t scaled = sample * CResampler16k::Rate, per = Window * m_nRate;
        return (scaled + (up ? per - 1 : 0)) / per;
    };
    const auto lead = static_cast<std::uint64_t>(LeadInSeconds * m_nRate);
    const std::uint64_t kept = m_history.size();
    Collect(Windows()); // the network's thread is idle from here
    std::uint64_t first = window(position > lead ? position - lead : 0, false);
    first = std::max({first, window(m_nAnalysed > kept ? m_nAnalysed - kept : 0, true), Windows()});
    if (first > Windows() + KeptWindows) {
        m_voiced.clear();
        m_nFirstWindow = first - KeptWindows;
    }
    while (Windows() < first)
        m_voiced.push_back(true); // not run: voiced, for all we know
    m_resampler.Reset();
    m_pending.clear();
    m_net.Reset();
    m_bVoice = false;
    m_bRunning = true;
    const std::uint64_t per = CResampler16k::Rate;
    std::uint64_t sample = (first * Window * m_nRate + per - 1) / per;
    while (sample < m_nAnalysed) { // the ring in at most two pieces
        const std::size_t at = sample % kept;
        const std::size_t n = std::min<std::uint64_t>(m_nAnalysed - sample, kept - at);
        Run(m_history.data() + at, n);
        sample += n;
    }
    if (m_bFinished)
        Flush();
}

void CSpeechGate::NotNeeded(std::uint64_t position) {
    if (m_bOnDemand && m_bRunning && position > m_nLastNeed + m_nIdle)
        m_bRunning = false;
}

bool CSpeechGate::Voice(float probability) {
    m_bVoice = probability >= Attack || (m_bVoice && probability >= Release);
    return m_bVoice;
}

void CSpeechGate::Classify(const float* samples) {
    if (m_thread.joinable()) {
        constexpr std::size_t Queued = 256; // 8 s of windows
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return m_sent.size() < Queued; });
        m_sent.push_back({Windows(), std::vector<float>(samples, samples + Window)});
        ++m_nInFlight;
        m_changed.notify_all();
        return;
    }
    const float probability = m_net.Next(samples);
    if (m_observer)
        m_observer(Windows(), probability);
    const bool voice = Voice(probability);
    m_voiced.push_back(voice);
    m_nVoiced += voice;
}

std::int16_t CSpeechGate::MaxQuiet(std::uint64_t position) {
    constexpr std::int16_t Quiet = 32767, Loud = -1;
    const std::uint64_t at = position * CResampler16k::Rate / m_nRate; // at 16 kHz
    const std::uint64_t window = at / Window;
    if (m_bOnDemand) {
        m_nLastNeed = position;
        if (!m_bRunning)
            Start(position);
    }
    if (window > KeptWindows)
        Collect(std::min(Windows(), window - KeptWindows));
    while (m_nFirstWindow + KeptWindows < window && !m_voiced.empty()) {
        m_voiced.pop_front();
        ++m_nFirstWindow;
    }
    const std::uint64_t end = Windows();
    const auto voiced = [&](std::uint64_t w) {
        if (w >= end)
            return false;
        Collect(w + 1);
        return bool(m_voiced[w - m_nFirstWindow]);
    };
    // The gap at or after the block: from the first unvoiced window ...
    std::uint64_t from = std::min(window, end);
    if (voiced(from)) {
        // A voiced block is quiet only as the run-up to a gap that starts soon.
        const std::uint64_t ahead = std::min(end, window + m_nMinGap / Window + 1);
        while (from < ahead && voiced(from))
            ++from;
        if (from == ahead)
            return Loud;
    } else {
        while (from > m_nFirstWindow && !voiced(from - 1))
            --from;
    }
    // ... to the next voiced one, or the recording's end.
    std::uint64_t to = from;
    while (to < end && !voiced(to))
        ++to;
    const bool open = to == end && !m_bFinished; // the gap goes on past what was analysed
    const std::uint64_t gap = (to - from) * Window;
    if (from == 0 || (gap < m_nMinGap && !open))
        return Loud; // no voice before it, or too short for a pause
    const std::uint64_t lead = std::min(gap / 2, m_nMaxLead);
    if (open && gap / 2 < m_nMaxLead)
        return Loud; // not yet known where the pause goes
    const std::uint64_t pause = from * Window + lead;
    // Quiet from one minimum silence before the pause to the gap's end.
    return at + m_nMinGap >= pause && at < to * Window ? Quiet : Loud;
}
