#include "batch/Trim.h"

#include <string_view>

namespace {

// Unicode's white space, in UTF-8: the ASCII controls and space, next line,
// the no-break spaces, the space separators and the line and paragraph
// separators. Paths are pasted from anywhere, web pages and CJK text included.
constexpr std::string_view WhiteSpace[] = {
    " ",      "\t",     "\n",     "\v",     "\f",     "\r",     "\u0085", "\u00A0", "\u1680",
    "\u2000", "\u2001", "\u2002", "\u2003", "\u2004", "\u2005", "\u2006", "\u2007", "\u2008",
    "\u2009", "\u200A", "\u2028", "\u2029", "\u202F", "\u205F", "\u3000",
};

std::size_t LeadingSpace(std::string_view text) {
    for (const std::string_view space : WhiteSpace)
        if (text.starts_with(space))
            return space.size();
    return 0;
}

std::size_t TrailingSpace(std::string_view text) {
    for (const std::string_view space : WhiteSpace)
        if (text.ends_with(space))
            return space.size();
    return 0;
}

} // namespace

void Trim(std::string& text) {
    // Each form starts with a lead byte, so a match always begins a character.
    std::string_view kept = text;
    while (const std::size_t size = TrailingSpace(kept))
        kept.remove_suffix(size);
    while (const std::size_t size = LeadingSpace(kept))
        kept.remove_prefix(size);
    text = std::string(kept);
}
