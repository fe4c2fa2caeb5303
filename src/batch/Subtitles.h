#pragma once

#include "audio/FileOpener.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// A subtitle file (SubRip, .srt, or WebVTT, .vtt) as the ends of phrases and
// their text: learners' lessons often come with one, and its cues mark
// sentence ends better than any level.
struct SubtitleCue {
    std::uint64_t startMs;
    std::uint64_t endMs;
    std::string text = {}; // one line: its lines joined by spaces, without tags
};

// A time as SubRip writes it: "HH:MM:SS,mmm".
std::string SubRipTime(std::uint64_t ms);

// The cues of SubRip text. On a text that is not SubRip, none, and error
// says what is wrong and on which line.
std::vector<SubtitleCue> ParseSubRip(const std::string& text, std::string& error);
// The same for WebVTT text.
std::vector<SubtitleCue> ParseWebVtt(const std::string& text, std::string& error);

// The cues of the subtitle file at path, opened by files. Empty, with error
// set ("The subtitles '...' cannot be read: line 3: ..."), when it cannot be
// read or is not SubRip; nothing, without an error, when it cannot be opened
// and may be missing.
std::optional<std::vector<SubtitleCue>> ReadSubtitles(CFileOpener& files,
                                                      const std::filesystem::path& path,
                                                      bool mayBeMissing, std::string& error);

// The subtitle files a source may have beside it, in the order they are
// looked for: <title>.srt, then <title>.vtt.
std::vector<std::filesystem::path> SubtitlesBeside(const std::filesystem::path& source);

// The subtitles beside source: the first of SubtitlesBeside's. Nothing
// when there are none; error as ReadSubtitles's.
std::optional<std::vector<SubtitleCue>>
ReadSubtitlesBeside(CFileOpener& files, const std::filesystem::path& source, std::string& error);

// The subtitles a job takes for source: the file phrasesFrom names, which
// must be there, or else with beside those beside source. Nothing when the
// options take none or none are there; error as ReadSubtitles's.
std::optional<std::vector<SubtitleCue>>
ReadSourceSubtitles(CFileOpener& files, const std::filesystem::path& source,
                    const std::filesystem::path& phrasesFrom, bool beside, std::string& error);

// A phrase that subtitles give: where it ends, in samples, and its text.
struct CuePhrase {
    std::uint64_t end;
    std::string text; // its cues' texts, joined by spaces
};

// Where phrases end, in samples at rate: each cue's end moved to the first
// boundary of blocks of blockSamples at or after it, cues that overlap or
// run out of order merged in time order, in increasing order, no repeats.
std::vector<CuePhrase> CuePhrases(std::vector<SubtitleCue> cues, std::uint32_t rate,
                                  std::uint32_t blockSamples);
std::vector<std::uint64_t> PhraseEndsOfCues(std::vector<SubtitleCue> cues, std::uint32_t rate,
                                            std::uint32_t blockSamples);
