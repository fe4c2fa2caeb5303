#include "audio/Abandon.h"

#include <csignal>

namespace {

volatile std::sig_atomic_t s_abandoned = 0;

} // namespace

void AbandonJob() {
    s_abandoned = 1;
}

bool JobAbandoned() {
    return s_abandoned != 0;
}
