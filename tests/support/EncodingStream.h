#pragma once

#include "audio/OutputFormat.h"
#include "audio/WavBytesToSink.h"
#include "media/plugin/EncoderSink.h"

#include <memory>
#include <string>

// The bytes of a 16-bit mono PCM WAV file, as the WAV writer writes them,
// encoded into a FLAC, MP3 or Opus file on another stream: what the exact
// conversion writes into when its practice file is compressed, put together
// as the program does it.
class CEncodingStream final : public CWavBytesToSink {
public:
    // bitrateKbps 0 takes the format's default; FLAC has none.
    CEncodingStream(std::unique_ptr<CByteStream> output, OutputFormat format, int bitrateKbps,
                    std::string title)
        : CWavBytesToSink(std::make_unique<CEncoderSink>(std::move(output), format, bitrateKbps,
                                                         std::move(title))) {}
};
