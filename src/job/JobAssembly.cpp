#include "job/JobAssembly.h"

#include "batch/PracticeConverter.h"
#include "batch/Trim.h"
#include "deck/AnkiDeck.h"
#include "media/MediaLibrary.h"

#include <algorithm>

std::unique_ptr<CFileConverter> MakeJobConverter(const JobOptions& options, PauseReporter report,
                                                 CPhraseListener* listener,
                                                 std::shared_ptr<const CJobSubtitles> subtitles) {
    TunedMedia media;
    media.report = std::move(report);
    media.listener = listener;
    media.subtitles = std::move(subtitles);
    media.makeStretcher = MediaLibrary::MakeStretcher;
    media.writeDeck = WriteAnkiDeck;
    if (options.anyFormat)
        media.makeSamples = MediaLibrary::OpenSource;
    // Both conversions encode into the same sinks; WAV files are each one's own.
    SinkMaker encode;
    if (const std::optional<OutputFormat> format = options.outputFormat) {
        const int bitrate = options.bitrateKbps.value_or(0);
        encode = [format, bitrate](std::unique_ptr<CByteStream> output, const std::string& title) {
            return MediaLibrary::MakeEncoderSink(std::move(output), *format, bitrate, title);
        };
        media.makeSink = encode;
    }
    auto exact = std::make_unique<CFileConverter>(std::move(encode));
    return std::make_unique<CPracticeConverter>(options, std::move(media), std::move(exact));
}

JobAssembly AssembleJob(const JobOptions& options, const std::string& source, PauseReporter report,
                        CPhraseListener* listener) {
    JobAssembly job;
    if (NeedsMediaLibrary(options) && !MediaLibrary::Load(job.reason)) {
        job.refusal = JobAssembly::Refusal::MediaLibrary;
        return job;
    }
    auto subtitles = std::make_shared<CJobSubtitles>();
    std::unique_ptr<CFileConverter> converter =
        MakeJobConverter(options, std::move(report), listener, subtitles);
    // Trimmed, as the run takes the source.
    std::string taken = source;
    Trim(taken);
    job.sources = CSourceListing(taken);
    std::vector<std::filesystem::path> sources;
    for (const ListedFile& file : job.sources.Files(converter->FolderPattern()))
        sources.emplace_back(file.path);
    CFileOpener files;
    job.reason = subtitles->Read(files, sources, options.phrasesFrom, options.phrasesFromSrt);
    if (!job.reason.empty())
        job.refusal = JobAssembly::Refusal::Subtitles;
    else
        job.converter = std::move(converter);
    return job;
}

bool NeedsMediaLibrary(const JobOptions& options) {
    const bool stretched = std::any_of(options.passes.begin(), options.passes.end(),
                                       [](double tempo) { return tempo != 1; });
    return options.anyFormat || options.outputFormat.has_value() || stretched;
}
