// The time stretchers on offer, side by side: librubberband's two engines in
// its two modes, FFmpeg's atempo and rubberband filters through libavfilter,
// and our own stretcher. Speed on long speech, and quality by measures that
// need no ears. See bench/stretch.sh, which makes the material, and
// bench/RESULTS.md for what came out.
//
//   brellow_stretch_bench quality RATE TEMPO SPEECH.raw...   (16-bit mono at RATE)
//   brellow_stretch_bench speed RATE TEMPO SPEECH.raw
//   brellow_stretch_bench memory RATE TEMPO MINUTES         (our stretcher, one long phrase)
#include "audio/SampleSink.h"
#include "audio/TimeStretcher.h"
#include "media/plugin/TempoStretcher.h"

#include <rubberband/RubberBandStretcher.h>
extern "C" {
#include <libavfilter/avfilter.h>
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavutil/channel_layout.h>
#include <libavutil/frame.h>
#include <libavutil/opt.h>
}

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Samples = std::vector<std::int16_t>;
constexpr std::size_t Piece = 4096; // as a caller hands them on

std::int16_t ToS16(float f) {
    return static_cast<std::int16_t>(std::lrint(std::clamp(f * 32768.0f, -32768.0f, 32767.0f)));
}

// librubberband directly, in pieces, with the start padding and delay of the
// real-time mode handled as its documentation asks.
Samples Rubberband(const Samples& in, std::uint32_t rate, double tempo,
                   RubberBand::RubberBandStretcher::Options options) {
    using RB = RubberBand::RubberBandStretcher;
    RB rb(rate, 1, options | RB::OptionThreadingNever, 1.0 / tempo);
    const bool realTime = (options & RB::OptionProcessRealTime) != 0;
    rb.setMaxProcessSize(Piece);
    std::vector<float> buffer(Piece);
    Samples out;
    std::size_t skip = 0;
    const auto drain = [&] {
        for (int n; (n = rb.available()) > 0;) {
            std::vector<float> got(static_cast<std::size_t>(n));
            float* p = got.data();
            rb.retrieve(&p, got.size());
            for (const float f : got)
                if (skip > 0)
                    --skip;
                else
                    out.push_back(ToS16(f));
        }
    };
    const auto feed = [&](bool study) {
        for (std::size_t at = 0; at < in.size(); at += Piece) {
            const std::size_t n = std::min(Piece, in.size() - at);
            for (std::size_t i = 0; i < n; ++i)
                buffer[i] = static_cast<float>(in[at + i]) / 32768.0f;
            const float* p = buffer.data();
            const bool final = at + n == in.size();
            if (study) {
                rb.study(&p, n, final);
            } else {
                rb.process(&p, n, final);
                drain();
            }
        }
    };
    if (realTime) {
        std::fill(buffer.begin(), buffer.end(), 0.0f);
        for (std::size_t pad = rb.getPreferredStartPad(); pad > 0;) {
            const std::size_t n = std::min(pad, Piece);
            const float* p = buffer.data();
            rb.process(&p, n, false);
            pad -= n;
        }
        skip = rb.getStartDelay();
    } else {
        rb.setExpectedInputDuration(in.size());
        feed(true);
    }
    feed(false);
    drain();
    return out;
}

