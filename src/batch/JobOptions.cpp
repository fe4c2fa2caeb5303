#include "batch/JobOptions.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <limits>
#include <unistd.h>

namespace {

using Range = JobOptionRange;

const PauseSettings Unset;
const Range Ranges[] = {
    {"threshold", -90, 0, true, "auto or a level in dB from -90 to 0", Unset.thresholdDb},
    {"min-silence", 0, 10, false, "seconds above 0, up to 10", Unset.minSilenceSeconds},
    {"min-phrase", 0, 60, true, "seconds from 0 to 60", Unset.minPhraseSeconds},
    {"pause-factor", 0, 10, false, "a factor above 0, up to 10", Unset.pauseFactor},
    {"pause-extra", 0, 30, true, "seconds from 0 to 30", Unset.pauseExtraSeconds},
    {"min-pause", 0, 60, true, "seconds from 0 to 60", std::nullopt},
    {"max-pause", 0, 60, true, "seconds from 0 to 60", std::nullopt},
    {"max-phrase", 1, 600, true, "seconds from 1 to 600", std::nullopt},
};

const JobOption Options[] = {
    {"yes", false, true},
    {"keep-going", false, true},
    {"verbose", false, true},
    {"any-format", false, false},
    {"threshold", true, false},
    {"min-silence", true, false},
    {"min-phrase", true, false},
    {"pause-factor", true, false},
    {"pause-extra", true, false},
    {"min-pause", true, false},
    {"max-pause", true, false},
    {"max-phrase", true, false},
    {"passes", true, false},
    {"output-format", true, false},
    {"bitrate", true, false},
    {"labels", true, false},
    {"clips", false, false},
    {"phrases-from", true, true},
    {"phrases-from-srt", false, false},
    {"jobs", true, true},
    {"detector", true, false},
};

// The whole text as a finite number, or nothing.
std::optional<double> Number(std::string_view text) {
    const std::string copy(text);
    char* end = nullptr;
    const double value = std::strtod(copy.c_str(), &end);
    if (copy.empty() || end != copy.c_str() + copy.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// The tempos of a list such as "0.75,1"; nothing when the list is bad.
std::optional<std::vector<double>> Tempos(std::string_view text) {
    std::vector<double> tempos;
    for (std::size_t from = 0;;) {
        const std::size_t comma = std::min(text.find(',', from), text.size());
        const std::optional<double> tempo = Number(text.substr(from, comma - from));
        if (!tempo || *tempo < MinTempo || *tempo > MaxTempo || tempos.size() == MaxPasses)
            return std::nullopt;
        tempos.push_back(*tempo);
        if (comma == text.size())
            return tempos;
        from = comma + 1;
    }
}

std::string Needs(std::string_view name, std::string_view what) {
    return "--" + std::string(name) + " needs " + std::string(what);
}

std::string SetNumber(JobOptions& options, const Range& range, std::string_view value) {
    const std::string_view name = range.name;
    if (name == "threshold" && value == "auto") {
        options.pauses.autoThreshold = true;
        options.thresholdGiven = options.tuned = true;
        return {};
    }
    const std::optional<double> number = Number(value);
    if (!number || *number < range.low || *number > range.high ||
        (*number == range.low && !range.lowIncluded))
        return Needs(name, range.told);
    options.tuned = true;
    if (name == "threshold") {
        options.pauses.thresholdDb = *number;
        options.pauses.autoThreshold = false;
        options.thresholdGiven = true;
    } else if (name == "min-silence") {
        options.pauses.minSilenceSeconds = *number;
    } else if (name == "min-phrase") {
        options.pauses.minPhraseSeconds = *number;
    } else if (name == "pause-factor") {
        options.pauses.pauseFactor = *number;
    } else if (name == "pause-extra") {
        options.pauses.pauseExtraSeconds = *number;
    } else if (name == "min-pause") {
        options.minPauseSeconds = *number;
    } else if (name == "max-pause") {
        options.maxPauseSeconds = *number;
    } else {
        options.maxPhraseSeconds = *number;
    }
    return {};
}

// The value that a name of a list stands for, or nothing.
template <typename Value>
std::optional<Value> Named(std::initializer_list<std::pair<std::string_view, Value>> names,
                           std::string_view name) {
    for (const auto& [text, value] : names)
        if (text == name)
            return value;
    return std::nullopt;
}

// A switch's stored text.
std::optional<bool> Switch(std::string_view value) {
    if (value == "true")
        return true;
    if (value == "false")
        return false;
    return std::nullopt;
}

} // namespace

std::uint64_t JobOptions::PauseSamples(std::uint64_t passSamples, std::uint32_t rate) const {
    const double scaled = pauses.pauseFactor == 1
                              ? static_cast<double>(passSamples)
                              : std::floor(pauses.pauseFactor * static_cast<double>(passSamples));
    const double extra = std::floor(pauses.pauseExtraSeconds * static_cast<double>(rate));
    double samples = scaled + extra;
    if (minPauseSeconds)
        samples = std::max(samples, std::floor(*minPauseSeconds * static_cast<double>(rate)));
    if (maxPauseSeconds)
        samples = std::min(samples, std::floor(*maxPauseSeconds * static_cast<double>(rate)));
    return static_cast<std::uint64_t>(samples);
}

unsigned DefaultJobs() {
    const long online = ::sysconf(_SC_NPROCESSORS_ONLN);
    return static_cast<unsigned>(std::clamp(online, 1L, long{MaxJobs}));
}

std::span<const JobOption> JobOptionList() {
    return Options;
}

std::span<const JobOptionRange> JobOptionRanges() {
    return Ranges;
}

std::string SetJobOption(JobOptions& options, std::string_view name, std::string_view value) {
    for (const Range& range : Ranges)
        if (name == range.name)
            return SetNumber(options, range, value);
    if (name == "passes") {
        const std::optional<std::vector<double>> tempos = Tempos(value);
        if (!tempos)
            return Needs(name, "1 to 8 tempos from 0.5 to 2, separated by commas");
        options.passes = *tempos;
        options.tuned = true;
        return {};
    }
    if (name == "output-format") {
        const OutputFormatInfo* format = FindOutputFormat(value);
        if (!format && value != "wav")
            return Needs(name, "wav, flac, mp3 or opus");
        options.outputFormat.reset();
        if (format)
            options.outputFormat = format->format;
        return {};
    }
    if (name == "bitrate") {
        const std::optional<double> number = Number(value);
        if (!number || *number != std::floor(*number))
            return Needs(name, "a whole number of kbit/s");
        options.bitrateKbps = static_cast<int>(std::clamp(*number, -1.0, 100000.0));
        return {};
    }
    if (name == "jobs") {
        const std::optional<double> number = Number(value);
        if (!number || *number != std::floor(*number) || *number < 1 || *number > MaxJobs)
            return Needs(name, "a whole number of files from 1 to " + std::to_string(MaxJobs));
        options.jobs = static_cast<unsigned>(*number);
        return {};
    }
    if (name == "detector") {
        const std::optional<PauseDetector> detector =
            Named<PauseDetector>({{"level", PauseDetector::Level},
                                  {"speech", PauseDetector::Speech},
                                  {"auto", PauseDetector::Auto}},
                                 value);
        if (!detector)
            return Needs(name, "level, speech or auto");
        options.detector = *detector;
        options.tuned = options.tuned || *detector == PauseDetector::Speech;
        return {};
    }
    if (name == "labels") {
        const std::optional<LabelFormat> format =
            Named<LabelFormat>({{"srt", LabelFormat::Srt},
                                {"lrc", LabelFormat::Lrc},
                                {"audacity", LabelFormat::Audacity}},
                               value);
        if (!format)
            return Needs(name, "srt, lrc or audacity");
        options.labels = *format;
        options.tuned = true;
        return {};
    }
    if (name == "phrases-from") {
        if (value.empty())
            return Needs(name, "a subtitle file (.srt or .vtt)");
        options.phrasesFrom = value;
        options.tuned = true;
        return {};
    }
    // The switches, and whether turning one on makes the practice files tuned.
    const struct {
        const char* name;
        bool JobOptions::*flag;
        bool tunes;
    } switches[] = {{"yes", &JobOptions::yesToAll, false},
                    {"keep-going", &JobOptions::keepGoing, false},
                    {"verbose", &JobOptions::verbose, false},
                    {"any-format", &JobOptions::anyFormat, false},
                    {"clips", &JobOptions::clips, true},
                    {"phrases-from-srt", &JobOptions::phrasesFromSrt, true}};
    for (const auto& option : switches) {
        if (name != option.name)
            continue;
        const std::optional<bool> on = Switch(value);
        if (!on)
            return Needs(name, "true or false");
        options.*option.flag = *on;
        options.tuned = options.tuned || (option.tunes && *on);
        return {};
    }
    return "unknown option '--" + std::string(name) + "'";
}

std::string CheckJobOptions(const JobOptions& options) {
    if (options.bitrateKbps) {
        const int kbps = *options.bitrateKbps;
        if (!options.outputFormat || FormatInfo(*options.outputFormat).defaultKbps == 0)
            return "--bitrate applies to --output-format mp3 and opus only";
        const OutputFormatInfo& format = FormatInfo(*options.outputFormat);
        if (kbps < format.minKbps || kbps > format.maxKbps)
            return "--bitrate needs kbit/s from " + std::to_string(format.minKbps) + " to " +
                   std::to_string(format.maxKbps) + " for " + format.name;
    }
    if (options.minPauseSeconds && options.maxPauseSeconds &&
        *options.minPauseSeconds > *options.maxPauseSeconds)
        return "--min-pause needs seconds no more than --max-pause";
    if (!options.phrasesFrom.empty() && options.phrasesFromSrt)
        return "--phrases-from and --phrases-from-srt cannot be given together";
    return {};
}

JobOptions JobOptionsFromStore(const StoredJobOptions& stored, StoredJobOptions* taken) {
    JobOptions options;
    // In the list's order, whatever the store's: a bit rate is checked against its format.
    for (const JobOption& option : Options) {
        const auto found = std::find_if(stored.begin(), stored.end(), [&](const auto& entry) {
            return entry.first == option.name;
        });
        if (option.terminalOnly || found == stored.end())
            continue;
        JobOptions changed = options;
        if (SetJobOption(changed, option.name, found->second).empty() &&
            CheckJobOptions(changed).empty()) {
            options = changed;
            if (taken)
                taken->push_back(*found);
        }
    }
    return options;
}
