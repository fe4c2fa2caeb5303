#pragma once

#include <filesystem>
#include <string>
#include <sys/types.h>

// Serves one read-only file at mountpoint/name from a child process, with the
// given bytes, except that every read at or past failFrom fails with EIO: a
// disk going bad under a source. Unmounted when destroyed.
class FailingFileSystem {
public:
    FailingFileSystem(const std::filesystem::path& mountpoint, const std::string& name,
                      std::string bytes, off_t failFrom);
    ~FailingFileSystem();
    FailingFileSystem(const FailingFileSystem&) = delete;
    FailingFileSystem& operator=(const FailingFileSystem&) = delete;

    // False when this machine cannot mount it (no /dev/fuse, no permission).
    bool Mounted() const { return m_mounted; }
    std::filesystem::path File() const { return m_mountpoint / m_name; }

private:
    std::filesystem::path m_mountpoint;
    std::string m_name;
    pid_t m_server = -1;
    bool m_mounted = false;
};