// A libavfilter graph abuffer -> filter -> abuffersink, mono 16-bit.
Samples Avfilter(const Samples& in, std::uint32_t rate, const std::string& filter) {
    std::unique_ptr<AVFilterGraph, void (*)(AVFilterGraph*)> graph(
        avfilter_graph_alloc(), [](AVFilterGraph* g) { avfilter_graph_free(&g); });
    AVFilterContext *src = nullptr, *sink = nullptr;
    const std::string args = "sample_rate=" + std::to_string(rate) +
                             ":sample_fmt=s16:channel_layout=mono:time_base=1/" +
                             std::to_string(rate);
    AVFilterInOut* outputs = avfilter_inout_alloc();
    AVFilterInOut* inputs = avfilter_inout_alloc();
    bool ok = avfilter_graph_create_filter(&src, avfilter_get_by_name("abuffer"), "in",
                                           args.c_str(), nullptr, graph.get()) >= 0 &&
              avfilter_graph_create_filter(&sink, avfilter_get_by_name("abuffersink"), "out",
                                           nullptr, nullptr, graph.get()) >= 0;
    if (ok) {
        outputs->name = av_strdup("in");
        outputs->filter_ctx = src;
        inputs->name = av_strdup("out");
        inputs->filter_ctx = sink;
        const std::string chain = filter + ",aformat=sample_fmts=s16";
        ok =
            avfilter_graph_parse_ptr(graph.get(), chain.c_str(), &inputs, &outputs, nullptr) >= 0 &&
            avfilter_graph_config(graph.get(), nullptr) >= 0;
    }
    avfilter_inout_free(&inputs);
    avfilter_inout_free(&outputs);
    if (!ok)
        throw std::runtime_error("cannot make the filter graph " + filter);
    Samples out;
    std::unique_ptr<AVFrame, void (*)(AVFrame*)> frame(av_frame_alloc(),
                                                       [](AVFrame* f) { av_frame_free(&f); });
    const auto drain = [&] {
        while (av_buffersink_get_frame(sink, frame.get()) >= 0) {
            const auto* p = reinterpret_cast<const std::int16_t*>(frame->data[0]);
            out.insert(out.end(), p, p + frame->nb_samples);
            av_frame_unref(frame.get());
        }
    };
    for (std::size_t at = 0; at < in.size(); at += Piece) {
        const std::size_t n = std::min(Piece, in.size() - at);
        frame->format = AV_SAMPLE_FMT_S16;
        frame->sample_rate = static_cast<int>(rate);
        av_channel_layout_default(&frame->ch_layout, 1);
        frame->nb_samples = static_cast<int>(n);
        frame->pts = static_cast<std::int64_t>(at);
        if (av_frame_get_buffer(frame.get(), 0) < 0)
            throw std::runtime_error("no memory");
        std::memcpy(frame->data[0], in.data() + at, 2 * n);
        if (av_buffersrc_add_frame(src, frame.get()) < 0)
            throw std::runtime_error("the filter refused a frame");
        drain();
    }
    if (av_buffersrc_add_frame(src, nullptr) < 0)
        throw std::runtime_error("the filter refused the end");
    drain();
    return out;
}

// A sink that keeps the samples, or only counts them.
class CKeptSink : public CSampleSink {
public:
    explicit CKeptSink(bool keep) : m_bKeep(keep) {}
    bool Begin(std::uint32_t) override { return true; }
    bool Write(const std::uint8_t* samples, std::size_t count) override {
        m_nCount += count;
        for (std::size_t i = 0; m_bKeep && i < count; ++i)
            m_samples.push_back(
                static_cast<std::int16_t>(samples[2 * i] | samples[2 * i + 1] << 8));
        return true;
    }
    bool WriteSilence(std::uint64_t) override { return false; }
    bool Finish() override { return true; }
    Samples m_samples;
    std::uint64_t m_nCount = 0;

private:
    bool m_bKeep;
};

bool Ours(CTimeStretcher& stretcher, std::uint64_t count, CSampleSink& sink,
          const std::function<void(std::uint64_t, Samples&)>& piece) {
    Samples buffer;
    if (!stretcher.Begin(count, sink))
        return false;
    for (int pass = stretcher.NeedsStudy() ? 0 : 1; pass < 2; ++pass)
        for (std::uint64_t at = 0; at < count; at += Piece) {
            piece(at, buffer);
            const auto* bytes = reinterpret_cast<const std::uint8_t*>(buffer.data());
            if (!(pass == 0 ? stretcher.Study(bytes, buffer.size())
                            : stretcher.Process(bytes, buffer.size())))
                return false;
        }
    return stretcher.Finish();
}

