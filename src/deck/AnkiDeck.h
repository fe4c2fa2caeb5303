#pragma once

#include "batch/Deck.h"

// The deck as a package that the flash-card program imports in one step: a
// zip of the collection (SQLite, schema 11), the media map and the clips,
// numbered. Note ids and guids follow the title and the phrase number, so
// that importing the lesson again updates its notes. path must not exist.
bool WriteAnkiDeck(const Deck& deck, const std::filesystem::path& folder,
                   const std::filesystem::path& path);
