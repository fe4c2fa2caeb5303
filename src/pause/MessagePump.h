#pragma once

#include "audio/Abandon.h"

#include <cstdint>
#include <functional>

// A conversion lets pending events run before every this many blocks.
inline constexpr std::uint32_t BlocksPerPump = 100;

// Lets the front end's pending events run; a conversion calls it every 100
// blocks. Does nothing until a front end installs its own pump.
void PumpMessages();

// Installs the pump that PumpMessages calls and returns the one it replaces.
std::function<void()> SetMessagePump(std::function<void()> pump);

// What PumpMessages does on the calling thread alone, in place of the
// installed pump (a worker's: the front end's events belong to its own
// thread); null goes back to the installed one. Returns the one it replaces.
std::function<void()> SetThreadPump(std::function<void()> pump);
