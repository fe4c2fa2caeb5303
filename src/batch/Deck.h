#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// A lesson's phrases as flash cards: one note per clip, in a deck named
// after the lesson, for a flash-card program to import in one step.
struct DeckNote {
    std::string clip;  // the clip's file name, in the folder of the clips
    std::string text;  // what is said, from subtitles; "" without them
    std::string start; // seconds into the recording, as the table has them
    std::string end;
    std::uint64_t phrase; // from 1
};

struct Deck {
    std::string title;  // the lesson's: the deck's name, and what the note ids follow
    std::string source; // the recording's file name
    // When the lesson last changed, in seconds since 1970: a deck imported
    // again updates the notes that it finds older.
    std::int64_t modified = 0;
    std::vector<DeckNote> notes;
};

// Writes deck into the new file at path, the clips read from folder; false
// when it cannot. The core declares it; a library of its own writes it.
using DeckWriter = std::function<bool(const Deck& deck, const std::filesystem::path& folder,
                                      const std::filesystem::path& path)>;
