#include "BrellowVersion.h"
#include "batch/BatchRun.h"
#include "batch/TunedConversion.h"
#include "cli/CommandLine.h"
#include "cli/Interrupt.h"
#include "cli/TerminalWindow.h"
#include "media/AnyFormatConverter.h"
#include "media/EncodedConverter.h"
#include "media/MediaLibrary.h"
#include "pause/MessagePump.h"

#include <cstdio>
#include <exception>
#include <unistd.h>

namespace {

constexpr int UsageExitStatus = 2;

int ExitStatus(JobEnd end) {
    switch (end) {
    case JobEnd::Completed:
        return 0;
    case JobEnd::EndedEarly:
        return 1;
    case JobEnd::PathRefused:
        return 2;
    }
    return 1;
}

// --verbose: one line for each file with tuned pauses.
std::string Told(const std::filesystem::path& source, const PauseReport& report) {
    char limit[64];
    if (report.lowestDb == report.highestDb)
        std::snprintf(limit, sizeof limit, "%.1f dB", report.lowestDb);
    else
        std::snprintf(limit, sizeof limit, "%.1f to %.1f dB", report.lowestDb, report.highestDb);
    return source.filename().string() + ": quiet below " + limit +
           (report.automatic ? " (auto), " : ", ") + std::to_string(report.pauses) +
           (report.pauses == 1 ? " pause" : " pauses");
}

// What the options ask to be done with each file.
std::unique_ptr<CFileConverter> Converter(const CommandLine& command, CTerminalWindow& window) {
    PauseReporter reporter;
    if (command.verbose)
        reporter = [&window](const std::filesystem::path& source, const PauseReport& report) {
            window.Note(Told(source, report));
        };
    std::unique_ptr<CFileConverter> converter;
    if (command.anyFormat)
        converter =
            std::make_unique<CAnyFormatConverter>(command.tuning, command.thresholdGiven, reporter);
    else if (command.tuning)
        converter = std::make_unique<CTunedConverter>(*command.tuning, reporter);
    else
        converter = std::make_unique<CFileConverter>();
    if (command.outputFormat)
        converter = std::make_unique<CEncodedConverter>(std::move(converter), *command.outputFormat,
                                                        command.bitrateKbps.value_or(0),
                                                        MediaLibrary::MakeEncoder);
    return converter;
}

int Run(const CommandLine& command) {
    // FFmpeg's libraries, when asked for, before anything is touched.
    if (std::string reason;
        (command.anyFormat || command.outputFormat) && !MediaLibrary::Load(reason)) {
        PrintError(std::string(ProgramName) + ": FFmpeg's libraries cannot be loaded: " + reason +
                   "\n");
        return 1;
    }
    InstallInterruptHandler(::isatty(STDERR_FILENO) == 1);
    CTerminalWindow window(command.yesToAll);
    window.m_strSrc = command.source;
    window.m_strDst = command.destination;
    SetMessagePump([&window] { window.TakeInterrupt(); });
    const std::unique_ptr<CFileConverter> converter = Converter(command, window);
    CFileOpener files;
    OnRun(window, *converter, files);
    SetMessagePump(nullptr);
    return ExitStatus(window.m_jobEnd);
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
