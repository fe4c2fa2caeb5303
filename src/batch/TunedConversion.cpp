#include "batch/TunedConversion.h"

#include "audio/ADCPMObj.h"
#include "audio/SourceRate.h"
#include "audio/WAVException.h"
#include "audio/WAVObj.h"
#include "audio/WavSink.h"
#include "batch/ClipWriter.h"
#include "batch/ConversionMessages.h"
#include "batch/ConvertFile.h"
#include "batch/LabelWriter.h"
#include "batch/Subtitles.h"
#include "pause/MessagePump.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace {

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

// Where phrases end: found by the detector, or given by subtitles. The
// detector's state is a WAV file never opened, which counts a phrase's bytes
// as the written file would.
class CDetector {
public:
    CDetector(std::uint32_t rate, std::optional<std::vector<std::uint64_t>> cueEnds)
        : m_cueEnds(std::move(cueEnds)) {
        m_state.InitPcmHeader(0);
        m_state.SetSampleRate(rate);
    }

    // Whether a phrase ends before the block, whose samples are quiet up to
    // maxQuiet; then the block is counted.
    bool PhraseEndsBefore(const SampleBuffer& block, const PauseSettings& settings,
                          std::int16_t maxQuiet) {
        bool ends = false;
        if (m_cueEnds) {
            ends = m_nNextCue < m_cueEnds->size() && (*m_cueEnds)[m_nNextCue] == m_nAt;
            m_nNextCue += ends ? 1 : 0;
            m_nAt += static_cast<std::uint64_t>(block.length / 2);
        } else {
            ends = FindPhraseEnd(m_state, block, settings, maxQuiet).has_value();
            m_state.m_dwPhraseBytes += static_cast<std::uint32_t>(block.length);
        }
        return ends;
    }

private:
    CWAVObj m_state;
    std::optional<std::vector<std::uint64_t>> m_cueEnds; // sample by sample, each a block's start
    std::size_t m_nNextCue = 0;
    std::uint64_t m_nAt = 0;
};

// The phrase ends of the subtitles the options name for source, if any.
// CWAVException when they cannot be read.
std::optional<std::vector<std::uint64_t>> CueEnds(CFileOpener& files,
                                                  const std::filesystem::path& source,
                                                  const JobOptions& options, std::uint32_t rate) {
    std::filesystem::path subtitles = options.phrasesFrom;
    if (subtitles.empty() && options.phrasesFromSrt)
        subtitles = std::filesystem::path(source).replace_extension(".srt");
    if (subtitles.empty())
        return std::nullopt;
    std::string error;
    // Beside the source, subtitles may be missing: then the detector finds the phrases.
    const std::optional<std::vector<SubtitleCue>> cues =
        ReadSubtitles(files, subtitles, options.phrasesFrom.empty(), error);
    if (!error.empty())
        throw CWAVException(error);
    if (!cues)
        return std::nullopt;
    return PhraseEndsOfCues(*cues, rate, SamplesPerBlock);
}

// The label file, complete, waiting to replace one of its name.
bool WriteLabels(CFileOpener& files, const std::filesystem::path& path, const std::string& text) {
    std::unique_ptr<CByteStream> stream = files.OpenReplacing(path);
    if (stream && stream->Write(text.data(), text.size()) && stream->Close())
        return true;
    stream.reset();
    files.Remove(path);
    return false;
}

} // namespace

std::unique_ptr<CSampleSource> MakeAdpcmSamples(std::unique_ptr<CByteStream> stream,
                                                const std::filesystem::path& /*path*/) {
    auto samples = std::make_unique<CAdpcmSamples>();
    if (!samples->m_source.Open(std::move(stream), false))
        return nullptr;
    if (const std::string refusal = SourceRateRefusal(samples->SampleRate()); !refusal.empty())
        throw CWAVException(refusal);
    return samples;
}

std::unique_ptr<CSampleSink> MakeWavSink(std::unique_ptr<CByteStream> stream,
                                         const std::string& /*title*/) {
    return std::make_unique<CWavSink>(std::move(stream));
}

bool ConvertTuned(CMessageBoxOwner& parent, const std::filesystem::path& source,
                  const std::filesystem::path& destination, CFileOpener& files,
                  const PauseSettings& settings, const SampleSourceMaker& makeSamples) {
    JobOptions options;
    options.pauses = settings;
    TunedMedia media;
    media.makeSamples = makeSamples;
    return ConvertTuned(parent, source, destination, files, options, media);
}

