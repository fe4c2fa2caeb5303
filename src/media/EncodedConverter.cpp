#include "media/EncodedConverter.h"

#include "audio/ErrorReason.h"
#include "batch/ConversionMessages.h"

#include <utility>

namespace {

// The encoding stream, passed everything; its reason for a failure is kept
// in reason, for the message that may come once the stream is gone.
class CReasonKeeper final : public CByteStream {
public:
    CReasonKeeper(std::unique_ptr<CByteStream> inner, std::string& reason)
        : m_inner(std::move(inner)), m_reason(reason) {}
    ~CReasonKeeper() override { Keep(false); }

    std::size_t Read(void* buffer, std::size_t count) override {
        const std::size_t n = m_inner->Read(buffer, count);
        Keep(n == count);
        return n;
    }
    bool Write(const void* buffer, std::size_t count) override {
        return Keep(m_inner->Write(buffer, count));
    }
    bool WriteZeros(std::size_t count) override { return Keep(m_inner->WriteZeros(count)); }
    bool Seek(std::int64_t offset) override { return Keep(m_inner->Seek(offset)); }
    std::int64_t Tell() override { return m_inner->Tell(); }
    std::int64_t Size() override { return m_inner->Size(); }
    bool Close() override { return Keep(m_inner->Close()); }
    bool Failed() const override { return m_inner->Failed(); }
    std::string FailureReason() const override { return m_inner->FailureReason(); }

private:
    bool Keep(bool ok) noexcept {
        if (!ok && m_inner->Failed()) {
            try {
                if (std::string reason = m_inner->FailureReason(); !reason.empty())
                    m_reason = std::move(reason);
            } catch (...) { // out of memory: the message goes without its details
            }
        }
        return ok;
    }

    std::unique_ptr<CByteStream> m_inner;
    std::string& m_reason;
};

// The converter's boxes; a failure the encoder caused is told with its reason.
class CReasonedBoxes final : public CMessageBoxOwner {
public:
    CReasonedBoxes(CMessageBoxOwner& owner, const std::string& reason)
        : m_owner(owner), m_reason(reason) {}

    int MessageBox(const std::string& text, const std::string& caption, unsigned type) override {
        const std::string details = "\nDetails: " + m_reason;
        // The conversion may have told it already, from the stream.
        if (m_reason.empty() || (type & MB_ICONERROR) == 0 || text.ends_with(details))
            return m_owner.MessageBox(text, caption, type);
        return m_owner.MessageBox(text + details, caption, type);
    }

private:
    CMessageBoxOwner& m_owner;
    const std::string& m_reason;
};

// The files of one conversion, its destination encoded on its way to the disk.
class CEncodingFiles final : public CFileOpener {
public:
    CEncodingFiles(CFileOpener& files, OutputFormat format, int bitrateKbps,
                   const EncoderMaker& makeEncoder)
        : m_files(files), m_format(format), m_nBitrateKbps(bitrateKbps),
          m_makeEncoder(makeEncoder) {}

    // The exact conversion creates its destination as a file of its own;
    // encoded, it replaces an existing one only once complete, as on the
    // converter's word below.
    std::unique_ptr<CByteStream> Open(const std::filesystem::path& path, bool forWriting) override {
        if (!forWriting)
            return m_files.Open(path, false);
        std::unique_ptr<CByteStream> stream = Encoded(m_files.OpenReplacing(path), path);
        replacing = replacing || stream != nullptr;
        return stream;
    }
    std::unique_ptr<CByteStream> OpenReplacing(const std::filesystem::path& path) override {
        return Encoded(m_files.OpenReplacing(path), path);
    }
    bool Commit(const std::filesystem::path& path) override { return m_files.Commit(path); }
    void Remove(const std::filesystem::path& path) override {
        m_files.Remove(path);
        // Nothing left to discard: a second Remove would take the file it was to replace.
        replacing = false;
    }

    // Open made a replacement that the converter does not know of.
    bool replacing = false;
    // Why the encoder failed, when it did on its own account.
    std::string reason;

private:
    std::unique_ptr<CByteStream> Encoded(std::unique_ptr<CByteStream> stream,
                                         const std::filesystem::path& path) {
        if (!stream)
            return nullptr;
        // The title tag is the source's title, which names the destination too.
        std::unique_ptr<CByteStream> encoder =
            m_makeEncoder(std::move(stream), m_format, m_nBitrateKbps, path.stem().string());
        if (!encoder)
            return nullptr;
        return std::make_unique<CReasonKeeper>(std::move(encoder), reason);
    }

    CFileOpener& m_files;
    OutputFormat m_format;
    int m_nBitrateKbps;
    const EncoderMaker& m_makeEncoder;
};

} // namespace

CEncodedConverter::CEncodedConverter(std::unique_ptr<CFileConverter> converter, OutputFormat format,
                                     int bitrateKbps, EncoderMaker makeEncoder)
    : m_converter(std::move(converter)), m_format(format), m_nBitrateKbps(bitrateKbps),
      m_makeEncoder(std::move(makeEncoder)) {}

FileResult CEncodedConverter::Convert(CMessageBoxOwner& owner, const std::filesystem::path& source,
                                      const std::filesystem::path& destination,
                                      CFileOpener& files) {
    CEncodingFiles encoding(files, m_format, m_nBitrateKbps, m_makeEncoder);
    CReasonedBoxes boxes(owner, encoding.reason);
    FileResult converted = m_converter->Convert(boxes, source, destination, encoding);
    if (converted.kind() == FileResult::Kind::Failed && converted.reason().empty())
        converted = FileResult::Failed(encoding.reason);
    if (!encoding.replacing)
        return converted;
    // Half a compressed file is of no use, and may not even open.
    if (converted.kind() != FileResult::Kind::Converted) {
        files.Remove(destination);
        return converted;
    }
    if (!files.Commit(destination))
        return ReportCannotWrite(owner, destination, ErrorReason(errno));
    return converted;
}
