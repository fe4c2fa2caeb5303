#include "media/plugin/MediaPlugin.h"
#include "media/plugin/TempoStretcher.h"

#include <exception>

extern "C" {

__attribute__((visibility("default"))) int BrellowMediaInterface() {
    return BRELLOW_MEDIA_INTERFACE;
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
