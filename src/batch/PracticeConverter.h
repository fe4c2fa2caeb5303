#pragma once

#include "batch/FileConverter.h"
#include "batch/JobOptions.h"
#include "batch/TunedConversion.h"

#include <memory>
#include <string>

// The files of a folder that --any-format converts: the containers learners'
// recordings come in, in any letter case.
inline constexpr const char* AnyFormatPattern =
    "*.wav;*.mp3;*.m4a;*.aac;*.mp4;*.ogg;*.oga;*.opus;*.flac;*.aif;*.aiff;*.wma;*.webm;*.mka";

// The job's converter for its options. A source that the exact conversion
// takes is converted exactly (by exact, which may encode its output) unless
// an option of the phrases, pauses or passes is given; every other one, and
// every one with such an option, into a tuned practice file through media.
class CPracticeConverter : public CFileConverter {
public:
    CPracticeConverter(const JobOptions& options, TunedMedia media,
                       std::unique_ptr<CFileConverter> exact);

    std::string FolderPattern() const override;
    std::string OutputExtension() const override;
    FileResult Convert(CMessageBoxOwner& owner, const std::filesystem::path& source,
                       const std::filesystem::path& destination, CFileOpener& files) override;

private:
    JobOptions m_options;
    TunedMedia m_media;
    std::unique_ptr<CFileConverter> m_exact;
};
