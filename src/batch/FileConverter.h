#pragma once

#include "audio/FileOpener.h"
#include "audio/SampleSink.h"
#include "batch/FileResult.h"
#include "batch/MessageBox.h"

#include <filesystem>
#include <string>
#include <utility>

// What a job does with each source file. This one converts mono ADPCM WAV
// files exactly, with ConvertFile, into the sinks makeSink makes (WAV files
// when none is given); the options choose others.
class CFileConverter {
public:
    explicit CFileConverter(SinkMaker makeSink = {}) : m_makeSink(std::move(makeSink)) {}
    virtual ~CFileConverter() = default;

    // The files of a source folder that are converted, letter case ignored.
    virtual std::string FolderPattern() const { return "*.WAV"; }
    // Follows a source's title in its destination's name.
    virtual std::string OutputExtension() const { return ".WAV"; }
    // Converts one file, its files opened by files, and says what became of it.
    virtual FileResult Convert(CMessageBoxOwner& owner, const std::filesystem::path& source,
                               const std::filesystem::path& destination, CFileOpener& files);

private:
    SinkMaker m_makeSink;
};
