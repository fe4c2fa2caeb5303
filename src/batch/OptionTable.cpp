#include "batch/OptionTable.h"

#include "batch/JobOptions.h"

#include <algorithm>
#include <cstdio>

namespace {

using K = OptionKind;
using S = HelpSection;
const PauseSettings Unset;

// Who keeps an option, and whether giving it tunes the practice files.
struct Scope {
    bool terminalOnly;
    bool tunes;
};
constexpr Scope Terminal{true, false}, Stored{false, false}, StoredTuning{false, true},
    TerminalTuning{true, true};

// What a number counts: as the dialog shows it after a value, as the usage
// error names it before the range, as --help names the value.
struct Quantity {
    const char* unit;
    const char* noun;
    const char* argument;
};
constexpr Quantity Seconds{" s", "seconds", "SECONDS"}, Factor{" \u00d7", "a factor", "X"},
    Decibels{" dB", "auto or a level in dB", "DB|auto"},
    Kbps{" kbit/s", "a whole number of kbit/s", "KBPS"}, Files{"", "a whole number of files", "N"};

// A number's range; none when both ends are 0.
struct Range {
    double low = 0, high = 0;
    bool lowIncluded = true;
};
constexpr Range From(double low, double high) {
    return {low, high, true};
}
constexpr Range Above(double low, double high) {
    return {low, high, false};
}

// Where a number goes: a field of the pause settings, a bound of the job's.
template <double PauseSettings::*field> void SetPause(JobOptions& options, double value) {
    options.pauses.*field = value;
}
template <std::optional<double> JobOptions::*field>
void SetBound(JobOptions& options, double value) {
    options.*field = value;
}
void SetThreshold(JobOptions& options, double db) {
    options.pauses.thresholdDb = db;
    options.pauses.autoThreshold = false;
    options.thresholdGiven = true;
}

// The rows of each kind, with the facts that kind has.
OptionRow Row(OptionId id, const char* name, OptionKind kind, Scope scope, HelpSection section,
              const char* help) {
    return {.id = id,
            .name = name,
            .kind = kind,
            .terminalOnly = scope.terminalOnly,
            .tunes = scope.tunes,
            .section = section,
            .help = help};
}

OptionRow Switch(OptionId id, const char* name, bool JobOptions::*flag, Scope scope,
                 HelpSection section, const char* help) {
    OptionRow row = Row(id, name, K::Switch, scope, section, help);
    row.needs = "true or false"; // as the settings store holds it
    row.flag = flag;
    return row;
}

// An option with a value, named argument in --help.
OptionRow Valued(OptionId id, const char* name, OptionKind kind, Scope scope, const char* argument,
                 const char* needs, HelpSection section, const char* help) {
    OptionRow row = Row(id, name, kind, scope, section, help);
    row.argument = argument;
    row.needs = needs;
    return row;
}

OptionRow Counted(OptionId id, const char* name, OptionKind kind, Scope scope, Range range,
                  Quantity quantity, HelpSection section, const char* help) {
    OptionRow row = Valued(id, name, kind, scope, quantity.argument, quantity.noun, section, help);
    row.low = range.low;
    row.high = range.high;
    row.lowIncluded = range.lowIncluded;
    row.unit = quantity.unit;
    return row;
}

// Every number is kept in the settings and tunes the pauses.
OptionRow Number(OptionId id, const char* name, void (*set)(JobOptions&, double), Range range,
                 std::optional<double> byDefault, Quantity quantity, HelpSection section,
                 const char* help, const char* moreHelp = "") {
    OptionRow row = Counted(id, name, K::Number, StoredTuning, range, quantity, section, help);
    row.setNumber = set;
    row.byDefault = byDefault;
    row.moreHelp = moreHelp;
    return row;
}

// A field of the pause settings, whose own value is the default.
template <double PauseSettings::*field>
OptionRow PauseSetting(OptionId id, const char* name, Range range, Quantity quantity,
                       HelpSection section, const char* help) {
    return Number(id, name, SetPause<field>, range, Unset.*field, quantity, section, help);
}

// A bound of the job's, none by default.
template <std::optional<double> JobOptions::*field>
OptionRow Bound(OptionId id, const char* name, Range range, const char* help) {
    return Number(id, name, SetBound<field>, range, std::nullopt, Seconds, S::PassesAndPauses,
                  help);
}

// The help texts of --jobs and --passes name these limits in words.
static_assert(MaxJobs == 64 && MaxPasses == 8 && MinTempo == 0.5 && MaxTempo == 2,
              "say the new limits in the help of --jobs and --passes");

// In the order of --help; the settings store is read in this order too, so a
// bit rate comes after its format and a maximum after its minimum.
const OptionRow Rows[] = {
    Switch(OptionId::Yes, "yes", &JobOptions::yesToAll, Terminal, S::Options,
           "Answer yes to every question, so that files that cannot be\n"
           "opened or created are skipped."),
    Switch(OptionId::KeepGoing, "keep-going", &JobOptions::keepGoing, Stored, S::Options,
           "Skip a source that is refused (a format that is not supported,\n"
           "a damaged or cut-short recording) or cannot be opened, with\n"
           "the line \"Skipped 'PATH': REASON\", and go on with the next\n"
           "one. Implies --yes."),
    Switch(OptionId::AnyFormat, "any-format", &JobOptions::anyFormat, Stored, S::Options,
           "Read recordings of any format that FFmpeg's libraries read:\n"
           "MP3, AAC (.m4a), Ogg Vorbis, Opus, FLAC, PCM WAV, AIFF, WMA and\n"
           "others, mono or stereo, at their own sample rate. A folder's\n"
           "files ending in wav, mp3, m4a, aac, mp4, ogg, oga, opus, flac,\n"
           "aif, aiff, wma, webm or mka, in any letter case, are converted.\n"
           "A mono Microsoft ADPCM WAV file is converted exactly as without\n"
           "this option, unless a tuning option is given; every other\n"
           "recording with tuned pauses, as below, and a quiet limit that\n"
           "follows the recording (--threshold auto) unless --threshold is\n"
           "given."),
    Valued(OptionId::OutputFormat, "output-format", K::Choice, Stored, "FORMAT",
           "wav, flac, mp3 or opus", S::Options,
           "Write each practice file as wav (the default: 16-bit PCM, named\n"
           "<title>.WAV), flac (lossless, <title>.flac), mp3 (mono,\n"
           "64 kbit/s, <title>.mp3) or opus (Ogg Opus at 48 kHz, mono,\n"
           "32 kbit/s, tuned for speech, <title>.opus). The samples encoded\n"
           "are those the WAV file would hold, pauses included, and the\n"
           "title tag is the recording's title. A file that cannot be\n"
           "written to its end is removed, and the job ends."),
    // Its range is the format's, checked with the other options.
    Counted(OptionId::Bitrate, "bitrate", K::Whole, Stored, {}, Kbps, S::Options,
            "The bit rate of mp3 files, from 32 to 320, or of opus files,\n"
            "from 12 to 256."),
    Switch(OptionId::Verbose, "verbose", &JobOptions::verbose, Terminal, S::Options,
           "For each practice file with tuned pauses, print on standard\n"
           "error the quiet limit it used and the number of its pauses:\n"
           "lesson.mp3: quiet below -47.5 to -38.0 dB (auto), 12 pauses\n"
           "and the detector used, and why."),
    Counted(OptionId::Jobs, "jobs", K::Whole, Terminal, From(1, MaxJobs), Files, S::Options,
            "Convert up to N files of a folder at once, from 1 to 64; by\n"
            "default one for each online core. What is printed and written\n"
            "is the same as with --jobs 1, in the order of the files."),
    Row(OptionId::Help, "help", K::Action, Terminal, S::Options, "Print this text and exit."),
    Row(OptionId::Version, "version", K::Action, Terminal, S::Options,
        "Print the version and exit."),
    Row(OptionId::EndOfOptions, "", K::Action, Terminal, S::Options,
        "End of the options: a path that begins with '-' may follow."),
    Number(OptionId::Threshold, "threshold", SetThreshold, From(-90, 0), Unset.thresholdDb,
           Decibels, S::Tuning,
           "A sample is quiet below 32767 x 10^(DB/20), that is DB\n"
           "decibels below full scale. ",
           "\nWith auto the limit follows the recording: it lies between\n"
           "the level of the room between words and that of the voice,\n"
           "over the ten seconds around each moment, nearer the room, and\n"
           "nothing just before or after the voice counts as quiet. It\n"
           "keeps up with a quieter speaker or a louder part, and where\n"
           "nothing is quiet (music, speech without a break) no pause is\n"
           "forced in. The default for recordings that --any-format reads\n"
           "through FFmpeg's libraries; see the manual page."),
    // Only the speech network tunes.
    Valued(OptionId::Detector, "detector", K::Choice, Stored, "level|speech|auto",
           "level, speech or auto", S::Tuning,
           "What tells quiet from voice. level: the threshold above.\n"
           "speech: a small neural network that hears speech (Silero VAD),\n"
           "so music, rumble or noise under the voice count as quiet; a\n"
           "gap of at least --min-silence between words takes a pause in\n"
           "its middle. auto: the level, and the network where the voice\n"
           "lies less than 18 dB above the room (no clear quiet) or where\n"
           "no quiet stretch is long enough for a pause with its margins\n"
           "(--min-silence plus 0.29 s). Default auto for recordings read through FFmpeg's "
           "libraries unless\n"
           "--threshold is given; level otherwise."),
    PauseSetting<&PauseSettings::minSilenceSeconds>(
        OptionId::MinSilence, "min-silence", Above(0, 10), Seconds, S::Tuning,
        "How long a quiet stretch must last before a phrase may end.\n"),
    PauseSetting<&PauseSettings::minPhraseSeconds>(
        OptionId::MinPhrase, "min-phrase", From(0, 60), Seconds, S::Tuning,
        "How much audio must follow the previous pause before the next\n"
        "one. "),
    PauseSetting<&PauseSettings::pauseFactor>(
        OptionId::PauseFactor, "pause-factor", Above(0, 10), Factor, S::Tuning,
        "Each pause lasts X times the audio since the previous pause.\n"),
    PauseSetting<&PauseSettings::pauseExtraSeconds>(OptionId::PauseExtra, "pause-extra",
                                                    From(0, 30), Seconds, S::Tuning,
                                                    "Added to every pause. "),
    Valued(OptionId::Passes, "passes", K::Tempos, StoredTuning, "TEMPO[,TEMPO...]",
           "1 to 8 tempos from 0.5 to 2, separated by commas", S::PassesAndPauses,
           "Play each phrase once per tempo, in the order given, each pass\n"
           "followed by its pause: 1 is the phrase as recorded, 0.75 three\n"
           "quarters as fast at the same pitch (from 0.5 to 2.0). Up to 8\n"
           "passes. Default 1. The pause after a pass is as long as the\n"
           "pass (times --pause-factor, plus --pause-extra), so a slowed\n"
           "pass gets a longer pause. A phrase of quiet alone (such as a\n"
           "recording's trailing silence) is played once."),
    Bound<&JobOptions::minPauseSeconds>(OptionId::MinPause, "min-pause", From(0, 60), nullptr),
    Bound<&JobOptions::maxPauseSeconds>(
        OptionId::MaxPause, "max-pause", From(0, 60),
        "Keep every pause within these bounds, from 0 to 60 each, the\n"
        "minimum no more than the maximum. No bounds by default."),
    Bound<&JobOptions::maxPhraseSeconds>(
        OptionId::MaxPhrase, "max-phrase", From(1, 600),
        "Cut a phrase that reaches this length (1 to 600) where the\n"
        "audio is quietest in its last third, between words where\n"
        "there is room, subtitles' cues too. Off by default."),
    Valued(OptionId::Labels, "labels", K::Choice, StoredTuning, "srt|lrc|audacity",
           "srt, lrc or audacity", S::WhereEachPhraseIs,
           "Write beside each practice file <title>.srt (subtitles for a\n"
           "player), <title>.lrc (lyrics) or <title>.labels.txt (an\n"
           "audio editor's labels), with the start and end of every pass\n"
           "of each phrase with speech, labelled \"Phrase N\" (\", pass K\" when there are "
           "several), or\n"
           "with subtitles \"N/K  \" and the phrase's text."),
    Switch(OptionId::Clips, "clips", &JobOptions::clips, StoredTuning, S::WhereEachPhraseIs,
           "Write each phrase's speech as recorded, with at most 0.25 s of\n"
           "the quiet around it, without pauses or passes, as\n"
           "<title>-phrases/<title>-001.EXT, -002 ... in the practice\n"
           "file's format, <title>-phrases/<title>.csv for flash-card\n"
           "programs (the sound, the text, the phrase number, its start\n"
           "and end in seconds on the recording's time line, and the\n"
           "source, one row a phrase with speech, after header lines\n"
           "naming them), and <title>-phrases/<title>.apkg, a deck that\n"
           "Anki imports in one step, the clips in it; importing it again\n"
           "updates it. A phrase of quiet alone gets no clip, row or card."),
    Valued(OptionId::PhrasesFrom, "phrases-from", K::Text, TerminalTuning, "FILE.srt|FILE.vtt",
           "a subtitle file (.srt or .vtt)", S::WhereEachPhraseIs,
           "End the phrases where the cues of this subtitle file (SubRip\n"
           "or WebVTT) end, instead of where the detector finds a quiet\n"
           "stretch: each at the first block of 1010 samples that starts\n"
           "at or after its cue's end, with its cues' text. Cues that\n"
           "overlap are one phrase. A file that cannot be read is told\n"
           "with its line, and nothing is converted."),
    Switch(OptionId::PhrasesFromSrt, "phrases-from-srt", &JobOptions::phrasesFromSrt, StoredTuning,
           S::WhereEachPhraseIs,
           "The same for every source that has a .srt (or else a .vtt)\n"
           "of its own title beside it; the others use the detector."),
};

// A number as --help writes it: no trailing zeros.
std::string Shown(double number) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", number);
    return text;
}

