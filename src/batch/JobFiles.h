#pragma once

#include "audio/FileOpener.h"

#include <cstdint>
#include <mutex>
#include <set>
#include <string>
#include <utility>

// The files of one job. They are those of another opener, except that a
// destination the job has already written is not opened again: two sources
// whose names differ only in letter case would otherwise share an output,
// and the second would silently replace the first.
class CJobFiles : public CFileOpener {
public:
    explicit CJobFiles(CFileOpener& files) : m_files(files) {}

    std::unique_ptr<CByteStream> Open(const std::filesystem::path& path, bool forWriting) override;
    std::unique_ptr<CByteStream> OpenReplacing(const std::filesystem::path& path) override;
    std::filesystem::path OpenFolderReplacing(const std::filesystem::path& path) override;
    bool Commit(const std::filesystem::path& path) override;
    void Remove(const std::filesystem::path& path) override { m_files.Remove(path); }

private:
    // False when path names a destination written before.
    bool IsNew(const std::filesystem::path& path) const;
    // Notes path as written, by its identity too when it is on disk.
    void Written(const std::filesystem::path& path);

    // The file's device and inode; found false when it is not on disk.
    static std::pair<std::uintmax_t, std::uintmax_t> Identity(const std::filesystem::path& path,
                                                              bool& found);

    CFileOpener& m_files;
    // Several files of a job may be converted at once: a destination is
    // checked and taken in one step.
    std::mutex m_mutex;
    std::set<std::pair<std::uintmax_t, std::uintmax_t>> m_written; // device and inode
    std::set<std::string> m_writtenPaths;
};
