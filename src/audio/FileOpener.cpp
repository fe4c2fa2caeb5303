#include "audio/FileOpener.h"

#include "audio/BinaryFile.h"

#include <system_error>

std::unique_ptr<CByteStream> CFileOpener::Open(const std::filesystem::path& path, bool forWriting) {
    auto file = std::make_unique<CBinaryFile>();
    if (!file->Open(path, forWriting ? CBinaryFile::Mode::CreateWrite : CBinaryFile::Mode::Read))
        return nullptr;
    return file;
}

void CFileOpener::Remove(const std::filesystem::path& path) {
    std::error_code ignored; // nothing more can be done about a file that stays
    std::filesystem::remove(path, ignored);
}
