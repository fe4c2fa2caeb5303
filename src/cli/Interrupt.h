#pragma once

#include <array>
#include <csignal>

// Ctrl+C as the Stop button. The first interrupt is only noted, for the job
// to pick up between two files; the second abandons the job (AbandonJob),
// which removes what it was writing and ends; a third ends the program at once.
// SIGTERM and SIGHUP abandon the job at their first.
void InstallInterruptHandler(bool stderrIsTerminal);
bool InterruptRequested();

// The signals that end a job, which a question's wait lets in.
inline constexpr std::array<int, 3> EndingSignals = {SIGINT, SIGTERM, SIGHUP};

// Exit status after an interrupt from the keyboard, as a shell reports one.
inline constexpr int InterruptedExitStatus = 130;
// Exit status of a job abandoned by a signal: 128 and its number (130, 143, 129).
int AbandonedExitStatus();
