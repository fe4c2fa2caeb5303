#pragma once

#include "batch/FileResult.h"
#include "batch/MessageBox.h"

#include <filesystem>
#include <string>

// What a conversion tells and asks, under the caption "Failure". The
// questions skip the file on Yes and end the job otherwise; the reports
// end the job. Each result carries its reason.
FileResult AskToSkipSource(CMessageBoxOwner& parent, const std::filesystem::path& source,
                           const std::string& reason);
// reason: why (the system's, from ErrorReason), when known.
FileResult AskToSkipDestination(CMessageBoxOwner& parent, const std::filesystem::path& destination,
                                const std::string& reason = {});
FileResult ReportCannotRead(CMessageBoxOwner& parent, const std::filesystem::path& source);
// details: why (the system's reason, or the encoder's), when known.
FileResult ReportCannotWrite(CMessageBoxOwner& parent, const std::filesystem::path& destination,
                             const std::string& details = {});
FileResult ReportTooLong(CMessageBoxOwner& parent, const std::filesystem::path& source);

// The report of a format the reader refuses, with reason in the learner's words.
std::string RefusedFormatText(const std::string& reason);

// A file's result, but for a source that cannot be opened: the job's
// question whether to skip it, asked of parent.
FileResult SettleUnopened(CMessageBoxOwner& parent, const std::filesystem::path& source,
                          FileResult result);
