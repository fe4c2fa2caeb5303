#include "cli/CommandLine.h"

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine result;
    std::vector<std::string> operands;
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
        // A lone "-" is an operand, as it is for most commands.
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            operands.push_back(argument);
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
    return std::string("Usage: ") + ProgramName + " [--yes] [--] SOURCE DESTINATION\n" + "Try '" +
           ProgramName + " --help' for more information.\n";
}

std::string HelpText() {
    return R"(NAME
    brellow-cli - insert a repeat-after-me pause after every spoken phrase

USAGE
    brellow-cli [--yes] [--] SOURCE DESTINATION
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
    that name is overwritten. White space around SOURCE is ignored.

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
    --help     Print this text and exit.
    --version  Print the version and exit.
    --         End of the options: a path that begins with '-' may follow.

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
)";
}
