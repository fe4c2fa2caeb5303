#include "audio/Abandon.h"

#include <algorithm>

namespace {

// Lock-free, so that the signal handler may set it while workers read it.
std::atomic<int> s_abandoned{0};
static_assert(std::atomic<int>::is_always_lock_free);

thread_local const std::atomic<bool>* t_file = nullptr;

} // namespace

void AbandonJob() {
    s_abandoned.store(1, std::memory_order_relaxed);
}

bool JobAbandoned() {
    return s_abandoned.load(std::memory_order_relaxed) != 0 ||
           (t_file != nullptr && t_file->load(std::memory_order_relaxed));
}

CFileAbandon::CFileAbandon(const std::atomic<bool>& flag) : m_pBefore(t_file) {
    t_file = &flag;
}

CFileAbandon::~CFileAbandon() {
    t_file = m_pBefore;
}

bool WriteInPieces(std::uint64_t count, std::uint64_t piece,
                   const std::function<bool(std::uint64_t part)>& write) {
    while (count > 0) {
        const std::uint64_t part = std::min(count, piece);
        if (JobAbandoned() || !write(part))
            return false;
        count -= part;
    }
    return true;
}
