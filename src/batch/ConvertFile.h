#pragma once

#include "audio/FileOpener.h"
#include "audio/SampleSink.h"
#include "batch/FileResult.h"
#include "batch/MessageBox.h"

#include <cstdint>
#include <filesystem>

// The data size declared for the output of a source whose data chunk holds
// sourceDataSize bytes: twice the decoded audio estimate, computed without
// wrap-around, and 0 for a source of fewer than 2 bytes.
std::uint64_t DeclaredDataSize(std::uint32_t sourceDataSize);

// The output's rate for a recording that states none.
inline constexpr std::uint32_t FallbackSampleRate = 22050;

// The largest data size a WAV file's 32-bit RIFF size can describe.
inline constexpr std::uint64_t MaxDeclaredDataSize = 0xFFFFFFFFull - 36;

// Converts one ADPCM source into one PCM file with pauses. A source that
// cannot be opened is Unopened, its question left to the job; a refused
// header is Refused with its reason. Either leaves every file closed.
FileResult ConvertFile(CMessageBoxOwner& parent, std::filesystem::path source,
                       std::filesystem::path destination);
// The same, with both files opened by files, the samples written into the
// sink that makeSink makes on the destination: a WAV file when none is given.
FileResult ConvertFile(CMessageBoxOwner& parent, const std::filesystem::path& source,
                       const std::filesystem::path& destination, CFileOpener& files,
                       const SinkMaker& makeSink = {});
