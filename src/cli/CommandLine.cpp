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
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (argument == "--help" || argument == "--version") {
            result.action =
                argument == "--help" ? CommandLine::Action::Help : CommandLine::Action::Version;
            return result;
        }
        const std::size_t equals = argument.find('=');
        const std::string name =
            argument.substr(2, equals == std::string::npos ? equals : equals - 2);
        const auto options = JobOptionList();
        const auto option = std::find_if(options.begin(), options.end(), [&](const JobOption& o) {
            return name == o.name && (o.takesValue || equals == std::string::npos);
        });
        if (!argument.starts_with("--") || option == options.end()) {
            result.error = "unknown option '" + argument + "'";
            return result;
        }
        std::string value = "true";
        if (option->takesValue) {
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
    --yes      Answer yes to every question, so that files that cannot be
               opened or created are skipped.
    --keep-going
               Skip a source that is refused (a format that is not supported,
               a damaged or cut-short recording) or cannot be opened, with
               the line "Skipped 'PATH': REASON", and go on with the next
               one. Implies --yes.
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
               and the detector used, and why.
    --jobs N   Convert up to N files of a folder at once, from 1 to 64; by
               default one for each online core. What is printed and written
               is the same as with --jobs 1, in the order of the files.
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
    --detector level|speech|auto
               What tells quiet from voice. level: the threshold above.
               speech: a small neural network that hears speech (Silero VAD),
               so music, rumble or noise under the voice count as quiet; a
               gap of at least --min-silence between words takes a pause in
               its middle. auto: the level, and the network where the voice
               lies less than 18 dB above the room (no clear quiet). Default
               auto for recordings read through FFmpeg's libraries unless
               --threshold is given; level otherwise.
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

PASSES AND PAUSES
    A phrase is the audio from one pause to the next. These options also make
    tuned practice files.
    --passes TEMPO[,TEMPO...]
               Play each phrase once per tempo, in the order given, each pass
               followed by its pause: 1 is the phrase as recorded, 0.75 three
               quarters as fast at the same pitch (from 0.5 to 2.0). Up to 8
               passes. Default 1. The pause after a pass is as long as the
               pass (times --pause-factor, plus --pause-extra), so a slowed
               pass gets a longer pause.
    --min-pause SECONDS, --max-pause SECONDS
               Keep every pause within these bounds, from 0 to 60 each, the
               minimum no more than the maximum. No bounds by default.
    --max-phrase SECONDS
               Cut a phrase that reaches this length (1 to 600) where the
               audio is quietest in its last third, between words where
               there is room, subtitles' cues too. Off by default.

WHERE EACH PHRASE IS
    These options also make tuned practice files. A file that fails leaves
    none of them behind, and an existing one of the same name is replaced
    only once the new one is complete.
    --labels srt|lrc|audacity
               Write beside each practice file <title>.srt (subtitles for a
               player), <title>.lrc (lyrics) or <title>.labels.txt (an
               audio editor's labels), with the start and end of every pass,
               labelled "Phrase N" (", pass K" when there are several), or
               with subtitles "N/K  " and the phrase's text.
    --clips    Write each phrase as recorded, without pauses or passes, as
               <title>-phrases/<title>-001.EXT, -002 ... in the practice
               file's format, <title>-phrases/<title>.csv for flash-card
               programs (the sound, the text, the phrase number, its start
               and end in seconds on the recording's time line, and the
               source, one row a phrase, after header lines naming them),
               and <title>-phrases/<title>.apkg, a deck that Anki imports in
               one step, the clips in it; importing it again updates it.
    --phrases-from FILE.srt|FILE.vtt
               End the phrases where the cues of this subtitle file (SubRip
               or WebVTT) end, instead of where the detector finds a quiet
               stretch: each at the first block of 1010 samples that starts
               at or after its cue's end, with its cues' text. Cues that
               overlap are one phrase. A file that cannot be read is told
               with its line, and nothing is converted.
    --phrases-from-srt
               The same for every source that has a .srt (or else a .vtt)
               of its own title beside it; the others use the detector.

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
)";
}
