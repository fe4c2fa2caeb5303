#pragma once

#include <cstdint>
#include <functional>

// A conversion lets pending events run before every this many blocks.
inline constexpr std::uint32_t BlocksPerPump = 100;

// Lets the front end's pending events run; a conversion calls it every 100
// blocks. Does nothing until a front end installs its own pump.
void PumpMessages();

// Installs the pump that PumpMessages calls and returns the one it replaces.
std::function<void()> SetMessagePump(std::function<void()> pump);

// A job given up at once, as by a second Ctrl+C: every conversion ends at
// its next pump and removes what it wrote, and no further file is started.
// Safe to call from a signal handler.
void AbandonJob();
bool JobAbandoned();
