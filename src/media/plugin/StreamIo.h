#pragma once

#include "audio/ByteStream.h"

extern "C" {
#include <libavformat/avio.h>
}

#include <memory>

// FFmpeg's I/O context over one of our byte streams, so that what FFmpeg
// reads or writes goes through the same exclusive file layer as the rest.
class CStreamIo {
public:
    // Reads from stream, or writes to it when writing is true. The stream
    // must outlive this object.
    CStreamIo(CByteStream& stream, bool writing);
    ~CStreamIo();
    CStreamIo(const CStreamIo&) = delete;
    CStreamIo& operator=(const CStreamIo&) = delete;

    // Null when it could not be made (no memory).
    AVIOContext* Context() const { return m_pContext; }

private:
    AVIOContext* m_pContext = nullptr;
};
