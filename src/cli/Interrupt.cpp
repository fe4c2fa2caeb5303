#include "cli/Interrupt.h"

#include "pause/MessagePump.h"

#include <csignal>
#include <poll.h>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t s_interrupts = 0;
volatile std::sig_atomic_t s_endLine = 0;
volatile std::sig_atomic_t s_signal = SIGINT; // the one that abandoned the job

// Writes text to standard error unless that would block (a full pipe must
// not hold up the clean-up it announces).
template <std::size_t N> void Say(const char (&text)[N]) {
    pollfd error{STDERR_FILENO, POLLOUT, 0};
    if (::poll(&error, 1, 0) == 1 && (error.revents & POLLOUT) != 0) {
        const ssize_t ignored = ::write(STDERR_FILENO, text, N - 1);
        static_cast<void>(ignored);
    }
}

extern "C" void OnInterrupt(int signal) {
    // Only async-signal-safe calls here. The signals are held off while this
    // runs, so the count cannot be raced by another one.
    const std::sig_atomic_t count = s_interrupts;
    if (count < 2) {
        // SIGTERM and SIGHUP give up the job at once, as a second Ctrl+C does.
        const bool abandon = count == 1 || signal != SIGINT;
        s_interrupts = abandon ? 2 : 1;
        if (abandon) {
            s_signal = signal;
            AbandonJob(); // the job removes what it wrote and ends
            // Said before the clean-up, which may take a moment on a large job.
            if (s_endLine)
                Say("\nRemoving unfinished files...\n");
            else
                Say("Removing unfinished files...\n");
        }
        return;
    }
    // The third: the last resort, for a job that does not end. Finish the progress line and go.
    if (s_endLine) {
        const ssize_t ignored = ::write(STDERR_FILENO, "\n", 1);
        static_cast<void>(ignored);
    }
    ::_exit(InterruptedExitStatus);
}

} // namespace

void InstallInterruptHandler(bool stderrIsTerminal) {
    s_endLine = stderrIsTerminal ? 1 : 0;
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    for (const int signal : EndingSignals)
        sigaddset(&action.sa_mask, signal);
    // Restarted calls: a file read waits on as if nothing happened. A
    // question waits in ppoll, which is never restarted, and so sees the second.
    action.sa_flags = SA_RESTART;
    for (const int signal : EndingSignals)
        ::sigaction(signal, &action, nullptr);
}

bool InterruptRequested() {
    return s_interrupts != 0;
}

int AbandonedExitStatus() {
    return 128 + s_signal;
}
