#pragma once

// A job given up at once, as by a second Ctrl+C: every conversion ends at
// its next pump or piece of silence and removes what it wrote, and no
// further file is started. Safe to call from a signal handler.
void AbandonJob();
bool JobAbandoned();
