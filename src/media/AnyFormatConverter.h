#pragma once

#include "batch/FileConverter.h"
#include "pause/PhraseDetector.h"

#include <optional>

// The job's converter for recordings of any format that FFmpeg's libraries
// read. A source that the exact conversion takes is converted exactly, to
// the same bytes, unless the pauses are tuned; every other one with tuned pauses.
class CAnyFormatConverter : public CFileConverter {
public:
    explicit CAnyFormatConverter(std::optional<PauseSettings> tuning)
        : m_tuning(std::move(tuning)) {}

    std::string FolderPattern() const override;
    bool Convert(CMessageBoxOwner& owner, const std::filesystem::path& source,
                 const std::filesystem::path& destination, CFileOpener& files) override;

private:
    std::optional<PauseSettings> m_tuning;
};
