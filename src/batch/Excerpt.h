#pragma once

#include <string>

// A piece of an input line fit to quote in a message: at most 60 characters
// (an ellipsis says more followed), control characters shown escaped, so
// that a crafted line can neither flood the message nor steer a terminal.
std::string Excerpt(const std::string& line);
