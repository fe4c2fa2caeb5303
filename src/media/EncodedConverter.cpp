#include "media/EncodedConverter.h"

#include <utility>

namespace {

// The files of one conversion, its destination encoded on its way to the disk.
class CEncodingFiles final : public CFileOpener {
public:
    CEncodingFiles(CFileOpener& files, OutputFormat format, int bitrateKbps,
                   const EncoderMaker& makeEncoder)
        : m_files(files), m_format(format), m_nBitrateKbps(bitrateKbps),
          m_makeEncoder(makeEncoder) {}

    std::unique_ptr<CByteStream> Open(const std::filesystem::path& path, bool forWriting) override {
        std::unique_ptr<CByteStream> stream = m_files.Open(path, forWriting);
        if (!forWriting || !stream)
            return stream;
        created = true;
        // The title tag is the source's title, which names the destination too.
        return m_makeEncoder(std::move(stream), m_format, m_nBitrateKbps, path.stem().string());
    }
    void Remove(const std::filesystem::path& path) override { m_files.Remove(path); }

    bool created = false;

private:
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
    // Half a compressed file is of no use, and may not even open.
    if (!converted && encoding.created)
        files.Remove(destination);
    return converted;
}
