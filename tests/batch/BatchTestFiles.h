#pragma once

#include "pause/ConvertFile.h"
#include "pause/MessagePump.h"
#include "support/RecordingWindow.h"
#include "support/TempDir.h"

#include <filesystem>
#include <functional>
#include <string>
#include <utility>

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

// Installs a message pump for the life of the object.
class ScopedPump {
public:
    explicit ScopedPump(std::function<void()> pump) : m_previous(SetMessagePump(std::move(pump))) {}
    ~ScopedPump() { SetMessagePump(std::move(m_previous)); }
    ScopedPump(const ScopedPump&) = delete;
    ScopedPump& operator=(const ScopedPump&) = delete;

private:
    std::function<void()> m_previous;
};

} // namespace batchtest
