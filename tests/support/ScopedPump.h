#pragma once

#include "pause/MessagePump.h"

#include <functional>
#include <utility>

// Installs a message pump for the life of the object, then puts back the one before.
class ScopedPump {
public:
    explicit ScopedPump(std::function<void()> pump) : m_previous(SetMessagePump(std::move(pump))) {}
    ~ScopedPump() { SetMessagePump(std::move(m_previous)); }
    ScopedPump(const ScopedPump&) = delete;
    ScopedPump& operator=(const ScopedPump&) = delete;

private:
    std::function<void()> m_previous;
};
