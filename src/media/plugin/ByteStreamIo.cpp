#include "media/plugin/ByteStreamIo.h"

#include <cstdio>

extern "C" {
#include <libavutil/error.h>
#include <libavutil/mem.h>
}

namespace {

// The write callback's buffer became const in libavformat 61.
#if LIBAVFORMAT_VERSION_MAJOR >= 61
using WriteBuffer = const std::uint8_t*;
#else
using WriteBuffer = std::uint8_t*;
#endif

int ReadPacket(void* opaque, std::uint8_t* buffer, int size) {
    auto& stream = *static_cast<CByteStream*>(opaque);
    const std::size_t n = stream.Read(buffer, static_cast<std::size_t>(size));
    if (n > 0)
        return static_cast<int>(n);
    return stream.Failed() ? AVERROR(EIO) : AVERROR_EOF;
}

int WritePacket(void* opaque, WriteBuffer buffer, int size) {
    auto& stream = *static_cast<CByteStream*>(opaque);
    return stream.Write(buffer, static_cast<std::size_t>(size)) ? size : AVERROR(EIO);
}

std::int64_t SeekStream(void* opaque, std::int64_t offset, int whence) {
    auto& stream = *static_cast<CByteStream*>(opaque);
    whence &= ~AVSEEK_FORCE;
    if (whence == AVSEEK_SIZE) {
        const std::int64_t size = stream.Size();
        return size >= 0 ? size : AVERROR(ENOSYS);
    }
    std::int64_t base = 0;
    if (whence == SEEK_CUR)
        base = stream.Tell();
    else if (whence == SEEK_END)
        base = stream.Size();
    else if (whence != SEEK_SET)
        return AVERROR(EINVAL);
    // A wild seek from a damaged file is refused here, before it could mark
    // the stream itself as failed.
    if (base < 0 || offset < -base)
        return AVERROR(EINVAL);
    if (!stream.Seek(base + offset))
        return AVERROR(EIO);
    return base + offset;
}

} // namespace

CByteStreamIo::CByteStreamIo(CByteStream& stream, bool forWriting) : m_stream(stream) {
    auto* buffer = static_cast<unsigned char*>(av_malloc(BufferSize));
    if (!buffer)
        return;
    m_context = avio_alloc_context(buffer, BufferSize, forWriting ? 1 : 0, &m_stream,
                                   forWriting ? nullptr : ReadPacket,
                                   forWriting ? WritePacket : nullptr, SeekStream);
    if (!m_context)
        av_free(buffer);
}

CByteStreamIo::~CByteStreamIo() {
    if (m_context)
        av_freep(&m_context->buffer); // may have been replaced since allocation
    avio_context_free(&m_context);
}