bool ConvertTuned(CMessageBoxOwner& parent, const std::filesystem::path& source,
                  const std::filesystem::path& destination, CFileOpener& files,
                  const JobOptions& options, const TunedMedia& media) {
    std::unique_ptr<CByteStream> input = files.Open(source, false);
    std::unique_ptr<CSampleSource> samples =
        input ? media.makeSamples(std::move(input), source) : nullptr;
    if (!samples) // an opening cut short by an abandoned job is no question
        return !JobAbandoned() && AskToSkipSource(parent, source);
    const std::uint32_t rate = samples->SampleRate();
    const std::optional<std::vector<std::uint64_t>> cueEnds = CueEnds(files, source, options, rate);

    // An existing practice file of that name stays until this one is complete.
    std::unique_ptr<CByteStream> output = files.OpenReplacing(destination);
    if (!output)
        return AskToSkipDestination(parent, destination);
    // The title tag is the source's title, which names the destination too.
    std::unique_ptr<CSampleSink> sink =
        media.makeSink(std::move(output), destination.stem().string());
    std::optional<CClipWriter> clips;
    // Whatever stops the conversion leaves no half-made practice file behind,
    // nor clips or labels of it.
    const auto removeOutput = [&] {
        sink.reset();
        files.Remove(destination);
        if (clips)
            clips->Discard();
    };
    const auto fail = [&](CPracticeWriter::Result result) {
        const std::string details = sink ? sink->Failure() : std::string();
        removeOutput();
        if (JobAbandoned()) // a long pause saw it: nothing to report
            return false;
        return result == CPracticeWriter::Result::TooLong
                   ? ReportTooLong(parent, source)
                   : ReportCannotWrite(parent, destination, details);
    };

    if (!sink || !sink->Begin(rate))
        return fail(CPracticeWriter::Result::Failed);
    CPhraseStore store(destination.parent_path(), media.phraseMemoryLimit);
    CPracticeWriter writer(*sink, options, rate, store, media.makeStretcher);
    CLabelWriter labels(options.labels, rate, options.passes.size());
    if (options.labels != LabelFormat::None)
        writer.Listen(labels);
    if (media.listener)
        writer.Listen(*media.listener);
    if (options.clips) {
        clips.emplace(files, destination, media.makeSink, rate);
        if (!clips->Open())
            return fail(CPracticeWriter::Result::Failed);
        writer.Listen(*clips);
    }
    CDetector detector(rate, cueEnds);
    // The quiet limit of each block, which may follow the recording a few seconds ahead.
    CQuietLimits limits(*samples, options.pauses);
    CBlocks blocks(limits);
    std::uint32_t n = 0;
    for (SampleBuffer* block; (block = blocks.Next()) != nullptr; ++n) {
        if (n % BlocksPerPump == 0)
            PumpMessages();
        if (JobAbandoned())
            return fail(CPracticeWriter::Result::Failed);
        const bool ends =
            detector.PhraseEndsBefore(*block, options.pauses, limits.NextBlock(block->length));
        if (const auto result =
                writer.Block(block->data.get(), static_cast<std::size_t>(block->length / 2), ends);
            result != CPracticeWriter::Result::Written)
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
    if (const auto result = writer.End(); result != CPracticeWriter::Result::Written)
        return fail(result);
    if (!sink->Finish() || (clips && !clips->Finish()))
        return fail(CPracticeWriter::Result::Failed);
    sink.reset();
    std::filesystem::path labelFile = destination;
    labelFile.replace_extension(LabelExtension(options.labels));
    if (options.labels != LabelFormat::None && !WriteLabels(files, labelFile, labels.Text())) {
        removeOutput();
        return ReportCannotWrite(parent, labelFile);
    }
    // The practice file first: what comes with it is of no use without it.
    if (!files.Commit(destination)) {
        removeOutput();
        if (options.labels != LabelFormat::None)
            files.Remove(labelFile);
        return ReportCannotWrite(parent, destination);
    }
    if (options.labels != LabelFormat::None && !files.Commit(labelFile))
        return ReportCannotWrite(parent, labelFile);
    if (clips && !clips->Commit())
        return ReportCannotWrite(parent, clips->Folder());
    if (media.report) {
        PauseReport report = limits.Report();
        report.pauses = writer.Pauses();
        media.report(source, report);
    }
    return true;
}
