#include "deck/AnkiDeck.h"

#include "deck/Sha1.h"

#include <sqlite3.h>
#include <zip.h>

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace {

constexpr const char* Schema = R"(
CREATE TABLE col (id integer primary key, crt integer not null, mod integer not null,
  scm integer not null, ver integer not null, dty integer not null, usn integer not null,
  ls integer not null, conf text not null, models text not null, decks text not null,
  dconf text not null, tags text not null);
CREATE TABLE notes (id integer primary key, guid text not null, mid integer not null,
  mod integer not null, usn integer not null, tags text not null, flds text not null,
  sfld integer not null, csum integer not null, flags integer not null, data text not null);
CREATE TABLE cards (id integer primary key, nid integer not null, did integer not null,
  ord integer not null, mod integer not null, usn integer not null, type integer not null,
  queue integer not null, due integer not null, ivl integer not null, factor integer not null,
  reps integer not null, lapses integer not null, left integer not null, odue integer not null,
  odid integer not null, flags integer not null, data text not null);
CREATE TABLE revlog (id integer primary key, cid integer not null, usn integer not null,
  ease integer not null, ivl integer not null, lastIvl integer not null,
  factor integer not null, time integer not null, type integer not null);
CREATE TABLE graves (usn integer not null, oid integer not null, type integer not null);
CREATE INDEX ix_notes_usn ON notes (usn);
CREATE INDEX ix_cards_usn ON cards (usn);
CREATE INDEX ix_revlog_usn ON revlog (usn);
CREATE INDEX ix_cards_nid ON cards (nid);
CREATE INDEX ix_cards_sched ON cards (did, queue, due);
CREATE INDEX ix_revlog_cid ON revlog (cid);
CREATE INDEX ix_notes_csum ON notes (csum);
)";

// The note type's fields, in order; the front card plays the first.
constexpr const char* Fields[] = {"Audio", "Text", "Source", "Start", "End"};

// A stable id below 2^52 (the program keeps ids as JavaScript numbers) from key.
std::int64_t StableId(std::string_view key) {
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a
    for (const char c : key)
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    return static_cast<std::int64_t>(hash >> 12) + 1;
}

std::string Json(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

std::string Html(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default: // control characters, the fields' separator among them, as spaces
            escaped += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
        }
    }
    return escaped;
}

// text with its control characters as spaces.
std::string Printable(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }, ' ');
    return text;
}

// A clip's name in the program's media folder: characters that a sound tag,
// a file system or the markup would take otherwise become '_'.
std::string MediaName(std::string_view clip) {
    std::string name;
    for (const char c : clip)
        name += static_cast<unsigned char>(c) < 0x20 ||
                        std::string_view("[]<>&\"'/\\:*?|").find(c) != std::string_view::npos
                    ? '_'
                    : c;
    return name;
}

// The duplicate check's checksum: the first 8 hex digits of the first field's
// SHA-1, its media named by their files.
std::int64_t Checksum(const std::string& mediaName) {
    const std::array<std::uint8_t, 20> digest = Sha1(mediaName);
    return static_cast<std::int64_t>(static_cast<std::uint32_t>(digest[0]) << 24 |
                                     static_cast<std::uint32_t>(digest[1]) << 16 |
                                     static_cast<std::uint32_t>(digest[2]) << 8 | digest[3]);
}

std::string ModelJson(std::int64_t modelId, std::int64_t deckId, std::int64_t now) {
    std::string fields;
    for (std::size_t i = 0; i < std::size(Fields); ++i)
        fields += std::string(i ? "," : "") + "{\"name\":" + Json(Fields[i]) +
                  ",\"ord\":" + std::to_string(i) +
                  ",\"sticky\":false,\"rtl\":false,\"font\":\"Arial\",\"size\":20,\"media\":[]}";
    const std::string id = std::to_string(modelId);
    return "{" + Json(id) + ":{\"id\":" + id +
           ",\"name\":\"Brellow phrase\",\"type\":0,\"mod\":" + std::to_string(now) +
           ",\"usn\":-1,\"sortf\":0,\"did\":" + std::to_string(deckId) +
           ",\"tmpls\":[{\"name\":\"Listen\",\"ord\":0,\"qfmt\":\"{{Audio}}\","
           "\"afmt\":\"{{FrontSide}}<hr id=answer>{{Text}}<br><small>{{Source}} "
           "{{Start}}-{{End}}</small>\",\"did\":null,\"bqfmt\":\"\",\"bafmt\":\"\"}],"
           "\"flds\":[" +
           fields +
           "],\"css\":\".card {font-family: arial; font-size: 24px; text-align: center;}\","
           "\"latexPre\":\"\\\\documentclass[12pt]{article}\\n\\\\begin{document}\\n\","
           "\"latexPost\":\"\\\\end{document}\",\"latexsvg\":false,"
           "\"req\":[[0,\"any\",[0]]],\"tags\":[],\"vers\":[]}}";
}

