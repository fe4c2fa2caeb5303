#include "audio/ByteStream.h"

#include <algorithm>

bool CByteStream::WriteZeros(std::size_t count) {
    static const std::uint8_t zeros[4096] = {};
    for (std::size_t piece; count > 0; count -= piece) {
        piece = std::min(count, sizeof zeros);
        if (!Write(zeros, piece))
            return false;
    }
    return !Failed();
}
