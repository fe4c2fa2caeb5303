#include "cli/Interrupt.h"

#include "pause/MessagePump.h"

#include <csignal>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t s_interrupts = 0;
volatile std::sig_atomic_t s_endLine = 0;

extern "C" void OnInterrupt(int) {
    // Only async-signal-safe calls here. SIGINT is held off while this runs,
    // so the count cannot be raced by another interrupt.
    const std::sig_atomic_t count = s_interrupts;
    if (count < 2) {
        s_interrupts = count + 1;
        if (count == 1)
            AbandonJob(); // the job removes what it wrote and ends
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
    // Restarted calls: a file read waits on as if nothing happened. A
    // question waits in ppoll, which is never restarted, and so sees the second.
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &action, nullptr);
}

bool InterruptRequested() {
    return s_interrupts != 0;
}
