#include "media/plugin/EncoderSink.h"

#include "media/plugin/FfmpegLog.h"

#include <utility>

CEncoderSink::CEncoderSink(std::unique_ptr<CByteStream> output, OutputFormat format,
                           int bitrateKbps, std::string title)
    : m_output(std::move(output)) {
    QuietFfmpegLog();
    if (m_output)
        m_encoder =
            std::make_unique<CSampleEncoder>(*m_output, format, bitrateKbps, std::move(title));
    m_bFailed = !m_encoder || !m_encoder->Available();
}

CEncoderSink::~CEncoderSink() = default;

bool CEncoderSink::Encode(const std::uint8_t* samples, std::size_t count) {
    if (m_bFailed)
        return false;
    try {
        m_bFailed = !m_encoder->Encode(samples, count);
    } catch (...) { // out of memory in the encoder's buffers
        m_bFailed = true;
    }
    return !m_bFailed;
}

bool CEncoderSink::Begin(std::uint32_t rate) {
    if (m_bFailed)
        return false;
    try {
        m_bFailed = !m_encoder->Open(rate);
    } catch (...) {
        m_bFailed = true;
    }
    return !m_bFailed;
}

bool CEncoderSink::Write(const std::uint8_t* samples, std::size_t count) {
    return Encode(samples, count);
}

bool CEncoderSink::WriteSilence(std::uint64_t count) {
    return Encode(nullptr, static_cast<std::size_t>(count));
}

bool CEncoderSink::Finish() {
    bool finished = !m_bFailed;
    try {
        finished = finished && m_encoder->Finish();
    } catch (...) {
        finished = false;
    }
    m_encoder.reset(); // lets go of the stream before it closes
    const bool closed = m_output && m_output->Close();
    m_bFailed = !finished || !closed;
    return !m_bFailed;
}
