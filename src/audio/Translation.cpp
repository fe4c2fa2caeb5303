#include "audio/Translation.h"

#include <utility>

namespace {

Translator& Installed() {
    static Translator translator;
    return translator;
}

} // namespace

std::string Tr(const char* context, const char* text) {
    if (const auto& translator = Installed())
        return translator(context, text);
    return text;
}

Translator SetTranslator(Translator translator) {
    return std::exchange(Installed(), std::move(translator));
}

std::string FormatText(const std::string& text, std::initializer_list<std::string> args) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const auto index = static_cast<std::size_t>(next - '1');
        if (text[i] == '%' && next >= '1' && next <= '9' && index < args.size()) {
            result += *(args.begin() + index);
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}