std::string DeckJson(std::int64_t id, const std::string& name, std::int64_t now) {
    return Json(std::to_string(id)) + ":{\"id\":" + std::to_string(id) + ",\"name\":" + Json(name) +
           ",\"desc\":\"\",\"mod\":" + std::to_string(now) +
           ",\"usn\":-1,\"collapsed\":false,\"browserCollapsed\":false,\"dyn\":0,\"conf\":1,"
           "\"extendNew\":0,\"extendRev\":0,\"newToday\":[0,0],\"revToday\":[0,0],"
           "\"lrnToday\":[0,0],\"timeToday\":[0,0]}";
}

constexpr const char* DeckOptions =
    R"({"1":{"id":1,"name":"Default","mod":0,"usn":0,"maxTaken":60,"autoplay":true,"timer":0,)"
    R"("replayq":true,"dyn":false,"new":{"delays":[1,10],"ints":[1,4,7],"initialFactor":2500,)"
    R"("order":1,"perDay":20,"bury":false},"lapse":{"delays":[10],"mult":0,"minInt":1,)"
    R"("leechFails":8,"leechAction":0},"rev":{"perDay":200,"ease4":1.3,"ivlFct":1,)"
    R"("maxIvl":36500,"bury":false,"hardFactor":1.2}}})";

struct DbClose {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct StatementFinalize {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
struct ZipDiscard {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalize>;

// Runs sql with its values bound in order; false when SQLite refuses it.
template <typename... Values> bool Run(sqlite3* db, const char* sql, const Values&... values) {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &raw, nullptr) != SQLITE_OK)
        return false;
    const Statement statement(raw);
    int index = 0;
    bool bound = true;
    const auto bind = [&](const auto& value) {
        ++index;
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>)
            bound =
                bound && sqlite3_bind_text(raw, index, value.data(), static_cast<int>(value.size()),
                                           SQLITE_TRANSIENT) == SQLITE_OK;
        else
            bound = bound && sqlite3_bind_int64(raw, index, value) == SQLITE_OK;
    };
    (bind(values), ...);
    return bound && sqlite3_step(raw) == SQLITE_DONE;
}

