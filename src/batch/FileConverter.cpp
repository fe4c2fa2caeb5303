#include "batch/FileConverter.h"

#include "batch/ConvertFile.h"

FileResult CFileConverter::Convert(CMessageBoxOwner& owner, const std::filesystem::path& source,
                                   const std::filesystem::path& destination, CFileOpener& files) {
    return ConvertFile(owner, source, destination, files, m_makeSink);
}
