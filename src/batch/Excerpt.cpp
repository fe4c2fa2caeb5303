#include "batch/Excerpt.h"

#include <cstdio>

namespace {

constexpr std::size_t MaxCharacters = 60;

// A UTF-8 continuation byte: part of the character before it.
bool Continues(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

} // namespace

std::string Excerpt(const std::string& line) {
    std::string out;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const auto c = static_cast<unsigned char>(line[i]);
        if (!Continues(c) && characters++ == MaxCharacters)
            return out + "...";
        char escaped[8] = "";
        if (c < 0x20 || c == 0x7F)
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
        // U+0080 to U+009F, which some terminals take as commands too.
        else if (c == 0xC2 && i + 1 < line.size() &&
                 Continues(static_cast<unsigned char>(line[i + 1])) &&
                 static_cast<unsigned char>(line[i + 1]) < 0xA0)
            std::snprintf(escaped, sizeof escaped, "\\u%04X",
                          static_cast<unsigned char>(line[++i]));
        if (escaped[0] != 0) {
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}
