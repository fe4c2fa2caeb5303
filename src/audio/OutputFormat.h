#pragma once

#include <cstdint>
#include <string_view>

// The formats a practice file can be written in. Their values cross into the
// media module: append, never renumber.
enum class OutputFormat { Flac, Mp3, Opus, Wav };

// One row per format: everything the program knows of it, in one place.
struct OutputFormatInfo {
    OutputFormat format;
    const char* name;      // as the option --output-format takes it
    const char* shown;     // as the Options dialog lists it
    const char* extension; // follows a practice file's title
    const char* encoder;   // FFmpeg's names
    const char* muxer;
    // Bit rates in kbit/s; 0 for a lossless format, which takes none.
    int defaultKbps;
    int minKbps;
    int maxKbps;
    // The one rate the format is written at, whatever the recording's; 0 for
    // the recording's own, or the nearest the encoder takes.
    std::uint32_t fixedRate;
};

// The first is the default.
inline constexpr OutputFormatInfo OutputFormats[] = {
    // Written by the core; FFmpeg's names only so that no row lacks them.
    {OutputFormat::Wav, "wav", "WAV", ".WAV", "pcm_s16le", "wav", 0, 0, 0, 0},
    {OutputFormat::Flac, "flac", "FLAC", ".flac", "flac", "flac", 0, 0, 0, 0},
    {OutputFormat::Mp3, "mp3", "MP3", ".mp3", "libmp3lame", "mp3", 64, 32, 320, 0},
    // Ogg with the .opus conventions; Opus is decoded at 48 kHz whatever it was made from.
    {OutputFormat::Opus, "opus", "Opus", ".opus", "libopus", "opus", 32, 12, 256, 48000},
};

constexpr const OutputFormatInfo& FormatInfo(OutputFormat format) {
    for (const OutputFormatInfo& info : OutputFormats)
        if (info.format == format)
            return info;
    return OutputFormats[0];
}

// The format of that name, or null.
constexpr const OutputFormatInfo* FindOutputFormat(std::string_view name) {
    for (const OutputFormatInfo& info : OutputFormats)
        if (name == info.name)
            return &info;
    return nullptr;
}

constexpr int DefaultBitrateKbps(OutputFormat format) {
    return FormatInfo(format).defaultKbps;
}

constexpr const char* FileExtension(OutputFormat format) {
    return FormatInfo(format).extension;
}
