#include "pause/MessagePump.h"

#include <csignal>
#include <utility>

namespace {

volatile std::sig_atomic_t s_abandoned = 0;

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

void AbandonJob() {
    s_abandoned = 1;
}

bool JobAbandoned() {
    return s_abandoned != 0;
}
