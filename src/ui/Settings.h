#pragma once

#include "batch/JobOptions.h"

#include <string>

// The section "Settings" of the per-user store, under the organization and
// application names that CBrellowApp sets. Built on the stack where needed.
class CSettings {
public:
    // A missing entry reads as the empty string.
    std::string GetString(const char* entry) const;
    // Stored exactly as given and flushed at once, so that a pick survives a crash.
    void WriteString(const char* entry, const std::string& value);
};

// The section "Options" of the same store: the job's options as the Options
// dialog keeps them, named as the terminal's options and in their syntax.
StoredJobOptions ReadStoredOptions();
// Replaces the section and flushes it.
void WriteStoredOptions(const StoredJobOptions& options);
