#include "media/JobConverter.h"

#include "batch/PracticeConverter.h"
#include "batch/Subtitles.h"
#include "deck/AnkiDeck.h"
#include "media/EncodedConverter.h"
#include "media/MediaLibrary.h"

#include <algorithm>

std::unique_ptr<CFileConverter> MakeJobConverter(const JobOptions& options, PauseReporter report,
                                                 CPhraseListener* listener) {
    std::unique_ptr<CFileConverter> exact = std::make_unique<CFileConverter>();
    TunedMedia media;
    media.report = std::move(report);
    media.listener = listener;
    media.makeStretcher = MediaLibrary::MakeStretcher;
    media.writeDeck = WriteAnkiDeck;
    if (options.anyFormat)
        media.makeSamples = MediaLibrary::OpenSource;
    if (const std::optional<OutputFormat> format = options.outputFormat) {
        const int bitrate = options.bitrateKbps.value_or(0);
        exact = std::make_unique<CEncodedConverter>(std::move(exact), *format, bitrate,
                                                    MediaLibrary::MakeEncoder);
        media.makeSink = [format, bitrate](std::unique_ptr<CByteStream> output,
                                           const std::string& title) {
            return MediaLibrary::MakeEncoderSink(std::move(output), *format, bitrate, title);
        };
    }
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
