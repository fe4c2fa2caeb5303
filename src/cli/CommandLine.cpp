#include "cli/CommandLine.h"

#include <algorithm>

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine result;
    std::vector<std::string> operands;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        // A lone "-" is an operand, as it is for most commands.
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            operands.push_back(argument);
            continue;
        }
        const std::size_t equals = argument.find('=');
        const std::string name =
            argument.substr(2, equals == std::string::npos ? equals : equals - 2);
        const OptionRow* option = argument.starts_with("--") ? FindOption(name) : nullptr;
        const bool takesValue =
            option && option->kind != OptionKind::Switch && option->kind != OptionKind::Action;
        if (!option || (!takesValue && equals != std::string::npos)) {
            result.error = "unknown option '" + argument + "'";
            return result;
        }
        if (option->id == OptionId::EndOfOptions) {
            optionsEnded = true;
            continue;
        }
        if (option->kind == OptionKind::Action) {
            result.action = option->id == OptionId::Help ? CommandLine::Action::Help
                                                         : CommandLine::Action::Version;
            return result;
        }
        std::string value = "true";
        if (takesValue) {
            // The value may begin with '-' (a level in dB): it is the next argument, whatever it
            // is.
            if (equals != std::string::npos)
                value = argument.substr(equals + 1);
            else
                value = i + 1 < arguments.size() ? arguments[++i] : "";
        }
        result.error = SetJobOption(result.options, name, value);
        if (!result.error.empty())
            return result;
    }
    result.error = CheckJobOptions(result.options);
    if (!result.error.empty())
        return result;
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

namespace {

// The text before each section's list of options, and after the last.
const char* const Prose[] = {
    R"(NAME
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
    the answer is no. A job over more than one source, or one that skipped
    any, ends with a line such as "2 converted, 1 skipped" (and ", stopped"
    when Ctrl+C ended it). A folder with nothing to convert is told as
        No recordings in 'lessons'

    Ctrl+C asks the job to stop: the file being converted is finished and no
    further file is started. A second Ctrl+C ends the job at once: the file
    being written is removed, and every practice file leaves the one it was
    to replace as it was. SIGTERM and SIGHUP (a closed terminal, a logout)
    end the job the same way. A third interrupt ends the program on the
    spot.

OPTIONS
)",
    R"(
TUNING
    Any of these options makes practice files with tuned pauses, also without
    --any-format: the recording's own sample rate is kept, its last phrase
    gets a pause too, and the file holds exactly the audio and its pauses.
    With the default values a practice file is then twice as long as its
    recording. A value may also follow an equals sign: --threshold=-30.
)",
    R"(
PASSES AND PAUSES
    A phrase is the audio from one pause to the next. These options also make
    tuned practice files.
)",
    R"(
WHERE EACH PHRASE IS
    These options also make tuned practice files. A file that fails leaves
    none of them behind, and an existing one of the same name is replaced
    only once the new one is complete.
)",
    R"(
EXIT STATUS
    0    Every source was converted.
    1    The job ended early: it was stopped, a conversion failed, a question
         was answered with anything but yes, or a source file's format is not
         supported.
    2    Usage error, or a source or destination path was refused.
    3    The job ran to its end, but skipped sources: a question answered
         yes (as --yes does), or a source skipped by --keep-going.
    4    Nothing to convert: the source folder holds no recording the job
         takes.
    130  Ended at once by a second Ctrl+C.
    143  Ended by SIGTERM (129 by SIGHUP), its unfinished files removed.

EXAMPLES
    Convert one recording into the folder ~/practice:
        brellow-cli lesson.wav ~/practice
    Convert every recording of a folder, skipping files that cannot be read:
        brellow-cli --yes ~/lessons ~/practice
    The same, skipping damaged recordings too:
        brellow-cli --keep-going ~/lessons ~/practice
    Make a practice file from an MP3 lesson, with pauses half again as long:
        brellow-cli --any-format --pause-factor 1.5 lesson.mp3 ~/practice
    Turn a folder of MP3 lessons into Opus practice files for a phone:
        brellow-cli --any-format --output-format opus ~/lessons ~/practice
    Hear it twice, slower first:
        brellow-cli --any-format --passes 0.75,1 lesson.mp3 ~/practice
    Three times, pauses of 2 to 8 s:
        brellow-cli --any-format --passes 1,1,1 --min-pause 2 --max-pause 8 \
            lesson.mp3 ~/practice
    Subtitles for a player, and a clip of every phrase for flash cards:
        brellow-cli --any-format --labels srt --clips lesson.mp3 ~/practice
)"};

// The help's layout: a short name and its text on one line, a long one above it.
constexpr std::size_t Indent = 4, TextColumn = 15;

std::string Listed(const std::string& heading, std::string_view help) {
    std::string text(Indent, ' ');
    text += heading;
    if (heading.size() + 2 <= TextColumn - Indent)
        text.append(TextColumn - Indent - heading.size(), ' ');
    else
        text += "\n" + std::string(TextColumn, ' ');
    for (std::size_t from = 0; from < help.size();) {
        const std::size_t end = std::min(help.find('\n', from), help.size());
        if (from != 0)
            text += std::string(TextColumn, ' ');
        text.append(help.substr(from, end - from)).append("\n");
        from = end + 1;
    }
    return text;
}

} // namespace

std::string HelpText() {
    std::string text = Prose[0];
    std::string heading;
    std::size_t section = 0;
    for (const OptionRow& row : OptionRows()) {
        for (; section < static_cast<std::size_t>(row.section); ++section)
            text += Prose[section + 1];
        heading += (heading.empty() ? "--" : ", --") + std::string(row.name);
        if (row.argument)
            heading += std::string(" ") + row.argument;
        if (row.help) {
            text += Listed(heading, OptionHelp(row));
            heading.clear();
        }
    }
    return text + Prose[std::size(Prose) - 1];
}
