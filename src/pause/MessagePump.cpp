#include "pause/MessagePump.h"

#include <utility>

namespace {

std::function<void()>& InstalledPump() {
    static std::function<void()> pump;
    return pump;
}

thread_local std::function<void()> t_pump;

} // namespace

void PumpMessages() {
    if (t_pump) {
        t_pump();
        return;
    }
    if (const auto& pump = InstalledPump())
        pump();
}

std::function<void()> SetMessagePump(std::function<void()> pump) {
    return std::exchange(InstalledPump(), std::move(pump));
}

std::function<void()> SetThreadPump(std::function<void()> pump) {
    return std::exchange(t_pump, std::move(pump));
}
