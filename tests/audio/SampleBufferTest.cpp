#include "audio/SampleBuffer.h"

#include <gtest/gtest.h>

TEST(SampleBuffer, ConstructionAllocatesZeroedBytes) {
    SampleBuffer empty(0);
    EXPECT_EQ(empty.data, nullptr);
    EXPECT_EQ(empty.capacity, 0u);

    SampleBuffer buffer(16);
    ASSERT_NE(buffer.data, nullptr);
    EXPECT_EQ(buffer.capacity, 16u);
    EXPECT_EQ(buffer.length, 0);
    for (std::uint32_t i = 0; i < buffer.capacity; ++i)
        EXPECT_EQ(buffer.data[i], 0) << i;
}

TEST(SampleBuffer, ResizeAndClearZeroesAndKeepsOrReplacesStorage) {
    SampleBuffer buffer(8);
    buffer.data[3] = 0x55;
    buffer.length = 8;
    const auto* before = buffer.data.get();
    buffer.ResizeAndClear(8); // same size: cleared in place
    EXPECT_EQ(buffer.data.get(), before);
    EXPECT_EQ(buffer.data[3], 0);
    EXPECT_EQ(buffer.length, 0);

    buffer.ResizeAndClear(2024);
    EXPECT_EQ(buffer.capacity, 2024u);
    EXPECT_EQ(buffer.data[2023], 0);
    buffer.ResizeAndClear(0);
    EXPECT_EQ(buffer.data, nullptr);
    EXPECT_EQ(buffer.capacity, 0u);
}

TEST(SampleBuffer, SetLengthClampsToCapacityWithUnsignedComparison) {
    SampleBuffer buffer(512);
    buffer.SetLength(100);
    EXPECT_EQ(buffer.length, 100);
    buffer.SetLength(512);
    EXPECT_EQ(buffer.length, 512);
    buffer.SetLength(9999);
    EXPECT_EQ(buffer.length, 512);
    buffer.SetLength(-1); // huge as unsigned
    EXPECT_EQ(buffer.length, 512);
    buffer.Free();
    EXPECT_EQ(buffer.capacity, 0u);
    EXPECT_EQ(buffer.length, 0);
}