Samples Brellow(const Samples& in, std::uint32_t rate, double tempo) {
    const auto stretcher = CTempoStretcher::Make(rate, tempo);
    CKeptSink sink(true);
    const auto piece = [&](std::uint64_t at, Samples& buffer) {
        buffer.assign(in.begin() + static_cast<std::ptrdiff_t>(at),
                      in.begin() + static_cast<std::ptrdiff_t>(
                                       std::min<std::uint64_t>(in.size(), at + Piece)));
    };
    if (!stretcher || !Ours(*stretcher, in.size(), sink, piece))
        throw std::runtime_error("our stretcher failed");
    return std::move(sink.m_samples);
}

using RB = RubberBand::RubberBandStretcher;
struct Engine {
    const char* name;
    std::function<Samples(const Samples&, std::uint32_t, double)> run;
};
const std::vector<Engine>& Engines() {
    static const std::vector<Engine> engines = {
        {"R3 finer, offline",
         [](const Samples& in, std::uint32_t r, double t) {
             return Rubberband(in, r, t, RB::OptionEngineFiner | RB::OptionProcessOffline);
         }},
        {"R3 finer, real-time",
         [](const Samples& in, std::uint32_t r, double t) {
             return Rubberband(in, r, t, RB::OptionEngineFiner | RB::OptionProcessRealTime);
         }},
        {"R3 finer, real-time, short window",
         [](const Samples& in, std::uint32_t r, double t) {
             return Rubberband(in, r, t,
                               RB::OptionEngineFiner | RB::OptionProcessRealTime |
                                   RB::OptionWindowShort);
         }},
        {"R2 faster, offline",
         [](const Samples& in, std::uint32_t r, double t) {
             return Rubberband(in, r, t, RB::OptionEngineFaster | RB::OptionProcessOffline);
         }},
        {"R2 faster, real-time",
         [](const Samples& in, std::uint32_t r, double t) {
             return Rubberband(in, r, t, RB::OptionEngineFaster | RB::OptionProcessRealTime);
         }},
        {"libavfilter rubberband",
         [](const Samples& in, std::uint32_t r, double t) {
             return Avfilter(in, r, "rubberband=tempo=" + std::to_string(t));
         }},
        {"libavfilter atempo",
         [](const Samples& in, std::uint32_t r, double t) {
             return Avfilter(in, r, "atempo=" + std::to_string(t));
         }},
        {"Brellow (CTempoStretcher)", Brellow},
    };
    return engines;
}

// --- Measures ---------------------------------------------------------------

// Frequency by positive-going zero crossings over the middle 80 %, the first
// and last crossing placed between samples.
double ZeroCrossingHz(const Samples& x, std::uint32_t rate) {
    double first = -1, last = -1;
    int count = 0;
    for (std::size_t i = x.size() / 10 + 1; i < x.size() * 9 / 10; ++i)
        if (x[i - 1] < 0 && x[i] >= 0) {
            const double t = static_cast<double>(i - 1) +
                             static_cast<double>(-x[i - 1]) / static_cast<double>(x[i] - x[i - 1]);
            if (first < 0)
                first = t;
            last = t;
            ++count;
        }
    return count > 1 ? (count - 1) * rate / (last - first) : 0;
}

// How far the tone is from a pure sine of hz: each 2048 samples fitted with
// amplitude and phase of their own, residual against the fit, in dB; the
// worst piece of the middle 80 %, where one bad splice shows.
double WorstToneSnr(const Samples& x, std::uint32_t rate, double hz) {
    constexpr std::size_t N = 2048;
    double worst = 200;
    for (std::size_t at = x.size() / 10; at + N < x.size() * 9 / 10; at += N / 2) {
        double cc = 0, ss = 0, cs = 0, xc = 0, xs = 0, xx = 0;
        for (std::size_t i = 0; i < N; ++i) {
            const double w = 2 * M_PI * hz * static_cast<double>(at + i) / rate;
            const double c = std::cos(w), s = std::sin(w), v = x[at + i];
            cc += c * c, ss += s * s, cs += c * s, xc += v * c, xs += v * s, xx += v * v;
        }
        const double det = cc * ss - cs * cs;
        const double a = (xc * ss - xs * cs) / det, b = (xs * cc - xc * cs) / det;
        const double fit = a * xc + b * xs; // energy explained by the fit
        worst = std::min(worst, 10 * std::log10(fit / std::max(xx - fit, 1e-9)));
    }
    return worst;
}

