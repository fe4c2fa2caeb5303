#include "audio/WriteAll.h"

#include <cerrno>
#include <cstdint>
#include <unistd.h>

bool WriteAll(int fd, const void* p, std::size_t count) {
    const auto* at = static_cast<const std::uint8_t*>(p);
    while (count > 0) {
        const ssize_t n = ::write(fd, at, count);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0) {
            errno = ENOSPC; // a write that takes nothing: the disk is full
            return false;
        }
        at += n;
        count -= static_cast<std::size_t>(n);
    }
    return true;
}
