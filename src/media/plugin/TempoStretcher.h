#pragma once

#include "audio/TimeStretcher.h"

#include <cstddef>
#include <cstdint>
#include <memory>

struct AVFilterContext;
struct AVFilterGraph;
struct AVFrame;

// The slowed and quickened passes through FFmpeg's atempo filter (libavfilter):
// a graph abuffer -> atempo -> abuffersink, made afresh for each phrase.
class CTempoStretcher final : public CTimeStretcher {
public:
    // The rates it takes: atempo sizes its window from the rate and breaks on tiny ones.
    static constexpr std::uint32_t MinRate = 1000;
    static constexpr std::uint32_t MaxRate = 768000;
    // The most samples a phrase may have (2^48: years at any rate).
    static constexpr std::uint64_t MaxCount = std::uint64_t{1} << 48;

    // Null when the rate or the tempo is out of range, or FFmpeg lacks the filter.
    static std::unique_ptr<CTimeStretcher> Make(std::uint32_t rate, double tempo);

    CTempoStretcher(std::uint32_t rate, double tempo);
    ~CTempoStretcher() override;

    bool NeedsStudy() const override { return false; }
    bool Begin(std::uint64_t count, CSampleSink& sink) override;
    bool Study(const std::uint8_t* samples, std::size_t count) override;
    bool Process(const std::uint8_t* samples, std::size_t count) override;
    bool Finish() override;

private:
    struct Deleter {
        void operator()(AVFilterGraph* p) const;
        void operator()(AVFrame* p) const;
    };

    bool MakeGraph();
    // Count samples into the filter, zeros when samples is null, draining as it goes.
    bool Feed(const std::uint8_t* samples, std::size_t count);
    // Whatever the filter has ready, to the sink, up to the phrase's output length.
    bool Drain();
    bool Fail();

    std::uint32_t m_nRate;
    double m_dTempo;
    CSampleSink* m_pSink = nullptr;
    std::uint64_t m_nExpected = 0;  // samples in for the phrase
    std::uint64_t m_nIn = 0;        // of them so far
    std::uint64_t m_nFed = 0;       // samples into the filter, the tail's zeros too
    std::uint64_t m_nOutLength = 0; // samples out for the phrase
    std::uint64_t m_nOut = 0;       // of them so far
    bool m_bOpen = false;           // a phrase under way, nothing failed
    std::unique_ptr<AVFilterGraph, Deleter> m_graph;
    AVFilterContext* m_pSource = nullptr; // m_graph's
    AVFilterContext* m_pOutput = nullptr; // m_graph's
    std::unique_ptr<AVFrame, Deleter> m_frame;
};
