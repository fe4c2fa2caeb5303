// The practice window's marks: edits, snapping, undo and the way back through SubRip.

#include "batch/LessonMarks.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// 2 s at 10 kHz, loud (alternating +-10000) but for two quiet gaps around
// 0.5 s and 1.22 s; blocks of 10 ms.
constexpr std::uint32_t Rate = 10000, Block = 100;

std::vector<std::int16_t> Lesson() {
    std::vector<std::int16_t> samples(20000);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const bool quiet = (i >= 4800 && i < 5200) || (i >= 12000 && i < 12400);
        samples[i] = quiet ? 0 : (i % 2 ? 10000 : -10000);
    }
    return samples;
}

struct Edits {
    const char* name;
    const char* steps; // "drag 1 12500; join 0; split 2 16030; nudge 0 -1; undo"
    std::vector<std::uint64_t> marks;
    std::vector<std::string> texts;
};

void PrintTo(const Edits& row, std::ostream* os) {
    *os << row.name;
}

class MarkEdits : public testing::TestWithParam<Edits> {};

} // namespace

TEST_P(MarkEdits, LeaveTheMarksAndTexts) {
    const std::vector<std::int16_t> samples = Lesson();
    CLessonMarks marks(samples, Rate, Block, {5000, 12200, 20000});
    marks.TakeTexts({{0, 490, "a"}, {500, 1200, "b"}, {1300, 1900, "c"}});
    std::istringstream steps(GetParam().steps);
    for (std::string step; std::getline(steps >> std::ws, step, ';');) {
        std::istringstream words(step);
        std::string verb;
        std::uint64_t which = 0;
        std::int64_t where = 0;
        words >> verb >> which >> where;
        if (verb == "drag")
            marks.Drag(which, static_cast<std::uint64_t>(where));
        else if (verb == "nudge")
            marks.Nudge(which, static_cast<int>(where));
        else if (verb == "join")
            marks.Join(which);
        else if (verb == "split")
            marks.Split(which, static_cast<std::uint64_t>(where));
        else if (verb == "undo")
            marks.Undo();
    }
    EXPECT_EQ(marks.Marks(), GetParam().marks);
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < marks.Phrases(); ++i)
        texts.push_back(marks.Text(i));
    EXPECT_EQ(texts, GetParam().texts);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MarkEdits,
    testing::Values(
        Edits{"as_found", "", {5000, 12200}, {"a", "b", "c"}},
        Edits{"drag_snaps_to_the_nearest_quiet_boundary",
              "drag 1 12480",
              {5000, 12300},
              {"a", "b", "c"}},
        Edits{"drag_looks_for_quiet_no_further_than_50_ms",
              "drag 1 12900",
              {5000, 12400},
              {"a", "b", "c"}},
        Edits{"drag_in_speech_takes_the_nearest_boundary",
              "drag 1 16030",
              {5000, 16000},
              {"a", "b", "c"}},
        Edits{"drag_stops_a_block_before_the_next_mark",
              "drag 0 13000",
              {12100, 12200},
              {"a", "b", "c"}},
        Edits{
            "drag_cannot_pass_the_recordings_end", "drag 1 25000", {5000, 19900}, {"a", "b", "c"}},
        Edits{"nudge_moves_one_block_each_way",
              "nudge 0 1; nudge 1 -1; nudge 1 -1",
              {5100, 12000},
              {"a", "b", "c"}},
        Edits{"join_takes_the_next_phrase_and_its_text", "join 0", {12200}, {"a b", "c"}},
        Edits{"join_of_the_last_phrase_does_nothing", "join 2", {5000, 12200}, {"a", "b", "c"}},
        Edits{"split_at_a_quiet_place",
              "split 0 1000; join 2; split 1 2400",
              {1000, 2400, 5000},
              {"a", "", "", "b c"}},
        Edits{"split_outside_the_phrase_does_nothing",
              "split 0 9000",
              {5000, 12200},
              {"a", "b", "c"}},
        Edits{"undo_goes_back_one_edit_at_a_time",
              "join 0; drag 0 16030; undo",
              {12200},
              {"a b", "c"}},
        Edits{"undo_of_everything",
              "join 0; join 0; undo; undo; undo",
              {5000, 12200},
              {"a", "b", "c"}}),
    [](const auto& row) { return std::string(row.param.name); });

namespace {

struct Recording {
    const char* name;
    std::uint32_t rate;
    std::size_t samples;
};

void PrintTo(const Recording& row, std::ostream* os) {
    *os << row.name;
}

class MarksThroughSubRip : public testing::TestWithParam<Recording> {};

} // namespace

// What Ctrl+S writes, a conversion reads back to the same cuts: every mark on
// its block, the last block kept whole, the texts kept.
TEST_P(MarksThroughSubRip, ComeBackUnchanged) {
    const Recording& row = GetParam();
    const std::vector<std::int16_t> samples(row.samples);
    std::vector<std::uint64_t> ends;
    for (std::uint64_t end = 1010; end < row.samples; end += 1010 * (ends.size() % 5 + 1))
        ends.push_back(end);
    CLessonMarks marks(samples, row.rate, 1010, ends);
    marks.TakeTexts({{0, 5, "Wo ist der Bahnhof?"}});
    std::string error;
    const std::vector<SubtitleCue> cues = ParseSubRip(marks.SubRip(), error);
    ASSERT_EQ(error, "");
    ASSERT_EQ(cues.size(), ends.size() + 1);
    std::vector<std::uint64_t> cut = PhraseEndsOfCues(cues, row.rate, 1010);
    EXPECT_GE(cut.back(), row.samples); // the last phrase whole
    cut.pop_back();
    EXPECT_EQ(cut, ends);
    CLessonMarks loaded(samples, row.rate, 1010, {});
    ASSERT_TRUE(loaded.Load(cues));
    EXPECT_EQ(loaded.Marks(), ends);
    EXPECT_EQ(loaded.Text(0), "Wo ist der Bahnhof?");
}

INSTANTIATE_TEST_SUITE_P(Table, MarksThroughSubRip,
                         testing::Values(Recording{"phone_8k", 8000, 123457},
                                         Recording{"cd_44k1", 44100, 1010 * 300 + 7},
                                         Recording{"whole_blocks_22k05", 22050, 1010 * 200},
                                         Recording{"studio_96k", 96000, 500001}),
                         [](const auto& row) { return std::string(row.param.name); });
