#include "cli/TerminalWindow.h"

#include "audio/WriteAll.h"
#include "batch/MessageBox.h"
#include "cli/CommandLine.h"
#include "cli/Interrupt.h"
#include "pause/MessagePump.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <poll.h>
#include <unistd.h>

namespace {

constexpr int BarWidth = 30;

// Waits until standard input has something to read; false once the job is
// abandoned. The ending signals get in only within ppoll, so that one
// arriving just before it still ends the wait.
bool AwaitInput() {
    sigset_t interrupt;
    sigset_t before;
    sigemptyset(&interrupt);
    for (const int signal : EndingSignals)
        sigaddset(&interrupt, signal);
    ::sigprocmask(SIG_BLOCK, &interrupt, &before);
    pollfd input{STDIN_FILENO, POLLIN, 0};
    while (!JobAbandoned() && ::ppoll(&input, 1, nullptr, &before) < 0 && errno == EINTR) {
    }
    ::sigprocmask(SIG_SETMASK, &before, nullptr);
    return !JobAbandoned();
}

// One line from standard input, without its end; false at the end of input,
// and once the job is abandoned.
bool ReadLine(std::string& line) {
    line.clear();
    for (;;) {
        if (!AwaitInput())
            return false;
        char c;
        const ssize_t n = ::read(STDIN_FILENO, &c, 1);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return !line.empty();
        if (c == '\n')
            return true;
        line += c;
    }
}

std::string Lowered(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

} // namespace

void PrintError(const std::string& text) {
    WriteAll(STDERR_FILENO, text.data(), text.size()); // when it fails, nowhere to report to
}

CTerminalWindow::CTerminalWindow(bool yesToAll)
    : m_bYesToAll(yesToAll), m_bTerminal(::isatty(STDERR_FILENO) == 1) {}

int CTerminalWindow::MessageBox(const std::string& text, const std::string& caption,
                                unsigned type) {
    const bool question = (type & 0x0F) == MB_YESNOCANCEL;
    // An abandoned job ends without another word.
    if (JobAbandoned())
        return question ? IDCANCEL : IDOK;
    EndProgressLine();
    if (!question) {
        PrintError(caption + ": " + text + "\n");
        return IDOK;
    }
    PrintError(caption + ": " + text + " [y/n/c] ");
    return Ask();
}

int CTerminalWindow::Ask() {
    if (m_bYesToAll) {
        PrintError("y\n");
        return IDYES;
    }
    // Nobody to ask: the safe answer, which ends the job.
    if (::isatty(STDIN_FILENO) != 1) {
        PrintError("n\n");
        return IDNO;
    }
    std::string answer;
    for (;;) {
        if (!ReadLine(answer)) {
            PrintError("\n");
            return IDCANCEL; // end of input closes the box
        }
        answer = Lowered(answer);
        if (answer == "y" || answer == "yes")
            return IDYES;
        if (answer == "n" || answer == "no")
            return IDNO;
        if (answer == "c" || answer == "cancel")
            return IDCANCEL;
        PrintError("Please answer y (yes), n (no) or c (cancel): ");
    }
}

void CTerminalWindow::SetProgressRange(std::uint16_t maximum) {
    m_nMaximum = maximum;
}

void CTerminalWindow::SetProgressPos(int position) {
    m_nPosition = position;
    m_nReached = std::max(m_nReached, position);
}

void CTerminalWindow::PrintLine(const std::string& text) {
    EndProgressLine();
    PrintError(text + "\n");
}

void CTerminalWindow::SetStatusWindowText(const std::string& text) {
    // The status is written just before the stop request is read: a Ctrl+C in
    // the last moments of the previous file still stops the job here.
    TakeInterrupt();
    SetStatusOfFileUnderWay(text);
}

void CTerminalWindow::SetStatusOfFileUnderWay(const std::string& text) {
    if (!m_bTerminal) {
        PrintError(text + "\n");
        return;
    }
    const int filled = m_nMaximum == 0
                           ? BarWidth
                           : std::clamp(m_nPosition, 0, int{m_nMaximum}) * BarWidth / m_nMaximum;
    PrintError("\r" + text + " [" + std::string(static_cast<std::size_t>(filled), '#') +
               std::string(static_cast<std::size_t>(BarWidth - filled), '.') + "]");
    m_bLineOpen = true;
}

void CTerminalWindow::OnJobBegin() {
    m_bStop = false;
    m_bBusy = true;
}

void CTerminalWindow::OnJobEnd() {
    m_bBusy = false;
    m_nPosition = 0;
    EndProgressLine();
}

bool CTerminalWindow::StopRequested() {
    // The notice waits for the file it stops at, as it would one file at a time.
    return m_bStop || InterruptRequested();
}

void CTerminalWindow::TakeInterrupt() {
    if (!InterruptRequested() || m_bStopNoted)
        return;
    m_bStopNoted = true;
    m_bStop = true;
    if (JobAbandoned()) // by a signal that ends it at once: nothing to wait for
        return;
    PrintLine(std::string(ProgramName) +
              ": stopping after the current file (Ctrl+C again to quit at once)");
}

void CTerminalWindow::EndProgressLine() {
    if (m_bLineOpen)
        PrintError("\n");
    m_bLineOpen = false;
}
