#include "media/AnyFormatConverter.h"

#include "audio/WAVException.h"
#include "batch/ConvertFile.h"
#include "batch/TunedConversion.h"
#include "media/MediaLibrary.h"

std::string CAnyFormatConverter::FolderPattern() const {
    // The containers learners' recordings come in, in any letter case.
    return "*.wav;*.mp3;*.m4a;*.aac;*.mp4;*.ogg;*.oga;*.opus;*.flac;*.aif;*.aiff;*.wma;*.webm;"
           "*.mka";
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

bool CAnyFormatConverter::Convert(CMessageBoxOwner& owner, const std::filesystem::path& source,
                                  const std::filesystem::path& destination, CFileOpener& files) {
    if (!m_tuning) {
        try {
            return ConvertFile(owner, source, destination, files);
        } catch (const CWAVException&) {
            // Not a recording the exact conversion takes; decoded below instead.
        }
    }
    PauseSettings settings = m_tuning.value_or(PauseSettings{});
    // The fixed -20 dB was made for the exact reader's recordings; others often
    // lie below it, quieter or noisier, so their limit follows them.
    if (!m_bThresholdGiven && !(m_tuning && ExactReaderTakes(files, source)))
        settings.autoThreshold = true;
    return ConvertTuned(owner, source, destination, files, settings, MediaLibrary::OpenSource,
                        m_reporter);
}
