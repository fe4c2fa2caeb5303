#pragma once

#include <string_view>

// Where each phrase is, written beside a practice file.
enum class LabelFormat { None, Srt, Lrc, Audacity };

// One row per kind of label file.
struct LabelFormatInfo {
    LabelFormat format;
    const char* name;      // as --labels takes it
    const char* shown;     // as the Options dialog lists it
    const char* extension; // follows a practice file's title
};

inline constexpr LabelFormatInfo LabelFormats[] = {
    {LabelFormat::Srt, "srt", "SRT", ".srt"},
    {LabelFormat::Lrc, "lrc", "LRC", ".lrc"},
    // Never a transcript's name.
    {LabelFormat::Audacity, "audacity", "Audacity", ".labels.txt"},
};

// The kind of that name, or null.
constexpr const LabelFormatInfo* FindLabelFormat(std::string_view name) {
    for (const LabelFormatInfo& info : LabelFormats)
        if (name == info.name)
            return &info;
    return nullptr;
}
