#include "batch/TunedConversion.h"

#include "audio/ADCPMObj.h"
#include "audio/ErrorReason.h"
#include "audio/SourceRate.h"
#include "audio/WAVException.h"
#include "audio/WAVObj.h"
#include "audio/WavSink.h"
#include "batch/ClipWriter.h"
#include "batch/ConversionMessages.h"
#include "batch/ConvertFile.h"
#include "batch/LabelWriter.h"
#include "batch/PhraseCutter.h"
#include "batch/Subtitles.h"
#include "pause/MessagePump.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
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
    std::string FailureReason() override { return {}; }

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

// The subtitle files the job may read for source.
std::vector<std::filesystem::path> SubtitlesOf(const std::filesystem::path& source,
                                               const JobOptions& options) {
    if (!options.phrasesFrom.empty())
        return {options.phrasesFrom};
    if (options.phrasesFromSrt)
        return SubtitlesBeside(source);
    return {};
}

// Whether path names the file read (by another name too: a link, a letter case).
bool IsRead(const std::filesystem::path& path, const std::filesystem::path& read) {
    std::error_code ec;
    return !read.empty() && (path.lexically_normal() == read.lexically_normal() ||
                             std::filesystem::equivalent(path, read, ec));
}

// The phrases of the subtitles the options name for source, if any: those
// the job read, or else read now. CWAVException when they cannot be read.
std::optional<std::vector<CuePhrase>> CuePhrasesOf(CFileOpener& files,
                                                   const std::filesystem::path& source,
                                                   const JobOptions& options,
                                                   const CJobSubtitles* read, std::uint32_t rate) {
    const SourceSubtitles* subtitles = read ? read->Of(source) : nullptr;
    SourceSubtitles readNow;
    if (!subtitles) {
        // Beside the source, subtitles may be missing: then the detector finds the phrases.
        readNow.cues = ReadSourceSubtitles(files, source, options.phrasesFrom,
                                           options.phrasesFromSrt, readNow.error);
        subtitles = &readNow;
    }
    if (!subtitles->error.empty())
        throw CWAVException(subtitles->error);
    if (!subtitles->cues)
        return std::nullopt;
    return CuePhrases(*subtitles->cues, rate, SamplesPerBlock);
}

// When the lesson last changed: its recording, or the subtitles it may take.
std::int64_t LessonModified(const std::filesystem::path& source, const JobOptions& options) {
    std::int64_t newest = 0;
    std::vector<std::filesystem::path> paths = SubtitlesBeside(source);
    paths.insert(paths.begin(), {source, std::filesystem::path(options.phrasesFrom)});
    for (const std::filesystem::path& path : paths) {
        std::error_code ec;
        const auto time = std::filesystem::last_write_time(path, ec);
        if (!ec)
            newest = std::max<std::int64_t>(
                newest, std::chrono::duration_cast<std::chrono::seconds>(
                            std::chrono::file_clock::to_sys(time).time_since_epoch())
                            .count());
    }
    return newest;
}

