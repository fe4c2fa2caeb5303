#define FUSE_USE_VERSION 31
#include "fault/FailingFileSystem.h"

#include <fuse.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

// The served file; set in the child before the file system starts.
std::string g_name;
std::string g_bytes;
off_t g_failFrom = 0;

int GetAttr(const char* path, struct stat* st, fuse_file_info*) {
    std::memset(st, 0, sizeof *st);
    if (std::strcmp(path, "/") == 0) {
        st->st_mode = S_IFDIR | 0755;
        st->st_nlink = 2;
        return 0;
    }
    if (path[0] == '/' && g_name == path + 1) {
        st->st_mode = S_IFREG | 0444;
        st->st_nlink = 1;
        st->st_size = static_cast<off_t>(g_bytes.size());
        return 0;
    }
    return -ENOENT;
}

int Open(const char* path, fuse_file_info* info) {
    if (path[0] != '/' || g_name != path + 1)
        return -ENOENT;
    info->direct_io = 1; // every read reaches us, none is served from a cache
    return 0;
}

int Read(const char*, char* buffer, size_t size, off_t offset, fuse_file_info*) {
    if (offset >= g_failFrom)
        return -EIO;
    const auto end = std::min<off_t>(
        {offset + static_cast<off_t>(size), g_failFrom, static_cast<off_t>(g_bytes.size())});
    if (end <= offset)
        return 0;
    std::memcpy(buffer, g_bytes.data() + offset, static_cast<std::size_t>(end - offset));
    return static_cast<int>(end - offset);
}

} // namespace

FailingFileSystem::FailingFileSystem(const std::filesystem::path& mountpoint,
                                     const std::string& name, std::string bytes, off_t failFrom)
    : m_mountpoint(mountpoint), m_name(name) {
    std::filesystem::create_directories(mountpoint);
    m_server = ::fork();
    if (m_server == 0) {
        g_name = name;
        g_bytes = std::move(bytes);
        g_failFrom = failFrom;
        fuse_operations operations{};
        operations.getattr = GetAttr;
        operations.open = Open;
        operations.read = Read;
        std::string program = "brellow-failing-fs", where = mountpoint.string(), foreground = "-f",
                    single = "-s";
        char* argv[] = {program.data(), where.data(), foreground.data(), single.data(), nullptr};
        ::_exit(fuse_main(4, argv, &operations, nullptr));
    }
    if (m_server < 0)
        return;
    // Mounted once the file shows; a server that gave up has exited by then.
    for (int i = 0; i < 500 && !m_mounted; ++i) {
        struct stat st {};
        if (::stat(File().c_str(), &st) == 0) {
            m_mounted = true;
            break;
        }
        int status = 0;
        if (::waitpid(m_server, &status, WNOHANG) == m_server) {
            m_server = -1;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

FailingFileSystem::~FailingFileSystem() {
    if (m_mounted)
        ::umount2(m_mountpoint.c_str(), MNT_DETACH);
    if (m_server > 0) {
        ::kill(m_server, SIGTERM);
        ::waitpid(m_server, nullptr, 0);
    }
}
