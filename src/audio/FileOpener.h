#pragma once

#include "audio/ByteStream.h"
#include "audio/Interface.h"

#include <filesystem>
#include <map>
#include <memory>
#include <mutex>

// Opens the files of a conversion: the file system's own, held exclusively
// (see CBinaryFile), unless a test or a fuzzer hands out streams of its own.
class CFileOpener : public CInterface {
public:
    // Discards every replacement never committed.
    virtual ~CFileOpener();

    // An open stream: for reading, or created afresh for writing. Null when
    // the file cannot be opened or created, with errno saying why (here and
    // below: a null, empty or false result leaves the reason in errno).
    virtual std::unique_ptr<CByteStream> Open(const std::filesystem::path& path, bool forWriting);
    // An output that replaces a file of that name only once it is complete:
    // written beside it under a temporary name until Commit. Null where
    // Open(path, true) would fail: the file is held (it is the source, say),
    // cannot be written, or is not a regular file.
    virtual std::unique_ptr<CByteStream> OpenReplacing(const std::filesystem::path& path);
    // A folder that replaces a folder of that name only once it is complete:
    // the temporary folder to fill, made beside it; empty when it cannot be made.
    virtual std::filesystem::path OpenFolderReplacing(const std::filesystem::path& path);
    // Puts a closed replacement, file or folder, in the place of its
    // namesake; false when that fails.
    virtual bool Commit(const std::filesystem::path& path);
    // Removes a file that a failed conversion left behind; for a replacement
    // not committed, only the temporary file, never the file it would replace.
    virtual void Remove(const std::filesystem::path& path);

protected:
    // Swaps two folders in one step; false where the file system cannot.
    virtual bool Exchange(const std::filesystem::path& first, const std::filesystem::path& second);

private:
    // Puts the folder temporary in the place of the folder path, which then
    // holds the old one; where nothing can swap them, by renames, the old
    // folder put back when the new one cannot go in.
    bool ReplaceFolder(const std::filesystem::path& temporary, const std::filesystem::path& path);

    // Several files of a job may be converted at once.
    std::mutex m_mutex;
    std::map<std::filesystem::path, std::filesystem::path> m_pending; // path, temporary
};
