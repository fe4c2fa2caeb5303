#pragma once

#include <functional>

// Lets the front end's pending events run; a conversion calls it every 100
// blocks. Does nothing until a front end installs its own pump.
void PumpMessages();

// Installs the pump that PumpMessages calls and returns the one it replaces.
std::function<void()> SetMessagePump(std::function<void()> pump);
