#pragma once

#include "audio/OutputFormat.h"
#include "batch/FileConverter.h"

#include <functional>
#include <memory>

// Makes the stream that encodes a practice file's WAV bytes into output.
using EncoderMaker = std::function<std::unique_ptr<CByteStream>(
    std::unique_ptr<CByteStream> output, OutputFormat format, int bitrateKbps,
    const std::string& title)>;

// Practice files in a compressed format: another converter's, with its
// destinations opened on an encoding stream. The samples encoded are those
// the WAV file would hold. A conversion that fails after its destination was
// made removes what it left.
class CEncodedConverter : public CFileConverter {
public:
    CEncodedConverter(std::unique_ptr<CFileConverter> converter, OutputFormat format,
                      int bitrateKbps, EncoderMaker makeEncoder);

    std::string FolderPattern() const override { return m_converter->FolderPattern(); }
    std::string OutputExtension() const override { return FileExtension(m_format); }
    FileResult Convert(CMessageBoxOwner& owner, const std::filesystem::path& source,
                       const std::filesystem::path& destination, CFileOpener& files) override;

private:
    std::unique_ptr<CFileConverter> m_converter;
    OutputFormat m_format;
    int m_nBitrateKbps;
    EncoderMaker m_makeEncoder;
};
