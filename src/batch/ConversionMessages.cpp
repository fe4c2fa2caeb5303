#include "batch/ConversionMessages.h"

#include "audio/Translation.h"
#include "batch/LearnerReason.h"

#include <string>

namespace {

FileResult Ask(CMessageBoxOwner& parent, const std::string& text, const std::string& reason) {
    return FileResult::Answered(
        AskConfirmation(parent, text, Tr("Job", "Failure").c_str()) == IDYES, reason);
}

FileResult Fail(CMessageBoxOwner& parent, const std::string& text, const std::string& reason) {
    ShowError(parent, text, Tr("Job", "Failure").c_str());
    return FileResult::Failed(reason);
}

} // namespace

FileResult AskToSkipSource(CMessageBoxOwner& parent, const std::filesystem::path& source,
                           const std::string& reason) {
    // The window's question names no reason.
    return Ask(parent,
               FormatText(Tr("Job", "Cannot open file ' %1'. Do you want to continue?"),
                          {source.string()}),
               reason);
}

FileResult AskToSkipDestination(CMessageBoxOwner& parent, const std::filesystem::path& destination,
                                const std::string& reason) {
    if (reason.empty())
        return Ask(
            parent,
            FormatText(Tr("Job", "Cannot open file ' %1' for writing. Do you want to continue?"),
                       {destination.string()}),
            reason);
    return Ask(
        parent,
        FormatText(Tr("Job", "Cannot open file ' %1' for writing (%2). Do you want to continue?"),
                   {destination.string(), reason}),
        reason);
}

FileResult ReportCannotRead(CMessageBoxOwner& parent, const std::filesystem::path& source) {
    return Fail(parent, FormatText(Tr("Job", "Cannot read file '%1'"), {source.string()}),
                "the file cannot be read");
}

FileResult ReportCannotWrite(CMessageBoxOwner& parent, const std::filesystem::path& destination,
                             const std::string& details) {
    if (details.empty())
        return Fail(parent, FormatText(Tr("Job", "Cannot write file '%1'"), {destination.string()}),
                    details);
    return Fail(parent,
                FormatText(Tr("Job", "Cannot write file '%1'\nDetails: %2"),
                           {destination.string(), LearnerReason(details)}),
                details);
}

FileResult ReportTooLong(CMessageBoxOwner& parent, const std::filesystem::path& source) {
    return Fail(parent,
                FormatText(Tr("Job", "The file '%1' is too long to convert"), {source.string()}),
                "the file is too long to convert");
}

std::string RefusedFormatText(const std::string& reason) {
    return FormatText(Tr("Job", "The software does not support given audio format\nDetails: %1"),
                      {LearnerReason(reason)});
}

FileResult SettleUnopened(CMessageBoxOwner& parent, const std::filesystem::path& source,
                          FileResult result) {
    if (result.kind() != FileResult::Kind::Unopened)
        return result;
    return AskToSkipSource(parent, source, result.reason());
}
