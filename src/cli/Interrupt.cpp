#include "cli/Interrupt.h"

#include <csignal>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t s_interrupted = 0;
volatile std::sig_atomic_t s_endLine = 0;

extern "C" void OnInterrupt(int) {
    if (s_interrupted) {
        // Only async-signal-safe calls here: finish the progress line and go.
        if (s_endLine) {
            const ssize_t ignored = ::write(STDERR_FILENO, "\n", 1);
            static_cast<void>(ignored);
        }
        ::_exit(InterruptedExitStatus);
    }
    s_interrupted = 1;
}

} // namespace

void InstallInterruptHandler(bool stderrIsTerminal) {
    s_endLine = stderrIsTerminal ? 1 : 0;
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    // Restarted calls: a file read or a question waits on as if nothing happened.
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &action, nullptr);
}

bool InterruptRequested() {
    return s_interrupted != 0;
}
