// Why atempo: measured against librubberband 3.1.2 (R3 "finer", the engine
// meant for speech, and R2 "faster", each offline and real-time) and FFmpeg's
// rubberband filter, on speech at 22.05 and 44.1 kHz (bench/stretch.sh,
// figures in bench/RESULTS.md):
// - Speed decides it. A 10-minute lesson at 44.1 kHz, stretched to 0.75, must
//   cost about what `ffmpeg -af atempo=0.75` spends on it (3.2 s with decoding).
//   atempo stretches 20-28 million samples a second, 1.2 s for the lesson; R2
//   1.2-1.7 million (16 s), R3 0.5-1.0 million (43 s), R3 with its short
//   window 2.5-2.8 million (9.4 s).
// - On quality, by measures that need no ears, at 0.6 and 0.8, it holds its
//   own. All hold the pitch of a tone and of voiced speech within 0.5 %,
//   atempo within 0.1 %. Overlapping pieces of the waveform itself, atempo
//   keeps the shape of voiced sound where the phase vocoders blur it (a
//   buzz's crest factor stays 7.76; R3 gives 4.7-6.5, R2 5.8-7.2) and keeps
//   clicks sharper than R2 (90-98 % of their energy in place, R2 51-86 %,
//   R3 92-100 %). Its weak point is a pure tone, which its joins leave
//   26-35 dB clean (R3 35-72 dB).
#include "media/plugin/TempoStretcher.h"

#include "audio/SampleSink.h"

#include <algorithm>
#include <cstring>
#include <new>

extern "C" {
#include <libavfilter/avfilter.h>
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavutil/channel_layout.h>
#include <libavutil/frame.h>
#include <libavutil/opt.h>
}

namespace {

// Most samples per frame into the filter, whatever size the pieces come in.
constexpr std::size_t FrameSamples = 4096;

// atempo holds back up to a window (about 1/24 s, rounded up to a power of
// two) at the end; zeros after the phrase push all of it out.
std::size_t TailSamples(std::uint32_t rate) {
    return rate / 8;
}

} // namespace

void CTempoStretcher::Deleter::operator()(AVFilterGraph* p) const {
    avfilter_graph_free(&p);
}
void CTempoStretcher::Deleter::operator()(AVFrame* p) const {
    av_frame_free(&p);
}

std::unique_ptr<CTimeStretcher> CTempoStretcher::Make(std::uint32_t rate, double tempo) {
    if (rate < MinRate || rate > MaxRate || !(tempo >= MinTempo && tempo <= MaxTempo))
        return nullptr;
    for (const char* name : {"abuffer", "atempo", "aformat", "abuffersink"})
        if (!avfilter_get_by_name(name))
            return nullptr;
    auto stretcher = std::make_unique<CTempoStretcher>(rate, tempo);
    if (!stretcher->m_frame)
        return nullptr;
    return stretcher;
}

CTempoStretcher::CTempoStretcher(std::uint32_t rate, double tempo)
    : m_nRate(rate), m_dTempo(tempo), m_frame(av_frame_alloc()) {}

CTempoStretcher::~CTempoStretcher() = default;

bool CTempoStretcher::Fail() {
    m_bOpen = false;
    m_graph.reset();
    return false;
}

// Filters set up by options rather than by a text, so that no locale's decimal
// comma gets into the tempo.
bool CTempoStretcher::MakeGraph() {
    m_graph.reset(avfilter_graph_alloc());
    if (!m_graph)
        return false;
    m_graph->nb_threads = 1; // same bytes every time
    m_graph->thread_type = 0;
    const auto add = [this](const char* name) {
        return avfilter_graph_alloc_filter(m_graph.get(), avfilter_get_by_name(name), name);
    };
    m_pSource = add("abuffer");
    AVFilterContext* tempo = add("atempo");
    AVFilterContext* format = add("aformat");
    m_pOutput = add("abuffersink");
    if (!m_pSource || !tempo || !format || !m_pOutput)
        return false;
    const int rate = static_cast<int>(m_nRate);
    return av_opt_set_int(m_pSource, "sample_rate", rate, AV_OPT_SEARCH_CHILDREN) >= 0 &&
           av_opt_set_sample_fmt(m_pSource, "sample_fmt", AV_SAMPLE_FMT_S16,
                                 AV_OPT_SEARCH_CHILDREN) >= 0 &&
           av_opt_set(m_pSource, "channel_layout", "mono", AV_OPT_SEARCH_CHILDREN) >= 0 &&
           av_opt_set_q(m_pSource, "time_base", AVRational{1, rate}, AV_OPT_SEARCH_CHILDREN) >= 0 &&
           av_opt_set_double(tempo, "tempo", m_dTempo, AV_OPT_SEARCH_CHILDREN) >= 0 &&
           av_opt_set(format, "sample_fmts", "s16", AV_OPT_SEARCH_CHILDREN) >= 0 &&
           av_opt_set(format, "channel_layouts", "mono", AV_OPT_SEARCH_CHILDREN) >= 0 &&
           avfilter_init_str(m_pSource, nullptr) >= 0 && avfilter_init_str(tempo, nullptr) >= 0 &&
           avfilter_init_str(format, nullptr) >= 0 && avfilter_init_str(m_pOutput, nullptr) >= 0 &&
           avfilter_link(m_pSource, 0, tempo, 0) >= 0 && avfilter_link(tempo, 0, format, 0) >= 0 &&
           avfilter_link(format, 0, m_pOutput, 0) >= 0 &&
           avfilter_graph_config(m_graph.get(), nullptr) >= 0;
}

