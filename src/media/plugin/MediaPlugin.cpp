#include "media/plugin/MediaPlugin.h"

#include "audio/WAVException.h"
#include "media/plugin/EncoderSink.h"
#include "media/plugin/EncodingStream.h"
#include "media/plugin/MediaSource.h"
#include "media/plugin/TempoStretcher.h"

#include <cstring>
#include <memory>

namespace {

void Tell(const std::string& text, char* reason, std::size_t reasonSize) {
    if (reasonSize == 0)
        return;
    const std::size_t n = std::min(text.size(), reasonSize - 1);
    std::memcpy(reason, text.data(), n);
    reason[n] = '\0';
}

} // namespace

extern "C" {

__attribute__((visibility("default"))) int BrellowMediaInterface() {
    return BRELLOW_MEDIA_INTERFACE;
}

__attribute__((visibility("default"))) CSampleSource*
BrellowOpenMediaSource(CByteStream* stream, const char* path, char* reason,
                       std::size_t reasonSize) {
    Tell("", reason, reasonSize);
    try {
        return CMediaSource::Open(std::unique_ptr<CByteStream>(stream), path).release();
    } catch (const CWAVException& e) {
        Tell(e.m_message, reason, reasonSize);
    } catch (const std::exception&) {
        Tell("the recording could not be opened", reason, reasonSize);
    }
    return nullptr;
}

__attribute__((visibility("default"))) CByteStream*
BrellowMakeEncodingStream(CByteStream* output, int format, int bitrateKbps, const char* title) {
    std::unique_ptr<CByteStream> owned(output);
    try {
        return new CEncodingStream(std::move(owned), static_cast<OutputFormat>(format), bitrateKbps,
                                   title);
    } catch (const std::exception&) {
        return nullptr; // no memory
    }
}

__attribute__((visibility("default"))) CSampleSink*
BrellowMakeEncoderSink(CByteStream* output, int format, int bitrateKbps, const char* title) {
    std::unique_ptr<CByteStream> owned(output);
    try {
        return new CEncoderSink(std::move(owned), static_cast<OutputFormat>(format), bitrateKbps,
                                title);
    } catch (const std::exception&) {
        return nullptr; // no memory
    }
}

__attribute__((visibility("default"))) CTimeStretcher* BrellowMakeTimeStretcher(unsigned rate,
                                                                                double tempo) {
    try {
        return CTempoStretcher::Make(rate, tempo).release();
    } catch (const std::exception&) {
        return nullptr; // no memory
    }
}
}
