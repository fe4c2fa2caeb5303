#pragma once

#include "audio/ByteStream.h"

#include <filesystem>
#include <memory>

// Opens the files of a conversion: the file system's own, held exclusively
// (see CBinaryFile), unless a test or a fuzzer hands out streams of its own.
class CFileOpener {
public:
    virtual ~CFileOpener() = default;

    // An open stream: for reading, or created afresh for writing. Null when
    // the file cannot be opened or created.
    virtual std::unique_ptr<CByteStream> Open(const std::filesystem::path& path, bool forWriting);
    // Removes a file that a failed conversion left behind.
    virtual void Remove(const std::filesystem::path& path);
};
