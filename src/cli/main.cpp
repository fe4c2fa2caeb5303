#include "BrellowVersion.h"
#include "batch/BatchRun.h"
#include "batch/InOrder.h"
#include "cli/CommandLine.h"
#include "cli/Interrupt.h"
#include "cli/JobReport.h"
#include "cli/TerminalConverter.h"
#include "cli/TerminalWindow.h"
#include "job/JobAssembly.h"
#include "media/MediaLibrary.h"
#include "pause/MessagePump.h"

#include <cstdio>
#include <exception>
#include <unistd.h>

namespace {

constexpr int UsageExitStatus = 2;

// --verbose: one line for each file with tuned pauses.
std::string VerboseLine(const std::filesystem::path& source, const PauseReport& report) {
    char limit[64];
    if (report.lowestDb == report.highestDb)
        std::snprintf(limit, sizeof limit, "%.1f dB", report.lowestDb);
    else
        std::snprintf(limit, sizeof limit, "%.1f to %.1f dB", report.lowestDb, report.highestDb);
    const std::string detector =
        "; " + report.detector + " detector" + (report.why.empty() ? "" : " (" + report.why + ")");
    const std::string quiet =
        report.detector == "speech"
            ? ""
            : std::string("quiet below ") + limit + (report.automatic ? " (auto), " : ", ");
    return source.filename().string() + ": " + quiet + std::to_string(report.pauses) +
           (report.pauses == 1 ? " pause" : " pauses") +
           (report.detector == "level" && report.why.empty() ? "" : detector);
}

// A phrase this long means the detector found no pause where the speaker paused.
constexpr double LongPhraseSeconds = 60;

std::string LongPhraseWarning(const std::filesystem::path& source, const PauseReport& report) {
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.0f s", report.longestPhraseSeconds);
    return "Warning: " + source.filename().string() + " has a phrase of " + seconds +
           " with no pause; try " +
           (report.detector == "speech" ? "--threshold -45"
                                        : "--detector speech or --threshold -45");
}

int Run(const CommandLine& command) {
    // --keep-going answers the questions it leaves as --yes does.
    CTerminalWindow window(command.options.yesToAll || command.options.keepGoing);
    // Called from the file's worker: its lines are printed in the order of the files.
    const PauseReporter report = [&window, verbose = command.options.verbose](
                                     const std::filesystem::path& source, const PauseReport& told) {
        if (verbose)
            InOrder([&window, line = VerboseLine(source, told)] { window.PrintLine(line); });
        if (told.longestPhraseSeconds > LongPhraseSeconds)
            InOrder([&window, line = LongPhraseWarning(source, told)] { window.PrintLine(line); });
    };
    // FFmpeg's libraries and the subtitles, before anything is converted.
    JobAssembly job = AssembleJob(command.options, command.source, report);
    switch (job.refusal) {
    case JobAssembly::Refusal::MediaLibrary:
        PrintError(std::string(ProgramName) + ": " + MediaLibrary::LoadFailure(job.reason) + "\n");
        return 1;
    case JobAssembly::Refusal::Subtitles:
        PrintError(std::string(ProgramName) + ": " + job.reason + "\n");
        return UsageExitStatus;
    case JobAssembly::Refusal::None:
        break;
    }
    InstallInterruptHandler(::isatty(STDERR_FILENO) == 1);
    CTerminalConverter converter(std::move(job.converter), window, command.options.keepGoing);
    window.m_strSrc = command.source;
    window.m_strDst = command.destination;
    window.m_nJobs = command.options.jobs != 0 ? command.options.jobs : DefaultJobs();
    SetMessagePump([&window] { window.TakeInterrupt(); });
    {
        // Closed before the report: a replacement the job gave up on is gone by then.
        CFileOpener files;
        OnRun(window, converter, files, &job.sources);
    }
    SetMessagePump(nullptr);
    return ReportJobEnd(window, converter, command.options, job.sources);
}

} // namespace

int main(int argc, char** argv) {
    try {
        const CommandLine command = ParseCommandLine({argv + (argc > 0 ? 1 : 0), argv + argc});
        switch (command.action) {
        case CommandLine::Action::Help:
            std::fputs(HelpText().c_str(), stdout);
            return std::fflush(stdout) == 0 ? 0 : 1;
        case CommandLine::Action::Version:
            std::printf("%s %s\n", ProgramName, BRELLOW_VERSION);
            return std::fflush(stdout) == 0 ? 0 : 1;
        case CommandLine::Action::UsageError:
            PrintError(std::string(ProgramName) + ": " + command.error + "\n" + UsageText());
            return UsageExitStatus;
        case CommandLine::Action::Run:
            return Run(command);
        }
    } catch (const std::exception& e) {
        PrintError(std::string(ProgramName) + ": " + e.what() + "\n");
    }
    return 1;
}
