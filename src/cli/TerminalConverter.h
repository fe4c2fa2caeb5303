#pragma once

#include "batch/FileConverter.h"
#include "cli/TerminalWindow.h"

#include <memory>

// The terminal's converter around the job's own: it counts what became of
// each source, from its result, and with --keep-going it skips a source that
// is refused or cannot be opened, with a line on standard error and the
// reason, where the job would end or ask. The window's job never sees it.
class CTerminalConverter final : public CFileConverter {
public:
    CTerminalConverter(std::unique_ptr<CFileConverter> converter, CTerminalWindow& window,
                       bool keepGoing)
        : m_converter(std::move(converter)), m_window(window), m_bKeepGoing(keepGoing) {}

    std::string FolderPattern() const override { return m_converter->FolderPattern(); }
    std::string OutputExtension() const override { return m_converter->OutputExtension(); }
    FileResult Convert(CMessageBoxOwner& owner, const std::filesystem::path& source,
                       const std::filesystem::path& destination, CFileOpener& files) override;

    int m_nConverted = 0;
    int m_nSkipped = 0;      // at --keep-going's word, or a question answered yes
    bool m_bRefused = false; // a source's format was refused

private:
    FileResult Skip(const std::filesystem::path& source, const std::string& reason);

    std::unique_ptr<CFileConverter> m_converter;
    CTerminalWindow& m_window;
    bool m_bKeepGoing;
};
