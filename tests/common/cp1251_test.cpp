#include "common/cp1251.h"
#include "common/errors.h"
#include "common/utf8.h"

#include <gtest/gtest.h>

using namespace zep;

TEST(Cp1251, RoundTripsEveryDefinedByte) {
    for (int b = 0; b < 256; ++b) {
        if (b == 0x98)
            continue; // undefined in the code page
        std::string one(1, static_cast<char>(b));
        EXPECT_EQ(utf8_to_cp1251(cp1251_to_utf8(one)), one) << "byte " << b;
    }
}

TEST(Cp1251, UndefinedByteReadsAsReplacementCharacter) {
    EXPECT_EQ(cp1251_to_utf8("\x98"), "\xEF\xBF\xBD");
}

TEST(Cp1251, RefusalNamesTheCharacter) {
    try {
        utf8_to_cp1251("ab€c✓d");
        FAIL();
    } catch (const TextEncodingError& e) {
        EXPECT_NE(std::string(e.what()).find("✓"), std::string::npos);
    }
}

TEST(Cp1251, Utf8PrefixCountsCharactersNotBytes) {
    EXPECT_EQ(utf8_prefix("Русский", 3), "Рус");
    EXPECT_EQ(utf8_prefix("ab", 3), "ab");
    EXPECT_EQ(utf8_length("рус"), 3u);
}
