#include "media/MediaLibrary.h"

#include "audio/WAVException.h"
#include "media/plugin/MediaPlugin.h"
#include "pause/MessagePump.h"

#include <dlfcn.h>
#include <mutex>
#include <system_error>

namespace fs = std::filesystem;

namespace {

struct Module {
    bool tried = false;
    std::string error;
    fs::path path;
    decltype(&BrellowOpenMediaSource) openSource = nullptr;
    decltype(&BrellowMakeEncoderSink) makeEncoderSink = nullptr;
};

// The stretcher's module, loaded from beside the other the first time a pass needs it.
struct StretchModule {
    bool tried = false;
    decltype(&BrellowMakeTimeStretcher) makeStretcher = nullptr;
};

Module& TheModule() {
    static Module module;
    return module;
}

// Workers of one job may be the first to need a module at the same moment.
std::mutex& Loading() {
    static std::mutex loading;
    return loading;
}

// The entry point name of the module at path; null, with the reason in error
// unless it holds one already, when there is none.
template <typename Function>
Function Entry(void* handle, const char* name, const fs::path& path, std::string& error) {
    const auto found = reinterpret_cast<Function>(::dlsym(handle, name));
    if (!found && error.empty())
        error = path.string() + " has no entry point " + name;
    return found;
}

// Opens the module at path and checks its version; null, with the reason in error, when it cannot.
void* OpenModule(const fs::path& path, std::string& error) {
    // A relative name would be looked for from the current folder, where
    // anybody may have left a file of that name.
    if (!path.is_absolute()) {
        error = path.string() + " is not an absolute path";
        return nullptr;
    }
    // Kept for the life of the program: the objects it makes live that long.
    void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* told = ::dlerror();
        error = told ? told : path.string() + " cannot be opened";
        return nullptr;
    }
    const auto version =
        Entry<decltype(&BrellowMediaInterface)>(handle, "BrellowMediaInterface", path, error);
    if (version && version() != BRELLOW_MEDIA_INTERFACE)
        error = path.string() + " belongs to another version of the program";
    return handle;
}

Module LoadModule(const fs::path& path) {
    Module module;
    module.tried = true;
    module.path = path;
    void* handle = OpenModule(path, module.error);
    if (!handle)
        return module;
    module.openSource = Entry<decltype(&BrellowOpenMediaSource)>(handle, "BrellowOpenMediaSource",
                                                                 path, module.error);
    module.makeEncoderSink = Entry<decltype(&BrellowMakeEncoderSink)>(
        handle, "BrellowMakeEncoderSink", path, module.error);
    if (!module.error.empty()) {
        ::dlclose(handle);
        Module failed;
        failed.tried = true;
        failed.error = module.error;
        return failed;
    }
    return module;
}

// The first of the places that holds a file; the last place when none does.
fs::path FindModule() {
    std::error_code ec;
    const fs::path program = fs::read_symlink("/proc/self/exe", ec);
    const std::vector<fs::path> places = MediaLibrary::ModulePlaces(ec ? fs::path() : program);
    for (const fs::path& place : places)
        if (fs::exists(place, ec))
            return place;
    return places.back();
}

// FFmpeg's waits end once the job has been given up.
int Abandoned() {
    return JobAbandoned() ? 1 : 0;
}

} // namespace

std::vector<fs::path> MediaLibrary::ModulePlaces(const fs::path& program) {
    std::vector<fs::path> places;
    if (program.is_absolute()) {
        const fs::path folder = program.parent_path();
        places.push_back(folder / BRELLOW_MEDIA_MODULE); // the build tree
        places.push_back((folder / BRELLOW_MEDIA_INSTALLED).lexically_normal());
    }
    for (const fs::path fixed : {BRELLOW_MEDIA_PREFIX_PATH, BRELLOW_MEDIA_PACKAGE_PATH})
        if (places.empty() || places.back() != fixed)
            places.push_back(fixed);
    return places;
}

std::string MediaLibrary::ModuleProblem(const fs::path& path) {
    return LoadModule(path).error;
}

bool MediaLibrary::Load(std::string& reason) {
    const std::scoped_lock lock(Loading());
    Module& module = TheModule();
    if (!module.tried)
        module = LoadModule(FindModule());
    reason = module.error;
    return module.error.empty();
}

std::string MediaLibrary::LoadFailure(const std::string& reason) {
    return "FFmpeg's libraries cannot be loaded: " + reason;
}

std::unique_ptr<CSampleSource> MediaLibrary::OpenSource(std::unique_ptr<CByteStream> stream,
                                                        const fs::path& path) {
    std::string reason;
    if (!Load(reason))
        throw CWAVException(LoadFailure(reason));
    char told[256];
    std::unique_ptr<CSampleSource> source(
        TheModule().openSource(stream.release(), path.c_str(), Abandoned, told, sizeof told));
    if (!source && told[0] != '\0')
        throw CWAVException(told);
    return source;
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
    static StretchModule stretch;
    {
        const std::scoped_lock lock(Loading());
        if (!stretch.tried) {
            stretch.tried = true;
            const fs::path path = TheModule().path.parent_path() / BRELLOW_STRETCH_MODULE;
            if (void* handle = OpenModule(path, reason)) {
                stretch.makeStretcher = Entry<decltype(&BrellowMakeTimeStretcher)>(
                    handle, "BrellowMakeTimeStretcher", path, reason);
                if (!reason.empty()) {
                    stretch.makeStretcher = nullptr;
                    ::dlclose(handle);
                }
            }
        }
    }
    if (!stretch.makeStretcher)
        return nullptr;
    return std::unique_ptr<CTimeStretcher>(stretch.makeStretcher(rate, tempo));
}
