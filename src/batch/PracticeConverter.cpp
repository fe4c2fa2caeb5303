#include "batch/PracticeConverter.h"

#include "audio/WAVException.h"

CPracticeConverter::CPracticeConverter(const JobOptions& options, TunedMedia media,
                                       std::unique_ptr<CFileConverter> exact)
    : m_options(options), m_media(std::move(media)), m_exact(std::move(exact)) {}

std::string CPracticeConverter::FolderPattern() const {
    return m_options.anyFormat ? AnyFormatPattern : m_exact->FolderPattern();
}

std::string CPracticeConverter::OutputExtension() const {
    return m_options.outputFormat ? FileExtension(*m_options.outputFormat)
                                  : m_exact->OutputExtension();
}

bool CPracticeConverter::Convert(CMessageBoxOwner& owner, const std::filesystem::path& source,
                                 const std::filesystem::path& destination, CFileOpener& files) {
    if (!m_options.tuned) {
        if (!m_options.anyFormat)
            return m_exact->Convert(owner, source, destination, files);
        try {
            return m_exact->Convert(owner, source, destination, files);
        } catch (const CWAVException&) {
            // Not a recording the exact conversion takes; decoded below instead.
        }
    }
    return ConvertTuned(owner, source, destination, files, m_options, m_media);
}
