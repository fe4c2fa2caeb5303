#include "media/plugin/MediaPlugin.h"

#include "audio/WAVException.h"
#include "media/plugin/EncoderSink.h"
#include "media/plugin/MediaSource.h"

#include <cstring>
#include <memory>
#include <new>
#include <string_view>

namespace {

void CopyReason(std::string_view text, char* reason, std::size_t reasonSize) noexcept {
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
BrellowOpenMediaSource(CByteStream* stream, const char* path, int (*abandoned)(), char* reason,
                       std::size_t reasonSize) {
    CopyReason("", reason, reasonSize);
    std::unique_ptr<CByteStream> owned(stream);
    try {
        return CMediaSource::OpenInterruptible(std::move(owned), path, abandoned).release();
    } catch (const CWAVException& e) {
        CopyReason(e.m_message, reason, reasonSize);
    } catch (const std::bad_alloc&) {
        CopyReason("the recording could not be opened: out of memory", reason, reasonSize);
    } catch (...) {
        CopyReason("the recording could not be opened", reason, reasonSize);
    }
    return nullptr;
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
}
