#include "MemoryStream.h"

#include <gtest/gtest.h>

TEST(MemoryStream, ReadsWhatRemainsAndKeepsTheRest) {
    const uint8_t data[] = {1, 2, 3, 4, 5, 6};
    MemoryStream s(data, sizeof data);
    uint8_t buf[4] = {9, 9, 9, 9};
    EXPECT_EQ(s.Read(buf, 4), 4u);
    EXPECT_EQ(s.Read(buf, 4), 2u);
    EXPECT_EQ(buf[0], 5);
    EXPECT_EQ(buf[2], 3); // not overwritten
    EXPECT_EQ(s.Read(buf, 4), 0u);
    uint32_t v = 0xAABBCCDD;
    s.Seek(-1, MemoryStream::End);
    EXPECT_EQ(s.ReadU32(v), 1u);
    EXPECT_EQ(v, 0xAABBCC06u);
}

TEST(MemoryStream, SeekClampsAndWritesGrowInIncrements) {
    MemoryStream s;
    EXPECT_EQ(s.Seek(10, MemoryStream::Begin), 0u);
    s.WriteU32(0x01020304);
    EXPECT_EQ(s.Length(), 4u);
    EXPECT_EQ(s.Capacity() % MemoryStream::kGrowth, 0u);
    s.WriteZeros(MemoryStream::kGrowth);
    EXPECT_EQ(s.Capacity(), 2 * MemoryStream::kGrowth);
    EXPECT_EQ(s.Seek(-100000, MemoryStream::Current), 0u);
    EXPECT_EQ(s.Seek(5, MemoryStream::End), s.Length());
    EXPECT_EQ(s.Data()[0], 4);
}
