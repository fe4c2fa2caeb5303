#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

// Every option a job takes, and the command line's own, one row each: the
// parser, the checks, --help, the settings store and the Options dialog all
// read their facts from here.
enum class OptionId {
    Yes,
    KeepGoing,
    AnyFormat,
    OutputFormat,
    Bitrate,
    Verbose,
    Jobs,
    Help,
    Version,
    EndOfOptions,
    Threshold,
    Detector,
    MinSilence,
    MinPhrase,
    PauseFactor,
    PauseExtra,
    Passes,
    MinPause,
    MaxPause,
    MaxPhrase,
    Labels,
    Clips,
    PhrasesFrom,
    PhrasesFromSrt,
};

enum class OptionKind {
    Switch, // no value on the command line; stored as "true" or "false"
    Number, // a finite number within the row's range
    Whole,  // a whole number
    Tempos, // a list of tempos
    Choice, // one of a list of names
    Text,   // a file's path
    Action, // the command line's own: --help, --version, --
};

// The parts of --help that list options.
enum class HelpSection { Options, Tuning, PassesAndPauses, WhereEachPhraseIs };

struct JobOptions;

struct OptionRow {
    OptionId id;
    const char* name; // after the two dashes; also the key in the settings store
    OptionKind kind;
    bool terminalOnly; // never stored in the settings
    bool tunes;        // given (a switch: turned on), the practice files are tuned
    // A number's range; a low end that is left out, when not lowIncluded.
    double low = 0, high = 0;
    bool lowIncluded = true;
    std::optional<double> byDefault = std::nullopt; // a number's value when not given; none: off
    const char* unit = "";                          // as the dialog shows it after a value
    // What a value must be, as the usage error says it; a number's range follows.
    const char* needs = "";
    // As --help shows the value; null for a switch or an action.
    const char* argument = nullptr;
    HelpSection section = HelpSection::Options;
    // Lines of --help; null: listed together with the next row, which explains both.
    // A number with a default is told with "Default D; RANGE." after them, then moreHelp.
    const char* help = nullptr;
    const char* moreHelp = "";
    bool JobOptions::*flag = nullptr;                 // what a switch turns on
    void (*setNumber)(JobOptions&, double) = nullptr; // where a number goes
};

std::span<const OptionRow> OptionRows();
const OptionRow& Option(OptionId id);
// The row of that name, or null.
const OptionRow* FindOption(std::string_view name);
// "--name", as messages and the help name an option.
std::string Dashed(OptionId id);
// The usage error of a value that the row does not take: "--name needs ...".
std::string Needs(const OptionRow& row);
// The row's lines of --help, its default and range among them; empty when it has none.
std::string OptionHelp(const OptionRow& row);
