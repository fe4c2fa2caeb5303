#include "cli/JobReport.h"

#include "batch/FileFind.h"
#include "batch/PracticeConverter.h"
#include "cli/CommandLine.h"
#include "cli/Interrupt.h"
#include "pause/MessagePump.h"

#include <filesystem>
#include <vector>

namespace {

// "No recordings in ...", and, without --any-format, what it would read
// among the files listed there.
std::string NothingToConvert(const std::string& folder, const CSourceListing& sources,
                             bool anyFormat) {
    const std::string told = "No recordings in '" + folder + "'";
    if (anyFormat)
        return told;
    // The pattern's extensions in its order, each with how many files end in it.
    std::vector<std::pair<std::string, int>> extensions;
    const std::string pattern = AnyFormatPattern;
    for (std::size_t from = 0; from < pattern.size();) {
        const std::size_t end = std::min(pattern.find(';', from), pattern.size());
        extensions.emplace_back(pattern.substr(from + 1, end - from - 1), 0); // without the '*'
        from = end + 1;
    }
    int total = 0;
    const bool folderListed = sources.SourceKind() == CSourceListing::Kind::Folder;
    for (const ListedFile& file : folderListed ? sources.Files(pattern) : std::vector<ListedFile>())
        for (auto& [extension, count] : extensions)
            if (MatchesWildcard(file.name, "*" + extension)) {
                ++count;
                ++total;
                break;
            }
    if (total == 0)
        return told;
    std::string present;
    for (const auto& [extension, count] : extensions)
        if (count > 0)
            present += (present.empty() ? "" : "/") + extension;
    return told + "; --any-format reads the " + std::to_string(total) + " " + present +
           (total == 1 ? " file there" : " files there");
}

} // namespace

int ReportJobEnd(CTerminalWindow& window, const CTerminalConverter& converter,
                 const JobOptions& options, const CSourceListing& sources) {
    const bool abandoned = JobAbandoned();
    if (!abandoned && window.m_jobEnd == JobEnd::PathRefused)
        return 2;
    if (!abandoned && window.m_jobEnd == JobEnd::Completed && window.Reached() == 0) {
        window.PrintLine(NothingToConvert(window.m_strSrc, sources, options.anyFormat));
        return NothingToConvertExitStatus;
    }
    if (converter.m_bRefused && !options.anyFormat &&
        sources.SourceKind() == CSourceListing::Kind::File &&
        MatchesWildcard(std::filesystem::path(window.m_strSrc).filename().string(),
                        AnyFormatPattern))
        window.PrintLine(std::string(ProgramName) + " --any-format reads this recording");

    const bool stopped = abandoned || (window.m_bStop && window.m_jobEnd != JobEnd::Completed);
    if (window.Reached() > 1 || converter.m_nSkipped > 0)
        window.PrintLine(std::to_string(converter.m_nConverted) + " converted, " +
                         std::to_string(converter.m_nSkipped) + " skipped" +
                         (stopped ? ", stopped" : ""));
    if (abandoned)
        return AbandonedExitStatus();
    if (window.m_jobEnd != JobEnd::Completed)
        return 1;
    return converter.m_nSkipped > 0 ? SkippedExitStatus : 0;
}
