#include "media/plugin/FfmpegLog.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <mutex>

extern "C" {
#include <libavutil/error.h>
#include <libavutil/log.h>
}

namespace {

// A fixed buffer: the callback runs inside FFmpeg, where nothing may throw.
thread_local char t_message[256];

// FFmpeg's own format strings, checked where FFmpeg logs them.
__attribute__((format(printf, 3, 0))) void
KeepErrorLine(void* /*context*/, int level, const char* format, std::va_list arguments) {
    if (level > AV_LOG_ERROR)
        return;
    char line[sizeof t_message];
    std::vsnprintf(line, sizeof line, format, arguments);
    // One line, without the newline that ends it; an empty one keeps the one before.
    line[std::strcspn(line, "\r\n")] = '\0';
    if (line[0] != '\0')
        std::memcpy(t_message, line, sizeof line);
}

} // namespace

void CaptureFfmpegLog() {
    // Once: files converted side by side would otherwise set FFmpeg's globals together.
    static std::once_flag once;
    std::call_once(once, [] {
        av_log_set_level(AV_LOG_ERROR);
        av_log_set_callback(KeepErrorLine);
    });
}

void ClearFfmpegMessage() {
    t_message[0] = '\0';
}

std::string FfmpegReason(int error) {
    if (t_message[0] != '\0')
        return t_message;
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(error, text, sizeof text);
    return text;
}
