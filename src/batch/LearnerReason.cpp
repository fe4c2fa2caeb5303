#include "batch/LearnerReason.h"

#include "audio/Translation.h"

#include <optional>
#include <string_view>
#include <vector>

// The catalogue tool's marker for a text translated elsewhere; the same as Qt's own.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace {

// What FFmpeg's module says, "%1" and "%2" standing for its own words. A
// pattern with no placeholder matches only the whole reason.
const char* const Patterns[] = {
    QT_TRANSLATE_NOOP("Media", "the file is empty"),
    QT_TRANSLATE_NOOP("Media", "the file is not a recording in a format that can be read"),
    QT_TRANSLATE_NOOP("Media", "the file is not a recording in a format that can be read "
                               "(FFmpeg reads it as %1)"),
    QT_TRANSLATE_NOOP("Media", "the file holds no audio"),
    QT_TRANSLATE_NOOP("Media", "its audio is in a format that cannot be decoded"),
    QT_TRANSLATE_NOOP("Media", "its audio is in a format that cannot be decoded (%1)"),
    QT_TRANSLATE_NOOP("Media", "its audio is in a format that cannot be decoded: %1"),
    QT_TRANSLATE_NOOP("Media", "the recording is damaged and cannot be decoded"),
    QT_TRANSLATE_NOOP("Media", "the recording is damaged and cannot be decoded: %1"),
    QT_TRANSLATE_NOOP("Media", "the recording is cut short: the file ends before it does"),
    QT_TRANSLATE_NOOP("Media", "no audio could be decoded from it"),
    QT_TRANSLATE_NOOP("Media", "the recording changes its sample rate part way through"),
    QT_TRANSLATE_NOOP("Media", "the recording has more than the 64 channels that can be mixed"),
    QT_TRANSLATE_NOOP("Media", "out of memory"),
    QT_TRANSLATE_NOOP("Media", "the recording could not be opened"),
    QT_TRANSLATE_NOOP("Media", "the recording could not be opened: out of memory"),
    QT_TRANSLATE_NOOP("Media", "the recording's sample rate of %1 Hz is outside the 1 kHz to "
                               "768 kHz that can be converted"),
    QT_TRANSLATE_NOOP("Media", "FFmpeg's libraries cannot be loaded: %1"),
    QT_TRANSLATE_NOOP("Media", "FFmpeg's libraries have no encoder %1"),
    QT_TRANSLATE_NOOP("Media", "FFmpeg's libraries have no muxer %1"),
    QT_TRANSLATE_NOOP("Media", "the encoder %1 refused its settings: %2"),
    QT_TRANSLATE_NOOP("Media", "the encoder %1 does not take its options: %2"),
    QT_TRANSLATE_NOOP("Media", "the encoder %1 failed: %2"),
    QT_TRANSLATE_NOOP("Media", "no resampler to %1 Hz could be made: %2"),
    QT_TRANSLATE_NOOP("Media", "the resampler failed: %1"),
    QT_TRANSLATE_NOOP("Media", "the muxer could not be made: %1"),
    QT_TRANSLATE_NOOP("Media", "the muxer %1 could not begin the file: %2"),
    QT_TRANSLATE_NOOP("Media", "the muxer %1 could not write: %2"),
    QT_TRANSLATE_NOOP("Media", "the muxer %1 could not end the file: %2"),
};

// The words in place of the placeholders when reason has the pattern's
// shape: its texts between them in order, the first at the start, the last at the end.
std::optional<std::vector<std::string>> Match(std::string_view pattern, std::string_view reason) {
    std::vector<std::string_view> texts;
    for (std::size_t at = 0;;) {
        const std::size_t mark = pattern.find('%', at);
        texts.push_back(pattern.substr(at, mark == std::string_view::npos ? mark : mark - at));
        if (mark == std::string_view::npos)
            break;
        at = mark + 2;
    }
    const std::string_view last = texts.back();
    if (!reason.starts_with(texts.front()) || !reason.ends_with(last) ||
        reason.size() < texts.front().size() + (texts.size() > 1 ? last.size() : 0))
        return std::nullopt;
    if (texts.size() == 1)
        return reason == texts.front() ? std::optional(std::vector<std::string>()) : std::nullopt;
    std::vector<std::string> words;
    std::string_view rest = reason.substr(texts.front().size());
    rest.remove_suffix(last.size());
    for (std::size_t i = 1; i + 1 < texts.size(); ++i) {
        const std::size_t found = rest.find(texts[i]);
        if (found == std::string_view::npos)
            return std::nullopt;
        words.emplace_back(rest.substr(0, found));
        rest.remove_prefix(found + texts[i].size());
    }
    words.emplace_back(rest);
    for (const std::string& word : words)
        if (word.empty())
            return std::nullopt;
    return words;
}

} // namespace

std::string LearnerReason(const std::string& reason) {
    for (const char* pattern : Patterns)
        if (const auto words = Match(pattern, reason)) {
            const std::string translated = Tr("Media", pattern);
            if (words->size() == 1)
                return FormatText(translated, {(*words)[0]});
            if (words->size() == 2)
                return FormatText(translated, {(*words)[0], (*words)[1]});
            return translated;
        }
    return reason;
}
