#pragma once

#include <cstddef>

// Writes all count bytes at p to the descriptor fd, again where a signal cut a
// write short. False, with errno set, once a write fails or takes nothing
// (ENOSPC: the disk is full).
bool WriteAll(int fd, const void* p, std::size_t count);
