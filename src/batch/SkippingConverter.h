#pragma once

#include "batch/FileConverter.h"

#include <filesystem>
#include <string>
#include <vector>

// A source the job went on past, and why, in the learner's words.
struct SkippedSource {
    std::filesystem::path source;
    std::string reason;
};

// The window's converter around the job's own when the learner asked it to
// go on: a source that is refused, cannot be opened or fails is skipped
// without a box of its own, and listed, in the order of the files, for one
// box at the job's end. Questions are answered yes, as the terminal's
// --keep-going does. A job that was stopped or given up still ends.
class CSkippingConverter final : public CFileConverter {
public:
    explicit CSkippingConverter(CFileConverter& converter) : m_converter(converter) {}

    std::string FolderPattern() const override { return m_converter.FolderPattern(); }
    std::string OutputExtension() const override { return m_converter.OutputExtension(); }
    FileResult Convert(CMessageBoxOwner& owner, const std::filesystem::path& source,
                       const std::filesystem::path& destination, CFileOpener& files) override;

    const std::vector<SkippedSource>& Skipped() const { return m_skipped; }

private:
    CFileConverter& m_converter;
    std::vector<SkippedSource> m_skipped;
};
