// Feeds arbitrary bytes to the ADPCM source as a file: the header walk, then
// every block to the end. Refused headers are fine; crashes, leaks and
// undefined behaviour are not.

#include "audio/ADCPMObj.h"
#include "audio/WAVException.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace {

// One in-memory file for the whole run, rewritten for each input: no disk traffic.
int InputFile() {
    static const int fd = [] {
        const int created = ::memfd_create("adpcm-fuzz-input", MFD_CLOEXEC);
        if (created < 0)
            std::abort();
        return created;
    }();
    return fd;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int fd = InputFile();
    if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, data, size, 0) != static_cast<ssize_t>(size))
        std::abort();
    const std::string path = "/proc/self/fd/" + std::to_string(fd);

    CADCPMObj source;
    try {
        if (!source.Open(path, false))
            return 0;
    } catch (const CWAVException&) {
        return 0;
    }
    static_cast<void>(source.GetDuration());
    static_cast<void>(source.IsFormatValid());
    static_cast<void>(source.BytesToSeconds(source.GetDataSize()));
    const auto count = static_cast<std::int32_t>(source.GetSampleCount());
    SampleBuffer out;
    std::int64_t samples = 0;
    while (source.ReadBlock(out)) {
        // No block yields more than its 505 code bytes hold, and the count ends
        // decoding at most one sample late.
        if (out.length < 0 || out.length > 2020 || out.length % 2 != 0 ||
            static_cast<std::uint32_t>(out.length) > out.capacity)
            std::abort();
        samples += out.length / 2;
        if (samples > std::max(count, 0) + 1)
            std::abort();
    }
    return 0;
}
