#include "pause/MessagePump.h"

#include <utility>

namespace {

std::function<void()>& InstalledPump() {
    static std::function<void()> pump;
    return pump;
}

} // namespace

void PumpMessages() {
    if (const auto& pump = InstalledPump())
        pump();
}

std::function<void()> SetMessagePump(std::function<void()> pump) {
    return std::exchange(InstalledPump(), std::move(pump));
}
