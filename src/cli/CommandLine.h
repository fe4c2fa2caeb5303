#pragma once

#include "batch/JobOptions.h"

#include <string>
#include <vector>

// What the command line asks for.
struct CommandLine {
    enum class Action { Run, Help, Version, UsageError };

    Action action = Action::UsageError;
    std::string source;
    std::string destination;
    JobOptions options;
    std::string error; // why the command line was refused
};

CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

inline constexpr const char* ProgramName = "brellow-cli";

// The manual page shown by --help, and the short usage shown after an error.
std::string HelpText();
std::string UsageText();
