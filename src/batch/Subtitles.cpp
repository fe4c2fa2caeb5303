#include "batch/Subtitles.h"

#include "batch/FileFind.h"

#include <algorithm>
#include <cctype>
#include <cinttypes>
#include <cstdio>
#include <memory>

namespace {

// Far above any lesson's subtitles; a larger file is not read into memory.
constexpr std::int64_t MaxSubtitleBytes = 16 * 1024 * 1024;

std::string Trimmed(const std::string& line) {
    const auto first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    return line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
}

bool AllDigits(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

// "HH:MM:SS,mmm" (or with a full stop) in milliseconds; false when it is not one.
bool ParseTime(const std::string& text, std::uint64_t& ms) {
    const std::size_t first = text.find(':');
    const std::size_t second = first == std::string::npos ? first : text.find(':', first + 1);
    const std::size_t mark = text.find_first_of(",.");
    if (second == std::string::npos || mark == std::string::npos || mark < second)
        return false;
    const std::string parts[] = {text.substr(0, first), text.substr(first + 1, second - first - 1),
                                 text.substr(second + 1, mark - second - 1), text.substr(mark + 1)};
    if (!AllDigits(parts[0]) || parts[0].size() > 6 || parts[1].size() != 2 ||
        parts[2].size() != 2 || parts[3].size() != 3 || !AllDigits(parts[1]) ||
        !AllDigits(parts[2]) || !AllDigits(parts[3]))
        return false;
    const std::uint64_t minutes = std::stoull(parts[1]);
    const std::uint64_t seconds = std::stoull(parts[2]);
    if (minutes > 59 || seconds > 59)
        return false;
    ms = ((std::stoull(parts[0]) * 60 + minutes) * 60 + seconds) * 1000 + std::stoull(parts[3]);
    return true;
}

} // namespace

std::string SubRipTime(std::uint64_t ms) {
    char text[40];
    std::snprintf(text, sizeof text, "%02" PRIu64 ":%02" PRIu64 ":%02" PRIu64 ",%03" PRIu64,
                  ms / 3600000, ms / 60000 % 60, ms / 1000 % 60, ms % 1000);
    return text;
}

std::vector<SubtitleCue> ParseSubRip(const std::string& text, std::string& error) {
    std::vector<SubtitleCue> cues;
    enum class Expect { Number, Times, Text } expect = Expect::Number;
    std::size_t lineNumber = 0;
    const auto fail = [&](const std::string& what) {
        error = "line " + std::to_string(lineNumber) + ": " + what;
        return std::vector<SubtitleCue>{};
    };
    std::size_t from = text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    while (from <= text.size()) {
        const std::size_t end = std::min(text.find('\n', from), text.size());
        const std::string line = Trimmed(text.substr(from, end - from));
        from = end + 1;
        ++lineNumber;
        if (expect == Expect::Text) {
            if (line.empty())
                expect = Expect::Number;
            else
                cues.back().text += (cues.back().text.empty() ? "" : " ") + line;
            continue;
        }
        if (line.empty())
            continue;
        // The number is often left out; a line of times stands for it.
        if (expect == Expect::Number && line.find("-->") == std::string::npos) {
            if (!AllDigits(line))
                return fail("a cue number or a line of times was expected, not '" + line + "'");
            expect = Expect::Times;
            continue;
        }
        const std::size_t arrow = line.find("-->");
        if (arrow == std::string::npos)
            return fail("'-->' between two times was expected");
        SubtitleCue cue{};
        const std::string start = Trimmed(line.substr(0, arrow));
        std::string stop = Trimmed(line.substr(arrow + 3));
        stop = stop.substr(0, stop.find_first_of(" \t")); // a position may follow
        if (!ParseTime(start, cue.startMs) || !ParseTime(stop, cue.endMs))
            return fail("a time such as 00:01:02,500 was expected");
        if (cue.endMs < cue.startMs)
            return fail("the cue ends before it starts");
        cues.push_back(cue);
        expect = Expect::Text;
    }
    if (expect == Expect::Times)
        return fail("the file ends before the cue's times");
    if (cues.empty()) {
        error = "it holds no cues";
        return {};
    }
    return cues;
}

std::optional<std::vector<SubtitleCue>> ReadSubtitles(CFileOpener& files,
                                                      const std::filesystem::path& path,
                                                      bool mayBeMissing, std::string& error) {
    const auto cannot = [&](const std::string& why) {
        error = "The subtitles '" + path.string() + "' cannot be read: " + why;
        return std::vector<SubtitleCue>{};
    };
    error.clear();
    const std::unique_ptr<CByteStream> stream = files.Open(path, false);
    if (!stream && mayBeMissing)
        return std::nullopt;
    const std::int64_t size = stream ? stream->Size() : -1;
    if (size < 0)
        return cannot("the file cannot be opened");
    if (size > MaxSubtitleBytes)
        return cannot("the file is too large for subtitles");
    std::string text(static_cast<std::size_t>(size), '\0');
    if (stream->Read(text.data(), text.size()) != text.size() || stream->Failed())
        return cannot("the file cannot be opened");
    std::string why;
    std::vector<SubtitleCue> cues = ParseSubRip(text, why);
    if (cues.empty())
        return cannot(why);
    return cues;
}

std::vector<std::uint64_t> PhraseEndsOfCues(std::vector<SubtitleCue> cues, std::uint32_t rate,
                                            std::uint32_t blockSamples) {
    std::sort(cues.begin(), cues.end(),
              [](const SubtitleCue& a, const SubtitleCue& b) { return a.startMs < b.startMs; });
    std::vector<std::uint64_t> ends;
    for (std::size_t i = 0; i < cues.size();) {
        std::uint64_t end = cues[i].endMs;
        // Overlapping cues are one stretch of speech.
        for (++i; i < cues.size() && cues[i].startMs < end; ++i)
            end = std::max(end, cues[i].endMs);
        const std::uint64_t sample = (end * rate + 999) / 1000;
        const std::uint64_t boundary = (sample + blockSamples - 1) / blockSamples * blockSamples;
        if (boundary > 0 && (ends.empty() || ends.back() < boundary))
            ends.push_back(boundary);
    }
    return ends;
}

std::string CheckJobSubtitles(const std::string& source, const std::string& folderPattern,
                              bool phrasesFromSrt, const std::string& phrasesFrom) {
    CFileOpener files;
    std::string error;
    if (!phrasesFrom.empty()) {
        ReadSubtitles(files, phrasesFrom, false, error);
        return error;
    }
    if (!phrasesFromSrt)
        return {};
    std::error_code ec;
    const bool folder = std::filesystem::is_directory(source, ec);
    CFileFind finder;
    for (bool more = finder.FindFile(source, folder ? "/" + folderPattern : ""); more;) {
        more = finder.FindNextFile();
        if (finder.IsDirectory())
            continue;
        ReadSubtitles(files, std::filesystem::path(finder.GetFilePath()).replace_extension(".srt"),
                      true, error);
        if (!error.empty())
            return error;
    }
    return {};
}
