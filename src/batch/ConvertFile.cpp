#include "batch/ConvertFile.h"

#include "audio/ADCPMObj.h"
#include "audio/ErrorReason.h"
#include "audio/WAVException.h"
#include "audio/WAVObj.h"
#include "audio/WavSink.h"
#include "batch/ConversionMessages.h"
#include "pause/MessagePump.h"
#include "pause/PhraseDetector.h"

#include <array>
#include <cerrno>
#include <string>

namespace {

constexpr std::uint32_t InitialBufferBytes = 2048;

} // namespace

std::uint64_t DeclaredDataSize(std::uint32_t sourceDataSize) {
    const std::uint64_t blocks = sourceDataSize / 512u;
    const std::uint64_t rest = sourceDataSize % 512u;
    const std::uint64_t twice = 4040 * blocks + 10 * rest;
    return twice > 14 ? twice - 14 : 0;
}

FileResult ConvertFile(CMessageBoxOwner& parent, std::filesystem::path source,
                       std::filesystem::path destination) {
    CFileOpener files;
    return ConvertFile(parent, source, destination, files);
}

FileResult ConvertFile(CMessageBoxOwner& parent, const std::filesystem::path& source,
                       const std::filesystem::path& destination, CFileOpener& files,
                       const SinkMaker& makeSink) {
    CADCPMObj src;
    std::unique_ptr<CByteStream> input = files.Open(source, false);
    if (!input)
        return FileResult::Unopened(ErrorReason(errno));
    try {
        if (!src.Open(std::move(input), false))
            return FileResult::Unopened(src.m_file ? src.m_file->FailureReason() : std::string());
    } catch (const CWAVException& e) {
        return FileResult::Refused(e.m_message);
    }

    // Known before the destination exists, so a source too long for a WAV
    // file leaves nothing behind.
    const std::uint64_t declared = DeclaredDataSize(src.GetDataSize());
    if (declared > MaxDeclaredDataSize)
        return ReportTooLong(parent, source);

    // Written beside the destination and put in its place once complete: a
    // failure leaves an existing file as it was, and a link there is replaced.
    std::unique_ptr<CByteStream> output = files.OpenReplacing(destination);
    if (!output)
        return AskToSkipDestination(parent, destination, ErrorReason(errno));
    // A WAV file states the declared size, whatever follows; the title tag of
    // an encoded one is the source's title, which names the destination too.
    std::unique_ptr<CSampleSink> sink =
        makeSink
            ? makeSink(std::move(output), destination.stem().string())
            : std::make_unique<CWavSink>(std::move(output), static_cast<std::uint32_t>(declared));
    // A failure removes what was written; its reason is read first.
    const auto giveUp = [&] {
        sink.reset();
        files.Remove(destination);
        return FileResult::Failed();
    };
    const auto cannotWrite = [&] {
        const std::string reason = sink ? sink->FailureReason() : std::string();
        giveUp();
        return ReportCannotWrite(parent, destination, reason);
    };
    // A job given up removes what it wrote, whether a pump or a long pause saw it.
    const auto writeFailed = [&] { return JobAbandoned() ? giveUp() : cannotWrite(); };
    // The output keeps the recording's speed.
    const std::uint32_t rate = src.GetSampleRate() != 0 ? src.GetSampleRate() : FallbackSampleRate;
    if (!sink || !sink->Begin(rate))
        return cannotWrite();

    // The detector's state: a WAV file never opened, counting a phrase's bytes.
    CWAVObj phrase;
    phrase.InitPcmHeader(0);
    phrase.SetSampleRate(rate);
    std::uint64_t written = 0;
    // Blocks are read and decoded a few at a time, side by side, and then
    // written one by one as ReadBlock would have delivered them.
    std::array<SampleBuffer, CADCPMObj::MaxBlocksTogether> buffers;
    for (SampleBuffer& buffer : buffers)
        buffer.ResizeAndClear(InitialBufferBytes);
    std::uint32_t n = 0;
    for (bool more = true; more;) {
        const int got = src.ReadBlocks(buffers.data(), CADCPMObj::MaxBlocksTogether);
        more = got == CADCPMObj::MaxBlocksTogether;
        for (int i = 0; i < got; ++i, ++n) {
            if (n % BlocksPerPump == 0) {
                PumpMessages();
                if (JobAbandoned())
                    return giveUp();
            }
            const SampleBuffer& block = buffers[static_cast<std::size_t>(i)];
            if (const auto pause = FindPhraseEnd(phrase, block, PauseSettings{})) {
                if (!WriteSilenceInPieces(*sink, *pause / 2, rate))
                    return writeFailed();
                written += *pause;
            }
            const auto length = static_cast<std::uint32_t>(block.length);
            if (!sink->Write(block.data.get(), length / 2))
                return writeFailed();
            phrase.m_dwPhraseBytes += length;
            written += length;
        }
    }
    // ReadBlock says false at the end and on a read error alike; only the file knows which.
    if (src.HasFileError()) {
        giveUp();
        return ReportCannotRead(parent, source);
    }

    // The last phrase's pause is the silence up to the declared size.
    if (declared > written && !WriteSilenceInPieces(*sink, (declared - written) / 2, rate))
        return writeFailed();
    if (!sink->Finish())
        return cannotWrite();
    sink.reset();
    if (!files.Commit(destination))
        return ReportCannotWrite(parent, destination, ErrorReason(errno));
    return FileResult::Converted();
}
