#pragma once

#include "batch/FileConverter.h"
#include "batch/JobOptions.h"
#include "batch/PhraseListener.h"
#include "pause/QuietLimits.h"

#include <memory>
#include <string>

// The converter a job's options ask for, the same for both front ends: the
// exact conversion when none is given. Each tuned file's quiet limits and
// pauses go to report, and its phrases to listener, when given.
std::unique_ptr<CFileConverter> MakeJobConverter(const JobOptions& options,
                                                 PauseReporter report = {},
                                                 CPhraseListener* listener = nullptr);

// Why a job of converter, with these options, from source, cannot start:
// subtitles the options name that cannot be read. Checked by both front ends
// before the job converts anything, and told alike; "" when it can start.
std::string JobRefusal(const JobOptions& options, const std::string& source,
                       const CFileConverter& converter);

// Whether the options need FFmpeg's libraries, which are loaded only then.
bool NeedsMediaLibrary(const JobOptions& options);
