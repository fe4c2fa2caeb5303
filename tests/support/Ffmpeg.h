#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// FFmpeg's decoding of a whole file as 16-bit samples: the independent
// reference for our decoder. Fails the calling test when ffmpeg is missing or
// fails, and then returns no samples.
// options go to the output side, as "-ac 1".
std::vector<std::int16_t> DecodeWithFfmpeg(const std::filesystem::path& file,
                                           const std::string& options = "");

// The title tag of a file, of the container or of its stream, as ffprobe reads it.
std::string TitleByFfprobe(const std::filesystem::path& file);

// What a shell command prints; fails the calling test when it cannot run or fails.
std::string CommandOutput(const std::string& command);
std::string ShellQuoted(const std::string& text);
