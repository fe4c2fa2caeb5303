#pragma once

#include "batch/Subtitles.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The phrases of one lesson as the learner fixes them in the practice
// window: the marks between phrases, on the boundaries of the detector's
// blocks so that a conversion with them as subtitles cuts exactly there,
// each phrase's text, and every earlier state for undo.
class CLessonMarks {
public:
    // How far a dropped mark looks for a quieter place, and the step of a nudge.
    static constexpr double SnapSeconds = 0.05;
    static constexpr double NudgeSeconds = 0.01;

    // samples: the whole recording (mono) at rate; ends: where phrases end, as
    // the job found them (the recording's end may be among them).
    CLessonMarks(std::span<const std::int16_t> samples, std::uint32_t rate,
                 std::uint32_t blockSamples, const std::vector<std::uint64_t>& ends);

    std::size_t Phrases() const { return m_state.marks.size() + 1; }
    std::uint64_t Start(std::size_t phrase) const;
    std::uint64_t End(std::size_t phrase) const;
    const std::string& Text(std::size_t phrase) const { return m_state.texts[phrase]; }
    // The phrase that holds the sample position.
    std::size_t PhraseAt(std::uint64_t position) const;
    const std::vector<std::uint64_t>& Marks() const { return m_state.marks; }

    // The block boundary within SnapSeconds of position whose surroundings
    // are quietest (the nearest of equals); a boundary beside it when none is that close.
    std::uint64_t Snap(std::uint64_t position) const;
    // Each edit is one step of undo; false, and nothing changed, when it cannot be made.
    // Mark `mark` dropped at position (snapped), kept between its neighbours.
    bool Drag(std::size_t mark, std::uint64_t position);
    // Mark `mark` moved one NudgeSeconds step (direction -1 or 1) to the next block boundary.
    bool Nudge(std::size_t mark, int direction);
    // The phrase joined with the next; their texts joined with a space.
    bool Join(std::size_t phrase);
    // The phrase split at position (snapped); its text stays with the first part.
    bool Split(std::size_t phrase, std::uint64_t position);
    bool Undo();
    // The mark nearest position.
    std::size_t NearestMark(std::uint64_t position) const;

    // Texts from subtitle cues: each cue's text goes to the phrase its end falls in.
    void TakeTexts(const std::vector<SubtitleCue>& cues);
    // Marks read back from subtitles, as a conversion with them would cut;
    // false when they make no phrase.
    bool Load(const std::vector<SubtitleCue>& cues);
    // The marks as SubRip, one cue per phrase with its text, which a
    // conversion reads back to exactly these phrases.
    std::string SubRip() const;

    bool Modified() const { return m_bModified; }
    void SetSaved() { m_bModified = false; }

private:
    struct State {
        std::vector<std::uint64_t> marks; // strictly increasing, inside the recording
        std::vector<std::string> texts;   // one per phrase
    };
    void Push();
    std::uint64_t Length() const { return m_samples.size(); }
    // The mean magnitude of the 10 ms centred on position.
    std::uint64_t Loudness(std::uint64_t position) const;
    std::uint64_t Ms(std::uint64_t samples, bool roundUp) const;

    std::span<const std::int16_t> m_samples;
    std::uint32_t m_nRate;
    std::uint32_t m_nBlock;
    State m_state;
    std::vector<State> m_undo;
    bool m_bModified = false;
};
