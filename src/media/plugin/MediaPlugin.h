#pragma once

// The entry points of the module that holds FFmpeg's libraries. Plain C
// functions, so that the program finds them by name; errors come back as
// texts, never as exceptions across the module's edge (nor from the objects
// it hands out).

#include <cstddef>

class CByteStream;
class CSampleSink;
class CSampleSource;
class CTimeStretcher;

// Bumped whenever an entry point changes, so that a stale module is refused.
#define BRELLOW_MEDIA_INTERFACE 4

extern "C" {

int BrellowMediaInterface();

// Takes stream. Returns the recording's samples; or null, with the reason
// in reason (empty when reading the file failed). Reading is given up once
// abandoned (which may be null) returns non-zero: the job was given up.
CSampleSource* BrellowOpenMediaSource(CByteStream* stream, const char* path, int (*abandoned)(),
                                      char* reason, std::size_t reasonSize);

// Takes output. A sink that encodes its samples into output, in the format
// (an OutputFormat) at the bitrate, with the title tag; null without memory.
CSampleSink* BrellowMakeEncoderSink(CByteStream* output, int format, int bitrateKbps,
                                    const char* title);

// In the stretcher's module of its own (FFmpeg's filter library is loaded
// only by a job with slowed or sped-up passes): a stretcher of phrases at the
// rate (Hz) to the tempo; null when either is out of range, or without the memory.
CTimeStretcher* BrellowMakeTimeStretcher(unsigned rate, double tempo);
}
