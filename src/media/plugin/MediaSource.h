#pragma once

#include "audio/ByteStream.h"
#include "audio/SampleSource.h"

#include <filesystem>
#include <memory>

// Any recording that FFmpeg's libraries read: the first audio stream,
// decoded and mixed down to one channel of 16-bit samples at the stream's
// own rate, read through a byte stream like every other file. The stream is
// all that is read: only the demuxers of recordings are used, and nothing
// the file names is ever opened.
class CMediaSource final : public CSampleSource {
public:
    // Non-zero once the job has been given up: FFmpeg's waits end then.
    using AbandonCheck = int (*)();

    // Opens the recording in stream; path names it, which helps tell its
    // format. Throws CWAVException, with the reason in plain words, when the
    // file holds no audio that can be decoded.
    static std::unique_ptr<CSampleSource> Open(std::unique_ptr<CByteStream> stream,
                                               const std::filesystem::path& path);
    // The same, given up as reading fails once abandoned says so.
    static std::unique_ptr<CSampleSource> OpenInterruptible(std::unique_ptr<CByteStream> stream,
                                                            const std::filesystem::path& path,
                                                            AbandonCheck abandoned);
    ~CMediaSource() override;

    std::uint32_t SampleRate() override;
    bool ReadSamples(SampleBuffer& out) override;
    bool ReadFailed() override;
    std::string FailureReason() override;

private:
    struct Decoder;
    explicit CMediaSource(std::unique_ptr<Decoder> decoder);

    std::unique_ptr<Decoder> m;
};
