#include "audio/SampleSink.h"

#include "audio/Abandon.h"

#include <algorithm>

bool WriteSilenceInPieces(CSampleSink& sink, std::uint64_t count, std::uint32_t rate) {
    // Encoding minutes of silence takes a while; a job given up does not wait for it.
    while (count > 0) {
        const std::uint64_t part = std::min<std::uint64_t>(count, std::max(rate, 1u));
        if (JobAbandoned() || !sink.WriteSilence(part))
            return false;
        count -= part;
    }
    return true;
}
