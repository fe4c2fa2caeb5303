#pragma once

#include "batch/MessageBox.h"

#include <filesystem>

// What a conversion tells and asks, under the caption "Failure". The
// questions return true for Yes: the file is skipped and the job goes on.
// The reports return false: the job ends.
bool AskToSkipSource(CMessageBoxOwner& parent, const std::filesystem::path& source);
bool AskToSkipDestination(CMessageBoxOwner& parent, const std::filesystem::path& destination);
bool ReportCannotRead(CMessageBoxOwner& parent, const std::filesystem::path& source);
bool ReportCannotWrite(CMessageBoxOwner& parent, const std::filesystem::path& destination);
bool ReportTooLong(CMessageBoxOwner& parent, const std::filesystem::path& source);
