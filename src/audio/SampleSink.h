#pragma once

#include "audio/ByteStream.h"
#include "audio/Interface.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// Where the samples of a practice file go: a WAV file, an encoder, a clip, a
// label file. Open at a rate, samples and silence in order, then Finish.
// Samples are 16-bit mono, little-endian, at any alignment. Failures are
// false results, never exceptions; once failed, every later call fails too.
class CSampleSink : public CInterface {
public:
    // Before any samples: the rate they come at. False when the sink cannot take it.
    virtual bool Begin(std::uint32_t rate) = 0;
    virtual bool Write(const std::uint8_t* samples, std::size_t count) = 0;
    virtual bool WriteSilence(std::uint64_t count) = 0;
    // After the last samples: completes the file. False when anything failed.
    virtual bool Finish() = 0;
    // Why the sink failed, in plain words, when it can tell; empty otherwise.
    virtual std::string FailureReason() const { return {}; }
};

// Makes the sink of a practice file on stream, with the title tag where the
// format has one. Null when it cannot be made.
using SinkMaker = std::function<std::unique_ptr<CSampleSink>(std::unique_ptr<CByteStream> stream,
                                                             const std::string& title)>;

// Writes count samples of silence a second (rate samples) at a time, so that
// a job given up stops between two pieces. False at the first failure.
bool WriteSilenceInPieces(CSampleSink& sink, std::uint64_t count, std::uint32_t rate);
