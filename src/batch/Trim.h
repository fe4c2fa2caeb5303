#pragma once

#include <string>

// Removes leading and trailing white space from text, in place.
void Trim(std::string& text);
