#include "media/JobConverter.h"

#include "batch/PracticeConverter.h"
#include "batch/Subtitles.h"
#include "deck/AnkiDeck.h"
#include "media/MediaLibrary.h"

#include <algorithm>

std::unique_ptr<CFileConverter> MakeJobConverter(const JobOptions& options, PauseReporter report,
                                                 CPhraseListener* listener) {
    TunedMedia media;
    media.report = std::move(report);
    media.listener = listener;
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

std::string JobRefusal(const JobOptions& options, const std::string& source,
                       const CFileConverter& converter) {
    return CheckJobSubtitles(source, converter.FolderPattern(), options.phrasesFromSrt,
                             options.phrasesFrom);
}

bool NeedsMediaLibrary(const JobOptions& options) {
    const bool stretched = std::any_of(options.passes.begin(), options.passes.end(),
                                       [](double tempo) { return tempo != 1; });
    return options.anyFormat || options.outputFormat.has_value() || stretched;
}
