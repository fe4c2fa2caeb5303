#pragma once

#include "pause/Resampler.h"
#include "pause/SpeechNet.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// The quiet limit from the speech network: a block is quiet only where the
// recording holds no speech, in a gap between voiced windows of at least the
// minimum silence. The pause goes in the middle of the gap (at most MaxLead
// after the voice), so the gap's quiet is made to end there: the blocks from
// one minimum silence before that point to the gap's end are quiet, all the
// others loud. Both word edges keep the rest of the gap as their margin, and
// a gap only as long as the minimum silence still takes its pause.
//
// On demand, the network runs only around the blocks asked about: it keeps the
// last HistorySeconds of the recording, starts LeadInSeconds before a block
// that needs it (so its state has settled by then), and stops once no block
// has needed it for IdleSeconds. Windows it did not run count as voiced, so a
// gap never reaches back past a lead-in.
//
// Threaded, the network runs on a thread of its own, a bounded queue of
// windows behind the decoding; a block waits only for the windows it looks
// at, so its limit is the one the gate gives without the thread.
class CSpeechGate {
public:
    // A window is voiced from this probability on, and stays so until it
    // falls below Release: the network's own recommended hysteresis.
    static constexpr float Attack = 0.5f, Release = 0.35f;
    static constexpr double MaxLeadSeconds = 0.4;
    static constexpr double HistorySeconds = 12, LeadInSeconds = 3, IdleSeconds = 8;

    CSpeechGate(std::shared_ptr<const SpeechLayers> layers, std::uint32_t rate,
                double minSilenceSeconds, bool onDemand = false, bool threaded = false);
    ~CSpeechGate();
    CSpeechGate(const CSpeechGate&) = delete;
    CSpeechGate& operator=(const CSpeechGate&) = delete;

    // The recording's next samples, 16-bit little-endian, any number of bytes.
    void Analyse(const std::uint8_t* bytes, std::size_t count);
    void Finish();
    // 32767 (all quiet) or -1 (all loud) for the block at position (in
    // samples from the first analysed one). Positions never go back.
    std::int16_t MaxQuiet(std::uint64_t position);
    // On demand: the block at position takes its limit elsewhere.
    void NotNeeded(std::uint64_t position);
    // Told of each window the network runs: its index and speech probability.
    void Observe(std::function<void(std::uint64_t, float)> observer) {
        m_observer = std::move(observer);
    }
    // Windows analysed, and how many of them were voiced.
    std::uint64_t Windows() const { return m_nFirstWindow + m_voiced.size() + m_nInFlight; }
    std::uint64_t VoicedWindows() const { return m_nVoiced; }

private:
    void Classify(const float* samples);
    void Run(const std::int16_t* samples, std::size_t count);
    void Start(std::uint64_t position);
    void Flush();
    bool Voice(float probability);
    // Threaded: the network's thread, and the windows it has done taken in up to end.
    void Work();
    void Collect(std::uint64_t end);

    CSpeechNet m_net;
    CResampler16k m_resampler;
    std::uint32_t m_nRate;
    std::uint64_t m_nMinGap;      // in 16 kHz samples
    std::uint64_t m_nMaxLead;     // in 16 kHz samples
    std::vector<float> m_pending; // 16 kHz samples not yet a whole window
    std::vector<std::int16_t> m_samples;
    int m_nCarry = -1;
    bool m_bVoice = false, m_bFinished = false;
    std::deque<bool> m_voiced; // windows from m_nFirstWindow on
    std::uint64_t m_nFirstWindow = 0, m_nVoiced = 0;
    // On demand: the recording's last samples, from m_nHistoryFirst on.
    bool m_bOnDemand, m_bRunning;
    std::vector<std::int16_t> m_history;    // a ring: sample i at i % its size
    std::uint64_t m_nAnalysed = 0;          // samples
    std::uint64_t m_nLastNeed = 0, m_nIdle; // in samples
    std::function<void(std::uint64_t, float)> m_observer;
    // Threaded: windows sent (their index and samples) and their results back.
    struct Sent {
        std::uint64_t index;
        std::vector<float> samples;
    };
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Sent> m_sent;
    std::deque<bool> m_done;
    std::uint64_t m_nInFlight = 0;
    bool m_bQuit = false;
    std::thread m_thread;
};
