#include "batch/TunedConversion.h"

#include "audio/ADCPMObj.h"
#include "audio/WAVException.h"
#include "audio/WAVObj.h"
#include "batch/ConversionMessages.h"
#include "batch/ConvertFile.h"
#include "pause/MessagePump.h"
#include "pause/QuietLimits.h"

#include <algorithm>
#include <cstring>

namespace {

// The size of a decoded ADPCM block, which the detector's figures were made for.
constexpr std::uint32_t SamplesPerBlock = 1010;

class CAdpcmSamples final : public CSampleSource {
public:
    std::uint32_t SampleRate() override {
        const std::uint32_t rate = m_source.GetSampleRate();
        return rate != 0 ? rate : FallbackSampleRate;
    }
    bool ReadSamples(SampleBuffer& out) override { return m_source.ReadBlock(out); }
    bool ReadFailed() override { return m_source.HasFileError(); }
    std::string DecodeFailure() override { return {}; }

    CADCPMObj m_source;
};

// The recording's samples in blocks of the same size, the last one shorter.
class CBlocks {
public:
    explicit CBlocks(CSampleSource& samples) : m_samples(samples), m_block(2 * SamplesPerBlock) {}

    // The next block, or null at the end.
    SampleBuffer* Next() {
        m_block.length = 0;
        while (m_block.length < static_cast<std::int32_t>(m_block.capacity) && !m_bEnded) {
            if (m_nTaken == static_cast<std::size_t>(m_chunk.length)) {
                m_nTaken = 0;
                m_bEnded = !m_samples.ReadSamples(m_chunk);
                continue;
            }
            const std::size_t take =
                std::min(m_block.capacity - static_cast<std::size_t>(m_block.length),
                         static_cast<std::size_t>(m_chunk.length) - m_nTaken);
            std::memcpy(m_block.data.get() + m_block.length, m_chunk.data.get() + m_nTaken, take);
            m_block.length += static_cast<std::int32_t>(take);
            m_nTaken += take;
        }
        return m_block.length > 0 ? &m_block : nullptr;
    }

private:
    CSampleSource& m_samples;
    SampleBuffer m_block;
    SampleBuffer m_chunk;
    std::size_t m_nTaken = 0;
    bool m_bEnded = false;
};

// The output: a PCM file whose sizes are known only at its end, counted in
// 64 bits so that a recording too long for it is told, not wrapped.
class CTunedOutput {
public:
    CTunedOutput(CWAVObj& file, const PauseSettings& settings, std::uint32_t rate)
        : m_file(file), m_settings(settings), m_nRate(rate) {}

    enum class Result { Written, TooLong, Failed };

    Result Begin() {
        m_file.InitPcmHeader(0);
        m_file.SetSampleRate(m_nRate);
        return m_file.WriteHeader() ? Result::Written : Result::Failed;
    }

    Result Block(SampleBuffer& block, std::int16_t maxQuiet) {
        const std::optional<std::uint64_t> pause =
            FindPhraseEnd(m_file, block, m_settings, maxQuiet);
        m_nPauses += pause ? 1 : 0;
        if (const Result result = Add(pause.value_or(0) + static_cast<std::uint32_t>(block.length));
            result != Result::Written)
            return result;
        return (!pause || m_file.WriteLongSilence(*pause)) && m_file.Write(block, true)
                   ? Result::Written
                   : Result::Failed;
    }

    // The pauses written so far.
    std::uint64_t Pauses() const { return m_nPauses; }

    // The last phrase's pause, then the sizes into the header.
    Result End() {
        if (m_file.m_dwPhraseBytes > 0) {
            const std::uint64_t pause = m_settings.PauseBytes(m_file.m_dwPhraseBytes, m_nRate);
            if (const Result result = Add(pause); result != Result::Written)
                return result;
            if (!m_file.WriteLongSilence(pause))
                return Result::Failed;
            ++m_nPauses;
        }
        m_file.InitPcmHeader(static_cast<std::uint32_t>(m_nTotal));
        m_file.SetSampleRate(m_nRate);
        return m_file.m_file->Seek(0) && m_file.WriteHeader() && m_file.Close() ? Result::Written
                                                                                : Result::Failed;
    }

private:
    Result Add(std::uint64_t bytes) {
        m_nTotal += bytes;
        return m_nTotal > MaxDeclaredDataSize ? Result::TooLong : Result::Written;
    }

    CWAVObj& m_file;
    const PauseSettings& m_settings;
    std::uint32_t m_nRate;
    std::uint64_t m_nTotal = 0;
    std::uint64_t m_nPauses = 0;
};

} // namespace

std::unique_ptr<CSampleSource> MakeAdpcmSamples(std::unique_ptr<CByteStream> stream,
                                                const std::filesystem::path& /*path*/) {
    auto samples = std::make_unique<CAdpcmSamples>();
    if (!samples->m_source.Open(std::move(stream), false))
        return nullptr;
    return samples;
}

bool ConvertTuned(CMessageBoxOwner& parent, const std::filesystem::path& source,
                  const std::filesystem::path& destination, CFileOpener& files,
                  const PauseSettings& settings, const SampleSourceMaker& makeSamples,
                  const PauseReporter& reporter) {
    std::unique_ptr<CByteStream> input = files.Open(source, false);
    std::unique_ptr<CSampleSource> samples =
        input ? makeSamples(std::move(input), source) : nullptr;
    if (!samples)
        return AskToSkipSource(parent, source);

    CWAVObj dst;
    if (!dst.Open(files.Open(destination, true), true))
        return AskToSkipDestination(parent, destination);
    // Whatever stops the conversion leaves no half-made practice file behind.
    const auto removeOutput = [&] {
        dst.Close();
        dst.m_file.reset();
        files.Remove(destination);
    };
    const auto fail = [&](CTunedOutput::Result result) {
        removeOutput();
        return result == CTunedOutput::Result::TooLong ? ReportTooLong(parent, source)
                                                       : ReportCannotWrite(parent, destination);
    };

    CTunedOutput output(dst, settings, samples->SampleRate());
    if (const auto result = output.Begin(); result != CTunedOutput::Result::Written)
        return fail(result);
    CQuietLimits limits(*samples, settings);
    CBlocks blocks(limits);
    std::uint32_t n = 0;
    for (SampleBuffer* block; (block = blocks.Next()) != nullptr; ++n) {
        if (n % BlocksPerPump == 0)
            PumpMessages();
        if (const auto result = output.Block(*block, limits.NextBlock(block->length));
            result != CTunedOutput::Result::Written)
            return fail(result);
    }
    if (samples->ReadFailed()) {
        removeOutput();
        return ReportCannotRead(parent, source);
    }
    if (const std::string failure = samples->DecodeFailure(); !failure.empty()) {
        removeOutput();
        throw CWAVException(failure);
    }
    if (const auto result = output.End(); result != CTunedOutput::Result::Written)
        return fail(result);
    if (reporter) {
        PauseReport report = limits.Report();
        report.pauses = output.Pauses();
        reporter(source, report);
    }
    return true;
}
