#pragma once

#include "batch/ConvertFile.h"
#include "support/RecordingWindow.h"
#include "support/ScopedPump.h"
#include "support/TempDir.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

// Source files for batch tests: the bundled spoken recordings, and one that
// no ADPCM reader accepts.
namespace batchtest {

inline std::filesystem::path Recording(const std::string& name) {
    return std::filesystem::path(BRELLOW_TEST_DATA) / name;
}

inline void CopyRecording(const std::string& recording, const std::filesystem::path& to) {
    std::filesystem::copy_file(Recording(recording), to,
                               std::filesystem::copy_options::overwrite_existing);
}

// A real recording whose format tag says PCM: refused while its header is read.
inline void WritePcmTagged(const std::filesystem::path& to) {
    std::string bytes = ReadFileBytes(Recording("german.wav"));
    bytes[20] = 1;
    bytes[21] = 0;
    WriteFileBytes(to, bytes);
}
inline constexpr const char* PcmTaggedReason = "The WAV format must be ADPCM";

// What converting the source on its own gives, for comparing a job's output with.
inline std::string ConvertedAlone(const std::filesystem::path& source) {
    TempDir dir;
    RecordingWindow window;
    const auto out = dir / "alone.WAV";
    if (!ConvertFile(window, source, out) || !window.boxes.empty())
        return "conversion failed";
    return ReadFileBytes(out);
}

// The names in a folder, sorted.
inline std::vector<std::string> Names(const std::filesystem::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace batchtest
