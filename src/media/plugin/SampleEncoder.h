#pragma once

#include "audio/ByteStream.h"
#include "audio/OutputFormat.h"
#include "media/plugin/ByteStreamIo.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct AVCodec;
struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVOutputFormat;
struct AVPacket;
struct AVStream;
struct SwrContext;

// Encodes 16-bit mono samples into a file of the given format on a stream:
// libavcodec's encoder in frames of its own size, libavformat's muxer through
// the stream, and libswresample first to a rate the encoder takes (the
// format's own, or the one nearest the recording's). Memory stays the same
// however many samples pass, at any rate. Every call returns false on
// failure, and FailureReason() then tells what failed.
class CSampleEncoder {
public:
    CSampleEncoder(CByteStream& output, OutputFormat format, int bitrateKbps, std::string title);
    ~CSampleEncoder();
    CSampleEncoder(const CSampleEncoder&) = delete;
    CSampleEncoder& operator=(const CSampleEncoder&) = delete;

    // Whether FFmpeg has the encoder and the muxer at all.
    bool Available() const { return m_codec && m_muxer; }
    // Sets up the encoder for the input rate and writes the file's header.
    bool Open(std::uint32_t sampleRate);
    // Little-endian samples, at any alignment; null for count silent samples.
    bool Encode(const std::uint8_t* samples, std::size_t count);
    // Encodes what is still held back and writes the file's trailer.
    bool Finish();
    // What failed, in plain words, with FFmpeg's reason; empty before any failure.
    const std::string& FailureReason() const { return m_strFailure; }

private:
    struct Deleter {
        void operator()(AVCodecContext* p) const;
        void operator()(AVFormatContext* p) const;
        void operator()(AVFrame* p) const;
        void operator()(AVPacket* p) const;
        void operator()(SwrContext* p) const;
    };
    template <typename T> using Owned = std::unique_ptr<T, Deleter>;

    bool OpenEncoder(std::uint32_t sampleRate);
    bool OpenResampler(std::uint32_t sampleRate);
    bool OpenMuxer();
    // Notes what failed and FFmpeg's reason for error; returns false.
    bool Fail(const std::string& what, int error);
    bool Resample(const std::uint8_t* samples, std::size_t count);
    bool Queue(const std::uint8_t* samples, std::size_t count);
    bool SendFrame(); // the frame as filled so far
    bool WritePackets();

    OutputFormat m_format;
    int m_nBitrateKbps;
    std::string m_title;
    const AVCodec* m_codec = nullptr;
    const AVOutputFormat* m_muxer = nullptr;
    CByteStreamIo m_io;
    Owned<AVCodecContext> m_encoder;
    Owned<AVFormatContext> m_muxing;
    AVStream* m_stream = nullptr; // owned by m_muxing
    Owned<AVFrame> m_frame;       // filling up to the encoder's frame size
    Owned<AVPacket> m_packet;
    Owned<SwrContext> m_resampler;
    std::vector<std::int16_t> m_resamplerIn; // aligned input for one resampler call
    std::vector<std::int16_t> m_resampled;
    bool m_bOpen = false; // from a successful Open to Finish
    int m_nFrameSize = 0;
    int m_nFilled = 0; // samples in m_frame so far
    std::int64_t m_nNextPts = 0;
    std::size_t m_nChunkSamples = 0; // input per resampler call: about a frame of output
    std::string m_strFailure;
};
