#include "media/plugin/TempoStretcher.h"
#include "support/Sinks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

using Samples = std::vector<std::int16_t>;

// A tone, or (voiced) a buzz of 12 harmonics under noise in syllables, as speech.
Samples Sound(std::uint32_t rate, double seconds, double hz, bool voiced = false) {
    Samples s(static_cast<std::size_t>(seconds * rate));
    std::uint32_t noise = 1;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        double v = std::sin(2 * M_PI * hz * t);
        for (int k = 2; voiced && k <= 12; ++k)
            v += std::sin(2 * M_PI * hz * k * t) / k;
        noise = noise * 1664525u + 1013904223u;
        const double hiss = voiced ? static_cast<double>(noise >> 21) / 2048 - 0.5 : 0;
        s[i] = static_cast<std::int16_t>(9000 * (v + hiss) * (voiced ? std::sin(M_PI * 3 * t) : 1));
    }
    return s;
}

// One phrase through stretcher in pieces of the sizes given, over and over.
bool Stretch(CTimeStretcher& stretcher, const Samples& in, CSampleSink& sink,
             const std::vector<std::size_t>& pieces = {4096}) {
    if (!stretcher.Begin(in.size(), sink))
        return false;
    for (std::size_t at = 0, k = 0; at < in.size(); ++k) {
        const std::size_t n = std::min(pieces[k % pieces.size()], in.size() - at);
        if (!stretcher.Process(reinterpret_cast<const std::uint8_t*>(in.data() + at), n))
            return false;
        at += n;
    }
    return stretcher.Finish();
}

struct Cut {
    const char* name;
    std::vector<std::size_t> pieces;
};

void PrintTo(const Cut& cut, std::ostream* os) {
    *os << cut.name;
}

class Pieces : public testing::TestWithParam<Cut> {};

// Against the phrase in one piece, on a stretcher that has done a phrase already.
TEST_P(Pieces, GiveTheBytesOfOnePiece) {
    const Samples speech = Sound(22050, 1.3, 130, true);
    const auto whole = CTempoStretcher::Make(22050, 0.75), cut = CTempoStretcher::Make(22050, 0.75);
    CMemorySink one, before, pieces;
    ASSERT_TRUE(Stretch(*whole, speech, one, {speech.size()}));
    ASSERT_TRUE(Stretch(*cut, Sound(22050, 0.7, 200), before));
    ASSERT_TRUE(Stretch(*cut, speech, pieces, GetParam().pieces));
    EXPECT_EQ(one.m_samples.size(), 38220u);
    EXPECT_TRUE(one.m_samples == pieces.m_samples);
}

INSTANTIATE_TEST_SUITE_P(Cuts, Pieces,
                         testing::Values(Cut{"single_samples", {1}}, Cut{"frames", {4096}},
                                         Cut{"odd", {1, 4095, 7, 4097, 333, 10000}},
                                         Cut{"empty_between", {0, 5000, 0, 1}}),
                         [](const auto& p) { return std::string(p.param.name); });

struct Misuse {
    const char* name;
    std::function<bool(CTimeStretcher&, CMemorySink&, const Samples&)> run;
};

void PrintTo(const Misuse& misuse, std::ostream* os) {
    *os << misuse.name;
}

class Misused : public testing::TestWithParam<Misuse> {};

// Fails, and a new Begin starts afresh.
TEST_P(Misused, FailsUntilTheNextPhrase) {
    const Samples tone = Sound(8000, 0.5, 440);
    const auto stretcher = CTempoStretcher::Make(8000, 0.8);
    CMemorySink failed(3000), sink;
    EXPECT_FALSE(GetParam().run(*stretcher, failed, tone));
    EXPECT_FALSE(stretcher->Finish());
    ASSERT_TRUE(Stretch(*stretcher, tone, sink));
    EXPECT_EQ(sink.m_samples.size(), 5000u);
}

const auto* Bytes(const Samples& s) {
    return reinterpret_cast<const std::uint8_t*>(s.data());
}

INSTANTIATE_TEST_SUITE_P(
    Calls, Misused,
    testing::Values(
        Misuse{"more_than_the_count",
               [](auto& s, auto& sink, const Samples& in) {
                   return s.Begin(in.size() - 1, sink) && s.Process(Bytes(in), in.size());
               }},
        Misuse{"finish_short",
               [](auto& s, auto& sink, const Samples& in) {
                   return s.Begin(in.size(), sink) && s.Process(Bytes(in), in.size() - 1) &&
                          s.Finish();
               }},
        Misuse{"study_unasked",
               [](auto& s, auto& sink, const Samples& in) {
                   return s.Begin(in.size(), sink) && s.Study(Bytes(in), in.size());
               }},
        Misuse{"count_beyond_years",
               [](auto& s, auto& sink, const Samples&) { return s.Begin(1ull << 49, sink); }},
        Misuse{"no_begin",
               [](auto& s, auto&, const Samples& in) { return s.Process(Bytes(in), 1); }},
        Misuse{"sink_full",
               [](auto& s, auto& sink, const Samples& in) { return Stretch(s, in, sink); }}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(TempoStretcher, TakesOnlyTheRatesAndTemposInRange) {
    for (const auto& [rate, tempo] : std::vector<std::pair<std::uint32_t, double>>{
             {0, 1}, {999, 1}, {768001, 1}, {8000, 0.49}, {8000, 2.01}, {8000, NAN}, {8000, 0}})
        EXPECT_FALSE(CTempoStretcher::Make(rate, tempo)) << rate << " Hz, tempo " << tempo;
    EXPECT_TRUE(CTempoStretcher::Make(1000, 0.5) && CTempoStretcher::Make(768000, 2));
}

TEST(TempoStretcher, TempoOneIsThePhraseAndAnEmptyPhraseIsEmpty) {
    const Samples speech = Sound(22050, 0.9, 150, true);
    CMemorySink same, empty;
    EXPECT_TRUE(Stretch(*CTempoStretcher::Make(22050, 1), speech, same, {777}));
    EXPECT_TRUE(same.m_samples == speech);
    EXPECT_TRUE(Stretch(*CTempoStretcher::Make(22050, 0.5), {}, empty));
    EXPECT_TRUE(empty.m_samples.empty());
}

} // namespace
