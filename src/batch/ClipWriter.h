#pragma once

#include "audio/FileOpener.h"
#include "audio/SampleSink.h"
#include "batch/Deck.h"
#include "batch/PhraseListener.h"
#include "batch/PhraseStore.h"
#include "batch/TunedConversion.h"

#include <filesystem>
#include <memory>
#include <string>

// Each phrase's speech as recorded, with a little of the quiet around it and
// without pauses or passes, in a file of its own (quiet alone has none),
// and a table and a deck of them that flash-card programs import: for
// studying phrases one by one. They go to "<title>-phrases/" beside the
// practice file, which replaces a folder of that name only once it is complete.
class CClipWriter final : public CPhraseListener {
public:
    // destination: the practice file, whose title and extension the clips
    // take; texts: each phrase's; writeDeck: none, no deck.
    CClipWriter(CFileOpener& files, const std::filesystem::path& source,
                const std::filesystem::path& destination, const SinkMaker& makeSink,
                std::uint32_t rate, const PhraseTexts* texts = nullptr,
                DeckWriter writeDeck = nullptr);
    ~CClipWriter() override;

    // Makes the temporary folder; false when it cannot be made.
    bool Open();
    bool PhraseSamples(const std::uint8_t* samples, std::size_t count) override;
    bool PhraseEnd(const Phrase& phrase) override;
    void Pass(const Phrase&, std::size_t, std::uint64_t, std::uint64_t) override {}
    // Writes the table and the deck; then Commit puts the folder in its place.
    bool Finish();
    bool Commit();
    // Removes what was made.
    void Discard();

    const std::filesystem::path& Folder() const { return m_folder; }
    // Why a clip or the table could not be written; empty when nothing failed.
    const std::string& FailureReason() const { return m_strFailure; }
    // When the lesson (recording and subtitles) last changed, for the deck.
    void SetModified(std::int64_t seconds) { m_deck.modified = seconds; }

private:
    std::string ClipName(std::uint64_t phrase) const;
    // Notes the first failure's reason; false.
    bool Failed(const std::string& reason);
    bool WriteClip(const Phrase& phrase);

    CFileOpener& m_files;
    std::filesystem::path m_folder;
    std::filesystem::path m_temporary;
    std::string m_strTitle;
    std::string m_strExtension;
    const SinkMaker& m_makeSink;
    std::uint32_t m_nRate;
    // The phrase under way, until its speech is known.
    CPhraseStore m_phrase;
    std::string m_strFailure;
    const PhraseTexts* m_texts; // read as each phrase ends
    DeckWriter m_writeDeck;
    Deck m_deck; // a note per row of the table
    bool m_bOpen = false;
};
