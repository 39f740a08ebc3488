#include "formats/ByteOrder.h"

#include <gtest/gtest.h>

TEST(ByteOrder, ReadsEitherOrderUpToEightBytesAndRefusesOtherCounts) {
    const QByteArray bytes("\x01\x02\x03\x04\x05\x06\x07\x08\x09", 9);
    EXPECT_EQ(BeToInt(bytes, 0), 0);
    EXPECT_EQ(BeToInt(bytes, 2), 0x0102);
    EXPECT_EQ(LeToInt(bytes, 2), 0x0201);
    EXPECT_EQ(BeToInt(bytes, 4), 0x01020304);
    EXPECT_EQ(LeToInt(bytes, 8), 0x0807060504030201);
    EXPECT_EQ(BeToInt(QByteArray("\xFF\xFF\xFF\xFF", 4), 4), 0xFFFFFFFF) << "unsigned";
    // Counts it cannot read.
    EXPECT_EQ(BeToInt(bytes, 9), -1);
    EXPECT_EQ(LeToInt(bytes, 9), -1);
    EXPECT_EQ(BeToInt(bytes.first(3), 4), -1) << "fewer bytes than asked for";
    EXPECT_EQ(LeToInt(bytes, -1), -1);
}

TEST(ByteOrder, WritesFourBytesInEitherOrder) {
    EXPECT_EQ(IntToBytes4(0x11223344, false), QByteArray("\x11\x22\x33\x44"));
    EXPECT_EQ(IntToBytes4(0x11223344, true), QByteArray("\x44\x33\x22\x11"));
}
