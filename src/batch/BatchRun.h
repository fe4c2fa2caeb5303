#pragma once

#include "audio/FileOpener.h"
#include "batch/FileConverter.h"
#include "batch/JobWindow.h"
#include "batch/SourceListing.h"

#include <functional>
#include <string>

// The Run button: checks the window's two paths, then converts the source
// file, or every file of the source folder that the converter takes, into
// the destination folder.
// How the job ended is left in window.m_jobEnd.
void OnRun(CJobWindow& window);
// The same with each file converted by converter, its files opened by files.
// The source is the one sources listed when the job was put together, when
// given for the same path; else it is listed here.
// A refused format's report ends with the line that hint gives, when it gives one.
using RefusalHint = std::function<std::string()>;
void OnRun(CJobWindow& window, CFileConverter& converter, CFileOpener& files,
           const CSourceListing* sources = nullptr, const RefusalHint& hint = {});

// Counts, then converts, the listed files. The destination is read afresh
// for every file. The result of the file the job ended at (Failed for a
// stop); Converted when the second pass ran to its end.
FileResult ProcessSource(CJobWindow& window, const std::vector<ListedFile>& listed,
                         std::string& destination, CFileConverter& converter, CFileOpener& files);

// "index of total" into the window's status text.
void SetStatusText(CJobWindow& window, int index, int total);
// That text.
std::string StatusOf(int index, int total);
