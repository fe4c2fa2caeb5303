#pragma once

#include "audio/ByteStream.h"
#include "audio/StreamSink.h"
#include "audio/WAVObj.h"

#include <memory>
#include <optional>

// A 16-bit mono PCM WAV file as a sink: the canonical header first, with
// its sizes written when the file is finished and they are known, or with
// statedDataSize from the start when given, whatever follows.
class CWavSink final : public CStreamSink {
public:
    explicit CWavSink(std::unique_ptr<CByteStream> stream,
                      std::optional<std::uint32_t> statedDataSize = std::nullopt);

    bool Begin(std::uint32_t rate) override;
    bool Write(const std::uint8_t* samples, std::size_t count) override;
    bool WriteSilence(std::uint64_t count) override;
    bool Finish() override;

private:
    bool WriteHeader(std::uint64_t dataSize);
    const CByteStream* Output() const override { return m_file.m_file.get(); }

    CWAVObj m_file;
    std::optional<std::uint32_t> m_statedDataSize;
    std::uint32_t m_nRate = 0;
    std::uint64_t m_nDataBytes = 0;
};
