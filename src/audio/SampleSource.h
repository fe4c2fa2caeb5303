#pragma once

#include "audio/SampleBuffer.h"

#include <cstdint>
#include <string>

// The mono 16-bit samples of a recording, in order: what the ADPCM source
// decodes, or what a decoder of any other format gives.
class CSampleSource {
public:
    virtual ~CSampleSource() = default;

    virtual std::uint32_t SampleRate() = 0;
    // The next samples into out, resized as needed, its length their bytes
    // (which may be 0). False once none are left or reading failed.
    virtual bool ReadSamples(SampleBuffer& out) = 0;
    // True when reading the file failed rather than came to its end.
    virtual bool ReadFailed() = 0;
    // Why the recording could not be decoded to its end, in plain words; empty when it could.
    virtual std::string FailureReason() = 0;
};
