#pragma once

#include "audio/ByteStream.h"
#include "audio/SampleSink.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// Takes the bytes of a 16-bit mono PCM WAV file, as the WAV writer writes
// them, and passes its samples on to a sink: the one place where the exact
// conversion's own writer feeds an encoder. The conversion opens its
// destination on this stream instead of on the file, and never knows.
//
// The 44-byte canonical header comes first, in pieces of any size; its rate
// begins the sink. Every later byte is sample data, zeros go on as silence.
// Tell() and Size() count the WAV bytes taken. The one seek allowed goes back
// to rewrite the header with its final sizes (and then to the end again); a
// seek anywhere else, or a rewrite that changes the format, fails the stream.
// Close() finishes the sink. Failures are false results that stick in
// Failed(); nothing throws.
class CWavBytesToSink : public CByteStream {
public:
    // A null sink fails the stream at once.
    explicit CWavBytesToSink(std::unique_ptr<CSampleSink> sink);

    std::size_t Read(void* buffer, std::size_t count) override; // fails: for writing only
    bool Write(const void* buffer, std::size_t count) override;
    bool WriteZeros(std::size_t count) override;
    bool Seek(std::int64_t offset) override;
    std::int64_t Tell() override { return m_nPosition; }
    std::int64_t Size() override { return m_nSize; }
    // False when the stream never had a whole header, or anything failed.
    bool Close() override;
    bool Failed() const override { return m_bFailed; }
    // The sink's reason, when it failed on its own account.
    std::string FailureReason() const override;

private:
    static constexpr std::size_t HeaderSize = 44;

    bool Put(const std::uint8_t* bytes, std::size_t count); // null: zeros
    bool PutHeader(const std::uint8_t* bytes, std::size_t count);
    bool PutSamples(const std::uint8_t* bytes, std::size_t count);
    bool HeaderIsValid() const;
    bool Fail();

    std::unique_ptr<CSampleSink> m_sink;
    std::array<std::uint8_t, HeaderSize> m_header{};
    bool m_bHeaderDone = false;
    bool m_bHasOddByte = false; // half a sample, waiting for its other byte
    std::uint8_t m_oddByte = 0;
    std::int64_t m_nPosition = 0;
    std::int64_t m_nSize = 0;
    bool m_bFailed = false;
    bool m_bClosed = false;
};
