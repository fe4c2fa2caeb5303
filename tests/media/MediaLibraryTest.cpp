#include "media/MediaLibrary.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

extern "C" {
#include <libavutil/log.h>
}

TEST(MediaLibrary, TheModuleIsLookedForByAbsolutePathsAndAFailureToLoadItNamesItsReason) {
    for (const std::filesystem::path program : {"", "bin/brellow-cli", "/opt/bin/brellow-cli"}) {
        const auto places = MediaLibrary::ModulePlaces(program);
        for (const auto& place : places)
            EXPECT_TRUE(place.is_absolute()) << program << ": " << place;
        EXPECT_EQ(places.at(0) == "/opt/bin/brellow-media.so", program.is_absolute()) << program;
    }
    Dl_info ffmpeg{}; // FFmpeg's own library: no module of ours
    ASSERT_NE(::dladdr(reinterpret_cast<void*>(&av_log), &ffmpeg), 0);
    for (const auto& [module, reason] :
         {std::pair<std::string, std::string>{"brellow-media.so", " is not an absolute path"},
          {"/nowhere/brellow-media.so",
           ": cannot open shared object file: No such file or directory"},
          {ffmpeg.dli_fname, " has no entry point BrellowMediaInterface"}})
        EXPECT_EQ(MediaLibrary::ModuleProblem(module), module + reason);
}
