#include "batch/Trim.h"

namespace {

// The white space that the string class's Trim removes.
bool IsTrimmed(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

} // namespace

void Trim(std::string& text) {
    std::size_t end = text.size();
    while (end > 0 && IsTrimmed(text[end - 1]))
        --end;
    std::size_t begin = 0;
    while (begin < end && IsTrimmed(text[begin]))
        ++begin;
    text = text.substr(begin, end - begin);
}
