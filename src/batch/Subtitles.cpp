#include "batch/Subtitles.h"

#include "audio/Translation.h"
#include "batch/Excerpt.h"

#include <algorithm>
#include <cctype>
#include <cinttypes>
#include <cstdio>
#include <memory>
#include <string_view>
#include <utility>

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

// "MM:SS.mmm" or "HH:MM:SS.mmm", WebVTT's times, in milliseconds; false when it is not one.
bool ParseVttTime(const std::string& text, std::uint64_t& ms) {
    const std::size_t colons = static_cast<std::size_t>(std::count(text.begin(), text.end(), ':'));
    if (colons == 1)
        return text.find(',') == std::string::npos && ParseTime("0:" + text, ms);
    return colons == 2 && text.find(',') == std::string::npos && ParseTime(text, ms);
}

// A subtitle text's lines, trimmed and numbered from 1, after a byte order mark.
class CLines {
public:
    explicit CLines(const std::string& text)
        : m_text(text), m_nFrom(text.starts_with("\xEF\xBB\xBF") ? 3 : 0) {}

    bool Next(std::string& line) {
        if (m_nFrom > m_text.size())
            return false;
        const std::size_t end = std::min(m_text.find('\n', m_nFrom), m_text.size());
        line = Trimmed(m_text.substr(m_nFrom, end - m_nFrom));
        m_nFrom = end + 1;
        ++m_nNumber;
        return true;
    }
    std::size_t Number() const { return m_nNumber; }

private:
    const std::string& m_text;
    std::size_t m_nFrom;
    std::size_t m_nNumber = 0;
};

// A line of a cue's text as shown: tags (<i>, <v Anna>, <00:01.000>) left
// out, the common entities read, and control characters, which would break
// the lines of the files the text goes into, made spaces.
std::string CueTextLine(const std::string& line) {
    static const std::pair<std::string_view, char> entities[] = {
        {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&nbsp;", ' '}, {"&quot;", '"'}};
    std::string text;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '<' && line.find('>', i) != std::string::npos) {
            i = line.find('>', i);
            continue;
        }
        const auto entity =
            std::find_if(std::begin(entities), std::end(entities), [&](const auto& e) {
                return std::string_view(line).substr(i).starts_with(e.first);
            });
        if (c == '&' && entity != std::end(entities)) {
            text += entity->second;
            i += entity->first.size() - 1;
            continue;
        }
        text += static_cast<unsigned char>(c) < 0x20 || c == 0x7f ? ' ' : c;
    }
    return Trimmed(text);
}

void AddCueText(SubtitleCue& cue, const std::string& line) {
    const std::string text = CueTextLine(line);
    if (!text.empty())
        cue.text += (cue.text.empty() ? "" : " ") + text;
}

// The times of a line "start --> end", settings after them allowed; "" when
// they are taken, or what is wrong.
std::string ParseTimes(const std::string& line, bool (*parse)(const std::string&, std::uint64_t&),
                       const char* example, SubtitleCue& cue) {
    const std::size_t arrow = line.find("-->");
    if (arrow == std::string::npos)
        return Tr("Subtitles", "'-->' between two times was expected");
    const std::string start = Trimmed(line.substr(0, arrow));
    std::string stop = Trimmed(line.substr(arrow + 3));
    stop = stop.substr(0, stop.find_first_of(" \t")); // a position may follow
    if (!parse(start, cue.startMs) || !parse(stop, cue.endMs))
        return FormatText(Tr("Subtitles", "a time such as %1 was expected"), {example});
    if (cue.endMs < cue.startMs)
        return Tr("Subtitles", "the cue ends before it starts");
    return {};
}

std::vector<SubtitleCue> Failed(std::string& error, std::size_t line, const std::string& what) {
    error = FormatText(Tr("Subtitles", "line %1: %2"), {std::to_string(line), what});
    return {};
}

// The cues of a text read to its end, or none when it ends in the middle
// of one (waiting for its times) or holds none.
std::vector<SubtitleCue> Ended(std::vector<SubtitleCue> cues, bool awaitingTimes,
                               const CLines& lines, std::string& error) {
    if (awaitingTimes)
        return Failed(error, lines.Number(),
                      Tr("Subtitles", "the file ends before the cue's times"));
    if (cues.empty())
        error = Tr("Subtitles", "it holds no cues");
    return cues;
}

bool HasExtension(const std::filesystem::path& path, std::string_view extension) {
    std::string ext = path.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == extension;
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
    CLines lines(text);
    for (std::string line; lines.Next(line);) {
        if (expect == Expect::Text) {
            if (line.empty())
                expect = Expect::Number;
            else
                AddCueText(cues.back(), line);
            continue;
        }
        if (line.empty())
            continue;
        // The number is often left out; a line of times stands for it.
        if (expect == Expect::Number && line.find("-->") == std::string::npos) {
            if (!AllDigits(line))
                return Failed(error, lines.Number(),
                              FormatText(Tr("Subtitles", "a cue number or a line of times was "
                                                         "expected, not '%1'"),
                                         {Excerpt(line)}));
            expect = Expect::Times;
            continue;
        }
        SubtitleCue cue{};
        if (const std::string why = ParseTimes(line, ParseTime, "00:01:02,500", cue); !why.empty())
            return Failed(error, lines.Number(), why);
        cues.push_back(cue);
        expect = Expect::Text;
    }
    return Ended(std::move(cues), expect == Expect::Times, lines, error);
}

