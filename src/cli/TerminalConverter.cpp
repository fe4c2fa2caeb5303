#include "cli/TerminalConverter.h"

#include "audio/WAVException.h"
#include "batch/ConversionMessages.h"
#include "batch/InOrder.h"
#include "pause/MessagePump.h"

namespace {

// The boxes of one conversion, passed on to the window: it notes a question
// answered yes, and with --keep-going answers the source's question itself.
class CSkipWatch final : public CMessageBoxOwner {
public:
    CSkipWatch(CMessageBoxOwner& owner, std::string sourceQuestion)
        : m_owner(owner), m_strSourceQuestion(std::move(sourceQuestion)) {}

    int MessageBox(const std::string& text, const std::string& caption, unsigned type) override {
        if (!m_strSourceQuestion.empty() && text == m_strSourceQuestion) {
            m_bSourceSkipped = true;
            return IDYES;
        }
        const int answer = m_owner.MessageBox(text, caption, type);
        m_bSkipped = m_bSkipped || ((type & 0x0F) == MB_YESNOCANCEL && answer == IDYES);
        return answer;
    }

    bool m_bSkipped = false;
    bool m_bSourceSkipped = false;

private:
    CMessageBoxOwner& m_owner;
    std::string m_strSourceQuestion; // empty: every question goes to the window
};

} // namespace

bool CTerminalConverter::Convert(CMessageBoxOwner& owner, const std::filesystem::path& source,
                                 const std::filesystem::path& destination, CFileOpener& files) {
    if (JobAbandoned()) // no further file once the job is given up
        return false;
    CSkipWatch watch(owner, m_bKeepGoing ? SkipSourceQuestion(source) : std::string());
    try {
        if (!m_converter->Convert(watch, source, destination, files))
            return false;
    } catch (const CWAVException& e) {
        InOrder([this] { m_bRefused = true; });
        if (!m_bKeepGoing)
            throw;
        Skip(source, e.m_message);
        return true;
    }
    if (watch.m_bSourceSkipped)
        Skip(source, "the file cannot be opened");
    else
        InOrder([this, skipped = watch.m_bSkipped] { ++(skipped ? m_nSkipped : m_nConverted); });
    return true;
}

void CTerminalConverter::Skip(const std::filesystem::path& source, const std::string& reason) {
    InOrder([this, line = "Skipped '" + source.string() + "': " + reason] {
        ++m_nSkipped;
        m_window.PrintLine(line);
    });
}
