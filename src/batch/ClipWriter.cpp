#include "batch/ClipWriter.h"

#include "audio/ErrorReason.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cinttypes>
#include <cstdio>

namespace {

// The table's columns, in order, as its header names them.
constexpr std::array<const char*, 6> TableColumns = {"Audio", "Text", "Phrase",
                                                     "Start", "End",  "Source"};

// A field of a comma-separated table, quoted when it has to be.
std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string SecondsOfSamples(std::uint64_t samples, std::uint32_t rate) {
    const std::uint64_t ms = (samples * 1000 + rate / 2) / rate;
    char text[32];
    std::snprintf(text, sizeof text, "%" PRIu64 ".%03" PRIu64, ms / 1000, ms % 1000);
    return text;
}

} // namespace

CClipWriter::CClipWriter(CFileOpener& files, const std::filesystem::path& source,
                         const std::filesystem::path& destination, const SinkMaker& makeSink,
                         std::uint32_t rate, const PhraseTexts* texts, DeckWriter writeDeck)
    : m_files(files), m_strTitle(destination.stem().string()),
      m_strExtension(destination.extension().string()), m_makeSink(makeSink), m_nRate(rate),
      m_phrase(destination.parent_path()), m_texts(texts), m_writeDeck(std::move(writeDeck)) {
    m_folder = destination.parent_path() / (m_strTitle + "-phrases");
    m_deck.title = m_strTitle;
    m_deck.source = source.filename().string();
}

CClipWriter::~CClipWriter() {
    Discard();
}

bool CClipWriter::Open() {
    m_temporary = m_files.OpenFolderReplacing(m_folder);
    m_bOpen = !m_temporary.empty();
    return m_bOpen;
}

std::string CClipWriter::ClipName(std::uint64_t phrase) const {
    char number[24];
    std::snprintf(number, sizeof number, "%03" PRIu64, phrase);
    // The title in every name: flash-card programs keep all media in one folder.
    return m_strTitle + "-" + number + m_strExtension;
}

bool CClipWriter::PhraseSamples(const std::uint8_t* samples, std::size_t count) {
    return m_phrase.Append(samples, count) || Failed(ErrorReason(errno));
}

bool CClipWriter::Failed(const std::string& reason) {
    if (m_strFailure.empty())
        m_strFailure = reason.empty() ? ErrorReason(EIO) : reason;
    return false;
}

bool CClipWriter::WriteClip(const Phrase& phrase) {
    const std::filesystem::path path = m_temporary / ClipName(phrase.number);
    std::unique_ptr<CByteStream> stream = m_files.Open(path, true);
    const int error = errno;
    const std::unique_ptr<CSampleSink> clip =
        stream ? m_makeSink(std::move(stream), path.stem().string()) : nullptr;
    if (!clip || !clip->Begin(m_nRate))
        return Failed(clip ? clip->FailureReason() : ErrorReason(error));
    // What is heard, in bytes of the phrase.
    std::uint64_t at = 0;
    const std::uint64_t from = 2 * (phrase.heardStart - phrase.sourceStart);
    const std::uint64_t to = 2 * (phrase.heardEnd - phrase.sourceStart);
    const bool read = m_phrase.Read([&](const std::uint8_t* samples, std::size_t count) {
        const std::uint64_t piece = at;
        at += 2 * count;
        const std::uint64_t begin = std::max(piece, from), end = std::min(at, to);
        return begin >= end || clip->Write(samples + (begin - piece), (end - begin) / 2);
    });
    if (!read)
        return Failed(clip->FailureReason().empty() ? ErrorReason(errno) : clip->FailureReason());
    return clip->Finish() || Failed(clip->FailureReason());
}

bool CClipWriter::PhraseEnd(const Phrase& phrase) {
    const bool written = !phrase.Spoken() || WriteClip(phrase);
    m_phrase.Clear();
    if (phrase.Spoken())
        m_deck.notes.push_back({ClipName(phrase.number),
                                m_texts ? PhraseText(*m_texts, phrase.index) : std::string(),
                                SecondsOfSamples(phrase.heardStart, m_nRate),
                                SecondsOfSamples(phrase.heardEnd, m_nRate), phrase.number});
    return written;
}

bool CClipWriter::Finish() {
    // The flash-card program's header lines, so that it asks nothing on import.
    std::string text = "#separator:comma\n#html:false\n#columns:";
    for (const char* column : TableColumns)
        text += std::string(column) + (column == TableColumns.back() ? "\n" : ",");
    for (const DeckNote& note : m_deck.notes)
        text += CsvField("[sound:" + note.clip + "]") + "," + CsvField(note.text) + "," +
                std::to_string(note.phrase) + "," + note.start + "," + note.end + "," +
                CsvField(m_deck.source) + "\n";
    std::unique_ptr<CByteStream> table = m_files.Open(m_temporary / (m_strTitle + ".csv"), true);
    const int error = errno;
    if (!table || !table->Write(text.data(), text.size()) || !table->Close())
        return Failed(table ? table->FailureReason() : ErrorReason(error));
    return !m_writeDeck || m_writeDeck(m_deck, m_temporary, m_temporary / (m_strTitle + ".apkg")) ||
           Failed("");
}

bool CClipWriter::Commit() {
    m_bOpen = false;
    return m_files.Commit(m_folder);
}

void CClipWriter::Discard() {
    m_phrase.Clear();
    if (m_bOpen)
        m_files.Remove(m_folder);
    m_bOpen = false;
}
