#include "media/plugin/EncoderSink.h"

#include "media/plugin/FfmpegLog.h"

#include <utility>

CEncoderSink::CEncoderSink(std::unique_ptr<CByteStream> output, OutputFormat format,
                           int bitrateKbps, std::string title)
    : m_output(std::move(output)) {
    CaptureFfmpegLog();
    if (m_output)
        m_encoder =
            std::make_unique<CSampleEncoder>(*m_output, format, bitrateKbps, std::move(title));
    // An FFmpeg built without the encoder shows at once, before any sample.
    if (!m_encoder || !m_encoder->Available())
        FailWithEncoderReason();
}

CEncoderSink::~CEncoderSink() = default;

bool CEncoderSink::FailWithEncoderReason() {
    // A failed output is a disk's fault, which the program tells on its own.
    std::string reason;
    try {
        if (m_encoder && !(m_output && m_output->Failed()))
            reason = m_encoder->FailureReason();
    } catch (...) { // out of memory: told without its reason
    }
    return Fail(std::move(reason));
}

bool CEncoderSink::Encode(const std::uint8_t* samples, std::size_t count) {
    if (Failed())
        return false;
    try {
        if (m_encoder->Encode(samples, count))
            return true;
    } catch (...) { // out of memory in the encoder's buffers
    }
    return FailWithEncoderReason();
}

bool CEncoderSink::Begin(std::uint32_t rate) {
    if (Failed())
        return false;
    try {
        if (m_encoder->Open(rate))
            return true;
    } catch (...) {
    }
    return FailWithEncoderReason();
}

bool CEncoderSink::Write(const std::uint8_t* samples, std::size_t count) {
    return Encode(samples, count);
}

bool CEncoderSink::WriteSilence(std::uint64_t count) {
    return Encode(nullptr, static_cast<std::size_t>(count));
}

bool CEncoderSink::Finish() {
    bool finished = !Failed();
    try {
        finished = finished && m_encoder->Finish();
    } catch (...) {
        finished = false;
    }
    if (!finished && !Failed())
        FailWithEncoderReason();
    m_encoder.reset(); // lets go of the stream before it closes
    const bool closed = m_output && m_output->Close();
    return (finished && closed) || Fail();
}
