#include "media/plugin/FfmpegLog.h"

extern "C" {
#include <libavutil/log.h>
}

void QuietFfmpegLog() {
    av_log_set_level(AV_LOG_QUIET);
}
