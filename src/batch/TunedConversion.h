#pragma once

#include "audio/ByteStream.h"
#include "audio/FileOpener.h"
#include "audio/SampleSource.h"
#include "batch/FileConverter.h"
#include "batch/MessageBox.h"
#include "pause/PhraseDetector.h"
#include "pause/QuietLimits.h"

#include <filesystem>
#include <functional>
#include <memory>

// Makes the samples of the recording in stream (opened from path). Null when
// the file cannot be read at all; CWAVException when it is not a recording
// this reader takes, with the reason.
using SampleSourceMaker = std::function<std::unique_ptr<CSampleSource>(
    std::unique_ptr<CByteStream> stream, const std::filesystem::path& path)>;

// The ADPCM source's samples, read as by the exact conversion.
std::unique_ptr<CSampleSource> MakeAdpcmSamples(std::unique_ptr<CByteStream> stream,
                                                const std::filesystem::path& path);

// Converts one recording with tuned pauses: the samples reach the detector
// in blocks of 1010, the last phrase gets its pause too, and the output is a
// PCM file at the recording's own rate whose sizes are written at the end.
// Results and questions as ConvertFile's; a failed output is removed. A
// recording that cannot be decoded to its end leaves as CWAVException. A
// converted file's limits and pauses go to reporter, when given.
bool ConvertTuned(CMessageBoxOwner& parent, const std::filesystem::path& source,
                  const std::filesystem::path& destination, CFileOpener& files,
                  const PauseSettings& settings, const SampleSourceMaker& makeSamples,
                  const PauseReporter& reporter = {});

// The job's converter for tuned pauses on the ADPCM sources the exact conversion reads.
class CTunedConverter : public CFileConverter {
public:
    explicit CTunedConverter(const PauseSettings& settings, PauseReporter reporter = {})
        : m_settings(settings), m_reporter(std::move(reporter)) {}

    bool Convert(CMessageBoxOwner& owner, const std::filesystem::path& source,
                 const std::filesystem::path& destination, CFileOpener& files) override {
        return ConvertTuned(owner, source, destination, files, m_settings, MakeAdpcmSamples,
                            m_reporter);
    }

private:
    PauseSettings m_settings;
    PauseReporter m_reporter;
};
