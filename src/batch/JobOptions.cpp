#include "batch/JobOptions.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <unistd.h>

namespace {

// The whole text as a finite number, or nothing.
std::optional<double> ParseNumber(std::string_view text) {
    const std::string copy(text);
    char* end = nullptr;
    const double value = std::strtod(copy.c_str(), &end);
    if (copy.empty() || end != copy.c_str() + copy.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// A number within its row's range, or nothing.
std::optional<double> InRange(const OptionRow& row, std::string_view value) {
    const std::optional<double> number = ParseNumber(value);
    if (!number || *number < row.low || *number > row.high ||
        (*number == row.low && !row.lowIncluded))
        return std::nullopt;
    return number;
}

// A choice's value; false when the name is not one of them.
bool SetChoice(JobOptions& options, OptionId id, std::string_view value) {
    if (id == OptionId::OutputFormat) {
        const OutputFormatInfo* format = FindOutputFormat(value);
        if (!format)
            return false;
        options.outputFormat.reset(); // WAV: the exact conversion's own
        if (format->format != OutputFormat::Wav)
            options.outputFormat = format->format;
    } else if (id == OptionId::Labels) {
        const LabelFormatInfo* format = FindLabelFormat(value);
        if (!format)
            return false;
        options.labels = format->format;
    } else {
        const PauseDetectorName* detector = FindPauseDetector(value);
        if (!detector)
            return false;
        options.detector = detector->detector;
        options.tuned = options.tuned || detector->detector == PauseDetector::Speech;
    }
    return true;
}

} // namespace

std::uint64_t JobOptions::PauseSamples(std::uint64_t passSamples, std::uint32_t rate) const {
    double samples = pauses.PauseSamples(passSamples, rate);
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

std::optional<std::vector<double>> ParseTempos(std::string_view text) {
    std::vector<double> tempos;
    for (std::size_t from = 0;;) {
        const std::size_t comma = std::min(text.find(',', from), text.size());
        const std::optional<double> tempo = ParseNumber(text.substr(from, comma - from));
        if (!tempo || *tempo < MinTempo || *tempo > MaxTempo || tempos.size() == MaxPasses)
            return std::nullopt;
        tempos.push_back(*tempo);
        if (comma == text.size())
            return tempos;
        from = comma + 1;
    }
}

std::string SetJobOption(JobOptions& options, std::string_view name, std::string_view value) {
    const OptionRow* row = FindOption(name);
    if (!row || row->kind == OptionKind::Action)
        return "unknown option '--" + std::string(name) + "'";
    switch (row->kind) {
    case OptionKind::Switch: {
        const bool on = value == "true";
        if (!on && value != "false")
            return Needs(*row);
        options.*row->flag = on;
        options.tuned = options.tuned || (row->tunes && on);
        return {};
    }
    case OptionKind::Number: {
        if (row->id == OptionId::Threshold && value == "auto") {
            options.pauses.autoThreshold = true;
            options.thresholdGiven = options.tuned = true;
            return {};
        }
        const std::optional<double> number = InRange(*row, value);
        if (!number)
            return Needs(*row);
        row->setNumber(options, *number);
        break;
    }
    case OptionKind::Whole: {
        const std::optional<double> number = ParseNumber(value);
        if (!number || *number != std::floor(*number))
            return Needs(*row);
        if (row->id == OptionId::Bitrate) {
            // Its range is the format's, checked with the others.
            options.bitrateKbps = static_cast<int>(std::clamp(*number, -1.0, 100000.0));
            return {};
        }
        if (!InRange(*row, value))
            return Needs(*row);
        options.jobs = static_cast<unsigned>(*number);
        return {};
    }
    case OptionKind::Tempos: {
        const std::optional<std::vector<double>> tempos = ParseTempos(value);
        if (!tempos)
            return Needs(*row);
        options.passes = *tempos;
        break;
    }
    case OptionKind::Choice:
        if (!SetChoice(options, row->id, value))
            return Needs(*row);
        break;
    case OptionKind::Text:
        if (value.empty())
            return Needs(*row);
        options.phrasesFrom = value;
        break;
    case OptionKind::Action:
        break;
    }
    options.tuned = options.tuned || row->tunes;
    return {};
}

std::string CheckJobOptions(const JobOptions& options) {
    if (options.bitrateKbps) {
        const int kbps = *options.bitrateKbps;
        if (!options.outputFormat || FormatInfo(*options.outputFormat).defaultKbps == 0)
            return Dashed(OptionId::Bitrate) + " applies to " + Dashed(OptionId::OutputFormat) +
                   " mp3 and opus only";
        const OutputFormatInfo& format = FormatInfo(*options.outputFormat);
        if (kbps < format.minKbps || kbps > format.maxKbps)
            return Dashed(OptionId::Bitrate) + " needs kbit/s from " +
                   std::to_string(format.minKbps) + " to " + std::to_string(format.maxKbps) +
                   " for " + format.name;
    }
    if (options.minPauseSeconds && options.maxPauseSeconds &&
        *options.minPauseSeconds > *options.maxPauseSeconds)
        return Dashed(OptionId::MinPause) + " needs seconds no more than " +
               Dashed(OptionId::MaxPause);
    if (!options.phrasesFrom.empty() && options.phrasesFromSrt)
        return Dashed(OptionId::PhrasesFrom) + " and " + Dashed(OptionId::PhrasesFromSrt) +
               " cannot be given together";
    return {};
}

JobOptions JobOptionsFromStore(const StoredJobOptions& stored, StoredJobOptions* taken) {
    JobOptions options;
    // In the list's order, whatever the store's: a bit rate is checked against its format.
    for (const OptionRow& option : OptionRows()) {
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
