#pragma once

#include "audio/FailingStream.h"
#include "audio/FileOpener.h"
#include "audio/MemoryStream.h"

#include <filesystem>
#include <map>
#include <memory>
#include <string>

// Files in memory: sources put in files beforehand, destinations written there.
class MemoryFiles : public CFileOpener {
public:
    std::unique_ptr<CByteStream> Open(const std::filesystem::path& path, bool forWriting) override {
        if (forWriting)
            return std::make_unique<CMemoryStream>(&files[path]);
        const auto found = files.find(path);
        return found == files.end() ? nullptr : std::make_unique<CMemoryStream>(found->second);
    }

    // Written in place: memory has no file to lose.
    std::unique_ptr<CByteStream> OpenReplacing(const std::filesystem::path& path) override {
        return Open(path, true);
    }
    std::filesystem::path OpenFolderReplacing(const std::filesystem::path& path) override {
        return path;
    }
    bool Commit(const std::filesystem::path&) override { return true; }
    // A folder goes with what it holds.
    void Remove(const std::filesystem::path& path) override {
        std::erase_if(files, [&](const auto& file) {
            return file.first == path || file.first.parent_path() == path;
        });
    }

    std::map<std::filesystem::path, std::string> files;
};

// Files in memory that count how often each is opened for reading.
class CountingFiles : public MemoryFiles {
public:
    std::unique_ptr<CByteStream> Open(const std::filesystem::path& path, bool forWriting) override {
        if (!forWriting)
            ++opened[path];
        return MemoryFiles::Open(path, forWriting);
    }

    std::map<std::filesystem::path, int> opened;
};

// The file system's files, but the one at path fails once a read or a write
// crosses failAt bytes: a bad sector in a source, a full disk under a destination.
class FaultyFiles : public CFileOpener {
public:
    FaultyFiles(std::filesystem::path path, std::int64_t failAt)
        : m_path(std::move(path)), m_nFailAt(failAt) {}

    std::unique_ptr<CByteStream> Open(const std::filesystem::path& path, bool forWriting) override {
        return Faulty(CFileOpener::Open(path, forWriting), path);
    }
    std::unique_ptr<CByteStream> OpenReplacing(const std::filesystem::path& path) override {
        return Faulty(CFileOpener::OpenReplacing(path), path);
    }

private:
    std::unique_ptr<CByteStream> Faulty(std::unique_ptr<CByteStream> stream,
                                        const std::filesystem::path& path) {
        if (stream && path == m_path)
            return std::make_unique<CFailingStream>(std::move(stream), m_nFailAt);
        return stream;
    }

    std::filesystem::path m_path;
    std::int64_t m_nFailAt;
};

// A destination in memory, into sink, that fails once failAt bytes are written.
inline std::unique_ptr<CByteStream> FailingSink(std::string& sink, std::int64_t failAt) {
    return std::make_unique<CFailingStream>(std::make_unique<CMemoryStream>(&sink), failAt);
}
