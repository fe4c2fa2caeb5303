#include "cli/ChildProcess.h"

#include "support/TempDir.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

constexpr int ReadDeadlineMs = 10000;

void Check(int result, const char* what) {
    if (result != 0)
        throw std::runtime_error(std::string("cannot start the program: ") + what);
}

std::filesystem::path ScratchFile(const char* stem) {
    std::string pattern = (std::filesystem::temp_directory_path() / stem).string() + "-XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        throw std::runtime_error("cannot create a scratch file");
    ::close(fd);
    return pattern;
}

} // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& arguments, const Setup& setup) {
    posix_spawn_file_actions_t actions;
    Check(posix_spawn_file_actions_init(&actions), "file actions");
    m_outFile = ScratchFile("brellow-cli-out");
    Check(posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, m_outFile.c_str(),
                                           O_WRONLY | O_TRUNC, 0),
          "stdout");

    int childEnd = -1;
    if (setup.err == Stream::Terminal || setup.in == Stream::Terminal) {
        const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0)
            throw std::runtime_error("no pseudo-terminal");
        childEnd = ::open(::ptsname(master), O_RDWR | O_NOCTTY | O_CLOEXEC);
        m_nErrRead = master;
    } else if (setup.err == Stream::Pipe) {
        int fds[2];
        Check(::pipe2(fds, O_CLOEXEC), "pipe");
        m_nErrRead = fds[0];
        childEnd = fds[1];
        // A description of our own: non-blocking here, while the child's stays blocking.
        m_nErrWrite = ::open(("/proc/self/fd/" + std::to_string(fds[1])).c_str(),
                             O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    }

    if (setup.in == Stream::Terminal)
        Check(posix_spawn_file_actions_adddup2(&actions, childEnd, STDIN_FILENO), "stdin");
    else
        Check(posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0),
              "stdin");
    if (setup.err == Stream::File) {
        m_errFile = ScratchFile("brellow-cli-err");
        Check(posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, m_errFile.c_str(),
                                               O_WRONLY | O_TRUNC, 0),
              "stderr");
    } else {
        Check(posix_spawn_file_actions_adddup2(&actions, childEnd, STDERR_FILENO), "stderr");
    }
    if (!setup.workingDirectory.empty())
        Check(posix_spawn_file_actions_addchdir_np(&actions, setup.workingDirectory.c_str()),
              "working directory");

    std::vector<std::string> argv0 = setup.runner;
    argv0.push_back(BRELLOW_CLI);
    argv0.insert(argv0.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& a : argv0)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const int spawned = ::posix_spawnp(&m_pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (childEnd >= 0)
        ::close(childEnd); // the child's end: the stream ends when the child does
    Check(spawned, "spawn");
}

ChildProcess::~ChildProcess() {
    if (!m_bEnded && m_pid > 0) {
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
    }
    for (const int fd : {m_nErrRead, m_nErrWrite})
        if (fd >= 0)
            ::close(fd);
    std::error_code ec;
    std::filesystem::remove(m_outFile, ec);
    if (!m_errFile.empty())
        std::filesystem::remove(m_errFile, ec);
}

bool ChildProcess::ReadMore() {
    if (m_nErrRead < 0)
        return false;
    // A line that never comes fails the test in seconds, not at the suite's timeout.
    pollfd ready{m_nErrRead, POLLIN, 0};
    int polled;
    do {
        polled = ::poll(&ready, 1, ReadDeadlineMs);
    } while (polled < 0 && errno == EINTR);
    if (polled == 0) {
        ADD_FAILURE() << "no output from the program within " << ReadDeadlineMs << " ms";
        return false;
    }
    char buffer[4096];
    ssize_t n;
    do {
        n = ::read(m_nErrRead, buffer, sizeof buffer);
    } while (n < 0 && errno == EINTR);
    if (n <= 0) // end of the pipe; EIO once a terminal's last user has gone
        return false;
    err.append(buffer, static_cast<std::size_t>(n));
    return true;
}

bool ChildProcess::ReadUntilLine(const std::string& line) {
    std::size_t from = 0;
    for (;;) {
        for (std::size_t end; (end = err.find('\n', from)) != std::string::npos; from = end + 1) {
            std::string got = err.substr(from, end - from);
            if (!got.empty() && got.back() == '\r')
                got.pop_back();
            if (got == line)
                return true;
        }
        if (!ReadMore())
            return false;
    }
}

bool ChildProcess::ReadUntilTail(const std::string& tail) {
    while (!err.ends_with(tail))
        if (!ReadMore())
            return false;
    return true;
}

void ChildProcess::ReadToEnd() {
    if (m_nErrWrite >= 0) {
        ::close(m_nErrWrite);
        m_nErrWrite = -1;
    }
    while (ReadMore()) {
    }
}

void ChildProcess::Type(const std::string& text) {
    if (::write(m_nErrRead, text.data(), text.size()) != static_cast<ssize_t>(text.size()))
        throw std::runtime_error("cannot type on the terminal");
}

void ChildProcess::FillPipe() {
    const std::string blank(4096, '\n');
    std::size_t chunk = blank.size();
    // Smaller and smaller pieces, down to single bytes, until not one more fits.
    while (chunk > 0) {
        const ssize_t n = ::write(m_nErrWrite, blank.data(), chunk);
        if (n < 0 && errno == EAGAIN)
            chunk /= 2;
        else if (n < 0 && errno != EINTR)
            throw std::runtime_error("cannot fill the pipe");
    }
}

void ChildProcess::Signal(int signal) {
    ::kill(m_pid, signal);
}

void ChildProcess::AwaitDelivery(int signal) {
    const std::string status = "/proc/" + std::to_string(m_pid) + "/status";
    const unsigned long long bit = 1ull << (signal - 1);
    for (;;) {
        std::ifstream in(status);
        std::string line;
        bool pending = false;
        while (std::getline(in, line))
            if (line.starts_with("SigPnd:") || line.starts_with("ShdPnd:"))
                pending = pending || (std::stoull(line.substr(7), nullptr, 16) & bit) != 0;
        if (!pending)
            return;
        std::this_thread::yield();
    }
}

int ChildProcess::Wait() {
    if (!m_bEnded) {
        ReadToEnd();
        int status = 0;
        // A program that waits for an answer it never gets is ended, and the test fails.
        const auto until =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(ReadDeadlineMs);
        pid_t got;
        while (((got = ::waitpid(m_pid, &status, WNOHANG)) == 0 || (got < 0 && errno == EINTR)) &&
               std::chrono::steady_clock::now() < until)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        if (got == 0) {
            ADD_FAILURE() << "the program did not end within " << ReadDeadlineMs << " ms";
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, &status, 0);
        }
        m_bEnded = true;
        m_nStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        out = ReadFileBytes(m_outFile);
        if (!m_errFile.empty())
            err = ReadFileBytes(m_errFile);
    }
    return m_nStatus;
}
