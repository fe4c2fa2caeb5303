#pragma once

#include <cstdint>
#include <memory>

// An owned byte array that carries raw blocks and decoded 16-bit samples
// between the reader, the decoder, the detector and the writer.
struct SampleBuffer {
    std::unique_ptr<std::uint8_t[]> data; // null when capacity is 0
    std::uint32_t capacity = 0;
    std::int32_t length = 0;

    SampleBuffer() = default;
    explicit SampleBuffer(std::uint32_t n);
    SampleBuffer(const SampleBuffer&) = delete;
    SampleBuffer& operator=(const SampleBuffer&) = delete;
    SampleBuffer(SampleBuffer&&) noexcept = default;
    SampleBuffer& operator=(SampleBuffer&&) noexcept = default;
    ~SampleBuffer() = default;

    void Free();
    void ResizeAndClear(std::uint32_t n);
    void SetLength(std::int32_t x);
};
