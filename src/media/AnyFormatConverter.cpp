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

bool CAnyFormatConverter::Convert(CMessageBoxOwner& owner, const std::filesystem::path& source,
                                  const std::filesystem::path& destination, CFileOpener& files) {
    if (!m_tuning) {
        try {
            return ConvertFile(owner, source, destination, files);
        } catch (const CWAVException&) {
            // Not a recording the exact conversion takes; decoded below instead.
        }
    }
    return ConvertTuned(owner, source, destination, files, m_tuning.value_or(PauseSettings{}),
                        MediaLibrary::OpenSource);
}
