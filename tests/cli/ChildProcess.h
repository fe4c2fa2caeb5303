#pragma once

#include <filesystem>
#include <string>
#include <sys/types.h>
#include <vector>

// One run of the program under test, with its standard streams wired as a
// test needs them. Killed and reaped if the test leaves early.
class ChildProcess {
public:
    enum class Stream { Null, File, Pipe, Terminal };

    struct Setup {
        Stream in = Stream::Null;  // Null or Terminal
        Stream err = Stream::File; // File, Pipe or Terminal
        std::filesystem::path workingDirectory;
        // A program that runs ours, with its options: setpriv, strace.
        std::vector<std::string> runner = {};
    };

    ChildProcess(const std::vector<std::string>& arguments, const Setup& setup);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Waits for the end: the exit status, or 128 + the signal that ended it.
    int Wait();
    void Signal(int signal);
    // Returns once the child has taken the signal off its pending set, that
    // is, once its handler has been entered.
    void AwaitDelivery(int signal);

    // Pipe or terminal: reads until a line (ending in '\n') equal to line, or
    // until text ends with the given tail; false when the stream ends first.
    bool ReadUntilLine(const std::string& line);
    bool ReadUntilTail(const std::string& tail);
    // Reads what is left, up to the end of the stream.
    void ReadToEnd();
    // Terminal: types text.
    void Type(const std::string& text);
    // Pipe: fills the child's error pipe so that its next write waits until
    // the test reads again. The filler is blank lines.
    void FillPipe();

    std::string out; // standard output, after Wait
    std::string err; // standard error so far (all of it after Wait)

private:
    bool ReadMore();

    pid_t m_pid = -1;
    int m_nErrRead = -1;  // the test's end of the error pipe or the terminal
    int m_nErrWrite = -1; // pipe only: a second writer, for FillPipe
    std::filesystem::path m_outFile;
    std::filesystem::path m_errFile;
    bool m_bEnded = false;
    int m_nStatus = -1;
};
