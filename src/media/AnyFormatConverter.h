#pragma once

#include "batch/FileConverter.h"
#include "pause/PhraseDetector.h"
#include "pause/QuietLimits.h"

#include <optional>

// The job's converter for recordings of any format that FFmpeg's libraries
// read. A source that the exact conversion takes is converted exactly, to
// the same bytes, unless the pauses are tuned; every other one with tuned
// pauses, whose quiet limit follows the recording unless thresholdGiven.
class CAnyFormatConverter : public CFileConverter {
public:
    CAnyFormatConverter(std::optional<PauseSettings> tuning, bool thresholdGiven,
                        PauseReporter reporter = {})
        : m_tuning(std::move(tuning)), m_bThresholdGiven(thresholdGiven),
          m_reporter(std::move(reporter)) {}

    std::string FolderPattern() const override;
    bool Convert(CMessageBoxOwner& owner, const std::filesystem::path& source,
                 const std::filesystem::path& destination, CFileOpener& files) override;

private:
    std::optional<PauseSettings> m_tuning;
    bool m_bThresholdGiven;
    PauseReporter m_reporter;
};
