#include "cli/CommandLine.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// A tuning option: its name, its range, and the setting it fills.
struct Tuning {
    const char* name;
    double low, high;
    bool lowIncluded;
    const char* range; // as the usage message tells it
    double PauseSettings::*setting;
};

const Tuning Tunings[] = {
    {"--threshold", -90, 0, true, "a level in dB from -90 to 0", &PauseSettings::thresholdDb},
    {"--min-silence", 0, 10, false, "seconds above 0, up to 10", &PauseSettings::minSilenceSeconds},
    {"--min-phrase", 0, 60, true, "seconds from 0 to 60", &PauseSettings::minPhraseSeconds},
    {"--pause-factor", 0, 10, false, "a factor above 0, up to 10", &PauseSettings::pauseFactor},
    {"--pause-extra", 0, 30, true, "seconds from 0 to 30", &PauseSettings::pauseExtraSeconds},
};

// The whole text as a finite number, or nothing.
std::optional<double> Number(const std::string& text) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || end != text.c_str() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// The options that take a value, as "--name value" or "--name=value".
const char* const ValueOptions[] = {"--threshold",    "--min-silence", "--min-phrase",
                                    "--pause-factor", "--pause-extra", "--output-format",
                                    "--bitrate"};

const std::pair<const char*, OutputFormat> OutputFormats[] = {
    {"flac", OutputFormat::Flac}, {"mp3", OutputFormat::Mp3}, {"opus", OutputFormat::Opus}};

// Why the bitrate does not fit the output format, or "" when it does.
std::string BitrateProblem(const CommandLine& command, double bitrate) {
    if (command.outputFormat == OutputFormat::Mp3)
        return bitrate >= 32 && bitrate <= 320 ? ""
                                               : "--bitrate needs kbit/s from 32 to 320 for mp3";
    if (command.outputFormat == OutputFormat::Opus)
        return bitrate >= 12 && bitrate <= 256 ? ""
                                               : "--bitrate needs kbit/s from 12 to 256 for opus";
    return "--bitrate applies to --output-format mp3 and opus only";
}

// Takes the option's value into command; false, with the error set, when it does not fit.
bool TakeValue(CommandLine& command, const std::string& name, const std::string& value) {
    if (name == "--threshold") {
        command.thresholdGiven = true;
        if (!command.tuning)
            command.tuning.emplace();
        command.tuning->autoThreshold = value == "auto";
        if (value == "auto")
            return true;
    }
    for (const Tuning& tuning : Tunings) {
        if (name != tuning.name)
            continue;
        const std::optional<double> number = Number(value);
        if (!number || *number < tuning.low || *number > tuning.high ||
            (*number == tuning.low && !tuning.lowIncluded)) {
            command.error = name + " needs " + tuning.range;
            return false;
        }
        if (!command.tuning)
            command.tuning.emplace();
        (*command.tuning).*tuning.setting = *number;
        return true;
    }
    if (name == "--output-format") {
        command.outputFormat.reset();
        for (const auto& [text, format] : OutputFormats)
            if (value == text)
                command.outputFormat = format;
        if (value != "wav" && !command.outputFormat)
            command.error = "--output-format needs wav, flac, mp3 or opus";
        return command.error.empty();
    }
    const std::optional<double> number = Number(value);
    if (!number || *number != std::floor(*number)) {
        command.error = "--bitrate needs a whole number of kbit/s";
        return false;
    }
    command.bitrateKbps = static_cast<int>(std::min(*number, 100000.0));
    return true;
}

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine result;
    std::vector<std::string> operands;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        std::string name;
        std::optional<std::string> value;
        for (const std::string option : ValueOptions) {
            if (argument == option || argument.starts_with(option + "=")) {
                name = option;
                if (argument.size() > option.size())
                    value = argument.substr(option.size() + 1);
            }
        }
        // A lone "-" is an operand, as it is for most commands.
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            operands.push_back(argument);
        } else if (!name.empty()) {
            // The value may begin with '-' (a level in dB): it is the next argument, whatever it
            // is.
            if (!value && i + 1 < arguments.size())
                value = arguments[++i];
            if (!TakeValue(result, name, value.value_or("")))
                return result;
        } else if (argument == "--any-format") {
            result.anyFormat = true;
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help") {
            result.action = CommandLine::Action::Help;
            return result;
        } else if (argument == "--version") {
            result.action = CommandLine::Action::Version;
            return result;
        } else if (argument == "--yes") {
            result.yesToAll = true;
        } else if (argument == "--verbose") {
            result.verbose = true;
        } else {
            result.error = "unknown option '" + argument + "'";
            return result;
        }
    }
    if (result.bitrateKbps) {
        result.error = BitrateProblem(result, *result.bitrateKbps);
        if (!result.error.empty())
            return result;
    }
    if (operands.size() != 2) {
        result.error =
            operands.size() < 2 ? "SOURCE and DESTINATION are both needed" : "too many arguments";
        return result;
    }
    result.action = CommandLine::Action::Run;
    result.source = operands[0];
    result.destination = operands[1];
    return result;
}

std::string UsageText() {
    return std::string("Usage: ") + ProgramName + " [OPTION]... [--] SOURCE DESTINATION\n" +
           "Try '" + ProgramName + " --help' for more information.\n";
}

