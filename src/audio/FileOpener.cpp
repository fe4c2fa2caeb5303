#include "audio/FileOpener.h"

#include "audio/BinaryFile.h"

std::unique_ptr<CByteStream> CFileOpener::Open(const std::filesystem::path& path, bool forWriting) {
    auto file = std::make_unique<CBinaryFile>();
    if (!file->Open(path, forWriting ? CBinaryFile::Mode::CreateWrite : CBinaryFile::Mode::Read))
        return nullptr;
    return file;
}
