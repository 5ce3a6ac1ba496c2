#include "common/byte_codec.h"
#include "common/errors.h"

#include <gtest/gtest.h>

using namespace zep;

TEST(ByteCodec, WritesLittleEndianIntegersAndDoubles) {
    ByteWriter w;
    w.i32(-2);
    w.i32(0x01020304);
    w.f64(1.0);
    const std::vector<std::uint8_t> expected = {0xFE, 0xFF, 0xFF, 0xFF, 0x04, 0x03, 0x02, 0x01,
                                                0,    0,    0,    0,    0,    0,    0xF0, 0x3F};
    EXPECT_EQ(w.bytes(), expected);

    ByteReader r(w.bytes(), "fixture");
    EXPECT_EQ(r.i32(), -2);
    EXPECT_EQ(r.i32(), 0x01020304);
    EXPECT_EQ(r.f64(), 1.0);
    EXPECT_TRUE(r.at_end());
}

TEST(ByteCodec, TextOfCapacityIsLengthByteCharactersAndZeroPadding) {
    ByteWriter w;
    w.text("Дом", 6);
    const std::vector<std::uint8_t> expected = {3, 0xC4, 0xEE, 0xEC, 0, 0, 0};
    EXPECT_EQ(w.bytes(), expected);
    ByteReader r(w.bytes(), "fixture");
    EXPECT_EQ(r.text(6), "Дом");
}

TEST(ByteCodec, LongTextIsCutToItsCapacity) {
    ByteWriter w;
    w.text(std::string(71, 'x'), 70);
    ASSERT_EQ(w.size(), 71u);
    EXPECT_EQ(w.bytes()[0], 70);
}

TEST(ByteCodec, TextOutsideTheCodePageIsRefused) {
    ByteWriter w;
    EXPECT_THROW(w.text("日本", 10), TextEncodingError);
}

TEST(ByteCodec, ReadingPastTheEndNamesTheFile) {
    std::vector<std::uint8_t> three = {1, 2, 3};
    ByteReader r(three, "Task file \"zep_ABCDEF.dat\"");
    try {
        r.i32();
        FAIL();
    } catch (const FileFormatError& e) {
        EXPECT_NE(std::string(e.what()).find("zep_ABCDEF.dat"), std::string::npos);
    }
}

TEST(ByteCodec, LengthByteBeyondCapacityIsADamagedFile) {
    std::vector<std::uint8_t> bad = {7, 'a', 'b', 'c', 'd', 'e', 'f'};
    ByteReader r(bad, "fixture");
    EXPECT_THROW(r.text(6), FileFormatError);
}
