#pragma once

// The compressed formats a practice file can be written in, besides WAV.
enum class OutputFormat { Flac, Mp3, Opus };

// The bit rate in kbit/s used when none is given; FLAC is lossless and has none.
constexpr int DefaultBitrateKbps(OutputFormat format) {
    switch (format) {
    case OutputFormat::Mp3:
        return 64;
    case OutputFormat::Opus:
        return 32;
    case OutputFormat::Flac:
        break;
    }
    return 0;
}

// What follows a practice file's title in its name.
constexpr const char* FileExtension(OutputFormat format) {
    switch (format) {
    case OutputFormat::Flac:
        return ".flac";
    case OutputFormat::Mp3:
        return ".mp3";
    case OutputFormat::Opus:
        break;
    }
    return ".opus";
}
