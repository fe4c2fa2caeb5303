#include "batch/ConversionMessages.h"

#include "audio/Translation.h"

#include <string>

namespace {

bool Ask(CMessageBoxOwner& parent, const std::string& text) {
    return AskConfirmation(parent, text, Tr("Job", "Failure").c_str()) == IDYES;
}

bool Fail(CMessageBoxOwner& parent, const std::string& text) {
    ShowError(parent, text, Tr("Job", "Failure").c_str());
    return false;
}

} // namespace

std::string SkipSourceQuestion(const std::filesystem::path& source) {
    return FormatText(Tr("Job", "Cannot open file ' %1'. Do you want to continue?"),
                      {source.string()});
}

bool AskToSkipSource(CMessageBoxOwner& parent, const std::filesystem::path& source) {
    return Ask(parent, SkipSourceQuestion(source));
}

bool AskToSkipDestination(CMessageBoxOwner& parent, const std::filesystem::path& destination,
                          const std::string& reason) {
    if (reason.empty())
        return Ask(
            parent,
            FormatText(Tr("Job", "Cannot open file ' %1' for writing. Do you want to continue?"),
                       {destination.string()}));
    return Ask(
        parent,
        FormatText(Tr("Job", "Cannot open file ' %1' for writing (%2). Do you want to continue?"),
                   {destination.string(), reason}));
}

bool ReportCannotRead(CMessageBoxOwner& parent, const std::filesystem::path& source) {
    return Fail(parent, FormatText(Tr("Job", "Cannot read file '%1'"), {source.string()}));
}

bool ReportCannotWrite(CMessageBoxOwner& parent, const std::filesystem::path& destination,
                       const std::string& details) {
    const std::string text =
        FormatText(Tr("Job", "Cannot write file '%1'"), {destination.string()});
    return Fail(parent, details.empty() ? text : text + "\nDetails: " + details);
}

bool ReportTooLong(CMessageBoxOwner& parent, const std::filesystem::path& source) {
    return Fail(parent,
                FormatText(Tr("Job", "The file '%1' is too long to convert"), {source.string()}));
}
