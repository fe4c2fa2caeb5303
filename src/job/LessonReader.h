#pragma once

#include "batch/JobOptions.h"
#include "batch/Subtitles.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// One lesson as the practice window shows it: the recording's samples and
// the phrases a job with the same options would make of it.
struct Lesson {
    std::uint32_t rate = 0;
    std::vector<std::int16_t> samples; // mono
    std::vector<std::uint64_t> ends;   // where each phrase ends, in samples
    std::vector<SubtitleCue> cues;     // the subtitles the options name, for the texts
};

// The longest recording the window holds in memory.
inline constexpr double MaxLessonSeconds = 3 * 3600;

// The options with which the job would find the same phrases without
// writing anything but one plain practice file.
JobOptions LessonOptions(JobOptions options);

// Why a lesson cannot be read, in the learner's language; no reason when it can.
struct LessonFailure {
    std::string reason;
    bool formatRefused = false; // the reader does not take the recording's format
};

// Reads source through the job's own conversion with options, so that
// detector, threshold, durations and subtitles all count.
LessonFailure ReadLesson(const std::filesystem::path& source, const JobOptions& options,
                         Lesson& lesson);
