#include "batch/BatchRun.h"

#include "audio/Translation.h"
#include "batch/ConversionMessages.h"
#include "batch/FileFind.h"
#include "batch/JobFiles.h"
#include "batch/MessageBox.h"
#include "batch/SideBySide.h"
#include "batch/Trim.h"
#include "batch/Worker.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

enum class SourceKind { None, Folder, File };

fs::file_status StatusOf(const std::string& path) {
    std::error_code ec;
    return fs::status(fs::path(path), ec); // not_found or none on any failure
}

// A folder, a single file (a regular file, or a link to one), or neither.
SourceKind Classify(const std::string& path) {
    const fs::file_status st = StatusOf(path);
    if (fs::is_directory(st))
        return SourceKind::Folder;
    if (fs::is_regular_file(st))
        return SourceKind::File;
    return SourceKind::None;
}

// The run but for the report of a refused format, with the job's guard in a
// scope of its own, so that OnJobEnd has run by the time that report is shown.
// The result of the file the job ended at; Converted when none ended it.
FileResult RunGuarded(CJobWindow& window, CFileConverter& converter, CFileOpener& files) {
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

    const SourceKind kind = Classify(window.m_strSrc);
    if (kind == SourceKind::None) {
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
    // Appended rather than "/" + FolderPattern(): GCC 12 at -O2 warns of an
    // overlapping copy in the literal-plus-temporary operator (-Wrestrict), which cannot happen.
    std::string pattern;
    if (kind == SourceKind::Folder)
        pattern.append("/").append(converter.FolderPattern());
    FileResult ended =
        ProcessSource(window, window.m_strSrc, window.m_strDst, pattern, converter, files);
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
           const RefusalHint& hint) {
    const FileResult ended = RunGuarded(window, converter, files);
    if (ended.kind() != FileResult::Kind::Refused)
        return;
    std::string text = RefusedFormatText(ended.reason());
    if (const std::string more = hint ? hint() : std::string(); !more.empty())
        text.append("\n").append(more);
    ShowError(window, text);
}

FileResult ProcessSource(CJobWindow& window, std::string& source, std::string& destination,
                         const std::string& pattern, CFileConverter& converter,
                         CFileOpener& files) {
    // Taken once: editing the source during the job changes nothing in it.
    const std::string searchSource = source;

    // Listed once: the files counted are the files converted.
    struct Listed {
        std::string path, title;
    };
    std::vector<Listed> listed;
    CFileFind finder;
    for (bool more = finder.FindFile(searchSource, pattern); more;) {
        more = finder.FindNextFile();
        if (!finder.IsDots() && !finder.IsDirectory())
            listed.push_back({finder.GetFilePath(), finder.GetFileTitle()});
    }
    const int count = static_cast<int>(listed.size());
    window.SetProgressRange(static_cast<std::uint16_t>(count & 0xFFFF));

    CJobFiles jobFiles(files);
    if (window.m_nJobs > 1 && count > 1) {
        // The destinations taken at once: which of the files share one is
        // decided before any starts.
        std::vector<JobFile> jobs;
        for (const Listed& file : listed)
            jobs.push_back(
                {file.path, destination + "/" + file.title + converter.OutputExtension()});
        OrderTwins(jobs);
        return ConvertSideBySide(window, jobs, converter, jobFiles, window.m_nJobs, StatusOf);
    }
    int index = 0;
    for (const Listed& file : listed) {
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
