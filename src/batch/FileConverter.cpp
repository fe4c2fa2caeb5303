#include "batch/FileConverter.h"

#include "batch/ConvertFile.h"

bool CFileConverter::Convert(CMessageBoxOwner& owner, const std::filesystem::path& source,
                             const std::filesystem::path& destination, CFileOpener& files) {
    return ConvertFile(owner, source, destination, files);
}
