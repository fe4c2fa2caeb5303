#include "media/EncodedConverter.h"

#include "batch/ConversionMessages.h"

#include <utility>

namespace {

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

private:
    std::unique_ptr<CByteStream> Encoded(std::unique_ptr<CByteStream> stream,
                                         const std::filesystem::path& path) {
        if (!stream)
            return nullptr;
        // The title tag is the source's title, which names the destination too.
        return m_makeEncoder(std::move(stream), m_format, m_nBitrateKbps, path.stem().string());
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

bool CEncodedConverter::Convert(CMessageBoxOwner& owner, const std::filesystem::path& source,
                                const std::filesystem::path& destination, CFileOpener& files) {
    CEncodingFiles encoding(files, m_format, m_nBitrateKbps, m_makeEncoder);
    const bool converted = m_converter->Convert(owner, source, destination, encoding);
    if (!encoding.replacing)
        return converted;
    // Half a compressed file is of no use, and may not even open.
    if (!converted) {
        files.Remove(destination);
        return false;
    }
    return files.Commit(destination) || ReportCannotWrite(owner, destination);
}
