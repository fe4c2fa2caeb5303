#pragma once

#include <atomic>
#include <cstdint>
#include <functional>

// A job given up at once, as by a second Ctrl+C: every conversion ends at
// its next pump or piece of silence and removes what it wrote, and no
// further file is started. Safe to call from a signal handler.
void AbandonJob();
bool JobAbandoned();

// Runs write over count (silence, say) in pieces of at most piece, so that a
// job given up stops between two of them. False once a piece fails or the job
// is abandoned.
bool WriteInPieces(std::uint64_t count, std::uint64_t piece,
                   const std::function<bool(std::uint64_t part)>& write);

// One file given up alone (a later file of a job that ended before it):
// while this lives, JobAbandoned() on the thread that made it also says true
// once flag is set.
class CFileAbandon {
public:
    explicit CFileAbandon(const std::atomic<bool>& flag);
    ~CFileAbandon();
    CFileAbandon(const CFileAbandon&) = delete;
    CFileAbandon& operator=(const CFileAbandon&) = delete;

private:
    const std::atomic<bool>* m_pBefore;
};
