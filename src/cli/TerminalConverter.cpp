#include "cli/TerminalConverter.h"

#include "audio/Translation.h"
#include "batch/ConversionMessages.h"
#include "batch/InOrder.h"
#include "pause/MessagePump.h"

FileResult CTerminalConverter::Convert(CMessageBoxOwner& owner, const std::filesystem::path& source,
                                       const std::filesystem::path& destination,
                                       CFileOpener& files) {
    if (JobAbandoned()) // no further file once the job is given up
        return FileResult::Failed();
    FileResult result = m_converter->Convert(owner, source, destination, files);
    switch (result.kind()) {
    case FileResult::Kind::Converted:
        InOrder([this] { ++m_nConverted; });
        break;
    case FileResult::Kind::Skipped:
        InOrder([this] { ++m_nSkipped; });
        break;
    case FileResult::Kind::Refused:
        InOrder([this] { m_bRefused = true; });
        if (m_bKeepGoing)
            return Skip(source, result.reason());
        break;
    case FileResult::Kind::Unopened:
        if (m_bKeepGoing)
            return Skip(source, CannotOpen(result.reason()));
        // The window's question, with the reason the terminal has room for.
        if (!result.reason().empty()) {
            result = FileResult::Answered(AskConfirmation(owner,
                                                          "Cannot open file ' " + source.string() +
                                                              "' (" + result.reason() +
                                                              "). Do you want to continue?",
                                                          Tr("Job", "Failure").c_str()) == IDYES,
                                          result.reason());
        } else {
            result = AskToSkipSource(owner, source, {});
        }
        if (result.GoesOn())
            InOrder([this] { ++m_nSkipped; });
        break;
    case FileResult::Kind::Failed:
        break;
    }
    return result;
}

std::string CTerminalConverter::CannotOpen(const std::string& reason) {
    return reason.empty() ? "the file cannot be opened" : "the file cannot be opened: " + reason;
}

FileResult CTerminalConverter::Skip(const std::filesystem::path& source,
                                    const std::string& reason) {
    InOrder([this, line = "Skipped '" + source.string() + "': " + reason] {
        ++m_nSkipped;
        m_window.PrintLine(line);
    });
    return FileResult::Skipped(reason);
}
