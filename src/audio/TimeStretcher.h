#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>

class CSampleSink;

// Plays a phrase slower or faster without changing its pitch, for the slowed
// passes of a practice file. One is made for a rate and a tempo, and then
// takes one phrase after another. A phrase is a known count of samples,
// 16-bit mono little-endian at any alignment, given in pieces of any size, so
// that a phrase of minutes (read back from a temporary file) never has to be
// in memory at once:
//
//     Begin(count, sink);
//     if (NeedsStudy())
//         Study(piece) ...   // the whole phrase once, count samples in all
//     Process(piece) ...     // the whole phrase (again), count samples in all
//     Finish();
//
// The stretched phrase goes to sink through Write only (never Begin, Finish
// or WriteSilence), part of it during Process and the rest in Finish: exactly
// OutputLength(count, tempo) samples in all. The same phrase gives the same
// bytes, however it is cut into pieces. No threads.
//
// Failures (the sink failing, no memory, pieces that do not add up to the
// count) are false results, never exceptions; after one, every call fails
// until the next Begin. Begin also abandons a phrase left unfinished.
class CTimeStretcher {
public:
    // The tempos a stretcher can be made for: 0.5 is half as fast (twice as long).
    static constexpr double MinTempo = 0.5;
    static constexpr double MaxTempo = 2.0;

    // Samples out for count samples in at tempo.
    static std::uint64_t OutputLength(std::uint64_t count, double tempo) {
        return static_cast<std::uint64_t>(std::llround(static_cast<double>(count) / tempo));
    }

    CTimeStretcher() = default;
    CTimeStretcher(const CTimeStretcher&) = delete;
    CTimeStretcher& operator=(const CTimeStretcher&) = delete;
    virtual ~CTimeStretcher() = default;

    // Whether each phrase must be given to Study before Process.
    virtual bool NeedsStudy() const = 0;
    // Starts a phrase of count samples whose stretched samples go to sink,
    // which must outlive the phrase.
    virtual bool Begin(std::uint64_t count, CSampleSink& sink) = 0;
    // A piece of the phrase for the study pass; false when no study is needed.
    virtual bool Study(const std::uint8_t* samples, std::size_t count) = 0;
    // A piece of the phrase; writes what output is ready.
    virtual bool Process(const std::uint8_t* samples, std::size_t count) = 0;
    // After the last piece: writes the rest of the output.
    virtual bool Finish() = 0;
};
