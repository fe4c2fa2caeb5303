#include "media/plugin/SampleEncoder.h"

#include "audio/SourceRate.h"
#include "media/plugin/FfmpegLog.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/dict.h>
#include <libavutil/frame.h>
#include <libswresample/swresample.h>
}

namespace {

// Frame size for an encoder that would take any, and about the most samples
// one resampler call gives.
constexpr int ChunkSamples = 4096;

// Interleaved 16-bit where the encoder takes it; for one channel, planar is the same layout.
AVSampleFormat SixteenBitFormat(const AVCodec* codec) {
    bool planar = false;
    for (const AVSampleFormat* f = codec->sample_fmts; f && *f != AV_SAMPLE_FMT_NONE; ++f) {
        if (*f == AV_SAMPLE_FMT_S16)
            return *f;
        planar = planar || *f == AV_SAMPLE_FMT_S16P;
    }
    return planar ? AV_SAMPLE_FMT_S16P : AV_SAMPLE_FMT_NONE;
}

// FLAC's frame headers hold a rate below 65535 Hz to the hertz, and beyond
// that in tens of hertz, below 655350 Hz.
int FlacRate(int rate) {
    if (rate < 65535 || (rate % 10 == 0 && rate < 655350))
        return rate;
    return std::min((rate + 5) / 10 * 10, 655340);
}

// The rate the encoder is given: the format's own, or else the recording's
// where the encoder takes it, or the nearest one it takes (the higher of two
// as near).
int EncoderRate(const OutputFormatInfo& info, const AVCodec& codec, int rate) {
    if (info.fixedRate != 0)
        return static_cast<int>(info.fixedRate);
    if (info.format == OutputFormat::Flac)
        return FlacRate(rate);
    int best = 0;
    for (const int* r = codec.supported_samplerates; r && *r != 0; ++r) {
        const int distance = std::abs(*r - rate), bestDistance = std::abs(best - rate);
        if (best == 0 || distance < bestDistance || (distance == bestDistance && *r > best))
            best = *r;
    }
    return best != 0 ? best : rate;
}

} // namespace

void CSampleEncoder::Deleter::operator()(AVCodecContext* p) const {
    avcodec_free_context(&p);
}
void CSampleEncoder::Deleter::operator()(AVFormatContext* p) const {
    avformat_free_context(p); // the I/O context is m_io's
}
void CSampleEncoder::Deleter::operator()(AVFrame* p) const {
    av_frame_free(&p);
}
void CSampleEncoder::Deleter::operator()(AVPacket* p) const {
    av_packet_free(&p);
}
void CSampleEncoder::Deleter::operator()(SwrContext* p) const {
    swr_free(&p);
}

CSampleEncoder::CSampleEncoder(CByteStream& output, OutputFormat format, int bitrateKbps,
                               std::string title)
    : m_format(format), m_nBitrateKbps(bitrateKbps > 0 ? bitrateKbps : DefaultBitrateKbps(format)),
      m_title(std::move(title)), m_codec(avcodec_find_encoder_by_name(FormatInfo(format).encoder)),
      m_muxer(av_guess_format(FormatInfo(format).muxer, nullptr, nullptr)), m_io(output, true) {
    if (!m_codec)
        m_strFailure =
            std::string("FFmpeg's libraries have no encoder ") + FormatInfo(format).encoder;
    else if (!m_muxer)
        m_strFailure = std::string("FFmpeg's libraries have no muxer ") + FormatInfo(format).muxer;
}

CSampleEncoder::~CSampleEncoder() = default;

bool CSampleEncoder::Open(std::uint32_t sampleRate) {
    if (m_strFailure.empty())
        m_strFailure = SourceRateRefusal(sampleRate);
    if (!m_strFailure.empty() || !m_io.Context())
        return false;
    m_bOpen = OpenEncoder(sampleRate) && OpenMuxer();
    return m_bOpen;
}

bool CSampleEncoder::Fail(const std::string& what, int error) {
    if (m_strFailure.empty())
        m_strFailure = what + ": " + FfmpegReason(error);
    return false;
}

