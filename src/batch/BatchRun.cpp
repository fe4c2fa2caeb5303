#include "batch/BatchRun.h"

#include "audio/Translation.h"
#include "batch/ConversionMessages.h"
#include "batch/JobFiles.h"
#include "batch/MessageBox.h"
#include "batch/SideBySide.h"
#include "batch/Trim.h"
#include "batch/Worker.h"

#include <filesystem>
#include <optional>
#include <system_error>

namespace fs = std::filesystem;

namespace {

fs::file_status StatusOf(const std::string& path) {
    std::error_code ec;
    return fs::status(fs::path(path), ec); // not_found or none on any failure
}

// The run but for the report of a refused format, with the job's guard in a
// scope of its own, so that OnJobEnd has run by the time that report is shown.
// The result of the file the job ended at; Converted when none ended it.
FileResult RunGuarded(CJobWindow& window, CFileConverter& converter, CFileOpener& files,
                      const CSourceListing* sources) {
    CRunner runner(&window);
    window.m_jobEnd = JobEnd::PathRefused;

    Trim(window.m_strSrc);
    // A typed destination keeps its spaces unless the source is empty too.
    if (window.m_strSrc.empty())
        Trim(window.m_strDst);
    if (window.m_strSrc.empty() && window.m_strDst.empty()) {
        ShowError(window, Tr("Job", "Please, specify path"), Tr("Job", "Wrong path").c_str());
        return FileResult::Converted();
    }

    std::optional<CSourceListing> listedHere;
    const CSourceListing& listing = sources && sources->Source() == window.m_strSrc
                                        ? *sources
                                        : listedHere.emplace(window.m_strSrc);
    if (listing.SourceKind() == CSourceListing::Kind::None) {
        ShowError(window,
                  FormatText(Tr("Job", "The source '%1' does not exists"), {window.m_strSrc}),
                  Tr("Job", "Wrong source").c_str());
        return FileResult::Converted();
    }
    if (!fs::is_directory(StatusOf(window.m_strDst))) {
        ShowError(window,
                  FormatText(Tr("Job", "The directory '%1' does not exists"), {window.m_strDst}),
                  Tr("Job", "Wrong destination").c_str());
        return FileResult::Converted();
    }

    window.m_jobEnd = JobEnd::EndedEarly;
    FileResult ended = ProcessSource(window, listing.Files(converter.FolderPattern()),
                                     window.m_strDst, converter, files);
    if (ended.kind() == FileResult::Kind::Converted)
        window.m_jobEnd = JobEnd::Completed;
    return ended;
}

} // namespace

void OnRun(CJobWindow& window) {
    CFileConverter converter;
    CFileOpener files;
    OnRun(window, converter, files);
}

void OnRun(CJobWindow& window, CFileConverter& converter, CFileOpener& files,
           const CSourceListing* sources, const RefusalHint& hint) {
    const FileResult ended = RunGuarded(window, converter, files, sources);
    if (ended.kind() != FileResult::Kind::Refused)
        return;
    std::string text = RefusedFormatText(ended.reason());
    if (const std::string more = hint ? hint() : std::string(); !more.empty())
        text.append("\n").append(more);
    ShowError(window, text);
}

FileResult ProcessSource(CJobWindow& window, const std::vector<ListedFile>& listed,
                         std::string& destination, CFileConverter& converter, CFileOpener& files) {
    const int count = static_cast<int>(listed.size());
    window.SetProgressRange(static_cast<std::uint16_t>(count & 0xFFFF));

    CJobFiles jobFiles(files);
    if (window.m_nJobs > 1 && count > 1) {
        // The destinations taken at once: which of the files share one is
        // decided before any starts.
        std::vector<JobFile> jobs;
        for (const ListedFile& file : listed)
            jobs.push_back(
                {file.path, destination + "/" + file.title + converter.OutputExtension()});
        OrderTwins(jobs);
        return ConvertSideBySide(window, jobs, converter, jobFiles, window.m_nJobs, StatusOf);
    }
    int index = 0;
    for (const ListedFile& file : listed) {
        ++index;
        window.SetProgressPos(index);
        SetStatusText(window, index, count);
        // Read afresh: Stop is handled while the previous file was converted.
        if (window.m_bStop) {
            ShowWarning(window, Tr("Job", "Application has stopped by user request"),
                        Tr("Job", "Info").c_str());
            window.SetProgressPos(0);
            return FileResult::Failed();
        }
        // Read afresh as well: a destination typed during the job applies from here on.
        const std::string target = destination + "/" + file.title + converter.OutputExtension();
        const fs::path path(file.path);
        FileResult result = SettleUnopened(
            window, path, converter.Convert(window, path, fs::path(target), jobFiles));
        // A refused format leaves the bar where it was.
        if (result.kind() == FileResult::Kind::Refused)
            return result;
        if (!result.GoesOn()) {
            window.SetProgressPos(0);
            return result;
        }
    }
    window.SetProgressPos(0);
    return FileResult::Converted();
}

std::string StatusOf(int index, int total) {
    return FormatText(Tr("Job", "%1 of %2"), {std::to_string(index), std::to_string(total)});
}

void SetStatusText(CJobWindow& window, int index, int total) {
    window.SetStatusWindowText(StatusOf(index, total));
}
