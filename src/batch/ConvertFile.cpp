#include "batch/ConvertFile.h"

#include "audio/ADCPMObj.h"
#include "audio/ErrorReason.h"
#include "audio/WAVException.h"
#include "audio/WAVObj.h"
#include "batch/ConversionMessages.h"
#include "pause/MessagePump.h"

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
                       const std::filesystem::path& destination, CFileOpener& files) {
    CADCPMObj src;
    CWAVObj dst;

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
    if (!dst.Open(files.OpenReplacing(destination), true))
        return AskToSkipDestination(parent, destination, ErrorReason(errno));

    dst.InitPcmHeader(static_cast<std::uint32_t>(declared));
    // The output keeps the recording's speed.
    const std::uint32_t rate = src.GetSampleRate();
    dst.SetSampleRate(rate != 0 ? rate : FallbackSampleRate);
    // A failure removes what was written; its reason is read first.
    const auto cannotWrite = [&] {
        const std::string reason = dst.m_file ? dst.m_file->FailureReason() : std::string();
        dst.Close();
        dst.m_file.reset();
        files.Remove(destination);
        return ReportCannotWrite(parent, destination, reason);
    };
    if (!dst.WriteHeader())
        return cannotWrite();

    // A job given up removes what it wrote, whether a pump or a long pause saw it.
    const auto giveUp = [&] {
        dst.Close();
        dst.m_file.reset();
        files.Remove(destination);
        return FileResult::Failed();
    };
    const auto writeFailed = [&] { return JobAbandoned() ? giveUp() : cannotWrite(); };

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
            if (!dst.WriteWithPauses(buffers[static_cast<std::size_t>(i)]))
                return writeFailed();
        }
    }
    // ReadBlock says false at the end and on a read error alike; only the file knows which.
    if (src.HasFileError()) {
        giveUp();
        return ReportCannotRead(parent, source);
    }

    const std::uint64_t written = dst.m_dwBytesWritten;
    const std::uint64_t target = dst.GetDataSize();
    if (target > written && !dst.WriteLongSilence(target - written))
        return writeFailed();
    if (!dst.Close())
        return cannotWrite();
    if (!files.Commit(destination))
        return ReportCannotWrite(parent, destination, ErrorReason(errno));
    return FileResult::Converted();
}
