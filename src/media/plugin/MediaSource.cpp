#include "media/plugin/MediaSource.h"

#include "audio/WAVException.h"
#include "media/plugin/ByteStreamIo.h"
#include "media/plugin/FfmpegLog.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

#include <cstring>
#include <string>

namespace {

// Decoded audio may fall this far short of what the file declares (an
// encoder's delay and padding) before the file counts as cut short.
constexpr double ToleratedShortfallSeconds = 0.2;

const char* const Empty = "the file is empty";
const char* const NotReadable = "the file is not a recording in a format that can be read";
const char* const NoAudio = "the file holds no audio";
const char* const NoDecoder = "its audio is in a format that cannot be decoded";
const char* const Damaged = "the recording is damaged and cannot be decoded";
const char* const CutShort = "the recording is cut short: the file ends before it does";
const char* const NothingDecoded = "no audio could be decoded from it";
const char* const RateChanges = "the recording changes its sample rate part way through";

} // namespace

// FFmpeg's objects for one recording, freed in the reverse order of their making.
struct CMediaSource::Decoder {
    std::unique_ptr<CByteStream> stream;
    std::unique_ptr<CByteStreamIo> io;
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    SwrContext* mixer = nullptr;
    AVPacket* packet = nullptr;
    AVFrame* frame = nullptr;
    int streamIndex = -1;
    std::uint32_t rate = 0;
    // The frame's format that the mixer was made for.
    int mixedFormat = -1;
    AVChannelLayout mixedLayout{};
    bool draining = false; // the demuxer has ended; the decoder gives what it holds
    bool ended = false;
    std::string failure;
    std::uint64_t samples = 0; // decoded so far

    ~Decoder() {
        av_channel_layout_uninit(&mixedLayout);
        av_frame_free(&frame);
        av_packet_free(&packet);
        swr_free(&mixer);
        avcodec_free_context(&codec);
        avformat_close_input(&format);
    }

    bool Fail(const char* reason) {
        if (failure.empty() && !stream->Failed())
            failure = reason;
        ended = true;
        return false;
    }

