#pragma once

#include "audio/ByteStream.h"
#include "audio/OutputFormat.h"
#include "audio/SampleSink.h"
#include "audio/SampleSource.h"
#include "audio/TimeStretcher.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// FFmpeg's libraries, in a module of their own that is loaded only by a job
// that needs them: loading them costs more time and memory than the whole
// exact conversion of a long recording.
namespace MediaLibrary {

// Loads the module once. False, with the reason, when it cannot be loaded.
bool Load(std::string& reason);
// What a job that needs the module is told when Load gives reason.
std::string LoadFailure(const std::string& reason);

// Where the module is looked for, in order, every place an absolute path:
// beside the program (given by its absolute path; empty when it cannot be
// told) in the build tree and as installed, and where installing puts it.
std::vector<std::filesystem::path> ModulePlaces(const std::filesystem::path& program);
// Why the module at path cannot be used, in plain words; empty when it can.
std::string ModuleProblem(const std::filesystem::path& path);

// Any recording's samples, from stream (opened from path). Null when the
// file cannot be read at all; CWAVException, with the reason in plain words,
// when it holds no audio that can be decoded.
std::unique_ptr<CSampleSource> OpenSource(std::unique_ptr<CByteStream> stream,
                                          const std::filesystem::path& path);

// A sink that encodes a practice file's samples into output, at the bitrate
// (0: the format's default), with the title tag. Null when it cannot be made.
std::unique_ptr<CSampleSink> MakeEncoderSink(std::unique_ptr<CByteStream> output,
                                             OutputFormat format, int bitrateKbps,
                                             const std::string& title);

// A stretcher of phrases at the rate to the tempo. Null when the module cannot
// be loaded, or the rate or the tempo is out of its range.
std::unique_ptr<CTimeStretcher> MakeStretcher(std::uint32_t rate, double tempo);

} // namespace MediaLibrary
