#include "media/plugin/MediaSource.h"

#include "audio/SourceRate.h"
#include "audio/WAVException.h"
#include "media/plugin/ByteStreamIo.h"
#include "media/plugin/FfmpegLog.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/avstring.h>
#include <libavutil/channel_layout.h>
#include <libavutil/mem.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

#include <cstring>
#include <new>
#include <string>
#include <vector>

namespace {

// Decoded audio may fall this far short of what the file declares (an
// encoder's delay and padding) before the file counts as cut short.
constexpr double ToleratedShortfallSeconds = 0.2;

// The demuxers, by FFmpeg's names, of the containers that the folder pattern
// takes. No other is used: a playlist, a script or a session description
// would have FFmpeg open other files, or the network, in a recording's name.
constexpr const char* RecordingDemuxers =
    "wav,w64,mp3,mov,mp4,m4a,aac,ogg,flac,aiff,asf,matroska,webm";

// As many channels as FFmpeg's resampler mixes.
constexpr int MaxChannels = 64;
// A weight of one in FFmpeg's 16-bit mixing.
constexpr int UnitWeight = 32768;

const char* const Empty = "the file is empty";
const char* const NotReadable = "the file is not a recording in a format that can be read";
const char* const NoAudio = "the file holds no audio";
const char* const NoDecoder = "its audio is in a format that cannot be decoded";
const char* const Damaged = "the recording is damaged and cannot be decoded";
const char* const CutShort = "the recording is cut short: the file ends before it does";
const char* const NothingDecoded = "no audio could be decoded from it";
const char* const RateChanges = "the recording changes its sample rate part way through";
const char* const TooManyChannels = "the recording has more than the 64 channels that can be mixed";
const char* const OutOfMemory = "out of memory"; // short enough to be copied without allocating

// Whatever a demuxer would open beside the source is refused.
int RefuseNestedOpen(AVFormatContext*, AVIOContext**, const char*, int, AVDictionary**) {
    return AVERROR(EPERM);
}

} // namespace

// FFmpeg's objects for one recording, freed in the reverse order of their making.
struct CMediaSource::Decoder {
    std::unique_ptr<CByteStream> stream;
    std::unique_ptr<CByteStreamIo> io;
    AbandonCheck abandoned = nullptr;
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    SwrContext* mixer = nullptr;
    AVPacket* packet = nullptr;
    AVFrame* frame = nullptr;
    int streamIndex = -1;
    std::uint32_t rate = 0;
    // The frame's format and layout that the mixer was made for.
    int mixedFormat = -1;
    AVChannelLayout mixedLayout{};
    bool draining = false; // the demuxer has ended; the decoder gives what it holds
    bool ended = false;
    bool interrupted = false; // given up: as a failed read
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

    static int Interrupt(void* opaque) {
        auto& d = *static_cast<Decoder*>(opaque);
        d.interrupted = d.interrupted || (d.abandoned && d.abandoned() != 0);
        return d.interrupted ? 1 : 0;
    }

    // Reading the file failed, or the job was given up: no reason to tell.
    bool ReadFailed() const { return stream->Failed() || interrupted; }

    bool Fail(const char* reason) {
        if (failure.empty() && !ReadFailed())
            failure = reason;
        ended = true;
        return false;
    }
    // With FFmpeg's own words for the error.
    bool Fail(const char* reason, int error) {
        if (failure.empty() && !ReadFailed())
            failure = std::string(reason) + ": " + FfmpegReason(error);
        ended = true;
        return false;
    }

