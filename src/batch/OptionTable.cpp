#include "batch/OptionTable.h"

#include "batch/JobOptions.h"

#include <algorithm>

namespace {

using K = OptionKind;
using S = HelpSection;
const PauseSettings Unset;

// In the order of --help; the settings store is read in this order too, so a
// bit rate comes after its format and a maximum after its minimum.
const OptionRow Rows[] = {
    {.id = OptionId::Yes,
     .name = "yes",
     .kind = K::Switch,
     .terminalOnly = true,
     .tunes = false,
     .help = "Answer yes to every question, so that files that cannot be\n"
             "opened or created are skipped."},
    {.id = OptionId::KeepGoing,
     .name = "keep-going",
     .kind = K::Switch,
     .terminalOnly = false, // the window keeps it too
     .tunes = false,
     .help = "Skip a source that is refused (a format that is not supported,\n"
             "a damaged or cut-short recording) or cannot be opened, with\n"
             "the line \"Skipped 'PATH': REASON\", and go on with the next\n"
             "one. Implies --yes."},
    {.id = OptionId::AnyFormat,
     .name = "any-format",
     .kind = K::Switch,
     .terminalOnly = false,
     .tunes = false,
     .help = "Read recordings of any format that FFmpeg's libraries read:\n"
             "MP3, AAC (.m4a), Ogg Vorbis, Opus, FLAC, PCM WAV, AIFF, WMA and\n"
             "others, mono or stereo, at their own sample rate. A folder's\n"
             "files ending in wav, mp3, m4a, aac, mp4, ogg, oga, opus, flac,\n"
             "aif, aiff, wma, webm or mka, in any letter case, are converted.\n"
             "A mono Microsoft ADPCM WAV file is converted exactly as without\n"
             "this option, unless a tuning option is given; every other\n"
             "recording with tuned pauses, as below, and a quiet limit that\n"
             "follows the recording (--threshold auto) unless --threshold is\n"
             "given."},
    {.id = OptionId::OutputFormat,
     .name = "output-format",
     .kind = K::Choice,
     .terminalOnly = false,
     .tunes = false,
     .needs = "wav, flac, mp3 or opus",
     .argument = "FORMAT",
     .help = "Write each practice file as wav (the default: 16-bit PCM, named\n"
             "<title>.WAV), flac (lossless, <title>.flac), mp3 (mono,\n"
             "64 kbit/s, <title>.mp3) or opus (Ogg Opus at 48 kHz, mono,\n"
             "32 kbit/s, tuned for speech, <title>.opus). The samples encoded\n"
             "are those the WAV file would hold, pauses included, and the\n"
             "title tag is the recording's title. A file that cannot be\n"
             "written to its end is removed, and the job ends."},
    {.id = OptionId::Bitrate,
     .name = "bitrate",
     .kind = K::Whole,
     .terminalOnly = false,
     .tunes = false,
     .unit = " kbit/s",
     .needs = "a whole number of kbit/s",
     .argument = "KBPS",
     .help = "The bit rate of mp3 files, from 32 to 320, or of opus files,\n"
             "from 12 to 256."},
    {.id = OptionId::Verbose,
     .name = "verbose",
     .kind = K::Switch,
     .terminalOnly = true,
     .tunes = false,
     .help = "For each practice file with tuned pauses, print on standard\n"
             "error the quiet limit it used and the number of its pauses:\n"
             "lesson.mp3: quiet below -47.5 to -38.0 dB (auto), 12 pauses\n"
             "and the detector used, and why."},
    {.id = OptionId::Jobs,
     .name = "jobs",
     .kind = K::Whole,
     .terminalOnly = true,
     .tunes = false,
     .low = 1,
     .high = MaxJobs,
     .needs = "a whole number of files from 1 to 64",
     .argument = "N",
     .help = "Convert up to N files of a folder at once, from 1 to 64; by\n"
             "default one for each online core. What is printed and written\n"
             "is the same as with --jobs 1, in the order of the files."},
    {.id = OptionId::Help,
     .name = "help",
     .kind = K::Action,
     .terminalOnly = true,
     .tunes = false,
     .help = "Print this text and exit."},
    {.id = OptionId::Version,
     .name = "version",
     .kind = K::Action,
     .terminalOnly = true,
     .tunes = false,
     .help = "Print the version and exit."},
    {.id = OptionId::EndOfOptions,
     .name = "",
     .kind = K::Action,
     .terminalOnly = true,
     .tunes = false,
     .help = "End of the options: a path that begins with '-' may follow."},
    {.id = OptionId::Threshold,
     .name = "threshold",
     .kind = K::Number,
     .terminalOnly = false,
     .tunes = true,
     .low = -90,
     .high = 0,
     .byDefault = Unset.thresholdDb,
     .unit = " dB",
     .needs = "auto or a level in dB from -90 to 0",
     .argument = "DB|auto",
     .section = S::Tuning,
     .help = "A sample is quiet below 32767 x 10^(DB/20), that is DB\n"
             "decibels below full scale. Default -20; from -90 to 0.\n"
             "With auto the limit follows the recording: it lies between\n"
             "the level of the room between words and that of the voice,\n"
             "over the ten seconds around each moment, nearer the room, and\n"
             "nothing just before or after the voice counts as quiet. It\n"
             "keeps up with a quieter speaker or a louder part, and where\n"
             "nothing is quiet (music, speech without a break) no pause is\n"
             "forced in. The default for recordings that --any-format reads\n"
             "through FFmpeg's libraries; see the manual page."},
    {.id = OptionId::Detector,
     .name = "detector",
     .kind = K::Choice,
     .terminalOnly = false,
     .tunes = false, // only the speech network does
     .needs = "level, speech or auto",
     .argument = "level|speech|auto",
     .section = S::Tuning,
     .help = "What tells quiet from voice. level: the threshold above.\n"
             "speech: a small neural network that hears speech (Silero VAD),\n"
             "so music, rumble or noise under the voice count as quiet; a\n"
             "gap of at least --min-silence between words takes a pause in\n"
             "its middle. auto: the level, and the network where the voice\n"
             "lies less than 18 dB above the room (no clear quiet) or where\n"
             "no quiet stretch is long enough for a pause with its margins\n"
             "(--min-silence plus 0.29 s). Default auto for recordings read through FFmpeg's "
             "libraries unless\n"
             "--threshold is given; level otherwise."},
    {.id = OptionId::MinSilence,
     .name = "min-silence",
     .kind = K::Number,
     .terminalOnly = false,
     .tunes = true,
     .low = 0,
     .high = 10,
     .lowIncluded = false,
     .byDefault = Unset.minSilenceSeconds,
     .unit = " s",
     .needs = "seconds above 0, up to 10",
     .argument = "SECONDS",
     .section = S::Tuning,
     .help = "How long a quiet stretch must last before a phrase may end.\n"
             "Default 0.3; above 0, up to 10."},
    {.id = OptionId::MinPhrase,
     .name = "min-phrase",
     .kind = K::Number,
     .terminalOnly = false,
     .tunes = true,
     .low = 0,
     .high = 60,
     .byDefault = Unset.minPhraseSeconds,
     .unit = " s",
     .needs = "seconds from 0 to 60",
     .argument = "SECONDS",
     .section = S::Tuning,
     .help = "How much audio must follow the previous pause before the next\n"
             "one. Default 2.3; from 0 to 60."},
    {.id = OptionId::PauseFactor,
     .name = "pause-factor",
     .kind = K::Number,
     .terminalOnly = false,
     .tunes = true,
     .low = 0,
     .high = 10,
     .lowIncluded = false,
     .byDefault = Unset.pauseFactor,
     .unit = " \u00d7",
     .needs = "a factor above 0, up to 10",
     .argument = "X",
     .section = S::Tuning,
     .help = "Each pause lasts X times the audio since the previous pause.\n"
             "Default 1; above 0, up to 10."},
    {.id = OptionId::PauseExtra,
     .name = "pause-extra",
     .kind = K::Number,
     .terminalOnly = false,
     .tunes = true,
     .low = 0,
     .high = 30,
     .byDefault = Unset.pauseExtraSeconds,
     .unit = " s",
     .needs = "seconds from 0 to 30",
     .argument = "SECONDS",
     .section = S::Tuning,
     .help = "Added to every pause. Default 0; from 0 to 30."},
    {.id = OptionId::Passes,
     .name = "passes",
     .kind = K::Tempos,
     .terminalOnly = false,
     .tunes = true,
     .needs = "1 to 8 tempos from 0.5 to 2, separated by commas",
     .argument = "TEMPO[,TEMPO...]",
     .section = S::PassesAndPauses,
     .help = "Play each phrase once per tempo, in the order given, each pass\n"
             "followed by its pause: 1 is the phrase as recorded, 0.75 three\n"
             "quarters as fast at the same pitch (from 0.5 to 2.0). Up to 8\n"
             "passes. Default 1. The pause after a pass is as long as the\n"
             "pass (times --pause-factor, plus --pause-extra), so a slowed\n"
             "pass gets a longer pause. A phrase of quiet alone (such as a\n"
             "recording's trailing silence) is played once."},
    {.id = OptionId::MinPause,
     .name = "min-pause",
     .kind = K::Number,
     .terminalOnly = false,
     .tunes = true,
     .low = 0,
     .high = 60,
     .unit = " s",
     .needs = "seconds from 0 to 60",
     .argument = "SECONDS",
     .section = S::PassesAndPauses},
    {.id = OptionId::MaxPause,
     .name = "max-pause",
     .kind = K::Number,
     .terminalOnly = false,
     .tunes = true,
     .low = 0,
     .high = 60,
     .unit = " s",
     .needs = "seconds from 0 to 60",
     .argument = "SECONDS",
     .section = S::PassesAndPauses,
     .help = "Keep every pause within these bounds, from 0 to 60 each, the\n"
             "minimum no more than the maximum. No bounds by default."},
    {.id = OptionId::MaxPhrase,
     .name = "max-phrase",
     .kind = K::Number,
     .terminalOnly = false,
     .tunes = true,
     .low = 1,
     .high = 600,
     .unit = " s",
     .needs = "seconds from 1 to 600",
     .argument = "SECONDS",
     .section = S::PassesAndPauses,
     .help = "Cut a phrase that reaches this length (1 to 600) where the\n"
             "audio is quietest in its last third, between words where\n"
             "there is room, subtitles' cues too. Off by default."},
    {.id = OptionId::Labels,
     .name = "labels",
     .kind = K::Choice,
     .terminalOnly = false,
     .tunes = true,
     .needs = "srt, lrc or audacity",
     .argument = "srt|lrc|audacity",
     .section = S::WhereEachPhraseIs,
     .help = "Write beside each practice file <title>.srt (subtitles for a\n"
             "player), <title>.lrc (lyrics) or <title>.labels.txt (an\n"
             "audio editor's labels), with the start and end of every pass\n"
             "of each phrase with speech, labelled \"Phrase N\" (\", pass K\" when there are "
             "several), or\n"
             "with subtitles \"N/K  \" and the phrase's text."},
    {.id = OptionId::Clips,
     .name = "clips",
     .kind = K::Switch,
     .terminalOnly = false,
     .tunes = true,
     .section = S::WhereEachPhraseIs,
     .help = "Write each phrase's speech as recorded, with at most 0.25 s of\n"
             "the quiet around it, without pauses or passes, as\n"
             "<title>-phrases/<title>-001.EXT, -002 ... in the practice\n"
             "file's format, <title>-phrases/<title>.csv for flash-card\n"
             "programs (the sound, the text, the phrase number, its start\n"
             "and end in seconds on the recording's time line, and the\n"
             "source, one row a phrase with speech, after header lines\n"
             "naming them), and <title>-phrases/<title>.apkg, a deck that\n"
             "Anki imports in one step, the clips in it; importing it again\n"
             "updates it. A phrase of quiet alone gets no clip, row or card."},
    {.id = OptionId::PhrasesFrom,
     .name = "phrases-from",
     .kind = K::Text,
     .terminalOnly = true,
     .tunes = true,
     .needs = "a subtitle file (.srt or .vtt)",
     .argument = "FILE.srt|FILE.vtt",
     .section = S::WhereEachPhraseIs,
     .help = "End the phrases where the cues of this subtitle file (SubRip\n"
             "or WebVTT) end, instead of where the detector finds a quiet\n"
             "stretch: each at the first block of 1010 samples that starts\n"
             "at or after its cue's end, with its cues' text. Cues that\n"
             "overlap are one phrase. A file that cannot be read is told\n"
             "with its line, and nothing is converted."},
    {.id = OptionId::PhrasesFromSrt,
     .name = "phrases-from-srt",
     .kind = K::Switch,
     .terminalOnly = false,
     .tunes = true,
     .section = S::WhereEachPhraseIs,
     .help = "The same for every source that has a .srt (or else a .vtt)\n"
             "of its own title beside it; the others use the detector."},
};

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
