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
