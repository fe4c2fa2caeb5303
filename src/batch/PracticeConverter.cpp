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

namespace {

// Whether the exact conversion's reader takes the recording.
bool ExactReaderTakes(CFileOpener& files, const std::filesystem::path& source) {
    try {
        std::unique_ptr<CByteStream> stream = files.Open(source, false);
        return stream && MakeAdpcmSamples(std::move(stream), source) != nullptr;
    } catch (const CWAVException&) {
        return false;
    }
}

} // namespace

FileResult CPracticeConverter::Convert(CMessageBoxOwner& owner, const std::filesystem::path& source,
                                       const std::filesystem::path& destination,
                                       CFileOpener& files) {
    if (!m_options.tuned) {
        FileResult exact = m_exact->Convert(owner, source, destination, files);
        // Not a recording the exact conversion takes: with --any-format, decoded below instead.
        if (!m_options.anyFormat || exact.kind() != FileResult::Kind::Refused)
            return exact;
    }
    // The fixed -20 dB was made for the exact reader's recordings; others often
    // lie below it, quieter or noisier, so their limit follows them.
    if (m_options.anyFormat && !m_options.thresholdGiven &&
        !(m_options.tuned && ExactReaderTakes(files, source))) {
        JobOptions options = m_options;
        options.pauses.autoThreshold = true;
        options.pauses.detector = m_options.detector.value_or(PauseDetector::Auto);
        return ConvertTuned(owner, source, destination, files, options, m_media);
    }
    // Elsewhere the level, unless the speech network is asked for by name.
    JobOptions options = m_options;
    if (m_options.detector == PauseDetector::Speech)
        options.pauses.detector = PauseDetector::Speech;
    return ConvertTuned(owner, source, destination, files, options, m_media);
}
