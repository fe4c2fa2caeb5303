#pragma once

#include <atomic>

// A job given up at once, as by a second Ctrl+C: every conversion ends at
// its next pump or piece of silence and removes what it wrote, and no
// further file is started. Safe to call from a signal handler.
void AbandonJob();
bool JobAbandoned();

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