// The tone's loudness per 10 ms over the middle 80 %: how far the quietest
// falls below the median, in dB (splices and phase resets show as dips).
double ToneDip(const Samples& x, std::uint32_t rate) {
    const std::size_t n = rate / 100;
    std::vector<double> rms;
    for (std::size_t at = x.size() / 10; at + n < x.size() * 9 / 10; at += n) {
        double e = 0;
        for (std::size_t i = 0; i < n; ++i)
            e += static_cast<double>(x[at + i]) * x[at + i];
        rms.push_back(std::sqrt(e / static_cast<double>(n)));
    }
    std::vector<double> sorted = rms;
    std::sort(sorted.begin(), sorted.end());
    return 20 * std::log10(sorted.front() / sorted[sorted.size() / 2]);
}

// Peak over root mean square per 40 ms, averaged over the pieces louder than
// 30 dB below the loudest. A pulse train's peaks need its harmonics in phase;
// a phase vocoder that loses their alignment ("phasiness") flattens them.
double Crest(const Samples& x, std::uint32_t rate) {
    const std::size_t n = rate / 25;
    std::vector<std::pair<double, double>> pieces; // energy, crest
    double loudest = 0;
    for (std::size_t at = 0; at + n <= x.size(); at += n) {
        double e = 0, peak = 0;
        for (std::size_t i = 0; i < n; ++i) {
            e += static_cast<double>(x[at + i]) * x[at + i];
            peak = std::max(peak, std::abs(static_cast<double>(x[at + i])));
        }
        pieces.emplace_back(e, peak / std::sqrt(e / static_cast<double>(n) + 1e-9));
        loudest = std::max(loudest, e);
    }
    double sum = 0;
    int count = 0;
    for (const auto& [e, crest] : pieces)
        if (e >= loudest * 1e-3)
            sum += crest, ++count;
    return count > 0 ? sum / count : 0;
}

// Per 10 ms, over 40 ms: the period by normalised autocorrelation (60-400 Hz),
// for pieces louder than 30 dB below the loudest. Voiced when the peak is
// above 0.7: then its height is the piece's periodicity.
struct Voicing {
    std::vector<double> hz; // per 10 ms; 0 where not voiced
    double periodicity = 0; // mean peak over the voiced pieces
    double voicedShare = 0; // voiced pieces among the loud ones
};
Voicing Voice(const Samples& x, std::uint32_t rate) {
    const std::size_t n = rate / 25, hop = rate / 100, minLag = rate / 400, maxLag = rate / 60;
    std::vector<double> energy;
    for (std::size_t at = 0; at + n + maxLag < x.size(); at += hop) {
        double e = 0;
        for (std::size_t i = 0; i < n; ++i)
            e += static_cast<double>(x[at + i]) * x[at + i];
        energy.push_back(e);
    }
    const double loudest = energy.empty() ? 0 : *std::max_element(energy.begin(), energy.end());
    Voicing v;
    int loud = 0;
    int voiced = 0;
    v.hz.assign(energy.size(), 0);
    for (std::size_t k = 0; k < energy.size(); ++k) {
        if (energy[k] < loudest * 1e-3)
            continue;
        ++loud;
        const std::size_t at = k * hop;
        std::vector<double> r(maxLag + 2, 0);
        for (std::size_t lag = minLag - 1; lag <= maxLag + 1; ++lag) {
            double xy = 0, yy = 0;
            for (std::size_t i = 0; i < n; ++i) {
                xy += static_cast<double>(x[at + i]) * x[at + i + lag];
                yy += static_cast<double>(x[at + i + lag]) * x[at + i + lag];
            }
            r[lag] = xy / std::sqrt(energy[k] * yy + 1e-9);
        }
        std::size_t best = minLag;
        for (std::size_t lag = minLag; lag <= maxLag; ++lag)
            if (r[lag] > r[best])
                best = lag;
        // The shortest lag nearly as good as the best, against octave errors.
        for (std::size_t lag = minLag; lag < best; ++lag)
            if (r[lag] >= 0.9 * r[best] && r[lag] >= r[lag - 1] && r[lag] >= r[lag + 1]) {
                best = lag;
                break;
            }
        if (r[best] < 0.7)
            continue;
        const double a = r[best - 1], b = r[best], c = r[best + 1];
        const double shift = (a - c) / (2 * (a - 2 * b + c) + 1e-12);
        v.hz[k] = rate / (static_cast<double>(best) + std::clamp(shift, -0.5, 0.5));
        v.periodicity += b;
        ++voiced;
    }
    v.periodicity /= std::max(voiced, 1);
    v.voicedShare = loud > 0 ? static_cast<double>(voiced) / loud : 0;
    return v;
}

