#include "audio/SampleBuffer.h"

#include <cstring>

SampleBuffer::SampleBuffer(std::uint32_t n) {
    ResizeAndClear(n);
}

void SampleBuffer::Free() {
    length = 0;
    data.reset();
    capacity = 0;
}

void SampleBuffer::ResizeAndClear(std::uint32_t n) {
    if (n != capacity) {
        length = 0;
        data.reset();
        capacity = 0;
        if (n != 0) {
            data = std::make_unique<std::uint8_t[]>(n); // value-initialised: zeros
            capacity = n;
        }
        return; // fresh bytes are already zero
    }
    if (capacity != 0) {
        std::memset(data.get(), 0, capacity);
        length = 0;
    }
}

void SampleBuffer::SetLength(std::int32_t x) {
    // Unsigned comparison: a negative length clamps to the capacity.
    length = static_cast<std::uint32_t>(x) < capacity ? x : static_cast<std::int32_t>(capacity);
}