std::vector<SubtitleCue> ParseWebVtt(const std::string& text, std::string& error) {
    std::vector<SubtitleCue> cues;
    CLines lines(text);
    std::string line;
    if (!lines.Next(line) || !line.starts_with("WEBVTT") ||
        (line.size() > 6 && line[6] != ' ' && line[6] != '\t'))
        return Failed(error, 1, Tr("Subtitles", "'WEBVTT' was expected"));
    // The header, a cue, or a block of notes, styles or regions runs to an empty line.
    enum class In { Skipped, Between, Cue } in = In::Skipped;
    bool identified = false; // the cue's first line was its identifier
    while (lines.Next(line)) {
        if (line.empty()) {
            if (identified)
                return Failed(error, lines.Number(),
                              Tr("Subtitles", "'-->' between two times was expected"));
            in = In::Between;
            continue;
        }
        if (in == In::Skipped)
            continue;
        if (in == In::Cue) {
            AddCueText(cues.back(), line);
            continue;
        }
        const bool block = line == "NOTE" || line.starts_with("NOTE ") ||
                           line.starts_with("NOTE\t") || line == "STYLE" || line == "REGION";
        if (!identified && (block || line.find("-->") == std::string::npos)) {
            in = block ? In::Skipped : In::Between;
            identified = !block;
            continue;
        }
        SubtitleCue cue{};
        if (const std::string why = ParseTimes(line, ParseVttTime, "01:02.500", cue); !why.empty())
            return Failed(error, lines.Number(), why);
        cues.push_back(cue);
        identified = false;
        in = In::Cue;
    }
    return Ended(std::move(cues), identified, lines, error);
}

std::optional<std::vector<SubtitleCue>> ReadSubtitles(CFileOpener& files,
                                                      const std::filesystem::path& path,
                                                      bool mayBeMissing, std::string& error) {
    const auto cannot = [&](const std::string& why) {
        error = FormatText(Tr("Subtitles", "The subtitles '%1' cannot be read: %2"),
                           {path.string(), why});
        return std::vector<SubtitleCue>{};
    };
    error.clear();
    const std::unique_ptr<CByteStream> stream = files.Open(path, false);
    if (!stream && mayBeMissing)
        return std::nullopt;
    const std::int64_t size = stream ? stream->Size() : -1;
    if (size < 0)
        return cannot(Tr("Subtitles", "the file cannot be opened"));
    if (size > MaxSubtitleBytes)
        return cannot(Tr("Subtitles", "the file is too large for subtitles"));
    std::string text(static_cast<std::size_t>(size), '\0');
    if (stream->Read(text.data(), text.size()) != text.size() || stream->Failed())
        return cannot(Tr("Subtitles", "the file cannot be opened"));
    std::string why;
    const bool webVtt = HasExtension(path, ".vtt") || text.starts_with("WEBVTT") ||
                        text.starts_with("\xEF\xBB\xBFWEBVTT");
    std::vector<SubtitleCue> cues = webVtt ? ParseWebVtt(text, why) : ParseSubRip(text, why);
    if (cues.empty())
        return cannot(why);
    return cues;
}

std::vector<std::filesystem::path> SubtitlesBeside(const std::filesystem::path& source) {
    return {std::filesystem::path(source).replace_extension(".srt"),
            std::filesystem::path(source).replace_extension(".vtt")};
}

std::optional<std::vector<SubtitleCue>>
ReadSubtitlesBeside(CFileOpener& files, const std::filesystem::path& source, std::string& error) {
    for (const std::filesystem::path& path : SubtitlesBeside(source))
        if (auto cues = ReadSubtitles(files, path, true, error); cues || !error.empty())
            return cues;
    return std::nullopt;
}

std::optional<std::vector<SubtitleCue>>
ReadSourceSubtitles(CFileOpener& files, const std::filesystem::path& source,
                    const std::filesystem::path& phrasesFrom, bool beside, std::string& error) {
    error.clear();
    if (!phrasesFrom.empty())
        return ReadSubtitles(files, phrasesFrom, false, error);
    if (beside)
        return ReadSubtitlesBeside(files, source, error);
    return std::nullopt;
}

std::vector<CuePhrase> CuePhrases(std::vector<SubtitleCue> cues, std::uint32_t rate,
                                  std::uint32_t blockSamples) {
    std::stable_sort(cues.begin(), cues.end(), [](const SubtitleCue& a, const SubtitleCue& b) {
        return a.startMs < b.startMs;
    });
    std::vector<CuePhrase> phrases;
    for (std::size_t i = 0; i < cues.size();) {
        std::uint64_t end = cues[i].endMs;
        std::string text = cues[i].text;
        // Overlapping cues are one stretch of speech.
        for (++i; i < cues.size() && cues[i].startMs < end; ++i) {
            end = std::max(end, cues[i].endMs);
            if (!cues[i].text.empty())
                text += (text.empty() ? "" : " ") + cues[i].text;
        }
        const std::uint64_t sample = (end * rate + 999) / 1000;
        const std::uint64_t boundary = (sample + blockSamples - 1) / blockSamples * blockSamples;
        // A cue within the phrase before it adds its text to that phrase.
        if (boundary > 0 && (phrases.empty() || phrases.back().end < boundary))
            phrases.push_back({boundary, std::move(text)});
        else if (!phrases.empty() && !text.empty())
            phrases.back().text += (phrases.back().text.empty() ? "" : " ") + text;
    }
    return phrases;
}

std::vector<std::uint64_t> PhraseEndsOfCues(std::vector<SubtitleCue> cues, std::uint32_t rate,
                                            std::uint32_t blockSamples) {
    std::vector<std::uint64_t> ends;
    for (const CuePhrase& phrase : CuePhrases(std::move(cues), rate, blockSamples))
        ends.push_back(phrase.end);
    return ends;
}
