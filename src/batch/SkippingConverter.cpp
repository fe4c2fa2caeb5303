#include "batch/SkippingConverter.h"

#include "audio/Translation.h"
#include "batch/InOrder.h"
#include "batch/LearnerReason.h"

#include <utility>

namespace {

// A conversion's boxes, kept rather than shown: every one it shows is a failure.
class CKeptBoxes final : public CMessageBoxOwner {
public:
    int MessageBox(const std::string& text, const std::string& /*caption*/,
                   unsigned type) override {
        if (m_text.empty())
            m_text = text;
        return (type & 0x0Fu) == MB_YESNOCANCEL ? IDYES : IDOK;
    }
    // The first box's text on one line: it names the file that failed.
    std::string Text() const {
        std::string text = m_text;
        for (char& c : text)
            if (c == '\n')
                c = ' ';
        return text;
    }

private:
    std::string m_text;
};

std::string CannotOpen(const std::string& reason) {
    const std::string text = Tr("Job", "the file cannot be opened");
    return reason.empty() ? text : text + ": " + reason;
}

} // namespace

FileResult CSkippingConverter::Convert(CMessageBoxOwner& /*owner*/,
                                       const std::filesystem::path& source,
                                       const std::filesystem::path& destination,
                                       CFileOpener& files) {
    CKeptBoxes boxes;
    FileResult result = m_converter.Convert(boxes, source, destination, files);
    std::string reason;
    switch (result.kind()) {
    case FileResult::Kind::Converted:
        return result;
    case FileResult::Kind::Refused:
        reason = LearnerReason(result.reason());
        break;
    case FileResult::Kind::Unopened:
        reason = CannotOpen(LearnerReason(result.reason()));
        break;
    case FileResult::Kind::Skipped:
    case FileResult::Kind::Failed:
        // Stopped, or given up with the job: nothing was told, and the job ends.
        if (boxes.Text().empty())
            return result;
        reason = boxes.Text();
        break;
    }
    InOrder([this, skipped = SkippedSource{source, reason}] { m_skipped.push_back(skipped); });
    return FileResult::Skipped(std::move(reason));
}
