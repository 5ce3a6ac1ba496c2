#include "common/utf8.h"

#include <gtest/gtest.h>

namespace zep {
namespace {

TEST(Utf8, DecodesTheShortestFormsOfEveryLength) {
    const struct {
        std::string_view bytes;
        char32_t code;
    } cases[] = {
        {"A", U'A'},
        {"\xD0\xAF", U'Я'},
        {"\xE2\x82\xAC", U'€'},
        {"\xF0\x9F\x98\x80", U'\U0001F600'},
        {"\xF4\x8F\xBF\xBF", U'\U0010FFFF'},
    };
    for (const auto& c : cases) {
        const auto d = decode_utf8_character(c.bytes, 0);
        ASSERT_TRUE(d) << c.bytes;
        EXPECT_EQ(d->code, c.code);
        EXPECT_EQ(d->length, c.bytes.size());
        std::string again;
        append_utf8(again, c.code);
        EXPECT_EQ(again, c.bytes);
    }
}

TEST(Utf8, RefusesWhatIsNoWellFormedCharacter) {
    const std::string_view cases[] = {
        "\x80",             // a continuation byte without a lead
        "\xD0",             // a cut sequence
        "\xD0\x41",         // a lead followed by no continuation
        "\xC1\xBB",         // overlong two-byte form
        "\xE0\x80\xAF",     // overlong three-byte form
        "\xF0\x8F\xBF\xBF", // overlong four-byte form
        "\xED\xA0\x80",     // a surrogate
        "\xF4\x90\x80\x80", // beyond U+10FFFF
        "\xF5\x80\x80\x80", // a lead that no code point has
        "\xFF",
    };
    for (std::string_view c : cases) {
        EXPECT_FALSE(decode_utf8_character(c, 0)) << testing::PrintToString(std::string(c));
        EXPECT_FALSE(is_utf8(c));
    }
    EXPECT_TRUE(is_utf8("plain, Русский, €"));
}

TEST(Utf8, CodePointsStandDamagedBytesForTheReplacementCharacter) {
    EXPECT_EQ(utf8_code_points("aЯ€"), U"aЯ€");
    EXPECT_EQ(utf8_code_points("a\xD0z\x80"), U"a\uFFFDz\uFFFD");
}

TEST(Utf8, CountsAndCutsByCharacters) {
    EXPECT_EQ(utf8_length("Русский"), 7u);
    EXPECT_EQ(utf8_offset("Русский", 2), 4u);
    EXPECT_EQ(utf8_offset("ab", 5), 2u);
    EXPECT_EQ(utf8_substr("Русский", 1, 3), "усс");
    EXPECT_EQ(utf8_substr("Русский", 5, std::string::npos), "ий");
    EXPECT_EQ(utf8_substr("ab", 3, 1), "");
    EXPECT_EQ(utf8_prefix("€ab", 1), "€");
    // A damaged text's leading continuation bytes go with its first character.
    EXPECT_EQ(utf8_length("\x80xy"), 2u);
    EXPECT_EQ(utf8_prefix("\x80xy", 1), "\x80x");
    EXPECT_EQ(utf8_prefix("\x80xy", 0), "");
    std::string s = "aЯ€";
    remove_last_utf8_character(s);
    EXPECT_EQ(s, "aЯ");
    remove_last_utf8_character(s);
    remove_last_utf8_character(s);
    remove_last_utf8_character(s);
    EXPECT_EQ(s, "");
}

} // namespace
} // namespace zep
