#include "media/MediaLibrary.h"

#include "audio/WAVException.h"
#include "media/plugin/MediaPlugin.h"

#include <dlfcn.h>
#include <system_error>

namespace {

struct Module {
    bool tried = false;
    std::string error;
    decltype(&BrellowOpenMediaSource) openSource = nullptr;
    decltype(&BrellowMakeEncodingStream) makeEncoder = nullptr;
    decltype(&BrellowMakeEncoderSink) makeEncoderSink = nullptr;
    decltype(&BrellowMakeTimeStretcher) makeStretcher = nullptr;
};

Module& TheModule() {
    static Module module;
    return module;
}

// Beside the program in the build tree; where it is installed otherwise.
std::filesystem::path FindModule() {
    std::error_code ec;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
    const std::filesystem::path folder = program.parent_path();
    for (const std::filesystem::path& candidate :
         {folder / BRELLOW_MEDIA_MODULE, folder / BRELLOW_MEDIA_INSTALLED})
        if (std::filesystem::exists(candidate, ec))
            return candidate;
    return folder / BRELLOW_MEDIA_INSTALLED;
}

} // namespace

bool MediaLibrary::Load(std::string& reason) {
    Module& module = TheModule();
    if (!module.tried) {
        module.tried = true;
        const std::filesystem::path path = FindModule();
        // Kept for the life of the program: the objects it makes live that long.
        void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        const auto version = handle ? reinterpret_cast<decltype(&BrellowMediaInterface)>(
                                          ::dlsym(handle, "BrellowMediaInterface"))
                                    : nullptr;
        if (!handle) {
            module.error = ::dlerror();
        } else if (!version || version() != BRELLOW_MEDIA_INTERFACE) {
            module.error = path.string() + " belongs to another version of the program";
        } else {
            module.openSource = reinterpret_cast<decltype(&BrellowOpenMediaSource)>(
                ::dlsym(handle, "BrellowOpenMediaSource"));
            module.makeEncoder = reinterpret_cast<decltype(&BrellowMakeEncodingStream)>(
                ::dlsym(handle, "BrellowMakeEncodingStream"));
            module.makeEncoderSink = reinterpret_cast<decltype(&BrellowMakeEncoderSink)>(
                ::dlsym(handle, "BrellowMakeEncoderSink"));
            module.makeStretcher = reinterpret_cast<decltype(&BrellowMakeTimeStretcher)>(
                ::dlsym(handle, "BrellowMakeTimeStretcher"));
        }
    }
    reason = module.error;
    return module.openSource != nullptr && module.makeEncoder != nullptr &&
           module.makeEncoderSink != nullptr && module.makeStretcher != nullptr;
}

std::unique_ptr<CSampleSource> MediaLibrary::OpenSource(std::unique_ptr<CByteStream> stream,
                                                        const std::filesystem::path& path) {
    std::string reason;
    if (!Load(reason))
        throw CWAVException("FFmpeg's libraries cannot be loaded: " + reason);
    char told[256];
    std::unique_ptr<CSampleSource> source(
        TheModule().openSource(stream.release(), path.c_str(), told, sizeof told));
    if (!source && told[0] != '\0')
        throw CWAVException(told);
    return source;
}

std::unique_ptr<CByteStream> MediaLibrary::MakeEncoder(std::unique_ptr<CByteStream> output,
                                                       OutputFormat format, int bitrateKbps,
                                                       const std::string& title) {
    std::string reason;
    if (!output || !Load(reason))
        return nullptr;
    return std::unique_ptr<CByteStream>(TheModule().makeEncoder(
        output.release(), static_cast<int>(format), bitrateKbps, title.c_str()));
}

std::unique_ptr<CSampleSink> MediaLibrary::MakeEncoderSink(std::unique_ptr<CByteStream> output,
                                                           OutputFormat format, int bitrateKbps,
                                                           const std::string& title) {
    std::string reason;
    if (!output || !Load(reason))
        return nullptr;
    return std::unique_ptr<CSampleSink>(TheModule().makeEncoderSink(
        output.release(), static_cast<int>(format), bitrateKbps, title.c_str()));
}

std::unique_ptr<CTimeStretcher> MediaLibrary::MakeStretcher(std::uint32_t rate, double tempo) {
    std::string reason;
    if (!Load(reason))
        return nullptr;
    return std::unique_ptr<CTimeStretcher>(TheModule().makeStretcher(rate, tempo));
}