bool CTempoStretcher::Begin(std::uint64_t count, CSampleSink& sink) {
    if (count > MaxCount) // beyond years of sound: a count gone wrong
        return Fail();
    m_pSink = &sink;
    m_nExpected = count;
    m_nIn = m_nFed = m_nOut = 0;
    m_nOutLength = OutputLength(count, m_dTempo);
    m_bOpen = true;
    if (m_dTempo != 1 && !MakeGraph())
        return Fail();
    return true;
}

bool CTempoStretcher::Study(const std::uint8_t*, std::size_t) {
    return Fail(); // atempo needs no study
}

bool CTempoStretcher::Process(const std::uint8_t* samples, std::size_t count) {
    if (!m_bOpen || count > m_nExpected - m_nIn || (samples == nullptr && count > 0))
        return Fail();
    m_nIn += count;
    if (m_dTempo == 1) { // the phrase as it is
        m_nOut += count;
        return count == 0 || m_pSink->Write(samples, count) || Fail();
    }
    return Feed(samples, count) || Fail();
}

bool CTempoStretcher::Finish() {
    if (!m_bOpen || m_nIn != m_nExpected)
        return Fail();
    if (m_dTempo != 1 && !(Feed(nullptr, TailSamples(m_nRate)) &&
                           av_buffersrc_add_frame(m_pSource, nullptr) >= 0 && Drain()))
        return Fail();
    // Should the filter still fall short, the tail it held back was zeros anyway.
    static const std::uint8_t zeros[2 * FrameSamples] = {};
    while (m_nOut < m_nOutLength) {
        const std::size_t n =
            static_cast<std::size_t>(std::min<std::uint64_t>(m_nOutLength - m_nOut, FrameSamples));
        if (!m_pSink->Write(zeros, n))
            return Fail();
        m_nOut += n;
    }
    m_bOpen = false;
    m_graph.reset(); // nothing held between phrases
    return true;
}

bool CTempoStretcher::Feed(const std::uint8_t* samples, std::size_t count) {
    for (std::size_t at = 0; at < count;) {
        const std::size_t n = std::min(count - at, FrameSamples);
        AVFrame* frame = m_frame.get();
        frame->format = AV_SAMPLE_FMT_S16;
        frame->sample_rate = static_cast<int>(m_nRate);
        frame->nb_samples = static_cast<int>(n);
        frame->pts = static_cast<std::int64_t>(m_nFed);
        av_channel_layout_default(&frame->ch_layout, 1);
        if (av_frame_get_buffer(frame, 0) < 0) {
            av_frame_unref(frame);
            return false;
        }
        if (samples)
            std::memcpy(frame->data[0], samples + 2 * at, 2 * n);
        else
            std::memset(frame->data[0], 0, 2 * n);
        // The filter takes the frame's buffer and leaves the frame blank.
        if (av_buffersrc_add_frame(m_pSource, frame) < 0) {
            av_frame_unref(frame);
            return false;
        }
        m_nFed += n;
        at += n;
        if (!Drain())
            return false;
    }
    return true;
}

bool CTempoStretcher::Drain() {
    for (;;) {
        AVFrame* frame = m_frame.get();
        const int got = av_buffersink_get_frame(m_pOutput, frame);
        if (got == AVERROR(EAGAIN) || got == AVERROR_EOF)
            return true;
        if (got < 0)
            return false;
        const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(
            static_cast<std::uint64_t>(std::max(frame->nb_samples, 0)), m_nOutLength - m_nOut));
        const bool ok = frame->format == AV_SAMPLE_FMT_S16 && frame->ch_layout.nb_channels == 1 &&
                        (n == 0 || m_pSink->Write(frame->data[0], n));
        av_frame_unref(frame);
        if (!ok)
            return false;
        m_nOut += n;
    }
}
