#pragma once

// Silences FFmpeg's libraries: their messages would land on our terminal in
// the middle of the job's own; every failure reaches us as a return code.
void QuietFfmpegLog();