// The pitch of the stretched speech against the original at the same point
// of the phrase (input piece k against output piece k / tempo), where both
// are voiced: the ratios, less 1.
std::vector<double> PitchShifts(const Voicing& in, const Voicing& out, double tempo) {
    std::vector<double> shifts;
    for (std::size_t k = 0; k < in.hz.size(); ++k) {
        const auto j = static_cast<std::size_t>(std::lround(static_cast<double>(k) / tempo));
        if (in.hz[k] > 0 && j < out.hz.size() && out.hz[j] > 0)
            shifts.push_back(out.hz[j] / in.hz[k] - 1);
    }
    return shifts;
}

double Median(std::vector<double> v) {
    if (v.empty())
        return 0;
    std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2), v.end());
    return v[v.size() / 2];
}

// Clicks: 1 ms envelopes; an event where it rises above a tenth of the
// loudest after 30 ms below it. Concentration: the share of all energy within
// 3 ms before to 12 ms after each event (a decaying click holds nearly all of it).
struct Clicks {
    int events = 0;
    double concentration = 0;
};
Clicks FindClicks(const Samples& x, std::uint32_t rate) {
    const std::size_t ms = rate / 1000;
    std::vector<double> e(x.size() / ms, 0);
    for (std::size_t i = 0; i < e.size() * ms; ++i)
        e[i / ms] += static_cast<double>(x[i]) * x[i];
    const double loudest = *std::max_element(e.begin(), e.end());
    double total = 0, near = 0;
    for (const double v : e)
        total += v;
    Clicks c;
    std::size_t quiet = 30;
    std::vector<bool> counted(e.size(), false);
    for (std::size_t k = 0; k < e.size(); ++k) {
        if (e[k] >= loudest / 10 && quiet >= 30) {
            ++c.events;
            for (std::size_t j = k >= 3 ? k - 3 : 0; j < std::min(e.size(), k + 12); ++j)
                if (!counted[j])
                    near += e[j], counted[j] = true;
        }
        quiet = e[k] < loudest / 10 ? quiet + 1 : 0;
    }
    c.concentration = near / total;
    return c;
}

// --- Material ---------------------------------------------------------------

Samples Read(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    Samples s;
    for (char b[2]; f.read(b, 2);)
        s.push_back(static_cast<std::int16_t>(static_cast<std::uint8_t>(b[0]) |
                                              static_cast<std::uint8_t>(b[1]) << 8));
    if (s.empty())
        throw std::runtime_error("no samples in " + path);
    return s;
}

Samples Tone(std::uint32_t rate, double hz, double seconds) {
    Samples s(static_cast<std::size_t>(seconds * rate));
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = static_cast<std::int16_t>(16000 *
                                         std::sin(2 * M_PI * hz * static_cast<double>(i) / rate));
    return s;
}

