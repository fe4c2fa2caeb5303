#pragma once

#include "batch/FileConverter.h"
#include "batch/JobWindow.h"

#include <filesystem>
#include <vector>

// One file of a folder job.
struct JobFile {
    std::filesystem::path source;
    std::filesystem::path target;
    // The file must wait for the one before it at this index to end, as it
    // reads or writes what that one does; -1: none.
    int after = -1;
};

// The files that each file waits for: decided before any starts, by their
// names (letter case ignored) and, for files on disk, by their identities.
void OrderTwins(std::vector<JobFile>& files);

// Converts files with up to jobs of them under way at once, each on a
// thread of its own, and shows the window what one after another would
// have shown, in the same order: the same boxes, lines, progress and
// status. Outputs take their place in the order of the files. A question
// is asked once the files before its own have ended, and holds the others
// at their next pump until it is answered. Stop starts no further file;
// the files under way end. When the job ends at a file, the files after it
// are given up and leave nothing behind. The result of the file the job
// ended at (Failed for a stop); Converted when every file was done.
// status: the "index of total" text of one file after another.
using StatusText = std::string (*)(int index, int total);
FileResult ConvertSideBySide(CJobWindow& window, const std::vector<JobFile>& files,
                             CFileConverter& converter, CFileOpener& jobFiles, unsigned jobs,
                             StatusText status);
