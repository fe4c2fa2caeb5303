#pragma once

#include "audio/ByteStream.h"
#include "audio/FileOpener.h"
#include "audio/SampleSink.h"
#include "audio/SampleSource.h"
#include "batch/Deck.h"
#include "batch/FileConverter.h"
#include "batch/JobOptions.h"
#include "batch/JobSubtitles.h"
#include "batch/MessageBox.h"
#include "batch/PracticeWriter.h"
#include "pause/QuietLimits.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

// Makes the samples of the recording in stream (opened from path). Null when
// the file cannot be read at all; CWAVException when it is not a recording
// this reader takes, with the reason.
using SampleSourceMaker = std::function<std::unique_ptr<CSampleSource>(
    std::unique_ptr<CByteStream> stream, const std::filesystem::path& path)>;

// The ADPCM source's samples, read as by the exact conversion.
std::unique_ptr<CSampleSource> MakeAdpcmSamples(std::unique_ptr<CByteStream> stream,
                                                const std::filesystem::path& path);

// A 16-bit PCM WAV file at the recording's rate.
std::unique_ptr<CSampleSink> MakeWavSink(std::unique_ptr<CByteStream> stream,
                                         const std::string& title);

// What a tuned conversion reads and writes with.
struct TunedMedia {
    SampleSourceMaker makeSamples = MakeAdpcmSamples;
    SinkMaker makeSink = MakeWavSink;
    StretcherMaker makeStretcher; // for passes at another tempo than 1
    // How much of a phrase is held in memory before the rest goes to a file.
    std::size_t phraseMemoryLimit = CPhraseStore::DefaultMemoryLimit;
    // Told of each converted file's quiet limits and pauses, when given.
    PauseReporter report;
    // Writes the deck of the clips; none, no deck.
    DeckWriter writeDeck;
    // Told of every phrase besides the labels and clips, when given.
    CPhraseListener* listener = nullptr;
    // The subtitles the job read before it began; a source they hold none
    // for has its own read as it is converted.
    std::shared_ptr<const CJobSubtitles> subtitles;
};

// Converts one recording into a practice file: the samples reach the
// detector in blocks of SamplesPerBlock, each phrase is written once per pass with its
// pause after each, the last phrase too, at the recording's own rate. An
// existing file of the destination's name is replaced only once the new one
// is complete. Results and questions as ConvertFile's: a recording it does
// not take, or cannot decode to its end, is Refused with the reason.
FileResult ConvertTuned(CMessageBoxOwner& parent, const std::filesystem::path& source,
                        const std::filesystem::path& destination, CFileOpener& files,
                        const JobOptions& options, const TunedMedia& media);
