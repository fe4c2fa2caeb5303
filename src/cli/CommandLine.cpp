#include "cli/CommandLine.h"

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

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine result;
    std::vector<std::string> operands;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const Tuning* tuning = nullptr;
        std::optional<std::string> attached; // the value of "--option=value"
        for (const Tuning& t : Tunings) {
            const std::string name = t.name;
            if (argument == name || argument.starts_with(name + "=")) {
                tuning = &t;
                if (argument.size() > name.size())
                    attached = argument.substr(name.size() + 1);
            }
        }
        // A lone "-" is an operand, as it is for most commands.
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            operands.push_back(argument);
        } else if (tuning) {
            // The value may begin with '-' (a level in dB): it is the next argument, whatever it
            // is.
            const std::optional<double> value =
                attached ? Number(*attached)
                         : (i + 1 < arguments.size() ? Number(arguments[++i]) : std::nullopt);
            if (!value || *value < tuning->low || *value > tuning->high ||
                (*value == tuning->low && !tuning->lowIncluded)) {
                result.error = std::string(tuning->name) + " needs " + tuning->range;
                return result;
            }
            if (!result.tuning)
                result.tuning.emplace();
            (*result.tuning).*tuning->setting = *value;
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
        } else {
            result.error = "unknown option '" + argument + "'";
            return result;
        }
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
               recording with tuned pauses, as below.
    --help     Print this text and exit.
    --version  Print the version and exit.
    --         End of the options: a path that begins with '-' may follow.

TUNING
    Any of these options makes practice files with tuned pauses, also without
    --any-format: the recording's own sample rate is kept, its last phrase
    gets a pause too, and the file holds exactly the audio and its pauses.
    With the default values a practice file is then twice as long as its
    recording. A value may also follow an equals sign: --threshold=-30.
    --threshold DB
               A sample is quiet below 32767 x 10^(DB/20), that is DB
               decibels below full scale. Default -20; from -90 to 0.
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
)";
}
