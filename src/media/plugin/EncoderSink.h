#pragma once

#include "audio/ByteStream.h"
#include "audio/OutputFormat.h"
#include "audio/StreamSink.h"
#include "media/plugin/SampleEncoder.h"

#include <memory>
#include <string>

// A FLAC, MP3 or Opus file as a sink: the samples encoded onto a stream,
// which Finish closes. Nothing thrown leaves it.
class CEncoderSink final : public CStreamSink {
public:
    // bitrateKbps 0 takes the format's default; FLAC has none.
    CEncoderSink(std::unique_ptr<CByteStream> output, OutputFormat format, int bitrateKbps,
                 std::string title);
    ~CEncoderSink() override;

    bool Begin(std::uint32_t rate) override;
    bool Write(const std::uint8_t* samples, std::size_t count) override;
    bool WriteSilence(std::uint64_t count) override;
    bool Finish() override;

private:
    bool Encode(const std::uint8_t* samples, std::size_t count);
    // Marks the sink failed, with the encoder's reason unless the stream failed.
    bool FailWithEncoderReason();
    const CByteStream* Output() const override { return m_output.get(); }

    std::unique_ptr<CByteStream> m_output;
    std::unique_ptr<CSampleEncoder> m_encoder; // after m_output: it writes there
};