    // A mixer down to mono 16-bit for the frame's format and layout, made
    // again only when they change.
    bool Mixer(const AVFrame& decoded) {
        if (mixer && decoded.format == mixedFormat &&
            av_channel_layout_compare(&decoded.ch_layout, &mixedLayout) == 0)
            return true;
        swr_free(&mixer);
        av_channel_layout_uninit(&mixedLayout);
        const int channels = decoded.ch_layout.nb_channels;
        if (channels < 1 || channels > MaxChannels ||
            av_channel_layout_copy(&mixedLayout, &decoded.ch_layout) < 0)
            return false;
        mixedFormat = decoded.format;
        AVChannelLayout mono = AV_CHANNEL_LAYOUT_MONO;
        const int r = static_cast<int>(rate);
        if (swr_alloc_set_opts2(&mixer, &mono, AV_SAMPLE_FMT_S16, r, &mixedLayout,
                                static_cast<AVSampleFormat>(decoded.format), r, 0, nullptr) < 0)
            return false;
        // FFmpeg's own mix needs to know where each speaker is; channels in
        // no known order count the same. The weights are whole 1/32768ths,
        // as its 16-bit mixing takes them, adding up to exactly one: a little
        // more would wrap a full-scale sample around.
        if (mixedLayout.order != AV_CHANNEL_ORDER_NATIVE) {
            std::vector<double> weights;
            for (int i = 0; i < channels; ++i)
                weights.push_back((UnitWeight / channels + (i < UnitWeight % channels)) /
                                  double{UnitWeight});
            if (swr_set_matrix(mixer, weights.data(), channels) < 0)
                return false;
        }
        return swr_init(mixer) >= 0;
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

    // The next samples into out; false at the end or on failure.
    bool Read(SampleBuffer& out) {
        out.length = 0;
        while (!ended) {
            ClearFfmpegMessage();
            const int received = avcodec_receive_frame(codec, frame);
            if (received == 0) {
                if (frame->sample_rate != static_cast<int>(rate))
                    return Fail(RateChanges);
                const bool mixed = Mixer(*frame) && Mix(frame, out);
                av_frame_unref(frame);
                if (!mixed)
                    return Fail(Damaged);
                if (out.length > 0)
                    return true;
            } else if (received == AVERROR_EOF) {
                // What the mixer holds back comes out last.
                if (!Mix(nullptr, out))
                    return Fail(Damaged);
                ended = true;
                CheckLength();
                return out.length > 0 && failure.empty();
            } else if (received != AVERROR(EAGAIN)) {
                return Fail(Damaged, received);
            } else if (draining) {
                return Fail(Damaged); // a decoder that neither gives nor ends
            } else {
                const int read = av_read_frame(format, packet);
                if (read == AVERROR_EOF) {
                    draining = true;
                    avcodec_send_packet(codec, nullptr);
                    continue;
                }
                if (read < 0)
                    return Fail(Damaged, read);
                const bool ours = packet->stream_index == streamIndex;
                const int sent = ours ? avcodec_send_packet(codec, packet) : 0;
                av_packet_unref(packet);
                if (sent < 0 && sent != AVERROR(EAGAIN))
                    return Fail(Damaged, sent);
            }
        }
        return false;
    }
};

std::unique_ptr<CSampleSource> CMediaSource::Open(std::unique_ptr<CByteStream> stream,
                                                  const std::filesystem::path& path) {
    return OpenInterruptible(std::move(stream), path, nullptr);
}

std::unique_ptr<CSampleSource> CMediaSource::OpenInterruptible(std::unique_ptr<CByteStream> stream,
                                                               const std::filesystem::path& path,
                                                               AbandonCheck abandoned) {
    CaptureFfmpegLog();
    auto d = std::make_unique<Decoder>();
    d->stream = std::move(stream);
    d->abandoned = abandoned;
    if (d->stream->Size() == 0)
        throw CWAVException(Empty);
    d->io = std::make_unique<CByteStreamIo>(*d->stream, false);
    d->format = avformat_alloc_context();
    if (!d->io->Context() || !d->format)
        throw CWAVException(NotReadable);
    AVFormatContext& format = *d->format;
    format.pb = d->io->Context();
    format.flags |= AVFMT_FLAG_CUSTOM_IO;
    // The source is the only file read: no protocol, no nested file, and no
    // demuxer but those of recordings.
    format.format_whitelist = av_strdup(RecordingDemuxers);
    format.protocol_whitelist = av_strdup("");
    format.io_open = RefuseNestedOpen;
    format.interrupt_callback = {Decoder::Interrupt, d.get()};
    if (!format.format_whitelist || !format.protocol_whitelist)
        throw std::bad_alloc();

    // The name helps the format be told; the file itself is read through our stream.
    const std::string name = path.filename().string();
    const AVInputFormat* demuxer = nullptr;
    if (av_probe_input_buffer2(format.pb, &demuxer, name.c_str(), &format, 0, 0) < 0 || !demuxer) {
        if (d->ReadFailed())
            return nullptr;
        throw CWAVException(NotReadable);
    }
    if (av_match_list(demuxer->name, RecordingDemuxers, ',') <= 0)
        throw CWAVException(std::string(NotReadable) + " (FFmpeg reads it as " +
                            (demuxer->long_name ? demuxer->long_name : demuxer->name) + ")");
    if (avformat_open_input(&d->format, name.c_str(), demuxer, nullptr) < 0) {
        if (d->ReadFailed())
            return nullptr;
        throw CWAVException(NotReadable);
    }
    // Given up there, it may still answer as if it had seen all it needed.
    const int found = avformat_find_stream_info(d->format, nullptr);
    if (d->interrupted || (found < 0 && d->ReadFailed()))
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
    if (!codec)
        throw CWAVException(std::string(NoDecoder) + " (" + avcodec_get_name(parameters.codec_id) +
                            ")");
    if (parameters.ch_layout.nb_channels > MaxChannels)
        throw CWAVException(TooManyChannels);
    d->codec = avcodec_alloc_context3(codec);
    ClearFfmpegMessage();
    int opened = d->codec ? avcodec_parameters_to_context(d->codec, &parameters) : AVERROR(ENOMEM);
    if (opened >= 0)
        opened = avcodec_open2(d->codec, codec, nullptr);
    if (opened < 0)
        throw CWAVException(std::string(NoDecoder) + ": " + FfmpegReason(opened));
    if (d->codec->sample_rate <= 0)
        throw CWAVException(NoDecoder);
    d->rate = static_cast<std::uint32_t>(d->codec->sample_rate);
    if (const std::string refusal = SourceRateRefusal(d->rate); !refusal.empty())
        throw CWAVException(refusal);
    d->packet = av_packet_alloc();
    d->frame = av_frame_alloc();
    if (!d->packet || !d->frame)
        throw std::bad_alloc();
    return std::unique_ptr<CSampleSource>(new CMediaSource(std::move(d)));
}

CMediaSource::CMediaSource(std::unique_ptr<Decoder> decoder) : m(std::move(decoder)) {}

CMediaSource::~CMediaSource() = default;

std::uint32_t CMediaSource::SampleRate() {
    return m->rate;
}

bool CMediaSource::ReadSamples(SampleBuffer& out) {
    // Nothing leaves the module as an exception.
    try {
        return m->Read(out);
    } catch (const std::bad_alloc&) {
        return m->Fail(OutOfMemory);
    }
}

bool CMediaSource::ReadFailed() {
    return m->ReadFailed();
}

std::string CMediaSource::FailureReason() {
    try {
        return m->failure;
    } catch (const std::bad_alloc&) {
        return OutOfMemory;
    }
}