std::string HelpText() {
    return R"(NAME
    brellow-cli - insert a repeat-after-me pause after every spoken phrase

USAGE
    brellow-cli [OPTION]... [--] SOURCE DESTINATION
    brellow-cli --help
    brellow-cli --version

DESCRIPTION
    Reads spoken-word recordings stored as mono Microsoft ADPCM WAV files and
    writes, for each one, a 16-bit mono PCM WAV file in which every spoken
    phrase is followed by a silence as long as the audio written since the
    previous silence: time to repeat what was said.

    SOURCE is one WAV file, or a folder whose *.WAV files, in any letter
    case, are all converted in name order. DESTINATION is an existing folder.
    Each source file yields a file in DESTINATION named after the source
    file's name without its extension, followed by .WAV. An existing file of
    that name is overwritten, but a job never writes one file twice: a second
    source of the same name asks whether to continue. White space around
    SOURCE is ignored.

    Progress is printed on standard error as "N of M". Messages are printed
    on standard error as "Caption: text", for example
        Wrong source: The source 'lesson.wav' does not exists
    When a file cannot be opened or created, the question whether to continue
    is asked on the terminal: yes skips the file and goes on with the next
    one, any other answer ends the job. Without a terminal on standard input
    the answer is no.

    Ctrl+C asks the job to stop: the file being converted is finished and no
    further file is started. A second Ctrl+C ends the program at once.

OPTIONS
    --yes      Answer yes to every question, so that files that cannot be
               opened or created are skipped.
    --any-format
               Read recordings of any format that FFmpeg's libraries read:
               MP3, AAC (.m4a), Ogg Vorbis, Opus, FLAC, PCM WAV, AIFF, WMA and
               others, mono or stereo, at their own sample rate. A folder's
               files ending in wav, mp3, m4a, aac, mp4, ogg, oga, opus, flac,
               aif, aiff, wma, webm or mka, in any letter case, are converted.
               A mono Microsoft ADPCM WAV file is converted exactly as without
               this option, unless a tuning option is given; every other
               recording with tuned pauses, as below, and a quiet limit that
               follows the recording (--threshold auto) unless --threshold is
               given.
    --output-format FORMAT
               Write each practice file as wav (the default: 16-bit PCM, named
               <title>.WAV), flac (lossless, <title>.flac), mp3 (mono,
               64 kbit/s, <title>.mp3) or opus (Ogg Opus at 48 kHz, mono,
               32 kbit/s, tuned for speech, <title>.opus). The samples encoded
               are those the WAV file would hold, pauses included, and the
               title tag is the recording's title. A file that cannot be
               written to its end is removed, and the job ends.
    --bitrate KBPS
               The bit rate of mp3 files, from 32 to 320, or of opus files,
               from 12 to 256.
    --verbose  For each practice file with tuned pauses, print on standard
               error the quiet limit it used and the number of its pauses:
               lesson.mp3: quiet below -47.5 to -38.0 dB (auto), 12 pauses
    --help     Print this text and exit.
    --version  Print the version and exit.
    --         End of the options: a path that begins with '-' may follow.

TUNING
    Any of these options makes practice files with tuned pauses, also without
    --any-format: the recording's own sample rate is kept, its last phrase
    gets a pause too, and the file holds exactly the audio and its pauses.
    With the default values a practice file is then twice as long as its
    recording. A value may also follow an equals sign: --threshold=-30.
    --threshold DB|auto
               A sample is quiet below 32767 x 10^(DB/20), that is DB
               decibels below full scale. Default -20; from -90 to 0.
               With auto the limit follows the recording: it lies between
               the level of the room between words and that of the voice,
               over the ten seconds around each moment, nearer the room, and
               nothing just before or after the voice counts as quiet. It
               keeps up with a quieter speaker or a louder part, and where
               nothing is quiet (music, speech without a break) no pause is
               forced in. The default for recordings that --any-format reads
               through FFmpeg's libraries; see the manual page.
    --min-silence SECONDS
               How long a quiet stretch must last before a phrase may end.
               Default 0.3; above 0, up to 10.
    --min-phrase SECONDS
               How much audio must follow the previous pause before the next
               one. Default 2.3; from 0 to 60.
    --pause-factor X
               Each pause lasts X times the audio since the previous pause.
               Default 1; above 0, up to 10.
    --pause-extra SECONDS
               Added to every pause. Default 0; from 0 to 30.

EXIT STATUS
    0    The job ran to its end.
    1    The job ended early: it was stopped, a conversion failed, a question
         was answered with anything but yes, or a source file's format is not
         supported.
    2    Usage error, or a source or destination path was refused.
    130  Ended at once by a second Ctrl+C.

EXAMPLES
    Convert one recording into the folder ~/practice:
        brellow-cli lesson.wav ~/practice
    Convert every recording of a folder, skipping files that cannot be read:
        brellow-cli --yes ~/lessons ~/practice
    Make a practice file from an MP3 lesson, with pauses half again as long:
        brellow-cli --any-format --pause-factor 1.5 lesson.mp3 ~/practice
    Turn a folder of MP3 lessons into Opus practice files for a phone:
        brellow-cli --any-format --output-format opus ~/lessons ~/practice
)";
}