// The label file, complete, waiting to replace one of its name: "", or why it is not.
std::string WriteLabels(CFileOpener& files, const std::filesystem::path& path,
                        const std::string& text) {
    std::unique_ptr<CByteStream> stream = files.OpenReplacing(path);
    if (stream && stream->Write(text.data(), text.size()) && stream->Close())
        return {};
    std::string reason = stream ? stream->FailureReason() : ErrorReason(errno);
    stream.reset();
    files.Remove(path);
    return reason.empty() ? ErrorReason(EIO) : reason;
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

namespace {

// ConvertTuned, but a recording or subtitles it does not take leave as CWAVException.
FileResult ConvertTunedOrThrow(CMessageBoxOwner& parent, const std::filesystem::path& source,
                               const std::filesystem::path& destination, CFileOpener& files,
                               const JobOptions& options, const TunedMedia& media) {
    std::unique_ptr<CByteStream> input = files.Open(source, false);
    const std::string unopened = input ? std::string() : ErrorReason(errno);
    std::unique_ptr<CSampleSource> samples =
        input ? media.makeSamples(std::move(input), source) : nullptr;
    if (!samples) // an opening cut short by an abandoned job is no question
        return JobAbandoned() ? FileResult::Failed() : FileResult::Unopened(unopened);
    const std::uint32_t rate = samples->SampleRate();
    const std::optional<std::vector<CuePhrase>> cuePhrases =
        CuePhrasesOf(files, source, options, media.subtitles.get(), rate);
    std::optional<std::vector<std::uint64_t>> cueEnds;
    PhraseTexts texts;
    if (cuePhrases) {
        cueEnds.emplace();
        texts.emplace();
        for (const CuePhrase& phrase : *cuePhrases) {
            cueEnds->push_back(phrase.end);
            texts->push_back(phrase.text);
        }
    }
    std::filesystem::path labelFile = destination;
    labelFile.replace_extension(LabelExtension(options.labels));
    // Labels never take the place of what the job reads.
    const auto read = SubtitlesOf(source, options);
    if (options.labels != LabelFormat::None &&
        (IsRead(labelFile, source) || std::any_of(read.begin(), read.end(), [&](const auto& p) {
             return IsRead(labelFile, p);
         })))
        return AskToSkipDestination(parent, labelFile, "the job reads this file");

    // An existing practice file of that name stays until this one is complete.
    std::unique_ptr<CByteStream> output = files.OpenReplacing(destination);
    if (!output)
        return AskToSkipDestination(parent, destination, ErrorReason(errno));
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
        std::string details = sink ? sink->FailureReason() : std::string();
        // The clips' folder is named when a clip failed rather than the practice file.
        const bool clipFailed = details.empty() && clips && !clips->FailureReason().empty();
        const std::filesystem::path failed = clipFailed ? clips->Folder() : destination;
        if (clipFailed)
            details = clips->FailureReason();
        removeOutput();
        if (JobAbandoned()) // a long pause saw it: nothing to report
            return FileResult::Failed();
        return result == CPracticeWriter::Result::TooLong
                   ? ReportTooLong(parent, source)
                   : ReportCannotWrite(parent, failed, details);
    };

    if (!sink || !sink->Begin(rate))
        return fail(CPracticeWriter::Result::Failed);
    CPhraseStore store(destination.parent_path(), media.phraseMemoryLimit);
    CPracticeWriter writer(*sink, options, rate, store, media.makeStretcher, &texts);
    CLabelWriter labels(options.labels, rate, options.passes.size(), &texts);
    if (options.labels != LabelFormat::None)
        writer.Listen(labels);
    if (media.listener)
        writer.Listen(*media.listener);
    if (options.clips) {
        clips.emplace(files, source, destination, media.makeSink, rate, &texts, media.writeDeck);
        if (!clips->Open()) {
            const std::string reason = ErrorReason(errno);
            removeOutput();
            return AskToSkipDestination(parent, clips->Folder(), reason);
        }
        clips->SetModified(LessonModified(source, options));
        writer.Listen(*clips);
    }
    CDetector detector(rate, cueEnds);
    // The quiet limit of each block, which may follow the recording a few seconds ahead.
    CQuietLimits limits(*samples, options.pauses);
    CBlocks blocks(limits);
    // A phrase that reaches the longest length is cut, its subtitles' text with the first part.
    const std::uint64_t maxBlocks =
        options.maxPhraseSeconds
            ? std::max<std::uint64_t>(
                  1, static_cast<std::uint64_t>(*options.maxPhraseSeconds * rate / SamplesPerBlock))
            : 0;
    CPhraseCutter cutter(maxBlocks, &texts);
    const auto write = [&] {
        CPhraseCutter::Block due;
        while (cutter.Pop(due))
            if (const auto result = writer.Block(due.samples.data(), due.samples.size() / 2,
                                                 due.phraseEndsBefore, due.speech);
                result != CPracticeWriter::Result::Written)
                return result;
        return CPracticeWriter::Result::Written;
    };
    std::uint32_t n = 0;
    for (SampleBuffer* block; (block = blocks.Next()) != nullptr; ++n) {
        if (n % BlocksPerPump == 0)
            PumpMessages();
        if (JobAbandoned())
            return fail(CPracticeWriter::Result::Failed);
        const std::int16_t maxQuiet = limits.NextBlock(block->length);
        const bool ends = detector.PhraseEndsBefore(*block, options.pauses, maxQuiet);
        const auto count = static_cast<std::size_t>(block->length / 2);
        cutter.Push(block->data.get(), count, ends,
                    FindLoudSpan(block->data.get(), count, maxQuiet));
        if (const auto result = write(); result != CPracticeWriter::Result::Written)
            return fail(result);
    }
    cutter.End();
    if (const auto result = write(); result != CPracticeWriter::Result::Written)
        return fail(result);
    if (samples->ReadFailed()) {
        removeOutput();
        return ReportCannotRead(parent, source);
    }
    if (const std::string failure = samples->FailureReason(); !failure.empty()) {
        removeOutput();
        throw CWAVException(failure);
    }
    if (const auto result = writer.End(); result != CPracticeWriter::Result::Written)
        return fail(result);
    if (!sink->Finish() || (clips && !clips->Finish()))
        return fail(CPracticeWriter::Result::Failed);
    sink.reset();
    if (options.labels != LabelFormat::None) {
        if (const std::string reason = WriteLabels(files, labelFile, labels.Text());
            !reason.empty()) {
            removeOutput();
            return ReportCannotWrite(parent, labelFile, reason);
        }
    }
    // The clips first, the folder being the likeliest to fail: then the old
    // practice file and labels stay with the old clips. A commit that failed
    // has removed its own temporary.
    const auto dropLabels = [&] {
        if (options.labels != LabelFormat::None)
            files.Remove(labelFile);
    };
    if (clips && !clips->Commit()) {
        const std::string reason = ErrorReason(errno);
        removeOutput();
        dropLabels();
        return ReportCannotWrite(parent, clips->Folder(), reason);
    }
    if (!files.Commit(destination)) {
        const std::string reason = ErrorReason(errno);
        dropLabels();
        return ReportCannotWrite(parent, destination, reason);
    }
    if (options.labels != LabelFormat::None && !files.Commit(labelFile))
        return ReportCannotWrite(parent, labelFile, ErrorReason(errno));
    if (media.report) {
        PauseReport report = limits.Report();
        report.pauses = writer.Pauses();
        report.longestPhraseSeconds = double(writer.LongestPhrase()) / rate;
        media.report(source, report);
    }
    return FileResult::Converted();
}

} // namespace

FileResult ConvertTuned(CMessageBoxOwner& parent, const std::filesystem::path& source,
                        const std::filesystem::path& destination, CFileOpener& files,
                        const JobOptions& options, const TunedMedia& media) {
    try {
        return ConvertTunedOrThrow(parent, source, destination, files, options, media);
    } catch (const CWAVException& e) {
        return FileResult::Refused(e.m_message);
    }
}
