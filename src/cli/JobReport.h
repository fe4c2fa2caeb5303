#pragma once

#include "batch/JobOptions.h"
#include "batch/SourceListing.h"
#include "cli/TerminalConverter.h"
#include "cli/TerminalWindow.h"

// Exit statuses beyond 0, 1, 2 and InterruptedExitStatus.
inline constexpr int SkippedExitStatus = 3;
inline constexpr int NothingToConvertExitStatus = 4;

// What the terminal adds once a job has ended (nothing to convert, the hint
// for other formats, the summary), and the exit status it ends with. The
// source's files are those sources listed for the job.
int ReportJobEnd(CTerminalWindow& window, const CTerminalConverter& converter,
                 const JobOptions& options, const CSourceListing& sources);
