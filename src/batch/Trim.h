#pragma once

#include <string>

// Removes leading and trailing white space from UTF-8 text, in place: ASCII
// and Unicode white space alike.
void Trim(std::string& text);
