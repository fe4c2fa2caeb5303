#pragma once

// Ctrl+C as the Stop button. The first interrupt is only noted, for the job
// to pick up between two files; the second abandons the job (AbandonJob),
// which removes what it was writing and ends; a third ends the program at once.
void InstallInterruptHandler(bool stderrIsTerminal);
bool InterruptRequested();

// Exit status after an interrupt from the keyboard, as a shell reports one.
inline constexpr int InterruptedExitStatus = 130;
