#pragma once

#include "media/OutputFormat.h"
#include "pause/PhraseDetector.h"

#include <optional>
#include <string>
#include <vector>

// What the command line asks for.
struct CommandLine {
    enum class Action { Run, Help, Version, UsageError };

    Action action = Action::UsageError;
    std::string source;
    std::string destination;
    bool yesToAll = false;
    bool anyFormat = false;                   // every source read with FFmpeg's libraries
    std::optional<PauseSettings> tuning;      // set by any tuning option
    bool thresholdGiven = false;              // --threshold, as a level or auto
    bool verbose = false;                     // each file's quiet limit and pauses told
    std::optional<OutputFormat> outputFormat; // none: WAV
    std::optional<int> bitrateKbps;           // none: the format's default
    std::string error;                        // why the command line was refused
};

CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

inline constexpr const char* ProgramName = "brellow-cli";

// The manual page shown by --help, and the short usage shown after an error.
std::string HelpText();
std::string UsageText();
