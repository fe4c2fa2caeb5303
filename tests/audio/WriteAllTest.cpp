#include "audio/WriteAll.h"

#include <gtest/gtest.h>

#include <csignal>
#include <pthread.h>
#include <thread>
#include <unistd.h>
#include <vector>

// A write blocked on a full pipe, cut short by signals without SA_RESTART
// while a reader drains it slowly: every byte still arrives, in order.
TEST(WriteAll, SignalsCuttingWritesShortLoseNothing) {
    struct sigaction action {
    }, before{};
    action.sa_handler = [](int) {};
    ASSERT_EQ(::sigaction(SIGUSR1, &action, &before), 0);
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    std::vector<unsigned char> data(1 << 20), read;
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<unsigned char>(i * 7 + i / 251);
    std::thread reader([&, writer = ::pthread_self()] {
        unsigned char piece[1024];
        // Each signal is sent while the pipe is full, so it finds the writer waiting.
        for (;;) {
            ::pthread_kill(writer, SIGUSR1);
            const ssize_t n = ::read(fds[0], piece, sizeof piece);
            if (n <= 0)
                break;
            read.insert(read.end(), piece, piece + n);
        }
    });
    EXPECT_TRUE(WriteAll(fds[1], data.data(), data.size()));
    ::close(fds[1]);
    reader.join();
    ::close(fds[0]);
    ::sigaction(SIGUSR1, &before, nullptr);
    EXPECT_TRUE(read == data);
}
