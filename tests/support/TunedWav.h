#pragma once

#include "batch/TunedConversion.h"

// ConvertTuned with one pass at tempo 1 into a WAV file.
inline FileResult ConvertTuned(CMessageBoxOwner& parent, const std::filesystem::path& source,
                               const std::filesystem::path& destination, CFileOpener& files,
                               const PauseSettings& settings,
                               const SampleSourceMaker& makeSamples) {
    JobOptions options;
    options.pauses = settings;
    TunedMedia media;
    media.makeSamples = makeSamples;
    return ConvertTuned(parent, source, destination, files, options, media);
}