bool CSampleEncoder::OpenEncoder(std::uint32_t sampleRate) {
    const AVSampleFormat sampleFormat = SixteenBitFormat(m_codec);
    m_encoder.reset(avcodec_alloc_context3(m_codec));
    m_frame.reset(av_frame_alloc());
    m_packet.reset(av_packet_alloc());
    if (sampleFormat == AV_SAMPLE_FMT_NONE || !m_encoder || !m_frame || !m_packet)
        return false;
    const OutputFormatInfo& info = FormatInfo(m_format);
    const bool opus = m_format == OutputFormat::Opus;
    AVCodecContext& enc = *m_encoder;
    enc.sample_fmt = sampleFormat;
    enc.sample_rate = EncoderRate(info, *m_codec, static_cast<int>(sampleRate));
    enc.time_base = AVRational{1, enc.sample_rate};
    av_channel_layout_default(&enc.ch_layout, 1);
    if (m_format != OutputFormat::Flac)
        enc.bit_rate = std::int64_t{m_nBitrateKbps} * 1000; // CBR for LAME unless asked otherwise
    if (m_muxer->flags & AVFMT_GLOBALHEADER)
        enc.flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    AVDictionary* options = nullptr;
    if (opus)
        av_dict_set(&options, "application", "voip", 0);
    ClearFfmpegMessage();
    const int opened = avcodec_open2(&enc, m_codec, &options);
    const bool allTaken = av_dict_count(options) == 0;
    av_dict_free(&options);
    const std::string encoder = std::string("the encoder ") + info.encoder;
    if (opened < 0)
        return Fail(encoder + " refused its settings", opened);
    if (!allTaken)
        return Fail(encoder + " does not take its options", AVERROR_OPTION_NOT_FOUND);

    m_nFrameSize = enc.frame_size > 0 ? enc.frame_size : ChunkSamples;
    m_frame->format = enc.sample_fmt;
    m_frame->sample_rate = enc.sample_rate;
    m_frame->nb_samples = m_nFrameSize;
    if (av_channel_layout_copy(&m_frame->ch_layout, &enc.ch_layout) < 0 ||
        av_frame_get_buffer(m_frame.get(), 0) < 0)
        return false;
    return enc.sample_rate == static_cast<int>(sampleRate) || OpenResampler(sampleRate);
}

bool CSampleEncoder::OpenResampler(std::uint32_t sampleRate) {
    AVCodecContext& enc = *m_encoder;
    SwrContext* swr = nullptr;
    int made =
        swr_alloc_set_opts2(&swr, &enc.ch_layout, enc.sample_fmt, enc.sample_rate, &enc.ch_layout,
                            AV_SAMPLE_FMT_S16, static_cast<int>(sampleRate), 0, nullptr);
    m_resampler.reset(swr);
    if (made >= 0)
        made = swr_init(swr);
    if (made < 0)
        return Fail("no resampler to " + std::to_string(enc.sample_rate) + " Hz could be made",
                    made);
    // Input in chunks that give about a frame of output each, so that neither
    // buffer grows with the ratio of the rates.
    m_nChunkSamples = std::clamp<std::size_t>(std::size_t{ChunkSamples} * sampleRate /
                                                  static_cast<std::size_t>(enc.sample_rate),
                                              1, ChunkSamples);
    m_resamplerIn.resize(m_nChunkSamples);
    return true;
}

bool CSampleEncoder::OpenMuxer() {
    AVFormatContext* muxing = nullptr;
    ClearFfmpegMessage();
    if (const int made = avformat_alloc_output_context2(&muxing, m_muxer, nullptr, nullptr);
        made < 0)
        return Fail("the muxer could not be made", made);
    m_muxing.reset(muxing);
    muxing->pb = m_io.Context();
    muxing->flags |= AVFMT_FLAG_CUSTOM_IO;
    // Ogg draws its stream's serial number at random unless asked not to: the
    // same practice file, made twice or by the window and the terminal, is then
    // the same bytes.
    if (m_format == OutputFormat::Opus)
        muxing->flags |= AVFMT_FLAG_BITEXACT;
    m_stream = avformat_new_stream(muxing, nullptr);
    if (!m_stream || avcodec_parameters_from_context(m_stream->codecpar, m_encoder.get()) < 0)
        return false;
    m_stream->time_base = m_encoder->time_base;
    // ID3v2 and FLAC take the file's tags, Ogg the stream's.
    if (!m_title.empty() && (av_dict_set(&muxing->metadata, "title", m_title.c_str(), 0) < 0 ||
                             av_dict_set(&m_stream->metadata, "title", m_title.c_str(), 0) < 0))
        return false;
    const int begun = avformat_write_header(muxing, nullptr);
    return begun >= 0 ||
           Fail(std::string("the muxer ") + m_muxer->name + " could not begin the file", begun);
}