// The collection as the bytes of its SQLite file; empty when it cannot be made.
std::string Collection(const Deck& deck) {
    sqlite3* raw = nullptr;
    if (sqlite3_open_v2(":memory:", &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_MEMORY, nullptr) !=
        SQLITE_OK) {
        sqlite3_close(raw);
        return {};
    }
    const std::unique_ptr<sqlite3, DbClose> db(raw);
    // The lesson's time, not the clock's: the same lesson gives the same deck.
    const std::int64_t now = deck.modified;
    const std::int64_t deckId = StableId("deck\x1f" + deck.title);
    const std::int64_t modelId = StableId("Brellow phrase note type");
    const std::string conf = "{\"nextPos\":" + std::to_string(deck.notes.size() + 1) +
                             ",\"estTimes\":true,\"activeDecks\":[1],\"sortType\":\"noteFld\","
                             "\"timeLim\":0,\"sortBackwards\":false,\"addToCur\":true,"
                             "\"curDeck\":1,\"newSpread\":0,\"dueCounts\":true,\"curModel\":" +
                             std::to_string(modelId) + ",\"collapseTime\":1200}";
    const std::string decks = "{" + DeckJson(1, "Default", now) + "," +
                              DeckJson(deckId, Printable(deck.title), now) + "}";
    bool ok = sqlite3_exec(raw, Schema, nullptr, nullptr, nullptr) == SQLITE_OK &&
              sqlite3_exec(raw, "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK &&
              Run(raw, "INSERT INTO col VALUES (1, ?, ?, ?, 11, 0, 0, 0, ?, ?, ?, ?, '{}')", now,
                  now * 1000, now * 1000, conf, ModelJson(modelId, deckId, now), decks,
                  std::string(DeckOptions));
    for (const DeckNote& note : deck.notes) {
        if (!ok)
            break;
        const std::string key = deck.title + "\x1f" + std::to_string(note.phrase);
        const std::int64_t noteId = StableId("note\x1f" + key);
        char guid[24];
        std::snprintf(guid, sizeof guid, "%016" PRIx64,
                      static_cast<std::uint64_t>(StableId("guid\x1f" + key)));
        const std::string media = MediaName(note.clip);
        const std::string audio = "[sound:" + media + "]";
        const std::string fields = audio + "\x1f" + Html(note.text) + "\x1f" + Html(deck.source) +
                                   "\x1f" + note.start + "\x1f" + note.end;
        ok =
            Run(raw, "INSERT INTO notes VALUES (?, ?, ?, ?, -1, '', ?, ?, ?, 0, '')", noteId,
                std::string(guid), modelId, now, fields, audio, Checksum(media)) &&
            Run(raw,
                "INSERT INTO cards VALUES (?, ?, ?, 0, ?, -1, 0, 0, ?, 0, 0, 0, 0, 0, 0, 0, 0, '')",
                StableId("card\x1f" + key), noteId, deckId, now,
                static_cast<std::int64_t>(note.phrase));
    }
    if (!ok || sqlite3_exec(raw, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
        return {};
    sqlite3_int64 size = 0;
    unsigned char* bytes = sqlite3_serialize(raw, "main", &size, 0);
    if (!bytes)
        return {};
    std::string file(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(size));
    sqlite3_free(bytes);
    return file;
}

// Adds the bytes of text (which must outlive the archive) as name.
bool AddBytes(zip_t* archive, const char* name, const std::string& text) {
    zip_source_t* source = zip_source_buffer(archive, text.data(), text.size(), 0);
    if (!source)
        return false;
    if (zip_file_add(archive, name, source, ZIP_FL_ENC_UTF_8) < 0) {
        zip_source_free(source);
        return false;
    }
    return true;
}

} // namespace

bool WriteAnkiDeck(const Deck& deck, const std::filesystem::path& folder,
                   const std::filesystem::path& path) {
    const std::string collection = Collection(deck);
    if (collection.empty())
        return false;
    int error = 0;
    std::unique_ptr<zip_t, ZipDiscard> archive(
        zip_open(path.c_str(), ZIP_CREATE | ZIP_EXCL, &error));
    if (!archive)
        return false;
    // The clips go in as "0", "1" ...; the map names each in the media folder.
    std::string media = "{";
    bool ok = AddBytes(archive.get(), "collection.anki2", collection);
    for (std::size_t i = 0; ok && i < deck.notes.size(); ++i) {
        const std::string number = std::to_string(i);
        media += (i ? "," : "") + Json(number) + ":" + Json(MediaName(deck.notes[i].clip));
        zip_source_t* clip =
            zip_source_file(archive.get(), (folder / deck.notes[i].clip).c_str(), 0, -1);
        ok = clip && zip_file_add(archive.get(), number.c_str(), clip, 0) >= 0;
        if (clip && !ok)
            zip_source_free(clip);
        // Compressed audio gains nothing from deflate.
        ok = ok && zip_set_file_compression(archive.get(), static_cast<zip_uint64_t>(i + 1),
                                            ZIP_CM_STORE, 0) == 0;
    }
    media += "}";
    ok = ok && AddBytes(archive.get(), "media", media);
    // Every entry dated as the lesson, not as the clock: the same lesson, the same bytes.
    const zip_int64_t entries = ok ? zip_get_num_entries(archive.get(), 0) : 0;
    for (zip_int64_t i = 0; ok && i < entries; ++i)
        ok = zip_file_set_mtime(archive.get(), static_cast<zip_uint64_t>(i),
                                static_cast<time_t>(deck.modified), 0) == 0;
    if (!ok || zip_close(archive.get()) != 0) {
        std::error_code ec;
        std::filesystem::remove(path, ec);
        return false;
    }
    archive.release(); // closed
    return true;
}
