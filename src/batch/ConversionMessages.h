#pragma once

#include "batch/MessageBox.h"

#include <filesystem>
#include <string>

// What a conversion tells and asks, under the caption "Failure". The
// questions return true for Yes: the file is skipped and the job goes on.
// The reports return false: the job ends.
bool AskToSkipSource(CMessageBoxOwner& parent, const std::filesystem::path& source);
// The text AskToSkipSource asks, for a front end that answers it itself.
std::string SkipSourceQuestion(const std::filesystem::path& source);
// reason: why (the system's, from ErrorReason), when known.
bool AskToSkipDestination(CMessageBoxOwner& parent, const std::filesystem::path& destination,
                          const std::string& reason = {});
bool ReportCannotRead(CMessageBoxOwner& parent, const std::filesystem::path& source);
// details: why (the system's reason, or the encoder's), when known.
bool ReportCannotWrite(CMessageBoxOwner& parent, const std::filesystem::path& destination,
                       const std::string& details = {});
bool ReportTooLong(CMessageBoxOwner& parent, const std::filesystem::path& source);