// A buzz at 120 Hz: 30 harmonics of equal height, all in cosine phase.
Samples Buzz(std::uint32_t rate, double seconds) {
    Samples s(static_cast<std::size_t>(seconds * rate));
    for (std::size_t i = 0; i < s.size(); ++i) {
        double v = 0;
        for (int k = 1; k <= 30; ++k)
            v += std::cos(2 * M_PI * 120 * k * static_cast<double>(i) / rate);
        s[i] = static_cast<std::int16_t>(800 * v);
    }
    return s;
}

// A click every 200 ms: 0.5 ms of noise decaying over about 2 ms.
Samples ClickTrain(std::uint32_t rate, double seconds) {
    Samples s(static_cast<std::size_t>(seconds * rate), 0);
    std::uint32_t noise = 7;
    for (std::size_t at = rate / 10; at + rate / 50 < s.size(); at += rate / 5)
        for (std::size_t i = 0; i < rate / 100; ++i) {
            noise = noise * 1664525u + 1013904223u;
            const double decay = std::exp(-static_cast<double>(i) / (0.002 * rate));
            s[at + i] =
                static_cast<std::int16_t>(decay * (static_cast<double>(noise >> 16) - 32768) * 0.6);
        }
    return s;
}

double Seconds(const std::function<void()>& f) {
    const auto t0 = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

void Quality(std::uint32_t rate, double tempo, const std::vector<std::string>& files) {
    std::vector<Samples> speech;
    for (const std::string& f : files)
        speech.push_back(Read(f));
    const Samples tone = Tone(rate, 220, 3), high = Tone(rate, 1000, 3), buzz = Buzz(rate, 3),
                  clicks = ClickTrain(rate, 4);
    const double crestIn = Crest(buzz, rate);
    const Clicks clicksIn = FindClicks(clicks, rate);
    std::vector<Voicing> voicesIn;
    std::vector<double> crestsIn;
    for (const Samples& s : speech) {
        voicesIn.push_back(Voice(s, rate));
        crestsIn.push_back(Crest(s, rate));
    }
    std::printf("| engine | speech length, worst | 220 Hz tone | 1 kHz tone | tone dip | tone fit "
                "| buzz crest | speech f0 shift, median | speech f0 within 2 %% | speech crest | "
                "periodicity | clicks | click energy "
                "held |\n|---|---|---|---|---|---|---|---|---|---|---|---|---|\n");
    double periodicityIn = 0;
    for (const Voicing& v : voicesIn)
        periodicityIn += v.periodicity / static_cast<double>(speech.size());
    std::printf("| (input) | | %.2f Hz | %.2f Hz | %.1f dB | %.0f dB | %.2f | | | | %.3f | %d | "
                "%.1f %% |\n",
                ZeroCrossingHz(tone, rate), ZeroCrossingHz(high, rate), ToneDip(tone, rate),
                WorstToneSnr(tone, rate, 220), crestIn, periodicityIn, clicksIn.events,
                100 * clicksIn.concentration);
    for (const Engine& engine : Engines()) {
        double worstLength = 0, periodicity = 0, crest = 0;
        std::vector<double> shifts;
        for (std::size_t k = 0; k < speech.size(); ++k) {
            const Samples out = engine.run(speech[k], rate, tempo);
            const double want = static_cast<double>(speech[k].size()) / tempo;
            const double error = (static_cast<double>(out.size()) - want) / want;
            worstLength = std::abs(error) > std::abs(worstLength) ? error : worstLength;
            const Voicing v = Voice(out, rate);
            const std::vector<double> s = PitchShifts(voicesIn[k], v, tempo);
            shifts.insert(shifts.end(), s.begin(), s.end());
            periodicity += v.periodicity / static_cast<double>(speech.size());
            crest += Crest(out, rate) / crestsIn[k] / static_cast<double>(speech.size());
        }
        const Samples t = engine.run(tone, rate, tempo);
        const Clicks c = FindClicks(engine.run(clicks, rate, tempo), rate);
        std::printf(
            "| %s | %+.2f %% | %.2f Hz | %.2f Hz | %.1f dB | %.0f dB | %.2f | %+.2f %% | "
            "%.0f %% | %.2f | %.3f | %d | %.1f %% |\n",
            engine.name, 100 * worstLength, ZeroCrossingHz(t, rate),
            ZeroCrossingHz(engine.run(high, rate, tempo), rate), ToneDip(t, rate),
            WorstToneSnr(t, rate, 220), Crest(engine.run(buzz, rate, tempo), rate),
            100 * Median(shifts),
            100 *
                static_cast<double>(std::count_if(shifts.begin(), shifts.end(),
                                                  [](double d) { return std::abs(d) <= 0.02; })) /
                static_cast<double>(std::max<std::size_t>(shifts.size(), 1)),
            crest, periodicity, c.events, 100 * c.concentration);
    }
}

void Speed(std::uint32_t rate, double tempo, const std::string& file) {
    const Samples in = Read(file);
    std::printf("| engine | seconds | million samples in per second | times real time |\n"
                "|---|---|---|---|\n");
    for (const Engine& engine : Engines()) {
        std::vector<double> runs;
        for (int i = 0; i < 3; ++i)
            runs.push_back(Seconds([&] { engine.run(in, rate, tempo); }));
        const double s = Median(runs);
        std::printf("| %s | %.3f | %.2f | %.0f |\n", engine.name, s,
                    static_cast<double>(in.size()) / s / 1e6,
                    static_cast<double>(in.size()) / rate / s);
    }
}

// One phrase of minutes of a voiced sound through our stretcher, made piece by
// piece, to a sink that only counts: the peak memory must not grow with it.
void Memory(std::uint32_t rate, double tempo, double minutes) {
    const auto count = static_cast<std::uint64_t>(minutes * 60 * rate);
    const auto stretcher = CTempoStretcher::Make(rate, tempo);
    CKeptSink sink(false);
    const auto piece = [&](std::uint64_t at, Samples& buffer) {
        buffer.resize(static_cast<std::size_t>(std::min<std::uint64_t>(Piece, count - at)));
        for (std::size_t i = 0; i < buffer.size(); ++i) {
            const double t = static_cast<double>(at + i) / rate;
            buffer[i] = static_cast<std::int16_t>(8000 * std::sin(2 * M_PI * 150 * t) +
                                                  3000 * std::sin(2 * M_PI * 450 * t));
        }
    };
    double seconds = 0;
    bool ok = false;
    seconds = Seconds([&] { ok = stretcher && Ours(*stretcher, count, sink, piece); });
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%.0f minutes at %u Hz, tempo %.2f: %s, %llu samples out (want %llu), %.2f s, "
                "peak %.1f MB\n",
                minutes, rate, tempo, ok ? "ok" : "FAILED",
                static_cast<unsigned long long>(sink.m_nCount),
                static_cast<unsigned long long>(CTimeStretcher::OutputLength(count, tempo)),
                seconds, static_cast<double>(usage.ru_maxrss) / 1024);
}

} // namespace

int main(int argc, char** argv) {
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        if (args.size() >= 4 && args[0] == "quality")
            Quality(static_cast<std::uint32_t>(std::stoul(args[1])), std::stod(args[2]),
                    {args.begin() + 3, args.end()});
        else if (args.size() == 4 && args[0] == "speed")
            Speed(static_cast<std::uint32_t>(std::stoul(args[1])), std::stod(args[2]), args[3]);
        else if (args.size() == 4 && args[0] == "memory")
            Memory(static_cast<std::uint32_t>(std::stoul(args[1])), std::stod(args[2]),
                   std::stod(args[3]));
        else {
            std::fprintf(stderr,
                         "usage: %s quality|speed RATE TEMPO FILE.raw... | memory RATE "
                         "TEMPO MINUTES\n",
                         argv[0]);
            return 2;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