bool CSampleEncoder::Encode(const std::uint8_t* samples, std::size_t count) {
    if (!m_bOpen)
        return false;
    if (count == 0)
        return true; // no input means a flush to the resampler
    return m_resampler ? Resample(samples, count) : Queue(samples, count);
}

bool CSampleEncoder::Resample(const std::uint8_t* samples, std::size_t count) {
    // Input in bounded chunks, so that the output buffer stays small; no input
    // at all drains what the resampler holds back, until nothing more comes.
    for (bool flushing = count == 0;;) {
        const std::size_t take = std::min(count, m_nChunkSamples);
        if (samples)
            std::memcpy(m_resamplerIn.data(), samples, 2 * take);
        else
            std::fill_n(m_resamplerIn.begin(), take, std::int16_t{0});
        const auto* in = reinterpret_cast<const std::uint8_t*>(m_resamplerIn.data());
        const int room = swr_get_out_samples(m_resampler.get(), static_cast<int>(take));
        if (room < 0)
            return false;
        m_resampled.resize(std::max(m_resampled.size(), static_cast<std::size_t>(room)));
        auto* out = reinterpret_cast<std::uint8_t*>(m_resampled.data());
        const int made = swr_convert(m_resampler.get(), &out, room, flushing ? nullptr : &in,
                                     static_cast<int>(take));
        if (made < 0)
            return Fail("the resampler failed", made);
        if (!Queue(out, static_cast<std::size_t>(made)))
            return false;
        if (samples)
            samples += 2 * take;
        count -= take;
        if (flushing ? made == 0 : count == 0)
            return true;
    }
}

bool CSampleEncoder::Queue(const std::uint8_t* samples, std::size_t count) {
    while (count > 0) {
        if (m_nFilled == 0 && av_frame_make_writable(m_frame.get()) < 0)
            return false;
        const std::size_t take =
            std::min(count, static_cast<std::size_t>(m_nFrameSize - m_nFilled));
        std::uint8_t* to = m_frame->data[0] + 2 * m_nFilled;
        if (samples) {
            std::memcpy(to, samples, 2 * take);
            samples += 2 * take;
        } else {
            std::memset(to, 0, 2 * take);
        }
        m_nFilled += static_cast<int>(take);
        count -= take;
        if (m_nFilled == m_nFrameSize && !SendFrame())
            return false;
    }
    return true;
}

bool CSampleEncoder::SendFrame() {
    m_frame->nb_samples = m_nFilled; // only the last frame is short
    m_frame->pts = m_nNextPts;
    m_nNextPts += m_nFilled;
    m_nFilled = 0;
    ClearFfmpegMessage();
    const int sent = avcodec_send_frame(m_encoder.get(), m_frame.get());
    return (sent >= 0 || Fail(std::string("the encoder ") + m_codec->name + " failed", sent)) &&
           WritePackets();
}

bool CSampleEncoder::WritePackets() {
    for (;;) {
        const int got = avcodec_receive_packet(m_encoder.get(), m_packet.get());
        if (got == AVERROR(EAGAIN) || got == AVERROR_EOF)
            return true;
        if (got < 0)
            return Fail(std::string("the encoder ") + m_codec->name + " failed", got);
        av_packet_rescale_ts(m_packet.get(), m_encoder->time_base, m_stream->time_base);
        m_packet->stream_index = m_stream->index;
        // Passes on the packet's side data too: the end padding for the gapless tags.
        if (const int written = av_interleaved_write_frame(m_muxing.get(), m_packet.get());
            written < 0)
            return Fail(std::string("the muxer ") + m_muxer->name + " could not write", written);
    }
}

bool CSampleEncoder::Finish() {
    if (!m_bOpen)
        return false;
    m_bOpen = false;
    if (m_resampler && !Resample(nullptr, 0))
        return false;
    if (m_nFilled > 0 && !SendFrame())
        return false;
    // No frame drains the encoder: its delayed packets, and for MP3 and Opus
    // the padding the gapless tags record.
    ClearFfmpegMessage();
    if (const int drained = avcodec_send_frame(m_encoder.get(), nullptr); drained < 0)
        return Fail(std::string("the encoder ") + m_codec->name + " failed", drained);
    if (!WritePackets())
        return false;
    if (const int ended = av_write_trailer(m_muxing.get()); ended < 0)
        return Fail(std::string("the muxer ") + m_muxer->name + " could not end the file", ended);
    AVIOContext* io = m_io.Context();
    avio_flush(io);
    return io->error == 0;
}
