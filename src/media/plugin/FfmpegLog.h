#pragma once

#include <string>

// FFmpeg's libraries print nothing: their messages would land on our terminal
// in the middle of the job's own. The last error they log is kept instead, one
// for each thread, so that a failure can be told in FFmpeg's own words.
void CaptureFfmpegLog();

// Forgets the error logged so far: called before a step whose failure is told.
void ClearFfmpegMessage();

// FFmpeg's reason for a failure that returned error: the last error it logged
// since ClearFfmpegMessage, or else the text of the error code.
std::string FfmpegReason(int error);
