#include "batch/ClipWriter.h"

#include "audio/ErrorReason.h"

#include <cerrno>
#include <cinttypes>
#include <cstdio>

namespace {

// A field of a comma-separated table, quoted when it has to be.
std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string Seconds(std::uint64_t samples, std::uint32_t rate) {
    const std::uint64_t ms = (samples * 1000 + rate / 2) / rate;
    char text[32];
    std::snprintf(text, sizeof text, "%" PRIu64 ".%03" PRIu64, ms / 1000, ms % 1000);
    return text;
}

} // namespace

CClipWriter::CClipWriter(CFileOpener& files, const std::filesystem::path& destination,
                         const SinkMaker& makeSink, std::uint32_t rate)
    : m_files(files), m_strTitle(destination.stem().string()),
      m_strExtension(destination.extension().string()), m_makeSink(makeSink), m_nRate(rate) {
    m_folder = destination.parent_path() / (m_strTitle + "-phrases");
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
    if (!m_clip) {
        const std::filesystem::path clip = m_temporary / ClipName(m_nEnded + 1);
        std::unique_ptr<CByteStream> stream = m_files.Open(clip, true);
        const int error = errno;
        m_clip = stream ? m_makeSink(std::move(stream), clip.stem().string()) : nullptr;
        if (!m_clip || !m_clip->Begin(m_nRate))
            return Failed(m_clip ? m_clip->Failure() : ErrorReason(error));
    }
    return m_clip->Write(samples, count) || Failed(m_clip->Failure());
}

bool CClipWriter::Failed(const std::string& reason) {
    if (m_strFailure.empty())
        m_strFailure = reason.empty() ? ErrorReason(EIO) : reason;
    return false;
}

bool CClipWriter::PhraseEnd(std::uint64_t phrase, std::uint64_t sourceStart,
                            std::uint64_t sourceEnd) {
    const bool finished = (m_clip && m_clip->Finish()) || Failed(m_clip ? m_clip->Failure() : "");
    m_clip.reset();
    ++m_nEnded;
    m_table += CsvField("[sound:" + ClipName(phrase) + "]") + "," + std::to_string(phrase) + "," +
               Seconds(sourceStart, m_nRate) + "," + Seconds(sourceEnd, m_nRate) + "\n";
    return finished;
}

bool CClipWriter::Finish() {
    std::unique_ptr<CByteStream> table = m_files.Open(m_temporary / (m_strTitle + ".csv"), true);
    const int error = errno;
    return (table && table->Write(m_table.data(), m_table.size()) && table->Close()) ||
           Failed(table ? table->FailureReason() : ErrorReason(error));
}

bool CClipWriter::Commit() {
    m_bOpen = false;
    return m_files.Commit(m_folder);
}

void CClipWriter::Discard() {
    m_clip.reset();
    if (m_bOpen)
        m_files.Remove(m_folder);
    m_bOpen = false;
}