    // A mixer down to mono 16-bit for the frame's format.
    bool Mixer(const AVFrame& decoded) {
        if (mixer && decoded.format == mixedFormat &&
            av_channel_layout_compare(&decoded.ch_layout, &mixedLayout) == 0)
            return true;
        swr_free(&mixer);
        av_channel_layout_uninit(&mixedLayout);
        if (decoded.ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
            av_channel_layout_default(&mixedLayout, decoded.ch_layout.nb_channels);
        else if (av_channel_layout_copy(&mixedLayout, &decoded.ch_layout) < 0)
            return false;
        mixedFormat = decoded.format;
        AVChannelLayout mono = AV_CHANNEL_LAYOUT_MONO;
        const int r = static_cast<int>(rate);
        return swr_alloc_set_opts2(&mixer, &mono, AV_SAMPLE_FMT_S16, r, &mixedLayout,
                                   static_cast<AVSampleFormat>(decoded.format), r, 0,
                                   nullptr) == 0 &&
               swr_init(mixer) == 0;
    }

    // Converts frame (or, with null, what the mixer still holds) into out.
    bool Mix(const AVFrame* decoded, SampleBuffer& out) {
        if (!mixer)
            return true;
        const int in = decoded ? decoded->nb_samples : 0;
        const int room = swr_get_out_samples(mixer, in);
        if (room < 0)
            return false;
        const auto bytes = static_cast<std::uint32_t>(2 * room);
        if (out.capacity < bytes)
            out.ResizeAndClear(bytes);
        std::uint8_t* target = out.data.get();
        const int made = swr_convert(
            mixer, &target, room,
            decoded ? const_cast<const std::uint8_t**>(decoded->extended_data) : nullptr, in);
        if (made < 0)
            return false;
        out.length = 2 * made;
        samples += static_cast<std::uint64_t>(made);
        return true;
    }

    // At the end: short of what the file declares means it was cut.
    void CheckLength() {
        const AVStream& st = *format->streams[streamIndex];
        if (samples == 0) {
            Fail(NothingDecoded);
            return;
        }
        if (st.duration == AV_NOPTS_VALUE || st.duration <= 0 ||
            format->duration_estimation_method == AVFMT_DURATION_FROM_BITRATE)
            return;
        const double declared = static_cast<double>(st.duration) * av_q2d(st.time_base);
        const double decoded = static_cast<double>(samples) / rate;
        if (decoded + ToleratedShortfallSeconds < declared)
            Fail(CutShort);
    }
};

std::unique_ptr<CSampleSource> CMediaSource::Open(std::unique_ptr<CByteStream> stream,
                                                  const std::filesystem::path& path) {
    QuietFfmpegLog();
    auto d = std::make_unique<Decoder>();
    d->stream = std::move(stream);
    if (d->stream->Size() == 0)
        throw CWAVException(Empty);
    d->io = std::make_unique<CByteStreamIo>(*d->stream, false);
    d->format = avformat_alloc_context();
    if (!d->io->Context() || !d->format)
        throw CWAVException(NotReadable);
    d->format->pb = d->io->Context();
    d->format->flags |= AVFMT_FLAG_CUSTOM_IO;
    // The name helps the format be told; the file itself is read through our stream.
    if (avformat_open_input(&d->format, path.filename().c_str(), nullptr, nullptr) < 0) {
        if (d->stream->Failed())
            return nullptr;
        throw CWAVException(NotReadable);
    }
    if (avformat_find_stream_info(d->format, nullptr) < 0 && d->stream->Failed())
        return nullptr;

    for (unsigned i = 0; i < d->format->nb_streams; ++i) {
        AVStream& st = *d->format->streams[i];
        const bool first = d->streamIndex < 0 && st.codecpar->codec_type == AVMEDIA_TYPE_AUDIO;
        if (first)
            d->streamIndex = static_cast<int>(i);
        else
            st.discard = AVDISCARD_ALL; // not even read further
    }
    if (d->streamIndex < 0)
        throw CWAVException(NoAudio);
    const AVCodecParameters& parameters = *d->format->streams[d->streamIndex]->codecpar;
    const AVCodec* codec = avcodec_find_decoder(parameters.codec_id);
    d->codec = codec ? avcodec_alloc_context3(codec) : nullptr;
    if (!d->codec || avcodec_parameters_to_context(d->codec, &parameters) < 0 ||
        avcodec_open2(d->codec, codec, nullptr) < 0 || d->codec->sample_rate <= 0)
        throw CWAVException(NoDecoder);
    d->rate = static_cast<std::uint32_t>(d->codec->sample_rate);
    d->packet = av_packet_alloc();
    d->frame = av_frame_alloc();
    if (!d->packet || !d->frame)
        throw CWAVException(NoDecoder);
    return std::unique_ptr<CSampleSource>(new CMediaSource(std::move(d)));
}

CMediaSource::CMediaSource(std::unique_ptr<Decoder> decoder) : m(std::move(decoder)) {}

CMediaSource::~CMediaSource() = default;

std::uint32_t CMediaSource::SampleRate() {
    return m->rate;
}

bool CMediaSource::ReadSamples(SampleBuffer& out) {
    out.length = 0;
    while (!m->ended) {
        const int received = avcodec_receive_frame(m->codec, m->frame);
        if (received == 0) {
            if (m->frame->sample_rate != static_cast<int>(m->rate))
                return m->Fail(RateChanges);
            const bool mixed = m->Mixer(*m->frame) && m->Mix(m->frame, out);
            av_frame_unref(m->frame);
            if (!mixed)
                return m->Fail(Damaged);
            if (out.length > 0)
                return true;
        } else if (received == AVERROR_EOF) {
            // What the mixer holds back comes out last.
            if (!m->Mix(nullptr, out))
                return m->Fail(Damaged);
            m->ended = true;
            m->CheckLength();
            return out.length > 0 && m->failure.empty();
        } else if (received != AVERROR(EAGAIN)) {
            return m->Fail(Damaged);
        } else if (m->draining) {
            return m->Fail(Damaged); // a decoder that neither gives nor ends
        } else {
            const int read = av_read_frame(m->format, m->packet);
            if (read == AVERROR_EOF) {
                m->draining = true;
                avcodec_send_packet(m->codec, nullptr);
                continue;
            }
            if (read < 0)
                return m->Fail(Damaged);
            const bool ours = m->packet->stream_index == m->streamIndex;
            const int sent = ours ? avcodec_send_packet(m->codec, m->packet) : 0;
            av_packet_unref(m->packet);
            if (sent < 0 && sent != AVERROR(EAGAIN))
                return m->Fail(Damaged);
        }
    }
    return false;
}

bool CMediaSource::ReadFailed() {
    return m->stream->Failed();
}

std::string CMediaSource::DecodeFailure() {
    return m->failure;
}
