#include "batch/LabelWriter.h"

#include "batch/Subtitles.h"

#include <cinttypes>
#include <cstdio>

namespace {

// samples at rate in whole units of 1/perSecond of a second, to the nearest.
std::uint64_t Units(std::uint64_t samples, std::uint32_t rate, std::uint64_t perSecond) {
    return (samples * perSecond + rate / 2) / rate;
}

std::string LrcTime(std::uint64_t cs) {
    char text[40];
    std::snprintf(text, sizeof text, "[%02" PRIu64 ":%02" PRIu64 ".%02" PRIu64 "]", cs / 6000,
                  cs / 100 % 60, cs % 100);
    return text;
}

std::string SecondsOfMicroseconds(std::uint64_t us) {
    char text[40];
    std::snprintf(text, sizeof text, "%" PRIu64 ".%06" PRIu64, us / 1000000, us % 1000000);
    return text;
}

} // namespace

const char* LabelExtension(LabelFormat format) {
    for (const LabelFormatInfo& info : LabelFormats)
        if (info.format == format)
            return info.extension;
    return ".txt";
}

std::string CLabelWriter::Text() const {
    std::string text;
    std::uint64_t cue = 0;
    for (const Entry& entry : m_entries) {
        std::string label = "Phrase " + std::to_string(entry.phrase);
        if (m_nPasses > 1)
            label += ", pass " + std::to_string(entry.pass);
        // With subtitles, what is said: "3/2  Where is the station?"
        if (m_texts && *m_texts)
            label = std::to_string(entry.phrase) + "/" + std::to_string(entry.pass) +
                    (PhraseText(*m_texts, entry.index).empty() ? "" : "  ") +
                    PhraseText(*m_texts, entry.index);
        switch (m_format) {
        case LabelFormat::Srt:
            text += std::to_string(++cue) + "\n" + SubRipTime(Units(entry.start, m_nRate, 1000)) +
                    " --> " + SubRipTime(Units(entry.end, m_nRate, 1000)) + "\n" + label + "\n\n";
            break;
        case LabelFormat::Lrc:
            text += LrcTime(Units(entry.start, m_nRate, 100)) + label + "\n";
            break;
        case LabelFormat::Audacity:
        case LabelFormat::None:
            text += SecondsOfMicroseconds(Units(entry.start, m_nRate, 1000000)) + "\t" +
                    SecondsOfMicroseconds(Units(entry.end, m_nRate, 1000000)) + "\t" + label + "\n";
            break;
        }
    }
    return text;
}
