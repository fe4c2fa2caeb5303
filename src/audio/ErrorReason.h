#pragma once

#include <string>

// The system's reason for a failed file operation, as the learner reads it:
// "No space left on device", "Read-only file system", "Permission denied",
// in the window's language where Qt's own catalogue has the text. Empty for 0.
std::string ErrorReason(int error);
