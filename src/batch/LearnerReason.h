#pragma once

#include <string>

// A reason as the learner reads it. FFmpeg's module words its reasons in
// English, outside the catalogue's reach; those it is known to give come back
// translated, with FFmpeg's own words (a codec's name, its error) kept as they
// are. Any other reason is returned unchanged.
std::string LearnerReason(const std::string& reason);
