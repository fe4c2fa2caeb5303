#include "media/plugin/StreamIo.h"

extern "C" {
#include <libavutil/error.h>
#include <libavutil/mem.h>
}

#include <cstdio>

namespace {

constexpr int BufferSize = 64 * 1024;

int ReadPacket(void* opaque, std::uint8_t* buffer, int size) {
    auto& stream = *static_cast<CByteStream*>(opaque);
    const std::size_t n = stream.Read(buffer, static_cast<std::size_t>(size));
    if (n == 0)
        return stream.Failed() ? AVERROR(EIO) : AVERROR_EOF;
    return static_cast<int>(n);
}

int WritePacket(void* opaque, std::uint8_t* buffer, int size) {
    auto& stream = *static_cast<CByteStream*>(opaque);
    return stream.Write(buffer, static_cast<std::size_t>(size)) ? size : AVERROR(EIO);
}

std::int64_t SeekTo(void* opaque, std::int64_t offset, int whence) {
    auto& stream = *static_cast<CByteStream*>(opaque);
    if (whence & AVSEEK_SIZE) {
        const std::int64_t size = stream.Size();
        return size >= 0 ? size : AVERROR(ENOSYS);
    }
    std::int64_t base = 0;
    switch (whence & ~AVSEEK_FORCE) {
    case SEEK_SET:
        break;
    case SEEK_CUR:
        base = stream.Tell();
        break;
    case SEEK_END:
        base = stream.Size();
        break;
    default:
        return AVERROR(EINVAL);
    }
    // A wild seek from a damaged file is refused here, before it could mark
    // the stream itself as failed.
    if (base < 0 || offset < -base)
        return AVERROR(EINVAL);
    return stream.Seek(base + offset) ? base + offset : AVERROR(EIO);
}

} // namespace

CStreamIo::CStreamIo(CByteStream& stream, bool writing) {
    auto* buffer = static_cast<unsigned char*>(av_malloc(BufferSize));
    if (!buffer)
        return;
    m_pContext =
        avio_alloc_context(buffer, BufferSize, writing ? 1 : 0, &stream,
                           writing ? nullptr : ReadPacket, writing ? WritePacket : nullptr, SeekTo);
    if (!m_pContext)
        av_free(buffer);
}

CStreamIo::~CStreamIo() {
    if (m_pContext)
        av_freep(&m_pContext->buffer);
    avio_context_free(&m_pContext);
}
