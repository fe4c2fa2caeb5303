#pragma once

#include "batch/FileConverter.h"
#include "batch/JobOptions.h"
#include "batch/JobSubtitles.h"
#include "batch/PhraseListener.h"
#include "batch/SourceListing.h"
#include "pause/QuietLimits.h"

#include <memory>
#include <string>

// The converter a job's options ask for, the same for both front ends: the
// exact conversion when none is given. Each tuned file's quiet limits and
// pauses go to report, and its phrases to listener, when given; subtitles
// are those read for the job, when it has read them.
std::unique_ptr<CFileConverter>
MakeJobConverter(const JobOptions& options, PauseReporter report = {},
                 CPhraseListener* listener = nullptr,
                 std::shared_ptr<const CJobSubtitles> subtitles = nullptr);

// A job ready to run, or why it cannot start; each front end tells the why its own way.
struct JobAssembly {
    enum class Refusal {
        None,
        MediaLibrary, // FFmpeg's libraries, which the options need, cannot be loaded
        Subtitles,    // subtitles the options name cannot be read
    };
    std::unique_ptr<CFileConverter> converter; // null unless refusal is None
    CSourceListing sources;                    // for the run and what follows it
    Refusal refusal = Refusal::None;
    std::string reason;
};

// The job of options from source, built and checked before it converts
// anything: FFmpeg's libraries loaded when the options need them, the
// source listed as the run takes it, and the subtitles the options name
// read, for the conversion to take.
JobAssembly AssembleJob(const JobOptions& options, const std::string& source,
                        PauseReporter report = {}, CPhraseListener* listener = nullptr);

// Whether the options need FFmpeg's libraries, which are loaded only then.
bool NeedsMediaLibrary(const JobOptions& options);
