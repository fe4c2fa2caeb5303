#include "cli/TerminalConverter.h"

#include "audio/Translation.h"
#include "batch/ConversionMessages.h"
#include "batch/InOrder.h"
#include "pause/MessagePump.h"

namespace {

std::string CannotOpen(const std::string& reason) {
    return reason.empty() ? "the file cannot be opened" : "the file cannot be opened: " + reason;
}

// The window's question, with the system's reason where the terminal knows it.
FileResult AskToSkipUnopened(CMessageBoxOwner& owner, const std::filesystem::path& source,
                             const std::string& reason) {
    if (reason.empty())
        return AskToSkipSource(owner, source, reason);
    const std::string text =
        "Cannot open file ' " + source.string() + "' (" + reason + "). Do you want to continue?";
    return FileResult::Answered(AskConfirmation(owner, text, Tr("Job", "Failure").c_str()) == IDYES,
                                reason);
}

} // namespace

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
        result = AskToSkipUnopened(owner, source, result.reason());
        if (result.GoesOn())
            InOrder([this] { ++m_nSkipped; });
        break;
    case FileResult::Kind::Failed:
        break;
    }
    return result;
}

FileResult CTerminalConverter::Skip(const std::filesystem::path& source,
                                    const std::string& reason) {
    InOrder([this, line = "Skipped '" + source.string() + "': " + reason] {
        ++m_nSkipped;
        m_window.PrintLine(line);
    });
    return FileResult::Skipped(reason);
}
