#include "audio/SampleSink.h"

#include "audio/Abandon.h"

#include <algorithm>

bool WriteSilenceInPieces(CSampleSink& sink, std::uint64_t count, std::uint32_t rate) {
    // Encoding minutes of silence takes a while; a job given up does not wait for it.
    return WriteInPieces(count, std::max(rate, 1u),
                         [&sink](std::uint64_t part) { return sink.WriteSilence(part); });
}
