#include "media/MediaLibrary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <dlfcn.h>

extern "C" {
#include <libavutil/log.h>
}

TEST(MediaLibrary, TheModuleIsLookedForByAbsolutePathsAndAFailureToLoadItNamesItsReason) {
    for (const std::filesystem::path program : {"", "bin/brellow-cli", "/opt/bin/brellow-cli"}) {
        const auto places = MediaLibrary::ModulePlaces(program);
        EXPECT_TRUE(std::all_of(places.begin(), places.end(), [](const auto& p) {
            return p.is_absolute();
        })) << program;
        EXPECT_EQ(places.at(0) == "/opt/bin/brellow-media.so", program.is_absolute()) << program;
    }
    Dl_info ffmpeg{}; // FFmpeg's own library: no module of ours
    ASSERT_NE(::dladdr(reinterpret_cast<void*>(&av_log), &ffmpeg), 0);
    const std::string library = ffmpeg.dli_fname, missing = "/nowhere/brellow-media.so";
    for (const auto& [module, reason] :
         {std::pair<std::string, std::string>{"brellow-media.so", " is not an absolute path"},
          {missing, ": cannot open shared object file: No such file or directory"},
          {library, " has no entry point BrellowMediaInterface"}})
        EXPECT_EQ(MediaLibrary::ModuleProblem(module), module + reason);
}
