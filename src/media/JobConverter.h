#pragma once

#include "batch/FileConverter.h"
#include "batch/JobOptions.h"

#include <memory>
#include <string>

// The converter a job's options ask for, the same for both front ends: the
// exact conversion when none is given.
std::unique_ptr<CFileConverter> MakeJobConverter(const JobOptions& options);

// Whether the options need FFmpeg's libraries, which are loaded only then.
bool NeedsMediaLibrary(const JobOptions& options);