// "from 0 to 60", "above 0, up to 10"; empty for a row without a range.
std::string RangeText(const OptionRow& row) {
    if (row.low == 0 && row.high == 0)
        return {};
    return (row.lowIncluded ? "from " + Shown(row.low) + " to "
                            : "above " + Shown(row.low) + ", up to ") +
           Shown(row.high);
}

} // namespace

std::span<const OptionRow> OptionRows() {
    return Rows;
}

const OptionRow& Option(OptionId id) {
    return *std::find_if(std::begin(Rows), std::end(Rows),
                         [id](const OptionRow& row) { return row.id == id; });
}

const OptionRow* FindOption(std::string_view name) {
    for (const OptionRow& row : Rows)
        if (name == row.name)
            return &row;
    return nullptr;
}

std::string Dashed(OptionId id) {
    return std::string("--") + Option(id).name;
}

std::string Needs(const OptionRow& row) {
    const std::string range = RangeText(row);
    return Dashed(row.id) + " needs " + row.needs + (range.empty() ? "" : " " + range);
}

std::string OptionHelp(const OptionRow& row) {
    if (!row.help)
        return {};
    std::string text = row.help;
    if (row.byDefault)
        text += "Default " + Shown(*row.byDefault) + "; " + RangeText(row) + ".";
    return text + row.moreHelp;
}
