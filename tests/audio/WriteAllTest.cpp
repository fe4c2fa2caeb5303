#include "audio/WriteAll.h"

#include <gtest/gtest.h>

#include <csignal>
#include <pthread.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

void Ignore(int) {}

// A write blocked on a full pipe, cut short by signals without SA_RESTART
// while a reader drains it slowly: every byte still arrives, in order.
TEST(WriteAll, SignalsCuttingWritesShortLoseNothing) {
    struct sigaction action {};
    struct sigaction before {};
    action.sa_handler = Ignore; // no SA_RESTART: a blocked write fails with EINTR
    ASSERT_EQ(::sigaction(SIGUSR1, &action, &before), 0);
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    std::vector<unsigned char> data(1 << 20);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<unsigned char>(i * 7 + i / 251);
    std::vector<unsigned char> read;
    const pthread_t writer = ::pthread_self();
    std::thread reader([&] {
        unsigned char piece[4096];
        for (ssize_t n; (n = ::read(fds[0], piece, sizeof piece)) > 0;) {
            read.insert(read.end(), piece, piece + n);
            ::pthread_kill(writer, SIGUSR1);
        }
    });
    const bool written = WriteAll(fds[1], data.data(), data.size());
    ::close(fds[1]);
    reader.join();
    ::close(fds[0]);
    ::sigaction(SIGUSR1, &before, nullptr);
    EXPECT_TRUE(written);
    EXPECT_TRUE(read == data);
}

} // namespace
