#pragma once

#include "audio/ByteStream.h"

extern "C" {
#include <libavformat/avio.h>
}

// An AVIOContext whose reads, writes and seeks go to a CByteStream, so that
// FFmpeg's muxers and demuxers use the same files, memory and injected faults
// as the rest of the program. The stream must outlive this object.
class CByteStreamIo {
public:
    CByteStreamIo(CByteStream& stream, bool forWriting);
    ~CByteStreamIo();
    CByteStreamIo(const CByteStreamIo&) = delete;
    CByteStreamIo& operator=(const CByteStreamIo&) = delete;

    // Null when it could not be allocated.
    AVIOContext* Context() const { return m_context; }

private:
    // Small: the streams buffer on their own, and a full disk shows soon.
    static constexpr int BufferSize = 16 * 1024;

    CByteStream& m_stream;
    AVIOContext* m_context = nullptr;
};
