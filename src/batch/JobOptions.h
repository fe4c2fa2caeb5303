#pragma once

#include "audio/OutputFormat.h"
#include "batch/LabelFormat.h"
#include "batch/OptionTable.h"
#include "pause/PhraseDetector.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Everything a job can be asked to do beyond the exact conversion, as one
// model for both front ends: the terminal reads it from its options, the
// window from its settings, in the same syntax, so that the two give the
// same files for the same options.
struct JobOptions {
    bool anyFormat = false;      // every source read with FFmpeg's libraries
    bool tuned = false;          // set by any option of the phrases, pauses or passes
    PauseSettings pauses;        // the detector and the pause length
    bool thresholdGiven = false; // --threshold, auto or a level, was given
    // --detector; none: auto for what FFmpeg reads, the level for the rest.
    std::optional<PauseDetector> detector;
    std::optional<double> minPauseSeconds;
    std::optional<double> maxPauseSeconds;
    std::optional<double> maxPhraseSeconds;   // a longer phrase is cut
    std::vector<double> passes{1.0};          // one tempo per pass, in order
    std::optional<OutputFormat> outputFormat; // none: WAV
    std::optional<int> bitrateKbps;           // none: the format's default
    LabelFormat labels = LabelFormat::None;
    bool clips = false;
    bool phrasesFromSrt = false; // the .srt beside each source, when there is one
    std::string phrasesFrom;     // one subtitle file for the source
    // The terminal's own.
    bool yesToAll = false;
    bool keepGoing = false;
    bool verbose = false;
    unsigned jobs = 0; // files converted at once; 0: one for each online core

    // The pause after a pass of passSamples samples at rate, within the bounds.
    std::uint64_t PauseSamples(std::uint64_t passSamples, std::uint32_t rate) const;
};

// The tempos that --passes takes.
inline constexpr std::size_t MaxPasses = 8;
inline constexpr double MinTempo = 0.5;
inline constexpr double MaxTempo = 2.0;

// The most files --jobs converts at once.
inline constexpr unsigned MaxJobs = 64;
// --jobs when not given: one file for each online core.
unsigned DefaultJobs();

// The tempos of a list such as "0.75,1"; nothing when the list is bad.
std::optional<std::vector<double>> ParseTempos(std::string_view text);

// Sets the option name (without dashes) from its text. The error, which
// names the option and what it takes, or "" when it fits.
std::string SetJobOption(JobOptions& options, std::string_view name, std::string_view value);
// The checks of options against each other; the error, or "".
std::string CheckJobOptions(const JobOptions& options);

using StoredJobOptions = std::vector<std::pair<std::string, std::string>>;

// Options read from stored name and text pairs: one that does not parse, or
// does not fit with those before it, is left at its default. The pairs that
// were taken, in the list's order, go to taken when it is given.
JobOptions JobOptionsFromStore(const StoredJobOptions& stored, StoredJobOptions* taken = nullptr);
