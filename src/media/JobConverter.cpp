#include "media/JobConverter.h"

#include "batch/TunedConversion.h"
#include "media/AnyFormatConverter.h"
#include "media/EncodedConverter.h"
#include "media/MediaLibrary.h"

std::unique_ptr<CFileConverter> MakeJobConverter(const JobOptions& options) {
    std::optional<PauseSettings> tuning;
    if (options.tuned)
        tuning = options.pauses;
    std::unique_ptr<CFileConverter> converter;
    if (options.anyFormat)
        converter = std::make_unique<CAnyFormatConverter>(tuning);
    else if (tuning)
        converter = std::make_unique<CTunedConverter>(*tuning);
    else
        converter = std::make_unique<CFileConverter>();
    if (options.outputFormat)
        converter = std::make_unique<CEncodedConverter>(std::move(converter), *options.outputFormat,
                                                        options.bitrateKbps.value_or(0),
                                                        MediaLibrary::MakeEncoder);
    return converter;
}

bool NeedsMediaLibrary(const JobOptions& options) {
    return options.anyFormat || options.outputFormat.has_value();
}
